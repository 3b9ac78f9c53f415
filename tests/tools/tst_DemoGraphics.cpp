#include "DemoGraphics.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TestPaths.h"
#include "TileBehaviourLoader.h"
#include "TileRulesChecker.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <set>

// Checks the placeholder graphics and levels that the build generated into
// the build folder, and that generating them again gives the same bytes.
class tst_DemoGraphics : public QObject {
    Q_OBJECT

private slots:
    void tileSheetsHaveTheExportedLayout_data();
    void tileSheetsHaveTheExportedLayout();
    void tilesShowTheirNumbers();
    void spriteBitmapsHaveThreeMatchingFrames_data();
    void spriteBitmapsHaveThreeMatchingFrames();
    void demoLevelsLoadAndShowSprites_data();
    void demoLevelsLoadAndShowSprites();
    void generatingAgainGivesTheSameBytes();
    void unwritableOutputIsReported();

private:
    static QString buildDir() { return QStringLiteral(GM_BINARY_DIR); }
    static QImage loadBmp(const QString& path, int* bitsPerPixel = nullptr);
};

QImage tst_DemoGraphics::loadBmp(const QString& path, int* bitsPerPixel) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray data = file.readAll();
    if (bitsPerPixel)
        *bitsPerPixel = data.size() > 30 ? quint8(data[28]) | (quint8(data[29]) << 8) : 0;
    QImage image;
    image.loadFromData(data, "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

static void addEpisodeRows() {
    QTest::addColumn<int>("episode");
    QTest::addColumn<int>("tiles");
    QTest::newRow("episode 1") << 1 << 611;
    QTest::newRow("episode 2") << 2 << 689;
    QTest::newRow("episode 3") << 3 << 624;
}

void tst_DemoGraphics::tileSheetsHaveTheExportedLayout_data() {
    addEpisodeRows();
}

void tst_DemoGraphics::tileSheetsHaveTheExportedLayout() {
    QFETCH(int, episode);
    QFETCH(int, tiles);
    const QString folder = DemoGraphics::EpisodeFolder(buildDir(), episode);
    int bits = 0;
    const QImage sheet = loadBmp(folder + "/" + SpriteCatalogue::TileSheetName(episode), &bits);
    QVERIFY2(!sheet.isNull(), qPrintable(folder));
    QCOMPARE(bits, 24);
    QCOMPARE(sheet.width(), 13 * 16);
    QCOMPARE(sheet.height() % 16, 0);
    QCOMPARE(sheet.height() / 16 * 13, tiles);

    // Every tile differs from every other one.
    std::set<QByteArray> seen;
    for (int n = 0; n < tiles; ++n) {
        const QImage tile = sheet.copy(n % 13 * 16, n / 13 * 16, 16, 16);
        const QByteArray bytes(reinterpret_cast<const char*>(tile.constBits()), tile.sizeInBytes());
        QVERIFY2(seen.insert(bytes).second, qPrintable(QString("tile %1 repeats").arg(n)));
    }

    // The background tile is a dark sky; the walls are two-coloured bricks
    // (apart from the number plate).
    const QImage sky = sheet.copy(143 % 13 * 16, 143 / 13 * 16, 16, 16);
    QCOMPARE(sky.pixel(0, 0), qRgb(20, 28, 72));
    QCOMPARE(sky.pixel(15, 0), qRgb(20, 28, 72));
    for (int wallTile : {144, 245}) {
        const QImage wall = sheet.copy(wallTile % 13 * 16, wallTile / 13 * 16, 16, 16);
        QSet<QRgb> colours;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 16; ++x)
                colours.insert(wall.pixel(x, y));
        QCOMPARE(colours.size(), 2);
        QCOMPARE(wall.pixel(0, 3), wall.pixel(15, 3)); // a mortar line
        QVERIFY(wall.pixel(0, 0) != wall.pixel(0, 3));
    }
}

void tst_DemoGraphics::tilesShowTheirNumbers() {
    const QImage sheet = loadBmp(DemoGraphics::EpisodeFolder(buildDir(), 1) + "/1til0000.bmp");
    QVERIFY(!sheet.isNull());
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    // Tile 0: "0" in white on a black 5 x 7 plate in the bottom-right
    // corner, the digit's hole the middle column. Tile 603 (row 46, column
    // 5) in the font of the info values, whose "3" has a short middle bar;
    // tile 610 (column 12), three digits on a 13-pixel plate.
    const struct {
        int tile;
        QStringList plate;
    } plates[] = {
        {0, {".....", ".###.", ".#.#.", ".#.#.", ".#.#.", ".###.", "....."}},
        {603,
         {".............", ".###.###.###.", ".#...#.#...#.", ".###.#.#..##.", ".#.#.#.#...#.",
          ".###.###.###.", "............."}},
        {610,
         {".............", ".###..#..###.", ".#...##..#.#.", ".###..#..#.#.", ".#.#..#..#.#.",
          ".###.###.###.", "............."}},
    };
    for (const auto& [tile, plate] : plates) {
        const int left = tile % 13 * 16 + 16 - plate[0].size(), top = tile / 13 * 16 + 9;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < plate[row].size(); ++col)
                QCOMPARE(sheet.pixel(left + col, top + row),
                         plate[row][col] == '#' ? white : black);
    }
}

void tst_DemoGraphics::spriteBitmapsHaveThreeMatchingFrames_data() {
    addEpisodeRows();
}

