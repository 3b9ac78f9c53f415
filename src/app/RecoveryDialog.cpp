#include "RecoveryDialog.h"

#include "GameLimits.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { LevelColumn, TimeColumn, FileColumn };

QStringList RowTexts(const RecoveryEntry& entry) {
    if (!entry.error.isEmpty())
        return {RecoveryDialog::tr("Unreadable copy"), QString(), entry.error};
    const QString level =
        entry.number == GameLimits::MapLevelNumber
            ? RecoveryDialog::tr("Keen %1, world map").arg(entry.episode)
            : RecoveryDialog::tr("Keen %1, level %2").arg(entry.episode).arg(entry.number);
    const QString time = QLocale().toString(entry.written.toLocalTime(), QLocale::ShortFormat);
    const QString file = entry.originalFile.isEmpty()
                             ? RecoveryDialog::tr("Never saved")
                             : QDir::toNativeSeparators(entry.originalFile);
    return {level, time, file};
}

} // namespace

RecoveryDialog::RecoveryDialog(const std::vector<RecoveryEntry>& entries, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("recoveryDialog"));
    setWindowTitle(tr("Recover Unsaved Levels"));
    auto* text = new QLabel(tr("Gridmason ended without saving these levels. Tick the ones to "
                               "restore (they open as unsaved changes of their files) or to "
                               "discard; the others are kept for the next start."),
                            this);
    text->setWordWrap(true);

    m_List = new QTreeWidget(this);
    m_List->setObjectName(QStringLiteral("recoveryList"));
    m_List->setRootIsDecorated(false);
    m_List->setHeaderLabels({tr("Level"), tr("Changed"), tr("File")});
    for (const RecoveryEntry& entry : entries) {
        auto* row = new QTreeWidgetItem(m_List, RowTexts(entry));
        row->setCheckState(LevelColumn, Qt::Checked);
        row->setToolTip(FileColumn, row->text(FileColumn));
    }
    m_List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_List, &QTreeWidget::itemChanged, this, [this] { UpdateButtons(); });

    auto* buttons = new QDialogButtonBox(this);
    m_Restore = buttons->addButton(tr("Restore selected"), QDialogButtonBox::AcceptRole);
    m_Discard = buttons->addButton(tr("Discard"), QDialogButtonBox::DestructiveRole);
    QPushButton* later = buttons->addButton(tr("Keep for later"), QDialogButtonBox::RejectRole);
    m_Restore->setDefault(true);
    connect(m_Restore, &QPushButton::clicked, this, [this] { Choose(Choice::Restore); });
    connect(m_Discard, &QPushButton::clicked, this, [this] { Choose(Choice::Discard); });
    connect(later, &QPushButton::clicked, this, [this] { Choose(Choice::KeepForLater); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(m_List);
    layout->addWidget(buttons);
    resize(720, 320);
}

std::vector<int> RecoveryDialog::Ticked() const {
    std::vector<int> ticked;
    for (int i = 0; i < m_List->topLevelItemCount(); ++i) {
        if (m_List->topLevelItem(i)->checkState(LevelColumn) == Qt::Checked)
            ticked.push_back(i);
    }
    return ticked;
}

void RecoveryDialog::Choose(Choice choice) {
    m_Choice = choice;
    if (choice == Choice::KeepForLater)
        reject();
    else
        accept();
}

void RecoveryDialog::UpdateButtons() {
    const bool any = !Ticked().empty();
    m_Restore->setEnabled(any);
    m_Discard->setEnabled(any);
}
