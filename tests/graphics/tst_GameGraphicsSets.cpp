// The tile and sprite sets loaded straight from the game's files must draw
// exactly what they draw when loaded from the bitmaps that
// `gridmason-tool export-graphics` writes; and the command's exit codes.

#include "GameGraphics.h"
#include "GameGraphicsSource.h"
#include "Level.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TileSet.h"
#include "ToolProcess.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

QImage drawLevel(const Level& level, const TileSet& tiles, const SpriteSet& sprites) {
    Surface surface(level.Width() * 16, level.Height() * 16);
    level.Display(surface, 0, 0, tiles, sprites, ZoomLevel());
    return surface.Image();
}

int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

class TestGameGraphicsSets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void exportWritesEveryBitmap();
    void levelsDrawAlike();
    void spritesDrawAlike();
    void renderTakesEitherKindOfFolder();
    void exportRefusesBadInput();

private:
    QTemporaryDir m_Exported;
    TileSet m_ExportedTiles, m_GameTiles;
    SpriteSet m_ExportedSprites, m_GameSprites;
};

void TestGameGraphicsSets::initTestCase() {
    GM_REQUIRE_REAL_DATA();
    const ToolRun run =
        runGridmasonTool({"export-graphics", realDataDir(), "1", m_Exported.path()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    Surface scratch;
    IoResult result = m_ExportedTiles.LoadFromBitmap(m_Exported.filePath("1til0000.bmp"));
    QVERIFY2(result.ok, qPrintable(result.error));
    result = m_ExportedSprites.LoadFromBitmaps(m_Exported.filePath("1spr0000.bmp"), scratch);
    QVERIFY2(result.ok, qPrintable(result.error));

    const GameGraphicsSource source(realDataDir(), 1);
    QImage sheet;
    QVERIFY(source.Load("1til0000.bmp", sheet).ok);
    m_GameTiles.LoadFromImage(sheet);
    result = m_GameSprites.LoadFromSource(1, source, scratch);
    QVERIFY2(result.ok, qPrintable(result.error));
}

void TestGameGraphicsSets::exportWritesEveryBitmap() {
    GameGraphics graphics;
    QVERIFY(graphics.Load(realDataDir(), 1).ok);
    const QStringList written = QDir(m_Exported.path()).entryList(QDir::Files, QDir::Name);
    QStringList expected = graphics.BitmapNames();
    expected.sort();
    QCOMPARE(written, expected);
    for (const QString& name : {QStringLiteral("1til0000.bmp"), QStringLiteral("1spr0060.bmp")}) {
        QImage fromFile(m_Exported.filePath(name));
        QImage made;
        QVERIFY(graphics.Bitmap(name, made).ok);
        QCOMPARE(fromFile.convertToFormat(QImage::Format_RGB32), made);
    }
    QCOMPARE(m_GameTiles.Count(), qint16(611));
    QCOMPARE(m_ExportedTiles.Count(), qint16(611));
    QCOMPARE(m_GameSprites.Count(), m_ExportedSprites.Count());
}

void TestGameGraphicsSets::levelsDrawAlike() {
    for (const char* name : {"LEVEL01.CK1", "LEVEL13.CK1", "LEVEL80.CK1"}) {
        Level level;
        const IoResult loaded = level.Load(QDir(realDataDir()).filePath(QLatin1String(name)));
        QVERIFY2(loaded.ok, qPrintable(loaded.error));
        const QImage fromGame = drawLevel(level, m_GameTiles, m_GameSprites);
        const QImage fromBitmaps = drawLevel(level, m_ExportedTiles, m_ExportedSprites);
        QVERIFY(colourCount(fromGame) >= 8);
        QVERIFY2(fromGame == fromBitmaps, name);
    }
}

void TestGameGraphicsSets::spritesDrawAlike() {
    for (const ZoomLevel zoom : {ZoomLevel(0), ZoomLevel(1), ZoomLevel(-1)}) {
        const SpriteSet& game = m_GameSprites;
        const SpriteSet& exported = m_ExportedSprites;
        for (qint16 sprite = -1; sprite < game.Count(); ++sprite) {
            for (bool opaque : {false, true}) {
                Surface a(80, 80), b(80, 80);
                for (Surface* surface : {&a, &b}) {
                    surface->SetBackColor(0xFF336699);
                    surface->Cls();
                }
                game.Draw(sprite, a, 3, 5, zoom, opaque);
                exported.Draw(sprite, b, 3, 5, zoom, opaque);
                QVERIFY(a.Image() == b.Image());
            }
        }
    }
}

void TestGameGraphicsSets::renderTakesEitherKindOfFolder() {
    QTemporaryDir out;
    const QString level = QDir(realDataDir()).filePath(QStringLiteral("LEVEL80.CK1"));
    const QString fromGame = out.filePath(QStringLiteral("game.png"));
    const QString fromBitmaps = out.filePath(QStringLiteral("bitmaps.png"));
    ToolRun run = runGridmasonTool({"render", level, "-o", fromGame, "--graphics", realDataDir()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    run = runGridmasonTool({"render", level, "-o", fromBitmaps, "--graphics", m_Exported.path()});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage game(fromGame);
    QCOMPARE(game.size(), QSize(70 * 16, 73 * 16));
    QCOMPARE(game, QImage(fromBitmaps));
}

void TestGameGraphicsSets::exportRefusesBadInput() {
    QTemporaryDir out;
    const QString target = out.filePath("bitmaps");
    QCOMPARE(runGridmasonTool({"export-graphics"}).exitCode, 2);
    QCOMPARE(runGridmasonTool({"export-graphics", realDataDir(), "1"}).exitCode, 2);
    QCOMPARE(runGridmasonTool({"export-graphics", realDataDir(), "4", target}).exitCode, 2);
    QCOMPARE(runGridmasonTool({"export-graphics", realDataDir(), "one", target}).exitCode, 2);

    // No graphics of episode 2 there: nothing is written.
    ToolRun run = runGridmasonTool({"export-graphics", realDataDir(), "2", target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("EGAHEAD.CK2"), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(target));

    // A damaged latch file: refused before anything is written.
    QTemporaryDir game;
    for (const char* name : {"EGAHEAD.CK1", "EGASPRIT.CK1"})
        QVERIFY(QFile::copy(QDir(realDataDir()).filePath(QLatin1String(name)),
                            game.filePath(QLatin1String(name))));
    QVERIFY(writeFile(game.filePath("egalatch.ck1"),
                      fileBytes(QDir(realDataDir()).filePath("EGALATCH.CK1")).left(20000)));
    run = runGridmasonTool({"export-graphics", game.path(), "1", target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains("egalatch.ck1") && run.err.contains("damaged"), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(target));

    // The output is a file, not a folder.
    QVERIFY(writeFile(target, {}));
    run = runGridmasonTool({"export-graphics", realDataDir(), "1", target});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(target), qPrintable(run.err));
}

GM_TEST_MAIN(TestGameGraphicsSets)
#include "tst_GameGraphicsSets.moc"
