// The findings of Level, Check Level on crafted levels, each with one known
// fault, and on the game's own levels.

#include "Level.h"
#include "LevelChecker.h"
#include "TestData.h"
#include "TestMain.h"

#include <QTest>

namespace {

using Kind = FindingKind;

// One finding as "error NoStart -1,-1": severity, kind and cell.
QString brief(const Finding& f) {
    static const char* const kinds[] = {"Episode",     "TooLarge",   "NoStart", "ManyStarts",
                                        "UnknownTile", "HiddenInfo", "OpenEdge"};
    return QStringLiteral("%1 %2 %3,%4")
        .arg(f.severity == Severity::Error ? "error" : "warning", kinds[int(f.kind)])
        .arg(f.x)
        .arg(f.y);
}

QStringList briefs(const std::vector<Finding>& findings) {
    QStringList out;
    for (const auto& f : findings)
        out << brief(f);
    return out;
}

// A level as the editor makes it: a border frame around fill, with Keen's
// start at (3, 3) unless `start` is false.
Level made(int w, int h, int episode, int number, bool start = true) {
    Level level;
    level.Create(qint16(w), qint16(h), qint16(episode), qint16(number));
    if (start)
        level.SetInfo(3, 3, 255);
    return level;
}

struct Cell {
    int x, y, tile, info;
};

} // namespace

Q_DECLARE_METATYPE(Level)

class tst_LevelChecker : public QObject {
    Q_OBJECT

private slots:
    void findings_data() {
        QTest::addColumn<Level>("level");
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<QStringList>("expected");
        // Cells written after the level is made: x, y, tile (-2 keeps it), info.
        auto with = [](Level level, std::initializer_list<Cell> cells) {
            for (const Cell& c : cells) {
                if (c.tile != -2)
                    level.SetTile(c.x, c.y, qint16(c.tile));
                level.SetInfo(c.x, c.y, qint16(c.info));
            }
            return level;
        };
        const QStringList none;
        QTest::newRow("plain level") << made(24, 17, 1, 1) << 611 << none;
        QTest::newRow("largest that plays, 124x132") << made(124, 132, 1, 1) << 611 << none;
        QTest::newRow("16376 cells") << made(8, 2047, 1, 1) << 611 << none;
        QTest::newRow("16377 cells") << made(16377, 1, 1, 1, false) << 611
                                     << QStringList{"error TooLarge -1,-1", "error NoStart -1,-1"};
        QTest::newRow("128x128") << made(128, 128, 2, 3) << 689
                                 << QStringList{"error TooLarge -1,-1"};
        QTest::newRow("no start, level 16")
            << made(30, 20, 1, 16, false) << 611 << QStringList{"error NoStart -1,-1"};
        QTest::newRow("no start, map")
            << made(30, 20, 3, 80, false) << 624 << QStringList{"error NoStart -1,-1"};
        QTest::newRow("no start, ending scene") << made(30, 20, 1, 81, false) << 611 << none;
        QTest::newRow("no start, title scene") << made(30, 20, 1, 90, false) << 611 << none;
        QTest::newRow("two starts")
            << with(made(30, 20, 1, 2), {{9, 4, -2, 255}}) << 611
            << QStringList{"warning ManyStarts 3,3", "warning ManyStarts 9,4"};
        QTest::newRow("tiles past the sheet and negative")
            << with(made(30, 20, 1, 1), {{5, 5, 611, 0}, {6, 5, 610, 0}, {7, 6, -1, 0}}) << 611
            << QStringList{"error UnknownTile 5,5", "error UnknownTile 7,6"};
        QTest::newRow("episode 2 has tile 611")
            << with(made(30, 20, 2, 1), {{5, 5, 611, 0}}) << 689 << none;
        QTest::newRow("a smaller loaded sheet") << with(made(30, 20, 2, 1), {{5, 5, 200, 0}}) << 200
                                                << QStringList{"error UnknownTile 5,5"};
        QTest::newRow("info values showing nothing, episode 1")
            << with(made(30, 20, 1, 1),
                    {{5, 5, -2, 10}, {6, 5, -2, 11}, {7, 5, -2, -5}, {8, 5, -2, 16}})
            << 611
            << QStringList{"warning HiddenInfo 6,5", "warning HiddenInfo 7,5",
                           "warning HiddenInfo 8,5"};
        QTest::newRow("episode 3 shows 18")
            << with(made(30, 20, 3, 1), {{5, 5, -2, 18}, {6, 5, -2, 19}}) << 624
            << QStringList{"warning HiddenInfo 6,5"};
        // Entrances 1..16 and blockers 0x8001..0x8010 belong on the map.
        QTest::newRow("map entrances and blockers")
            << with(made(30, 20, 1, 80), {{5, 5, -2, 16},
                                          {6, 5, -2, -32752},
                                          {7, 5, -2, -32767},
                                          {8, 5, -2, 17},
                                          {9, 5, -2, -32751},
                                          {10, 5, -2, 20}})
            << 611
            << QStringList{"warning HiddenInfo 8,5", "warning HiddenInfo 9,5",
                           "warning HiddenInfo 10,5"};
        // Only the border tile (144, 144, 245) closes the outermost ring;
        // the second ring is not judged.
        QTest::newRow("any other tile on the outer frame")
            << with(made(30, 20, 3, 1),
                    {{0, 7, 143, 0}, {29, 19, 0, 0}, {12, 0, 155, 0}, {1, 7, 143, 0}, {5, 1, 0, 0}})
            << 624
            << QStringList{"warning OpenEdge 12,0", "warning OpenEdge 0,7",
                           "warning OpenEdge 29,19"};
        QTest::newRow("episode 1's border tile on episode 3's frame")
            << with(made(30, 20, 3, 1), {{0, 0, 144, 0}}) << 624
            << QStringList{"warning OpenEdge 0,0"};
        QTest::newRow("a tile past the sheet on the frame")
            << with(made(30, 20, 1, 1), {{29, 3, 700, 0}}) << 611
            << QStringList{"error UnknownTile 29,3", "warning OpenEdge 29,3"};
        QTest::newRow("the map's frame is open")
            << with(made(30, 20, 2, 80), {{0, 7, 155, 0}, {29, 19, 0, 0}}) << 689 << none;
        QTest::newRow("the ending scene's frame")
            << with(made(30, 20, 1, 81, false), {{0, 7, 155, 0}}) << 611 << none;
        QTest::newRow("episode 4")
            << made(30, 20, 4, 1, false) << 0 << QStringList{"error Episode -1,-1"};
    }

