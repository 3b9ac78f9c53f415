// The tile strip, the selected-tile and selected-sprite boxes and the two
// pop-up selectors of a real editor window: clicks sent as real mouse
// events, exact pixels of what is drawn, layout and picking.
#include "EditGeometry.h"
#include "EditorTestSupport.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"
#include "graphics/GraphicsFixtures.h"

#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

constexpr QRgb Black = 0xFF000000;
constexpr QRgb Marker = 0xFF123456;
constexpr int Border = 2; // the panels' border: inner (0, 0) is widget (2, 2)

QRgb pixel(PictureBox* box, int x, int y) {
    return box->surface().image().pixel(x, y);
}

QRgb tileAt(int tile, int px, int py) {
    return fixtures::tilePixel(tile, px, py);
}

// A set of exactly 600 tiles, ten to a sheet row.
std::shared_ptr<const TileSet> sixHundredTiles() {
    return editortest::makeTiles(fixtures::tileSheet(10 * 16, 60 * 16));
}

// Episode 1's sprite bitmaps, all 10 x 12 except sprite 3, 32 x 48: at the
// palette's zoom the largest sprite renders 64 x 96.
std::shared_ptr<const SpriteSet> spritesWithLargest64x96() {
    fixtures::MemorySource source;
    for (int sprite = -1; sprite < SpriteCatalogue::Count(1); ++sprite) {
        const QString name = SpriteCatalogue::FileName(1, sprite);
        if (!source.images.contains(name.toLower()))
            source.images[name.toLower()] = sprite == 3
                                                ? fixtures::spriteBitmap(sprite + 1, 32, 48)
                                                : fixtures::spriteBitmap(sprite + 1, 10, 12);
    }
    auto sprites = std::make_shared<SpriteSet>();
    Surface scratch;
    sprites->LoadFromSource(1, source, scratch);
    return sprites;
}

// Shows a selector with an inner area of w x h pixels over the edit area.
void showSelector(PictureBox* selector, int w, int h) {
    selector->setGeometry(0, 0, w + 2 * Border, h + 2 * Border);
    selector->raise();
    selector->show();
    QCoreApplication::processEvents();
}

// A press of the sprite picker let go over window point `at`.
void pickSprite(LevelEditorWindow& window, QPoint at) {
    drive(window).pressPicker("spritePicker");
    drive(window).releasePicker("spritePicker", at);
}

} // namespace

class tst_Palette : public QObject {
    Q_OBJECT
private slots:
    void stripLayout();
    void stripClickAtExactPixels_data();
    void stripClickAtExactPixels();
    void stripDrawing();
    void stripDrawingPastLastTile();
    void setSelectedTileCentresStrip();
    void selectedTileBoxes();
    void tileSelectorLayout();
    void tileSelectorDrawing();
    void tileSelectorPicks_data();
    void tileSelectorPicks();
    void tileSelectorNarrowerThanACell();
    void spriteSelectorLayoutAndPicks();
    void spriteSelectorDrawing();
    void selectorsLeaveNothingOld_data();
    void selectorsLeaveNothingOld();
    void selectedSprite();
};

void tst_Palette::stripLayout() {
    editortest::EditingWindow window;
    // The strip's inner area is 596 x 57: the bar along its bottom, the two
    // picker buttons at its right end.
    QCOMPARE(drive(*window).widget<PictureBox>("tileStrip")->ScaleWidth(), 596);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->geometry(),
             QRect(Border + 0, Border + 57 - 17, 596 - 50, 17));
    QCOMPARE(drive(*window).widget<PickerButton>("tilePicker")->geometry(),
             QRect(Border + 546, Border, 25, 57));
    QCOMPARE(drive(*window).widget<PickerButton>("spritePicker")->geometry(),
             QRect(Border + 571, Border, 25, 57));
    window->resize(700, 480);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->width(), 696 - 50);
    QCOMPARE(drive(*window).widget<PickerButton>("spritePicker")->x(), Border + 696 - 25);
}

