// The canvas draws only what changed: after every paint move, undo, redo and
// wheel notch it must still show exactly what drawing the whole level shows,
// at every zoom, with sprites wider than the three cells drawn before the
// view's origin, and with the info values on.
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "LevelDocument.h"
#include "LevelEdits.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

namespace {

using editortest::wheel;

// A 90 x 70 level with every sprite of the episode scattered over it,
// several next to each other so that they overlap.
std::unique_ptr<LevelEditorWindow> spriteWindow(EditorTestHost& host, int zoom) {
    auto window = editortest::newWindow(host, 90, 70, 1, 1, 560, 420);
    leveledit::change(*window, [](Level& level) {
        int sprite = 1;
        for (int y = 0; y < 70; y += 3)
            for (int x = (y % 2) * 2; x < 90; x += 5)
                level.SetInfo(x, y, qint16(sprite++ % 19 + 1));
        // Rows of the widest sprites (over four cells wide) in every cell.
        for (int y = 1; y < 70; y += 6)
            for (int x = 0; x < 90; ++x)
                level.SetInfo(x, y, qint16(19 - x % 2));
    });
    for (int z = 0; z < zoom; ++z)
        drive(*window).trigger("zoomInAction");
    for (int z = 0; z > zoom; --z)
        drive(*window).trigger("zoomOutAction");
    drive(*window).canvas()->repaint();
    return window;
}

} // namespace

class tst_CanvasView : public QObject {
    Q_OBJECT
private slots:
    void scrollingKeepsThePictureExact_data();
    void scrollingKeepsThePictureExact();
    void paintingAndUndoKeepThePictureExact_data();
    void paintingAndUndoKeepThePictureExact();
};

void tst_CanvasView::scrollingKeepsThePictureExact_data() {
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("infoValues");
    for (int zoom = -2; zoom <= 2; ++zoom)
        for (bool info : {false, true})
            QTest::addRow("zoom %d%s", zoom, info ? ", info values" : "") << zoom << info;
}

void tst_CanvasView::scrollingKeepsThePictureExact() {
    QFETCH(int, zoom);
    QFETCH(bool, infoValues);
    EditorTestHost host;
    auto window = spriteWindow(host, zoom);
    if (infoValues)
        drive(*window).action("infoValuesAction")->trigger();
    QVERIFY(editortest::canvasShowsLevel(*window));
    // Down, right, up, left, by notches and single rows and columns.
    const QList<QPair<QPoint, Qt::KeyboardModifiers>> notches = {{{0, -120}, {}},
                                                                 {{0, -120}, {}},
                                                                 {{0, -120}, Qt::ShiftModifier},
                                                                 {{0, -40}, {}},
                                                                 {{0, 120}, {}},
                                                                 {{0, 120}, Qt::ShiftModifier},
                                                                 {{0, 120}, {}},
                                                                 {{0, -120}, Qt::ShiftModifier}};
    for (int round = 0; round < 2; ++round) {
        for (const auto& notch : notches) {
            wheel(drive(*window).canvas(), {100, 100}, notch.first, notch.second);
            QVERIFY2(editortest::canvasShowsLevel(*window),
                     qPrintable(QStringLiteral("view at %1, %2")
                                    .arg(drive(*window).scrollX()->value())
                                    .arg(drive(*window).scrollY()->value())));
        }
    }
    for (int step : {1, 1, 2, -1, -3, 7, -6})
        for (QScrollBar* bar : {drive(*window).scrollX(), drive(*window).scrollY()}) {
            bar->setValue(bar->value() + step);
            QVERIFY(editortest::canvasShowsLevel(*window));
        }
}

void tst_CanvasView::paintingAndUndoKeepThePictureExact_data() {
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("mode");
    for (int zoom : {-3, 0, 2})
        for (int mode : {0, 1})
            QTest::addRow("zoom %d, %s", zoom, mode ? "sprites" : "tiles") << zoom << mode;
}

void tst_CanvasView::paintingAndUndoKeepThePictureExact() {
    QFETCH(int, zoom);
    QFETCH(int, mode);
    EditorTestHost host;
    auto window = spriteWindow(host, zoom);
    drive(*window).scrollX()->setValue(3);
    drive(*window).scrollY()->setValue(2);
    drive(*window).modeButton(mode)->click();
    window->SetSelectedTile(0, 5);
    window->SetSelectedSprite(17); // a wide sprite
    const int cell = qMax(1, int(window->Tiles().RenderWidth(window->CanvasZoom())));
    auto at = [cell](int cx, int cy) { return QPoint(cx * cell + cell / 2, cy * cell + cell / 2); };
    QTest::mousePress(drive(*window).canvas(), Qt::LeftButton, {}, at(0, 0));
    QVERIFY(editortest::canvasShowsLevel(*window));
    for (int i = 1; i < 6; ++i) {
        editortest::drag(drive(*window).canvas(), at(i, i / 2));
        QVERIFY(editortest::canvasShowsLevel(*window));
    }
    QTest::mouseRelease(drive(*window).canvas(), Qt::LeftButton, {}, at(5, 2));
    QTest::mouseClick(drive(*window).canvas(), Qt::RightButton, {}, at(1, 0));
    QVERIFY(editortest::canvasShowsLevel(*window));
    drive(*window).action("undoAction")->trigger();
    QVERIFY(editortest::canvasShowsLevel(*window));
    drive(*window).action("undoAction")->trigger();
    QVERIFY(editortest::canvasShowsLevel(*window));
    drive(*window).action("redoAction")->trigger();
    QVERIFY(editortest::canvasShowsLevel(*window));
}

GM_TEST_MAIN(tst_CanvasView)
#include "tst_CanvasView.moc"
