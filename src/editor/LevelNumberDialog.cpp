#include "LevelNumberDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Level file names have two digits.
constexpr int MinNumber = 1;
constexpr int MaxNumber = 99;

} // namespace

LevelNumberDialog::LevelNumberDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Test in Game"));
    setModal(true);
    auto* label = new QLabel(tr("Play this level in the game as level &number\n"
                                "(1 to 16 are reached from the map, 80 is the map):"),
                             this);
    m_Number = new QSpinBox(this);
    m_Number->setObjectName(QStringLiteral("numberBox"));
    m_Number->setRange(MinNumber, MaxNumber);
    label->setBuddy(m_Number);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &LevelNumberDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &LevelNumberDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_Number);
    layout->addLayout(buttons);
}

void LevelNumberDialog::setNumber(int number) {
    m_Number->setValue(number >= MinNumber && number <= MaxNumber ? number : MinNumber);
}

int LevelNumberDialog::number() const {
    return m_Number->value();
}
