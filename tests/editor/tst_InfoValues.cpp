// Info values in the editor window: reading and writing the "Value" box,
// the sprites' names, the overlay on the canvas, placing and picking values
// with real mouse and key events, and the real episode-1 map.
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "InfoOverlay.h"
#include "InfoValueText.h"
#include "LevelEdits.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "SpriteCatalogue.h"
#include "TestData.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr int Cell = 16;

using InfoValueText::State;

// Scrolls the view so that cell (cx, cy) is on the canvas and returns its
// middle, in canvas pixels.
QPoint showCell(LevelEditorWindow& window, int cx, int cy) {
    drive(window).scrollX()->setValue(qBound(0, cx - 2, drive(window).scrollX()->maximum()));
    drive(window).scrollY()->setValue(qBound(0, cy - 2, drive(window).scrollY()->maximum()));
    return QPoint((cx - drive(window).scrollX()->value()) * Cell + Cell / 2,
                  (cy - drive(window).scrollY()->value()) * Cell + Cell / 2);
}

void clickCell(LevelEditorWindow& window, int cx, int cy, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
    showCell(window, cx, cy);
    drive(window).click({cx, cy}, button, modifiers);
}

// Replaces the box's text the way a user does: click into it, select all,
// type.
void typeValue(LevelEditorWindow& window, const QString& text) {
    QTest::mouseClick(drive(window).widget<QLineEdit>("infoValueEdit"), Qt::LeftButton);
    QTest::keyClick(drive(window).widget<QLineEdit>("infoValueEdit"), Qt::Key_A,
                    Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(drive(window).widget<QLineEdit>("infoValueEdit"), Qt::Key_Delete);
    else
        QTest::keyClicks(drive(window).widget<QLineEdit>("infoValueEdit"), text);
}

bool shownAsInvalid(LevelEditorWindow& window) {
    return drive(window).widget<QLineEdit>("infoValueEdit")->palette().color(QPalette::Text) ==
           QColor(Qt::red);
}

// A saved level file of episode 1 in `dir`, opened in a window.
std::unique_ptr<LevelEditorWindow> openSaved(EditorTestHost& host, const QTemporaryDir& dir,
                                             const Level& level, const QString& name) {
    const QString file = dir.filePath(name);
    if (!level.Save(file).ok)
        return nullptr;
    return editortest::openWindow(host, file);
}

// A window point over the open sprite selector where a release picks
// `sprite`.
QPoint selectorPointOf(LevelEditorWindow& window, int sprite) {
    const QRect area = drive(window).widget<PictureBox>("spriteSelector")->geometry();
    for (int y = area.top(); y < area.bottom(); y += 4)
        for (int x = area.left(); x < area.right(); x += 4)
            if (window.SpriteAt(x, y) == sprite)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

} // namespace

class tst_InfoValues : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void formatReadsBack();
    void spriteNames_data();
    void spriteNames();
    void everySpriteHasAName();
    void overlayOnTheCanvas();
    void placeValuesFromTheBox();
    void boxOnlyInSpriteMode();
    void pickDecidesTheNextLeftPress_data();
    void pickDecidesTheNextLeftPress();
    void tooltips();
    void spritePickerWithoutChoiceKeepsTheValue();
    void realMapEntrancesAndBlockers();
};

