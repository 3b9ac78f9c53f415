// gridmason-tool check as a person or a script uses it: one line per group
// of identical findings (or per cell with --all), and the exit code says
// whether any file has an error.

#include "Level.h"
#include "TestData.h"
#include "TestMain.h"
#include "ToolProcess.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <map>

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines;
    QString err;
};

Run check(const QStringList& files) {
    const ToolRun run = runGridmasonTool(QStringList{"check"} + files);
    return {run.exitCode, run.out.split('\n', Qt::SkipEmptyParts), run.err};
}

} // namespace

class tst_CheckTool : public QObject {
    Q_OBJECT

private slots:
    void usage() {
        for (const QStringList& args : {QStringList{}, QStringList{"--all"}, QStringList{"--al"}}) {
            const Run run = check(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("usage: gridmason-tool check [--all] [--game DIR] FILE..."),
                     qPrintable(run.err));
        }
    }

    // Identical findings of a file are one line at their first cell, with
    // their number; --all prints every cell. Warnings alone exit with 0.
    void warningsAloneExitZero_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected"); // after each level's path
        const QString hidden = ": warning: info value 23 shows no sprite (kept in the file, not "
                               "shown in the editor)";
        const QString frame = ": warning: the outer frame holds tile 71, not the border tile 144: "
                              "Keen may leave the level there";
        QTest::newRow("grouped") << QStringList{}
                                 << QStringList{
                                        "LEVEL02.CK1:7,5" + hidden + " (2 cells, first at 7,5)",
                                        "LEVEL16.CK1:0,70" + frame + " (6 cells, first at 0,70)"};
        QTest::newRow("--all") << QStringList{"--all"}
                               << QStringList{
                                      "LEVEL02.CK1:7,5" + hidden,   "LEVEL02.CK1:7,6" + hidden,
                                      "LEVEL16.CK1:0,70" + frame,   "LEVEL16.CK1:109,70" + frame,
                                      "LEVEL16.CK1:0,71" + frame,   "LEVEL16.CK1:1,71" + frame,
                                      "LEVEL16.CK1:108,71" + frame, "LEVEL16.CK1:109,71" + frame};
    }

    void warningsAloneExitZero() {
        GM_REQUIRE_REAL_DATA();
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        const QDir data(realDataDir());
        const Run run =
            check(options + QStringList{data.filePath("LEVEL02.CK1"), data.filePath("LEVEL01.CK1"),
                                        data.filePath("LEVEL16.CK1")});
        QCOMPARE(run.exitCode, 0);
        QStringList lines;
        for (const QString& line : run.lines)
            lines << line.mid(data.path().size() + 1);
        QCOMPARE(lines, expected);
    }

    // The game's own levels read in a few lines each: the garbage in
    // LEVEL12's last rows is 60 cells of 19 values.
    void realLevelsInFewLines() {
        GM_REQUIRE_REAL_DATA();
        const QDir data(realDataDir());
        QStringList files;
        for (const QString& name : data.entryList({"LEVEL*.CK1"}, QDir::Files))
            files << data.filePath(name);
        const Run run = check(files);
        QCOMPARE(run.exitCode, 0);
        std::map<QString, int> perLevel;
        for (const QString& line : run.lines)
            ++perLevel[QFileInfo(line.section(':', 0, 0)).fileName()];
        const std::map<QString, int> expected = {
            {"LEVEL02.CK1", 1}, {"LEVEL12.CK1", 19}, {"LEVEL16.CK1", 1}, {"LEVEL80.CK1", 4}};
        QCOMPARE(perLevel, expected);
        QCOMPARE(check(QStringList{"--all"} + files).lines.size(), 2 + 60 + 6 + 5);
    }

    // With the game's folder the checks know what each tile does: the real
    // levels stay as they are, a level without its exit cannot be finished
    // and a start inside a wall is warned about (tile 34 blocks from every
    // side in episode 1). Without the folder, one note says they were
    // skipped.
    void gameRules_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("withGame");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected"); // lines of LEVEL01 after its path
        QTest::addColumn<bool>("skippedNote");
        QTest::newRow("as the game has it") << "" << true << 0 << QStringList() << false;
        QTest::newRow("exit removed")
            << "exit" << true << 1
            << QStringList{": error: the level has no exit, so it cannot be finished (the exit "
                           "is tile 159)"}
            << false;
        QTest::newRow("start in a wall")
            << "start" << true << 0
            << QStringList{":3,15: warning: Keen's start cell holds tile 34 (solid): Keen "
                           "starts stuck or dies"}
            << false;
        QTest::newRow("no game folder") << "exit" << false << 0 << QStringList() << true;
    }

    void gameRules() {
        GM_REQUIRE_REAL_DATA();
        QFETCH(QString, change);
        QFETCH(bool, withGame);
        QTemporaryDir dir;
        const QString file = dir.filePath("LEVEL01.CK1");
        Level level;
        QVERIFY(level.Load(QDir(realDataDir()).filePath("LEVEL01.CK1")).ok);
        for (int y = 0; y < level.Height(); ++y)
            for (int x = 0; x < level.Width(); ++x) {
                if (change == "exit" && level.Tile(x, y) == 159)
                    level.SetTile(x, y, 143);
                if (change == "start" && level.Info(x, y) == 255)
                    level.SetTile(x, y, 34);
            }
        QVERIFY(level.Save(file).ok);
        QStringList args;
        if (withGame)
            args << "--game" << realDataDir();
        const Run run = check(args + QStringList{file, file});
        QTEST(run.exitCode, "exitCode");
        QFETCH(QStringList, expected);
        QStringList twice;
        for (const QString& line : expected)
            twice << file + line;
        QCOMPARE(run.lines, twice + twice);
        QFETCH(bool, skippedNote);
        QCOMPARE(run.err.count("were skipped"), skippedNote ? 1 : 0);
    }

    // Every file is reported, the unreadable one on stderr, and any error
    // or unreadable file makes the exit code 1.
    void errorsAndUnreadableFilesExitOne() {
        QTemporaryDir dir;
        Level level;
        level.Create(20, 10, 1, 4);
        level.SetTile(5, 6, 611);
        level.SetTile(7, 6, 611);
        const QString bad = dir.filePath("LEVEL04.CK1");
        QVERIFY(level.Save(bad).ok);
        level.Create(20, 10, 1, 5);
        level.SetInfo(2, 2, 255);
        level.SetTile(0, 3, 0);
        level.SetTile(19, 9, 155);
        const QString good = dir.filePath("LEVEL05.CK1");
        QVERIFY(level.Save(good).ok);
        const QString missing = dir.filePath("LEVEL06.CK1");

        Run run = check({bad, good});
        QCOMPARE(run.exitCode, 1);
        const QString frame = ": warning: the outer frame holds tile %1, not the border tile "
                              "144: Keen may leave the level there";
        QCOMPARE(run.lines,
                 QStringList({bad + ": error: Keen has no start: no cell holds the info value 255",
                              bad + ":5,6: error: tile 611 is not one of the "
                                    "episode's 611 tiles (0 to 610) (2 cells, first at 5,6)",
                              good + ":0,3" + frame.arg(0), good + ":19,9" + frame.arg(155)}));
        run = check({missing, good});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.lines.size(), 2);
        QVERIFY2(run.err.contains("LEVEL06.CK1"), qPrintable(run.err));
        QCOMPARE(check({good}).exitCode, 0);
    }
};

GM_TEST_GUILESS_MAIN(tst_CheckTool)
#include "tst_CheckTool.moc"
