#include "ReplaceTileDialog.h"

#include "DialogButtons.h"
#include "ReplacementChoice.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* radio(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

ReplaceTileDialog::ReplaceTileDialog(ReplacementChoice& choice, int episode, QWidget* parent)
    : QDialog(parent), m_Choice(choice) {
    setWindowTitle(tr("Replace Tile"));
    setModal(true);

    auto* what = new QGroupBox(tr("Replace"), this);
    m_Tiles = radio(tr("&Tiles"), "replaceTilesButton", what);
    m_Values = radio(tr("&Info values (sprites)"), "replaceValuesButton", what);
    m_From = new QLineEdit(choice.FromText(), what);
    m_From->setObjectName(QStringLiteral("replaceFromEdit"));
    m_To = new QLineEdit(choice.ToText(), what);
    m_To->setObjectName(QStringLiteral("replaceToEdit"));
    m_From->setToolTip(tr("A number, or 0x and the 16-bit word (0x8003)"));
    m_To->setToolTip(m_From->toolTip());
    auto* planes = new QHBoxLayout;
    planes->addWidget(m_Tiles);
    planes->addWidget(m_Values);
    planes->addStretch();
    auto* fields = new QFormLayout(what);
    fields->addRow(planes);
    fields->addRow(tr("&Find:"), m_From);
    fields->addRow(tr("Replace &with:"), m_To);

    auto* where = new QGroupBox(tr("Where"), this);
    m_InSelection = radio(tr("In the &selection"), "replaceInSelectionButton", where);
    m_InLevel = radio(tr("In the whole &level"), "replaceInLevelButton", where);
    m_InOpenLevels = radio(tr("In every &open level of episode %1").arg(episode),
                           "replaceInOpenLevelsButton", where);
    m_InSelection->setEnabled(choice.Offers(ReplacementChoice::Scope::Selection));
    m_InOpenLevels->setEnabled(choice.Offers(ReplacementChoice::Scope::OpenLevels));
    auto* scopes = new QVBoxLayout(where);
    for (QRadioButton* button : {m_InSelection, m_InLevel, m_InOpenLevels})
        scopes->addWidget(button);

    // The plane and scope buttons of one group exclude each other.
    auto* planeGroup = new QButtonGroup(this);
    planeGroup->addButton(m_Tiles);
    planeGroup->addButton(m_Values);
    auto* scopeGroup = new QButtonGroup(this);
    for (QRadioButton* button : {m_InSelection, m_InLevel, m_InOpenLevels})
        scopeGroup->addButton(button);
    (choice.Plane() == CellChange::TilePlane ? m_Tiles : m_Values)->setChecked(true);
    switch (choice.CurrentScope()) {
    case ReplacementChoice::Scope::Selection:
        m_InSelection->setChecked(true);
        break;
    case ReplacementChoice::Scope::OpenLevels:
        m_InOpenLevels->setChecked(true);
        break;
    default:
        m_InLevel->setChecked(true);
    }

    m_Count = new QLabel(this);
    m_Count->setObjectName(QStringLiteral("replaceCountLabel"));
    m_Count->setWordWrap(true);
    const DialogButtons okCancel = DialogButtons::Make(*this);
    m_Ok = okCancel.ok;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okCancel.ok);
    buttons->addWidget(okCancel.cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addWidget(where);
    layout->addWidget(m_Count);
    layout->addLayout(buttons);

    for (QLineEdit* edit : {m_From, m_To})
        connect(edit, &QLineEdit::textChanged, this, &ReplaceTileDialog::FieldsChanged);
    for (QRadioButton* button : {m_Tiles, m_Values, m_InSelection, m_InLevel, m_InOpenLevels})
        connect(button, &QRadioButton::toggled, this, &ReplaceTileDialog::FieldsChanged);
    FieldsChanged();
    m_From->selectAll();
    m_From->setFocus();
}

void ReplaceTileDialog::FieldsChanged() {
    const ReplacementChoice::Scope scope =
        m_InSelection->isChecked()    ? ReplacementChoice::Scope::Selection
        : m_InOpenLevels->isChecked() ? ReplacementChoice::Scope::OpenLevels
                                      : ReplacementChoice::Scope::Level;
    m_Choice.Choose(m_Tiles->isChecked() ? CellChange::TilePlane : CellChange::InfoPlane,
                    m_From->text(), m_To->text(), scope);
    m_Count->setText(m_Choice.Summary());
    m_Ok->setEnabled(m_Choice.CanApply());
}