void tst_InfoValues::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("value");
    const int valid = int(State::Valid), invalid = int(State::Invalid), empty = int(State::Empty);
    QTest::newRow("empty") << "" << empty << 0;
    QTest::newRow("blanks") << "   " << empty << 0;
    QTest::newRow("zero") << "0" << valid << 0;
    QTest::newRow("entrance") << "12" << valid << 12;
    QTest::newRow("blanks around") << " 12 " << valid << 12;
    QTest::newRow("leading zeros") << "0012" << valid << 12;
    QTest::newRow("minus zero") << "-0" << valid << 0;
    QTest::newRow("negative") << "-5" << valid << -5;
    QTest::newRow("smallest") << "-32768" << valid << -32768;
    QTest::newRow("largest") << "32767" << valid << 32767;
    QTest::newRow("too large") << "32768" << invalid << 0;
    QTest::newRow("too small") << "-32769" << invalid << 0;
    QTest::newRow("far too large") << "99999999999" << invalid << 0;
    QTest::newRow("blocker word") << "0x8003" << valid << -32765;
    QTest::newRow("capital X, lower digits") << "0X80ff" << valid << -32513;
    QTest::newRow("all ones") << "0xFFFF" << valid << -1;
    QTest::newRow("one hex digit") << "0x7" << valid << 7;
    QTest::newRow("hex 0") << "0x0" << valid << 0;
    QTest::newRow("hex without digits") << "0x" << invalid << 0;
    QTest::newRow("five hex digits") << "0x10000" << invalid << 0;
    QTest::newRow("five with zero") << "0x0FFFF" << invalid << 0;
    QTest::newRow("hex sign") << "0x-1" << invalid << 0;
    QTest::newRow("not hex") << "0x12G" << invalid << 0;
    QTest::newRow("letters") << "12a" << invalid << 0;
    QTest::newRow("plus") << "+5" << invalid << 0;
    QTest::newRow("inner blank") << "1 2" << invalid << 0;
    QTest::newRow("two signs") << "--1" << invalid << 0;
    QTest::newRow("exponent") << "1e3" << invalid << 0;
    QTest::newRow("fraction") << "1.5" << invalid << 0;
    QTest::newRow("bare minus") << "-" << invalid << 0;
}

void tst_InfoValues::parse() {
    QFETCH(QString, text);
    QFETCH(int, state);
    QFETCH(int, value);
    const InfoValueText::Parsed parsed = InfoValueText::Parse(text);
    QCOMPARE(int(parsed.state), state);
    QCOMPARE(int(parsed.value), value);
}

void tst_InfoValues::formatReadsBack() {
    QCOMPARE(InfoValueText::Format(12), QStringLiteral("12"));
    QCOMPARE(InfoValueText::Format(255), QStringLiteral("255"));
    QCOMPARE(InfoValueText::Format(256), QStringLiteral("0x0100"));
    QCOMPARE(InfoValueText::Format(qint16(0x8003)), QStringLiteral("0x8003"));
    QCOMPARE(InfoValueText::Format(-5), QStringLiteral("0xFFFB"));
    for (int v = -32768; v <= 32767; ++v) {
        const InfoValueText::Parsed parsed = InfoValueText::Parse(InfoValueText::Format(qint16(v)));
        if (parsed.state != State::Valid || parsed.value != v)
            QFAIL(qPrintable(QStringLiteral("%1 does not read back").arg(v)));
    }
}

