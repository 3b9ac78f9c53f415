#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

// Raster operations understood by Surface::PaintPicture.
enum class RasterOp : quint32 {
    SrcCopy = 0xCC0020,  // destination = source
    SrcAnd = 0x8800C6,   // destination = destination AND source
    SrcPaint = 0xEE0086, // destination = destination OR source
};

// A drawing surface in pixel units backed by a persistent QImage (RGB32).
// Both the on-screen canvases and off-screen scratch drawing use it. All
// drawing is nearest-neighbour and clipped to the image, so the raster
// operations are exact.
class Surface {
public:
    // Draw styles used with Line: 0 solid outline, 6 inside-solid.
    static constexpr int DrawStyleSolid = 0;
    static constexpr int DrawStyleInsideSolid = 6;
    // The fixed button-shadow colour used for cells outside a tile set.
    static constexpr QRgb ButtonShadow = 0xFF808080;

    Surface(int width = 0, int height = 0);

    // Position (kept for owners that lay surfaces out) and size in pixels.
    // Resizing keeps the overlapping part of the picture and fills new area
    // with BackColor.
    void Move(int left, int top, int width, int height);
    void Resize(int width, int height);
    int Left() const { return m_Left; }
    int Top() const { return m_Top; }
    int ScaleWidth() const { return m_Image.width(); }
    int ScaleHeight() const { return m_Image.height(); }

    // Stretching copy of the source rectangle (sx, sy, sw, sh) of `source` to
    // the destination rectangle (dx, dy, dw, dh). Fractional coordinates are
    // rounded to whole pixels (halves up), so the destination spans
    // round(dx) .. round(dx + dw) - 1; each destination pixel takes the
    // source pixel under its centre. Parts outside either picture are left
    // alone. Sources of any format are read as 32-bit colours.
    void PaintPicture(const QImage& source, double dx, double dy, double dw, double dh, double sx,
                      double sy, double sw, double sh, RasterOp op = RasterOp::SrcCopy);

    // A box from corner (x1, y1) to corner (x2, y2), both included. With
    // `filled` the inside is filled with `color`, otherwise only the
    // one-pixel outline is drawn.
    void Line(double x1, double y1, double x2, double y2, QRgb color, bool filled);

    // Clears the whole surface to BackColor.
    void Cls();

    QRgb ForeColor() const { return m_ForeColor; }
    void SetForeColor(QRgb color) { m_ForeColor = color; }
    QRgb BackColor() const { return m_BackColor; }
    void SetBackColor(QRgb color) { m_BackColor = color; }
    int DrawStyle() const { return m_DrawStyle; }
    void SetDrawStyle(int style) { m_DrawStyle = style; }

    // An independent snapshot of the current contents.
    QImage Image() const;

    // Direct access for owners that blit the surface to the screen and for
    // fast paths that draw with QPainter themselves.
    const QImage& image() const { return m_Image; }
    QImage& image() { return m_Image; }

private:
    // Fills the box between two whole-pixel corners, both included, clipped.
    void FillRect(double left, double top, double right, double bottom, QRgb color);
    void KeepFormat();

    QImage m_Image;
    std::vector<int> m_ColumnMap; // reused by PaintPicture to avoid allocations
    int m_Left = 0;
    int m_Top = 0;
    QRgb m_ForeColor = 0xFF000000;
    QRgb m_BackColor = 0xFFFFFFFF;
    int m_DrawStyle = DrawStyleSolid;
};
