#include "EditorFrame.h"

#include <QEvent>

bool EditorFrame::eventFilter(QObject* watched, QEvent* event) {
    // The frame watches the main window for its title alone.
    if (watched != widget() && event->type() == QEvent::WindowTitleChange)
        return false;
    return QMdiSubWindow::eventFilter(watched, event);
}
