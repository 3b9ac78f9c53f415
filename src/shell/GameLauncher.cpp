#include "GameLauncher.h"

#include "FileWriter.h"
#include "FolderBitmapSource.h"
#include "GameFileSelection.h"
#include "GameFolderCopier.h"
#include "GameLimits.h"
#include "GameTempFolder.h"
#include "Level.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

#include <csignal>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace {

const char* const GameDirName = "GAME";
const char* const ConfigName = "dosbox.conf";
// The end of DOSBox's output that a failure message quotes.
constexpr int KeptOutput = 2000;

// The name of the file of `folder` called `name` in any letter case, or "".
QString findEntry(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return {};
    return QFileInfo(FolderBitmapSource::FindFile(folder, name)).fileName();
}

// What the background copy needs, taken on the interface thread.
struct CopyJob {
    QString gameFolder;
    QString target; // the temporary folder
    GameFileSelection selection;
    // The level tested first, then the others written with it: game name
    // and bytes.
    QList<QPair<QString, QByteArray>> levels;
    QByteArray config;

    qint64 LevelBytes() const {
        qint64 bytes = 0;
        for (const auto& level : levels)
            bytes += level.second.size();
        return bytes;
    }
};

// The copy's label: the file being copied and what is left out.
QString progressText(const QString& file, const QString& skipped) {
    QString text = GameLauncher::tr("Copying the game to a temporary folder: %1").arg(file);
    if (!skipped.isEmpty())
        text += QLatin1Char('\n') + skipped;
    return text;
}

// Runs on a worker thread: the game's files, then the level and the
// configuration.
void copyGame(QPromise<IoResult>& promise, const CopyJob& job) {
    const QString gameCopy = QDir(job.target).filePath(QLatin1String(GameDirName));
    const qint64 total = job.selection.CopiedBytes();
    const QString skipped = job.selection.SkippedText();
    promise.setProgressRange(0, GameLauncher::ProgressSteps);
    IoResult result = GameFolderCopier::Copy(
        job.gameFolder, gameCopy, job.selection.copied, [&](qint64 done, const QString& file) {
            const int step = total > 0 ? int(done * GameLauncher::ProgressSteps / total) : 0;
            promise.setProgressValueAndText(step, progressText(file, skipped));
            return !promise.isCanceled();
        });
    for (const auto& level : job.levels) {
        if (result)
            result = FileWriter::WriteWhole(QDir(gameCopy).filePath(level.first), level.second);
    }
    if (result)
        result = FileWriter::WriteWhole(QDir(job.target).filePath(QLatin1String(ConfigName)),
                                        job.config);
    promise.addResult(result);
}

// Runs in DOSBox's process before the program starts: DOSBox is told to
// end when this program ends, however it ends. (The signal comes when the
// thread that started DOSBox ends; that is the interface thread.)
void endWithParent(pid_t parent) {
#ifdef Q_OS_LINUX
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    // This program ended before the request was made.
    if (::getppid() != parent)
        ::_exit(1);
#else
    Q_UNUSED(parent);
#endif
}

} // namespace

GameLauncher::GameLauncher(QObject* parent) : QObject(parent) {}

GameLauncher::~GameLauncher() {
    Discard();
}

QString GameLauncher::GameProgram(const QString& folder, int episode) {
    return findEntry(folder, QStringLiteral("KEEN%1.EXE").arg(episode));
}

bool GameLauncher::IsGameFolder(const QString& folder, int episode) {
    if (GameProgram(folder, episode).isEmpty())
        return false;
    for (const char* base : {"EGAHEAD", "EGALATCH", "EGASPRIT"})
        if (findEntry(folder, QStringLiteral("%1.CK%2").arg(QLatin1String(base)).arg(episode))
                .isEmpty())
            return false;
    return true;
}

QString GameLauncher::GameFolderFor(int episode, const QString& gameFolder,
                                    const QString& graphicsFolder) {
    if (!GameProgram(gameFolder, episode).isEmpty())
        return gameFolder;
    if (IsGameFolder(graphicsFolder, episode))
        return graphicsFolder;
    return {};
}

QString GameLauncher::LevelFileName(int episode, int number) {
    return QStringLiteral("LEVEL%1.CK%2").arg(number, 2, 10, QLatin1Char('0')).arg(episode);
}

