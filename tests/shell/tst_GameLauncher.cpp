// Preparing the temporary game folder and running a fake `dosbox` on it:
// no test needs DOSBox itself.

#include "GameLauncher.h"
#include "Level.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

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

    void preparedFolderHoldsGameLevelAndConfig() {
        const auto before = snapshot(m_Game->path());
        GameLauncher launcher;
        QVERIFY(launcher.Prepare(m_Level, 5, m_Game->path()).ok);
        const QString folder = launcher.Folder();
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                        QDir::Name | QDir::IgnoreCase),
                 QStringList({"dosbox.conf", "GAME"}));
        const QString game = QDir(folder).filePath("GAME");
        QCOMPARE(QDir(game).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"EGAHEAD.CK1", "EGALATCH.CK1", "EGASPRIT.CK1", "KEEN1.EXE",
                              "LEVEL05.CK1", "LEVEL80.CK1"}));
        QCOMPARE(fileBytes(game + "/EGALATCH.CK1"), QByteArray("bytes of EGALATCH.CK1"));
        QCOMPARE(fileBytes(game + "/LEVEL05.CK1"), m_Level.Serialize());
        QCOMPARE(fileBytes(folder + "/dosbox.conf"), QByteArray(ExpectedConfig));
        QCOMPARE(snapshot(m_Game->path()), before);
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
        QTest::newRow("no temporary folder") << 30 << 5 << "tmp"
                                             << "temporary folder";
    }

    void refusals() {
        QFETCH(int, width);
        QFETCH(int, number);
        QFETCH(QString, missing);
        QFETCH(QString, message);
        if (missing == "program")
            QVERIFY(QFile::remove(m_Game->filePath("KEEN1.EXE")));
        const QByteArray savedTmp = qgetenv("TMPDIR");
        if (missing == "tmp") // a file, not a folder
            qputenv("TMPDIR", m_Game->filePath("KEEN1.EXE").toLocal8Bit());
        m_Level.Resize(qint16(width), 132);
        GameLauncher launcher;
        const IoResult result = launcher.Prepare(m_Level, number, m_Game->path());
        qputenv("TMPDIR", savedTmp);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(message), qPrintable(result.error));
        QVERIFY(launcher.Folder().isEmpty());
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
        QVERIFY(launcher.Prepare(m_Level, 5, m_Game->path()).ok);
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

    // Closing the program while the game runs ends DOSBox and leaves no
    // folder behind.
    void destroyingEndsDosBox() {
        installDosBox(m_Bin->path(), "exec /bin/sleep 60\n");
        QString folder;
        {
            GameLauncher launcher;
            QVERIFY(launcher.Prepare(m_Level, 5, m_Game->path()).ok);
            folder = launcher.Folder();
            QVERIFY(launcher.Start().ok);
            QVERIFY(launcher.IsRunning());
        }
        QVERIFY(!QDir(folder).exists());
    }

private:
    std::unique_ptr<QTemporaryDir> m_Game, m_Bin, m_Out;
    Level m_Level;
    QByteArray m_SavedPath;
};

GM_TEST_GUILESS_MAIN(tst_GameLauncher)
#include "tst_GameLauncher.moc"
