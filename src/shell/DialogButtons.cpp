#include "DialogButtons.h"

#include <QDialog>
#include <QPushButton>

DialogButtons DialogButtons::Make(QDialog& dialog) {
    DialogButtons buttons;
    buttons.ok = new QPushButton(QDialog::tr("OK"), &dialog);
    buttons.ok->setObjectName(QStringLiteral("okButton"));
    buttons.ok->setDefault(true);
    buttons.cancel = new QPushButton(QDialog::tr("Cancel"), &dialog);
    buttons.cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons.cancel->setAutoDefault(false);
    QObject::connect(buttons.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return buttons;
}
