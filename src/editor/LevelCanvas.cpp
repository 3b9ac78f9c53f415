#include "LevelCanvas.h"

#include "CanvasGeometry.h"
#include "CanvasView.h"
#include "EditGeometry.h"
#include "LevelDocument.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <cstdlib>

namespace {

constexpr int ScrollThickness = 17;
constexpr int CornerSize = 17;
constexpr QRgb CanvasGrey = 0xFFC0C0C0;
constexpr QRgb White = 0xFFFFFFFF;
// A frame of the screen, about: how long the scroll bars' repaint waits
// after a wheel notch.
constexpr int FrameMs = 16;

QPixmap PreviewPicture() {
    QPixmap pixmap(13, 13);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 12, 12);
    p.fillRect(3, 3, 4, 4, Qt::black);
    p.drawRect(2, 2, 8, 8);
    return pixmap;
}

void ApplyRange(QScrollBar* bar, const ScrollRange& range) {
    // Lowering the maximum below the value moves the value, which reports
    // a change and redraws the canvas.
    bar->setMinimum(0);
    bar->setMaximum(range.max);
    bar->setPageStep(range.largeChange);
    bar->setEnabled(range.enabled);
}

// A drawn cell's size in whole pixels, at least one.
int CellPixels(double renderSize) {
    return qMax(1, qRound(renderSize));
}

void MoveBar(QScrollBar* bar, int delta) {
    if (delta != 0)
        bar->setValue(Navigation::ScrollBy(bar->value(), delta, bar->maximum()));
}

} // namespace

LevelCanvas::LevelCanvas(const LevelDocument& document, QWidget* parent)
    : QWidget(parent), m_Document(document) {
    setObjectName(QStringLiteral("levelCanvas"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(White));
    setPalette(palette);

    m_Picture = new PictureBox(this);
    m_Picture->setObjectName(QStringLiteral("canvasPicture"));
    m_Picture->SetBackColor(CanvasGrey);
    m_Picture->setFocusPolicy(Qt::StrongFocus);
    m_Picture->installEventFilter(this);

    m_ScrollX = new QScrollBar(Qt::Horizontal, this);
    m_ScrollX->setObjectName(QStringLiteral("canvasScrollX"));
    m_ScrollY = new QScrollBar(Qt::Vertical, this);
    m_ScrollY->setObjectName(QStringLiteral("canvasScrollY"));
    // What a screen reader says of the parts without text.
    m_Picture->setAccessibleName(tr("Level canvas"));
    m_ScrollX->setAccessibleName(tr("Scroll the level across"));
    m_ScrollY->setAccessibleName(tr("Scroll the level up and down"));
    for (QScrollBar* bar : {m_ScrollX, m_ScrollY}) {
        bar->setRange(0, 0);
        bar->setPageStep(1);
        connect(bar, &QScrollBar::valueChanged, this, &LevelCanvas::BarMoved);
    }
    m_ScrollX->setGeometry(0, 0, 100, ScrollThickness);
    m_ScrollY->setGeometry(0, 0, ScrollThickness, 100);
    m_BarPaint = new QTimer(this);
    m_BarPaint->setSingleShot(true);
    m_BarPaint->setInterval(FrameMs);
    connect(m_BarPaint, &QTimer::timeout, this, [this] {
        // Painting again, each bar is painted where it is now.
        m_ScrollX->setUpdatesEnabled(true);
        m_ScrollY->setUpdatesEnabled(true);
    });

    m_PreviewButton = new PickerButton(this);
    m_PreviewButton->setObjectName(QStringLiteral("levelPreviewButton"));
    m_PreviewButton->setAccessibleName(tr("Level preview"));
    m_PreviewButton->setGeometry(0, 0, CornerSize, CornerSize);
    m_PreviewButton->setIcon(PreviewPicture());
    m_PreviewButton->setIconSize(QSize(13, 13));
    m_PreviewButton->setToolTip(tr("Level preview: hold the button down to see the whole level "
                                   "and move to the part to show, then let go"));

    m_View = new CanvasView(*m_Picture, document, nullptr, nullptr, this);
    connect(m_Picture, &PictureBox::Paint, this, &LevelCanvas::Redraw);
    connect(m_Picture, &PictureBox::MouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y) {
                ToolEvent event = EventAt(modifiers, {x, y});
                event.button = button;
                ReportPointer(event);
                emit pressed(event);
            });
    connect(m_Picture, &PictureBox::MouseMove, this,
            [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x, double y) {
                PointerMoved(buttons, modifiers, {x, y});
            });
    connect(m_Picture, &PictureBox::MouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y) {
                ToolEvent event = EventAt(modifiers, {x, y});
                event.button = button;
                emit released(event);
            });
}

