#include "RecentFilesMenu.h"

#include "RecentFiles.h"

#include <QAction>
#include <QDir>

RecentFilesMenu::RecentFilesMenu(QWidget* parent) : QMenu(tr("Recent Files"), parent) {
    // Another copy of the program may have changed the list meanwhile.
    connect(this, &QMenu::aboutToShow, this, &RecentFilesMenu::Rebuild);
    Rebuild();
}

void RecentFilesMenu::Rebuild() {
    clear();
    const QStringList files = RecentFiles::List();
    for (int i = 0; i < files.size(); ++i) {
        const QString& file = files[i];
        QAction* item = addAction(ItemText(i, file));
        item->setData(file);
        connect(item, &QAction::triggered, this, [this, file] { emit FileChosen(file); });
    }
    menuAction()->setEnabled(!files.isEmpty());
}

QString RecentFilesMenu::ItemText(int index, const QString& fileName) {
    QString shown = QDir::toNativeSeparators(fileName);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number = QString::number(index + 1);
    // Only the first nine get a one-key mnemonic.
    return (index < 9 ? QLatin1Char('&') + number : number) + QLatin1Char(' ') + shown;
}