void tst_DemoGraphics::spriteBitmapsHaveThreeMatchingFrames() {
    QFETCH(int, episode);
    const QString folder = DemoGraphics::EpisodeFolder(buildDir(), episode);
    const QStringList files = SpriteCatalogue::DistinctFiles(episode);
    QVERIFY(files.size() >= 9);
    std::set<std::pair<int, int>> sizes;
    for (const QString& name : files) {
        int bits = 0;
        const QImage bitmap = loadBmp(folder + "/" + name, &bits);
        QVERIFY2(!bitmap.isNull(), qPrintable(name));
        QCOMPARE(bits, 24);
        QCOMPARE(bitmap.width() % 3, 0);
        const int fw = bitmap.width() / 3;
        const int fh = bitmap.height();
        sizes.insert({fw, fh});
        int opaque = 0;
        int red = 0;
        for (int y = 0; y < fh; ++y) {
            for (int x = 0; x < fw; ++x) {
                const QRgb image = bitmap.pixel(x, y);
                const QRgb mask = bitmap.pixel(fw + x, y);
                const QRgb box = bitmap.pixel(2 * fw + x, y);
                QVERIFY2(mask == qRgb(0, 0, 0) || mask == qRgb(255, 255, 255), qPrintable(name));
                if (mask == qRgb(255, 255, 255))
                    QVERIFY2(image == qRgb(0, 0, 0), qPrintable(name));
                else
                    ++opaque;
                QVERIFY2(box == qRgb(0, 0, 0) || box == qRgb(64, 64, 64) || box == qRgb(255, 0, 0),
                         qPrintable(name));
                red += box == qRgb(255, 0, 0);
            }
        }
        // Something to see, with see-through pixels around it, and a hit box.
        QVERIFY2(opaque > fw * fh / 4 && opaque < fw * fh, qPrintable(name));
        QVERIFY2(red > 0, qPrintable(name));
    }
    QVERIFY(sizes.size() >= 5);
}

void tst_DemoGraphics::demoLevelsLoadAndShowSprites_data() {
    addEpisodeRows();
}

void tst_DemoGraphics::demoLevelsLoadAndShowSprites() {
    QFETCH(int, episode);
    QFETCH(int, tiles);
    const QString folder = DemoGraphics::LevelsFolder(buildDir());
    const int count = SpriteCatalogue::Count(episode);
    // The demo's made-up tile behaviour, found beside its graphics, finds
    // nothing wrong in its levels: each has an exit, a free start and the
    // key to its door.
    TileBehaviour table;
    QString source;
    const IoResult read = TileBehaviourLoader::Load(
        DemoGraphics::EpisodeFolder(buildDir(), episode), episode, table, source);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(table.Count(), tiles);
    for (int number : {1, 2, 80}) {
        const QString name =
            QString("%1/LEVEL%2.CK%3").arg(folder).arg(number, 2, 10, QChar('0')).arg(episode);
        Level level;
        const IoResult loaded = level.Load(name);
        QVERIFY2(loaded.ok, qPrintable(loaded.error));
        QCOMPARE(int(level.Episode()), episode);
        QCOMPARE(int(level.Number()), number);
        QVERIFY(level.Width() >= 24 && level.Height() >= 17);
        QCOMPARE(TileRulesChecker::Check(level, table, tiles).size(), size_t(0));
        std::set<int> shown;
        for (int y = 0; y < level.Height(); ++y) {
            for (int x = 0; x < level.Width(); ++x) {
                const int tile = level.Tile(x, y);
                QVERIFY(tile >= 0 && tile < tiles);
                const int sprite =
                    SpriteCatalogue::SpriteForInfo(level.Info(x, y), level.Number(), count);
                QVERIFY(level.Info(x, y) == 0 || sprite != SpriteCatalogue::NoSprite);
                if (sprite != SpriteCatalogue::NoSprite)
                    shown.insert(sprite);
            }
        }
        if (number == 1)
            QCOMPARE(int(shown.size()), count); // the player and every other sprite
        if (number == 2) {
            QVERIFY(shown.count(0));
            for (int n = 0; n < tiles; ++n)
                QCOMPARE(int(level.Tile(2 + n % 26, 2 + n / 26)), n);
        }
        if (number == 80)
            QVERIFY(shown.count(-1));
    }
}

void tst_DemoGraphics::generatingAgainGivesTheSameBytes() {
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const IoResult result = DemoGraphics::Generate(temp.path());
    QVERIFY2(result.ok, qPrintable(result.error));
    int files = 0;
    QDirIterator it(temp.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(temp.path()).relativeFilePath(path);
        QVERIFY2(fileBytes(path) == fileBytes(buildDir() + "/" + relative), qPrintable(relative));
        ++files;
    }
    // Three sheets, 9 + 9 + 16 sprite bitmaps, three tile behaviour tables,
    // three levels per episode.
    QCOMPARE(files, 3 + 34 + 3 + 9);
}

void tst_DemoGraphics::unwritableOutputIsReported() {
    QTemporaryDir temp;
    QVERIFY(writeFile(temp.filePath("blocker"), {}));
    const IoResult result = DemoGraphics::Generate(temp.filePath("blocker/out"));
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(temp.filePath("blocker/out/graphics/keen1")),
             qPrintable(result.error));
}

GM_TEST_MAIN(tst_DemoGraphics)
#include "tst_DemoGraphics.moc"
