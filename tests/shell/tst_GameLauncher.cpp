// Preparing the temporary game folder and running a fake `dosbox` on it:
// no test needs DOSBox itself.

#include "FullDisk.h"
#include "GameFileSelection.h"
#include "GameFolderCopier.h"
#include "GameLauncher.h"
#include "GameTempFolder.h"
#include "Level.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <unistd.h>

namespace {

constexpr qint64 MiB = 1024 * 1024;

// Prepare, and the copy that follows it.
IoResult prepare(GameLauncher& launcher, const Level& level, int number, const QString& game,
                 const std::vector<GameTestLevels::Written>& others = {}) {
    QSignalSpy prepared(&launcher, &GameLauncher::Prepared);
    const IoResult result = launcher.Prepare(level, number, game, others);
    if (!result || !prepared.wait(20000))
        return result ? IoResult::failure("the copy did not end") : result;
    const QString problem = prepared.first().first().toString();
    return problem.isEmpty() ? IoResult::success() : IoResult::failure(problem);
}

// Whether process `pid` runs (a zombie has ended).
bool running(qint64 pid) {
    const QByteArray stat = fileBytes(QStringLiteral("/proc/%1/stat").arg(pid));
    const int name = stat.lastIndexOf(')');
    return name > 0 && stat.mid(name + 2, 1) != "Z";
}

// A folder's files and their bytes, for "nothing changed" checks.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files[name] = fileBytes(QDir(folder).filePath(name));
    return files;
}

// A `dosbox` on the PATH that runs `body` as a shell script, unless it
// names an interpreter of its own.
void installDosBox(const QString& binDir, const QByteArray& body) {
    const QString path = QDir(binDir).filePath("dosbox");
    QVERIFY(writeFile(path, body.startsWith("#!") ? body : "#!/bin/sh\n" + body));
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

const char* const ExpectedConfig =
    "# Written by Gridmason to test a level; removed when DOSBox ends.\n"
    "[sdl]\nfullscreen=false\nautolock=false\n\n"
    "[cpu]\ncore=auto\ncycles=fixed 10000\n\n"
    "[autoexec]\nmount c GAME\nc:\nKEEN1.EXE\nexit\n";

} // namespace

