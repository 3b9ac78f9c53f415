// Edit, Find Tile or Value, Find Next and Find Previous: the search and its
// list live in the main window, across levels; the window passes them on.
#include "LevelEditorWindow.h"

#include "EditorHost.h"
#include "MenuKeys.h"

#include <QAction>
#include <QMenu>

void LevelEditorWindow::CreateFindControls() {
    m_EditMenu->addSeparator();
    m_FindAction = m_EditMenu->addAction(tr("&Find Tile or Value..."));
    m_FindAction->setShortcuts(MenuKeys(QKeySequence::Find, QKeySequence(Qt::CTRL | Qt::Key_F)));
    m_FindNextAction = m_EditMenu->addAction(tr("Find Ne&xt"));
    m_FindNextAction->setShortcut(QKeySequence(Qt::Key_F3));
    m_FindPreviousAction = m_EditMenu->addAction(tr("Find Pre&vious"));
    m_FindPreviousAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(m_FindAction, &QAction::triggered, this, [this] { m_Host.ShowFind(*this); });
    connect(m_FindNextAction, &QAction::triggered, this, [this] { m_Host.FindNext(*this, true); });
    connect(m_FindPreviousAction, &QAction::triggered, this,
            [this] { m_Host.FindNext(*this, false); });
}
