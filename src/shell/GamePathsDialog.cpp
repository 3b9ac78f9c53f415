#include "GamePathsDialog.h"

#include "DialogButtons.h"
#include "FileDialogs.h"
#include "GameFolderSettings.h"
#include "GameGraphics.h"
#include "GameLauncher.h"
#include "GraphicsFolder.h"
#include "PathText.h"
#include "Prompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The row of `episode`, or -1.
int rowOf(int episode) {
    return episode >= 1 && episode <= 3 ? episode - 1 : -1;
}

QString numbered(const char* name, int row) {
    return QLatin1String(name) + QString::number(row + 1);
}

} // namespace

GamePathsDialog::GamePathsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Set Paths"));
    setModal(true);
    createControls();
}

void GamePathsDialog::createControls() {
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(tr("Keen &%1 Path:").arg(i + 1), this);
        QLineEdit* folder = m_GraphicsFolders[size_t(i)] = new QLineEdit(this);
        folder->setObjectName(numbered("graphicsFolderEdit", i));
        folder->setMinimumWidth(300);
        label->setBuddy(folder);
        auto* browse = new QPushButton(tr("Browse..."), this);
        browse->setObjectName(numbered("graphicsBrowseButton", i));
        browse->setAutoDefault(false);
        // Under each folder: what kind of graphics it holds, so that the
        // user sees whether the game's own files were recognised.
        QLabel* kind = m_GraphicsKinds[size_t(i)] = new QLabel(this);
        kind->setObjectName(numbered("graphicsKindLabel", i));
        kind->setEnabled(false);
        grid->addWidget(label, 2 * i, 0);
        grid->addWidget(folder, 2 * i, 1);
        grid->addWidget(browse, 2 * i, 2);
        grid->addWidget(kind, 2 * i + 1, 1);
        connect(browse, &QPushButton::clicked, this, [this, i] { browseGraphics(i); });
        connect(folder, &QLineEdit::textChanged, this, [this, i] { showGraphicsKind(i); });
    }

    const DialogButtons okCancel = DialogButtons::Make(*this);
    QPushButton* ok = okCancel.ok;
    QPushButton* cancel = okCancel.cancel;

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(createGameFolderControls());
    layout->addLayout(buttons);
}

QLayout* GamePathsDialog::createGameFolderControls() {
    auto* grid = new QGridLayout;
    auto* heading = new QLabel(tr("Game folders, for Level, Test in Game (optional when the path "
                                  "above is the game's own folder):"),
                               this);
    grid->addWidget(heading, 0, 0, 1, 3);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(tr("Keen %1 &Game:").arg(i + 1), this);
        QLineEdit* folder = m_GameFolders[size_t(i)] =
            new QLineEdit(GameFolderSettings::Read(i + 1), this);
        folder->setObjectName(numbered("gameFolderEdit", i));
        label->setBuddy(folder);
        auto* browse = new QPushButton(tr("Browse..."), this);
        browse->setObjectName(numbered("gameBrowseButton", i));
        browse->setAutoDefault(false);
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(folder, i + 1, 1);
        grid->addWidget(browse, i + 1, 2);
        connect(browse, &QPushButton::clicked, this, [this, i] { browseGame(i); });
    }
    return grid;
}

void GamePathsDialog::setGraphicsFolder(int episode, const QString& folder) {
    const int row = rowOf(episode);
    if (row >= 0)
        m_GraphicsFolders[size_t(row)]->setText(folder);
}

QString GamePathsDialog::graphicsFolder(int episode) const {
    const int row = rowOf(episode);
    return row >= 0 ? m_GraphicsFolders[size_t(row)]->text() : QString();
}

QString GamePathsDialog::graphicsKindText(const QString& folder, int episode) {
    if (folder.isEmpty())
        return QString();
    const GraphicsFolder::Kind kind = GraphicsFolder::Classify(folder, episode);
    if (kind == GraphicsFolder::Kind::GameFiles)
        return tr("The game's own graphics files (read directly)");
    if (kind == GraphicsFolder::Kind::ExportedBitmaps)
        return tr("Exported bitmaps");
    if (GraphicsFolder::HoldsBitmap(folder))
        return tr("Bitmaps, but not this episode's tile sheet");
    return tr("No graphics found here");
}

