// What the check dock lists, driven without a window: the lines of a level's
// grouped findings, the filters, and a new check a moment after changes.

#include "LevelCheckModel.h"
#include "LevelDocument.h"
#include "TestMain.h"
#include "TileBehaviour.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// The model's lines: top-level texts, each group's cells after it as
// "  at x, y".
QStringList lines(const QStandardItemModel& model) {
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex line = model.index(row, 0);
        out << line.data().toString();
        for (int child = 0; child < model.rowCount(line); ++child)
            out << "  " + model.index(child, 0, line).data().toString();
    }
    return out;
}

const QString NoStart = "error: Keen has no start: no cell holds the info value 255";
const QString Hidden = "warning: info value 11 shows no sprite (kept in the file, not shown in "
                       "the editor) \u2014 3 cells";
const QString Unknown = "error at 9, 9: tile 700 is not one of the episode's 611 tiles (0 to 610)";

// A 30 x 20 level of episode 1 with no start, info value 11 (no sprite in
// episode 1) in three cells and tile 700 in one.
std::unique_ptr<LevelDocument> faultyLevel() {
    auto document = std::make_unique<LevelDocument>();
    document->NewLevel(30, 20, 1, 1);
    for (int x = 5; x <= 7; ++x)
        document->SetCell(CellChange::InfoPlane, x, 5, 11);
    document->SetCell(CellChange::TilePlane, 9, 9, 700);
    return document;
}

} // namespace

class tst_LevelCheckModel : public QObject {
    Q_OBJECT

private slots:
    void lines_data() {
        QTest::addColumn<bool>("errors");
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<QStringList>("expected");
        const QStringList cells = {"  at 5, 5", "  at 6, 5", "  at 7, 5"};
        QTest::newRow("all") << true << true << (QStringList{NoStart, Unknown, Hidden} + cells);
        QTest::newRow("errors") << true << false << QStringList{NoStart, Unknown};
        QTest::newRow("warnings") << false << true << (QStringList{Hidden} + cells);
        QTest::newRow("neither") << false << false
                                 << QStringList{"Every finding is hidden: turn Errors or "
                                                "Warnings on."};
    }

    void lines() {
        QFETCH(bool, errors);
        QFETCH(bool, warnings);
        QFETCH(QStringList, expected);
        auto document = faultyLevel();
        LevelCheckModel model;
        model.Follow(document.get(), [] { return 611; });
        model.SetShown(Severity::Error, errors);
        model.SetShown(Severity::Warning, warnings);
        QCOMPARE(::lines(model), expected);
        // The filters hide lines, not findings.
        QCOMPARE(model.Count(Severity::Error), 2);
        QCOMPARE(model.Count(Severity::Warning), 3);
    }

    // A group goes to its first cell, each of its cells to itself; a
    // finding about the whole level goes nowhere.
    void linesHoldTheirCells() {
        auto document = faultyLevel();
        LevelCheckModel model;
        model.Follow(document.get(), [] { return 611; });
        const auto cellOf = [&](const QModelIndex& index) {
            return index.data(LevelCheckModel::CellRole);
        };
        QVERIFY(!cellOf(model.index(0, 0)).isValid());
        QCOMPARE(cellOf(model.index(1, 0)).toPoint(), QPoint(9, 9));
        QCOMPARE(cellOf(model.index(2, 0)).toPoint(), QPoint(5, 5));
        QCOMPARE(cellOf(model.index(2, 0, model.index(2, 0))).toPoint(), QPoint(7, 5));
    }

    // A note reads as one, beside the errors' and warnings' lines.
    void noteLine() {
        const FindingGroup note{
            Severity::Note, FindingKind::SplitEntrance, "another entrance", {QPoint(8, 1)}};
        QCOMPARE(LevelCheckModel::LineText(note), "note at 8, 1: another entrance");
    }

    void emptyStates() {
        LevelCheckModel model;
        QCOMPARE(::lines(model), QStringList{"No level is open."});
        {
            auto document = std::make_unique<LevelDocument>();
            document->NewLevel(30, 20, 1, 1);
            document->SetCell(CellChange::InfoPlane, 4, 4, 255);
            model.Follow(document.get(), [] { return 611; });
            QCOMPARE(::lines(model), QStringList{"No problems found."});
        }
        // The document went away with its window.
        QCOMPARE(::lines(model), QStringList{"No level is open."});
    }

    // With the episode's table the tile rules join the findings; without
    // it one line, first, says they were skipped and why.
    void tileRules_data() {
        QTest::addColumn<bool>("table");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("table") << true
                               << QStringList{"error: the level has no exit, so it cannot be "
                                              "finished (the exit is tile 3)",
                                              "warning at 4, 4: Keen's start cell holds tile 9 "
                                              "(solid): Keen starts stuck or dies"};
        QTest::newRow("none") << false
                              << QStringList{"The checks that need the game's tile behaviour were "
                                             "skipped: KEEN1.EXE is not in the game folder",
                                             "No problems found."};
    }

    void tileRules() {
        QFETCH(bool, table);
        QFETCH(QStringList, expected);
        LevelDocument document;
        document.NewLevel(30, 20, 1, 1);
        document.SetCell(CellChange::InfoPlane, 4, 4, 255);
        document.SetCell(CellChange::TilePlane, 4, 4, 9);
        // Ten tiles: 3 the exit, 9 solid from every side.
        std::vector<TileBehaviour::Tile> tiles(10);
        tiles[3].behaviour = TileBehaviour::Exit;
        tiles[9].top = tiles[9].right = tiles[9].bottom = tiles[9].left = 1;
        const auto behaviour = std::make_shared<const TileBehaviour>(tiles);
        LevelCheckModel model;
        model.Follow(
            &document, [] { return 611; },
            [&] {
                return table ? LevelCheckModel::TileRules{behaviour, {}}
                             : LevelCheckModel::TileRules{nullptr,
                                                          "KEEN1.EXE is not in the game folder"};
            });
        QCOMPARE(::lines(model), expected);
    }

    // Changes are checked a moment later, a drag once it is over: 300
    // cells painted cost one check.
    void checksOnceAfterADrag() {
        LevelDocument document;
        document.NewLevel(100, 60, 1, 1);
        LevelCheckModel model;
        model.Follow(&document, [] { return 611; });
        QSignalSpy checked(&model, &LevelCheckModel::Checked);
        document.BeginStroke();
        for (int i = 0; i < 300; ++i) {
            document.SetCell(CellChange::TilePlane, 5 + i % 90, 5 + i / 90, 700);
            if (i % 100 == 0)
                QTest::qWait(LevelCheckModel::DelayMs + 100);
        }
        QCOMPARE(checked.count(), 0);
        document.EndStroke();
        QTRY_COMPARE(checked.count(), 1);
        QTest::qWait(LevelCheckModel::DelayMs + 100);
        QCOMPARE(checked.count(), 1);
        QCOMPARE(
            model.index(1, 0).data().toString(),
            "error: tile 700 is not one of the episode's 611 tiles (0 to 610) \u2014 300 cells");

        // An undo and a new size are changes too.
        document.undoStack().undo();
        QTRY_COMPARE(checked.count(), 2);
        QCOMPARE(::lines(model), QStringList{NoStart});
        Level larger = document.level();
        larger.Resize(16377, 1);
        document.ReplaceLevel(larger, "Properties");
        QTRY_COMPARE(checked.count(), 3);
        QCOMPARE(model.index(0, 0).data().toString(),
                 "error: too large for the game to load: 16,377 cells, at most 16,376");
    }
};

GM_TEST_MAIN(tst_LevelCheckModel)
#include "tst_LevelCheckModel.moc"
