#include "MainStatusBar.h"

#include "LevelDocument.h"
#include "LevelEditorWindow.h"

#include <QLabel>

#include <cmath>

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
    m_Cell = new QLabel(this);
    m_Tile = new QLabel(this);
    m_Info = new QLabel(this);
    m_Tool = new QLabel(this);
    // A long note must not widen the main window: it is cut off instead.
    // Its size hint is ignored, so it takes the room the other parts leave
    // (the stretch); with no stretch it would get none at all.
    m_Tool->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_Zoom = new QLabel(this);
    for (QLabel* label : {m_Cell, m_Tile, m_Info})
        addWidget(label);
    addWidget(m_Tool, 1);
    addPermanentWidget(m_Zoom);
    m_Cell->setObjectName(QStringLiteral("cellLabel"));
    m_Tile->setObjectName(QStringLiteral("tileLabel"));
    m_Info->setObjectName(QStringLiteral("infoLabel"));
    m_Tool->setObjectName(QStringLiteral("toolLabel"));
    m_Zoom->setObjectName(QStringLiteral("zoomLabel"));
    // Keeps the bar's height while every part is blank.
    setMinimumHeight(m_Zoom->sizeHint().height() + 4);
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
                                     &MainStatusBar::showPointerCell, Qt::QueuedConnection)
                          << connect(editor, &LevelEditorWindow::zoomChanged, this,
                                     &MainStatusBar::Refresh)
                          << connect(editor, &LevelEditorWindow::toolStatusChanged, this,
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

void MainStatusBar::showPointerCell(QPoint cell) {
    m_CellX = cell.x();
    m_CellY = cell.y();
    Refresh();
}

void MainStatusBar::Refresh() {
    const LevelEditorWindow* editor = Editor();
    if (!editor) {
        for (QLabel* label : {m_Cell, m_Tile, m_Info, m_Tool, m_Zoom})
            label->clear();
        m_Tool->setToolTip(QString());
        return;
    }
    m_Tool->setText(editor->ToolStatusText());
    // Cut off when the window is narrow: the whole line on resting there.
    m_Tool->setToolTip(m_Tool->text());
    m_Zoom->setText(tr("Zoom %1").arg(ZoomText(editor->CanvasZoom().Exponent())));
    // The level may have shrunk under the pointer (Level, Properties).
    const Level& level = editor->Document().level();
    if (m_CellX < 0 || m_CellY < 0 || m_CellX >= level.Width() || m_CellY >= level.Height()) {
        for (QLabel* label : {m_Cell, m_Tile, m_Info})
            label->clear();
        return;
    }
    m_Cell->setText(tr("Column %1, Row %2").arg(m_CellX).arg(m_CellY));
    m_Tile->setText(editor->TileText(level.Tile(m_CellX, m_CellY)));
    m_Info->setText(tr("Info %1").arg(level.Info(m_CellX, m_CellY)));
}

QString MainStatusBar::ZoomText(int zoom) {
    return QString::number(100.0 * std::ldexp(1.0, zoom), 'g', 12) + QLatin1Char('%');
}
