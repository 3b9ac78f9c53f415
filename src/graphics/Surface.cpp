#include "Surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Coordinates beyond this many pixels are not drawn at all: no surface is that
// large, and keeping to it lets the sampling arithmetic stay in 64 bits.
constexpr double CoordinateLimit = 35184372088832.0; // 2^45

// Rounds a fractional pixel coordinate to the nearest whole pixel.
double roundPixel(double v) {
    return std::floor(v + 0.5);
}

bool usable(double v) {
    return std::isfinite(v) && std::fabs(v) <= CoordinateLimit;
}

// One axis of a stretched copy: the destination span [d0, d1) before
// clipping, the visible part [c0, c1), and the source span [s0, s0 + sn).
struct Span {
    qint64 d0 = 0, d1 = 0;
    int c0 = 0, c1 = 0;
    int s0 = 0, sn = 0;

    // The source index that destination pixel `d` samples: the one under
    // the pixel's centre, so whole-number scale factors are exact.
    qint64 source(qint64 d) const {
        const qint64 i = d - d0;
        return s0 + ((2 * i + 1) * sn) / (2 * (d1 - d0));
    }
};

bool makeSpan(double d, double dn, double s, double sn, int limit, Span& span) {
    const double d0 = roundPixel(d);
    const double d1 = roundPixel(d + dn);
    if (!usable(d0) || !usable(d1) || d1 <= d0 || !usable(s) || !usable(sn))
        return false;
    const double s0 = roundPixel(s);
    const double sCount = roundPixel(sn);
    if (sCount < 1 || std::fabs(s0) > 1e9 || sCount > 1e9)
        return false;
    span.d0 = qint64(d0);
    span.d1 = qint64(d1);
    span.c0 = int(std::max<qint64>(span.d0, 0));
    span.c1 = int(std::min<qint64>(span.d1, limit));
    span.s0 = int(s0);
    span.sn = int(sCount);
    return span.c0 < span.c1;
}

// Combines one row of pixels: `dst[i]` with `src[i]`, or with `src[map[i]]`
// when a column map is given. The loops are plain so that the compiler can
// vectorise them.
template <typename Op> void combineRow(QRgb* dst, const QRgb* src, const int* map, int n, Op op) {
    if (map) {
        for (int i = 0; i < n; ++i)
            dst[i] = op(dst[i], src[map[i]]);
    } else {
        for (int i = 0; i < n; ++i)
            dst[i] = op(dst[i], src[i]);
    }
}

void applyRow(RasterOp rop, QRgb* dst, const QRgb* src, const int* map, int n) {
    // Every result keeps the surface opaque, whatever the source's alpha.
    switch (rop) {
    case RasterOp::SrcAnd:
        combineRow(dst, src, map, n, [](QRgb d, QRgb s) { return (d & s) | 0xFF000000u; });
        break;
    case RasterOp::SrcPaint:
        combineRow(dst, src, map, n, [](QRgb d, QRgb s) { return d | s | 0xFF000000u; });
        break;
    case RasterOp::SrcCopy:
    default:
        combineRow(dst, src, map, n, [](QRgb, QRgb s) { return s | 0xFF000000u; });
        break;
    }
}

} // namespace

Surface::Surface(int width, int height) {
    Resize(width, height);
}

void Surface::Move(int left, int top, int width, int height) {
    m_Left = left;
    m_Top = top;
    Resize(width, height);
}

void Surface::Resize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_Image.width() && height == m_Image.height())
        return;
    QImage resized;
    if (width > 0 && height > 0) {
        resized = QImage(width, height, QImage::Format_RGB32);
        resized.fill(m_BackColor);
        const int keepW = std::min(width, m_Image.width());
        const int keepH = std::min(height, m_Image.height());
        for (int y = 0; y < keepH; ++y)
            std::memcpy(resized.scanLine(y), m_Image.constScanLine(y), size_t(keepW) * 4);
    }
    m_Image = resized;
}

