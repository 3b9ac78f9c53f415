// The Episode panel's model without widgets: the rows of a real folder with
// their thumbnails and check counts, open documents followed edit by edit
// (a drag redrawn once), the folder changed by others, and the filter.

#include "EpisodeCheck.h"
#include "EpisodeFilterModel.h"
#include "EpisodeModel.h"
#include "LevelDocument.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TileSet.h"
#include "graphics/GraphicsFixtures.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Episode 1's graphics made up: every tile and sprite pixel its own colour.
struct Graphics {
    TileSet tiles;
    SpriteSet sprites;
    Graphics() {
        tiles.LoadFromImage(fixtures::tileSheet(13 * 16, 48 * 16));
        Surface scratch;
        sprites.LoadFromSource(1, fixtures::episodeSprites(1), scratch);
    }
    // The level drawn whole at two pixels a cell, as the thumbnails are.
    QImage picture(const Level& level) const {
        Surface canvas(level.Width() * 2, level.Height() * 2);
        level.Display(canvas, 0, 0, tiles, sprites, ZoomLevel(-3));
        return canvas.image();
    }
};

// A level of episode 1 with Keen's start unless told not to, and the info
// values given (x, y, value).
struct Info {
    int x, y, value;
};

Level made(int number, bool start = true, std::initializer_list<Info> infos = {}) {
    Level level;
    level.Create(12, 10, 1, qint16(number));
    if (start)
        level.SetInfo(3, 3, 255);
    for (const Info& info : infos)
        level.SetInfo(info.x, info.y, qint16(info.value));
    return level;
}

QVariant at(const EpisodeModel& model, int number, int role) {
    return model.index(model.RowOfNumber(number)).data(role);
}

QList<int> numbers(const QAbstractItemModel& model) {
    QList<int> out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.index(r, 0).data(EpisodeModel::NumberRole).toInt();
    return out;
}

// Thumbnail updates of one row.
int thumbnailChanges(const QSignalSpy& spy, int row) {
    int n = 0;
    for (const QList<QVariant>& args : spy) {
        const auto roles = args.at(2).value<QList<int>>();
        if (args.at(0).toModelIndex().row() == row &&
            (roles.isEmpty() || roles.contains(EpisodeModel::ThumbnailRole)))
            ++n;
    }
    return n;
}

} // namespace

class tst_EpisodeModel : public QObject {
    Q_OBJECT

private slots:
    void realFolder() {
        GM_REQUIRE_REAL_DATA();
        const Graphics graphics;
        EpisodeModel model;
        model.SetGraphics(graphics.tiles, graphics.sprites);
        QSignalSpy progress(&model, &EpisodeModel::thumbnailProgress);
        QVERIFY(model.SetFolder(realDataDir()).ok);
        // The rows are there before anything is read.
        QCOMPARE(numbers(model),
                 (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 80, 81, 90}));
        QTRY_VERIFY_WITH_TIMEOUT(!model.Busy(), 60000);
        QCOMPARE(progress.last(), (QList<QVariant>{19, 19}));

