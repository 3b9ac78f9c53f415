#pragma once

#include "CellFinder.h"

#include <QDockWidget>

class FindResults;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;

// Edit, Find Tile or Value's dock in the main window: what to look for (a
// tile number or an info value, in the level or in every level of its
// folder), the Find button, what was found, and the list of cells. A line
// chosen with a double-click or Return is reported so that the main window
// goes to its cell. A dock rather than a dialog: the list stays beside the
// levels while the user goes from cell to cell and edits them.
class FindDock : public QDockWidget {
    Q_OBJECT
public:
    explicit FindDock(QWidget* parent = nullptr);

    FindResults& Results() const { return *m_Results; }
    // Shows and raises the dock with `plane` and `value` filled in, the
    // value's box with the keyboard focus.
    void Prepare(CellFinder::Plane plane, qint16 value);
    // The text under the fields: what the last search found, or why it
    // could not be made.
    void ShowOutcome(const QString& text);
    // Makes `row` the list's current line.
    void ShowRow(int row);

signals:
    // Find was pressed with a valid value: search `plane` for `value`, in
    // every level of the active level's folder or in that level alone.
    void searchRequested(CellFinder::Plane plane, qint16 value, bool wholeFolder);
    // Line `row` of the results was chosen.
    void rowChosen(int row);

private:
    void Find();
    void LineActivated(const QModelIndex& index);

    FindResults* m_Results = nullptr;
    QComboBox* m_Plane = nullptr;
    QLineEdit* m_Value = nullptr;
    QComboBox* m_Scope = nullptr;
    QPushButton* m_FindButton = nullptr;
    QLabel* m_Outcome = nullptr;
    QListView* m_List = nullptr;
};
