#include "LevelCheckDock.h"

#include "LevelCheckModel.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "TileSet.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QToolButton* filterButton(QWidget* parent, const QString& name, const QIcon& icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setCheckable(true);
    button->setChecked(true);
    button->setIcon(icon);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

LevelCheckDock::LevelCheckDock(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("CheckDock"));
    m_Model = new LevelCheckModel(this);
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon warningIcon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    m_Model->SetIcons(errorIcon, warningIcon);

    auto* contents = new QWidget(this);
    m_ShowErrors = filterButton(contents, QStringLiteral("CheckShowErrors"), errorIcon);
    m_ShowErrors->setToolTip(tr("List the errors: what keeps the game from playing the level"));
    m_ShowWarnings = filterButton(contents, QStringLiteral("CheckShowWarnings"), warningIcon);
    m_ShowWarnings->setToolTip(tr("List the warnings: what may not play as meant"));
    m_Findings = new QTreeView(contents);
    m_Findings->setObjectName(QStringLiteral("CheckFindings"));
    m_Findings->setAccessibleName(tr("Findings"));
    m_Findings->setModel(m_Model);
    m_Findings->setHeaderHidden(true);
    m_Findings->setUniformRowHeights(true);
    m_Findings->setToolTip(tr("Double-click a line or press Return to go to its cell"));

    auto* filters = new QHBoxLayout;
    filters->setContentsMargins(0, 0, 0, 0);
    filters->addWidget(m_ShowErrors);
    filters->addWidget(m_ShowWarnings);
    filters->addStretch();
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(filters);
    layout->addWidget(m_Findings);
    setWidget(contents);

    connect(m_ShowErrors, &QToolButton::toggled, this,
            [this](bool on) { m_Model->SetShown(Severity::Error, on); });
    connect(m_ShowWarnings, &QToolButton::toggled, this,
            [this](bool on) { m_Model->SetShown(Severity::Warning, on); });
    connect(m_Findings, &QTreeView::activated, this, &LevelCheckDock::findings_Activated);
    connect(m_Model, &QAbstractItemModel::modelAboutToBeReset, this, &LevelCheckDock::RememberView);
    connect(m_Model, &LevelCheckModel::Rebuilt, this, &LevelCheckDock::RestoreView);
    connect(m_Model, &LevelCheckModel::Checked, this, &LevelCheckDock::UpdateFilterButtons);
    UpdateFilterButtons();
    UpdateTitle();
}

void LevelCheckDock::Follow(LevelEditorWindow* editor) {
    const LevelDocument* document = editor ? &editor->Document() : nullptr;
    if (editor != m_Editor || document != m_Model->Document()) {
        disconnect(m_FileNameConnection);
        m_Editor = editor;
        m_OpenGroups.clear();
        m_CurrentGroup.clear();
        if (editor)
            m_FileNameConnection = connect(document, &LevelDocument::fileNameChanged, this,
                                           &LevelCheckDock::UpdateTitle);
        // The editor's own sheet counts the tiles, as the canvas draws them.
        QPointer<LevelEditorWindow> guarded(editor);
        m_Model->Follow(
            document, [guarded] { return guarded ? guarded->Tiles().Count() : 0; },
            [guarded] { return guarded ? guarded->TileRules() : LevelCheckModel::TileRules{}; });
    }
    UpdateTitle();
}

void LevelCheckDock::CheckAndShow() {
    show();
    raise();
    m_Model->CheckNow();
    m_Findings->setFocus();
}

void LevelCheckDock::UpdateTitle() {
    setWindowTitle(m_Editor ? tr("Check: %1").arg(m_Editor->DocumentName()) : tr("Check"));
}

void LevelCheckDock::UpdateFilterButtons() {
    m_ShowErrors->setText(tr("Errors (%1)").arg(m_Model->Count(Severity::Error)));
    m_ShowWarnings->setText(tr("Warnings (%1)").arg(m_Model->Count(Severity::Warning)));
}

void LevelCheckDock::findings_Activated(const QModelIndex& index) {
    const QVariant cell = index.data(LevelCheckModel::CellRole);
    if (m_Editor && cell.isValid())
        emit CellChosen(m_Editor, cell.toPoint().x(), cell.toPoint().y());
}

void LevelCheckDock::RememberView() {
    m_OpenGroups.clear();
    for (int row = 0; row < m_Model->rowCount(); ++row) {
        const QModelIndex line = m_Model->index(row, 0);
        if (m_Findings->isExpanded(line))
            m_OpenGroups << line.data(LevelCheckModel::GroupRole).toString();
    }
    const QModelIndex current = m_Findings->currentIndex();
    const bool child = current.parent().isValid();
    m_CurrentGroup =
        (child ? current.parent() : current).data(LevelCheckModel::GroupRole).toString();
    m_CurrentCell = child ? current.data().toString() : QString();
}

void LevelCheckDock::RestoreView() {
    QModelIndex current = m_Model->index(0, 0);
    for (int row = 0; row < m_Model->rowCount(); ++row) {
        const QModelIndex line = m_Model->index(row, 0);
        const QString group = line.data(LevelCheckModel::GroupRole).toString();
        if (m_OpenGroups.contains(group))
            m_Findings->expand(line);
        if (group.isEmpty() || group != m_CurrentGroup)
            continue;
        current = line;
        for (int child = 0; m_Findings->isExpanded(line) && child < m_Model->rowCount(line);
             ++child) {
            const QModelIndex cell = m_Model->index(child, 0, line);
            if (cell.data().toString() == m_CurrentCell)
                current = cell;
        }
    }
    // The keyboard goes on from the line chosen before, or the first.
    m_Findings->setCurrentIndex(current);
}
