#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class LevelEditorWindow;

// Keeps the main window's title naming the level of the editor window it
// follows, with the unsaved mark while that level is modified
// ("LEVEL05.CK1* — Gridmason"), so that the task bar and the window
// switcher say which level is open. With no editor it is the program's
// name and version.
class MainWindowTitle : public QObject {
    Q_OBJECT
public:
    explicit MainWindowTitle(QWidget& window);

    // The editor whose level the title names from now on; nullptr for none.
    void Follow(LevelEditorWindow* editor);

    // The title naming a level, "[*]" standing for the unsaved mark.
    static QString ForLevel(const QString& levelName);
    // The title with no level.
    static QString Idle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();

    QWidget& m_Window;
    QPointer<LevelEditorWindow> m_Editor;
    bool m_Updating = false;
};
