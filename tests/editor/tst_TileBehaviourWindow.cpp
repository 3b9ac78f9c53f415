// What the editor window shows of the game's tile behaviour, through real
// key events and the window's own timer: View, Show Tile Behaviour over the
// canvas, View, Animate Tiles stepping the animated cells, and both
// disabled without a table. The rules of the overlay, the loops and the
// names have their tables below the window (TileBehaviourOverlay,
// TileAnimation, TileBehaviour); these tests check the wiring.

#include "EditorTestSupport.h"
#include "EpisodeTileBehaviour.h"
#include "TestMain.h"
#include "TileBehaviour.h"
#include "graphics/GraphicsFixtures.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

namespace {

constexpr int Killing = 20;
// Tiles 40 to 43 are one loop of four.
constexpr int LoopFirst = 40;

// A host whose episode 1 has a table of 64 tiles: tile 20 kills, tiles 40
// to 43 animate, the others do nothing; episode 2 has none (its folder holds
// no table of its own).
class BehaviourHost : public EditorTestHost {
public:
    BehaviourHost() {
        std::vector<TileBehaviour::Tile> tiles(64);
        tiles[Killing].behaviour = TileBehaviour::Kills;
        for (int tile = LoopFirst; tile < LoopFirst + 4; ++tile)
            tiles[size_t(tile)].animation = 4;
        QFile file(m_Folder.filePath("TILEINFO.CK1"));
        if (file.open(QIODevice::WriteOnly))
            file.write(TileBehaviour(tiles).ToBytes());
        file.close();
        m_Tables.Update(1, QString(), m_Folder.path());
        m_Tables.Update(2, QString(), m_Folder.path());
    }
    const EpisodeTileBehaviour* TileBehaviours() const override { return &m_Tables; }

private:
    QTemporaryDir m_Folder;
    EpisodeTileBehaviour m_Tables;
};

// The middle pixel of cell (x, y) on the canvas at 1x zoom, from the origin.
QRgb middleOf(LevelEditorWindow& window, int x, int y) {
    return drive(window).canvas()->Picture().pixel(editortest::at(x, y));
}

// What the fixture tile `tile` shows at the middle of a cell.
QRgb tileMiddle(int tile) {
    return fixtures::tilePixel(tile, 8, 8);
}

// A window on a 30 x 20 level of episode 1 with the killing tile at (5, 5),
// loop tiles at (7, 5) and (8, 5), and a still tile at (9, 5).
std::unique_ptr<LevelEditorWindow> behaviourWindow(BehaviourHost& host) {
    auto window = editortest::newWindow(host, 30, 20, 1, 1);
    leveledit::change(*window, [](Level& level) {
        level.SetTile(5, 5, Killing);
        level.SetTile(7, 5, LoopFirst);
        level.SetTile(8, 5, LoopFirst + 3);
        level.SetTile(9, 5, 30);
    });
    drive(*window).canvas()->repaint();
    return window;
}

// One step of the window's animation timer, as the event loop delivers it.
void tick(LevelEditorWindow& window) {
    auto* timer = window.findChild<QTimer*>("tileAnimationTimer");
    QVERIFY(timer && timer->isActive());
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

} // namespace

class tst_TileBehaviourWindow : public QObject {
    Q_OBJECT

private slots:
    // T shows the marks over the canvas and takes them away again: a
    // killing tile's pixels are tinted red (half the tile's colour plus
    // dark red), a tile that does nothing stays as it is.
    void showTileBehaviourTogglesTheOverlay() {
        BehaviourHost host;
        auto window = behaviourWindow(host);
        QVERIFY(editortest::installMenuBar(*window));
        const QRgb plain = tileMiddle(Killing);
        QCOMPARE(middleOf(*window, 5, 5), plain);
        QTest::keyClick(drive(*window).canvas(), Qt::Key_T);
        QVERIFY(drive(*window).action("showTileBehaviourAction")->isChecked());
        QCOMPARE(middleOf(*window, 5, 5), 0xFF800000 | ((plain >> 1) & 0x7F7F7F));
        QCOMPARE(middleOf(*window, 9, 5), tileMiddle(30));
        QTest::keyClick(drive(*window).canvas(), Qt::Key_T);
        QCOMPARE(middleOf(*window, 5, 5), plain);
    }

    // Each tick shows the next tile of every loop; still tiles stay; the
    // option off shows the level's own tiles again and stops the timer, as
    // hiding the window does.
    void animationStepsTheAnimatedCells() {
        BehaviourHost host;
        auto window = behaviourWindow(host);
        drive(*window).trigger("animateTilesAction");
        const int shown[][2] = {{41, 40}, {42, 41}, {43, 42}, {40, 43}};
        for (const auto& step : shown) {
            tick(*window);
            QCOMPARE(middleOf(*window, 7, 5), tileMiddle(step[0]));
            QCOMPARE(middleOf(*window, 8, 5), tileMiddle(step[1]));
            QCOMPARE(middleOf(*window, 9, 5), tileMiddle(30));
        }
        tick(*window);
        auto* timer = window->findChild<QTimer*>("tileAnimationTimer");
        window->hide();
        QVERIFY(!timer->isActive());
        window->show();
        QVERIFY(timer->isActive());
        drive(*window).trigger("animateTilesAction");
        QVERIFY(!timer->isActive());
        QCOMPARE(middleOf(*window, 7, 5), tileMiddle(LoopFirst));
        QVERIFY(editortest::canvasShowsLevel(*window));
    }

    // Without a table both commands are disabled and say why.
    void withoutATableTheCommandsSayWhy() {
        BehaviourHost host;
        auto window = editortest::newWindow(host, 30, 20, 2, 1);
        for (const char* name : {"showTileBehaviourAction", "animateTilesAction"}) {
            QAction* action = drive(*window).action(name);
            QVERIFY(!action->isEnabled());
            QVERIFY2(action->toolTip().startsWith("Unavailable: "), qPrintable(action->toolTip()));
            QCOMPARE(action->statusTip(), action->toolTip());
        }
    }
};

GM_TEST_MAIN(tst_TileBehaviourWindow)
#include "tst_TileBehaviourWindow.moc"
