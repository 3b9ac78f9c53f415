// Identical findings (same severity, kind and message) become one group
// listing their cells, in the order the findings came, errors first.

#include "FindingGroup.h"
#include "TestMain.h"

#include <QTest>

namespace {

using Kind = FindingKind;

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;
constexpr Severity N = Severity::Note;

// A group as "message: x,y x,y" ("message: level" for the whole level).
QStringList briefs(const std::vector<FindingGroup>& groups) {
    QStringList out;
    for (const FindingGroup& g : groups) {
        QStringList cells;
        for (const QPoint& c : g.cells)
            cells << QStringLiteral("%1,%2").arg(c.x()).arg(c.y());
        out << g.message + ": " + (g.HasCell() ? cells.join(' ') : QString("level"));
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<Finding>)

class tst_FindingGroup : public QObject {
    Q_OBJECT

private slots:
    void group_data() {
        QTest::addColumn<std::vector<Finding>>("findings");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << std::vector<Finding>{} << QStringList{};
        QTest::newRow("same message, cells in order")
            << std::vector<Finding>{{W, Kind::HiddenInfo, 4, 1, "a"},
                                    {W, Kind::HiddenInfo, 2, 3, "a"},
                                    {W, Kind::HiddenInfo, 9, 3, "a"}}
            << QStringList{"a: 4,1 2,3 9,3"};
        QTest::newRow("another message, another group")
            << std::vector<Finding>{{W, Kind::HiddenInfo, 4, 1, "a"},
                                    {W, Kind::HiddenInfo, 5, 1, "b"},
                                    {W, Kind::HiddenInfo, 6, 1, "a"}}
            << QStringList{"a: 4,1 6,1", "b: 5,1"};
        QTest::newRow("same message, another kind")
            << std::vector<Finding>{{W, Kind::OpenEdge, 0, 1, "m"},
                                    {W, Kind::HiddenInfo, 0, 2, "m"}}
            << QStringList{"m: 0,1", "m: 0,2"};
        QTest::newRow("same message, another severity, errors first")
            << std::vector<Finding>{{W, Kind::UnknownTile, 3, 1, "m"},
                                    {E, Kind::UnknownTile, 4, 1, "m"},
                                    {W, Kind::UnknownTile, 5, 1, "m"}}
            << QStringList{"m: 4,1", "m: 3,1 5,1"};
        QTest::newRow("notes after warnings")
            << std::vector<Finding>{{N, Kind::SplitEntrance, 8, 1, "n"},
                                    {W, Kind::BlockerWithoutLevel, 6, 6, "b"},
                                    {E, Kind::MissingLevel, 7, 2, "e"},
                                    {N, Kind::SplitEntrance, 0, 7, "n"}}
            << QStringList{"e: 7,2", "b: 6,6", "n: 8,1 0,7"};
        QTest::newRow("whole level first")
            << std::vector<Finding>{{E, Kind::NoStart, -1, -1, "no start"},
                                    {E, Kind::UnknownTile, 3, 1, "t"},
                                    {E, Kind::UnknownTile, 3, 2, "t"}}
            << QStringList{"no start: level", "t: 3,1 3,2"};
    }

    void group() {
        QFETCH(std::vector<Finding>, findings);
        QFETCH(QStringList, expected);
        const std::vector<FindingGroup> groups = FindingGroup::Group(findings);
        QCOMPARE(briefs(groups), expected);
        int count = 0;
        for (const FindingGroup& g : groups)
            count += g.Count();
        QCOMPARE(count, int(findings.size()));
    }
};

GM_TEST_GUILESS_MAIN(tst_FindingGroup)
#include "tst_FindingGroup.moc"
