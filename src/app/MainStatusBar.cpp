#include "MainStatusBar.h"

#include "CanvasView.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "PictureBox.h"

#include <QCursor>
#include <QEvent>
#include <QLabel>
#include <QScrollBar>

#include <cmath>

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    lblCell = new QLabel(this);
    lblTile = new QLabel(this);
    lblInfo = new QLabel(this);
    lblTool = new QLabel(this);
    // A long note must not widen the main window: it is cut off instead.
    // Its size hint is ignored, so it takes the room the other parts leave
    // (the stretch); with no stretch it would get none at all.
    lblTool->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblZoom = new QLabel(this);
    for (QLabel* label : {lblCell, lblTile, lblInfo})
        addWidget(label);
    addWidget(lblTool, 1);
    addPermanentWidget(lblZoom);
    lblCell->setObjectName(QStringLiteral("lblCell"));
    lblTile->setObjectName(QStringLiteral("lblTile"));
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblTool->setObjectName(QStringLiteral("lblTool"));
    lblZoom->setObjectName(QStringLiteral("lblZoom"));
    // Keeps the bar's height while every part is blank.
    setMinimumHeight(lblZoom->sizeHint().height() + 4);
}

void MainStatusBar::SetEditor(LevelEditorWindow* editor) {
    if (editor != Editor()) {
        for (const QMetaObject::Connection& connection : m_Connections)
            disconnect(connection);
        m_Connections.clear();
        if (Editor())
            m_Canvas->removeEventFilter(this);
        m_Editor = editor;
        m_Guard = editor;
        m_Canvas = editor ? editor->picEdit : nullptr;
        m_CellX = m_CellY = -1;
        if (editor) {
            // Queued, so that the text shows the cell after the editor has
            // done what the move does to it (painting during a drag).
            m_Connections << connect(editor, &LevelEditorWindow::PointerCellChanged, this,
                                     &MainStatusBar::editor_PointerCellChanged,
                                     Qt::QueuedConnection)
                          << connect(editor, &LevelEditorWindow::ZoomChanged, this,
                                     &MainStatusBar::Refresh)
                          << connect(editor, &LevelEditorWindow::ToolStatusChanged, this,
                                     &MainStatusBar::Refresh)
                          // The cell under the pointer may have changed
                          // (painting, undo, redo, Level, Properties).
                          << connect(&editor->Document(), &LevelDocument::cellsChanged, this,
                                     &MainStatusBar::Refresh, Qt::QueuedConnection)
                          << connect(&editor->Document(), &LevelDocument::levelReplaced, this,
                                     &MainStatusBar::Refresh, Qt::QueuedConnection);
            // Scrolling and zooming with the keys or the wheel bring another
            // cell under a pointer that did not move. Looked at once the
            // editor has set both scroll bars and the zoom.
            m_Connections << connect(editor->scrEditX, &QScrollBar::valueChanged, this,
                                     &MainStatusBar::FollowPointer, Qt::QueuedConnection)
                          << connect(editor->scrEditY, &QScrollBar::valueChanged, this,
                                     &MainStatusBar::FollowPointer, Qt::QueuedConnection)
                          << connect(editor, &LevelEditorWindow::ZoomChanged, this,
                                     &MainStatusBar::FollowPointer, Qt::QueuedConnection);
            editor->picEdit->installEventFilter(this);
        }
    }
    Refresh();
}

void MainStatusBar::editor_PointerCellChanged(int cx, int cy) {
    m_CellX = cx;
    m_CellY = cy;
    Refresh();
}

// A press changes the cell without a move, and the pointer may leave the
// canvas without a move onto another cell.
bool MainStatusBar::eventFilter(QObject* watched, QEvent* event) {
    if (m_Guard && watched == m_Canvas) {
        switch (event->type()) {
        case QEvent::Leave:
            m_CellX = m_CellY = -1;
            QMetaObject::invokeMethod(this, &MainStatusBar::Refresh, Qt::QueuedConnection);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            QMetaObject::invokeMethod(this, &MainStatusBar::Refresh, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return QStatusBar::eventFilter(watched, event);
}

// The cell under the pointer where it is now, when it is over the canvas.
void MainStatusBar::FollowPointer() {
    const LevelEditorWindow* editor = Editor();
    if (!editor)
        return;
    const PictureBox* canvas = editor->picEdit;
    m_CellX = m_CellY = -1;
    if (canvas->underMouse()) {
        const int border = canvas->BorderWidth();
        const QPoint at = canvas->mapFromGlobal(QCursor::pos()) - QPoint(border, border);
        const PaletteGeometry::Cell cell = editor->Canvas().Geometry().CellAt(at.x(), at.y());
        if (cell.Inside(editor->m_Level.Width(), editor->m_Level.Height())) {
            m_CellX = static_cast<int>(cell.x);
            m_CellY = static_cast<int>(cell.y);
        }
    }
    Refresh();
}

void MainStatusBar::Refresh() {
    const LevelEditorWindow* editor = Editor();
    if (!editor) {
        for (QLabel* label : {lblCell, lblTile, lblInfo, lblTool, lblZoom})
            label->clear();
        lblTool->setToolTip(QString());
        return;
    }
    lblTool->setText(editor->ToolStatusText());
    // Cut off when the window is narrow: the whole line on resting there.
    lblTool->setToolTip(lblTool->text());
    lblZoom->setText(tr("Zoom %1").arg(ZoomText(editor->CanvasZoom().Exponent())));
    // The level may have shrunk under the pointer (Level, Properties).
    const Level& level = editor->m_Level;
    if (m_CellX < 0 || m_CellY < 0 || m_CellX >= level.Width() || m_CellY >= level.Height()) {
        for (QLabel* label : {lblCell, lblTile, lblInfo})
            label->clear();
        return;
    }
    lblCell->setText(tr("Column %1, Row %2").arg(m_CellX).arg(m_CellY));
    lblTile->setText(tr("Tile %1").arg(level.Tile(m_CellX, m_CellY)));
    lblInfo->setText(tr("Info %1").arg(level.Info(m_CellX, m_CellY)));
}

QString MainStatusBar::ZoomText(int zoom) {
    return QString::number(100.0 * std::ldexp(1.0, zoom), 'g', 12) + QLatin1Char('%');
}
