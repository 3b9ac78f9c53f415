#include "LevelNumberDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

LevelNumberDialog::LevelNumberDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Test in Game"));
    setModal(true);
    lblNumber = new QLabel(QStringLiteral("Play this level in the game as level &number\n"
                                          "(1 to 16 are reached from the map, 80 is the map):"),
                           this);
    spnNumber = new QSpinBox(this);
    // Level file names have two digits.
    spnNumber->setRange(1, 99);
    lblNumber->setBuddy(spnNumber);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        Cancelled = false;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        Cancelled = true;
        reject();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNumber);
    layout->addWidget(spnNumber);
    layout->addLayout(buttons);
}
