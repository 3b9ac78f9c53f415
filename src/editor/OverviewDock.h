#pragma once

#include <QDockWidget>

class LevelEditorWindow;
class OverviewPane;

// The main window's Overview: a small picture of the active editor window's
// whole level with its canvas's view (OverviewPane). View, Overview shows
// and hides it.
class OverviewDock : public QDockWidget {
    Q_OBJECT
public:
    explicit OverviewDock(QWidget* parent = nullptr);

    // Shows `editor`'s level (nullptr: none).
    void Follow(LevelEditorWindow* editor);
    OverviewPane& Pane() const { return *m_Pane; }

private:
    OverviewPane* m_Pane = nullptr;
};
