#include "ShortcutsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

ShortcutsDialog::ShortcutsDialog(const QList<ShortcutEntry>& entries, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Keyboard Shortcuts"));
    m_Table = new QTableWidget(int(entries.size()), 3, this);
    m_Table->setObjectName(QStringLiteral("shortcutTable"));
    m_Table->setHorizontalHeaderLabels({tr("Menu"), tr("Command"), tr("Shortcut")});
    m_Table->verticalHeader()->hide();
    m_Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < entries.size(); ++row) {
        const ShortcutEntry& entry = entries[row];
        m_Table->setItem(row, 0, new QTableWidgetItem(entry.menu));
        m_Table->setItem(row, 1, new QTableWidgetItem(entry.command));
        m_Table->setItem(row, 2, new QTableWidgetItem(entry.keys));
    }
    m_Table->resizeColumnsToContents();
    m_Table->resizeRowsToContents();
    m_Table->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Table);
    layout->addWidget(buttons);
    resize(460, 480);
}
