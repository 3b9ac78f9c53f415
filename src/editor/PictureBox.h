#pragma once

#include "PictureWrap.h"
#include "Surface.h"

#include <QWidget>

// A widget that owns a drawing Surface the size of its inner area and shows
// it. Mouse events are reported with Qt's button (on moves the buttons
// held) and modifiers, X and Y in pixels of the inner area. Qt keeps
// sending moves and the release to the widget that got the press, so a drag
// that leaves the widget still reaches it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The surface drawn into. Its image keeps the picture as the wrap says
    // (as shown unless ScrollPicture was used).
    Surface& surface() { return m_Surface; }
    const Surface& surface() const { return m_Surface; }
    const PictureWrap& Wrap() const { return m_Wrap; }
    // The picture as shown.
    QImage Picture() const { return m_Wrap.Unwrapped(m_Surface.image()); }
    // Moves the picture by (dx, dy) pixels without moving its pixels (see
    // PictureWrap); the caller draws what comes into view.
    void ScrollPicture(int dx, int dy);
    // The surface's image keeps the picture as shown again, its pixels left
    // where they are: for a caller about to draw all of it.
    void ResetWrap() { m_Wrap.Reset(m_Wrap.Size()); }

    // The surface's background colour, also used to fill the widget when it
    // grows.
    void SetBackColor(QRgb color);
    // A border of `width` pixels drawn around the inner area (0 for none).
    void SetBorderWidth(int width);
    int BorderWidth() const { return m_Border; }

    // Inner size in pixels.
    int ScaleWidth() const { return m_Surface.ScaleWidth(); }
    int ScaleHeight() const { return m_Surface.ScaleHeight(); }

    // Marks the surface changed so that it is shown on the next paint.
    void Refresh() { update(); }
    // The same for the part `inner` (in pixels of the inner area) alone.
    void RefreshArea(const QRect& inner);

signals:
    // Asks the owner to draw into the surface (the widget was exposed).
    void Paint();
    void Resized();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SyncSurfaceSize();

    Surface m_Surface;
    PictureWrap m_Wrap;
    int m_Border = 0;
    bool m_PaintRequested = true;
};
