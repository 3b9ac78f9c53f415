// The info-value overlay: the texts of values, the layout for each cell
// size, the exact pixels it draws over a tiny level, and `gridmason-tool
// render --info-values`.

#include "InfoOverlay.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestData.h"
#include "TestMain.h"
#include "TileSet.h"
#include "ToolProcess.h"
#include "graphics/GraphicsFixtures.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr QRgb Marker = 0xFF123456;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

const QString& Tool = gridmasonToolPath();

Surface markedSurface(int w, int h) {
    Surface surface(w, h);
    surface.image().fill(Marker);
    return surface;
}

// Compares the w x h pixels at (x, y) with a picture: '.' untouched,
// 'k' black outline, 'W' white letter.
void comparePicture(const QImage& image, int x, int y, const QStringList& rows) {
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const char want = rows[r].at(c).toLatin1();
            const QRgb expected = want == 'W' ? White : want == 'k' ? Black : Marker;
            const QRgb got = image.pixel(x + c, y + r);
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected '%4'")
                                     .arg(x + c)
                                     .arg(y + r)
                                     .arg(got, 8, 16)
                                     .arg(want)));
        }
    }
}

// The smallest rectangle holding every pixel that is not the marker.
QRect touched(const QImage& image, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != Marker)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A 3 x 2 level: 1 at (0, 0), nothing at (1, 0), the blocker word 0x8003 at
// (2, 0) and 12 at (0, 1).
Level tinyLevel() {
    Level level;
    level.Create(24, 17, 1, 80);
    level.Resize(3, 2);
    level.SetInfo(0, 0, 1);
    level.SetInfo(2, 0, qint16(0x8003));
    level.SetInfo(0, 1, 12);
    return level;
}

int runTool(const QStringList& args) {
    return runGridmasonTool(args).exitCode;
}

} // namespace

