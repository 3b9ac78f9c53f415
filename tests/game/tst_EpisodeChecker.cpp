// The checks across an episode on crafted folders, one rule a row.

#include "EpisodeChecker.h"
#include "EpisodeFolder.h"
#include "MapIndex.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

struct Cell {
    int x, y, info;
};
using Cells = QList<Cell>;

// "error MissingLevel 80 4,4": severity, rule, level filed under, cell.
QStringList briefs(const std::vector<EpisodeChecker::LevelFinding>& findings) {
    const auto rule = [](FindingKind kind) {
        switch (kind) {
        case FindingKind::MissingLevel:
            return "MissingLevel";
        case FindingKind::NoEntrance:
            return "NoEntrance";
        case FindingKind::BlockerWithoutLevel:
            return "BlockerWithoutLevel";
        case FindingKind::SplitEntrance:
            return "SplitEntrance";
        case FindingKind::NoMap:
            return "NoMap";
        default:
            return "other";
        }
    };
    QStringList out;
    for (const auto& [level, f] : findings)
        out << QStringLiteral("%1 %2 %3 %4,%5")
                   .arg(SeverityText(f.severity), rule(f.kind))
                   .arg(level)
                   .arg(f.x)
                   .arg(f.y);
    return out;
}

// A 10 x 8 map with `cells` written into its info plane.
MapIndex mapWith(const Cells& cells) {
    std::vector<qint16> plane(80, 0);
    for (const Cell& c : cells)
        plane[size_t(c.y * 10 + c.x)] = qint16(c.info);
    return MapIndex::Build(10, 8, plane);
}

} // namespace

Q_DECLARE_METATYPE(Cells)

class tst_EpisodeChecker : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        QTest::addColumn<QList<int>>("levels"); // the files in the folder
        QTest::addColumn<Cells>("map");         // null map when empty
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all there") << QList<int>{1, 2, 80, 81, 90}
                                   << Cells{{1, 1, 1}, {2, 1, 0x8001}, {5, 5, 2}} << QStringList{};
        QTest::newRow("entrance to a missing level, once a door")
            << QList<int>{1, 80} << Cells{{1, 1, 1}, {4, 4, 5}, {4, 5, 5}, {7, 2, 5}}
            << QStringList{"error MissingLevel 80 7,2", "error MissingLevel 80 4,4",
                           "note SplitEntrance 80 4,4"};
        QTest::newRow("a level no entrance leads to")
            << QList<int>{1, 2, 16, 17, 80, 81, 90} << Cells{{1, 1, 1}}
            << QStringList{"warning NoEntrance 2 -1,-1", "warning NoEntrance 16 -1,-1"};
        QTest::newRow("a blocker that never opens")
            << QList<int>{1, 80} << Cells{{1, 1, 1}, {2, 1, 0x8001}, {6, 6, 0x8007}, {7, 6, 0x8007}}
            << QStringList{"warning BlockerWithoutLevel 80 6,6"};
        QTest::newRow("doors apart, not a 2 x 2 door or a diagonal")
            << QList<int>{3, 80}
            << Cells{{1, 1, 3}, {2, 1, 3}, {1, 2, 3}, {2, 2, 3}, {3, 3, 3}, {8, 1, 3}, {0, 7, 3}}
            << QStringList{"note SplitEntrance 80 8,1", "note SplitEntrance 80 0,7"};
        QTest::newRow("no map") << QList<int>{1, 2} << Cells{}
                                << QStringList{"warning NoMap 80 -1,-1"};
        QTest::newRow("a map that cannot be read") << QList<int>{1, 80} << Cells{} << QStringList{};
    }

    void rules() {
        QFETCH(QList<int>, levels);
        QFETCH(Cells, map);
        QTemporaryDir dir;
        for (int number : levels)
            QVERIFY(writeFile(dir.filePath(EpisodeFolder::GameName(number, 1)), "x"));
        EpisodeFolder folder;
        QVERIFY(EpisodeFolder::Scan(dir.path(), 1, folder).ok);
        const MapIndex index = mapWith(map);
        const auto findings = EpisodeChecker::Check(folder, map.isEmpty() ? nullptr : &index);
        QTEST(briefs(findings), "expected");
    }

    void messagesNameTheLevelAndFile() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("level80.ck2"), "x"));
        QVERIFY(writeFile(dir.filePath("level04.ck2"), "x"));
        EpisodeFolder folder;
        QVERIFY(EpisodeFolder::Scan(dir.path(), 0, folder).ok);
        const MapIndex index = mapWith({{1, 1, 5}, {2, 2, 0x8009}, {4, 4, 4}, {9, 7, 4}});
        const auto findings = EpisodeChecker::Check(folder, &index);
        QCOMPARE(findings.size(), size_t(3));
        QCOMPARE(findings[0].finding.message,
                 "the entrance to level 5 leads to LEVEL05.CK2, which is not in the folder");
        QCOMPARE(findings[1].finding.message,
                 "the blocker 0x8009 opens once level 9 is finished, but LEVEL09.CK2 is not in "
                 "the folder: it never opens");
        QCOMPARE(findings[2].finding.message,
                 "another entrance to level 4, apart from the one at 4,4 "
                 "(the map has 2 entrances to it)");
    }
};

GM_TEST_APPLESS_MAIN(tst_EpisodeChecker)
#include "tst_EpisodeChecker.moc"