QImage LevelCanvas::Shown() const {
    return m_Picture->Picture();
}

void LevelCanvas::SetSets(std::shared_ptr<const TileSet> tiles,
                          std::shared_ptr<const SpriteSet> sprites) {
    m_View->SetSets(std::move(tiles), std::move(sprites));
}

ZoomLevel LevelCanvas::Zoom() const {
    return m_View->Zoom();
}

void LevelCanvas::SetZoom(int exponent) {
    m_View->SetZoom(ZoomLevel(exponent));
    // The scroll ranges follow the new cell size, and the canvas is drawn
    // again once.
    m_Quiet = true;
    Relayout();
    m_Quiet = false;
    Redraw();
    emit zoomChanged(Zoom().Exponent());
    FollowPointer();
}

void LevelCanvas::ZoomIn() {
    SetZoom(EditGeometry::ZoomInLevel(Zoom().Exponent()));
}

void LevelCanvas::ZoomOut() {
    SetZoom(Zoom().Exponent() - 1);
}

void LevelCanvas::ZoomAt(int steps, QPointF at) {
    const PaletteGeometry::Cell cell = m_View->Geometry().CellAt(at.x(), at.y());
    const ZoomLevel before = Zoom();
    for (int i = 0; i < std::abs(steps); ++i) {
        const ZoomLevel zoom = Zoom();
        m_View->SetZoom(ZoomLevel(steps > 0 ? EditGeometry::ZoomInLevel(zoom.Exponent())
                                            : zoom.Exponent() - 1));
        if (Zoom() == zoom)
            break;
    }
    if (Zoom() == before)
        return;
    // The cells from the canvas's edge to the pointer at the new size.
    const PaletteGeometry::Cell offset =
        CanvasGeometry(m_View->CellWidth(), m_View->CellHeight(), 0, 0).CellAt(at.x(), at.y());
    m_Quiet = true;
    Relayout();
    m_ScrollX->setValue(CanvasGeometry::OriginKeepingCell(cell.x, offset.x, m_ScrollX->maximum()));
    m_ScrollY->setValue(CanvasGeometry::OriginKeepingCell(cell.y, offset.y, m_ScrollY->maximum()));
    m_Quiet = false;
    Redraw();
    // Touchpad movement kept for cells of the old size means nothing now.
    m_Wheel.pixelX = 0;
    m_Wheel.pixelY = 0;
    emit zoomChanged(Zoom().Exponent());
    FollowPointer();
}

void LevelCanvas::FitLevel() {
    const Level& level = m_Document.level();
    const TileSet& tiles = m_View->Tiles();
    const int zoom =
        EditGeometry::FitZoom(level.Width(), level.Height(), width() - m_ScrollY->width(),
                              height() - m_ScrollX->height(), tiles.Width(), tiles.Height());
    m_Quiet = true;
    m_ScrollX->setValue(0);
    m_ScrollY->setValue(0);
    m_Quiet = false;
    SetZoom(zoom);
}

QPoint LevelCanvas::Origin() const {
    return QPoint(m_ScrollX->value(), m_ScrollY->value());
}

QPoint LevelCanvas::OriginMax() const {
    return QPoint(m_ScrollX->maximum(), m_ScrollY->maximum());
}

void LevelCanvas::ScrollTo(QPoint origin) {
    MoveView(origin);
    FollowPointer();
}

