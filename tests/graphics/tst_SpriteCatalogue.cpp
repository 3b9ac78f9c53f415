// Which bitmap each sprite number of each episode is cut from, and which
// sprite an info value draws, pinned to the exported file names themselves:
// every file gets its own colour here, so a sprite drawn from the wrong file
// shows the wrong colour.
#include "GameGraphics.h"
#include "GameGraphicsSource.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestData.h"
#include "TestMain.h"
#include "TileSet.h"
#include "graphics/GraphicsFixtures.h"

#include <QTest>

namespace {

// Sprites -1, 0, 1, ... of each episode.
const QStringList Episode1 = {"1spr0032.bmp", "1spr0000.bmp", "1spr0048.bmp", "1spr0060.bmp",
                              "1spr0075.bmp", "1spr0088.bmp", "1spr0098.bmp", "1spr0112.bmp",
                              "1spr0112.bmp", "1spr0112.bmp", "1spr0112.bmp", "1spr0114.bmp"};
const QStringList Episode2 = {"2spr0032.bmp", "2spr0000.bmp", "2spr0074.bmp",
                              "2spr0048.bmp", "2spr0096.bmp", "2spr0103.bmp",
                              "2spr0112.bmp", "2spr0126.bmp", "2spr0128.bmp"};
const QStringList Episode3 = {"3spr0031.bmp", "3spr0000.bmp", "3spr0063.bmp", "3spr0047.bmp",
                              "3spr0085.bmp", "3spr0122.bmp", "3spr0077.bmp", "3spr0093.bmp",
                              "3spr0109.bmp", "3spr0111.bmp", "3spr0107.bmp", "3spr0107.bmp",
                              "3spr0067.bmp", "3spr0114.bmp", "3spr0146.bmp", "3spr0103.bmp",
                              "3spr0104.bmp", "3spr0000.bmp", "3spr0000.bmp", "3spr0000.bmp"};

const QStringList& filesOf(int episode) {
    return episode == 1 ? Episode1 : episode == 2 ? Episode2 : Episode3;
}

// A colour of its own for every file name of the three episodes.
QRgb colourOf(const QString& file) {
    const QStringList all = Episode1 + Episode2 + Episode3;
    return qRgb(0x20 + 4 * int(all.indexOf(file)), 0x90, file.at(0).digitValue() * 0x30);
}

// Every file of the episode as a 4 x 4 sprite of its own colour with no
// see-through pixel.
SpriteSet colouredSprites(int episode) {
    fixtures::MemorySource source;
    for (const QString& file : filesOf(episode)) {
        QImage bitmap(12, 4, QImage::Format_RGB32);
        bitmap.fill(0xFF000000); // the mask frame: nothing see-through
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                bitmap.setPixel(x, y, colourOf(file));
        source.images[file] = bitmap;
    }
    SpriteSet sprites;
    Surface scratch;
    const IoResult loaded = sprites.LoadFromSource(qint16(episode), source, scratch);
    if (!loaded)
        qWarning() << loaded.error;
    return sprites;
}

} // namespace

class tst_SpriteCatalogue : public QObject {
    Q_OBJECT
private slots:
    void spriteFiles_data();
    void spriteFiles();
    void infoValuesDraw_data();
    void infoValuesDraw();
};

void tst_SpriteCatalogue::spriteFiles_data() {
    QTest::addColumn<int>("episode");
    QTest::addColumn<int>("sprite");
    QTest::addColumn<QString>("file"); // empty: past the episode's sprites
    for (int episode = 1; episode <= 3; ++episode) {
        const QStringList& files = filesOf(episode);
        for (int sprite = -1; sprite < files.size() - 1; ++sprite)
            QTest::addRow("episode %d, sprite %d", episode, sprite)
                << episode << sprite << files[sprite + 1];
        QTest::addRow("episode %d, past the last", episode)
            << episode << int(files.size() - 1) << QString();
    }
}