void GamePathsDialog::showGraphicsKind(int row) {
    m_GraphicsKinds[size_t(row)]->setText(
        graphicsKindText(m_GraphicsFolders[size_t(row)]->text(), row + 1));
}

bool GamePathsDialog::graphicsRowIsValid(int row) const {
    const QString folder = m_GraphicsFolders[size_t(row)]->text();
    return GraphicsFolder::HoldsBitmap(folder) ||
           GameGraphics::FolderHasGameGraphics(folder, row + 1);
}

void GamePathsDialog::browseGraphics(int row) {
    // Either kind of graphics picks its folder: any exported bitmap, or
    // one of the game's own graphics files. The dialog always starts in the
    // first row's folder, whichever row asks.
    const QString gameFiles = QStringLiteral("EGAHEAD.CK?;EGALATCH.CK?;EGASPRIT.CK?");
    const QString filter =
        QStringList{tr("Keen Graphics"),       QStringLiteral("*.bmp;") + gameFiles,
                    tr("Keen Bitmaps"),        QStringLiteral("*.bmp"),
                    tr("Game Graphics Files"), gameFiles,
                    tr("All Files"),           QStringLiteral("*")}
            .join(QLatin1Char('|'));
    const QString chosen = FileDialogs::ChooseFileToOpen(
        this, tr("Select Path"), m_GraphicsFolders[0]->text(), filter, false);
    if (!chosen.isEmpty())
        m_GraphicsFolders[size_t(row)]->setText(PathText::Folder(chosen));
}

void GamePathsDialog::browseGame(int row) {
    const QString folder = chooseGameFolder(row + 1, m_GameFolders[size_t(row)]->text(), this);
    if (!folder.isEmpty())
        m_GameFolders[size_t(row)]->setText(folder);
}

QString GamePathsDialog::chooseGameFolder(int episode, const QString& initialDir, QWidget* owner) {
    // The game is found by its program, which every game folder holds.
    const QString chosen = FileDialogs::ChooseFileToOpen(
        owner, tr("Select the Game's Program (KEEN%1.EXE)").arg(episode), initialDir,
        tr("Keen %1 Program").arg(episode) + QStringLiteral("|KEEN%1.EXE;keen%1.exe").arg(episode),
        true);
    return chosen.isEmpty() ? QString() : PathText::Folder(chosen);
}

void GamePathsDialog::accept() {
    for (int i = 0; i < 3; ++i) {
        if (!graphicsRowIsValid(i)) {
            Prompts::Current().Message(this, tr("All paths must be valid!"), QString(),
                                       Prompts::Buttons::Ok, Prompts::Icon::None);
            return;
        }
    }
    if (!gameFoldersAreValid())
        return;
    storeGameFolders();
    QDialog::accept();
}

bool GamePathsDialog::gameFoldersAreValid() {
    for (int i = 0; i < 3; ++i) {
        const QString folder = m_GameFolders[size_t(i)]->text();
        if (!folder.isEmpty() && GameLauncher::GameProgram(folder, i + 1).isEmpty()) {
            Prompts::Current().Message(
                this, tr("The game folder of Keen %1 does not hold KEEN%1.EXE.").arg(i + 1),
                QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
            return false;
        }
    }
    return true;
}

void GamePathsDialog::storeGameFolders() {
    IoResult stored;
    // Only what changed is written: a dialog confirmed unchanged leaves the
    // file alone. The first failure gives the reason.
    for (int i = 0; i < 3; ++i) {
        const QString folder = m_GameFolders[size_t(i)]->text();
        if (folder == GameFolderSettings::Read(i + 1))
            continue;
        const IoResult written = GameFolderSettings::Write(i + 1, folder);
        if (stored && !written)
            stored = written;
    }
    if (!stored)
        Prompts::Current().Message(this,
                                   tr("The game folders could not be stored. %1").arg(stored.error),
                                   QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
}