// Each button's route from a click on the strip to its slot, and a click on
// a scrolled strip; which tile each pixel is: tst_PaletteGeometry.
// `first`: the strip's first tile (260 tiles, 17 cells: the bar ends at 244).
void tst_Palette::stripClickAtExactPixels_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("tile");
    const int L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton;
    QTest::newRow("left at 38: tile 1") << 0 << 38 << L << 0 << 1;
    QTest::newRow("right at 38: slot 1") << 0 << 38 << R << 1 << 1;
    QTest::newRow("middle at 110: slot 0") << 0 << 110 << M << 0 << 3;
    QTest::newRow("past the last tile") << 244 << 16 * 36 + 10 << L << 0 << 259;
}

void tst_Palette::stripClickAtExactPixels() {
    QFETCH(int, first);
    QFETCH(int, x);
    QFETCH(int, button);
    QFETCH(int, slot);
    QFETCH(int, tile);
    editortest::EditingWindow window;
    window->SetSelectedTile(0, 20);
    window->SetSelectedTile(1, 21);
    drive(*window).widget<QScrollBar>("tileStripScrollBar")->setValue(first);
    QTest::mouseClick(drive(*window).widget<PictureBox>("tileStrip"), Qt::MouseButton(button), {},
                      QPoint(x + Border, 20 + Border));
    QCOMPARE(window->SelectedTile(slot), qint16(tile));
    QCOMPARE(drive(*window).tileLabel(slot)->text(), QStringLiteral(" %1").arg(tile));
    // The other slot keeps its tile and its label.
    const int other = 1 - slot;
    QCOMPARE(window->SelectedTile(other), qint16(20 + other));
    QCOMPARE(drive(*window).tileLabel(other)->text(), QStringLiteral(" %1").arg(20 + other));
    // A click near either end leaves the strip where it is.
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->value(), first);
}

void tst_Palette::stripDrawing() {
    editortest::EditingWindow window;
    PictureBox* strip = drive(*window).widget<PictureBox>("tileStrip");
    strip->surface().image().fill(Marker);
    drive(*window)
        .widget<QScrollBar>("tileStripScrollBar")
        ->setValue(5); // a change redraws the strip
    for (int i = 0; i < 3; ++i) {
        const int left = 36 * i;
        // The tile, twice its sheet size, 4 pixels into its cell and 2 down.
        QCOMPARE(pixel(strip, left + 4, 2), tileAt(5 + i, 0, 0));
        QCOMPARE(pixel(strip, left + 5, 3), tileAt(5 + i, 0, 0));
        QCOMPARE(pixel(strip, left + 6, 4), tileAt(5 + i, 1, 1));
        QCOMPARE(pixel(strip, left + 35, 33), tileAt(5 + i, 15, 15));
        // Its black frame, one pixel outside it.
        QCOMPARE(pixel(strip, left + 3, 1), Black);
        QCOMPARE(pixel(strip, left + 36, 1), Black);
        QCOMPARE(pixel(strip, left + 3, 34), Black);
        QCOMPARE(pixel(strip, left + 36, 34), Black);
        QCOMPARE(pixel(strip, left + 20, 34), Black);
        // The gap between frames and the rows around them are not drawn on.
        QCOMPARE(pixel(strip, left + 37, 10), Marker);
        QCOMPARE(pixel(strip, left + 38, 10), Marker);
        QCOMPARE(pixel(strip, left + 10, 0), Marker);
        QCOMPARE(pixel(strip, left + 10, 35), Marker);
    }
    // The cells reach the strip's right edge, the last one clipped.
    QCOMPARE(pixel(strip, 16 * 36 + 4, 2), tileAt(5 + 16, 0, 0));
    QCOMPARE(pixel(strip, 595, 2), tileAt(5 + 16, 7, 0));
}