void Surface::PaintPicture(const QImage& source, double dx, double dy, double dw, double dh,
                           double sx, double sy, double sw, double sh, RasterOp op) {
    if (m_Image.isNull() || source.isNull())
        return;
    KeepFormat();
    Span xs, ys;
    if (!makeSpan(dx, dw, sx, sw, m_Image.width(), xs) ||
        !makeSpan(dy, dh, sy, sh, m_Image.height(), ys))
        return;
    QImage converted;
    const QImage* src = &source;
    if (source.format() != QImage::Format_RGB32 && source.format() != QImage::Format_ARGB32) {
        converted = source.convertToFormat(QImage::Format_RGB32);
        src = &converted;
    }
    // The visible destination columns whose samples fall inside the source
    // picture: one run, since the samples grow with the column.
    int first = xs.c0, last = xs.c1;
    const bool oneToOne = xs.sn == xs.d1 - xs.d0;
    if (oneToOne) {
        // Column d samples source column s0 + (d - d0).
        first = int(std::max<qint64>(first, xs.d0 - xs.s0));
        last = int(std::min<qint64>(last, xs.d0 - xs.s0 + src->width()));
    } else {
        while (first < last && xs.source(first) < 0)
            ++first;
        while (first < last && xs.source(last - 1) >= src->width())
            --last;
    }
    if (first >= last)
        return;
    const int n = last - first;
    const int* map = nullptr;
    qint64 shift = 0;
    if (oneToOne) {
        shift = xs.s0 + (first - xs.d0);
    } else {
        m_ColumnMap.resize(size_t(n));
        for (int i = 0; i < n; ++i)
            m_ColumnMap[size_t(i)] = int(xs.source(first + i));
        map = m_ColumnMap.data();
    }
    uchar* const bits = m_Image.bits();
    const qsizetype stride = m_Image.bytesPerLine();
    for (int y = ys.c0; y < ys.c1; ++y) {
        const qint64 s = ys.source(y);
        if (s < 0 || s >= src->height())
            continue;
        auto* dst = reinterpret_cast<QRgb*>(bits + y * stride) + first;
        const auto* line = reinterpret_cast<const QRgb*>(src->constScanLine(int(s))) + shift;
        applyRow(op, dst, line, map, n);
    }
}

void Surface::Line(double x1, double y1, double x2, double y2, QRgb color, bool filled) {
    if (m_Image.isNull())
        return;
    KeepFormat();
    double left = roundPixel(std::min(x1, x2)), right = roundPixel(std::max(x1, x2));
    double top = roundPixel(std::min(y1, y2)), bottom = roundPixel(std::max(y1, y2));
    if (std::isnan(left) || std::isnan(right) || std::isnan(top) || std::isnan(bottom))
        return;
    if (filled) {
        FillRect(left, top, right, bottom, color);
        return;
    }
    FillRect(left, top, right, top, color);
    FillRect(left, bottom, right, bottom, color);
    FillRect(left, top, left, bottom, color);
    FillRect(right, top, right, bottom, color);
}

void Surface::FillRect(double left, double top, double right, double bottom, QRgb color) {
    // Clip in floating point first so that far-off boxes never overflow.
    const double xFirst = std::max(left, 0.0), yFirst = std::max(top, 0.0);
    const double xLast = std::min(right, double(m_Image.width() - 1));
    const double yLast = std::min(bottom, double(m_Image.height() - 1));
    if (xLast < xFirst || yLast < yFirst)
        return;
    const int x0 = int(xFirst), y0 = int(yFirst), x1 = int(xLast), y1 = int(yLast);
    const QRgb pixel = color | 0xFF000000u;
    for (int y = y0; y <= y1; ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_Image.scanLine(y));
        std::fill(line + x0, line + x1 + 1, pixel);
    }
}

void Surface::KeepFormat() {
    // Owners may replace the image through image(); the drawing code works on
    // 32-bit pixels only.
    if (m_Image.format() != QImage::Format_RGB32)
        m_Image = m_Image.convertToFormat(QImage::Format_RGB32);
}

void Surface::Cls() {
    if (!m_Image.isNull())
        m_Image.fill(m_BackColor);
}

QImage Surface::Image() const {
    return m_Image.copy();
}
