#include "OverviewPane.h"

#include "LevelCanvas.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "OverviewPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr QRgb Background = 0xFF404040;
// The view rectangle: a light line over a dark one, seen on any tile.
constexpr QRgb ViewLine = 0xFFFFFF00;
constexpr QRgb ViewShadow = 0xFF000000;
// How far the rectangle's lines reach outside its cells.
constexpr int ViewMargin = 2;

} // namespace

OverviewPane::OverviewPane(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("overviewPane"));
    setAccessibleName(tr("Level overview"));
    setMinimumSize(80, 60);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("The whole level: click or drag to move the canvas's view"));
    m_Refresh.setSingleShot(true);
    m_Refresh.setInterval(0);
    connect(&m_Refresh, &QTimer::timeout, this, &OverviewPane::Refresh);
}

OverviewPane::~OverviewPane() = default;

void OverviewPane::Follow(LevelEditorWindow* editor) {
    if (editor == m_Editor)
        return;
    for (const QMetaObject::Connection& connection : m_Connections)
        disconnect(connection);
    m_Connections.clear();
    m_Editor = editor;
    m_Picture.reset();
    m_Tiles.reset();
    m_Sprites.reset();
    m_Dragging = false;
    m_ViewPixels = QRect();
    m_Stale = true;
    if (editor) {
        const LevelDocument& document = editor->Document();
        m_Connections << connect(&document, &LevelDocument::cellsChanged, this,
                                 [this](QRect cells) {
                                     if (m_Picture)
                                         m_Picture->CellsChanged(cells);
                                     Schedule();
                                 })
                      << connect(&document, &LevelDocument::levelReplaced, this,
                                 [this] {
                                     m_Stale = true;
                                     Schedule();
                                 })
                      << connect(editor, &LevelEditorWindow::setsChanged, this,
                                 [this] {
                                     m_Stale = true;
                                     Schedule();
                                 })
                      << connect(&editor->CanvasArea(), &LevelCanvas::viewChanged, this,
                                 &OverviewPane::ViewMoved);
        Refresh();
    }
    update();
}

LevelEditorWindow* OverviewPane::Editor() const {
    return m_Editor;
}

void OverviewPane::TakeSets() {
    m_Tiles = m_Editor->SharedTiles();
    m_Sprites = m_Editor->SharedSprites();
    m_Picture = std::make_unique<OverviewPicture>(*m_Tiles, *m_Sprites);
}

void OverviewPane::Schedule() {
    if (!m_Refresh.isActive())
        m_Refresh.start();
}

void OverviewPane::Refresh() {
    m_Refresh.stop();
    if (!m_Editor)
        return;
    const Level& level = m_Editor->Document().level();
    if (m_Stale || !m_Picture || m_Tiles != m_Editor->SharedTiles() ||
        m_Sprites != m_Editor->SharedSprites()) {
        TakeSets();
        m_Picture->Reset(level, size());
        m_Stale = false;
        m_ViewPixels = ViewPixels();
        update();
        return;
    }
    const QRect changed = m_Picture->Update(level);
    if (!changed.isEmpty())
        update(changed.translated(Geometry().PictureAt()));
}

OverviewGeometry OverviewPane::Geometry() const {
    if (!m_Editor || !m_Picture)
        return OverviewGeometry(size(), QSize(), QSize(1, 1));
    const Level& level = m_Editor->Document().level();
    return OverviewGeometry(size(), QSize(level.Width(), level.Height()),
                            m_Picture->PixelsOf(QRect(0, 0, 1, 1)).size());
}

QRect OverviewPane::ViewPixels() const {
    if (!m_Editor || !m_Picture)
        return {};
    const LevelCanvas& canvas = m_Editor->CanvasArea();
    const Level& level = m_Editor->Document().level();
    const QRect cells =
        QRect(canvas.Origin(), canvas.CellsShown()) & QRect(0, 0, level.Width(), level.Height());
    return cells.isEmpty() ? QRect() : Geometry().PixelsOf(cells);
}

void OverviewPane::ViewMoved() {
    const QRect now = ViewPixels();
    if (now == m_ViewPixels)
        return;
    const int m = ViewMargin;
    update(m_ViewPixels.adjusted(-m, -m, m, m));
    update(now.adjusted(-m, -m, m, m));
    m_ViewPixels = now;
}

void OverviewPane::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor::fromRgb(Background));
    if (!m_Editor || !m_Picture) {
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, tr("No level is open."));
        return;
    }
    // Only the pixels asked for: after an edit that is a few cells' worth.
    const QPoint at = Geometry().PictureAt();
    const QRect shown = QRect(at, m_Picture->Picture().size()) & event->rect();
    if (!shown.isEmpty())
        painter.drawImage(shown.topLeft(), m_Picture->Picture(), shown.translated(-at));
    if (m_ViewPixels.isEmpty())
        return;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(ViewShadow), 3));
    painter.drawRect(m_ViewPixels.adjusted(-1, -1, 0, 0));
    painter.setPen(QPen(QColor::fromRgb(ViewLine), 1));
    painter.drawRect(m_ViewPixels.adjusted(-1, -1, 0, 0));
}

void OverviewPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_Stale = true;
    Schedule();
}

void OverviewPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_Editor || !m_Picture ||
        m_Editor->CanvasArea().Locked())
        return QWidget::mousePressEvent(event);
    const LevelCanvas& canvas = m_Editor->CanvasArea();
    m_Grip =
        Geometry().Grip(event->position().toPoint(), QRect(canvas.Origin(), canvas.CellsShown()));
    m_Dragging = true;
    MoveViewTo(event->position().toPoint());
}

void OverviewPane::mouseMoveEvent(QMouseEvent* event) {
    if (m_Dragging && (event->buttons() & Qt::LeftButton))
        MoveViewTo(event->position().toPoint());
}

void OverviewPane::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_Dragging = false;
}

void OverviewPane::MoveViewTo(QPoint pixel) {
    if (!m_Editor)
        return;
    LevelCanvas& canvas = m_Editor->CanvasArea();
    canvas.ScrollTo(Geometry().OriginFor(pixel, m_Grip, canvas.OriginMax()));
}