void tst_Palette::stripDrawingPastLastTile() {
    editortest::EditingWindow window;
    PictureBox* strip = drive(*window).widget<PictureBox>("tileStrip");
    drive(*window).widget<QScrollBar>("tileStripScrollBar")->setValue(244);
    drive(*window).redraw("tileStrip");
    QCOMPARE(pixel(strip, 15 * 36 + 4, 2), tileAt(259, 0, 0));
    // Tile 260 is past the set: a button-shadow square inside its frame.
    QCOMPARE(pixel(strip, 16 * 36 + 4, 2), Surface::ButtonShadow);
    QCOMPARE(pixel(strip, 16 * 36 + 4 + 15, 33), Surface::ButtonShadow);
    QCOMPARE(pixel(strip, 16 * 36 + 3, 1), Black);
}

void tst_Palette::setSelectedTileCentresStrip() {
    EditorTestHost host;
    // A strip 600 wide less its border: the bar is 546 wide, 17 tiles of 32
    // pixels, so a selected tile goes 8 cells in.
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 600, 480);
    window->SetSelectedTile(0, 100);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->value(), 92);
    QCOMPARE(drive(*window).tileLabel(0)->text(), QStringLiteral(" 100"));
    QCOMPARE(pixel(drive(*window).widget<PictureBox>("tileStrip"), 8 * 36 + 4, 2),
             tileAt(100, 0, 0));
    // A 532-pixel bar (16 whole tiles, a half is not counted) centres 8 in.
    window->resize(586, 480);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->width(), 532);
    window->SetSelectedTile(1, 150);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->value(), 142);
    // Near either end the strip stops at Min or Max.
    window->SetSelectedTile(1, 4);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->value(), 0);
    window->SetSelectedTile(1, 259);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->value(),
             drive(*window).widget<QScrollBar>("tileStripScrollBar")->maximum());
    // A negative tile shows with its minus sign.
    window->SetSelectedTile(0, -1);
    QCOMPARE(drive(*window).tileLabel(0)->text(), QStringLiteral("-1"));
}

void tst_Palette::selectedTileBoxes() {
    editortest::EditingWindow window;
    window->SetSelectedTile(0, 17);
    window->SetSelectedTile(1, 42);
    for (int slot = 0; slot < 2; ++slot) {
        const int tile = slot == 0 ? 17 : 42;
        PictureBox* box = drive(*window).tileBox(slot);
        QCOMPARE(box->ScaleWidth(), 32);
        QCOMPARE(pixel(box, 0, 0), tileAt(tile, 0, 0));
        QCOMPARE(pixel(box, 31, 31), tileAt(tile, 15, 15));
        QCOMPARE(pixel(box, 10, 20), tileAt(tile, 5, 10));
    }
    // A tile past the set shows the button-shadow square.
    window->SetSelectedTile(1, 999);
    QCOMPARE(pixel(drive(*window).tileBox(1), 5, 5), Surface::ButtonShadow);
    QCOMPARE(drive(*window).tileLabel(1)->text(), QStringLiteral(" 999"));
}

void tst_Palette::tileSelectorLayout() {
    editortest::EditingWindow window;
    window->SetTiles(sixHundredTiles());
    showSelector(drive(*window).widget<PictureBox>("tileSelector"), 400, 300);
    QScrollBar* bar = drive(*window).widget<QScrollBar>("tileSelectorScrollBar");
    // A full-height bar at the inner area's right edge.
    QCOMPARE(bar->geometry(), QRect(Border + 400 - 17, Border, 17, 300));
    // 10 columns and 8 rows of 600 tiles: 60 grid rows.
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 53);
    QCOMPARE(bar->pageStep(), 4);
    QCOMPARE(bar->singleStep(), 1);
    QVERIFY(bar->isEnabled());
}

