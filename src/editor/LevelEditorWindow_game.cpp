// Level, Test in Game and Level, Check Level, and the question before a
// level with errors is saved.

#include "LevelEditorWindow.h"

#include "CanvasGeometry.h"
#include "CanvasView.h"
#include "LevelCanvas.h"

#include "EditorHost.h"
#include "FindingGroup.h"
#include "GameFolderSettings.h"
#include "GameLauncher.h"
#include "GamePathsDialog.h"
#include "LevelCheckModel.h"
#include "LevelChecker.h"
#include "LevelDocument.h"
#include "LevelNumberDialog.h"
#include "PictureBox.h"
#include "Prompts.h"
#include "Settings.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QProgressDialog>
#include <QScrollBar>
#include <QStatusBar>

#include <vector>

namespace {

// At most this many errors are listed in the question before saving.
constexpr int ListedErrors = 5;

void ShowProblem(QWidget* owner, const QString& text) {
    Prompts::Current().Message(owner, text, QString(), Prompts::Buttons::Ok,
                               Prompts::Icon::Exclamation);
}

bool HasGameFileName(const QString& fileName, int number) {
    return !fileName.isEmpty() && number >= 1 && number <= 99;
}

} // namespace

void LevelEditorWindow::CreateGameControls() {
    m_LevelMenu->addSeparator();
    m_TestInGameAction = m_LevelMenu->addAction(tr("&Test in Game"));
    m_TestInGameAction->setShortcut(QKeySequence(Qt::Key_F5));
    m_CheckLevelAction = m_LevelMenu->addAction(tr("&Check Level"));
    connect(m_TestInGameAction, &QAction::triggered, this, [this] { testInGame(); });
    connect(m_CheckLevelAction, &QAction::triggered, this, [this] { checkLevel(); });
}

// ---- Test in Game ----

namespace {

// How long the status bar names the files a test run left out (ms).
constexpr int SkippedMessageTime = 20000;

// Shows the copy's progress for a test run, starts DOSBox once the copy is
// done and reports what goes wrong.
void followGameCopy(GameLauncher* launcher, QWidget* owner) {
    // Not modal: the copy runs in the background and every window stays in
    // use; a short copy shows no dialog at all.
    auto* progress =
        new QProgressDialog(LevelEditorWindow::tr("Copying the game to a temporary folder..."),
                            LevelEditorWindow::tr("Cancel"), 0, GameLauncher::ProgressSteps, owner);
    progress->setObjectName(QStringLiteral("gameCopyProgress"));
    progress->setWindowTitle(LevelEditorWindow::tr("Test in Game"));
    progress->setMinimumDuration(500);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    QObject::connect(launcher, &GameLauncher::Progress, progress,
                     [progress](int step, const QString& text) {
                         progress->setLabelText(text);
                         progress->setValue(step);
                     });
    QObject::connect(progress, &QProgressDialog::canceled, launcher, [launcher, progress] {
        launcher->Cancel();
        launcher->deleteLater();
        progress->deleteLater();
    });
    QObject::connect(launcher, &GameLauncher::Prepared, owner,
                     [launcher, owner, progress](const QString& problem) {
                         progress->deleteLater();
                         const IoResult started =
                             problem.isEmpty() ? launcher->Start() : IoResult::failure(problem);
                         if (!started) {
                             launcher->deleteLater();
                             return ShowProblem(owner, started.error);
                         }
                         auto* window = qobject_cast<QMainWindow*>(owner);
                         if (window && !launcher->SkippedText().isEmpty())
                             window->statusBar()->showMessage(launcher->SkippedText(),
                                                              SkippedMessageTime);
                     });
    QObject::connect(launcher, &GameLauncher::Finished, owner,
                     [launcher, owner](const QString& problem) {
                         launcher->deleteLater();
                         if (!problem.isEmpty())
                             ShowProblem(owner, problem);
                     });
}

} // namespace

void LevelEditorWindow::testInGame() {
    // Everything that can be known without asking comes first.
    const IoResult playable = GameLauncher::CheckPlayable(m_Level);
    if (!playable)
        return ShowProblem(this, playable.error);
    if (GameLauncher::FindDosBox().isEmpty())
        return ShowProblem(this, GameLauncher::DosBoxMissingText());
    const QString folder = GameFolderToTest();
    if (folder.isEmpty())
        return;
    const int number = NumberToTest();
    if (number == 0)
        return;

    // The launcher outlives this window (the game keeps running when the
    // window closes) and removes itself when DOSBox ends.
    QWidget* owner = m_Host.HostWindow() ? m_Host.HostWindow() : this;
    // Every modified open level of the episode's folder goes with it, so
    // that a change to the map and to a level are tried together.
    std::vector<GameTestLevels::Open> open;
    for (const LevelEditorWindow* editor : m_Host.Editors())
        open.push_back({editor->FileName(), editor->IsModified(), &editor->Document().level()});
    auto* launcher = new GameLauncher(owner);
    const IoResult preparing =
        launcher->Prepare(m_Level, number, folder,
                          GameTestLevels::Others(FileName(), m_Level.Episode(), number, open));
    if (!preparing) {
        delete launcher;
        return ShowProblem(this, preparing.error);
    }
    followGameCopy(launcher, owner);
}