void tst_InfoValues::spriteNames_data() {
    QTest::addColumn<int>("episode");
    QTest::addColumn<int>("sprite");
    QTest::addColumn<bool>("map");
    QTest::addColumn<QString>("name");
    QTest::newRow("1: start") << 1 << 0 << false << "Player start";
    QTest::newRow("1: map position") << 1 << 0 << true << "Player's map position";
    QTest::newRow("1: 1") << 1 << 1 << false << "Yorp";
    QTest::newRow("1: 2") << 1 << 2 << false << "Garg";
    QTest::newRow("1: 3") << 1 << 3 << false << "Vorticon";
    QTest::newRow("1: 4") << 1 << 4 << false << "Butler robot";
    QTest::newRow("1: 5") << 1 << 5 << false << "Tank robot";
    QTest::newRow("1: 6") << 1 << 6 << false << "Ice cannon (up-right)";
    QTest::newRow("1: 7") << 1 << 7 << false << "Ice cannon (up)";
    QTest::newRow("1: 8") << 1 << 8 << false << "Ice cannon (down)";
    QTest::newRow("1: 9") << 1 << 9 << true << "Ice cannon (up-left)";
    QTest::newRow("1: 10") << 1 << 10 << false << "Rope";
    QTest::newRow("1: 11") << 1 << 11 << false << "";
    QTest::newRow("2: start") << 2 << 0 << false << "Player start";
    QTest::newRow("2: 1") << 2 << 1 << false << "Vorticon";
    QTest::newRow("2: 2") << 2 << 2 << false << "Vorticon youth";
    QTest::newRow("2: 3") << 2 << 3 << false << "Vorticon Elite";
    QTest::newRow("2: 4") << 2 << 4 << false << "Scrub";
    QTest::newRow("2: 5") << 2 << 5 << false << "Guard robot";
    QTest::newRow("2: 6") << 2 << 6 << false << "Horizontal platform";
    QTest::newRow("2: 7") << 2 << 7 << false << "Spark";
    QTest::newRow("2: 8") << 2 << 8 << false << "";
    QTest::newRow("3: map position") << 3 << 0 << true << "Player's map position";
    QTest::newRow("3: 1") << 3 << 1 << false << "Vorticon";
    QTest::newRow("3: 2") << 3 << 2 << false << "Vorticon youth";
    QTest::newRow("3: 3") << 3 << 3 << false << "Vorticon Mother";
    QTest::newRow("3: 4") << 3 << 4 << false << "Meep";
    QTest::newRow("3: 5") << 3 << 5 << false << "Vorticon Ninja";
    QTest::newRow("3: 6") << 3 << 6 << false << "Foob";
    QTest::newRow("3: 7") << 3 << 7 << false << "Ball";
    QTest::newRow("3: 8") << 3 << 8 << false << "Jack";
    QTest::newRow("3: 9") << 3 << 9 << false << "Horizontal platform";
    QTest::newRow("3: 10") << 3 << 10 << false << "Vertical platform";
    QTest::newRow("3: 11") << 3 << 11 << false << "Jumping Vorticon";
    QTest::newRow("3: 12") << 3 << 12 << false << "Mortimer sparks";
    QTest::newRow("3: 13") << 3 << 13 << false << "Mortimer heart";
    QTest::newRow("3: 14") << 3 << 14 << false << "Auto-raygun (horizontal)";
    QTest::newRow("3: 15") << 3 << 15 << false << "Auto-raygun (vertical)";
    QTest::newRow("3: 16") << 3 << 16 << false << "Mortimer's arms";
    QTest::newRow("3: 17") << 3 << 17 << false << "Mortimer's left leg";
    QTest::newRow("3: 18") << 3 << 18 << false << "Mortimer's right leg";
    QTest::newRow("3: 19") << 3 << 19 << false << "";
    QTest::newRow("3: -1") << 3 << -1 << true << "";
    QTest::newRow("episode 0") << 0 << 0 << false << "";
    QTest::newRow("episode 4") << 4 << 1 << false << "";
}

void tst_InfoValues::spriteNames() {
    QFETCH(int, episode);
    QFETCH(int, sprite);
    QFETCH(bool, map);
    QFETCH(QString, name);
    QCOMPARE(SpriteCatalogue::SpriteName(episode, sprite, map), name);
}

void tst_InfoValues::everySpriteHasAName() {
    for (int episode = 1; episode <= 3; ++episode) {
        const int count = SpriteCatalogue::Count(episode);
        for (int sprite = 0; sprite < count; ++sprite)
            QVERIFY(!SpriteCatalogue::SpriteName(episode, sprite).isEmpty());
        QVERIFY(SpriteCatalogue::SpriteName(episode, count).isEmpty());
    }
}

void tst_InfoValues::overlayOnTheCanvas() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 60, 40, 1, 80);
    leveledit::setInfo(*window, 3, 2, 12);
    leveledit::setInfo(*window, 5, 2, qint16(0x8003));
    leveledit::setInfo(*window, 7, 4, 255);
    drive(*window).canvas()->repaint();
    const QImage plain = drive(*window).canvas()->Picture().copy();
    QVERIFY(!window->ShowsInfoValues());
    QVERIFY(drive(*window).action("infoValuesAction")->isCheckable());
    QVERIFY(!drive(*window).action("infoValuesAction")->isChecked());

    drive(*window).action("infoValuesAction")->trigger();
    QVERIFY(window->ShowsInfoValues());
    const QImage marked = drive(*window).canvas()->Picture().copy();
    // The overlay's own drawing (its exact pixels: tst_InfoOverlay) over
    // the level's drawing.
    Surface expected(plain.width(), plain.height());
    expected.image() = plain;
    InfoOverlay::Draw(expected, window->Document().level(), 0, 0, 16, 16);
    QCOMPARE(marked, expected.image());

    // Scrolling and zooming keep the texts on their cells: the top of the
    // "1" of "12", white one pixel inside its cell.
    const QRgb white = 0xFFFFFFFF;
    QCOMPARE(marked.pixel(3 * 16 + 3, 2 * 16 + 2), white);
    drive(*window).scrollX()->setValue(2);
    QCOMPARE(drive(*window).canvas()->Picture().pixel(1 * 16 + 3, 2 * 16 + 2), white);
    drive(*window).scrollX()->setValue(0);
    drive(*window).trigger("zoomInAction");
    QCOMPARE(drive(*window).canvas()->Picture().pixel(3 * 32 + 3, 2 * 32 + 2), white);
    drive(*window).trigger("actualSizeAction");

    // Another window has its own choice.
    auto other = editortest::newWindow(host, 30, 20, 1, 80);
    QVERIFY(!other->ShowsInfoValues());
    QVERIFY(!drive(*other).action("infoValuesAction")->isChecked());

    // Off again: the canvas is as before.
    drive(*window).action("infoValuesAction")->trigger();
    QVERIFY(!window->ShowsInfoValues());
    QCOMPARE(drive(*window).canvas()->Picture(), plain);
}

