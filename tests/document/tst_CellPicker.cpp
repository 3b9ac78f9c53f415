// The Ctrl+click eyedropper without a window: what a cell's info value does
// to the brush's selected sprite and Value box, and so what the next left
// press places.
#include "BrushSelection.h"
#include "CellPicker.h"
#include "Level.h"
#include "TestMain.h"

#include <QTest>

class tst_CellPicker : public QObject {
    Q_OBJECT
private slots:
    void pickDecidesTheNextLeftPress_data();
    void pickDecidesTheNextLeftPress();
};

void tst_CellPicker::pickDecidesTheNextLeftPress_data() {
    QTest::addColumn<int>("sprites"); // the episode's sprite count
    QTest::addColumn<int>("number");  // the level's number
    QTest::addColumn<int>("mode");    // of the Ctrl+press
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("before"); // in the box before the pick
    QTest::addColumn<int>("value");      // in the picked cell
    QTest::addColumn<QString>("box");    // in the box after it
    QTest::addColumn<int>("sprite");     // selected after it
    QTest::addColumn<int>("placed");     // by the next left press
    const int L = Qt::LeftButton, R = Qt::RightButton;
    // Episode 1 has 11 sprites, episode 2 has 8; sprite 4 is selected
    // before every pick.
    // clang-format off
    QTest::newRow("blocker")              << 11 << 80 << 1 << L << "" << 0x8003 << "0x8003" << 4 << 0x8003;
    QTest::newRow("entrance above sprites") << 11 << 80 << 1 << L << "" << 20 << "20" << 4 << 20;
    QTest::newRow("negative, right button") << 11 << 80 << 1 << R << "" << -5 << "0xFFFB" << 4 << -5;
    QTest::newRow("large value")          << 11 << 1 << 1 << L << "7" << 1000 << "0x03E8" << 4 << 1000;
    QTest::newRow("8 shows no sprite in episode 2") << 8 << 1 << 1 << L << "" << 8 << "8" << 4 << 8;
    QTest::newRow("0 keeps the box")      << 11 << 1 << 1 << L << "42" << 0 << "42" << 4 << 42;
    QTest::newRow("0 keeps the sprite")   << 11 << 1 << 1 << L << "" << 0 << "" << 4 << 4;
    QTest::newRow("sprite 3 empties the box") << 11 << 80 << 1 << L << "0x8003" << 3 << "" << 3 << 3;
    QTest::newRow("last sprite of episode 1") << 11 << 1 << 1 << L << "" << 10 << "" << 10 << 10;
    QTest::newRow("255: sprite 0")        << 11 << 1 << 1 << L << "99" << 255 << "" << 0 << 255;
    QTest::newRow("255 on the map: sprite 0") << 11 << 80 << 1 << L << "99" << 255 << "" << 0 << 255;
    QTest::newRow("tile mode leaves the box") << 11 << 1 << 0 << L << "42" << 0x8003 << "42" << 4 << 42;
    // clang-format on
}

void tst_CellPicker::pickDecidesTheNextLeftPress() {
    QFETCH(int, sprites);
    QFETCH(int, number);
    QFETCH(int, mode);
    QFETCH(int, button);
    QFETCH(QString, before);
    QFETCH(int, value);
    Level level;
    level.Create(30, 20, 1, qint16(number));
    level.SetInfo(2, 2, qint16(value));
    BrushSelection selection;
    selection.SetSpriteCount(sprites);
    selection.SetSprite(4);
    selection.SetValueText(before);
    selection.SetMode(mode);
    PickCell(level, selection, Qt::MouseButton(button), 2, 2);
    QTEST(selection.ValueText(), "box");
    QTEST(int(selection.Sprite()), "sprite");
    QFETCH(int, placed);
    QCOMPARE(selection.InfoToPlace(), qint16(placed));
}

GM_TEST_GUILESS_MAIN(tst_CellPicker)
#include "tst_CellPicker.moc"
