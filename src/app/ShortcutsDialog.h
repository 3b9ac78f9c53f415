#pragma once

#include "ShortcutList.h"

#include <QDialog>

class QTableWidget;

// Help, Keyboard Shortcuts: a table of every menu command with its
// shortcut, as ShortcutList read them from the menus.
class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ShortcutsDialog(const QList<ShortcutEntry>& entries, QWidget* parent = nullptr);

private:
    // Named "shortcutTable".
    QTableWidget* m_Table = nullptr;
};
