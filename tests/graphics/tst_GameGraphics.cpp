#include "EgaTestFiles.h"
#include "GameGraphics.h"
#include "GameGraphicsSource.h"
#include "TestData.h"
#include "TestMain.h"

#include <QTemporaryDir>
#include <QTest>

using namespace EgaTest;

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb DarkGrey = 0xFF555555;
constexpr QRgb BrightRed = 0xFFFF5555;

// Checks the three frames of a sprite bitmap against each other: the image
// is black wherever the mask is white, the mask is only black and white,
// and the hit box frame is white, dark grey or red, grey exactly where the
// mask is black outside the hit box.
void checkFramesAgree(const QImage& bitmap) {
    const int width = bitmap.width() / 3;
    QCOMPARE(bitmap.width(), width * 3);
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb mask = bitmap.pixel(width + x, y);
            const QRgb hit = bitmap.pixel(2 * width + x, y);
            QVERIFY(mask == White || mask == Black);
            if (mask == White)
                QCOMPARE(bitmap.pixel(x, y), Black);
            if (hit != BrightRed)
                QCOMPARE(hit, mask == White ? White : DarkGrey);
        }
    }
}

} // namespace

class TestGameGraphics : public QObject {
    Q_OBJECT
private slots:
    void realTileSheet();
    void realSprites();
    void realFramesAgree();
    void realFolderInAnyLetterCase();
    void sourceServesExportedNames();
    void missingFilesAreNamed();
    void generatedEpisodes_data();
    void generatedEpisodes();
};

void TestGameGraphics::realTileSheet() {
    GM_REQUIRE_REAL_DATA();
    GameGraphics graphics;
    const IoResult result = graphics.Load(realDataDir(), 1);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(graphics.TileCount(), 611);
    const QImage sheet = graphics.TileSheet();
    QCOMPARE(sheet.size(), QSize(208, 47 * 16));
    // Pixels checked by eye on the sheet: the white slope of tile 1, the red
    // rock of tile 17, the blue and green earth near the bottom left, and
    // the grey and white of the tile beside it.
    QCOMPARE(sheet.pixel(0, 0), Black);
    QCOMPARE(sheet.pixel(31, 0), White);
    QCOMPARE(sheet.pixel(0, 15), White);
    QCOMPARE(sheet.pixel(64, 16), BrightRed);
    QCOMPARE(sheet.pixel(7, 715), 0xFF00AA00u);
    QCOMPARE(sheet.pixel(12, 715), 0xFF0000AAu);
    QCOMPARE(sheet.pixel(58, 715), 0xFFAAAAAAu);
    QCOMPARE(sheet.pixel(59, 715), White);
}

void TestGameGraphics::realSprites() {
    GM_REQUIRE_REAL_DATA();
    GameGraphics graphics;
    QVERIFY(graphics.Load(realDataDir(), 1).ok);
    QCOMPARE(graphics.SpriteCount(), 119);
    const struct {
        int sprite;
        QSize size;
        const char* name;
    } sizes[] = {{0, {48, 24}, "KEENWALKR1"},  {32, {48, 16}, "MAPKEENR1"},
                 {48, {48, 24}, "YORPSTAND1"}, {60, {72, 32}, "GARGSTAND1"},
                 {113, {24, 8}, "ICECHUNK"},   {114, {48, 16}, "CHAIN"},
                 {118, {24, 16}, "MARK"}};
    for (const auto& expected : sizes) {
        QImage bitmap;
        QVERIFY(graphics.SpriteBitmap(expected.sprite, bitmap).ok);
        QCOMPARE(bitmap.size(), expected.size);
        QCOMPARE(graphics.SpriteName(expected.sprite), QString::fromLatin1(expected.name));
    }

    // Keen: yellow hair and brown edge in the image; the mask opaque there
    // and see-through in the corner; the hit box (4..11, 1..23) in red, the
    // rest of his shape dark grey.
    QImage keen;
    QVERIFY(graphics.SpriteBitmap(0, keen).ok);
    QCOMPARE(keen.pixel(6, 2), 0xFFFFFF55u);
    QCOMPARE(keen.pixel(5, 2), 0xFFAA5500u);
    QCOMPARE(keen.pixel(0, 0), Black);
    QCOMPARE(keen.pixel(16 + 6, 2), Black);
    QCOMPARE(keen.pixel(16 + 0, 0), White);
    QCOMPARE(keen.pixel(32 + 4, 1), BrightRed);
    QCOMPARE(keen.pixel(32 + 11, 23), BrightRed);
    QCOMPARE(keen.pixel(32 + 3, 1), White);
    QCOMPARE(keen.pixel(32 + 3, 3), DarkGrey);
    QCOMPARE(keen.pixel(32 + 4, 0), White);
    // A yorp's bright green body.
    QImage yorp;
    QVERIFY(graphics.SpriteBitmap(48, yorp).ok);
    QCOMPARE(yorp.pixel(6, 4), 0xFF55FF55u);
    QCOMPARE(yorp.pixel(16 + 6, 4), Black);
}

