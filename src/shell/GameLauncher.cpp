#include "GameLauncher.h"

#include "FileWriter.h"
#include "FolderBitmapSource.h"
#include "GameLimits.h"
#include "Level.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

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

// Copies one file and checks that all of it arrived: a copy can end early
// on a full disk without saying so.
IoResult copyFile(const QString& from, const QString& to) {
    QFile source(from);
    if (source.copy(to) && QFileInfo(to).size() == QFileInfo(from).size())
        return IoResult::success();
    const QString reason = source.error() != QFileDevice::NoError
                               ? source.errorString()
                               : QStringLiteral("the copy is incomplete (is the disk full?)");
    return IoResult::failure(
        QStringLiteral("Could not copy %1 to %2: %3")
            .arg(QDir::toNativeSeparators(from), QDir::toNativeSeparators(to), reason));
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
    return QStringLiteral("DOSBox was not found. Testing a level in the game needs DOSBox on the "
                          "PATH; on Debian or Ubuntu install it with \"sudo apt-get install "
                          "dosbox\".");
}

IoResult GameLauncher::CheckPlayable(const Level& level) {
    const int episode = level.Episode();
    const int cells = int(level.Width()) * level.Height();
    if (cells > GameLimits::MaxPlayableCells)
        return IoResult::failure(
            QStringLiteral("This level is too large for the game: it has %1x%2 = %3 cells, and the "
                           "game loads at most %4 (124x132 plays). Make it smaller to test it in "
                           "the game.")
                .arg(level.Width())
                .arg(level.Height())
                .arg(cells)
                .arg(GameLimits::MaxPlayableCells));
    if (episode < 1 || episode > 3)
        return IoResult::failure(
            QStringLiteral("The level's episode is %1; the game has episodes 1, 2 and 3.")
                .arg(episode));
    return IoResult::success();
}

IoResult GameLauncher::Prepare(const Level& level, int number, const QString& gameFolder) {
    Discard();
    const IoResult playable = CheckPlayable(level);
    if (!playable)
        return playable;
    const int episode = level.Episode();
    if (number < 1 || number > 99)
        return IoResult::failure(
            QStringLiteral("The level number %1 has no file name in the game (1 to 99).")
                .arg(number));
    const QString program = GameProgram(gameFolder, episode);
    if (program.isEmpty())
        return IoResult::failure(
            QStringLiteral("The folder \"%1\" does not hold KEEN%2.EXE, the program of episode %2. "
                           "Choose the game's folder in File, Set Paths.")
                .arg(QDir::toNativeSeparators(gameFolder))
                .arg(episode));

    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                  QStringLiteral("/gridmason-game-XXXXXX"));
    if (!folder->isValid())
        return IoResult::failure(
            QStringLiteral("Could not make a temporary folder for the game in %1: %2")
                .arg(QDir::toNativeSeparators(QDir::tempPath()), folder->errorString()));
    const QString gameDir = folder->filePath(QLatin1String(GameDirName));
    if (!QDir().mkdir(gameDir))
        return IoResult::failure(
            QStringLiteral("Could not make the folder %1.").arg(QDir::toNativeSeparators(gameDir)));

    // The game's files, except any copy of the level under test: a name
    // differing only in case would be a second file on this system but the
    // same one in DOS.
    const QString levelName = LevelFileName(episode, number);
    const QStringList files = QDir(gameFolder).entryList(QDir::Files);
    for (const QString& file : files) {
        if (file.compare(levelName, Qt::CaseInsensitive) == 0)
            continue;
        const IoResult copied =
            copyFile(QDir(gameFolder).filePath(file), QDir(gameDir).filePath(file));
        if (!copied)
            return copied;
    }
    IoResult written = FileWriter::WriteWhole(QDir(gameDir).filePath(levelName), level.Serialize());
    if (written)
        written = FileWriter::WriteWhole(folder->filePath(QLatin1String(ConfigName)),
                                         DosBoxConfig(program).toUtf8());
    if (!written)
        return written;
    m_Folder = std::move(folder);
    return IoResult::success();
}

IoResult GameLauncher::Start() {
    if (!m_Folder)
        return IoResult::failure(QStringLiteral("There is no prepared game folder to run."));
    const QString dosBox = FindDosBox();
    if (dosBox.isEmpty()) {
        Discard();
        return IoResult::failure(DosBoxMissingText());
    }
    m_Process = std::make_unique<QProcess>();
    m_Process->setWorkingDirectory(m_Folder->path());
    m_Process->setProcessChannelMode(QProcess::MergedChannels);
    m_Process->setProgram(dosBox);
    m_Process->setArguments(
        {QStringLiteral("-conf"), m_Folder->filePath(QLatin1String(ConfigName))});
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
        return IoResult::failure(QStringLiteral("DOSBox (%1) could not be started: %2")
                                     .arg(QDir::toNativeSeparators(dosBox), reason));
    }
    return IoResult::success();
}

bool GameLauncher::IsRunning() const {
    return m_Process && m_Process->state() != QProcess::NotRunning;
}

QString GameLauncher::Folder() const {
    return m_Folder ? m_Folder->path() : QString();
}

void GameLauncher::OnFinished(int exitCode, QProcess::ExitStatus status) {
    m_Output.append(m_Process->readAllStandardOutput());
    QString problem;
    if (status == QProcess::CrashExit)
        problem = QStringLiteral("DOSBox stopped unexpectedly.");
    else if (exitCode != 0)
        problem = QStringLiteral("DOSBox ended with exit code %1.").arg(exitCode);
    const QString output = QString::fromLocal8Bit(m_Output).trimmed();
    if (!problem.isEmpty() && !output.isEmpty())
        problem += QStringLiteral(" Its last words:\n") + output.right(KeptOutput / 4);
    // The process object is still delivering this signal; only the folder
    // goes now.
    m_Folder.reset();
    emit Finished(problem);
}

void GameLauncher::Discard() {
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
}
