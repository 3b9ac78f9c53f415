#pragma once

#include "GameTestLevels.h"
#include "IoResult.h"

#include <QFuture>
#include <QObject>
#include <QProcess>
#include <QString>
#include <memory>

class GameTempFolder;
class Level;
template <typename T> class QFutureWatcher;

// Runs a level in the game under DOSBox without touching the user's game
// folder: Prepare makes a fresh temporary folder (GameTempFolder) and
// copies what the game reads into it in the background (GameFileSelection,
// GameFolderCopier), with the level under the game's own name for it and a
// DOSBox configuration; Start runs DOSBox on it as a child process, which
// ends with this program even when it is killed. The folder is removed
// when DOSBox ends (or when the launcher is destroyed, which also ends
// DOSBox); one left by a killed program goes at the next start.
//
// Layout of the temporary folder: GAME/ (the copy, mounted as drive C:),
// dosbox.conf and the folder's lock beside it; DOSBox runs in the
// temporary folder.
class GameLauncher : public QObject {
    Q_OBJECT
public:
    // Progress runs from 0 to this.
    static constexpr int ProgressSteps = 1000;

    explicit GameLauncher(QObject* parent = nullptr);
    ~GameLauncher() override;

    // The episode's program ("KEEN1.EXE") as it is named in `folder` (any
    // letter case), or "" when the folder does not hold it.
    static QString GameProgram(const QString& folder, int episode);
    // True when `folder` holds the episode's program and its graphics files
    // (EGAHEAD, EGALATCH, EGASPRIT).
    static bool IsGameFolder(const QString& folder, int episode);
    // The folder to run the episode from: the game folder the user set when
    // it holds the program, otherwise the graphics folder when it is a whole
    // game folder, otherwise "".
    static QString GameFolderFor(int episode, const QString& gameFolder,
                                 const QString& graphicsFolder);
    // The game's name for level `number` of `episode`: "LEVEL05.CK1".
    static QString LevelFileName(int episode, int number);
    // The DOSBox configuration that mounts GAME as C:, runs `program` and
    // leaves DOSBox when the game ends.
    static QString DosBoxConfig(const QString& program);
    // DOSBox on the PATH, or "" when it is not installed.
    static QString FindDosBox();
    // The message for a DOSBox that is not installed.
    static QString DosBoxMissingText();

    // Success when the game can play `level`; otherwise why not (too large
    // for the game, no such episode).
    static IoResult CheckPlayable(const Level& level);

    // Makes the temporary folder for `level` played as level `number`
    // (1..99) from the game in `gameFolder` and starts copying the game
    // into it; Progress follows, then Prepared. A level too large for the
    // game, a folder without the episode's program or a disk without room
    // for the copy is refused at once; on any failure nothing is left
    // behind and the result or Prepared says why. `others` are written
    // beside it under their game names (GameTestLevels), each refused as
    // the level itself is when the game cannot play it.
    IoResult Prepare(const Level& level, int number, const QString& gameFolder,
                     const std::vector<GameTestLevels::Written>& others = {});
    // Stops a copy under way and removes the folder; no Prepared follows.
    void Cancel();
    // Starts DOSBox on the prepared folder; a failure removes the folder.
    IoResult Start();

    bool IsPreparing() const;
    bool IsRunning() const;
    // The temporary folder while preparing, prepared or running, else "".
    QString Folder() const;
    // What Prepare left out of the copy, for the user; "" when nothing.
    QString SkippedText() const { return m_Skipped; }

signals:
    // The copy has come `step` of ProgressSteps far; `text` says what it
    // copies and what it leaves out.
    void Progress(int step, const QString& text);
    // The copy is done and Start may follow; or, when `problem` is not
    // empty, it failed and the folder is gone.
    void Prepared(const QString& problem);
    // DOSBox has ended and the folder is gone; `problem` is empty when
    // DOSBox ended normally, otherwise it says what went wrong.
    void Finished(const QString& problem);

private:
    void OnCopyProgress(int step);
    void OnCopied();
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void Discard();

    // Declared before the copy and the process so that both end before the
    // folder is removed.
    std::unique_ptr<GameTempFolder> m_Folder;
    QFuture<IoResult> m_Copy;
    std::unique_ptr<QFutureWatcher<IoResult>> m_CopyWatcher;
    std::unique_ptr<QProcess> m_Process;
    QByteArray m_Output;
    QString m_Skipped;
};