void TestGameGraphics::realFramesAgree() {
    GM_REQUIRE_REAL_DATA();
    GameGraphics graphics;
    QVERIFY(graphics.Load(realDataDir(), 1).ok);
    for (int sprite = 0; sprite < graphics.SpriteCount(); ++sprite) {
        QImage bitmap;
        QVERIFY(graphics.SpriteBitmap(sprite, bitmap).ok);
        checkFramesAgree(bitmap);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("sprite %1").arg(sprite)));
    }
}

void TestGameGraphics::realFolderInAnyLetterCase() {
    GM_REQUIRE_REAL_DATA();
    QVERIFY(GameGraphics::FolderHasGameGraphics(realDataDir(), 1));
    QVERIFY(!GameGraphics::FolderHasGameGraphics(realDataDir(), 2));
    QVERIFY(!GameGraphics::FolderHasGameGraphics(realDataDir(), 0));
    QVERIFY(!GameGraphics::FolderHasGameGraphics(realDataDir(), 4));
    QVERIFY(!GameGraphics::FolderHasGameGraphics(realDataDir() + "/nowhere", 1));

    QTemporaryDir dir;
    QVERIFY(copyRealGameFiles(dir.path(), true));
    QVERIFY(GameGraphics::FolderHasGameGraphics(dir.path(), 1));
    QString backslashed = dir.path();
    backslashed.replace('/', '\\');
    QVERIFY(GameGraphics::FolderHasGameGraphics(backslashed, 1));
    GameGraphics lower, upper;
    QVERIFY(lower.Load(backslashed, 1).ok);
    QVERIFY(upper.Load(realDataDir(), 1).ok);
    QCOMPARE(lower.TileSheet(), upper.TileSheet());

    QVERIFY(QFile::remove(dir.filePath("egasprit.ck1")));
    QVERIFY(!GameGraphics::FolderHasGameGraphics(dir.path(), 1));
}

void TestGameGraphics::sourceServesExportedNames() {
    GM_REQUIRE_REAL_DATA();
    GameGraphics graphics;
    QVERIFY(graphics.Load(realDataDir(), 1).ok);
    const GameGraphicsSource source(realDataDir(), 1);
    QImage image;
    QVERIFY(source.Load("1TIL0000.BMP", image).ok);
    QCOMPARE(image, graphics.TileSheet());
    QImage chain;
    QVERIFY(graphics.SpriteBitmap(114, chain).ok);
    QVERIFY(source.Load("1spr0114.bmp", image).ok);
    QCOMPARE(image, chain);
    QVERIFY(source.Load("C:\\keen\\1Spr0114.Bmp", image).ok);
    QCOMPARE(image, chain);

    QStringList names = graphics.BitmapNames();
    QCOMPARE(names.size(), 120);
    QCOMPARE(names.first(), QString("1til0000.bmp"));
    QCOMPARE(names.last(), QString("1spr0118.bmp"));

    for (const char* wrong :
         {"1spr0119.bmp", "2spr0000.bmp", "1til0001.bmp", "1spr48.bmp", "readme.txt", ""}) {
        QImage untouched(3, 3, QImage::Format_RGB32);
        untouched.fill(Qt::green);
        const IoResult result = source.Load(QString::fromLatin1(wrong), untouched);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(QString::fromLatin1(wrong)), qPrintable(result.error));
        QCOMPARE(untouched.pixel(1, 1), 0xFF00FF00u);
    }
}

