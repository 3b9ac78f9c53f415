// One press of the sprite picker at the brush's level: the pointer's moves
// and release over the sprite selector, and what the selected sprite and
// the Value box hold afterwards.
#include "BrushSelection.h"
#include "SpritePick.h"

#include "TestMain.h"

#include <QTest>

class tst_SpritePick : public QObject {
    Q_OBJECT

private slots:
    void pressAndRelease_data();
    void pressAndRelease();
};

void tst_SpritePick::pressAndRelease_data() {
    QTest::addColumn<QString>("box"); // the Value box before the press
    // After the selector opened on sprite 4, each event as (where, sprite):
    // where 0 is the place the selector put the pointer, 1 another; sprite
    // -1 is none. The last event is the release.
    QTest::addColumn<QList<QPoint>>("events");
    QTest::addColumn<int>("sprite"); // selected afterwards
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<int>("placed"); // what the left button places then
    using P = QList<QPoint>;
    // clang-format off
    QTest::newRow("a value that shows no sprite, press and release")
        << "0x8003" << P{{0, 4}, {0, 4}} << 4 << "0x8003" << -32765;
    QTest::newRow("released over no sprite") << "0x8003" << P{{1, -1}, {1, -1}} << 4 << "0x8003" << -32765;
    QTest::newRow("text that is no value stays as typed") << "12x" << P{{0, 4}} << 4 << "12x" << 4;
    QTest::newRow("released over another sprite") << "0x8003" << P{{1, 7}} << 7 << "" << 7;
    QTest::newRow("away and back picks the first sprite") << "0x8003" << P{{1, -1}, {0, 4}} << 4 << "" << 4;
    QTest::newRow("moves pick, the last stays") << "" << P{{1, 2}, {1, 9}, {1, -1}, {0, -1}} << 9 << "" << 9;
    // clang-format on
}

void tst_SpritePick::pressAndRelease() {
    QFETCH(QString, box);
    QFETCH(QList<QPoint>, events);
    BrushSelection brush;
    brush.SetSpriteCount(11);
    brush.SetSprite(4);
    brush.SetValueText(box);
    int told = 0;
    connect(&brush, &BrushSelection::valuePicked, this, [&] { ++told; });
    connect(&brush, &BrushSelection::spriteChanged, this, [&] { ++told; });
    SpritePick pick(brush);
    pick.Move({9, 9}, 6); // no press yet
    const QPoint places[2] = {{300, 200}, {340, 200}};
    pick.Begin(places[0]);
    for (int i = 0; i < events.size(); ++i) {
        const QPoint pointer = places[events[i].x()];
        if (i + 1 < events.size())
            pick.Move(pointer, events[i].y());
        else
            pick.Release(pointer, events[i].y());
    }
    QVERIFY(!pick.Active());
    QTEST(int(brush.Sprite()), "sprite");
    QTEST(brush.ValueText(), "boxAfter");
    QTEST(int(brush.InfoToPlace()), "placed");
    // The boxes are told exactly when something was picked.
    QCOMPARE(told == 0, brush.ValueText() == box && brush.Sprite() == 4);
}

GM_TEST_GUILESS_MAIN(tst_SpritePick)
#include "tst_SpritePick.moc"