        QCOMPARE(at(model, 2, EpisodeModel::LevelSizeRole).toSize(), QSize(24, 30));
        QCOMPARE(at(model, 15, EpisodeModel::LevelSizeRole).toSize(), QSize(142, 24));
        QCOMPARE(at(model, 80, EpisodeModel::LevelSizeRole).toSize(), QSize(70, 73));
        QCOMPARE(model.Map()->EntrancesTo(3).front().First(), QPoint(11, 23));
        EpisodeCheck::Report report;
        QVERIFY(EpisodeCheck::Run(realDataDir(), 1, nullptr, report).ok);
        for (const EpisodeCheck::LevelReport& level : report.levels) {
            QCOMPARE(at(model, level.number, EpisodeModel::ErrorCountRole).toInt(),
                     level.Count(Severity::Error));
            QCOMPARE(at(model, level.number, EpisodeModel::WarningCountRole).toInt(),
                     level.Count(Severity::Warning));
            Level read;
            QVERIFY(read.Load(level.path).ok);
            QCOMPARE(at(model, level.number, EpisodeModel::ThumbnailRole).value<QImage>(),
                     graphics.picture(read));
        }
    }

    void followsOpenDocuments() {
        QTemporaryDir dir;
        QVERIFY(made(1).Save(dir.filePath("LEVEL01.CK1")).ok);
        QVERIFY(made(2).Save(dir.filePath("LEVEL02.CK1")).ok);
        QVERIFY(made(80, true, {{2, 2, 1}}).Save(dir.filePath("LEVEL80.CK1")).ok);
        const Graphics graphics;
        EpisodeModel model;
        model.SetGraphics(graphics.tiles, graphics.sprites);
        model.SetRedrawDelay(20);
        QVERIFY(model.SetFolder(dir.path()).ok);
        model.WaitForThumbnails();
        QCOMPARE(at(model, 2, EpisodeModel::WarningCountRole).toInt(), 1); // no entrance

        // An entrance painted on the open map, unsaved, reaches level 2's row.
        LevelDocument map;
        QVERIFY(map.Load(dir.filePath("LEVEL80.CK1")).ok);
        model.Follow(&map);
        QVERIFY(at(model, 80, EpisodeModel::OpenRole).toBool());
        map.SetCell(CellChange::InfoPlane, 5, 5, 2);
        QVERIFY(at(model, 80, EpisodeModel::ModifiedRole).toBool());
        QVERIFY(at(model, 80, Qt::DisplayRole).toString().startsWith("LEVEL80.CK1 *\n"));
        QTRY_COMPARE(at(model, 2, EpisodeModel::WarningCountRole).toInt(), 0);
        QCOMPARE(model.Map()->EntrancesTo(2).front().First(), QPoint(5, 5));

        // A drag is drawn once, when it ends, however long it lasts.
        auto level = std::make_unique<LevelDocument>();
        QVERIFY(level->Load(dir.filePath("LEVEL01.CK1")).ok);
        model.Follow(level.get());
        model.WaitForThumbnails();
        QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
        level->BeginStroke();
        for (int x = 2; x < 8; ++x) {
            level->SetCell(CellChange::TilePlane, x, 4, 7);
            QTest::qWait(50);
        }
        QCOMPARE(thumbnailChanges(changes, 0), 0);
        level->EndStroke();
        QTRY_COMPARE(thumbnailChanges(changes, 0), 1);
        QTest::qWait(100);
        QCOMPARE(thumbnailChanges(changes, 0), 1);
        QCOMPARE(at(model, 1, EpisodeModel::ThumbnailRole).value<QImage>(),
                 graphics.picture(level->level()));

        // Closed unsaved, the row shows the file again.
        level.reset();
        QVERIFY(!at(model, 1, EpisodeModel::OpenRole).toBool());
        model.WaitForThumbnails();
        QCOMPARE(at(model, 1, EpisodeModel::ThumbnailRole).value<QImage>(),
                 graphics.picture(made(1)));
    }

    void folderChangedByOthers() {
        QTemporaryDir dir;
        QVERIFY(made(1).Save(dir.filePath("LEVEL01.CK1")).ok);
        QVERIFY(made(5).Save(dir.filePath("LEVEL05.CK1")).ok);
        QVERIFY(made(80, true, {{2, 2, 1}, {6, 6, 5}}).Save(dir.filePath("LEVEL80.CK1")).ok);
        EpisodeModel model;
        QVERIFY(model.SetFolder(dir.path()).ok);
        model.WaitForThumbnails();
        QCOMPARE(at(model, 80, EpisodeModel::ErrorCountRole).toInt(), 0);

        QVERIFY(QFile::remove(dir.filePath("LEVEL05.CK1")));
        QTRY_COMPARE(numbers(model), (QList<int>{1, 80}));
        QTRY_COMPARE(at(model, 80, EpisodeModel::ErrorCountRole).toInt(), 1);
        QCOMPARE(model.Findings(1).front().x, 6);

        Level wider = made(1);
        wider.Resize(30, 10);
        QVERIFY(wider.Save(dir.filePath("LEVEL01.CK1")).ok);
        QVERIFY(made(5).Save(dir.filePath("level05.ck1")).ok);
        QTRY_COMPARE(numbers(model), (QList<int>{1, 5, 80}));
        QTRY_COMPARE(at(model, 1, EpisodeModel::LevelSizeRole).toSize(), QSize(30, 10));
        QTRY_COMPARE(at(model, 80, EpisodeModel::ErrorCountRole).toInt(), 0);
    }

    void filter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("problemsOnly");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("all") << "" << false << QList<int>{1, 2, 3, 8, 80, 81, 90};
        QTest::newRow("problems") << "" << true << QList<int>{1, 3, 8};
        QTest::newRow("number") << "8" << false << QList<int>{8, 80, 81};
        QTest::newRow("as in the file name") << " 0" << false << QList<int>{1, 2, 3, 8};
        QTest::newRow("file name") << "level9" << false << QList<int>{90};
        QTest::newRow("number with problems") << "8" << true << QList<int>{8};
        QTest::newRow("nothing") << "x" << false << QList<int>{};
    }

    void filter() {
        QTemporaryDir dir;
        QVERIFY(made(1, false).Save(dir.filePath("LEVEL01.CK1")).ok); // no start
        QVERIFY(made(2).Save(dir.filePath("LEVEL02.CK1")).ok);
        QVERIFY(writeFile(dir.filePath("LEVEL03.CK1"), "short")); // unreadable
        QVERIFY(made(8).Save(dir.filePath("LEVEL08.CK1")).ok);    // no entrance
        QVERIFY(
            made(80, true, {{2, 2, 1}, {4, 5, 2}, {6, 6, 3}}).Save(dir.filePath("LEVEL80.CK1")).ok);
        QVERIFY(made(81, false).Save(dir.filePath("LEVEL81.CK1")).ok);
        QVERIFY(made(90, false).Save(dir.filePath("LEVEL90.CK1")).ok);
        EpisodeModel model;
        QVERIFY(model.SetFolder(dir.path()).ok);
        model.WaitForThumbnails();
        EpisodeFilterModel filter;
        filter.setSourceModel(&model);
        QFETCH(QString, text);
        QFETCH(bool, problemsOnly);
        filter.SetText(text);
        filter.SetProblemsOnly(problemsOnly);
        QTEST(numbers(filter), "shown");
    }

    void contactSheetOfTheReadableLevels() {
        QTemporaryDir dir;
        QVERIFY(made(1).Save(dir.filePath("LEVEL01.CK1")).ok);
        QVERIFY(writeFile(dir.filePath("LEVEL02.CK1"), "short"));
        EpisodeModel model;
        QVERIFY(model.SetFolder(dir.path()).ok);
        QVERIFY(!at(model, 2, EpisodeModel::LevelSizeRole).toSize().isValid());
        const QString out = dir.filePath("sheet.png");
        QVERIFY(model.ExportContactSheet(out).ok);
        // One level of 12 x 10 cells at two pixels each, its number under it.
        QCOMPARE(QImage(out, "PNG").size(), QSize(8 + 24 + 8, 8 + 20 + 3 + 10 + 8));
        QVERIFY(!model.ExportContactSheet(dir.filePath("no/such/sheet.png")).ok);
    }
};

GM_TEST_MAIN(tst_EpisodeModel)
#include "tst_EpisodeModel.moc"
