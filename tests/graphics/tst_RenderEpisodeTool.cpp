// Runs the built `gridmason-tool render-episode` and checks the contact
// sheet pixel by pixel: each level's picture drawn here with the demo
// graphics, placed and numbered where the layout puts it by hand.

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

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString DemoGraphics = QStringLiteral(GM_BINARY_DIR "/graphics/keen1");
constexpr QRgb Ground = 0xFF303030;

ToolRun renderEpisode(const QStringList& args) {
    return runGridmasonTool(QStringList{QStringLiteral("render-episode")} + args);
}

// The level drawn whole at zoom -3 (two pixels a cell) with the demo graphics.
QImage picture(const Level& level) {
    TileSet tiles;
    SpriteSet sprites;
    Surface scratch;
    if (!tiles.LoadFromBitmap(DemoGraphics + "/1til0000.bmp") ||
        !sprites.LoadFromBitmaps(DemoGraphics + "/1spr0000.bmp", scratch))
        return {};
    Surface canvas{level.Width() * 2, level.Height() * 2};
    level.Display(canvas, 0, 0, tiles, sprites, ZoomLevel(-3));
    return canvas.image();
}

// Writes a number in white, two pixels a font pixel, from its rows ('#' set).
void label(QImage& sheet, int x, int y, const QStringList& rows) {
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] == '#')
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx)
                        sheet.setPixel(x + 2 * c + dx, y + 2 * r + dy, 0xFFFFFFFF);
}

Level made(int width, int height, int number) {
    Level level;
    level.Create(qint16(width), qint16(height), 1, qint16(number));
    level.SetInfo(2, 2, 255);
    level.SetTile(3, 3, 5);
    return level;
}

} // namespace

class tst_RenderEpisodeTool : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(gridmasonToolPath()), qPrintable(gridmasonToolPath()));
        if (!QDir(DemoGraphics).exists())
            QSKIP("demo graphics not generated in this build");
    }

    void sheetLayout() {
        QTemporaryDir dir;
        const Level one = made(10, 6, 1), two = made(4, 20, 2), map = made(30, 5, 80);
        QVERIFY(one.Save(dir.filePath("LEVEL01.CK1")).ok);
        QVERIFY(two.Save(dir.filePath("level02.ck1")).ok);
        QVERIFY(map.Save(dir.filePath("LEVEL80.CK1")).ok);
        QVERIFY(one.Save(dir.filePath("LEVEL07.CK2")).ok); // another episode: left out
        const QString out = dir.filePath("sheet.png");
        const ToolRun run = renderEpisode({dir.path(), "-o", out, "--graphics", DemoGraphics});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.err.contains("episode 2 (1 level)"), qPrintable(run.err));

        // Three levels: two columns. Cells are as wide as the widest picture
        // (60) and as tall as the tallest (40) with a gap of 3 and a number
        // 10 high; 8 pixels around and between them.
        QImage expected(144, 130, QImage::Format_RGB32);
        expected.fill(Ground);
        QPainter painter(&expected);
        painter.drawImage(8, 8, picture(one));
        painter.drawImage(76, 8, picture(two));
        painter.drawImage(8, 69, picture(map));
        painter.end();
        label(expected, 8, 23, {"###..#.", "#.#.##.", "#.#..#.", "#.#..#.", "###.###"});
        label(expected, 76, 51, {"###.###", "#.#...#", "#.#.###", "#.#.#..", "###.###"});
        label(expected, 8, 82, {"###.###", "#.#.#.#", "###.#.#", "#.#.#.#", "###.###"});
        QCOMPARE(QImage(out, "PNG").convertToFormat(QImage::Format_RGB32), expected);
    }

    void badInputAndUsage() {
        QTemporaryDir dir;
        QVERIFY(made(10, 6, 1).Save(dir.filePath("LEVEL01.CK1")).ok);
        QVERIFY(writeFile(dir.filePath("LEVEL02.CK1"), "short"));
        const QString out = dir.filePath("sheet.png");
        const QStringList graphics{"--graphics", DemoGraphics};

        // A level that cannot be read is named; the others are still drawn.
        ToolRun run = renderEpisode(QStringList{dir.path(), "-o", out} + graphics);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("LEVEL02.CK1"), qPrintable(run.err));
        QCOMPARE(QImage(out, "PNG").size(), QSize(8 + 20 + 8, 8 + 12 + 3 + 10 + 8));

        QVERIFY(writeFile(out, "keep me"));
        run = renderEpisode({dir.path(), "-o", out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("--graphics"), qPrintable(run.err));
        run = renderEpisode(QStringList{dir.filePath("none"), "-o", out} + graphics);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("none"), qPrintable(run.err));
        QCOMPARE(
            renderEpisode(QStringList{dir.path(), "-o", out, "--episode", "2"} + graphics).exitCode,
            1);
        QCOMPARE(
            renderEpisode(QStringList{dir.path(), "-o", out, "--zoom", "12"} + graphics).exitCode,
            2);
        QCOMPARE(renderEpisode(QStringList{dir.path()} + graphics).exitCode, 2);
        QCOMPARE(
            renderEpisode(QStringList{dir.path(), "-o", out, "--episode", "4"} + graphics).exitCode,
            2);
        QCOMPARE(fileBytes(out), QByteArray("keep me"));
    }

    void realEpisodeWithItsOwnGraphics() {
        GM_REQUIRE_REAL_DATA();
        QTemporaryDir dir;
        const QString out = dir.filePath("sheet.png");
        const ToolRun run = renderEpisode({realDataDir(), "-o", out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        // 19 levels in five columns as wide as LEVEL15's 142 cells, two pixels each.
        QCOMPARE(QImage(out, "PNG").width(), 8 + 5 * (142 * 2 + 8));
    }
};

GM_TEST_GUILESS_MAIN(tst_RenderEpisodeTool)
#include "tst_RenderEpisodeTool.moc"
