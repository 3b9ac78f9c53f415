#include "HelpMenu.h"

#include "AboutDialog.h"
#include "Prompts.h"
#include "ShortcutsDialog.h"

#include <QAction>
#include <QKeySequence>

HelpMenu::HelpMenu(std::function<QList<QAction*>()> menuBar, QWidget* parent)
    : QMenu(tr("&Help"), parent), m_MenuBar(std::move(menuBar)) {
    mnuHelpShortcuts = addAction(tr("&Keyboard Shortcuts"));
    mnuHelpShortcuts->setShortcut(QKeySequence(Qt::Key_F1));
    addSeparator();
    mnuHelpAbout = addAction(tr("&About Gridmason"));
    connect(mnuHelpShortcuts, &QAction::triggered, this, &HelpMenu::showShortcuts);
    connect(mnuHelpAbout, &QAction::triggered, this, &HelpMenu::showAbout);
}

void HelpMenu::showShortcuts() {
    ShortcutsDialog dialog(ShortcutList::Collect(m_MenuBar()), parentWidget());
    Prompts::Current().RunModal(dialog);
}

void HelpMenu::showAbout() {
    AboutDialog dialog(parentWidget());
    Prompts::Current().RunModal(dialog);
}
