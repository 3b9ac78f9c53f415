#include "AboutDialog.h"

#include "Settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Gridmason"));
    lblText = new QLabel(Text(Settings::FilePath()), this);
    lblText->setTextFormat(Qt::PlainText);
    lblText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblText->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblText);
    layout->addWidget(buttons);
    resize(440, sizeHint().height());
}

QString AboutDialog::Text(const QString& settingsFile) {
    return tr("Gridmason %1\n"
              "A level editor for episodes 1 to 3 of the DOS game Keen.\n\n"
              "Released under the MIT licence: free to use, copy, change and pass on, "
              "without warranty. The full text is in the LICENSE file that comes with it.\n\n"
              "Settings are kept in:\n%2")
        .arg(QStringLiteral(GRIDMASON_VERSION), QDir::toNativeSeparators(settingsFile));
}