void tst_Palette::tileSelectorDrawing() {
    editortest::EditingWindow window;
    window->SetTiles(sixHundredTiles());
    PictureBox* selector = drive(*window).widget<PictureBox>("tileSelector");
    showSelector(selector, 400, 300);
    selector->surface().image().fill(Marker);
    drive(*window).redraw("tileSelector");
    for (int r : {0, 7}) {
        for (int c : {0, 1, 9}) {
            const int left = 36 * c, top = 36 * r;
            QCOMPARE(pixel(selector, left + 4, top + 4), tileAt(r * 10 + c, 0, 0));
            QCOMPARE(pixel(selector, left + 35, top + 35), tileAt(r * 10 + c, 15, 15));
            QCOMPARE(pixel(selector, left + 3, top + 3), Black);
            QCOMPARE(pixel(selector, left + 36, top + 36), Black);
            QCOMPARE(pixel(selector, left + 36, top + 3), Black);
            // The gaps between frames keep the background.
            QCOMPARE(pixel(selector, left + 37, top + 10), Surface::ButtonShadow);
            QCOMPARE(pixel(selector, left + 10, top + 38), Surface::ButtonShadow);
        }
    }
    // Nothing but the background beyond the tenth column and the eighth row.
    QCOMPARE(pixel(selector, 10 * 36 + 4, 4), Surface::ButtonShadow);
    QCOMPARE(pixel(selector, 4, 8 * 36 + 4), Surface::ButtonShadow);
    // Scrolled to the end, the last row holds tiles 600..609: past the set.
    drive(*window).widget<QScrollBar>("tileSelectorScrollBar")->setValue(53);
    drive(*window).redraw("tileSelector");
    QCOMPARE(pixel(selector, 9 * 36 + 4, 6 * 36 + 4), tileAt(599, 0, 0));
    QCOMPARE(pixel(selector, 4, 7 * 36 + 4), Surface::ButtonShadow);
    QCOMPARE(pixel(selector, 3, 7 * 36 + 3), Black);
}

void tst_Palette::tileSelectorPicks_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("inner");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("tile"); // -1: nothing picked
    const int L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton;
    QTest::newRow("left, first cell") << L << QPoint(10, 10) << 0 << 0 << 0;
    QTest::newRow("right, x 38 is column 1") << R << QPoint(38, 10) << 0 << 1 << 1;
    QTest::newRow("middle, x 37 is column 0") << M << QPoint(37, 40) << 0 << 0 << 10;
    QTest::newRow("scrolled") << R << QPoint(100, 80) << 5 << 1 << 72;
    QTest::newRow("past the last tile") << L << QPoint(390, 290) << 53 << 0 << 599;
    QTest::newRow("below the selector") << L << QPoint(10, 300) << 0 << 0 << -1;
}

void tst_Palette::tileSelectorPicks() {
    QFETCH(int, button);
    QFETCH(QPoint, inner);
    QFETCH(int, firstRow);
    QFETCH(int, slot);
    QFETCH(int, tile);
    editortest::EditingWindow window;
    window->SetTiles(sixHundredTiles());
    showSelector(drive(*window).widget<PictureBox>("tileSelector"), 400, 300);
    window->SetSelectedTile(0, 333);
    window->SetSelectedTile(1, 444);
    drive(*window).pressPicker("tilePicker", Qt::MouseButton(button));
    drive(*window).widget<QScrollBar>("tileSelectorScrollBar")->setValue(firstRow);
    // Window coordinates: the selector sits at the window's top-left corner.
    drive(*window).releasePicker("tilePicker", inner + QPoint(Border, Border),
                                 Qt::MouseButton(button));
    const qint16 expected[2] = {tile >= 0 && slot == 0 ? qint16(tile) : qint16(333),
                                tile >= 0 && slot == 1 ? qint16(tile) : qint16(444)};
    QCOMPARE(window->SelectedTile(0), expected[0]);
    QCOMPARE(window->SelectedTile(1), expected[1]);
    QCOMPARE(drive(*window).tileLabel(slot)->text(), QStringLiteral(" %1").arg(expected[slot]));
}

void tst_Palette::tileSelectorNarrowerThanACell() {
    editortest::EditingWindow window;
    PictureBox* selector = drive(*window).widget<PictureBox>("tileSelector");
    showSelector(selector, 40, 300);
    selector->surface().image().fill(Marker);
    drive(*window).redraw("tileSelector");
    QCOMPARE(selector->surface().image(), [] {
        QImage all(40, 300, QImage::Format_RGB32);
        all.fill(Surface::ButtonShadow);
        return all;
    }());
    window->SetSelectedTile(0, 77);
    drive(*window).pressPicker("tilePicker");
    drive(*window).releasePicker("tilePicker", QPoint(10, 10));
    QCOMPARE(window->SelectedTile(0), qint16(77));
}

