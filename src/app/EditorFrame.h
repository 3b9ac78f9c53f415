#pragma once

#include <QMdiSubWindow>

// The frame of an editor window in the main window's area. Maximized, a
// frame puts its buttons into the main window's menu bar, and Qt then adds
// the frame's title to the main window's ("... - [title]") and does so again
// on every change of the main window's title. The main window's title names
// the active level by itself (MainWindowTitle), so the frame leaves it alone.
class EditorFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    using QMdiSubWindow::QMdiSubWindow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