QString LevelEditorWindow::GameFolderToTest() {
    const int episode = m_Level.Episode();
    const QString graphics =
        Settings::Read(QStringLiteral("Paths"), QStringLiteral("Keen %1").arg(episode));
    QString folder =
        GameLauncher::GameFolderFor(episode, GameFolderSettings::Read(episode), graphics);
    if (!folder.isEmpty())
        return folder;
    Prompts::Current().Message(
        this,
        tr("Testing a level needs the game of episode %1. Choose its program, "
           "KEEN%1.EXE, in the game's folder; the folder is not changed, the game is "
           "run from a copy.")
            .arg(episode),
        QString(), Prompts::Buttons::Ok, Prompts::Icon::Information);
    folder = GamePathsDialog::chooseGameFolder(episode, graphics, this);
    if (folder.isEmpty())
        return {};
    if (GameLauncher::GameProgram(folder, episode).isEmpty()) {
        ShowProblem(this, tr("The folder \"%1\" does not hold KEEN%2.EXE.")
                              .arg(QDir::toNativeSeparators(folder))
                              .arg(episode));
        return {};
    }
    const IoResult stored = GameFolderSettings::Write(episode, folder);
    if (!stored)
        ShowProblem(this, tr("The game folder is used this time only: it could not be "
                             "stored. %1")
                              .arg(stored.error));
    return folder;
}

int LevelEditorWindow::NumberToTest() {
    if (HasGameFileName(FileName(), m_Level.Number()))
        return m_Level.Number();
    LevelNumberDialog dialog(this);
    dialog.setNumber(m_Level.Number());
    Prompts::Current().RunModal(dialog);
    return dialog.result() == QDialog::Accepted ? dialog.number() : 0;
}

// ---- Check Level ----

void LevelEditorWindow::checkLevel() {
    m_Host.ShowLevelCheck(*this);
}

void LevelEditorWindow::ShowCell(int x, int y) {
    if (x < 0 || y < 0 || x >= m_Level.Width() || y >= m_Level.Height())
        return;
    // The cell comes to the middle of the canvas as far as the scroll
    // ranges allow.
    m_MarkedCell = QPoint(x, y);
    m_Canvas->SetShowInfoValues(m_ShowInfoValues);
    m_LevelCanvas->CenterOn(QPoint(x, y));
}

void LevelEditorWindow::ClearMarkedCell() {
    if (m_MarkedCell.x() < 0)
        return;
    m_MarkedCell = QPoint(-1, -1);
    RedrawEdit();
}

void LevelEditorWindow::DrawMarkedCell(QPainter& painter, const CanvasGeometry& geometry) const {
    if (m_MarkedCell.x() < 0)
        return;
    const QRect cell = geometry.PixelsOf(QRect(m_MarkedCell, QSize(1, 1)));
    // Black around yellow, so that the mark shows on any tile.
    painter.setPen(QPen(Qt::black, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.adjusted(-2, -2, 1, 1));
    painter.setPen(QPen(Qt::yellow, 2));
    painter.drawRect(cell.adjusted(-2, -2, 1, 1));
}

// ---- Saving ----

bool LevelEditorWindow::ConfirmSaveWithErrors() {
    std::vector<Finding> errors;
    for (const Finding& finding : LevelChecker::Check(m_Level, m_Tiles->Count()))
        // The size has a question of its own, asked just before.
        if (finding.severity == Severity::Error && finding.kind != FindingKind::TooLarge)
            errors.push_back(finding);
    // Only what the user has not yet accepted is listed.
    QStringList lines;
    for (const FindingGroup& group : FindingGroup::Group(m_SaveQuestions.Unaccepted(errors)))
        lines << LevelCheckModel::LineText(group);
    if (lines.isEmpty())
        return true;
    QString text = tr("This level has errors; the game may not play it:") + QStringLiteral("\n\n") +
                   lines.mid(0, ListedErrors).join(QLatin1Char('\n'));
    if (lines.size() > ListedErrors)
        text += QLatin1Char('\n') + tr("... and %1 more (Level, Check Level lists them all)")
                                        .arg(lines.size() - ListedErrors);
    text += QStringLiteral("\n\n") + tr("Save it anyway?");
    return m_SaveQuestions.ConfirmErrors(this, errors, text);
}
