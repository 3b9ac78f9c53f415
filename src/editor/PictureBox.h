#pragma once

#include "PictureWrap.h"
#include "Surface.h"

#include <QImage>
#include <QWidget>

// Something shown over a PictureBox's picture and never drawn into it (a
// tool's preview): each time pixels under it are shown they are put together
// afresh, so moving it costs the pixels it leaves and enters.
class PictureLayer {
public:
    virtual ~PictureLayer() = default;
    // The picture's pixels the layer may cover (empty: none).
    virtual QRect Bounds() const = 0;
    // Draws the layer into `surface`, which holds the picture's pixels from
    // `at` on (unless the layer is opaque).
    virtual void Draw(Surface& surface, QPoint at) const = 0;
    // Whether Draw sets every pixel of Bounds(): the picture's pixels under
    // them are then not put on the screen first.
    virtual bool Opaque() const { return false; }
    // Draws the layer into `surface` from `under`, the picture's pixels
    // from `at` on, which are not in the surface: every pixel of the
    // surface is set. False, with nothing drawn, where the layer cannot;
    // the pixels are then put into the surface and Draw is called.
    virtual bool DrawFrom(Surface& /*surface*/, QPoint /*at*/, const QImage& /*under*/) const {
        return false;
    }
};

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
    // The picture as shown, with the layer over it.
    QImage Picture() const;
    // Moves the picture by (dx, dy) pixels without moving its pixels (see
    // PictureWrap); what is already on the screen moves with it, and the
    // caller draws what comes into view.
    void ScrollPicture(int dx, int dy);
    // The layer shown over the picture (none: nullptr); its owner calls
    // RefreshArea for the pixels it leaves and enters.
    void SetLayer(const PictureLayer* layer);
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
    // Puts the picture's pixels `shown` (in pixels of the inner area) on
    // the screen, with the layer over those it covers.
    void Show(QPainter& painter, const QRect& shown);
    // Draws the layer into `part`, the screen's pixels of `under` (in
    // pixels of the inner area), with the picture's pixels under it.
    void ShowLayer(Surface& part, const QRect& under) const;

    Surface m_Surface;
    PictureWrap m_Wrap;
    int m_Border = 0;
    bool m_PaintRequested = true;
    const PictureLayer* m_Layer = nullptr;
    // Where the pixels under the layer are put together before they are
    // shown, kept to save an allocation per paint.
    mutable Surface m_Composed;
};
