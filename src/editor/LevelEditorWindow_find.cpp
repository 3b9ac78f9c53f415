// Edit, Find Tile or Value, Find Next and Find Previous: the search and its
// list live in the main window, across levels; the window passes them on.
#include "LevelEditorWindow.h"

#include "EditorHost.h"
#include "MenuKeys.h"

#include <QAction>
#include <QMenu>

void LevelEditorWindow::CreateFindControls() {
    // Find before Replace, in the group Replace Tile began.
    m_FindAction = new QAction(tr("&Find Tile or Value..."), this);
    m_FindAction->setShortcuts(MenuKeys(QKeySequence::Find, QKeySequence(Qt::CTRL | Qt::Key_F)));
    m_FindNextAction = new QAction(tr("Find Ne&xt"), this);
    m_FindNextAction->setShortcut(QKeySequence(Qt::Key_F3));
    m_FindPreviousAction = new QAction(tr("Find Pre&vious"), this);
    m_FindPreviousAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    m_EditMenu->insertActions(m_ReplaceTileAction,
                              {m_FindAction, m_FindNextAction, m_FindPreviousAction});
    connect(m_FindAction, &QAction::triggered, this, [this] { m_Host.ShowFind(*this); });
    connect(m_FindNextAction, &QAction::triggered, this, [this] { m_Host.FindNext(*this, true); });
    connect(m_FindPreviousAction, &QAction::triggered, this,
            [this] { m_Host.FindNext(*this, false); });
}
