// Runs the built gridmason-tool as a user's script would and checks its
// output, its exit codes and the files it leaves behind.

#include "Level.h"
#include "LevelBytes.h"
#include "TestData.h"
#include "ToolProcess.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <map>

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

    void helpListsLevelCommands() {
        const Run run = tool({"--help"});
        QCOMPARE(run.exitCode, 0);
        for (const char* usage : {"info FILE", "dump FILE [--plane tiles|info]",
                                  "new WIDTH HEIGHT EPISODE NUMBER OUT", "resave IN OUT"})
            QVERIFY2(run.err.contains(usage), qPrintable(run.err));
    }

    void newWritesCreatedLevel() {
        QTemporaryDir dir;
        const QString out = dir.filePath("LEVEL05.CK3");
        const Run run = tool({"new", "24", "17", "3", "5", out});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(!run.err.contains("gridmason-tool"), qPrintable(run.err));
        Level expected;
        expected.Create(24, 17, 3, 5);
        QCOMPARE(readFile(out), expected.Serialize());
        QCOMPARE(readFile(out).size(), 194);
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
        const QByteArray bytes = readFile(path);
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

    void dumpRealLevelMatchesFile() {
        GM_REQUIRE_REAL_DATA();
        const QString path = realLevel("LEVEL02.CK1");
        const Run run = tool({"dump", path, "--plane", "info"});
        QCOMPARE(run.exitCode, 0);
        const QStringList rows = run.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 30);
        // The plain expansion of the file, row by row, read straight from it.
        const std::vector<quint16> image = unpackAll(readFile(path));
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
        QCOMPARE(readFile(out), original.Serialize());

        // In place: the file is rewritten in the writer's own layout.
        QVERIFY(writeFile(out, readFile(realLevel("LEVEL81.CK1")) + QByteArray(300, 'z')));
        QCOMPARE(tool({"resave", out, out}).exitCode, 0);
        QCOMPARE(readFile(out), original.Serialize());
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
        QCOMPARE(readFile(dir.filePath("OUT.CK1")), QByteArray("previous contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_LevelTool)
#include "tst_LevelTool.moc"