void tst_InfoValues::placeValuesFromTheBox() {
    QTemporaryDir dir;
    EditorTestHost host;
    Level level;
    level.Create(30, 20, 1, 80);
    auto window = openSaved(host, dir, level, "LEVEL80.CK1");
    QVERIFY(window);
    window->SetSelectedSprite(4);
    QTest::mouseClick(drive(*window).modeButton(1), Qt::LeftButton);
    QCOMPARE(window->Mode(), qint16(1));

    typeValue(*window, "0x8003");
    QCOMPARE(drive(*window).widget<QLineEdit>("infoValueEdit")->text(), QStringLiteral("0x8003"));
    QVERIFY(!shownAsInvalid(*window));
    clickCell(*window, 4, 3);
    QCOMPARE(window->Document().level().Info(4, 3), qint16(0x8003));

    // A drag writes the value into every cell it passes.
    typeValue(*window, "12");
    QTest::mousePress(drive(*window).canvas(), Qt::LeftButton, {}, showCell(*window, 5, 3));
    QTest::mouseEvent(QTest::MouseMove, drive(*window).canvas(), Qt::NoButton, {},
                      QPoint(6 * 16 + 8, 56));
    QTest::mouseEvent(QTest::MouseMove, drive(*window).canvas(), Qt::NoButton, {},
                      QPoint(7 * 16 + 8, 56));
    QTest::mouseRelease(drive(*window).canvas(), Qt::LeftButton, {}, QPoint(7 * 16 + 8, 56));
    for (int x = 5; x <= 7; ++x)
        QCOMPARE(window->Document().level().Info(x, 3), qint16(12));
    // The right button still erases.
    clickCell(*window, 7, 3, Qt::RightButton);
    QCOMPARE(window->Document().level().Info(7, 3), qint16(0));

    // An empty box places the selected sprite again.
    typeValue(*window, QString());
    QVERIFY(drive(*window).widget<QLineEdit>("infoValueEdit")->text().isEmpty());
    clickCell(*window, 8, 3);
    QCOMPARE(window->Document().level().Info(8, 3), qint16(4));

    // A text that is no value is shown as such and never placed.
    for (const char* bad : {"0x1FFFF", "40000", "abc"}) {
        typeValue(*window, QString::fromLatin1(bad));
        QVERIFY2(shownAsInvalid(*window), bad);
        clickCell(*window, 9, 3);
        QCOMPARE(window->Document().level().Info(9, 3), qint16(4));
        leveledit::setInfo(*window, 9, 3, 0);
    }
    typeValue(*window, "-32768");
    QVERIFY(!shownAsInvalid(*window));
    clickCell(*window, 10, 3);
    QCOMPARE(window->Document().level().Info(10, 3), qint16(-32768));

    // Saved and read back: the words themselves.
    leveledit::placeStart(*window);
    QVERIFY(window->Save());
    Level saved;
    QVERIFY(saved.Load(dir.filePath("LEVEL80.CK1")).ok);
    QCOMPARE(quint16(saved.Info(4, 3)), quint16(0x8003));
    QCOMPARE(saved.Info(5, 3), qint16(12));
    QCOMPARE(saved.Info(6, 3), qint16(12));
    QCOMPARE(saved.Info(7, 3), qint16(0));
    QCOMPARE(saved.Info(8, 3), qint16(4));
    QCOMPARE(saved.Info(9, 3), qint16(0));
    QCOMPARE(quint16(saved.Info(10, 3)), quint16(0x8000));
    int nonZero = 0;
    for (qint16 v : saved.InfoPlane())
        nonZero += v != 0;
    QCOMPARE(nonZero, 6); // and Keen's start
}