class tst_InfoOverlay : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("one") << 1 << "1";
        QTest::newRow("entrance 12") << 12 << "12";
        QTest::newRow("255") << 255 << "255";
        QTest::newRow("256") << 256 << "0x0100";
        QTest::newRow("largest") << 32767 << "0x7FFF";
        QTest::newRow("blocker 1") << -32767 << "0x8001";
        QTest::newRow("blocker 3") << -32765 << "0x8003";
        QTest::newRow("smallest") << -32768 << "0x8000";
        QTest::newRow("minus one") << -1 << "0xFFFF";
        QTest::newRow("minus 171") << -171 << "0xFF55";
    }
    void text() {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(InfoOverlay::Text(qint16(value)), text);
    }

    void scaleAndLines() {
        QCOMPARE(InfoOverlay::Scale(8, 8), 1);
        QCOMPARE(InfoOverlay::Scale(16, 16), 1);
        QCOMPARE(InfoOverlay::Scale(32, 32), 1);
        QCOMPARE(InfoOverlay::Scale(64, 64), 2);
        QCOMPARE(InfoOverlay::Scale(128, 128), 4);
        QCOMPARE(InfoOverlay::Scale(1 << 20, 1 << 20), 4);
        QCOMPARE(InfoOverlay::Scale(128, 16), 2); // a low cell limits it too
        // "0x8003" needs 25 pixels with its outline: broken after "0x" in a
        // 16-pixel cell, whole from 25 pixels on.
        QCOMPARE(InfoOverlay::Lines("0x8003", 16, 1), QStringList({"0x", "8003"}));
        QCOMPARE(InfoOverlay::Lines("0x8003", 24, 1), QStringList({"0x", "8003"}));
        QCOMPARE(InfoOverlay::Lines("0x8003", 25, 1), QStringList({"0x8003"}));
        QCOMPARE(InfoOverlay::Lines("0x8003", 64, 2), QStringList({"0x8003"}));
        QCOMPARE(InfoOverlay::Lines("255", 16, 1), QStringList({"255"}));
        // Decimal texts are never broken, even where they do not fit.
        QCOMPARE(InfoOverlay::Lines("255", 8, 1), QStringList({"255"}));
    }

    void exactPixelsAtSixteen() {
        const Level level = tinyLevel();
        Surface dest = markedSurface(48, 32);
        InfoOverlay::Draw(dest, level, 0, 0, 16, 16);
        const QImage& image = dest.image();
        // "1" one pixel inside cell (0, 0): its outline from (1, 1), the
        // letter from (2, 2).
        comparePicture(image, 1, 1,
                       {".kkk.", //
                        "kkWk.", //
                        "kWWk.", //
                        "kkWk.", //
                        "kkWkk", //
                        "kWWWk", //
                        "kkkkk"});
        QCOMPARE(touched(image, QRect(0, 0, 16, 16)), QRect(1, 1, 5, 7));
        // The empty cell keeps its pixels.
        QCOMPARE(touched(image, QRect(16, 0, 16, 16)), QRect());
        // "12" in cell (0, 1): the two glyphs one pixel apart.
        comparePicture(image, 1, 17,
                       {".kkkkkkkk", //
                        "kkWkkWWWk", //
                        "kWWkkkkWk", //
                        "kkWkkWWWk", //
                        "kkWkkWkkk", //
                        "kWWWkWWWk", //
                        "kkkkkkkkk"});
        QCOMPARE(touched(image, QRect(0, 16, 16, 16)), QRect(1, 17, 9, 7));
        // 0x8003 does not fit on one line: "0x" over "8003", 17 x 13 pixels
        // from the cell's left edge, cut off by the surface's right edge.
        QCOMPARE(touched(image, QRect(32, 0, 16, 16)), QRect(32, 1, 16, 13));
        comparePicture(image, 32, 1,
                       {"kkkkk...........", //
                        "kWWWkkkkk.......", //
                        "kWkWkWkWk.......", //
                        "kWkWkkWkk.......", //
                        "kWkWkWkWk.......", //
                        "kWWWkkkkk.......", //
                        "kkkkkkkkkkkkkkkk", //
                        "kWWWkWWWkWWWkWWW", //
                        "kWkWkWkWkWkWkkkW", //
                        "kWWWkWkWkWkWkkWW", //
                        "kWkWkWkWkWkWkkkW", //
                        "kWWWkWWWkWWWkWWW", //
                        "kkkkkkkkkkkkkkkk"});
    }

    void windowOfTheLevel() {
        const Level level = tinyLevel();
        // From column 1: the blocker lands in the second cell column, the
        // first column stays empty; row -1 is above the level.
        Surface dest = markedSurface(48, 48);
        InfoOverlay::Draw(dest, level, 1, -1, 16, 16);
        const QImage& image = dest.image();
        QCOMPARE(touched(image, QRect(0, 0, 48, 16)), QRect());
        QCOMPARE(touched(image, QRect(0, 16, 16, 32)), QRect());
        QCOMPARE(touched(image, QRect(16, 16, 32, 16)), QRect(16, 17, 17, 13));
        QCOMPARE(touched(image, QRect(0, 32, 48, 16)), QRect());
        // Far outside the level nothing is drawn, and nothing breaks.
        Surface far = markedSurface(48, 48);
        InfoOverlay::Draw(far, level, 30000, -30000, 16, 16);
        InfoOverlay::Draw(far, level, -32768, 32767, 16, 16);
        QCOMPARE(touched(far.image(), far.image().rect()), QRect());
    }

    void cellSizes() {
        const Level level = tinyLevel();
        // Below 8 pixels nothing is written, but on a world map (this one),
        // whose entrances and blockers must show at every zoom.
        Level plain = level;
        plain.SetNumber(1);
        Surface small = markedSurface(21, 14);
        InfoOverlay::Draw(small, plain, 0, 0, 7, 7);
        QCOMPARE(touched(small.image(), small.image().rect()), QRect());
        InfoOverlay::Draw(small, level, 0, 0, 7, 7);
        QCOMPARE(touched(small.image(), QRect(0, 0, 7, 7)), QRect(1, 0, 5, 7));
        Surface tiny = markedSurface(6, 4);
        InfoOverlay::Draw(tiny, level, 0, 0, 2, 2);
        QCOMPARE(touched(tiny.image(), tiny.image().rect()), QRect(0, 0, 6, 4));
        Surface eight = markedSurface(24, 16);
        InfoOverlay::Draw(eight, level, 0, 0, 8, 8);
        QCOMPARE(touched(eight.image(), QRect(0, 0, 8, 8)), QRect(1, 1, 5, 7));
        // 32-pixel cells: the blocker on one line, 25 x 7 from (65, 1).
        Surface big = markedSurface(96, 64);
        InfoOverlay::Draw(big, level, 0, 0, 32, 32);
        QCOMPARE(touched(big.image(), QRect(64, 0, 32, 32)), QRect(65, 1, 25, 7));
        // 64-pixel cells: font pixels of 2 x 2, the outline 2 pixels wide.
        Surface huge = markedSurface(192, 128);
        InfoOverlay::Draw(huge, level, 0, 0, 64, 64);
        const QImage& image = huge.image();
        QCOMPARE(touched(image, QRect(0, 0, 64, 64)), QRect(1, 1, 10, 14));
        comparePicture(image, 1, 1,
                       {"..kkkkkk..", //
                        "..kkkkkk..", //
                        "kkkkWWkk..", //
                        "kkkkWWkk..", //
                        "kkWWWWkk..", //
                        "kkWWWWkk..", //
                        "kkkkWWkk..", //
                        "kkkkWWkk..", //
                        "kkkkWWkkkk", //
                        "kkkkWWkkkk", //
                        "kkWWWWWWkk", //
                        "kkWWWWWWkk", //
                        "kkkkkkkkkk", //
                        "kkkkkkkkkk"});
        QCOMPARE(touched(image, QRect(128, 0, 64, 64)), QRect(129, 1, 50, 14));
    }

    void drawText() {
        Surface dest = markedSurface(12, 9);
        InfoOverlay::DrawText(dest, "-", 2, 2, 1);
        comparePicture(dest.image(), 0, 0,
                       {"............", //
                        "............", //
                        "............", //
                        ".kkkkk......", //
                        ".kWWWk......", //
                        ".kkkkk......", //
                        "............"});
        // Off the surface and with a scale of 0: nothing, no fault.
        Surface other = markedSurface(12, 9);
        InfoOverlay::DrawText(other, "0x8001", -100, 50, 1);
        InfoOverlay::DrawText(other, "1", 2, 2, 0);
        QCOMPARE(touched(other.image(), other.image().rect()), QRect());
    }

    void renderToolDrawsTheOverlay() {
        QVERIFY2(QFile::exists(Tool), qPrintable(Tool));
        QTemporaryDir dir;
        const QString graphics = dir.filePath("graphics");
        QVERIFY(fixtures::writeEpisode(graphics, 1, fixtures::tileSheet(13 * 16, 5 * 16)));
        Level level;
        level.Create(30, 20, 1, 80);
        level.SetInfo(4, 4, 12);
        level.SetInfo(5, 4, qint16(0x8003));
        level.SetInfo(6, 5, 255);
        const QString file = dir.filePath("LEVEL80.CK1");
        QVERIFY(level.Save(file).ok);
        const QString plain = dir.filePath("plain.png");
        const QString marked = dir.filePath("marked.png");
        const QStringList common = {"render", file, "--graphics", graphics, "--zoom", "1"};
        QCOMPARE(runTool(common + QStringList{"-o", plain}), 0);
        QCOMPARE(runTool(common + QStringList{"-o", marked, "--info-values"}), 0);
        const QImage without = QImage(plain, "PNG").convertToFormat(QImage::Format_RGB32);
        const QImage with = QImage(marked, "PNG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(with.size(), QSize(30 * 32, 20 * 32));
        QVERIFY(with != without);
        // The picture is the drawing plus the overlay, and only differs in
        // the three marked cells.
        Surface expected(with.width(), with.height());
        expected.image() = without;
        InfoOverlay::Draw(expected, level, 0, 0, 32, 32);
        QCOMPARE(with, expected.image());
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y)) {
                    const QPoint cell(x / 32, y / 32);
                    QVERIFY(cell == QPoint(4, 4) || cell == QPoint(5, 4) || cell == QPoint(6, 5));
                }
    }

    void realMapShowsEveryValue() {
        GM_REQUIRE_REAL_DATA();
        Level map;
        QVERIFY(map.Load(realDataDir() + "/LEVEL80.CK1").ok);
        Surface dest = markedSurface(map.Width() * 16, map.Height() * 16);
        InfoOverlay::Draw(dest, map, 0, 0, 16, 16);
        int entrances = 0, blockers = 0;
        for (int y = 0; y < map.Height(); ++y) {
            for (int x = 0; x < map.Width(); ++x) {
                const qint16 value = map.Info(x, y);
                const QRect cell(x * 16, y * 16, 16, 16);
                const QRect box = touched(dest.image(), cell);
                if (value == 0) {
                    // A two-line text may spill one outline column into
                    // the next cell, never more.
                    QVERIFY(box.isNull() || (box.left() == cell.left() && box.width() == 1));
                    continue;
                }
                QVERIFY2(!box.isNull(), qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                // The text starts one pixel inside the cell (at its left
                // edge when broken in two lines).
                QCOMPARE(box.top(), cell.top() + 1);
                QVERIFY(box.left() <= cell.left() + 1);
                if (value >= 1 && value <= 99)
                    ++entrances;
                else if (quint16(value) > 0x8000 && quint16(value) < 0x8100)
                    ++blockers;
            }
        }
        QVERIFY(entrances > 10);
        QCOMPARE(blockers, 4);
    }
};

GM_TEST_GUILESS_MAIN(tst_InfoOverlay)
#include "tst_InfoOverlay.moc"