void tst_SpriteCatalogue::spriteFiles() {
    QFETCH(int, episode);
    QFETCH(int, sprite);
    QFETCH(QString, file);
    QCOMPARE(SpriteCatalogue::FileName(episode, sprite), file);
    const SpriteSet sprites = colouredSprites(episode);
    QCOMPARE(int(sprites.Count()), int(filesOf(episode).size() - 1));
    Surface drawn = fixtures::paper(8, 8, 0xFFFFFFFF);
    sprites.Draw(qint16(sprite), drawn, 2, 2, ZoomLevel(), false);
    QCOMPARE(drawn.image().pixel(3, 3), file.isEmpty() ? 0xFFFFFFFF : colourOf(file));

    // With the game's own graphics, the sprite is the picture the game
    // gives that file: its image where the mask is black, white elsewhere.
    if (episode != 1 || file.isEmpty() || !haveRealData())
        return;
    GameGraphics game;
    QVERIFY(game.Load(realDataDir(), 1).ok);
    QImage bitmap;
    QVERIFY(game.Bitmap(file, bitmap).ok);
    SpriteSet real;
    Surface scratch;
    QVERIFY(real.LoadFromSource(1, GameGraphicsSource(realDataDir(), 1), scratch).ok);
    const int w = bitmap.width() / 3, h = bitmap.height();
    Surface onWhite = fixtures::paper(w, h, 0xFFFFFFFF);
    real.Draw(qint16(sprite), onWhite, 0, 0, ZoomLevel(), false);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            QCOMPARE(onWhite.image().pixel(x, y),
                     bitmap.pixel(x, y) | bitmap.pixel(w + x, y) | 0xFF000000);
}

void tst_SpriteCatalogue::infoValuesDraw_data() {
    QTest::addColumn<int>("episode");
    QTest::addColumn<int>("number"); // the level's number
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("file"); // empty: nothing is drawn
    QTest::newRow("episode 2, 7") << 2 << 1 << 7 << "2spr0128.bmp";
    QTest::newRow("episode 2, 8") << 2 << 1 << 8 << "";
    QTest::newRow("episode 3, 8") << 3 << 1 << 8 << "3spr0111.bmp";
    QTest::newRow("episode 3, 9") << 3 << 1 << 9 << "3spr0107.bmp";
    QTest::newRow("episode 3, 10") << 3 << 1 << 10 << "3spr0107.bmp";
    QTest::newRow("episode 3, 16") << 3 << 1 << 16 << "3spr0000.bmp";
    QTest::newRow("episode 3, 17") << 3 << 1 << 17 << "3spr0000.bmp";
    QTest::newRow("episode 3, 18") << 3 << 1 << 18 << "3spr0000.bmp";
    QTest::newRow("episode 3, 19") << 3 << 1 << 19 << "";
    QTest::newRow("episode 1, 6") << 1 << 1 << 6 << "1spr0112.bmp";
    QTest::newRow("episode 1, 9") << 1 << 1 << 9 << "1spr0112.bmp";
    QTest::newRow("episode 1, 10") << 1 << 1 << 10 << "1spr0114.bmp";
    QTest::newRow("255 on level 1") << 1 << 1 << 255 << "1spr0000.bmp";
    QTest::newRow("255 on level 80") << 1 << 80 << 255 << "1spr0032.bmp";
    QTest::newRow("255 on episode 3's map") << 3 << 80 << 255 << "3spr0031.bmp";
    QTest::newRow("0") << 1 << 1 << 0 << "";
    QTest::newRow("300") << 1 << 1 << 300 << "";
    QTest::newRow("-1") << 2 << 80 << -1 << "";
    for (const int value : {9, 254, 256, -255, 32767, -32768})
        QTest::addRow("%d", value) << 2 << 1 << value << "";
}

void tst_SpriteCatalogue::infoValuesDraw() {
    QFETCH(int, episode);
    QFETCH(int, number);
    QFETCH(int, value);
    QFETCH(QString, file);
    TileSet tiles;
    tiles.LoadFromImage(fixtures::tileSheet(13 * 16, 20 * 16));
    const SpriteSet sprites = colouredSprites(episode);
    Level level;
    level.Create(6, 5, qint16(episode), qint16(number));
    Surface plain = fixtures::paper(6 * 16, 5 * 16, 0xFFFFFFFF);
    level.Display(plain, 0, 0, tiles, sprites, ZoomLevel());
    level.SetInfo(2, 3, qint16(value));
    Surface drawn = fixtures::paper(6 * 16, 5 * 16, 0xFFFFFFFF);
    level.Display(drawn, 0, 0, tiles, sprites, ZoomLevel());
    QCOMPARE(level.Info(2, 3), qint16(value)); // the drawing never changes it
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            QCOMPARE(drawn.image().pixel(2 * 16 + x, 3 * 16 + y),
                     file.isEmpty() ? plain.image().pixel(2 * 16 + x, 3 * 16 + y) : colourOf(file));
}

GM_TEST_MAIN(tst_SpriteCatalogue)
#include "tst_SpriteCatalogue.moc"
