// CanvasView on its own: scrolling moves what it drew and draws only the
// strips it uncovers, and must still give exactly what drawing the whole
// canvas gives, also where sprites from cells before the view's origin
// (drawn up to three cells back) reach further than four cells.
#include "CanvasView.h"
#include "LevelDocument.h"
#include "PictureBox.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "TileSet.h"
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
    QTest::newRow("right") << QPoint(1, 0);
    QTest::newRow("left") << QPoint(-1, 0);
    QTest::newRow("down") << QPoint(0, 1);
    QTest::newRow("up") << QPoint(0, -1);
    QTest::newRow("two across and down") << QPoint(2, 2);
    QTest::newRow("two back and up") << QPoint(-2, -2);
}

void tst_CanvasViewScroll::wideAndTallSpritesScrollExactly() {
    QFETCH(QPoint, step);
    TileSet tiles;
    tiles.LoadFromImage(fixtures::tileSheet(13 * 16, 20 * 16));
    // Every sprite 6 x 5 cells (96 x 80 pixels at 16-pixel cells).
    fixtures::MemorySource source;
    for (int sprite = SpriteCatalogue::Count(1) - 1; sprite >= -1; --sprite)
        source.images[SpriteCatalogue::FileName(1, sprite)] =
            fixtures::spriteBitmap(sprite + 2, 96, 80);
    SpriteSet sprites;
    Surface scratch;
    sprites.LoadFromSource(1, source, scratch);

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
    int sx = 20, sy = 20;
    view.Redraw(sx, sy);
    for (int i = 0; i < 8; ++i) {
        sx += step.x();
        sy += step.y();
        view.ScrollTo(sx, sy);
        Surface whole(200, 150);
        document.level().Display(whole, qint16(sx), qint16(sy), tiles, sprites);
        QVERIFY2(canvas.surface().image() == whole.image(),
                 qPrintable(QStringLiteral("view at %1, %2").arg(sx).arg(sy)));
    }
}

QTEST_MAIN(tst_CanvasViewScroll)
#include "tst_CanvasViewScroll.moc"
