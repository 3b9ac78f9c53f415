// CanvasView on its own: scrolling keeps what it drew and draws only the
// strips it uncovers, and must still give exactly what drawing the whole
// canvas gives, also where sprites from cells before the view's origin
// (drawn up to three cells back) reach further than four cells, and for
// changes drawn after the picture has wrapped.
#include "BrushSelection.h"
#include "CanvasView.h"
#include "CellBlock.h"
#include "LevelDocument.h"
#include "PictureBox.h"
#include "SelectTool.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "TestMain.h"
#include "TileSet.h"
#include "ToolPreview.h"
#include "graphics/GraphicsFixtures.h"

#include <QTest>

class tst_CanvasViewScroll : public QObject {
    Q_OBJECT
private slots:
    void wideAndTallSpritesScrollExactly_data();
    void wideAndTallSpritesScrollExactly();
};

void tst_CanvasViewScroll::wideAndTallSpritesScrollExactly_data() {
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<bool>("floating");
    const QList<QPair<const char*, QPoint>> steps = {{"right", {1, 0}},
                                                     {"left", {-1, 0}},
                                                     {"down", {0, 1}},
                                                     {"up", {0, -1}},
                                                     {"two across and down", {2, 2}},
                                                     {"two back and up", {-2, -2}}};
    for (const auto& [name, step] : steps) {
        QTest::newRow(name) << step << false;
        QTest::newRow(qPrintable(QStringLiteral("%1, block floating").arg(name))) << step << true;
    }
}

void tst_CanvasViewScroll::wideAndTallSpritesScrollExactly() {
    QFETCH(QPoint, step);
    QFETCH(bool, floating);
    auto tiles = std::make_shared<TileSet>();
    tiles->LoadFromImage(fixtures::tileSheet(13 * 16, 20 * 16));
    // Every sprite 6 x 5 cells (96 x 80 pixels at 16-pixel cells).
    fixtures::MemorySource source;
    for (int sprite = SpriteCatalogue::Count(1) - 1; sprite >= -1; --sprite)
        source.images[SpriteCatalogue::FileName(1, sprite)] =
            fixtures::spriteBitmap(sprite + 2, 96, 80);
    auto sprites = std::make_shared<SpriteSet>();
    Surface scratch;
    sprites->LoadFromSource(1, source, scratch);

    LevelDocument document;
    document.NewLevel(60, 50, 1, 1);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x)
            if ((x + 2 * y) % 5 == 0)
                document.SetCell(CellChange::InfoPlane, x, y, qint16(1 + (x + y) % 9));
    PictureBox canvas;
    canvas.resize(200, 150);
    canvas.show(); // a hidden widget takes its size only once shown
    QCOMPARE(canvas.ScaleWidth(), 200);
    CanvasView view(canvas, document, tiles, sprites);
    BrushSelection brush;
    SelectTool tool(document, brush);
    if (floating) {
        // A half see-through block over the middle of the view, kept over
        // the same cells while the view scrolls.
        CellBlock block(5, 4, 1, true);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                block.SetTile(x, y, qint16(7 * x + y));
        tool.StartPaste(block, {24, 23});
        view.SetPreview(&tool);
    }
    int sx = 20, sy = 20;
    view.Redraw(sx, sy);
    auto shownExactly = [&] {
        Surface whole(200, 150);
        document.level().Display(whole, qint16(sx), qint16(sy), *tiles, *sprites, ZoomLevel());
        if (floating)
            tool.DrawPreview(whole, PreviewPlace{*tiles, *sprites, ZoomLevel(), sx, sy, 0, 0});
        return canvas.Picture() == whole.image();
    };
    for (int i = 0; i < 8; ++i) {
        sx += step.x();
        sy += step.y();
        view.ScrollTo(sx, sy);
        QVERIFY2(shownExactly(), qPrintable(QStringLiteral("view at %1, %2").arg(sx).arg(sy)));
    }
    // What reaches the screen is the picture, read from where it is kept.
    QCOMPARE(canvas.grab().toImage().convertToFormat(QImage::Format_RGB32), canvas.Picture());
    // The picture now starts inside its pixels: a change of cells across
    // the whole view (tiles and sprites) is drawn where it shows.
    for (int y = sy; y < sy + 10; ++y)
        for (int x = sx + 2; x < sx + 12; ++x) {
            document.SetCell(CellChange::TilePlane, x, y, qint16(x * y % 200));
            document.SetCell(CellChange::InfoPlane, x, y, qint16((x + y) % 7 == 0 ? 3 : 0));
        }
    QVERIFY(shownExactly());
    // The floating block follows the pointer over the wrapped picture.
    for (int i = 1; i <= 3 && floating; ++i) {
        tool.Move({sx + 3 * i, sy + 2 * i, true});
        view.RefreshPreview();
        QVERIFY2(shownExactly(), qPrintable(QStringLiteral("block move %1").arg(i)));
    }
}

GM_TEST_MAIN(tst_CanvasViewScroll)
#include "tst_CanvasViewScroll.moc"
