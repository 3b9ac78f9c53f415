// gridmason-tool check as a person or a script uses it: one line per group
// of identical findings (or per cell with --all), files and folders checked
// whole, and the exit code says whether any file has an error.

#include "Level.h"
#include "TestData.h"
#include "TestMain.h"
#include "ToolProcess.h"

#include <QFileInfo>
#include <QRegularExpression>
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

struct Cell {
    int x, y, info;
};
using Cells = QList<Cell>;

// A folder of episode 1: LEVEL01 and `levels`, each a sound level with
// Keen's start, and unless `cells` is empty a 12 x 10 map whose info plane
// holds Keen's start, the entrance to level 1 at 2,2 and `cells`.
bool makeEpisode(const QString& folder, const QList<int>& levels, const Cells& cells) {
    Level level;
    for (int number : QList<int>{1} + levels) {
        level.Create(10, 8, 1, qint16(number));
        level.SetInfo(3, 3, 255);
        const QString name = QString("LEVEL%1.CK1").arg(number, 2, 10, QChar('0'));
        if (!level.Save(QDir(folder).filePath(name)).ok)
            return false;
    }
    if (cells.isEmpty())
        return true;
    level.Create(12, 10, 1, 80);
    level.SetInfo(5, 5, 255);
    level.SetInfo(2, 2, 1);
    for (const Cell& c : cells)
        level.SetInfo(c.x, c.y, qint16(c.info));
    return level.Save(QDir(folder).filePath("LEVEL80.CK1")).ok;
}

} // namespace

Q_DECLARE_METATYPE(Cells)

class tst_CheckTool : public QObject {
    Q_OBJECT

private slots:
    void usage() {
        for (const QStringList& args : {QStringList{}, QStringList{"--all"}, QStringList{"--al"}}) {
            const Run run = check(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(
                run.err.contains("usage: gridmason-tool check [--all] [--game DIR] FILE|FOLDER..."),
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

    // A folder is checked whole, its levels in the order of their numbers,
    // each under its own path, in the line form of files; what lies on the
    // map goes under the map's path, even a map the folder lacks. One row
    // per check across the episode; "DIR" stands for the folder.
    void folder_data() {
        QTest::addColumn<bool>("real");         // the game's own episode without level 5
        QTest::addColumn<QList<int>>("levels"); // besides LEVEL01
        QTest::addColumn<Cells>("map");         // no map when empty
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected");
        const QStringList dir = {"DIR"};
        const Cells entrance = {{2, 2, 1}};
        QTest::newRow("entrance to a missing level")
            << false << QList<int>{} << Cells{{6, 6, 7}} << dir << 1
            << QStringList{"DIR/LEVEL80.CK1:6,6: error: the entrance to level 7 leads to "
                           "LEVEL07.CK1, which is not in the folder"};
        QTest::newRow("a level no entrance leads to")
            << false << QList<int>{16, 2} << entrance << dir << 0
            << QStringList{"DIR/LEVEL02.CK1: warning: no entrance on the world map leads to "
                           "this level (no cell of the map holds the info value 2)",
                           "DIR/LEVEL16.CK1: warning: no entrance on the world map leads to "
                           "this level (no cell of the map holds the info value 16)"};
        QTest::newRow("a blocker that never opens")
            << false << QList<int>{} << Cells{{6, 6, 0x8007}, {7, 6, 0x8007}} << dir << 0
            << QStringList{"DIR/LEVEL80.CK1:6,6: warning: the blocker 0x8007 opens once level 7 "
                           "is finished, but LEVEL07.CK1 is not in the folder: it never opens"};
        QTest::newRow("entrances apart")
            << false << QList<int>{} << Cells{{8, 7, 1}} << dir << 0
            << QStringList{"DIR/LEVEL80.CK1:8,7: note: another entrance to level 1, apart from "
                           "the one at 2,2 (the map has 2 entrances to it)"};
        QTest::newRow("no map") << false << QList<int>{} << Cells{} << dir << 0
                                << QStringList{"DIR/LEVEL80.CK1: warning: the folder has no world "
                                               "map (LEVEL80.CK1), so no entrance is checked"};
        // Info value 20 shows no sprite on a map.
        const Cells hidden = {{4, 4, 20}, {9, 4, 20}, {6, 6, 7}};
        const QString hiddenText = ": warning: info value 20 shows no sprite (kept in the file, "
                                   "not shown in the editor)";
        const QString missingText = ":6,6: error: the entrance to level 7 leads to LEVEL07.CK1, "
                                    "which is not in the folder";
        QTest::newRow("grouped, errors first, beside a file")
            << false << QList<int>{} << hidden << QStringList{"DIR/LEVEL80.CK1", "DIR"} << 1
            << QStringList{"DIR/LEVEL80.CK1:4,4" + hiddenText + " (2 cells, first at 4,4)",
                           "DIR/LEVEL80.CK1" + missingText,
                           "DIR/LEVEL80.CK1:4,4" + hiddenText + " (2 cells, first at 4,4)"};
        QTest::newRow("--all") << false << QList<int>{} << hidden << QStringList{"--all", "DIR"}
                               << 1
                               << QStringList{"DIR/LEVEL80.CK1:4,4" + hiddenText,
                                              "DIR/LEVEL80.CK1:9,4" + hiddenText,
                                              "DIR/LEVEL80.CK1" + missingText};
        // The map's entrance to level 5 is the folder's only error, with the
        // tile rules too; only the errors are compared.
        QTest::newRow("real episode without level 5")
            << true << QList<int>{} << Cells{} << QStringList{"--game", realDataDir(), "DIR"} << 1
            << QStringList{"DIR/LEVEL80.CK1:15,18: error: the entrance to level 5 leads to "
                           "LEVEL05.CK1, which is not in the folder"};
    }

    void folder() {
        QFETCH(bool, real);
        QFETCH(QList<int>, levels);
        QFETCH(Cells, map);
        QFETCH(QStringList, args);
        QFETCH(QStringList, expected);
        if (real)
            GM_REQUIRE_REAL_DATA();
        QTemporaryDir dir;
        const QDir data(realDataDir());
        for (const QString& name : data.entryList({"LEVEL??.CK1"}, QDir::Files))
            if (real && name != "LEVEL05.CK1")
                QVERIFY(QFile::copy(data.filePath(name), dir.filePath(name)));
        QVERIFY(real || makeEpisode(dir.path(), levels, map));
        args.replaceInStrings(QRegularExpression("^DIR"), dir.path());
        const Run run = check(args);
        QTEST(run.exitCode, "exitCode");
        QStringList lines;
        for (const QString& line : run.lines)
            if (!real || line.contains(": error: "))
                lines << "DIR" + line.mid(dir.path().size());
        QCOMPARE(lines, expected);
    }

    // A folder that holds no level fails with the reason; the paths after
    // it are checked all the same.
    void emptyFolderFails() {
        QTemporaryDir dir;
        const QString empty = dir.filePath("empty");
        QVERIFY(QDir().mkpath(empty));
        QVERIFY(makeEpisode(dir.path(), {}, {{2, 3, 20}}));
        const Run run = check({empty, dir.filePath("LEVEL80.CK1")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QString("The folder \"%1\" holds no level files").arg(empty)),
                 qPrintable(run.err));
        QCOMPARE(run.lines.size(), 1);
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