void tst_InfoValues::boxOnlyInSpriteMode() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 1, 1);
    QVERIFY(!drive(*window).widget<QLineEdit>("infoValueEdit")->isEnabled());
    QTest::mouseClick(drive(*window).modeButton(1), Qt::LeftButton);
    QVERIFY(drive(*window).widget<QLineEdit>("infoValueEdit")->isEnabled());
    typeValue(*window, "77");
    QTest::mouseClick(drive(*window).modeButton(0), Qt::LeftButton);
    QVERIFY(!drive(*window).widget<QLineEdit>("infoValueEdit")->isEnabled());
    // Tile mode paints tiles; the value waits for sprite mode.
    window->SetSelectedTile(0, 9);
    clickCell(*window, 4, 4);
    QCOMPARE(window->Document().level().Tile(4, 4), qint16(9));
    QCOMPARE(window->Document().level().Info(4, 4), qint16(0));
    // Enter hands the keyboard back to the window.
    QTest::mouseClick(drive(*window).modeButton(1), Qt::LeftButton);
    drive(*window).widget<QLineEdit>("infoValueEdit")->setFocus();
    QTest::keyClick(drive(*window).widget<QLineEdit>("infoValueEdit"), Qt::Key_Return);
    QVERIFY(!drive(*window).widget<QLineEdit>("infoValueEdit")->hasFocus());
    clickCell(*window, 4, 4);
    QCOMPARE(window->Document().level().Info(4, 4), qint16(77));
}

void tst_InfoValues::pickDecidesTheNextLeftPress_data() {
    QTest::addColumn<QString>("before"); // in the box before the pick
    QTest::addColumn<int>("value");      // in the picked cell of the map
    QTest::addColumn<QString>("box");    // in the box after it
    QTest::addColumn<int>("sprite");     // selected after it
    QTest::addColumn<int>("placed");     // by the next left press
    // What each value does to the selection: tst_CellPicker; here a value
    // and a sprite, picked on a real window, and what its box then shows.
    // The selected sprite is 4 before every pick.
    QTest::newRow("blocker") << "" << 0x8003 << "0x8003" << 4 << 0x8003;
    QTest::newRow("sprite 3 empties the box") << "0x8003" << 3 << "" << 3 << 3;
}

void tst_InfoValues::pickDecidesTheNextLeftPress() {
    QFETCH(QString, before);
    QFETCH(int, value);
    QFETCH(QString, box);
    QFETCH(int, sprite);
    QFETCH(int, placed);
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 1, 80);
    leveledit::setInfo(*window, 2, 2, qint16(value));
    window->SetSelectedSprite(4);
    QTest::mouseClick(drive(*window).modeButton(1), Qt::LeftButton);
    typeValue(*window, before);

    clickCell(*window, 2, 2, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(drive(*window).widget<QLineEdit>("infoValueEdit")->text(), box);
    QCOMPARE(window->SelectedSprite(), qint16(sprite));

    // What the left button places shows at all times: the value, lettered
    // in black and white, or the selected sprite's picture and number.
    const QImage shown = drive(*window).widget<PictureBox>("spriteBox")->surface().image();
    if (box.isEmpty()) {
        QCOMPARE(drive(*window).widget<QLabel>("spriteLabel")->text(),
                 QStringLiteral(" %1").arg(sprite));
        const int id = sprite + 1; // the fixture picture of the sprite's file
        QCOMPARE(shown.pixel(1, 1), editortest::spriteOnWhite(id, 0, 0));
    } else {
        QCOMPARE(drive(*window).widget<QLabel>("spriteLabel")->text(), QStringLiteral("Value"));
        int black = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb p = shown.pixel(x, y);
                QVERIFY2(p == 0xFFFFFFFF || p == 0xFF000000, "only the lettering");
                black += p == 0xFF000000;
            }
        QVERIFY(black > 20);
    }

    clickCell(*window, 10, 10);
    QCOMPARE(window->Document().level().Info(10, 10), qint16(placed));
}