void LevelCanvas::MoveView(QPoint origin) {
    // Both bars, one drawing.
    const bool quiet = m_Quiet;
    m_Quiet = true;
    m_ScrollX->setValue(origin.x());
    m_ScrollY->setValue(origin.y());
    m_Quiet = quiet;
    m_View->ScrollTo(m_ScrollX->value(), m_ScrollY->value());
    emit viewChanged();
}

void LevelCanvas::CenterOn(QPoint cell) {
    const QSize cells = CellsShown();
    m_Quiet = true;
    m_ScrollX->setValue(cell.x() - cells.width() / 2);
    m_ScrollY->setValue(cell.y() - cells.height() / 2);
    m_Quiet = false;
    Redraw();
    FollowPointer();
}

QSize LevelCanvas::CellsShown() const {
    return QSize(m_View->CellsAcross(m_Picture->ScaleWidth()),
                 m_View->CellsDown(m_Picture->ScaleHeight()));
}

QPoint LevelCanvas::PasteCell() const {
    const QRect shown(Origin(), CellsShown());
    return shown.contains(m_PointerCell) ? m_PointerCell : shown.topLeft();
}

void LevelCanvas::Relayout() {
    const int sw = width(), sh = height();
    const Level& level = m_Document.level();
    m_ScrollX->setGeometry(0, sh - m_ScrollX->height(), qMax(0, sw - m_PreviewButton->width()),
                           m_ScrollX->height());
    ApplyRange(m_ScrollX,
               CanvasGeometry::Range(level.Width(), m_View->CellsAcross(sw - m_ScrollX->height()),
                                     m_View->CellsAcross(sw)));
    m_ScrollY->setGeometry(sw - m_ScrollY->width(), 0, m_ScrollY->width(),
                           qMax(0, sh - m_PreviewButton->height()));
    ApplyRange(m_ScrollY,
               CanvasGeometry::Range(level.Height(), m_View->CellsDown(sh - m_ScrollY->width()),
                                     m_View->CellsDown(sh)));
    m_PreviewButton->move(sw - m_PreviewButton->width(), sh - m_PreviewButton->height());
    m_Picture->setGeometry(0, 0, qMax(0, sw - m_ScrollY->width()),
                           qMax(0, sh - m_ScrollX->height()));
}

void LevelCanvas::Redraw() {
    m_View->Redraw(m_ScrollX->value(), m_ScrollY->value());
    emit viewChanged();
}

void LevelCanvas::SetPickPointer(bool pick, const QPixmap& picture) {
    const bool picking = m_Picture->testAttribute(Qt::WA_SetCursor);
    if (pick && !picking)
        m_Picture->setCursor(QCursor(picture, 0, 0));
    else if (!pick && picking)
        m_Picture->unsetCursor();
}

void LevelCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Relayout();
    emit viewChanged();
}

void LevelCanvas::BarMoved() {
    if (m_Quiet || m_Locked)
        return;
    m_View->ScrollTo(m_ScrollX->value(), m_ScrollY->value());
    emit viewChanged();
    FollowPointer();
}

bool LevelCanvas::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_Picture)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int border = m_Picture->BorderWidth();
        Wheel(wheel->angleDelta(), wheel->pixelDelta(), wheel->modifiers(),
              wheel->position() - QPointF(border, border));
        event->accept();
        return true;
    }
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (Key(key->key(), key->modifiers())) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        emit toolTipAt(CellAt(help->pos()), help->globalPos());
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        emit doubleClicked(CellAt(mouse->position()), mouse->modifiers());
        return false;
    }
    case QEvent::ContextMenu: {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() == QContextMenuEvent::Mouse &&
            !(menu->modifiers() & Qt::ControlModifier))
            return false;
        const QPoint cell =
            menu->reason() == QContextMenuEvent::Mouse ? CellAt(menu->pos()) : m_PointerCell;
        emit contextMenuAt(cell, menu->globalPos());
        return true;
    }
    case QEvent::Leave:
        if (m_Reported != QPoint(-1, -1)) {
            m_Reported = QPoint(-1, -1);
            emit pointerCellChanged(m_Reported);
        }
        return false;
    default:
        return false;
    }
}

