#pragma once

#include <QList>
#include <QString>

class QAction;

// One command of the menus as the keyboard-shortcut list shows it.
struct ShortcutEntry {
    QString menu;    // "File", or "File > Recent Files" for a submenu
    QString command; // the item's text without its "&" access key marks
    QString keys;    // its shortcuts in the platform's notation, ", " between; may be empty

    bool operator==(const ShortcutEntry& other) const {
        return menu == other.menu && command == other.command && keys == other.keys;
    }
};

// Reads the commands and their shortcuts from the actions themselves, so the
// list always matches the menus.
class ShortcutList {
public:
    // Every command under the menu-bar actions `menuBar` (each a menu's
    // action), submenus included, in menu order. Separators, hidden items and
    // items that stand for a document rather than a command (a recent file,
    // which carries its name as data; an open window, one of an exclusive
    // group) are left out.
    static QList<ShortcutEntry> Collect(const QList<QAction*>& menuBar);

    // `text` without its access key marks: "Save &As..." gives "Save As...",
    // "&&" gives "&".
    static QString PlainText(const QString& text);
};
