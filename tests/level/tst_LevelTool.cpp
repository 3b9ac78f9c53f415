// Runs the built gridmason-tool as a user's script would and checks its
// output, its exit codes and the files it leaves behind.

#include "Level.h"
#include "LevelBytes.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TestPaths.h"
#include "ToolProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <sys/stat.h>

namespace {

using Run = ToolRun;

Run tool(const QStringList& args, const QString& workingDirectory = QString()) {
    return runGridmasonTool(args, workingDirectory);
}

QString realLevel(const QString& name) {
    return QDir(realDataDir()).filePath(name);
}

} // namespace

class tst_LevelTool : public QObject {
    Q_OBJECT

private slots:
    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("info without file") << QStringList{"info"};
        QTest::newRow("info two files") << QStringList{"info", "a", "b"};
        QTest::newRow("dump bad plane") << QStringList{"dump", "a", "--plane", "sprites"};
        QTest::newRow("dump plane without value") << QStringList{"dump", "a", "--plane"};
        QTest::newRow("dump unknown option") << QStringList{"dump", "a", "--all"};
        QTest::newRow("new too few") << QStringList{"new", "24", "17", "1", "out"};
        QTest::newRow("new not a number") << QStringList{"new", "24", "x", "1", "1", "out"};
        QTest::newRow("new out of word range") << QStringList{"new", "24", "70000", "1", "1", "o"};
        QTest::newRow("resave one file") << QStringList{"resave", "in"};
        QTest::newRow("unknown program option") << QStringList{"--all", "info", "a"};
        QTest::newRow("help on unknown command") << QStringList{"help", "frobnicate"};
        QTest::newRow("help on two commands") << QStringList{"help", "info", "dump"};
    }

    void usageErrors() {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        const Run run = tool(args, dir.path());
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("usage: gridmason-tool"), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // Asked-for help and the version go to stdout and succeed, without
    // doing anything else.
    void helpAndVersion_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("firstLine"); // a pattern
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        const QString programUsage =
            QRegularExpression::escape("usage: gridmason-tool COMMAND [ARGUMENTS]");
        const QStringList levelCommands = {"info FILE", "dump FILE [--plane tiles|info]",
                                           "new WIDTH HEIGHT EPISODE NUMBER OUT", "resave IN OUT"};
        const QString dumpUsage =
            QRegularExpression::escape("usage: gridmason-tool dump FILE [--plane tiles|info]");
        const QStringList dumpOptions = {"--plane <tiles|info>"};
        QTest::newRow("--help") << QStringList{"--help"} << programUsage << levelCommands
                                << QStringList{};
        QTest::newRow("help") << QStringList{"help"} << programUsage << levelCommands
                              << QStringList{};
        QTest::newRow("help dump")
            << QStringList{"help", "dump"} << dumpUsage << dumpOptions << QStringList{"resave"};
        QTest::newRow("dump --help")
            << QStringList{"dump", "--help"} << dumpUsage << dumpOptions << QStringList{"resave"};
        QTest::newRow("dump -h with a file") << QStringList{"dump", "LEVEL01.CK1", "-h"}
                                             << dumpUsage << dumpOptions << QStringList{"resave"};
        QTest::newRow("--version") << QStringList{"--version"} << "gridmason-tool [0-9]+\\.[0-9]+.*"
                                   << QStringList{} << QStringList{"usage"};
        // Each command's help says what it does.
        QTest::newRow("help new")
            << QStringList{"help", "new"}
            << QRegularExpression::escape(
                   "usage: gridmason-tool new WIDTH HEIGHT EPISODE NUMBER OUT")
            << QStringList{"border tile", "fill tile", "NUMBER is not stored"}
            << QStringList{"empty"};
        QTest::newRow("help check")
            << QStringList{"help", "check"}
            << QRegularExpression::escape(
                   "usage: gridmason-tool check [--all] [--game DIR] FILE|FOLDER...")
            << QStringList{"(N cells, first at X,Y)", "--all", "warnings at most"} << QStringList{};
    }

    void helpAndVersion() {
        QFETCH(QStringList, args);
        QFETCH(QString, firstLine);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        QTemporaryDir dir;
        const Run run = tool(args, dir.path());
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(QRegularExpression("^(?:" + firstLine + ")$")
                     .match(run.out.section('\n', 0, 0))
                     .hasMatch(),
                 qPrintable(run.out));
        for (const QString& text : shown)
            QVERIFY2(run.out.contains(text), qPrintable(text));
        for (const QString& text : notShown)
            QVERIFY2(!run.out.contains(text), qPrintable(text));
        QVERIFY(run.err.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
    }

    // The manual page lists the commands the tool has, each with the
    // options its help lists, and says that warnings alone exit with 0.
    void manualAgreesWithHelp() {
        QFile page(GM_SOURCE_DIR "/dist/man/gridmason-tool.1.in");
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString manual = QString::fromUtf8(page.readAll());
        static const QRegularExpression entry("^\\.BI ([a-z-]+)",
                                              QRegularExpression::MultilineOption);
        QStringList documented;
        for (const auto& match : entry.globalMatch(manual))
            documented << match.captured(1);
        static const QRegularExpression command("^  gridmason-tool ([a-z-]+)",
                                                QRegularExpression::MultilineOption);
        QStringList commands;
        for (const auto& match : command.globalMatch(tool({"--help"}).out))
            commands << match.captured(1);
        documented.sort();
        QStringList sorted = commands;
        sorted.sort();
        QCOMPARE(documented, sorted);
        static const QRegularExpression option("^  (?:-[a-z], )?--([a-z-]+)",
                                               QRegularExpression::MultilineOption);
        for (const QString& name : commands) {
            for (const auto& match : option.globalMatch(tool({"help", name}).out)) {
                const QString flag = match.captured(1);
                if (flag != "help" && flag != "help-all")
                    QVERIFY2(manual.contains("\\-\\-" + QString(flag).replace('-', "\\-")),
                             qPrintable(name + " --" + flag));
            }
        }
        QVERIFY(manual.contains("warnings alone"));
    }

    // The commands that draw run in a program of their own beside the tool;
    // without it they fail with the reason, and their help still shows.
    void drawingWithoutItsProgram() {
        QTemporaryDir dir;
        const QString lonely = dir.filePath("gridmason-tool");
        QVERIFY(QFile::copy(GM_BINARY_DIR "/tools/gridmason-tool/gridmason-tool", lonely));
        QProcess process;
        process.start(lonely, {"render", "LEVEL01.CK1", "-o", dir.filePath("out.png"), "--graphics",
                               dir.path()});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 1);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains("cannot start") && err.contains("gridmason-tool-draw"),
                 qPrintable(err));
        QVERIFY(!QFile::exists(dir.filePath("out.png")));
        process.start(lonely, {"help", "render"});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().contains("--graphics <DIR>"));
    }

    void newWritesCreatedLevel() {
        QTemporaryDir dir;
        const QString out = dir.filePath("LEVEL05.CK3");
        const Run run = tool({"new", "24", "17", "3", "5", out});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.err.contains("gridmason-tool"), qPrintable(run.err));
        Level expected;
        expected.Create(24, 17, 3, 5);
        QCOMPARE(fileBytes(out), expected.Serialize());
        QCOMPARE(fileBytes(out).size(), 194);
    }

    void dumpPrintsRowsOfSignedNumbers() {
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        Level level;
        level.Create(5, 5, 1, 1);
        level.SetTile(2, 2, -7);
        level.SetInfo(1, 3, -32768);
        level.SetInfo(4, 0, 255);
        QVERIFY(level.Save(path));

        const Run tiles = tool({"dump", path});
        QCOMPARE(tiles.exitCode, 0);
        QCOMPARE(tiles.out, QString("144,144,144,144,144\n"
                                    "144,144,144,144,144\n"
                                    "144,144,-7,144,144\n"
                                    "144,144,144,144,144\n"
                                    "144,144,144,144,144\n"));
        QCOMPARE(tool({"dump", path, "--plane", "tiles"}).out, tiles.out);
        const Run infos = tool({"dump", "--plane", "info", path});
        QCOMPARE(infos.exitCode, 0);
        QCOMPARE(infos.out, QString("0,0,0,0,255\n"
                                    "0,0,0,0,0\n"
                                    "0,0,0,0,0\n"
                                    "0,-32768,0,0,0\n"
                                    "0,0,0,0,0\n"));
    }

    void infoOnRealLevels_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("LEVEL01") << "LEVEL01.CK1";
        QTest::newRow("LEVEL13") << "LEVEL13.CK1";
        QTest::newRow("LEVEL80") << "LEVEL80.CK1";
    }

    void infoOnRealLevels() {
        GM_REQUIRE_REAL_DATA();
        QFETCH(QString, name);
        const QString path = realLevel(name);
        const QByteArray bytes = fileBytes(path);
        Level level;
        QVERIFY(level.Load(path));
        std::map<qint16, int> counts;
        for (qint16 v : level.InfoPlane())
            if (v != 0)
                ++counts[v];
        QString expected = QString("episode: 1\nnumber: %1\nwidth: %2\nheight: %3\n")
                               .arg(name.mid(5, 2).toInt())
                               .arg(wordAt(bytes, 4))
                               .arg(wordAt(bytes, 6));
        for (const auto& [value, count] : counts)
            expected += QString("info %1: %2\n").arg(value).arg(count);
        const Run run = tool({"info", path});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
        QVERIFY(counts.size() > 1);
    }

    // A level larger than the game can load is reported with a warning.
    void infoWarnsOfLevelsTooLargeForTheGame_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("warning");
        QTest::newRow("124 x 132 plays") << 124 << 132 << QString();
        QTest::newRow("128 x 128") << 128 << 128
                                   << "warning: too large for the game to load: 16,384 cells, "
                                      "at most 16,376";
        QTest::newRow("170 x 170") << 170 << 170
                                   << "warning: too large for the game to load: 28,900 cells, "
                                      "at most 16,376";
    }

    void infoWarnsOfLevelsTooLargeForTheGame() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        const QString file = dir.filePath("LEVEL03.CK1");
        Level level;
        level.Create(qint16(width), qint16(height), 1, 3);
        QVERIFY(level.Save(file).ok);
        const Run run = tool({"info", file});
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split('\n');
        QCOMPARE(lines.mid(0, 4),
                 QStringList({"episode: 1", "number: 3", QString("width: %1").arg(width),
                              QString("height: %1").arg(height)}));
        QCOMPARE(lines.filter("warning"), warning.isEmpty() ? QStringList() : QStringList{warning});
    }

    void dumpRealLevelMatchesFile() {
        GM_REQUIRE_REAL_DATA();
        const QString path = realLevel("LEVEL02.CK1");
        const Run run = tool({"dump", path, "--plane", "info"});
        QCOMPARE(run.exitCode, 0);
        const QStringList rows = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 30);
        // The plain expansion of the file, row by row, read straight from it.
        const std::vector<quint16> image = unpackAll(fileBytes(path));
        const int width = 24, planeLength = 24 * 30;
        for (int y = 0; y < 30; ++y) {
            const QStringList cells = rows[y].split(',');
            QCOMPARE(cells.size(), width);
            for (int x = 0; x < width; ++x)
                QCOMPARE(cells[x].toInt(), int(qint16(image[16 + planeLength + y * width + x])));
        }
    }

    void resaveRealLevel() {
        GM_REQUIRE_REAL_DATA();
        QTemporaryDir dir;
        const QString out = dir.filePath("LEVEL81.CK1");
        QCOMPARE(tool({"resave", realLevel("LEVEL81.CK1"), out}).exitCode, 0);
        Level original, resaved;
        QVERIFY(original.Load(realLevel("LEVEL81.CK1")));
        QVERIFY(resaved.Load(out));
        QVERIFY(resaved == original);
        QCOMPARE(fileBytes(out), original.Serialize());

        // In place: the file is rewritten in the writer's own layout.
        QVERIFY(writeFile(out, fileBytes(realLevel("LEVEL81.CK1")) + QByteArray(300, 'z')));
        QCOMPARE(tool({"resave", out, out}).exitCode, 0);
        QCOMPARE(fileBytes(out), original.Serialize());
    }

    // A folder named in Latin-1 ("caf\xe9"): each command does there what it
    // does in a folder named "cafe"; the names it prints show the byte that
    // is not UTF-8 as U+FFFD.
    void namesThatAreNotUtf8_data() {
        QTest::addColumn<QString>("args"); // @ stands for the folder
        QTest::addColumn<QString>("written");
        QTest::newRow("info") << "info @/LEVEL05.CK1" << QString();
        QTest::newRow("check") << "check @/LEVEL05.CK1" << QString();
        QTest::newRow("resave") << "resave @/LEVEL05.CK1 @/LEVEL06.CK1"
                                << "LEVEL06.CK1";
        QTest::newRow("new") << "new 30 20 2 7 @/LEVEL07.CK2"
                             << "LEVEL07.CK2";
        // Makes the folders it writes into.
        QTest::newRow("export-graphics") << "export-graphics GAME 1 @/out"
                                         << "out/1til0000.bmp";
    }

    void namesThatAreNotUtf8() {
        QFETCH(QString, args);
        QFETCH(QString, written);
        if (args.contains("GAME")) {
            GM_REQUIRE_REAL_DATA();
            args.replace("GAME", realDataDir());
        }
        QTemporaryDir dir;
        const RemovedAtEnd removed(dir.path());
        QVERIFY(QDir(dir.path()).mkdir("cafe"));
        Level level;
        level.Create(24, 17, 1, 5);
        level.SetInfo(3, 4, 255);
        QVERIFY(level.Save(dir.filePath("cafe/LEVEL05.CK1")));
        const QString latin1 = "\"$(printf 'caf\\351')\"";

        const Run plain =
            runGridmasonToolInShell("\"$TOOL\" " + QString(args).replace("@", "cafe"), dir.path());
        const Run odd = runGridmasonToolInShell(
            QString("mkdir %1 && cp cafe/LEVEL05.CK1 %1 && \"$TOOL\" ").arg(latin1) +
                QString(args).replace("@", latin1),
            dir.path());
        QVERIFY2(plain.exitCode == 0 || plain.exitCode == 1, qPrintable(plain.err));
        QCOMPARE(odd.exitCode, plain.exitCode);
        QCOMPARE(odd.out, QString(plain.out).replace("cafe", QString::fromUtf8("caf\xef\xbf\xbd")));
        QCOMPARE(odd.err, plain.err);
        if (!written.isEmpty())
            QCOMPARE(runGridmasonToolInShell(QString("cmp cafe/%1 %2/%1").arg(written, latin1),
                                             dir.path())
                         .exitCode,
                     0);
    }

    // The reported fault: a link to a pipe was replaced by a file, exit 0.
    void resaveRefusesALinkToAPipe() {
        QTemporaryDir dir;
        Level level;
        level.Create(24, 17, 1, 5);
        QVERIFY(level.Save(dir.filePath("LEVEL05.CK1")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0644) == 0);
        QVERIFY(QFile::link("pipe", dir.filePath("OUT.CK1")));
        const Run run = tool({"resave", dir.filePath("LEVEL05.CK1"), dir.filePath("OUT.CK1")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("OUT.CK1\": it is a link to \"" + dir.filePath("pipe") +
                                  "\", which is a pipe, not an ordinary file."),
                 qPrintable(run.err));
        QCOMPARE(QFileInfo(dir.filePath("OUT.CK1")).symLinkTarget(), dir.filePath("pipe"));
        struct stat pipe {};
        QVERIFY(::stat(QFile::encodeName(dir.filePath("pipe")).constData(), &pipe) == 0);
        QVERIFY(S_ISFIFO(pipe.st_mode));
    }

    void failuresLeaveOutputUntouched_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("resave missing")
            << QStringList{"resave", "@/MISSING.CK1", "@/OUT.CK1"} << "MISSING.CK1";
        QTest::newRow("resave damaged")
            << QStringList{"resave", "@/SHORT.CK1", "@/OUT.CK1"} << "not a valid level file";
        QTest::newRow("new empty")
            << QStringList{"new", "0", "17", "1", "1", "@/OUT.CK1"} << "0x17";
        // A negative number is a value, not an unknown option.
        QTest::newRow("new negative")
            << QStringList{"new", "24", "-17", "1", "1", "@/OUT.CK1"} << "24x-17";
        QTest::newRow("new too large")
            << QStringList{"new", "200", "200", "1", "1", "@/OUT.CK1"} << "200x200";
        QTest::newRow("new episode 4")
            << QStringList{"new", "24", "17", "4", "1", "@/OUT.CK1"} << "episode 4";
        QTest::newRow("new into file")
            << QStringList{"new", "24", "17", "1", "1", "@/OUT.CK1/X"} << "OUT.CK1/X";
        QTest::newRow("info damaged") << QStringList{"info", "@/SHORT.CK1"} << "SHORT.CK1";
        QTest::newRow("dump missing") << QStringList{"dump", "@/MISSING.CK1"} << "MISSING.CK1";
    }

    void failuresLeaveOutputUntouched() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("SHORT.CK1"), "0123456789"));
        QVERIFY(writeFile(dir.filePath("OUT.CK1"), "previous contents"));
        args.replaceInStrings("@", dir.path());
        const Run run = tool(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(fileBytes(dir.filePath("OUT.CK1")), QByteArray("previous contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

GM_TEST_GUILESS_MAIN(tst_LevelTool)
#include "tst_LevelTool.moc"
