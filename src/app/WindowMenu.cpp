#include "WindowMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

WindowMenu::WindowMenu(QMdiArea* area, QWidget* parent)
    : QMenu(tr("&Window"), parent), m_Area(area) {
    connect(this, &QMenu::aboutToShow, this, &WindowMenu::Rebuild);
    Rebuild();
}

void WindowMenu::Rebuild() {
    clear();
    // The old items' group goes with them.
    delete m_Group;
    m_Group = new QActionGroup(this);
    m_TileAction = addAction(tr("&Tile"));
    m_CascadeAction = addAction(tr("&Cascade"));
    m_TileAction->setObjectName(QStringLiteral("tileWindowsAction"));
    m_CascadeAction->setObjectName(QStringLiteral("cascadeWindowsAction"));
    connect(m_TileAction, &QAction::triggered, m_Area, &QMdiArea::tileSubWindows);
    connect(m_CascadeAction, &QAction::triggered, m_Area, &QMdiArea::cascadeSubWindows);
    addActions(m_Panels);

    const QList<QMdiSubWindow*> windows = m_Area->subWindowList(QMdiArea::CreationOrder);
    m_TileAction->setEnabled(!windows.isEmpty());
    m_CascadeAction->setEnabled(!windows.isEmpty());
    if (windows.isEmpty())
        return;
    addSeparator();
    // The current window stays known while the program has lost the focus,
    // when the area reports no active one.
    QMdiSubWindow* current = m_Area->currentSubWindow();
    for (int i = 0; i < windows.size(); ++i) {
        const QPointer<QMdiSubWindow> window = windows[i];
        const QWidget* content = window->widget();
        QAction* item = addAction(ItemText(i, content ? ShownTitle(*content) : QString()));
        item->setCheckable(true);
        item->setChecked(window == current);
        // One tick at a time; choosing the ticked one leaves it ticked.
        m_Group->addAction(item);
        connect(item, &QAction::triggered, m_Area, [this, window] {
            if (window)
                m_Area->setActiveSubWindow(window);
        });
    }
}

void WindowMenu::AddPanel(QAction* toggle) {
    m_Panels << toggle;
    Rebuild();
}

QString WindowMenu::ShownTitle(const QWidget& window) {
    // "[*]" in a title stands for the unsaved mark, shown only while the
    // window is modified.
    return QString(window.windowTitle())
        .replace(QStringLiteral("[*]"),
                 window.isWindowModified() ? QStringLiteral("*") : QString());
}

QString WindowMenu::ItemText(int index, const QString& title) {
    QString shown = title.isEmpty() ? tr("Untitled") : QDir::toNativeSeparators(title);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number = QString::number(index + 1);
    return (index < 9 ? QLatin1Char('&') + number : number) + QLatin1Char(' ') + shown;
}
