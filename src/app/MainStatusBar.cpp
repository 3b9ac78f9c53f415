#include "MainStatusBar.h"

#include "LevelDocument.h"
#include "LevelEditorWindow.h"

#include <QLabel>

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
        m_Editor = editor;
        m_Guard = editor;
        m_CellX = m_CellY = -1;
        if (editor) {
            // Queued, so that the text shows the cell after the editor has
            // done what the move does to it (painting during a drag).
            m_Connections << connect(editor, &LevelEditorWindow::pointerCellChanged, this,
                                     &MainStatusBar::editor_PointerCellChanged,
                                     Qt::QueuedConnection)
                          << connect(editor, &LevelEditorWindow::zoomChanged, this,
                                     &MainStatusBar::Refresh)
                          << connect(editor, &LevelEditorWindow::ToolStatusChanged, this,
                                     &MainStatusBar::Refresh)
                          // The cell under the pointer may have changed
                          // (painting, undo, redo, Level, Properties).
                          << connect(&editor->Document(), &LevelDocument::cellsChanged, this,
                                     &MainStatusBar::Refresh, Qt::QueuedConnection)
                          << connect(&editor->Document(), &LevelDocument::levelReplaced, this,
                                     &MainStatusBar::Refresh, Qt::QueuedConnection);
        }
    }
    Refresh();
}

void MainStatusBar::editor_PointerCellChanged(QPoint cell) {
    m_CellX = cell.x();
    m_CellY = cell.y();
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
