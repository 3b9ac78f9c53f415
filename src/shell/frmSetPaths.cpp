#include "frmSetPaths.h"

#include "GameGraphics.h"
#include "GraphicsFolder.h"
#include "PathText.h"
#include "Prompts.h"
#include "cCommonDialog.h"

#include <QDirIterator>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

frmSetPaths::frmSetPaths(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Set Paths"));
    setModal(true);
    CreateControls();
    Cancelled = true;
}

void frmSetPaths::CreateControls() {
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        Label1[i] = new QLabel(QStringLiteral("Keen &%1 Path:").arg(i + 1), this);
        txtPath[i] = new QLineEdit(this);
        txtPath[i]->setMinimumWidth(300);
        Label1[i]->setBuddy(txtPath[i]);
        cmdBrowse[i] = new QPushButton(QStringLiteral("Browse..."), this);
        cmdBrowse[i]->setAutoDefault(false);
        // Under each folder: what kind of graphics it holds, so that the
        // user sees whether the game's own files were recognised.
        lblKind[i] = new QLabel(this);
        lblKind[i]->setEnabled(false);
        grid->addWidget(Label1[i], 2 * i, 0);
        grid->addWidget(txtPath[i], 2 * i, 1);
        grid->addWidget(cmdBrowse[i], 2 * i, 2);
        grid->addWidget(lblKind[i], 2 * i + 1, 1);
        connect(cmdBrowse[i], &QPushButton::clicked, this, [this, i] { cmdBrowse_Click(i); });
        connect(txtPath[i], &QLineEdit::textChanged, this, [this, i] { UpdateKind(i); });
    }

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmSetPaths::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSetPaths::cmdCancel_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(CreateGameFolderControls());
    layout->addLayout(buttons);
}

QString frmSetPaths::FolderOfFile(const QString& path) {
    // A file directly in the root of the file system gives the root itself,
    // so that the box is never left empty for a real folder.
    return PathText::Folder(path);
}

QString frmSetPaths::KindText(const QString& folder, int episode) {
    if (folder.isEmpty())
        return QString();
    const GraphicsFolder::Kind kind = GraphicsFolder::Classify(folder, episode);
    if (kind == GraphicsFolder::Kind::GameFiles)
        return QStringLiteral("The game's own graphics files (read directly)");
    if (kind == GraphicsFolder::Kind::ExportedBitmaps)
        return QStringLiteral("Exported bitmaps");
    if (HoldsBitmap(folder))
        return QStringLiteral("Bitmaps, but not this episode's tile sheet");
    return QStringLiteral("No graphics found here");
}

void frmSetPaths::UpdateKind(int index) {
    lblKind[index]->setText(KindText(txtPath[index]->text(), index + 1));
}

bool frmSetPaths::IsValidRow(int index) const {
    const QString folder = txtPath[index]->text();
    return HoldsBitmap(folder) || GameGraphics::FolderHasGameGraphics(folder, index + 1);
}

bool frmSetPaths::HoldsBitmap(const QString& folder) {
    if (folder.isEmpty())
        return false;
    const QString dir = PathText::Slashed(folder);
    // Hidden and system files are left out by the filter; the name filter
    // matches in any letter case.
    QDirIterator it(dir, {QStringLiteral("*.bmp")}, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void frmSetPaths::cmdBrowse_Click(int index) {
    if (index < 0 || index > 2)
        return;
    cCommonDialog dialog;
    QString fileName;
    QString fileTitle;
    bool readOnly = false;
    // Either kind of graphics picks its folder: any exported bitmap, or
    // one of the game's own graphics files.
    QString filter = QStringLiteral(
        "Keen Graphics|*.bmp;EGAHEAD.CK?;EGALATCH.CK?;EGASPRIT.CK?|Keen Bitmaps|*.bmp|"
        "Game Graphics Files|EGAHEAD.CK?;EGALATCH.CK?;EGASPRIT.CK?|All Files|*");
    qint32 filterIndex = 1;
    qint32 flags = cCommonDialog::OFN_EXPLORER | cCommonDialog::OFN_LONGNAMES;
    // Always starts in the first row's folder, whichever row asks.
    if (!dialog.VBGetOpenFileName(fileName, fileTitle, false, false, readOnly, true, filter,
                                  filterIndex, txtPath[0]->text(), QStringLiteral("Select Path"),
                                  QString(), this, flags))
        return;
    txtPath[index]->setText(FolderOfFile(fileName));
}

void frmSetPaths::cmdOK_Click() {
    for (int i = 0; i < 3; ++i) {
        if (!IsValidRow(i)) {
            Prompts::Current().Message(this, QStringLiteral("All paths must be valid!"), QString(),
                                       Prompts::Buttons::Ok, Prompts::Icon::None);
            return;
        }
    }
    if (!CheckAndStoreGameFolders())
        return;
    Cancelled = false;
    accept();
}

void frmSetPaths::cmdCancel_Click() {
    Cancelled = true;
    reject();
}
