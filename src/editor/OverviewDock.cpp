#include "OverviewDock.h"

#include "OverviewPane.h"

#include <QAction>

OverviewDock::OverviewDock(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("overviewDock"));
    setWindowTitle(tr("Overview"));
    m_Pane = new OverviewPane(this);
    setWidget(m_Pane);
    // Set after the title, which the dock otherwise copies into it.
    toggleViewAction()->setText(tr("Over&view"));
    toggleViewAction()->setObjectName(QStringLiteral("overviewAction"));
}

void OverviewDock::Follow(LevelEditorWindow* editor) {
    m_Pane->Follow(editor);
}
