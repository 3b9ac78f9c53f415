#pragma once

#include <QDockWidget>
#include <QMetaObject>
#include <QPointer>
#include <QSet>

class LevelCheckModel;
class QModelIndex;
class QToolButton;
class QTreeView;
class LevelEditorWindow;

// The main window's list of what keeps the level of the active editor
// window from playing as meant (Level, Check Level). It follows the editor
// window it is given, names its level in its title, checks again a moment
// after each change, lists identical findings as one line that opens to
// their cells, hides errors or warnings at the user's choice, and reports a
// line chosen with a double-click or Return so that its editor window goes
// to the cell.
class LevelCheckDock : public QDockWidget {
    Q_OBJECT
public:
    explicit LevelCheckDock(QWidget* parent = nullptr);

    // Lists the findings of `editor`'s level; nullptr for none.
    void Follow(LevelEditorWindow* editor);
    LevelEditorWindow* Editor() const { return m_Editor; }
    // Level, Check Level: shows and raises the dock, checks at once and
    // gives the list the keyboard focus.
    void CheckAndShow();

    LevelCheckModel& Model() const { return *m_Model; }

signals:
    // A line about cell (x, y) of `editor`'s level was chosen.
    void CellChosen(LevelEditorWindow* editor, int x, int y);

private:
    void UpdateTitle();
    void UpdateFilterButtons();
    void findings_Activated(const QModelIndex& index);
    // The groups open and the line chosen are kept across checks.
    void RememberView();
    void RestoreView();

    LevelCheckModel* m_Model = nullptr;
    QTreeView* m_Findings = nullptr;
    QToolButton* m_ShowErrors = nullptr;
    QToolButton* m_ShowWarnings = nullptr;
    QPointer<LevelEditorWindow> m_Editor;
    QMetaObject::Connection m_FileNameConnection;
    QSet<QString> m_OpenGroups;
    // The current line's group, and its text when it is one of the group's
    // cells.
    QString m_CurrentGroup;
    QString m_CurrentCell;
};
