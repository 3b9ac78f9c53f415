#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cmath>

// How large a view draws the sets' pictures: 2 ^ Exponent() times their own
// size (0 as they are, 1 twice as large, -3 an eighth). Each view keeps its
// own zoom and draws the episode's shared sets at it.
class ZoomLevel {
public:
    constexpr ZoomLevel() = default;
    // Exponents beyond the 16-bit range are taken as its ends.
    constexpr explicit ZoomLevel(int exponent)
        : m_Exponent(qint16(std::clamp(exponent, -32768, 32767))) {}

    constexpr int Exponent() const { return m_Exponent; }
    // `pixels` drawn at this zoom.
    double Scale(double pixels) const { return std::ldexp(pixels, m_Exponent); }
    // This zoom, raised where needed until a picture of `width` x `height`
    // pixels drawn at it covers at least one pixel each way: -4 is the
    // lowest for the 16 x 16 tiles. No zoom makes an empty picture that
    // large; it gets the highest.
    ZoomLevel AtLeastOnePixel(int width, int height) const {
        const int smaller = std::min(width, height);
        if (smaller < 1)
            return ZoomLevel(32767);
        int halvings = 0; // the most halvings that leave at least one pixel
        while ((smaller >> (halvings + 1)) >= 1)
            ++halvings;
        return ZoomLevel(std::max<int>(m_Exponent, -halvings));
    }

    friend constexpr bool operator==(ZoomLevel a, ZoomLevel b) {
        return a.m_Exponent == b.m_Exponent;
    }
    friend constexpr bool operator!=(ZoomLevel a, ZoomLevel b) { return !(a == b); }

private:
    qint16 m_Exponent = 0;
};