QPoint LevelCanvas::CellAt(QPointF at) const {
    const int border = m_Picture->BorderWidth();
    const PaletteGeometry::Cell cell = m_View->Geometry().CellAt(at.x() - border, at.y() - border);
    return QPoint(static_cast<int>(cell.x), static_cast<int>(cell.y));
}

ToolEvent LevelCanvas::EventAt(Qt::KeyboardModifiers modifiers, QPointF at) const {
    const PaletteGeometry::Cell cell = m_View->Geometry().CellAt(at.x(), at.y());
    ToolEvent event;
    event.x = cell.x;
    event.y = cell.y;
    event.inside = cell.Inside(m_Document.level().Width(), m_Document.level().Height());
    event.modifiers = modifiers;
    return event;
}

void LevelCanvas::PointerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                               QPointF at) {
    ToolEvent event = EventAt(modifiers, at);
    event.buttons = buttons;
    const QPoint cell(static_cast<int>(event.x), static_cast<int>(event.y));
    const bool newCell = cell != m_PointerCell;
    m_PointerCell = cell;
    ReportPointer(event);
    emit moved(event, newCell);
}

void LevelCanvas::ReportPointer(const ToolEvent& event) {
    const QPoint cell = event.inside ? QPoint(static_cast<int>(event.x), static_cast<int>(event.y))
                                     : QPoint(-1, -1);
    m_Reported = cell;
    emit pointerCellChanged(cell);
}

void LevelCanvas::FollowPointer() {
    // Where the pointer is now: it may have moved without the canvas
    // seeing it (over the level preview, for one).
    if (m_Picture->underMouse()) {
        const int border = m_Picture->BorderWidth();
        const QPoint at = m_Picture->mapFromGlobal(QCursor::pos()) - QPoint(border, border);
        ReportPointer(EventAt(Qt::NoModifier, at));
    } else if (m_Reported != QPoint(-1, -1)) {
        m_Reported = QPoint(-1, -1);
        emit pointerCellChanged(m_Reported);
    }
}

void LevelCanvas::Wheel(QPoint angle, QPoint pixels, Qt::KeyboardModifiers modifiers, QPointF at) {
    // While the level preview is open the view's origin is the preview's.
    if (m_Locked)
        return;
    const Navigation::WheelAction action =
        Navigation::WheelMove(m_Wheel, angle, pixels, modifiers, QApplication::wheelScrollLines(),
                              CellPixels(m_View->CellWidth()), CellPixels(m_View->CellHeight()));
    if (action.zoomSteps == 0 && action.columns == 0 && action.rows == 0)
        return;
    if (action.zoomSteps != 0)
        ZoomAt(action.zoomSteps, at);
    if (action.columns != 0 || action.rows != 0) {
        HoldBarPaint();
        MoveView(
            QPoint(Navigation::ScrollBy(m_ScrollX->value(), action.columns, m_ScrollX->maximum()),
                   Navigation::ScrollBy(m_ScrollY->value(), action.rows, m_ScrollY->maximum())));
    }
    // Another cell is under the pointer now, which the wheel's event
    // tells (asking the window system where the pointer is would wait for
    // it): the tool follows as for a move.
    PointerMoved(Qt::NoButton, modifiers, at);
}

void LevelCanvas::HoldBarPaint() {
    // Painting a bar costs more than drawing the strip a notch uncovers; a
    // notch within the frame leaves the bars to the repaint at its end.
    if (m_BarPaint->isActive())
        return;
    m_ScrollX->setUpdatesEnabled(false);
    m_ScrollY->setUpdatesEnabled(false);
    m_BarPaint->start();
}

bool LevelCanvas::Key(int key, Qt::KeyboardModifiers modifiers) {
    if (m_Locked)
        return false;
    const Navigation::KeyAction action = Navigation::KeyMove(key, modifiers, m_ScrollY->pageStep());
    if (!action.handled)
        return false;
    MoveBar(m_ScrollX, action.columns);
    MoveBar(m_ScrollY, action.rows);
    return true;
}
