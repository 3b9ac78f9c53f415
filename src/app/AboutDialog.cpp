#include "AboutDialog.h"

#include "Settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(const QString& documentation, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Gridmason"));
    m_Text = new QLabel(
        Text(Settings::FilePath(), QDir(documentation).filePath(QStringLiteral("copyright"))),
        this);
    m_Text->setObjectName(QStringLiteral("aboutText"));
    m_Text->setTextFormat(Qt::PlainText);
    m_Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Text);
    layout->addWidget(buttons);
    resize(440, sizeHint().height());
}

QString AboutDialog::Text(const QString& settingsFile, const QString& licenceFile) {
    return tr("Gridmason %1\n"
              "A level editor for episodes 1 to 3 of the DOS game Keen.\n\n"
              "Released under the MIT licence: free to use, copy, change and pass on, "
              "without warranty. The full text is in:\n%2\n\n"
              "Settings are kept in:\n%3")
        .arg(QStringLiteral(GRIDMASON_VERSION), QDir::toNativeSeparators(licenceFile),
             QDir::toNativeSeparators(settingsFile));
}
