#include "HelpMenu.h"

#include "AboutDialog.h"
#include "Prompts.h"
#include "ShortcutsDialog.h"

#include <QAction>
#include <QKeySequence>

HelpMenu::HelpMenu(std::function<QList<QAction*>()> menuBar, QWidget* parent)
    : QMenu(tr("&Help"), parent), m_MenuBar(std::move(menuBar)) {
    m_ShortcutsAction = addAction(tr("&Keyboard Shortcuts"));
    m_ShortcutsAction->setShortcut(QKeySequence(Qt::Key_F1));
    addSeparator();
    m_AboutAction = addAction(tr("&About Gridmason"));
    m_ShortcutsAction->setObjectName(QStringLiteral("shortcutsAction"));
    m_AboutAction->setObjectName(QStringLiteral("aboutAction"));
    connect(m_ShortcutsAction, &QAction::triggered, this, &HelpMenu::showShortcuts);
    connect(m_AboutAction, &QAction::triggered, this, &HelpMenu::showAbout);
}

void HelpMenu::showShortcuts() {
    ShortcutsDialog dialog(ShortcutList::Collect(m_MenuBar()), parentWidget());
    Prompts::Current().RunModal(dialog);
}

void HelpMenu::showAbout() {
    AboutDialog dialog(parentWidget());
    Prompts::Current().RunModal(dialog);
}
