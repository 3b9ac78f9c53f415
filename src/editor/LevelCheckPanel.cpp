#include "LevelCheckPanel.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace {

// Where an item keeps its finding's cell.
constexpr int CellRole = Qt::UserRole;

} // namespace

LevelCheckPanel::LevelCheckPanel(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Check Level"));
    setModal(false);
    lstFindings = new QListWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstFindings);
    resize(560, 180);
    connect(lstFindings, &QListWidget::itemActivated, this,
            &LevelCheckPanel::lstFindings_Activated);
}

QString LevelCheckPanel::LineText(const LevelChecker::Finding& finding) {
    QString text = LevelChecker::SeverityText(finding.severity);
    if (finding.HasCell())
        text += QStringLiteral(" at %1, %2").arg(finding.x).arg(finding.y);
    return text + QStringLiteral(": ") + finding.message;
}

void LevelCheckPanel::SetFindings(const std::vector<LevelChecker::Finding>& findings) {
    lstFindings->clear();
    if (findings.empty())
        lstFindings->addItem(QStringLiteral("No problems found."));
    for (const LevelChecker::Finding& finding : findings) {
        auto* item = new QListWidgetItem(LineText(finding), lstFindings);
        if (finding.HasCell())
            item->setData(CellRole, QPoint(finding.x, finding.y));
    }
}

void LevelCheckPanel::lstFindings_Activated(QListWidgetItem* item) {
    const QVariant cell = item ? item->data(CellRole) : QVariant();
    if (cell.isValid())
        emit CellChosen(cell.toPoint().x(), cell.toPoint().y());
}
