#pragma once

#include <QList>
#include <QMenu>
#include <QPointer>

#include <functional>

class QAction;
class UserGuideBrowser;

// The Help menu: "User Guide" (F1), the guide in a window of its own;
// "Keyboard Shortcuts" (Ctrl+F1), a table of every command in the menu bar
// with its shortcut; and "About Gridmason".
class HelpMenu : public QMenu {
    Q_OBJECT
public:
    // `menuBar` gives the menu bar's actions as they stand when the table is
    // asked for, so that it lists whichever menus are showing.
    // `documentation` gives the folder of the guide and the licence.
    HelpMenu(std::function<QList<QAction*>()> menuBar, std::function<QString()> documentation,
             QWidget* parent);

private slots:
    void showUserGuide();
    void showShortcuts();
    void showAbout();

private:
    // Named "userGuideAction", "shortcutsAction" and "aboutAction".
    QAction* m_UserGuideAction = nullptr;
    QAction* m_ShortcutsAction = nullptr;
    QAction* m_AboutAction = nullptr;
    std::function<QList<QAction*>()> m_MenuBar;
    std::function<QString()> m_Documentation;
    // One guide window, shown again when asked for again; gone when closed.
    QPointer<UserGuideBrowser> m_Guide;
};
