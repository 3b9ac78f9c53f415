// Runs the built `gridmason-tool render` and checks its pictures against
// Level::Display drawn here with the same graphics.

#include "GraphicsFixtures.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TestPaths.h"
#include "TileSet.h"
#include "ToolProcess.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString& Tool = gridmasonToolPath();

using Run = ToolRun;

Run render(const QStringList& args) {
    return runGridmasonTool(QStringList{QStringLiteral("render")} + args);
}

// What the tool should draw: the whole level at `zoom` with the graphics of
// `folder`.
QImage expectedPicture(const Level& level, const QString& folder, qint16 zoom) {
    TileSet tiles;
    SpriteSet sprites;
    Surface scratch;
    const int episode = level.Episode();
    if (!tiles.LoadFromBitmap(folder + "/" + SpriteCatalogue::TileSheetName(episode)) ||
        !sprites.LoadFromBitmaps(folder + "/" + SpriteCatalogue::SpriteBaseName(episode), scratch))
        return {};
    const ZoomLevel drawn = tiles.DrawnZoom(ZoomLevel(zoom));
    Surface canvas{int(level.Width() * tiles.RenderWidth(drawn)),
                   int(level.Height() * tiles.RenderHeight(drawn))};
    level.Display(canvas, 0, 0, tiles, sprites, drawn);
    return canvas.image();
}

// A 30 x 20 level of episode 1 with a tile pattern and sprites of every
// kind, including values that show nothing.
Level sampleLevel(int number) {
    Level level;
    level.Create(30, 20, 1, qint16(number));
    for (int y = 2; y < 18; ++y)
        for (int x = 2; x < 28; ++x)
            level.SetTile(x, y, qint16((x * 5 + y) % 60));
    const QVector<qint16> infos = {255, 1, 2, 3, 10, 11, -4, 300, 7};
    for (int i = 0; i < infos.size(); ++i)
        level.SetInfo(3 + 3 * i, 4 + i, infos[i]);
    return level;
}

} // namespace

class tst_RenderTool : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QFile::exists(Tool), qPrintable(Tool)); }

    void drawsTheWholeLevel() {
        QTemporaryDir dir;
        const QString graphics = dir.filePath("graphics");
        QVERIFY(fixtures::writeEpisode(graphics, 1, fixtures::tileSheet(13 * 16, 5 * 16)));
        for (const int number : {1, 80}) {
            const Level level = sampleLevel(number);
            const QString file =
                dir.filePath(QStringLiteral("LEVEL%1.CK1").arg(number, 2, 10, QLatin1Char('0')));
            QVERIFY(level.Save(file).ok);
            for (const qint16 zoom : {qint16(0), qint16(1), qint16(-2), qint16(-9)}) {
                const QString out = dir.filePath("out.png");
                QStringList args = {file, "-o", out, "--graphics", graphics};
                if (zoom != 0)
                    args << "--zoom" << QString::number(zoom);
                const Run run = render(args);
                QCOMPARE(run.exitCode, 0);
                const QImage picture(out, "PNG");
                const QImage expected = expectedPicture(level, graphics, zoom);
                QVERIFY(!expected.isNull());
                QCOMPARE(picture.size(), expected.size());
                QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), expected);
            }
        }
    }

    void missingOrCutShortGraphicsFileIsNamed() {
        QTemporaryDir dir;
        const QString graphics = dir.filePath("graphics");
        QVERIFY(fixtures::writeEpisode(graphics, 1, fixtures::tileSheet(13 * 16, 5 * 16)));
        const QString file = dir.filePath("LEVEL01.CK1");
        QVERIFY(sampleLevel(1).Save(file).ok);
        const QString out = dir.filePath("out.png");
        QVERIFY(writeFile(out, "keep me"));

        // A tile sheet cut short (its last rows would read as black).
        const QString sheet = graphics + "/1til0000.bmp";
        const QByteArray wholeSheet = fileBytes(sheet);
        QVERIFY(writeFile(sheet, wholeSheet.chopped(100)));
        Run run = render({file, "-o", out, "--graphics", graphics});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("The bitmap \"" + sheet + "\" is cut short: its header puts"),
                 qPrintable(run.err));
        QVERIFY(writeFile(sheet, wholeSheet));
        // A sprite missing, then the tile sheet.
        QVERIFY(QFile::remove(graphics + "/1spr0088.bmp"));
        run = render({file, "-o", out, "--graphics", graphics});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("1spr0088.bmp"), qPrintable(run.err));
        QVERIFY(QFile::remove(sheet));
        run = render({file, "-o", out, "--graphics", graphics});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("1til0000.bmp"), qPrintable(run.err));

        QCOMPARE(fileBytes(out), QByteArray("keep me"));
    }

    void badInputAndUsage() {
        QTemporaryDir dir;
        const QString graphics = dir.filePath("graphics");
        QVERIFY(fixtures::writeEpisode(graphics, 1, fixtures::tileSheet(13 * 16, 5 * 16)));
        const QString file = dir.filePath("LEVEL01.CK1");
        QVERIFY(sampleLevel(1).Save(file).ok);
        const QString out = dir.filePath("out.png");

        QCOMPARE(render({}).exitCode, 2);
        QCOMPARE(render({file, "--graphics", graphics}).exitCode, 2);
        QCOMPARE(render({file, "-o", out}).exitCode, 2);
        QCOMPARE(render({file, "-o", out, "--graphics", graphics, "--zoom", "big"}).exitCode, 2);
        QCOMPARE(render({file, "-o", out, "--graphics", graphics, "--zoom", "40000"}).exitCode, 2);
        QCOMPARE(render({file, "-o", out, "--graphics", graphics, "--frames"}).exitCode, 2);
        QCOMPARE(render({file, file, "-o", out, "--graphics", graphics}).exitCode, 2);
        // A picture too large to make is refused, not attempted.
        const Run huge = render({file, "-o", out, "--graphics", graphics, "--zoom", "12"});
        QCOMPARE(huge.exitCode, 2);
        QVERIFY(!QFile::exists(out));

        const Run missing =
            render({dir.filePath("LEVEL02.CK1"), "-o", out, "--graphics", graphics});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("LEVEL02.CK1"));
        const Run unwritable =
            render({file, "-o", dir.filePath("no/such/folder/out.png"), "--graphics", graphics});
        QCOMPARE(unwritable.exitCode, 1);
        QVERIFY(unwritable.err.contains("out.png"));
    }

    void drawsTheRealLevelsWithTheDemoGraphics() {
        GM_REQUIRE_REAL_DATA();
        const QString graphics = QStringLiteral(GM_BINARY_DIR "/graphics/keen1");
        if (!QDir(graphics).exists())
            QSKIP("demo graphics not generated in this build");
        QTemporaryDir dir;
        const QDir data(realDataDir());
        const QStringList names = data.entryList({"level??.ck1"}, QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            Level level;
            QVERIFY(level.Load(data.filePath(name)).ok);
            const QString out = dir.filePath(name + ".png");
            const Run run = render({data.filePath(name), "-o", out, "--graphics", graphics});
            QVERIFY2(run.exitCode == 0, qPrintable(name + ": " + run.err));
            const QImage picture(out, "PNG");
            QCOMPARE(picture.size(), QSize(level.Width() * 16, level.Height() * 16));
            if (name.compare("LEVEL80.CK1", Qt::CaseInsensitive) == 0)
                QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
                         expectedPicture(level, graphics, 0));
        }
    }
};

GM_TEST_GUILESS_MAIN(tst_RenderTool)
#include "tst_RenderTool.moc"
