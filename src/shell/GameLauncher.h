#pragma once

#include "IoResult.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <memory>

class Level;
class QTemporaryDir;

// Runs a level in the game under DOSBox without touching the user's game
// folder: Prepare copies the game into a fresh temporary folder, writes the
// level there under the game's own name for it and writes a DOSBox
// configuration; Start runs DOSBox on it as a child process. The folder is
// removed when DOSBox ends (or when the launcher is destroyed, which also
// ends DOSBox).
//
// Layout of the temporary folder: GAME/ (the copy, mounted as drive C:) and
// dosbox.conf beside it; DOSBox runs in the temporary folder.
class GameLauncher : public QObject {
    Q_OBJECT
public:
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
    // (1..99) from the game in `gameFolder`. A level too large for the game
    // or a folder without the episode's program is refused; on any failure
    // nothing is left behind and the result says why.
    IoResult Prepare(const Level& level, int number, const QString& gameFolder);
    // Starts DOSBox on the prepared folder; a failure removes the folder.
    IoResult Start();

    bool IsRunning() const;
    // The temporary folder while prepared or running, else "".
    QString Folder() const;

signals:
    // DOSBox has ended and the folder is gone; `problem` is empty when
    // DOSBox ended normally, otherwise it says what went wrong.
    void Finished(const QString& problem);

private:
    void OnFinished(int exitCode, QProcess::ExitStatus status);
    void Discard();

    // Declared before the process so that the process (and DOSBox) ends
    // before the folder is removed.
    std::unique_ptr<QTemporaryDir> m_Folder;
    std::unique_ptr<QProcess> m_Process;
    QByteArray m_Output;
};