    void findings() {
        QFETCH(Level, level);
        QFETCH(int, tileCount);
        QFETCH(QStringList, expected);
        const auto found = LevelChecker::Check(level, tileCount);
        QCOMPARE(briefs(found), expected);
        QCOMPARE(LevelChecker::HasErrors(found), expected.join(' ').contains("error"));
    }

    void messagesNameTheValues() {
        Level level = made(125, 132, 1, 1);
        level.SetTile(5, 5, 700);
        level.SetInfo(6, 5, -32767);
        level.SetTile(0, 9, 0);
        const auto found = LevelChecker::Check(level, 611);
        QCOMPARE(found.size(), size_t(4));
        QCOMPARE(found[0].message,
                 QString("too large for the game to load: 16,500 cells, at most 16,376"));
        QCOMPARE(found[1].message,
                 QString("tile 700 is not one of the episode's 611 tiles (0 to 610)"));
        QCOMPARE(found[2].message, QString("info value 0x8001 shows no sprite (kept in the file, "
                                           "not shown in the editor)"));
        QCOMPARE(found[3].message, QString("the outer frame holds tile 0, not the border tile 144: "
                                           "Keen may leave the level there"));
    }

    // What the game's own episode-1 levels really hold: a few values that
    // show nothing (LEVEL02's two 23s, the garbage in LEVEL12's last rows,
    // the map's 20, 38, 41 and 46), tile 71 in six cells of LEVEL16's
    // frame, and no errors.
    void realLevels() {
        GM_REQUIRE_REAL_DATA();
        const std::map<QString, int> warnings = {
            {"LEVEL02.CK1", 2}, {"LEVEL12.CK1", 60}, {"LEVEL16.CK1", 6}, {"LEVEL80.CK1", 5}};
        const QStringList names = QDir(realDataDir()).entryList({"LEVEL*.CK1"}, QDir::Files);
        QCOMPARE(names.size(), 19);
        for (const QString& name : names) {
            Level level;
            QVERIFY(level.Load(QDir(realDataDir()).filePath(name)).ok);
            const auto found = LevelChecker::Check(level, 611);
            const auto known = warnings.find(name);
            QCOMPARE(int(found.size()), known == warnings.end() ? 0 : known->second);
            const Kind kind = name == "LEVEL16.CK1" ? Kind::OpenEdge : Kind::HiddenInfo;
            for (const auto& f : found)
                QVERIFY2(f.kind == kind, qPrintable(name + ": " + f.message));
        }
    }
};

GM_TEST_GUILESS_MAIN(tst_LevelChecker)
#include "tst_LevelChecker.moc"