void TestGameGraphics::missingFilesAreNamed() {
    QTemporaryDir dir;
    const GameFiles files = buildGame(makeTiles(3), makeSprites(2), false, false);
    QVERIFY(writeFile(dir.filePath("EGAHEAD.CK2"), files.header));
    QVERIFY(writeFile(dir.filePath("EGASPRIT.CK2"), files.sprites));
    QVERIFY(!GameGraphics::FolderHasGameGraphics(dir.path(), 2));

    GameGraphics graphics;
    IoResult result = graphics.Load(dir.path(), 2);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains("EGALATCH.CK2"), qPrintable(result.error));
    QCOMPARE(graphics.Episode(), 0);
    QVERIFY(graphics.TileSheet().isNull());

    const GameGraphicsSource source(dir.path(), 2);
    QImage image;
    result = source.Load("2til0000.bmp", image);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains("EGALATCH.CK2"));
    QVERIFY(image.isNull());

    QVERIFY(!graphics.Load(dir.path(), 4).ok);
}

void TestGameGraphics::generatedEpisodes_data() {
    QTest::addColumn<int>("episode");
    QTest::addColumn<int>("tiles");
    QTest::addColumn<bool>("packed");
    QTest::newRow("episode 2") << 2 << 689 << false;
    QTest::newRow("episode 3") << 3 << 624 << false;
    QTest::newRow("part of a row") << 2 << 20 << false;
    QTest::newRow("packed like episode 1") << 3 << 40 << true;
}

void TestGameGraphics::generatedEpisodes() {
    QFETCH(int, episode);
    QFETCH(int, tiles);
    QFETCH(bool, packed);
    const std::vector<TestSprite> sprites = makeSprites(9);
    const GameFiles files = buildGame(makeTiles(tiles), sprites, packed, packed);
    QTemporaryDir dir;
    const QString ext = QStringLiteral(".ck%1").arg(episode);
    QVERIFY(writeGame(dir.path(), files, "EgaHead" + ext, "EGALATCH" + ext.toUpper(),
                      "egasprit" + ext));
    QVERIFY(GameGraphics::FolderHasGameGraphics(dir.path(), episode));

    GameGraphics graphics;
    const IoResult result = graphics.Load(dir.path(), episode);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(graphics.TileCount(), tiles);
    const int rows = (tiles + 12) / 13;
    const QImage sheet = graphics.TileSheet();
    QCOMPARE(sheet.size(), QSize(208, rows * 16));
    for (int t = 0; t < rows * 13; ++t) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb expected =
                    t < tiles ? GameGraphics::EgaColour(tileColour(t, x, y)) : Black;
                QCOMPARE(sheet.pixel((t % 13) * 16 + x, (t / 13) * 16 + y), expected);
            }
        }
    }

    QCOMPARE(graphics.SpriteCount(), 9);
    const GameGraphicsSource source(dir.path(), episode);
    for (int s = 0; s < 9; ++s) {
        const TestSprite& want = sprites[size_t(s)];
        QImage bitmap;
        QVERIFY(source.Load(GameGraphics::SpriteBitmapName(episode, s), bitmap).ok);
        const int width = want.picture.width;
        QCOMPARE(bitmap.size(), QSize(3 * width, want.picture.height));
        QCOMPARE(graphics.SpriteName(s), QString::fromLatin1(want.name));
        for (int y = 0; y < want.picture.height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int colour = spriteColour(s, x, y);
                const bool hit = x >= want.hitLeft && x <= want.hitRight && y >= want.hitTop &&
                                 y <= want.hitBottom;
                QCOMPARE(bitmap.pixel(x, y), colour < 0 ? Black : GameGraphics::EgaColour(colour));
                QCOMPARE(bitmap.pixel(width + x, y), colour < 0 ? White : Black);
                QCOMPARE(bitmap.pixel(2 * width + x, y), hit          ? BrightRed
                                                         : colour < 0 ? White
                                                                      : DarkGrey);
            }
        }
    }
}

GM_TEST_MAIN(TestGameGraphics)
#include "tst_GameGraphics.moc"
