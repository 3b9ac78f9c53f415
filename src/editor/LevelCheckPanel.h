#pragma once

#include "LevelChecker.h"

#include <QDialog>
#include <vector>

class QListWidget;
class QListWidgetItem;

// The window that lists Level, Check Level's findings, one line each with
// its cell. Choosing a line (double-click or Return) that has a cell
// reports the cell; the editor window scrolls to it and marks it. It is not
// modal: the level can be edited while it is open.
class LevelCheckPanel : public QDialog {
    Q_OBJECT
public:
    explicit LevelCheckPanel(QWidget* parent = nullptr);

    // Replaces the list; no findings give one line saying so.
    void SetFindings(const std::vector<LevelChecker::Finding>& findings);
    // The line shown for a finding: "error at 12, 5: message".
    static QString LineText(const LevelChecker::Finding& finding);

    QListWidget* lstFindings = nullptr;

    void lstFindings_Activated(QListWidgetItem* item);

signals:
    void CellChosen(int x, int y);
};
