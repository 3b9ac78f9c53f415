#pragma once

#include "RecoveryStore.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

// Lists the recovery copies left by a program that ended without saving
// them (level, time, the file each belongs to), each with a box ticked at
// first. "Restore selected" and "Discard" act on the ticked ones; "Keep
// for later" (or closing the dialog) leaves every copy for the next start.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    enum class Choice { KeepForLater, Restore, Discard };

    RecoveryDialog(const std::vector<RecoveryEntry>& entries, QWidget* parent = nullptr);

    Choice Chosen() const { return m_Choice; }
    // The indexes (into the entries given) of the ticked rows.
    std::vector<int> Ticked() const;

private:
    void Choose(Choice choice);
    void UpdateButtons();

    QTreeWidget* m_List = nullptr;
    QPushButton* m_Restore = nullptr;
    QPushButton* m_Discard = nullptr;
    Choice m_Choice = Choice::KeepForLater;
};