void tst_Palette::spriteSelectorLayoutAndPicks() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 800, 600);
    window->SetSprites(spritesWithLargest64x96());
    QCOMPARE(window->Sprites().MaxRenderWidth(EditGeometry::PaletteZoom), 64);
    QCOMPARE(window->Sprites().MaxRenderHeight(EditGeometry::PaletteZoom), 96);
    showSelector(drive(*window).widget<PictureBox>("spriteSelector"), 700, 420);
    QScrollBar* bar = drive(*window).widget<QScrollBar>("spriteSelectorScrollBar");
    QCOMPARE(bar->geometry(), QRect(Border + 700 - 17, Border, 17, 420));
    // Cells 68 x 100: 10 columns and 4 rows hold all 11 sprites.
    QCOMPARE(bar->maximum(), 0);
    QVERIFY(!bar->isEnabled());
    QCOMPARE(bar->pageStep(), 2);
    window->SetSelectedSprite(7);
    // Column 3 of row 0 (x 2 + 3 * 68 = 206 is its first pixel).
    pickSprite(*window, QPoint(206 + Border, 50 + Border));
    QCOMPARE(window->SelectedSprite(), qint16(3));
    pickSprite(*window, QPoint(205 + Border, 50 + Border));
    QCOMPARE(window->SelectedSprite(), qint16(2));
    // Row 1, column 0 is sprite 10, the last.
    pickSprite(*window, QPoint(10 + Border, 102 + Border));
    QCOMPARE(window->SelectedSprite(), qint16(10));
    QCOMPARE(drive(*window).widget<QLabel>("spriteLabel")->text(), QStringLiteral(" 10"));
    // In the last grid row, past the last sprite: the last sprite (the
    // other edges: tst_PaletteGeometry's selectorPick rows).
    window->SetSelectedSprite(1);
    pickSprite(*window, QPoint(5 * 68 + 10 + Border, 150 + Border));
    QCOMPARE(window->SelectedSprite(), qint16(10));
}

void tst_Palette::spriteSelectorDrawing() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 800, 600);
    window->SetSprites(spritesWithLargest64x96());
    PictureBox* selector = drive(*window).widget<PictureBox>("spriteSelector");
    showSelector(selector, 700, 420);
    selector->surface().image().fill(Marker);
    drive(*window).redraw("spriteSelector");
    const QRgb background = selector->surface().BackColor();
    // Sprite 0 (10 x 12, drawn 20 x 24) on white where see-through, on the
    // background colour in the rest of its cell.
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 20; ++x) {
            const QRgb expected = editortest::spriteOnWhite(1, x / 2, y / 2);
            QCOMPARE(pixel(selector, 4 + x, 4 + y), expected);
        }
    }
    QCOMPARE(pixel(selector, 4 + 20, 4), background);
    QCOMPARE(pixel(selector, 4 + 63, 4 + 95), background);
    // Frames of cell (0, 0) and of the last column.
    QCOMPARE(pixel(selector, 3, 3), Black);
    QCOMPARE(pixel(selector, 68, 100), Black);
    QCOMPARE(pixel(selector, 9 * 68 + 3, 3), Black);
    // Sprite 9 shares its bitmap with sprite 6 (fixture id 7).
    QCOMPARE(pixel(selector, 9 * 68 + 4, 4), editortest::spriteOnWhite(7, 0, 0));
    // Row 1: sprite 10, then cells past the last sprite with only a frame.
    QCOMPARE(pixel(selector, 4 + 30, 104 + 30), background);
    QCOMPARE(pixel(selector, 68 + 3, 100 + 3), Black);
    QCOMPARE(pixel(selector, 68 + 4, 104), background);
    QCOMPARE(pixel(selector, 68 + 40, 104 + 50), background);
    QCOMPARE(pixel(selector, 3 * 68 + 4, 3 * 100 + 4), background);
    QCOMPARE(pixel(selector, 3 * 68 + 3, 3 * 100 + 3), Black);
    // The gaps between frames keep the background.
    QCOMPARE(pixel(selector, 69, 50), background);
    QCOMPARE(pixel(selector, 70, 50), background);
}

