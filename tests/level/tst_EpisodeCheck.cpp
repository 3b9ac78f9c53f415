// A folder checked whole: each level's own findings and those across the
// episode, grouped per level, on a crafted folder and on the real episode
// with a level taken away.

#include "EpisodeCheck.h"
#include "Level.h"
#include "LevelChecker.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TileBehaviour.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "LEVEL80.CK1: error 4,4" for each finding, and "LEVEL81.CK1" for a level
// with none.
QStringList lines(const EpisodeCheck::Report& report) {
    QStringList out;
    for (const EpisodeCheck::LevelReport& level : report.levels) {
        const QString name = QFileInfo(level.path).fileName();
        if (level.findings.empty())
            out << name;
        for (const Finding& f : level.findings)
            out << QStringLiteral("%1: %2 %3,%4")
                       .arg(name, SeverityText(f.severity))
                       .arg(f.x)
                       .arg(f.y);
    }
    return out;
}

bool save(const Level& level, const QString& path) {
    return level.Save(path).ok;
}

} // namespace

class tst_EpisodeCheck : public QObject {
    Q_OBJECT

private slots:
    void groupedPerLevel() {
        QTemporaryDir dir;
        const QDir d(dir.path());
        Level level;
        level.Create(10, 8, 1, 1); // no start: an error of its own
        QVERIFY(save(level, d.filePath("LEVEL01.CK1")));
        level.SetInfo(3, 3, 255);
        level.SetTile(4, 4, 3); // the exit of the table below
        QVERIFY(save(level, d.filePath("level02.ck1")));
        QVERIFY(writeFile(d.filePath("LEVEL03.CK1"), "short")); // cannot be read
        level.Create(12, 10, 1, 80);
        level.SetInfo(5, 5, 255);
        level.SetInfo(2, 2, 1);
        level.SetInfo(3, 3, 3);
        level.SetInfo(6, 6, 7);   // no LEVEL07
        level.SetInfo(0, 0, 143); // no sprite: a warning of its own (the map's frame is free)
        level.SetTile(0, 0, 143);
        QVERIFY(save(level, d.filePath("LEVEL80.CK1")));
        QVERIFY(writeFile(d.filePath("LEVEL01.CK2"), "another episode"));

        EpisodeCheck::Report report;
        QVERIFY(EpisodeCheck::Run(dir.path(), 0, nullptr, report).ok);
        QCOMPARE(lines(report),
                 (QStringList{"LEVEL01.CK1: error -1,-1", "level02.ck1: warning -1,-1",
                              "LEVEL03.CK1: error -1,-1", "LEVEL80.CK1: warning 0,0",
                              "LEVEL80.CK1: error 6,6"}));
        QVERIFY(report.levels[1].findings[0].message.contains("no entrance"));
        QVERIFY(report.levels[2].findings[0].message.contains("LEVEL03.CK1"));
        QVERIFY(report.HasErrors());
        QCOMPARE(report.levels[3].Count(Severity::Warning), 1);

        // With the game's tile table, the tile rules join each level's own.
        using T = TileBehaviour::Tile;
        std::vector<T> tiles(611);
        tiles[3] = T{1, TileBehaviour::Exit};
        const TileBehaviour table(tiles);
        QVERIFY(EpisodeCheck::Run(dir.path(), 1, &table, report).ok);
        QCOMPARE(lines(report).first(2),
                 (QStringList{"LEVEL01.CK1: error -1,-1", "LEVEL01.CK1: error -1,-1"}));
        QVERIFY(report.levels[0].findings[1].message.contains("no exit"));
    }

    void missingMapIsReportedInItsPlace() {
        QTemporaryDir dir;
        Level level;
        level.Create(10, 8, 1, 90);
        QVERIFY(save(level, dir.filePath("LEVEL90.CK1")));
        EpisodeCheck::Report report;
        QVERIFY(EpisodeCheck::Run(dir.path(), 0, nullptr, report).ok);
        QCOMPARE(lines(report), (QStringList{"LEVEL80.CK1: warning -1,-1", "LEVEL90.CK1"}));
        QCOMPARE(report.levels[0].path, QDir(dir.path()).filePath("LEVEL80.CK1"));
        QVERIFY(!report.HasErrors());
        QVERIFY(!EpisodeCheck::Run(dir.filePath("none"), 0, nullptr, report).ok);
    }

    void realEpisodeWithoutLevelFive() {
        GM_REQUIRE_REAL_DATA();
        QTemporaryDir dir;
        const QDir data(realDataDir());
        for (const QString& name : data.entryList({"LEVEL??.CK1"}, QDir::Files))
            if (name != "LEVEL05.CK1")
                QVERIFY(QFile::copy(data.filePath(name), dir.filePath(name)));
        EpisodeCheck::Report report;
        QVERIFY(EpisodeCheck::Run(dir.path(), 0, nullptr, report).ok);
        QCOMPARE(report.levels.size(), size_t(18));
        const EpisodeCheck::LevelReport& map = report.levels[15];
        QCOMPARE(map.number, 80);
        QCOMPARE(map.Count(Severity::Error), 1);
        // The map's entrance 5, one cell.
        QVERIFY(std::any_of(map.findings.begin(), map.findings.end(), [](const auto& f) {
            return f.severity == Severity::Error && f.x == 15 && f.y == 18;
        }));
    }
};

GM_TEST_GUILESS_MAIN(tst_EpisodeCheck)
#include "tst_EpisodeCheck.moc"
