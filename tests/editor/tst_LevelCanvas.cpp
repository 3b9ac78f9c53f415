// LevelCanvas through real events: a wheel notch shows exactly what drawing
// the whole canvas gives at every zoom, a pasted block moved over the canvas
// and a rectangle or line being dragged leave nothing behind on the screen,
// and the cell under the pointer is reported on moves, scrolls, zooms and
// when the pointer leaves.
#include "BrushSelection.h"
#include "CanvasView.h"
#include "CellBlock.h"
#include "LevelCanvas.h"
#include "LevelDocument.h"
#include "LineTool.h"
#include "PictureBox.h"
#include "RectangleFillTool.h"
#include "SelectTool.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "TestMain.h"
#include "TileSet.h"
#include "ToolPreview.h"
#include "graphics/GraphicsFixtures.h"

#include <QApplication>
#include <QBackingStore>
#include <QCursor>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

// A 200 x 120 level with a sprite in every seventh cell, on a canvas of
// 417 x 317 pixels (400 x 300 of picture), shown.
struct Canvas {
    std::shared_ptr<TileSet> tiles = std::make_shared<TileSet>();
    std::shared_ptr<SpriteSet> sprites = std::make_shared<SpriteSet>();
    LevelDocument document;
    LevelCanvas canvas{document};
    PictureBox* picture = nullptr;

    Canvas() {
        tiles->LoadFromImage(fixtures::tileSheet(13 * 16, 20 * 16));
        const fixtures::MemorySource source = fixtures::episodeSprites(1);
        Surface scratch;
        sprites->LoadFromSource(1, source, scratch);
        document.NewLevel(200, 120, 1, 1);
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 200; ++x) {
                document.SetCell(CellChange::TilePlane, x, y, qint16((x * 7 + y * 3) % 250));
                if ((x + y * 3) % 7 == 0)
                    document.SetCell(CellChange::InfoPlane, x, y, qint16(1 + (x + y) % 9));
            }
        canvas.SetSets(tiles, sprites);
        canvas.resize(417, 317);
        canvas.show();
        picture = canvas.findChild<PictureBox*>(QStringLiteral("canvasPicture"));
        QApplication::processEvents();
    }
    // The level drawn whole from the canvas's origin, as drawn from scratch.
    QImage Drawn() const {
        Surface whole(picture->ScaleWidth(), picture->ScaleHeight());
        document.level().Display(whole, qint16(canvas.Origin().x()), qint16(canvas.Origin().y()),
                                 *tiles, *sprites, canvas.Zoom());
        return whole.image();
    }
    void Move(QPoint at) {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), picture->mapToGlobal(QPointF(at)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    }
    void Wheel(QPoint angle, Qt::KeyboardModifiers modifiers, QPointF at = {100, 100}) {
        QWheelEvent event(at, picture->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture, &event);
    }
};

// What the screen shows of `widget`: its pixels in its window's backing
// store, which keep what was last put there, however little of it each
// repaint put.
QImage OnScreen(QWidget& widget) {
    const QPaintDevice* device = widget.backingStore()->paintDevice();
    if (device->devType() != QInternal::Image)
        return {};
    const QRect at(widget.mapTo(widget.window(), QPoint(0, 0)), widget.size());
    return static_cast<const QImage*>(device)->copy(at).convertToFormat(QImage::Format_RGB32);
}

