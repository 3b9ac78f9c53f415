#pragma once

#include <QMenu>
#include <QString>

// File, "Recent Files": one item per stored recent level, most recent
// first, numbered from "&1". Disabled while the list is empty. The same
// menu is offered in the main window's File menu and in every editor
// window's.
class RecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    explicit RecentFilesMenu(QWidget* parent = nullptr);

    // Rebuilds the items from the stored list.
    void Rebuild();
    // The item's text for the `index`th (0-based) entry: an "&" in the path
    // is doubled so that it shows as itself.
    static QString ItemText(int index, const QString& fileName);

signals:
    void FileChosen(const QString& fileName);
};
