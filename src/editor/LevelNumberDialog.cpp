#include "LevelNumberDialog.h"

#include "DialogButtons.h"

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
    const DialogButtons okCancel = DialogButtons::Make(*this);
    QPushButton* ok = okCancel.ok;
    QPushButton* cancel = okCancel.cancel;
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
