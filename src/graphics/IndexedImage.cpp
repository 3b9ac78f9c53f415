#include "IndexedImage.h"

#include <array>

namespace IndexedImage {
namespace {

// The palette being gathered: colours in order of first use, found through
// an open-addressed table with room for twice the most colours it takes.
class Palette {
public:
    Palette() { m_Slots.fill(Empty); }

    // The index of `colour`, added if new; -1 once there would be more
    // than 256 colours.
    int IndexOf(QRgb colour) {
        const QRgb key = colour | 0xFF000000u; // RGB32 ignores the top byte
        for (unsigned slot = hash(key);; slot = (slot + 1) % Slots) {
            if (m_Slots[slot] == Empty) {
                if (m_Colours.size() == 256)
                    return -1;
                m_Slots[slot] = m_Colours.size();
                m_Colours.append(key);
                return m_Slots[slot];
            }
            if (m_Colours[m_Slots[slot]] == key)
                return m_Slots[slot];
        }
    }
    const QList<QRgb>& Colours() const { return m_Colours; }

private:
    static constexpr unsigned Slots = 512;
    static constexpr int Empty = -1;
    static unsigned hash(QRgb key) { return (key * 2654435761u) >> 23; }

    std::array<int, Slots> m_Slots;
    QList<QRgb> m_Colours;
};

} // namespace

QImage Exact(const QImage& image) {
    if (image.isNull() || image.format() != QImage::Format_RGB32)
        return QImage();
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return QImage();
    Palette palette;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        // Runs of one colour are the rule; look up only where it changes.
        QRgb last = in[0];
        int index = palette.IndexOf(last);
        for (int x = 0; x < image.width(); ++x) {
            if (in[x] != last) {
                last = in[x];
                index = palette.IndexOf(last);
            }
            if (index < 0)
                return QImage();
            out[x] = uchar(index);
        }
    }
    indexed.setColorTable(palette.Colours());
    return indexed;
}

} // namespace IndexedImage
