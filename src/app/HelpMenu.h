#pragma once

#include <QList>
#include <QMenu>

#include <functional>

class QAction;

// The Help menu: "Keyboard Shortcuts" (F1), a table of every command in the
// menu bar with its shortcut, and "About Gridmason".
class HelpMenu : public QMenu {
    Q_OBJECT
public:
    // `menuBar` gives the menu bar's actions as they stand when the table is
    // asked for, so that it lists whichever menus are showing.
    HelpMenu(std::function<QList<QAction*>()> menuBar, QWidget* parent);

private slots:
    void showShortcuts();
    void showAbout();

private:
    // Named "shortcutsAction" and "aboutAction".
    QAction* m_ShortcutsAction = nullptr;
    QAction* m_AboutAction = nullptr;
    std::function<QList<QAction*>()> m_MenuBar;
};