// The widget's pixels painted afresh into premultiplied pixels with alpha,
// as X11's backing stores keep them.
QImage PaintedWithAlpha(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    widget.render(&image);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_LevelCanvas : public QObject {
    Q_OBJECT
private slots:
    void wheelNotchShowsWhatAWholeRedrawShows_data();
    void wheelNotchShowsWhatAWholeRedrawShows();
    void movedBlockLeavesNoTrace();
    void dragPreviewLeavesNoTrace_data();
    void dragPreviewLeavesNoTrace();
    void reportsTheCellUnderThePointer_data();
    void reportsTheCellUnderThePointer();
};

void tst_LevelCanvas::wheelNotchShowsWhatAWholeRedrawShows_data() {
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<bool>("sideways");
    for (int zoom = -1; zoom <= 3; ++zoom) {
        QTest::addRow("zoom %d, down", zoom) << zoom << QPoint(0, -120) << false;
        QTest::addRow("zoom %d, up", zoom) << zoom << QPoint(0, 120) << false;
        QTest::addRow("zoom %d, right", zoom) << zoom << QPoint(0, -120) << true;
        QTest::addRow("zoom %d, left", zoom) << zoom << QPoint(0, 120) << true;
    }
}

void tst_LevelCanvas::wheelNotchShowsWhatAWholeRedrawShows() {
    QFETCH(int, zoom);
    QFETCH(QPoint, angle);
    QFETCH(bool, sideways);
    Canvas c;
    c.canvas.SetZoom(zoom);
    c.canvas.ScrollTo({40, 30});
    const QPoint before = c.canvas.Origin();
    const int lines = QApplication::wheelScrollLines();
    for (int notch = 1; notch <= 3; ++notch) {
        c.Wheel(angle, sideways ? Qt::ShiftModifier : Qt::NoModifier);
        const int moved = -notch * lines * angle.y() / 120;
        QCOMPARE(c.canvas.Origin(), before + (sideways ? QPoint(moved, 0) : QPoint(0, moved)));
        QVERIFY2(c.canvas.Shown() == c.Drawn(), qPrintable(QStringLiteral("notch %1").arg(notch)));
    }
    // What reaches the screen is that picture too.
    QCOMPARE(c.picture->grab().toImage().convertToFormat(QImage::Format_RGB32), c.Drawn());
}

void tst_LevelCanvas::movedBlockLeavesNoTrace() {
    Canvas c;
    BrushSelection brush;
    SelectTool tool(c.document, brush);
    c.canvas.View().SetPreview(&tool);
    QObject::connect(&c.canvas, &LevelCanvas::moved, [&](const ToolEvent& event, bool) {
        tool.Move(event);
        c.canvas.View().RefreshPreview();
    });
    CellBlock block(6, 5, 1, true);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            block.SetTile(x, y, qint16(11 * x + y));
    tool.StartPaste(block, {2, 2});
    c.canvas.View().RefreshPreview();
    // Over the canvas, by one cell and by many, and partly off its edge.
    for (const QPoint at : {QPoint(40, 40), QPoint(56, 56), QPoint(300, 200), QPoint(390, 290)}) {
        c.Move(at);
        Surface expected;
        expected.image() = c.Drawn();
        tool.DrawPreview(expected, PreviewPlace{*c.tiles, *c.sprites, ZoomLevel(), 0, 0, 0, 0});
        QVERIFY2(c.canvas.Shown() == expected.image(),
                 qPrintable(QStringLiteral("block at %1, %2").arg(at.x()).arg(at.y())));
        QApplication::processEvents();
        QVERIFY2(OnScreen(*c.picture) == expected.image(),
                 qPrintable(QStringLiteral("shown at %1, %2").arg(at.x()).arg(at.y())));
        QVERIFY(PaintedWithAlpha(*c.picture) == expected.image());
        QVERIFY(tool.PreviewCells().contains(at / 16));
    }
    // Dropped, the block is nowhere: not on the screen, not in the picture
    // kept for it.
    tool.Escape();
    c.canvas.View().RefreshPreview();
    QApplication::processEvents();
    QCOMPARE(c.canvas.Shown(), c.Drawn());
    QCOMPARE(c.picture->grab().toImage().convertToFormat(QImage::Format_RGB32), c.Drawn());
}

void tst_LevelCanvas::dragPreviewLeavesNoTrace_data() {
    QTest::addColumn<bool>("line");
    QTest::addColumn<bool>("sprites");
    QTest::addColumn<QList<QPoint>>("path");
    // Cells the pointer is dragged through from cell (6, 5).
    const QList<QPoint> grows{{9, 7}, {10, 7}, {11, 9}, {16, 12}};
    const QList<QPoint> shrinks{{16, 12}, {15, 12}, {12, 8}, {7, 6}, {6, 5}};
    const QList<QPoint> crosses{{9, 8}, {6, 8}, {3, 2}, {8, 3}, {2, 9}, {10, 10}};
    for (const bool line : {false, true})
        for (const bool sprites : {false, true}) {
            const char* name = line ? "line" : "rectangle";
            const char* over = sprites ? "over sprites" : "over tiles";
            QTest::addRow("%s grows, %s", name, over) << line << sprites << grows;
            QTest::addRow("%s shrinks, %s", name, over) << line << sprites << shrinks;
            QTest::addRow("%s crosses its start, %s", name, over) << line << sprites << crosses;
        }
}

void tst_LevelCanvas::dragPreviewLeavesNoTrace() {
    QFETCH(bool, line);
    QFETCH(bool, sprites);
    QFETCH(QList<QPoint>, path);
    Canvas c;
    // The fixture's sprites lie all over; without them the preview is
    // told apart cell by cell.
    for (int y = 0; y < 20 && !sprites; ++y)
        for (int x = 0; x < 26; ++x)
            c.document.SetCell(CellChange::InfoPlane, x, y, 0);
    c.canvas.ScrollTo({0, 0});
    BrushSelection brush;
    brush.SetTile(0, 77);
    RectangleFillTool rectangle(c.document, brush);
    LineTool lines(c.document, brush);
    EditTool& tool = line ? static_cast<EditTool&>(lines) : rectangle;
    c.canvas.View().SetPreview(&tool);
    QObject::connect(&c.canvas, &LevelCanvas::pressed, [&](const ToolEvent& event) {
        tool.Press(event);
        c.canvas.View().RefreshPreview();
    });
    QObject::connect(&c.canvas, &LevelCanvas::moved, [&](const ToolEvent& event, bool) {
        tool.Move(event);
        c.canvas.View().RefreshPreview();
    });
    QApplication::processEvents();
    const auto centre = [](QPoint cell) { return cell * 16 + QPoint(8, 8); };
    QTest::mousePress(c.picture, Qt::LeftButton, Qt::NoModifier, centre({6, 5}));
    Surface expected;
    for (const QPoint cell : path) {
        QMouseEvent move(QEvent::MouseMove, QPointF(centre(cell)),
                         c.picture->mapToGlobal(QPointF(centre(cell))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(c.picture, &move);
        QApplication::processEvents();
        expected.image() = c.Drawn();
        tool.DrawPreview(expected, PreviewPlace{*c.tiles, *c.sprites, ZoomLevel(), 0, 0, 0, 0});
        QVERIFY2(OnScreen(*c.picture) == expected.image(),
                 qPrintable(QStringLiteral("to cell %1, %2").arg(cell.x()).arg(cell.y())));
    }
    // The preview hides the pixels under it when it is put on the screen.
    QCOMPARE(c.picture->grab().toImage().convertToFormat(QImage::Format_RGB32), expected.image());
    QCOMPARE(PaintedWithAlpha(*c.picture), expected.image());
    // Given up, the drag leaves no trace.
    tool.Cancel();
    c.canvas.View().RefreshPreview();
    QApplication::processEvents();
    QCOMPARE(OnScreen(*c.picture), c.Drawn());
}

void tst_LevelCanvas::reportsTheCellUnderThePointer_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QPoint>("cell");
    // The pointer rests at pixel (100, 100) over a view from cell (40, 30)
    // at 16-pixel cells: cell (46, 36).
    QTest::newRow("move") << "move" << QPoint(46, 36);
    QTest::newRow("scroll a notch down") << "scroll" << QPoint(46, 36 + 3);
    // At 32-pixel cells cell (46, 36) stays under the pointer.
    QTest::newRow("zoom in about the pointer") << "zoom" << QPoint(46, 36);
    QTest::newRow("keys scroll right") << "key" << QPoint(47, 36);
    QTest::newRow("leave") << "leave" << QPoint(-1, -1);
}

void tst_LevelCanvas::reportsTheCellUnderThePointer() {
    QFETCH(QString, action);
    QFETCH(QPoint, cell);
    QApplication::setWheelScrollLines(3);
    Canvas c;
    c.canvas.ScrollTo({40, 30});
    QSignalSpy cells(&c.canvas, &LevelCanvas::pointerCellChanged);
    QSignalSpy zooms(&c.canvas, &LevelCanvas::zoomChanged);
    c.Move(QPoint(100, 100));
    // The pointer stays there while the view moves under it.
    c.picture->setAttribute(Qt::WA_UnderMouse);
    QCursor::setPos(c.picture->mapToGlobal(QPoint(100, 100)));
    if (c.picture->mapFromGlobal(QCursor::pos()) != QPoint(100, 100))
        QSKIP("the platform does not move the pointer");
    if (action == "scroll")
        c.Wheel(QPoint(0, -120), Qt::NoModifier);
    else if (action == "zoom")
        c.Wheel(QPoint(0, 120), Qt::ControlModifier);
    else if (action == "key")
        QTest::keyClick(c.picture, Qt::Key_Right);
    else if (action == "leave") {
        c.picture->setAttribute(Qt::WA_UnderMouse, false);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(c.picture, &leave);
    }
    QVERIFY(!cells.isEmpty());
    QCOMPARE(cells.last().at(0).toPoint(), cell);
    QCOMPARE(zooms.size(), action == "zoom" ? 1 : 0);
    if (action == "zoom")
        QCOMPARE(zooms.last().at(0).toInt(), 1);
}

GM_TEST_MAIN(tst_LevelCanvas)
#include "tst_LevelCanvas.moc"