void tst_InfoValues::tooltips() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 1, 1);
    QCOMPARE(window->SpriteTip(0), QStringLiteral("Player start (255)"));
    QCOMPARE(window->SpriteTip(1), QStringLiteral("Yorp (1)"));
    QCOMPARE(window->SpriteTip(10), QStringLiteral("Rope (10)"));
    QCOMPARE(window->SpriteTip(11), QString());
    QCOMPARE(window->SpriteTip(-1), QString());

    // Holding the sprite picker and moving over the selector names the
    // sprite under the pointer.
    const QPoint centre(drive(*window).widget<PickerButton>("spritePicker")->width() / 2,
                        drive(*window).widget<PickerButton>("spritePicker")->height() / 2);
    QTest::mousePress(drive(*window).widget<PickerButton>("spritePicker"), Qt::LeftButton, {},
                      centre);
    QVERIFY(drive(*window).widget<PictureBox>("spriteSelector")->isVisible());
    const QPoint yorp = selectorPointOf(*window, 1);
    QVERIFY(yorp.x() >= 0);
    const QPoint onButton =
        drive(*window).widget<PickerButton>("spritePicker")->mapFrom(window.get(), yorp);
    QTest::mouseEvent(QTest::MouseMove, drive(*window).widget<PickerButton>("spritePicker"),
                      Qt::NoButton, {}, onButton);
    QCOMPARE(window->SelectedSprite(), qint16(1));
    QCOMPARE(QToolTip::text(), QStringLiteral("Yorp (1)"));
    const QPoint tank = drive(*window)
                            .widget<PickerButton>("spritePicker")
                            ->mapFrom(window.get(), selectorPointOf(*window, 5));
    QTest::mouseEvent(QTest::MouseMove, drive(*window).widget<PickerButton>("spritePicker"),
                      Qt::NoButton, {}, tank);
    QCOMPARE(QToolTip::text(), QStringLiteral("Tank robot (5)"));

    // A tooltip request over the selector itself gives the same names.
    const QPoint local =
        drive(*window).widget<PictureBox>("spriteSelector")->mapFrom(window.get(), yorp);
    QHelpEvent help(QEvent::ToolTip, local,
                    drive(*window).widget<PictureBox>("spriteSelector")->mapToGlobal(local));
    QApplication::sendEvent(drive(*window).widget<PictureBox>("spriteSelector"), &help);
    QCOMPARE(QToolTip::text(), QStringLiteral("Yorp (1)"));
    QTest::mouseRelease(drive(*window).widget<PickerButton>("spritePicker"), Qt::LeftButton, {},
                        tank);
    QVERIFY(!drive(*window).widget<PictureBox>("spriteSelector")->isVisible());
    QCOMPARE(window->SelectedSprite(), qint16(5));

    // A sprite chosen in the palette replaces a value in the box.
    typeValue(*window, "0x8001");
    QTest::mousePress(drive(*window).widget<PickerButton>("spritePicker"), Qt::LeftButton, {},
                      centre);
    QTest::mouseRelease(drive(*window).widget<PickerButton>("spritePicker"), Qt::LeftButton, {},
                        tank);
    QVERIFY(drive(*window).widget<QLineEdit>("infoValueEdit")->text().isEmpty());
    clickCell(*window, 3, 3);
    QCOMPARE(window->Document().level().Info(3, 3), qint16(5));

    // The selected-sprite box names its sprite; on the map, sprite 0 is the
    // player's position.
    leveledit::change(*window, [](Level& level) { level.SetNumber(80); });
    window->SetSelectedSprite(0);
    QHelpEvent boxHelp(QEvent::ToolTip, QPoint(5, 5),
                       drive(*window).widget<PictureBox>("spriteBox")->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(drive(*window).widget<PictureBox>("spriteBox"), &boxHelp);
    QCOMPARE(QToolTip::text(), QStringLiteral("Player's map position (255)"));
    QToolTip::hideText();
}

