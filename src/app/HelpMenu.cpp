#include "HelpMenu.h"

#include "AboutDialog.h"
#include "Prompts.h"
#include "ShortcutsDialog.h"
#include "UserGuideBrowser.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>

HelpMenu::HelpMenu(std::function<QList<QAction*>()> menuBar, std::function<QString()> documentation,
                   QWidget* parent)
    : QMenu(tr("&Help"), parent), m_MenuBar(std::move(menuBar)),
      m_Documentation(std::move(documentation)) {
    m_UserGuideAction = addAction(tr("&User Guide"));
    m_UserGuideAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_ShortcutsAction = addAction(tr("&Keyboard Shortcuts"));
    m_ShortcutsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    addSeparator();
    m_AboutAction = addAction(tr("&About Gridmason"));
    m_UserGuideAction->setObjectName(QStringLiteral("userGuideAction"));
    m_ShortcutsAction->setObjectName(QStringLiteral("shortcutsAction"));
    m_AboutAction->setObjectName(QStringLiteral("aboutAction"));
    connect(m_UserGuideAction, &QAction::triggered, this, &HelpMenu::showUserGuide);
    connect(m_ShortcutsAction, &QAction::triggered, this, &HelpMenu::showShortcuts);
    connect(m_AboutAction, &QAction::triggered, this, &HelpMenu::showAbout);
}

void HelpMenu::showUserGuide() {
    if (m_Guide == nullptr) {
        m_Guide = new UserGuideBrowser(parentWidget());
        m_Guide->setAttribute(Qt::WA_DeleteOnClose);
    }
    const QString guide = QDir(m_Documentation()).filePath(QStringLiteral("user-guide.md"));
    const IoResult shown = m_Guide->ShowGuide(guide);
    if (!shown.ok) {
        delete m_Guide;
        Prompts::Current().Message(parentWidget(), shown.error, QString(), Prompts::Buttons::Ok,
                                   Prompts::Icon::Exclamation);
        return;
    }
    m_Guide->show();
    m_Guide->raise();
    m_Guide->activateWindow();
}

void HelpMenu::showShortcuts() {
    ShortcutsDialog dialog(ShortcutList::Collect(m_MenuBar()), parentWidget());
    Prompts::Current().RunModal(dialog);
}

void HelpMenu::showAbout() {
    AboutDialog dialog(m_Documentation(), parentWidget());
    Prompts::Current().RunModal(dialog);
}
