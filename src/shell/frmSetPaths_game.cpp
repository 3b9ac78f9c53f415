// The optional "Game folder" rows of the paths dialog: where each episode's
// game is, for Level, Test in Game. They are read from and stored in the
// settings file by the dialog itself.

#include "frmSetPaths.h"

#include "GameFolderSettings.h"
#include "GameLauncher.h"
#include "Prompts.h"
#include "Utils.h"
#include "cCommonDialog.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLayout* frmSetPaths::CreateGameFolderControls() {
    auto* grid = new QGridLayout;
    auto* heading = new QLabel(
        QStringLiteral("Game folders, for Level, Test in Game (optional when the path above is "
                       "the game's own folder):"),
        this);
    grid->addWidget(heading, 0, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        lblGamePath[i] = new QLabel(QStringLiteral("Keen %1 &Game:").arg(i + 1), this);
        txtGamePath[i] = new QLineEdit(GameFolderSettings::Read(i + 1), this);
        lblGamePath[i]->setBuddy(txtGamePath[i]);
        cmdGameBrowse[i] = new QPushButton(QStringLiteral("Browse..."), this);
        cmdGameBrowse[i]->setAutoDefault(false);
        grid->addWidget(lblGamePath[i], i + 1, 0);
        grid->addWidget(txtGamePath[i], i + 1, 1);
        grid->addWidget(cmdGameBrowse[i], i + 1, 2);
        connect(cmdGameBrowse[i], &QPushButton::clicked, this,
                [this, i] { cmdGameBrowse_Click(i); });
    }
    return grid;
}

void frmSetPaths::cmdGameBrowse_Click(int index) {
    if (index < 0 || index > 2)
        return;
    const QString folder = ChooseGameFolder(index + 1, txtGamePath[index]->text(), this);
    if (!folder.isEmpty())
        txtGamePath[index]->setText(folder);
}

QString frmSetPaths::ChooseGameFolder(int episode, const QString& initialDir, QWidget* owner) {
    // The game is found by its program, which every game folder holds.
    cCommonDialog dialog;
    QString fileName;
    QString fileTitle;
    bool readOnly = false;
    QString filter = QStringLiteral("Keen %1 Program|KEEN%1.EXE;keen%1.exe").arg(episode);
    qint32 filterIndex = 1;
    qint32 flags = cCommonDialog::OFN_EXPLORER | cCommonDialog::OFN_LONGNAMES;
    if (!dialog.VBGetOpenFileName(
            fileName, fileTitle, true, false, readOnly, true, filter, filterIndex, initialDir,
            QStringLiteral("Select the Game's Program (KEEN%1.EXE)").arg(episode), QString(), owner,
            flags))
        return {};
    return FolderOfFile(fileName);
}

bool frmSetPaths::CheckAndStoreGameFolders() {
    for (int i = 0; i < 3; ++i) {
        const QString folder = txtGamePath[i]->text();
        if (!folder.isEmpty() && GameLauncher::GameProgram(folder, i + 1).isEmpty()) {
            Prompts::Current().Message(
                this,
                QStringLiteral("The game folder of Keen %1 does not hold KEEN%1.EXE.").arg(i + 1),
                QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
            return false;
        }
    }
    IoResult stored;
    // Only what changed is written: a dialog confirmed unchanged leaves the
    // file alone. The first failure gives the reason.
    for (int i = 0; i < 3; ++i) {
        if (txtGamePath[i]->text() == GameFolderSettings::Read(i + 1))
            continue;
        const IoResult written = GameFolderSettings::Write(i + 1, txtGamePath[i]->text());
        if (stored && !written)
            stored = written;
    }
    if (!stored)
        Prompts::Current().Message(this,
                                   tr("The game folders could not be stored. %1").arg(stored.error),
                                   QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
    return true;
}
