#include "MainWindowTitle.h"

#include "LevelEditorWindow.h"

#include <QEvent>
#include <QWidget>

MainWindowTitle::MainWindowTitle(QWidget& window) : QObject(&window), m_Window(window) {
    // A maximized editor frame writes its own title and unsaved mark into
    // the main window's, and clears the mark when restored; the title set
    // here is put back at once.
    m_Window.installEventFilter(this);
    Update();
}

void MainWindowTitle::Follow(LevelEditorWindow* editor) {
    if (editor == m_Editor)
        return;
    if (m_Editor)
        m_Editor->removeEventFilter(this);
    m_Editor = editor;
    // The editor's own caption changes with its file's name (Save As) and
    // its unsaved mark with the level; the main window's follow both.
    if (m_Editor)
        m_Editor->installEventFilter(this);
    Update();
}

QString MainWindowTitle::ForLevel(const QString& levelName) {
    return tr("%1[*] — Gridmason").arg(levelName);
}

QString MainWindowTitle::Idle() {
    return tr("Gridmason v%1").arg(QStringLiteral(GRIDMASON_VERSION));
}

bool MainWindowTitle::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_Editor || watched == &m_Window) &&
        (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange))
        Update();
    return QObject::eventFilter(watched, event);
}

void MainWindowTitle::Update() {
    if (m_Updating)
        return;
    m_Updating = true;
    const QString title = m_Editor ? ForLevel(m_Editor->DocumentName()) : Idle();
    const bool modified = m_Editor && m_Editor->isWindowModified();
    if (m_Window.windowTitle() != title)
        m_Window.setWindowTitle(title);
    if (m_Window.isWindowModified() != modified)
        m_Window.setWindowModified(modified);
    m_Updating = false;
}
