// One press of the sprite picker at the brush's level: the pointer's moves
// and release over the sprite selector, and what the selected sprite and
// the Value box hold afterwards.
#include "BrushSelection.h"
#include "SpritePick.h"

#include "TestMain.h"

#include <QTest>

namespace {

// Where the selector put the pointer, and another place.
const QPoint Opened(300, 200);
const QPoint Elsewhere(340, 200);

// Plays `events` on `pick`: words like "m o 4" (a move where the selector
// put the pointer, over sprite 4) or "r e -" (the release elsewhere, over
// no sprite), separated by ";".
void play(SpritePick& pick, const QString& events) {
    for (const QString& event : events.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList part = event.simplified().split(QLatin1Char(' '));
        QCOMPARE(part.size(), 3);
        const QPoint pointer = part[1] == QLatin1String("o") ? Opened : Elsewhere;
        const int sprite = part[2] == QLatin1String("-") ? -1 : part[2].toInt();
        if (part[0] == QLatin1String("m"))
            pick.Move(pointer, sprite);
        else
            pick.Release(pointer, sprite);
    }
}

} // namespace

class tst_SpritePick : public QObject {
    Q_OBJECT

private slots:
    void pressAndRelease_data();
    void pressAndRelease();
};

void tst_SpritePick::pressAndRelease_data() {
    QTest::addColumn<QString>("box");    // the Value box before the press
    QTest::addColumn<QString>("events"); // after the selector opened on sprite 4
    QTest::addColumn<int>("sprite");     // selected afterwards
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<int>("placed"); // what the left button places then
    // clang-format off
    QTest::newRow("a value that shows no sprite, press and release")
        << "0x8003" << "m o 4; r o 4" << 4 << "0x8003" << -32765;
    QTest::newRow("released at once") << "0x8003" << "r o 4" << 4 << "0x8003" << -32765;
    QTest::newRow("released over no sprite") << "0x8003" << "m e -; r e -" << 4 << "0x8003" << -32765;
    QTest::newRow("text that is no value stays as typed") << "12x" << "m o 4; r o 4" << 4 << "12x" << 4;
    QTest::newRow("released over another sprite") << "0x8003" << "r e 7" << 7 << "" << 7;
    QTest::newRow("away and back picks the first sprite") << "0x8003" << "m e -; m o 4; r o 4" << 4 << "" << 4;
    QTest::newRow("a move over a sprite picks it") << "20" << "m e 2; r e -" << 2 << "" << 2;
    QTest::newRow("the last sprite moved over") << "" << "m e 2; m e 9; m e -; r o -" << 9 << "" << 9;
    // clang-format on
}

void tst_SpritePick::pressAndRelease() {
    QFETCH(QString, box);
    QFETCH(QString, events);
    BrushSelection brush;
    brush.SetSpriteCount(11);
    brush.SetSprite(4);
    brush.SetValueText(box);
    int told = 0;
    connect(&brush, &BrushSelection::valuePicked, this, [&] { ++told; });
    connect(&brush, &BrushSelection::spriteChanged, this, [&] { ++told; });
    SpritePick pick(brush);
    // Before a press nothing is picked.
    pick.Move(Elsewhere, 6);
    QCOMPARE(brush.Sprite(), qint16(4));

    pick.Begin(Opened);
    QVERIFY(pick.Active());
    play(pick, events);
    QVERIFY(!pick.Active());
    QTEST(int(brush.Sprite()), "sprite");
    QTEST(brush.ValueText(), "boxAfter");
    QTEST(int(brush.InfoToPlace()), "placed");
    // The boxes are told exactly when something was picked.
    QCOMPARE(told == 0, brush.ValueText() == box && brush.Sprite() == 4);
}

GM_TEST_GUILESS_MAIN(tst_SpritePick)
#include "tst_SpritePick.moc"
