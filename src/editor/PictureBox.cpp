#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

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
    update();
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
    // Only the part asked for is copied: a few changed cells cost a few
    // cells' pixels.
    const QRect inner(m_Border, m_Border, m_Surface.ScaleWidth(), m_Surface.ScaleHeight());
    const QRect part = event->rect() & inner;
    for (const PictureWrap::Piece& piece : m_Wrap.PiecesOf(part.translated(-m_Border, -m_Border)))
        painter.drawImage(piece.shown + QPoint(m_Border, m_Border), m_Surface.image(),
                          piece.stored);
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