QString GameLauncher::DosBoxConfig(const QString& program) {
    // The game folder is mounted by its name relative to DOSBox's working
    // folder, so no path of the user's machine needs quoting here.
    return QStringLiteral("# Written by Gridmason to test a level; removed when DOSBox ends.\n"
                          "[sdl]\n"
                          "fullscreen=false\n"
                          "autolock=false\n"
                          "\n"
                          "[cpu]\n"
                          "core=auto\n"
                          "cycles=fixed 10000\n"
                          "\n"
                          "[autoexec]\n"
                          "mount c %1\n"
                          "c:\n"
                          "%2\n"
                          "exit\n")
        .arg(QLatin1String(GameDirName), program);
}

QString GameLauncher::FindDosBox() {
    return QStandardPaths::findExecutable(QStringLiteral("dosbox"));
}

QString GameLauncher::DosBoxMissingText() {
    return tr("DOSBox was not found. Testing a level in the game needs DOSBox on the "
              "PATH; on Debian or Ubuntu install it with \"sudo apt-get install "
              "dosbox\".");
}

IoResult GameLauncher::CheckPlayable(const Level& level) {
    const int episode = level.Episode();
    const int cells = int(level.Width()) * level.Height();
    if (cells > GameLimits::MaxPlayableCells)
        return IoResult::failure(
            tr("This level is too large for the game: it has %1x%2 = %3 cells, and the "
               "game loads at most %4 (124x132 plays). Make it smaller to test it in "
               "the game.")
                .arg(level.Width())
                .arg(level.Height())
                .arg(cells)
                .arg(GameLimits::MaxPlayableCells));
    if (episode < 1 || episode > 3)
        return IoResult::failure(
            tr("The level's episode is %1; the game has episodes 1, 2 and 3.").arg(episode));
    return IoResult::success();
}

IoResult GameLauncher::Prepare(const Level& level, int number, const QString& gameFolder,
                               const std::vector<GameTestLevels::Written>& others) {
    Discard();
    const IoResult playable = CheckPlayable(level);
    if (!playable)
        return playable;
    for (const GameTestLevels::Written& other : others) {
        const IoResult otherPlayable = CheckPlayable(*other.level);
        if (!otherPlayable)
            return IoResult::failure(
                tr("%1, open with changes, is played with this level: %2")
                    .arg(LevelFileName(level.Episode(), other.number), otherPlayable.error));
    }
    const int episode = level.Episode();
    if (number < 1 || number > 99)
        return IoResult::failure(
            tr("The level number %1 has no file name in the game (1 to 99).").arg(number));
    const QString program = GameProgram(gameFolder, episode);
    if (program.isEmpty())
        return IoResult::failure(tr("The folder \"%1\" does not hold KEEN%2.EXE, the program of "
                                    "episode %2. Choose the game's folder in File, Set Paths.")
                                     .arg(QDir::toNativeSeparators(gameFolder))
                                     .arg(episode));

    auto folder = std::make_unique<GameTempFolder>();
    const IoResult made = folder->Create();
    if (!made)
        return made;
    const QString gameDir = folder->FilePath(QLatin1String(GameDirName));
    if (!QDir().mkdir(gameDir))
        return IoResult::failure(
            tr("Could not make the folder %1.").arg(QDir::toNativeSeparators(gameDir)));

    CopyJob job{gameFolder,
                folder->Path(),
                {},
                {{LevelFileName(episode, number), level.Serialize()}},
                DosBoxConfig(program).toUtf8()};
    for (const GameTestLevels::Written& other : others)
        job.levels.append({LevelFileName(episode, other.number), other.level->Serialize()});
    job.selection = GameFileSelection::Select(GameFileSelection::List(gameFolder), episode,
                                              job.levels.front().first);
    // The other levels written are not copied either (DOS sees one file
    // in any letter case).
    job.selection.copied.removeIf([&job](const GameFileSelection::File& file) {
        return std::any_of(job.levels.begin(), job.levels.end(), [&file](const auto& level) {
            return file.name.compare(level.first, Qt::CaseInsensitive) == 0;
        });
    });
    // Named by where it was made, as the folder itself goes with a refusal.
    const IoResult room = GameFolderCopier::CheckRoom(QFileInfo(folder->Path()).path(),
                                                      job.selection.CopiedBytes() +
                                                          job.LevelBytes() + job.config.size());
    if (!room)
        return room;
    m_Skipped = job.selection.SkippedText();
    m_Folder = std::move(folder);
    m_CopyWatcher = std::make_unique<QFutureWatcher<IoResult>>();
    connect(m_CopyWatcher.get(), &QFutureWatcherBase::progressValueChanged, this,
            &GameLauncher::OnCopyProgress);
    connect(m_CopyWatcher.get(), &QFutureWatcherBase::finished, this, &GameLauncher::OnCopied);
    m_Copy = QtConcurrent::run(copyGame, job);
    m_CopyWatcher->setFuture(m_Copy);
    return IoResult::success();
}