// A blocker taken with Ctrl+click stays in the Value box through a press
// and release of the sprite picker that chooses nothing: the selector puts
// the pointer on the last sprite, and on X11 that comes back as a move.
void tst_InfoValues::spritePickerWithoutChoiceKeepsTheValue() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 1, 80);
    leveledit::setInfo(*window, 2, 2, qint16(0x8003));
    window->SetSelectedSprite(4);
    QTest::mouseClick(drive(*window).modeButton(1), Qt::LeftButton);
    clickCell(*window, 2, 2, Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(drive(*window).widget<QLineEdit>("infoValueEdit")->text(), QStringLiteral("0x8003"));

    PickerButton* button = drive(*window).widget<PickerButton>("spritePicker");
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(12, 28));
    QVERIFY(drive(*window).widget<PictureBox>("spriteSelector")->isVisible());
    const QPoint put = button->mapFromGlobal(QCursor::pos());
    QCOMPARE(window->SpriteAt(window->mapFromGlobal(QCursor::pos()).x(),
                              window->mapFromGlobal(QCursor::pos()).y()),
             4);
    QTest::mouseEvent(QTest::MouseMove, button, Qt::NoButton, {}, put);
    QTest::mouseRelease(button, Qt::LeftButton, {}, put);
    QVERIFY(drive(*window).widget<PictureBox>("spriteSelector")->isHidden());
    QCOMPARE(drive(*window).widget<QLineEdit>("infoValueEdit")->text(), QStringLiteral("0x8003"));
    QCOMPARE(window->SelectedSprite(), qint16(4));
    QCOMPARE(drive(*window).widget<QLabel>("spriteLabel")->text(), QStringLiteral("Value"));
    clickCell(*window, 10, 10);
    QCOMPARE(window->Document().level().Info(10, 10), qint16(0x8003));
}

void tst_InfoValues::realMapEntrancesAndBlockers() {
    GM_REQUIRE_REAL_DATA();
    QTemporaryDir dir;
    const QString file = dir.filePath("LEVEL80.CK1");
    QVERIFY(QFile::copy(realDataDir() + "/LEVEL80.CK1", file));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    EditorTestHost host(EditorTestHost::Sheets::GameSized);
    auto window = editortest::openWindow(host, file);
    QVERIFY(window);
    const Level original = window->Document().level();
    QCOMPARE(original.Width(), qint16(70));

    struct Found {
        int x, y;
        qint16 value;
    };
    QVector<Found> values;
    for (int y = 0; y < original.Height(); ++y)
        for (int x = 0; x < original.Width(); ++x)
            if (original.Info(x, y) != 0)
                values.push_back({x, y, original.Info(x, y)});
    QVERIFY(values.size() > 20);

    // Seen: with the overlay on, every cell that holds a value changes.
    QTest::mouseClick(drive(*window).modeButton(1), Qt::LeftButton);
    for (const Found& f : values) {
        const QPoint middle = showCell(*window, f.x, f.y);
        const QRect cell(middle - QPoint(Cell / 2, Cell / 2), QSize(Cell, Cell));
        drive(*window).action("infoValuesAction")->setChecked(false);
        drive(*window).trigger("infoValuesAction");
        const QImage plain = drive(*window).canvas()->Picture().copy(cell);
        drive(*window).action("infoValuesAction")->setChecked(true);
        drive(*window).trigger("infoValuesAction");
        QVERIFY2(drive(*window).canvas()->Picture().copy(cell) != plain,
                 qPrintable(QStringLiteral("%1, %2").arg(f.x).arg(f.y)));
    }

    // Edited: each value picked with Ctrl and placed on an empty cell of the
    // top rows, and each blocker typed as the overlay shows it.
    int column = 0;
    for (const Found& f : values) {
        clickCell(*window, f.x, f.y, Qt::LeftButton, Qt::ControlModifier);
        clickCell(*window, column, 0);
        QCOMPARE(window->Document().level().Info(column, 0), f.value);
        ++column;
        if (quint16(f.value) >= 0x8000) {
            typeValue(*window, InfoOverlay::Text(f.value));
            clickCell(*window, column, 1);
            QCOMPARE(window->Document().level().Info(column, 1), f.value);
            typeValue(*window, QString());
        }
    }
    // A new blocker for level 16, typed in decimal.
    typeValue(*window, QString::number(qint16(0x8010)));
    clickCell(*window, 69, 72);
    QVERIFY(window->Save());

    Level saved;
    QVERIFY(saved.Load(file).ok);
    QCOMPARE(quint16(saved.Info(69, 72)), quint16(0x8010));
    int placed = 0;
    for (const Found& f : values) {
        QCOMPARE(saved.Info(f.x, f.y), f.value);
        QCOMPARE(saved.Info(placed, 0), f.value);
        ++placed;
    }
    QCOMPARE(saved.TilePlane(), original.TilePlane());
}

GM_TEST_MAIN(tst_InfoValues)
#include "tst_InfoValues.moc"
