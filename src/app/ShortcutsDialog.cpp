#include "ShortcutsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

ShortcutsDialog::ShortcutsDialog(const QList<ShortcutEntry>& entries, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Keyboard Shortcuts"));
    tblShortcuts = new QTableWidget(int(entries.size()), 3, this);
    tblShortcuts->setHorizontalHeaderLabels({tr("Menu"), tr("Command"), tr("Shortcut")});
    tblShortcuts->verticalHeader()->hide();
    tblShortcuts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblShortcuts->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < entries.size(); ++row) {
        const ShortcutEntry& entry = entries[row];
        tblShortcuts->setItem(row, 0, new QTableWidgetItem(entry.menu));
        tblShortcuts->setItem(row, 1, new QTableWidgetItem(entry.command));
        tblShortcuts->setItem(row, 2, new QTableWidgetItem(entry.keys));
    }
    tblShortcuts->resizeColumnsToContents();
    tblShortcuts->resizeRowsToContents();
    tblShortcuts->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tblShortcuts);
    layout->addWidget(buttons);
    resize(460, 480);
}