void GameLauncher::Cancel() {
    Discard();
}

IoResult GameLauncher::Start() {
    if (!m_Folder || IsPreparing())
        return IoResult::failure(tr("There is no prepared game folder to run."));
    const QString dosBox = FindDosBox();
    if (dosBox.isEmpty()) {
        Discard();
        return IoResult::failure(DosBoxMissingText());
    }
    m_Process = std::make_unique<QProcess>();
    m_Process->setWorkingDirectory(m_Folder->Path());
    m_Process->setProcessChannelMode(QProcess::MergedChannels);
    m_Process->setProgram(dosBox);
    m_Process->setArguments(
        {QStringLiteral("-conf"), m_Folder->FilePath(QLatin1String(ConfigName))});
    const pid_t parent = ::getpid();
    m_Process->setChildProcessModifier([parent] { endWithParent(parent); });
    // Only the end of the output is kept, for a failure message.
    connect(m_Process.get(), &QProcess::readyReadStandardOutput, this, [this] {
        m_Output.append(m_Process->readAllStandardOutput());
        if (m_Output.size() > KeptOutput)
            m_Output.remove(0, m_Output.size() - KeptOutput);
    });
    connect(m_Process.get(), &QProcess::finished, this, &GameLauncher::OnFinished);
    m_Process->start();
    if (!m_Process->waitForStarted()) {
        const QString reason = m_Process->errorString();
        Discard();
        return IoResult::failure(tr("DOSBox (%1) could not be started: %2")
                                     .arg(QDir::toNativeSeparators(dosBox), reason));
    }
    return IoResult::success();
}

bool GameLauncher::IsPreparing() const {
    return m_CopyWatcher != nullptr;
}

bool GameLauncher::IsRunning() const {
    return m_Process && m_Process->state() != QProcess::NotRunning;
}

QString GameLauncher::Folder() const {
    return m_Folder ? m_Folder->Path() : QString();
}

void GameLauncher::OnCopyProgress(int step) {
    emit Progress(step, m_CopyWatcher->progressText());
}

void GameLauncher::OnCopied() {
    const IoResult result = m_Copy.resultCount() > 0
                                ? m_Copy.result()
                                : IoResult::failure(tr("The copy of the game ended early."));
    m_CopyWatcher.reset();
    m_Copy = {};
    if (!result)
        m_Folder.reset();
    emit Prepared(result.error);
}

void GameLauncher::OnFinished(int exitCode, QProcess::ExitStatus status) {
    m_Output.append(m_Process->readAllStandardOutput());
    QString problem;
    if (status == QProcess::CrashExit)
        problem = tr("DOSBox stopped unexpectedly.");
    else if (exitCode != 0)
        problem = tr("DOSBox ended with exit code %1.").arg(exitCode);
    const QString output = QString::fromLocal8Bit(m_Output).trimmed();
    if (!problem.isEmpty() && !output.isEmpty())
        problem += tr(" Its last words:\n") + output.right(KeptOutput / 4);
    // The process object is still delivering this signal; only the folder
    // goes now.
    m_Folder.reset();
    emit Finished(problem);
}

void GameLauncher::Discard() {
    if (m_CopyWatcher) {
        // Stopped on purpose: no Prepared, and the copy has ended (within
        // one piece) before its folder goes.
        m_CopyWatcher->disconnect(this);
        m_Copy.cancel();
        m_Copy.waitForFinished();
        m_CopyWatcher.reset();
        m_Copy = {};
    }
    if (IsRunning()) {
        // Ended on purpose: no Finished, and DOSBox is gone before its
        // folder is.
        m_Process->disconnect(this);
        m_Process->kill();
        m_Process->waitForFinished();
    }
    m_Process.reset();
    m_Folder.reset();
    m_Output.clear();
    m_Skipped.clear();
}