class tst_GameLauncher : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_Game = std::make_unique<QTemporaryDir>();
        m_Bin = std::make_unique<QTemporaryDir>();
        m_Out = std::make_unique<QTemporaryDir>();
        // The game as the user has it, with an old copy of level 5 under a
        // lower-case name and a folder of its own that is not part of it.
        for (const char* name : {"KEEN1.EXE", "EGAHEAD.CK1", "EGALATCH.CK1", "EGASPRIT.CK1",
                                 "LEVEL80.CK1", "level05.ck1"})
            QVERIFY(writeFile(m_Game->filePath(name), QByteArray("bytes of ") + name));
        QDir(m_Game->path()).mkdir("SAVES");
        QFile junk(m_Game->filePath("JUNK.BIN")); // sparse: costs no disk
        QVERIFY(junk.open(QIODevice::WriteOnly) && junk.resize(4 * MiB + 1));
        m_Level.Create(30, 20, 1, 5);
        m_Level.SetInfo(3, 3, 255);
        m_Level.SetTile(7, 8, 200);
        m_SavedPath = qgetenv("PATH");
        qputenv("PATH", m_Bin->path().toLocal8Bit());
    }

    void cleanup() { qputenv("PATH", m_SavedPath); }

    void gameFolderChoice_data() {
        QTest::addColumn<QStringList>("gameFiles");
        QTest::addColumn<QStringList>("graphicsFiles");
        QTest::addColumn<QString>("expected");
        const QStringList whole = {"keen1.exe", "egahead.ck1", "EGALATCH.CK1", "EGASPRIT.CK1"};
        QTest::newRow("the game folder set") << QStringList{"KEEN1.EXE"} << whole << "game";
        QTest::newRow("graphics in the game's folder") << QStringList{} << whole << "graphics";
        QTest::newRow("graphics without the program")
            << QStringList{"KEEN2.EXE"}
            << QStringList{"EGAHEAD.CK1", "EGALATCH.CK1", "EGASPRIT.CK1"} << "";
        QTest::newRow("program without the graphics")
            << QStringList{} << QStringList{"KEEN1.EXE"} << "";
    }

    void gameFolderChoice() {
        QFETCH(QStringList, gameFiles);
        QFETCH(QStringList, graphicsFiles);
        QFETCH(QString, expected);
        QTemporaryDir game, graphics;
        for (const QString& name : gameFiles)
            QVERIFY(writeFile(game.filePath(name), "x"));
        for (const QString& name : graphicsFiles)
            QVERIFY(writeFile(graphics.filePath(name), "x"));
        const QString chosen = GameLauncher::GameFolderFor(1, game.path(), graphics.path());
        QCOMPARE(chosen, expected == "game"       ? game.path()
                         : expected == "graphics" ? graphics.path()
                                                  : "");
    }

    // The game's files without JUNK.BIN, which is named; the copy's
    // progress ends at its last step.
    void preparedFolderHoldsGameLevelAndConfig() {
        const auto before = snapshot(m_Game->path());
        GameLauncher launcher;
        QSignalSpy progress(&launcher, &GameLauncher::Progress);
        QVERIFY(prepare(launcher, m_Level, 5, m_Game->path()).ok);
        QCOMPARE(progress.last().first().toInt(), GameLauncher::ProgressSteps);
        QVERIFY(progress.last().last().toString().contains("JUNK.BIN (4.0 MB)"));
        QVERIFY(launcher.SkippedText().contains("JUNK.BIN (4.0 MB)"));
        const QString folder = launcher.Folder();
        QVERIFY(QFileInfo(folder).fileName().startsWith(
            QStringLiteral("gridmason-game-%1-").arg(QCoreApplication::applicationPid())));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                        QDir::Name | QDir::IgnoreCase),
                 QStringList({"dosbox.conf", "GAME", "gridmason.lock"}));
        const QString game = QDir(folder).filePath("GAME");
        QCOMPARE(QDir(game).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"EGAHEAD.CK1", "EGALATCH.CK1", "EGASPRIT.CK1", "KEEN1.EXE",
                              "LEVEL05.CK1", "LEVEL80.CK1"}));
        QCOMPARE(fileBytes(game + "/EGALATCH.CK1"), QByteArray("bytes of EGALATCH.CK1"));
        QCOMPARE(fileBytes(game + "/LEVEL05.CK1"), m_Level.Serialize());
        QCOMPARE(fileBytes(folder + "/dosbox.conf"), QByteArray(ExpectedConfig));
        QCOMPARE(snapshot(m_Game->path()), before);
    }

    // The modified map and level 2 go with level 5: the map replaces the
    // game's, and an open level the game cannot play is refused by name.
    void otherLevelsWrittenBeside() {
        Level map;
        map.Create(40, 30, 1, 80);
        Level two;
        two.Create(20, 20, 1, 2);
        GameLauncher launcher;
        QVERIFY(prepare(launcher, m_Level, 5, m_Game->path(), {{2, &two}, {80, &map}}).ok);
        const QString game = QDir(launcher.Folder()).filePath("GAME");
        QCOMPARE(QDir(game).entryList({"*.CK1"}, QDir::Files),
                 QStringList({"EGAHEAD.CK1", "EGALATCH.CK1", "EGASPRIT.CK1", "LEVEL02.CK1",
                              "LEVEL05.CK1", "LEVEL80.CK1"}));
        QCOMPARE(fileBytes(game + "/LEVEL80.CK1"), map.Serialize());
        QCOMPARE(fileBytes(game + "/LEVEL02.CK1"), two.Serialize());
        QCOMPARE(fileBytes(game + "/LEVEL05.CK1"), m_Level.Serialize());

        two.Resize(125, 132);
        GameLauncher refused;
        const IoResult result = refused.Prepare(m_Level, 5, m_Game->path(), {{2, &two}});
        QVERIFY(!result.ok);
        QVERIFY2(result.error.startsWith("LEVEL02.CK1") && result.error.contains("16500 cells"),
                 qPrintable(result.error));
        QVERIFY(refused.Folder().isEmpty());
    }

    void refusals_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("missing"); // taken from the setup first
        QTest::addColumn<QString>("message");
        QTest::newRow("too large") << 125 << 5 << ""
                                   << "it has 125x132 = 16500 cells";
        QTest::newRow("no program") << 30 << 5 << "program"
                                    << "does not hold KEEN1.EXE";
        QTest::newRow("number 100") << 30 << 100 << ""
                                    << "level number 100";
        QTest::newRow("no room for the copy") << 30 << 5 << "room"
                                              << "are free there";
    }

    void refusals() {
        QFETCH(int, width);
        QFETCH(int, number);
        QFETCH(QString, missing);
        QFETCH(QString, message);
        if (missing == "program")
            QVERIFY(QFile::remove(m_Game->filePath("KEEN1.EXE")));
        QTemporaryDir tmp;
        std::optional<fulldisk::Disk> disk;
        if (missing == "room") { // a 64 KiB disk for 100 KiB of the game's files
            disk.emplace(tmp.path(), 64 * 1024);
            if (!disk->Error().isEmpty())
                QSKIP(qPrintable(disk->Error()));
            QVERIFY(writeFile(m_Game->filePath("SOUNDS.CK1"), QByteArray(100 * 1024, 's')));
        }
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        m_Level.Resize(qint16(width), 132);
        GameLauncher launcher;
        const IoResult result = launcher.Prepare(m_Level, number, m_Game->path());
        qputenv("TMPDIR", savedTmp);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(message), qPrintable(result.error));
        QVERIFY(launcher.Folder().isEmpty());
        QVERIFY(QDir(tmp.path()).isEmpty());
    }

    // However DOSBox ends, the folder goes. The one that ends well records
    // where it ran, what it was given and the level it found (OUT: a folder
    // of the test's).
    void dosBoxRuns_data() {
        QTest::addColumn<QByteArray>("script"); // empty: no dosbox at all
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QString>("message"); // empty: none
        QTest::newRow("ends well") << QByteArray("pwd > OUT/cwd\necho \"$@\" > OUT/args\n"
                                                 "/bin/cat GAME/LEVEL05.CK1 > OUT/level\n")
                                   << true << "";
        QTest::newRow("not installed") << QByteArray() << false << "sudo apt-get install dosbox";
        QTest::newRow("cannot be run")
            << QByteArray("#!/nonexistent/shell\n") << false << "could not be started";
        QTest::newRow("exits with an error") << QByteArray("echo no video mode\nexit 3\n") << true
                                             << "exit code 3. Its last words:\nno video mode";
    }

    void dosBoxRuns() {
        QFETCH(QByteArray, script);
        QFETCH(bool, starts);
        QFETCH(QString, message);
        if (!script.isEmpty())
            installDosBox(m_Bin->path(), script.replace("OUT", m_Out->path().toLocal8Bit()));
        GameLauncher launcher;
        QSignalSpy finished(&launcher, &GameLauncher::Finished);
        QVERIFY(prepare(launcher, m_Level, 5, m_Game->path()).ok);
        const QString folder = launcher.Folder();
        const IoResult started = launcher.Start();
        QCOMPARE(started.ok, starts);
        QString problem = started.error;
        if (starts) {
            QVERIFY(finished.wait(20000));
            problem = finished.first().first().toString();
        }
        QVERIFY2(message.isEmpty() ? problem.isEmpty() : problem.contains(message),
                 qPrintable(problem));
        QVERIFY(!QDir(folder).exists());
        QVERIFY(launcher.Folder().isEmpty());
        if (!message.isEmpty())
            return;
        QCOMPARE(fileBytes(m_Out->filePath("cwd")).trimmed(), folder.toLocal8Bit());
        QCOMPARE(fileBytes(m_Out->filePath("args")).trimmed(),
                 ("-conf " + folder + "/dosbox.conf").toLocal8Bit());
        QCOMPARE(fileBytes(m_Out->filePath("level")), m_Level.Serialize());
    }

    // Cancelling or closing the program while the game is copied or played
    // ends the copy or DOSBox and leaves no folder behind.
    void endingEarly_data() {
        QTest::addColumn<bool>("playing");   // else copying
        QTest::addColumn<bool>("destroyed"); // else cancelled
        QTest::newRow("cancelled while copying") << false << false;
        QTest::newRow("closed while playing") << true << true;
    }

    void endingEarly() {
        QFETCH(bool, playing);
        QFETCH(bool, destroyed);
        installDosBox(m_Bin->path(), "exec /bin/sleep 60\n");
        auto launcher = std::make_unique<GameLauncher>();
        QSignalSpy prepared(launcher.get(), &GameLauncher::Prepared);
        if (playing) {
            QVERIFY(prepare(*launcher, m_Level, 5, m_Game->path()).ok);
            QVERIFY(launcher->Start().ok);
        } else {
            QVERIFY(launcher->Prepare(m_Level, 5, m_Game->path()).ok);
        }
        const QString folder = launcher->Folder();
        QVERIFY(QDir(folder).exists());
        if (destroyed)
            launcher.reset();
        else
            launcher->Cancel();
        QVERIFY(!QDir(folder).exists());
        QCoreApplication::processEvents();
        QCOMPARE(prepared.size(), playing ? 1 : 0);
    }

    // An editor running the game is killed: its DOSBox ends with it, and
    // the next clean-up removes its folder but not one in use (this test's).
    void killedEditorLeavesNothingRunning() {
        installDosBox(m_Bin->path(), "echo $$ > dosbox.pid\nexec /bin/sleep 60\n");
        QTemporaryDir tmp;
        GameTempFolder live;
        QVERIFY(live.Create({tmp.path()}).ok);
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", tmp.path());
        editor.setProcessEnvironment(environment);
        editor.start(GM_BINARY_DIR "/tests/shell/gm_game_launch_child", {m_Game->path()});
        QVERIFY(editor.waitForReadyRead(20000));
        const QString folder = QString::fromLocal8Bit(editor.readLine()).trimmed();
        const QString pidFile = QDir(folder).filePath("dosbox.pid");
        QTRY_VERIFY2_WITH_TIMEOUT(fileBytes(pidFile).endsWith('\n'), qPrintable(folder), 20000);
        const qint64 dosBox = fileBytes(pidFile).trimmed().toLongLong();
        QVERIFY(running(dosBox));
        editor.kill();
        QVERIFY(editor.waitForFinished());
        QTRY_VERIFY_WITH_TIMEOUT(!running(dosBox), 10000);
        QCOMPARE(GameTempFolder::RemoveStale({tmp.path()}), 1);
        QVERIFY(!QDir(folder).exists());
        QVERIFY(QDir(live.Path()).exists());
    }

    // Folders that are not a killed editor's copy stay.
    void staleFolders_data() {
        QTest::addColumn<QString>("name"); // %1: the process named
        QTest::addColumn<bool>("alive");
        QTest::addColumn<bool>("link");
        QTest::addColumn<bool>("removed");
        QTest::newRow("no lock, program ended")
            << "gridmason-game-%1-aB3xYz" << false << false << true;
        QTest::newRow("no lock yet, program runs")
            << "gridmason-game-%1-aB3xYz" << true << false << false;
        QTest::newRow("named otherwise") << "gridmason-game-aB3xYz" << false << false << false;
        QTest::newRow("a link") << "gridmason-game-%1-aB3xYz" << false << true << false;
    }

    void staleFolders() {
        QFETCH(QString, name);
        QFETCH(bool, alive);
        QFETCH(bool, link);
        QFETCH(bool, removed);
        QTemporaryDir base, elsewhere;
        // Beyond any process number Linux gives.
        const qint64 pid = alive ? qint64(::getppid()) : 2147483647;
        const QString path = base.filePath(name.contains("%1") ? name.arg(pid) : name);
        QVERIFY(link ? QFile::link(elsewhere.path(), path) : QDir().mkdir(path));
        QVERIFY(writeFile(QDir(path).filePath("LEVEL01.CK1"), "level"));
        QCOMPARE(GameTempFolder::RemoveStale({base.path()}), removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(path), !removed);
        QCOMPARE(fileBytes(elsewhere.filePath("LEVEL01.CK1")),
                 link ? QByteArray("level") : QByteArray("(unreadable)"));
    }

    // The folder goes into the first base that can hold it, never into /.
    void tempFolderBases_data() {
        QTest::addColumn<QStringList>("bases");
        QTest::addColumn<QString>("message"); // empty: made in "folder"
        QTest::newRow("file, folder") << QStringList{"file", "folder"} << "";
        QTest::newRow("root, folder") << QStringList{"/", "folder"} << "";
        QTest::newRow("none usable")
            << QStringList{"missing", "file", "/"}
            << "/missing\" does not exist; \"FILE\" is not a folder; \"/\" is the root folder.";
    }

    void tempFolderBases() {
        QFETCH(QStringList, bases);
        QFETCH(QString, message);
        QTemporaryDir root;
        QVERIFY(writeFile(root.filePath("file"), "x") && QDir(root.path()).mkdir("folder"));
        for (QString& base : bases)
            if (base != "/")
                base = root.filePath(base);
        GameTempFolder folder;
        const IoResult made = folder.Create(bases);
        QVERIFY2(made.error.contains(message.replace("FILE", root.filePath("file"))),
                 qPrintable(made.error));
        QCOMPARE(made.ok, message.isEmpty());
        if (made.ok)
            QCOMPARE(QFileInfo(folder.Path()).path(), root.filePath("folder"));
        else
            QVERIFY(folder.Path().isEmpty());
    }

    // A TMPDIR that does not exist once put the copy in /.
    void missingTmpDirFallsBackToTmp() {
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", "/nonexistent-gridmason-tmp");
        GameLauncher launcher;
        const IoResult prepared = prepare(launcher, m_Level, 5, m_Game->path());
        qputenv("TMPDIR", savedTmp);
        QVERIFY2(prepared.ok, qPrintable(prepared.error));
        QCOMPARE(QFileInfo(launcher.Folder()).path(), "/tmp");
    }

    void selection_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program, large") << "KEEN1.EXE" << 5 * MiB << "copied";
        QTest::newRow("data file, large") << "egalatch.ck1" << 6 * MiB << "copied";
        QTest::newRow("other file, 4 MiB") << "ORDER.FRM" << 4 * MiB << "copied";
        QTest::newRow("other file, larger") << "junk.bin" << 4 * MiB + 1 << "skipped";
        QTest::newRow("other episode's data") << "LEVEL01.CK2" << 5 * MiB << "skipped";
        QTest::newRow("other episode's program") << "KEEN2.EXE" << 5 * MiB << "skipped";
        QTest::newRow("the level under test") << "level05.ck1" << qint64(800) << "neither";
    }

    void selection() {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, expected);
        const QList<GameFileSelection::File> files{{name, size}};
        const GameFileSelection selection = GameFileSelection::Select(files, 1, "LEVEL05.CK1");
        QCOMPARE(selection.copied, expected == "copied" ? files : QList<GameFileSelection::File>());
        QCOMPARE(selection.skipped,
                 expected == "skipped" ? files : QList<GameFileSelection::File>());
    }

    // Every write is checked, and the copy stops when told to.
    void copyFailures_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("message");
        QTest::newRow("full disk") << true << "BIG.CK1\": No space left on device.";
        QTest::newRow("stopped") << false << "The copy was stopped.";
    }

    void copyFailures() {
        QFETCH(bool, fullDisk);
        QFETCH(QString, message);
        QTemporaryDir target;
        std::optional<fulldisk::Disk> disk;
        if (fullDisk) {
            disk.emplace(target.path(), 256 * 1024);
            if (!disk->Error().isEmpty())
                QSKIP(qPrintable(disk->Error()));
        }
        QVERIFY(writeFile(m_Game->filePath("BIG.CK1"), QByteArray(3 * MiB, 'b')));
        int calls = 0;
        const IoResult copied = GameFolderCopier::Copy(
            m_Game->path(), target.path(), {{"BIG.CK1", 3 * MiB}, {"KEEN1.EXE", 17}},
            [&](qint64, const QString&) { return fullDisk || ++calls < 2; });
        QVERIFY2(copied.error.endsWith(message), qPrintable(copied.error));
        QVERIFY(!QFile::exists(target.filePath("KEEN1.EXE")));
    }

private:
    std::unique_ptr<QTemporaryDir> m_Game, m_Bin, m_Out;
    Level m_Level;
    QByteArray m_SavedPath;
};

GM_TEST_GUILESS_MAIN(tst_GameLauncher)
#include "tst_GameLauncher.moc"
