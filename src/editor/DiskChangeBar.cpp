#include "DiskChangeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

DiskChangeBar::DiskChangeBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("diskChangeBar"));
    setFrameShape(QFrame::StyledPanel);
    // The colours of a tool tip: a note beside the work, not a warning box.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);

    m_Text = new QLabel(this);
    m_Text->setObjectName(QStringLiteral("diskChangeText"));
    m_Text->setTextFormat(Qt::PlainText);
    m_Text->setWordWrap(true);
    m_Reload = new QPushButton(tr("&Reload"), this);
    m_Reload->setObjectName(QStringLiteral("diskChangeReload"));
    m_Reload->setToolTip(tr("Show the level as it is now in its file. Unsaved changes are one "
                            "Edit, Undo away."));
    m_Keep = new QPushButton(tr("&Keep mine"), this);
    m_Keep->setObjectName(QStringLiteral("diskChangeKeep"));
    m_Keep->setToolTip(tr("Go on with the level as it is in this window; saving it asks before "
                          "the other program's file is overwritten."));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(m_Text, 1);
    layout->addWidget(m_Reload);
    layout->addWidget(m_Keep);

    connect(m_Reload, &QPushButton::clicked, this, &DiskChangeBar::reloadClicked);
    connect(m_Keep, &QPushButton::clicked, this, [this] {
        hide();
        emit keepClicked();
        emit shownChanged();
    });
    hide();
}

void DiskChangeBar::ShowState(LevelDocument::DiskState state, const QString& levelName) {
    const bool wasHidden = isHidden();
    switch (state) {
    case LevelDocument::DiskState::Same:
        hide();
        break;
    case LevelDocument::DiskState::Changed:
        m_Text->setText(tr("%1 was changed by another program.").arg(levelName));
        m_Reload->show();
        show();
        break;
    case LevelDocument::DiskState::Missing:
        m_Text->setText(tr("%1 was deleted or moved by another program. Saving writes it again.")
                            .arg(levelName));
        m_Reload->hide();
        show();
        break;
    }
    if (isHidden() != wasHidden)
        emit shownChanged();
}
