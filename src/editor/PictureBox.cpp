#include "PictureBox.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <cstring>

namespace {

// Copies the picture's pixels `shown` as `wrap` keeps them in `stored` to
// `target`, whose pixel (0, 0) is picture pixel `at`.
void CopyShown(const PictureWrap& wrap, const QImage& stored, const QRect& shown, QImage& target,
               QPoint at) {
    for (const PictureWrap::Piece& piece : wrap.PiecesOf(shown)) {
        const QPoint to = piece.shown - at;
        for (int y = 0; y < piece.stored.height(); ++y)
            std::memcpy(target.scanLine(to.y() + y) + to.x() * 4,
                        stored.constScanLine(piece.stored.y() + y) + piece.stored.x() * 4,
                        size_t(piece.stored.width()) * 4);
    }
}

// The pixels `area` (widget coordinates) of what `painter` paints into, as
// an image onto them in the canvas's format, when it paints straight into
// 32-bit pixels laid out as the canvas's are, without scaling (a window's
// backing store on the common platforms, X11's included); otherwise a null
// image.
QImage PaintedPixels(QPainter& painter, const QRect& area) {
    QPaintEngine* engine = painter.paintEngine();
    QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (device == nullptr || device->devType() != QInternal::Image)
        return {};
    auto* image = static_cast<QImage*>(device);
    const QTransform& transform = painter.deviceTransform();
    // X11 backing stores keep premultiplied pixels with alpha; opaque ones,
    // all the canvas puts there, are laid out as its own are, so they are
    // drawn as the canvas's format (the tiles are drawn into no other).
    const bool sameLayout = image->format() == QImage::Format_RGB32 ||
                            image->format() == QImage::Format_ARGB32_Premultiplied;
    if (!sameLayout || image->devicePixelRatio() != 1.0 ||
        transform.type() > QTransform::TxTranslate || !image->isDetached())
        return {};
    const QRect at = transform.mapRect(area);
    if (!image->rect().contains(at))
        return {};
    return QImage(image->bits() + qsizetype(at.y()) * image->bytesPerLine() + at.x() * 4,
                  at.width(), at.height(), image->bytesPerLine(), QImage::Format_RGB32);
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    SyncSurfaceSize();
}

void PictureBox::SetBackColor(QRgb color) {
    m_Surface.SetBackColor(color);
    update();
}

void PictureBox::SetBorderWidth(int width) {
    m_Border = width < 0 ? 0 : width;
    SyncSurfaceSize();
    update();
}

void PictureBox::SyncSurfaceSize() {
    const int w = qMax(0, width() - 2 * m_Border);
    const int h = qMax(0, height() - 2 * m_Border);
    if (w == m_Surface.ScaleWidth() && h == m_Surface.ScaleHeight())
        return;
    // A resize keeps the picture's top-left part in place.
    if (m_Wrap.IsWrapped())
        m_Surface.image() = Picture();
    m_Surface.Resize(w, h);
    m_Wrap.Reset(QSize(m_Surface.ScaleWidth(), m_Surface.ScaleHeight()));
}

void PictureBox::ScrollPicture(int dx, int dy) {
    m_Wrap.Scroll(dx, dy);
    // The window system moves what the screen shows; only the uncovered
    // band is painted (Qt falls back to a whole repaint where it cannot).
    scroll(dx, dy, QRect(m_Border, m_Border, m_Surface.ScaleWidth(), m_Surface.ScaleHeight()));
}

void PictureBox::SetLayer(const PictureLayer* layer) {
    m_Layer = layer;
}

QImage PictureBox::Picture() const {
    QImage picture = m_Wrap.Unwrapped(m_Surface.image());
    const QRect under = m_Layer ? m_Layer->Bounds() & picture.rect() : QRect();
    if (under.isEmpty())
        return picture;
    Surface over;
    over.image() = QImage(picture.scanLine(under.y()) + under.x() * 4, under.width(),
                          under.height(), picture.bytesPerLine(), picture.format());
    m_Layer->Draw(over, under.topLeft());
    return picture;
}

void PictureBox::RefreshArea(const QRect& inner) {
    update(inner.translated(m_Border, m_Border));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    // The owner draws into the surface when the widget is exposed; drawing
    // handlers that run at other times update the surface directly.
    if (m_PaintRequested) {
        m_PaintRequested = false;
        emit Paint();
    }
    QPainter painter(this);
    if (m_Border > 0) {
        painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        painter.setPen(QColor(0xFF, 0xFF, 0xFF));
        painter.drawLine(m_Border - 1, height() - m_Border, width() - m_Border,
                         height() - m_Border);
        painter.drawLine(width() - m_Border, m_Border - 1, width() - m_Border, height() - m_Border);
    }
    // Only the parts asked for are copied: a few changed cells cost a few
    // cells' pixels.
    const QRect inner(m_Border, m_Border, m_Surface.ScaleWidth(), m_Surface.ScaleHeight());
    for (const QRect& asked : event->region())
        Show(painter, (asked & inner).translated(-m_Border, -m_Border));
}

void PictureBox::Show(QPainter& painter, const QRect& shown) {
    if (shown.isEmpty())
        return;
    const QPoint border(m_Border, m_Border);
    const QRect under = m_Layer ? m_Layer->Bounds() & shown : QRect();
    // The layer is drawn straight into the pixels on their way to the
    // screen where they can be reached, with the picture's pixels under it;
    // otherwise over a scratch copy of them.
    Surface part;
    if (!under.isEmpty())
        part.image() = PaintedPixels(painter, under.translated(border));
    const bool layerPutsUnder = !part.image().isNull() || (!under.isEmpty() && m_Layer->Opaque());
    const QRegion picture = layerPutsUnder ? QRegion(shown).subtracted(under) : QRegion(shown);
    for (const QRect& rect : picture)
        for (const PictureWrap::Piece& piece : m_Wrap.PiecesOf(rect))
            painter.drawImage(piece.shown + border, m_Surface.image(), piece.stored);
    if (under.isEmpty())
        return;
    if (!part.image().isNull()) {
        ShowLayer(part, under);
        return;
    }
    QImage& scratch = m_Composed.image();
    if (scratch.width() < under.width() || scratch.height() < under.height())
        scratch = QImage(std::max(scratch.width(), under.width()),
                         std::max(scratch.height(), under.height()), m_Surface.image().format());
    part.image() = QImage(scratch.bits(), under.width(), under.height(), scratch.bytesPerLine(),
                          scratch.format());
    if (!m_Layer->Opaque())
        CopyShown(m_Wrap, m_Surface.image(), under, part.image(), under.topLeft());
    m_Layer->Draw(part, under.topLeft());
    painter.drawImage(under.topLeft() + border, part.image());
}

void PictureBox::ShowLayer(Surface& part, const QRect& under) const {
    const QImage& stored = m_Surface.image();
    QImage& screen = part.image();
    const bool opaque = m_Layer->Opaque();
    // Piece by piece of the picture as kept (a scrolled picture wraps).
    for (const PictureWrap::Piece& piece : m_Wrap.PiecesOf(under)) {
        const QPoint to = piece.shown - under.topLeft();
        Surface target;
        target.image() = QImage(
            screen.bits() + qsizetype(to.y()) * screen.bytesPerLine() + to.x() * 4,
            piece.stored.width(), piece.stored.height(), screen.bytesPerLine(), screen.format());
        if (opaque) {
            m_Layer->Draw(target, piece.shown);
            continue;
        }
        const QImage below(
            stored.constBits() + qsizetype(piece.stored.y()) * stored.bytesPerLine() +
                piece.stored.x() * 4,
            piece.stored.width(), piece.stored.height(), stored.bytesPerLine(), stored.format());
        if (m_Layer->DrawFrom(target, piece.shown, below))
            continue;
        for (int y = 0; y < below.height(); ++y)
            std::memcpy(target.image().scanLine(y), below.constScanLine(y),
                        size_t(below.width()) * 4);
        m_Layer->Draw(target, piece.shown);
    }
}

void PictureBox::resizeEvent(QResizeEvent*) {
    SyncSurfaceSize();
    m_PaintRequested = true;
    emit Resized();
}

void PictureBox::showEvent(QShowEvent*) {
    m_PaintRequested = true;
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position() - QPointF(m_Border, m_Border);
    emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position() - QPointF(m_Border, m_Border);
    emit MouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position() - QPointF(m_Border, m_Border);
    emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}