void tst_Palette::selectorsLeaveNothingOld_data() {
    QTest::addColumn<bool>("sprites");
    QTest::addColumn<int>("episodeAfter");
    QTest::addColumn<QSize>("sizeAfter");
    // Each selector is first drawn with episode 3's sets at 700 x 420.
    QTest::newRow("tile selector, shrunk") << false << 3 << QSize(200, 150);
    QTest::newRow("tile selector, narrower than a cell") << false << 3 << QSize(30, 150);
    QTest::newRow("sprite selector, shrunk") << true << 3 << QSize(300, 250);
    QTest::newRow("sprite selector, fewer sprites") << true << 2 << QSize(700, 420);
    QTest::newRow("sprite selector, fewer and larger") << true << 1 << QSize(700, 420);
}

// Whatever a selector showed before a change of size or of sets is gone
// once it is drawn again: every pixel is a cell's picture, a frame or the
// background.
void tst_Palette::selectorsLeaveNothingOld() {
    QFETCH(bool, sprites);
    QFETCH(int, episodeAfter);
    QFETCH(QSize, sizeAfter);
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 3, 1, 800, 600);
    PictureBox* selector = sprites ? drive(*window).widget<PictureBox>("spriteSelector")
                                   : drive(*window).widget<PictureBox>("tileSelector");
    const auto paint = [&] {
        if (sprites)
            drive(*window).redraw("spriteSelector");
        else
            drive(*window).redraw("tileSelector");
    };
    showSelector(selector, 700, 420);
    paint();
    if (sprites)
        window->SetSprites(host.SpriteSets(episodeAfter - 1));
    // What the earlier drawing left where the new one draws nothing.
    selector->surface().image().fill(Marker);
    showSelector(selector, sizeAfter.width(), sizeAfter.height());
    paint();
    const QImage shown = selector->surface().image();
    QCOMPARE(shown.size(), sizeAfter);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            QVERIFY2(shown.pixel(x, y) != Marker,
                     qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
    // The gap right of the first cell and left of the second shows the
    // background.
    const int pitch =
        sprites ? window->Sprites().MaxRenderWidth(EditGeometry::PaletteZoom) + 4 : 36;
    if (pitch + 2 < sizeAfter.width())
        QCOMPARE(pixel(selector, pitch + 1, 10), Surface::ButtonShadow);
}

void tst_Palette::selectedSprite() {
    editortest::EditingWindow window;
    PictureBox* box = drive(*window).widget<PictureBox>("spriteBox");
    window->SetSelectedSprite(0);
    QCOMPARE(window->SelectedSprite(), qint16(0));
    QCOMPARE(drive(*window).widget<QLabel>("spriteLabel")->text(), QStringLiteral(" 0"));
    // Sprite 0 of the fixtures is 11 x 12, drawn 22 x 24 on white.
    QCOMPARE(pixel(box, 0, 0), editortest::spriteOnWhite(1, 0, 0));
    QCOMPARE(pixel(box, 3, 5), editortest::spriteOnWhite(1, 1, 2));
    QCOMPARE(pixel(box, 25, 5), box->surface().BackColor());
    // A larger sprite replaces it whole and is cut off by the box.
    window->SetSelectedSprite(10);
    QCOMPARE(drive(*window).widget<QLabel>("spriteLabel")->text(), QStringLiteral(" 10"));
    QCOMPARE(pixel(box, 31, 31), editortest::spriteOnWhite(11, 15, 15));
    // Nothing is scrolled by choosing a sprite.
    drive(*window).widget<QScrollBar>("tileStripScrollBar")->setValue(30);
    window->SetSelectedSprite(5);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->value(), 30);
}

GM_TEST_MAIN(tst_Palette)
#include "tst_Palette.moc"
