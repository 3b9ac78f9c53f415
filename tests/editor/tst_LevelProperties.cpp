// Level, Properties on a real editor window: the dialog filled from the
// level, typed into with real keys and confirmed with Enter, and what the
// window does with the answer.

#include "Controls.h"
#include "EditGeometry.h"
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "PictureBox.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

QLineEdit& widthBox(QDialog& d) {
    return controls::find<QLineEdit>(d, "widthEdit");
}
QLineEdit& heightBox(QDialog& d) {
    return controls::find<QLineEdit>(d, "heightEdit");
}
QComboBox& episodeList(QDialog& d) {
    return controls::find<QComboBox>(d, "episodeList");
}
QCheckBox& mapLevelBox(QDialog& d) {
    return controls::find<QCheckBox>(d, "mapLevelCheck");
}

// What the dialog showed when it opened.
struct Shown {
    QString width;
    QString height;
    int episodeIndex = -2;
    bool mapLevel = false;
};

} // namespace

class tst_LevelProperties : public QObject {
    Q_OBJECT
private slots:
    void growsWithTheOldEpisodesTiles();
    void cancelChangesNothing();
    void mapLevelFlag_data();
    void mapLevelFlag();
    void oversizedLevelKeepsItsSize();
    void episodeOutsideTheListNeedsAChoice();
};

// 30 x 20 of episode 1 made 40 x 20 of episode 3: the ten new columns get
// episode 1's wall (144) and fill (143), not episode 3's wall (245).
void tst_LevelProperties::growsWithTheOldEpisodesTiles() {
    EditorTestHost host;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    auto window = editortest::newWindow(host, 30, 20, 1, 5);
    leveledit::setTile(*window, 10, 10, 7);
    drive(*window).trigger("zoomInAction");
    window->SetSelectedTile(0, 4);
    window->SetSelectedSprite(9);

    Shown shown;
    prompts.dialogs.push_back([&](QDialog& d) {
        shown = {widthBox(d).text(), heightBox(d).text(), episodeList(d).currentIndex(),
                 mapLevelBox(d).isChecked()};
        controls::retype(widthBox(d), QStringLiteral("4x0"));
        controls::choose(episodeList(d), 2);
        QTest::keyClick(&widthBox(d), Qt::Key_Return);
    });
    drive(*window).action("propertiesAction")->trigger();

    QCOMPARE(prompts.shownDialogs.size(), size_t(1));
    QCOMPARE(prompts.shownDialogs[0].title, QStringLiteral("Level Properties"));
    QCOMPARE(shown.width, QStringLiteral("30"));
    QCOMPARE(shown.height, QStringLiteral("20"));
    QCOMPARE(shown.episodeIndex, 0);
    QVERIFY(!shown.mapLevel);
    QVERIFY(prompts.messages.empty());

    const Level& level = window->Document().level();
    QCOMPARE(level.Width(), qint16(40));
    QCOMPARE(level.Height(), qint16(20));
    QCOMPARE(level.Episode(), qint16(3));
    QCOMPARE(level.Number(), qint16(5));
    QCOMPARE(level.Tile(10, 10), qint16(7));
    for (int y = 0; y < 20; ++y) {
        const bool frameRow = y < 2 || y >= 18;
        for (int x = 30; x < 40; ++x) {
            const qint16 expected = frameRow || x >= 38 ? 144 : 143;
            QCOMPARE(level.Tile(x, y), expected);
        }
    }
    // Episode 3's sets: the canvas is back at 1x.
    QCOMPARE(window->Sprites().Count(), qint16(19));
    QCOMPARE(window->CanvasZoom().Exponent(), 0);
    // An edit like any other; the selections stay.
    QVERIFY(window->IsModified());
    QCOMPARE(window->SelectedTile(0), qint16(4));
    QCOMPARE(window->SelectedSprite(), qint16(9));

    // The scroll ranges and the canvas follow the new size at 1x zoom.
    const int sw = drive(*window).levelCanvas()->width();
    QCOMPARE(drive(*window).scrollX()->maximum(), qMax(0, 40 - (sw - 17 + 15) / 16 + 1));
    QVERIFY(editortest::canvasShowsLevel(*window));
    // The selected sprite's box shows episode 3's sprite 9.
    Surface box(drive(*window).widget<PictureBox>("spriteBox")->ScaleWidth(),
                drive(*window).widget<PictureBox>("spriteBox")->ScaleHeight());
    box.SetBackColor(drive(*window).widget<PictureBox>("spriteBox")->surface().BackColor());
    box.Cls();
    window->Sprites().Draw(9, box, 0, 0, EditGeometry::PaletteZoom, true);
    QCOMPARE(drive(*window).widget<PictureBox>("spriteBox")->surface().image(), box.image());
}

void tst_LevelProperties::cancelChangesNothing() {
    EditorTestHost host;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    auto window = editortest::newWindow(host, 30, 20, 2, 5);
    drive(*window).trigger("zoomInAction");
    leveledit::setModified(*window, true);
    const Level before = window->Document().level();

    prompts.dialogs.push_back([](QDialog& d) {
        controls::retype(widthBox(d), QStringLiteral("50"));
        controls::retype(heightBox(d), QStringLiteral("60"));
        controls::choose(episodeList(d), 0);
        controls::setTicked(mapLevelBox(d), true);
        QTest::keyClick(&heightBox(d), Qt::Key_Escape);
    });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(prompts.shownDialogs.size(), size_t(1));
    QVERIFY(window->Document().level() == before);
    QCOMPARE(window->Document().undoStack().count(), 0);
    QCOMPARE(window->CanvasZoom().Exponent(), 1);
    QCOMPARE(window->Sprites().Count(), qint16(8));
    QVERIFY(window->IsModified());
}

void tst_LevelProperties::mapLevelFlag_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("shownTicked");
    QTest::addColumn<int>("result");
    QTest::newRow("80 shows ticked, unticked stays 80") << 80 << false << true << 80;
    QTest::newRow("80 kept ticked") << 80 << true << true << 80;
    QTest::newRow("5 ticked becomes 80") << 5 << true << false << 80;
    QTest::newRow("5 unticked stays 5") << 5 << false << false << 5;
}

void tst_LevelProperties::mapLevelFlag() {
    QFETCH(int, number);
    QFETCH(bool, tick);
    QFETCH(bool, shownTicked);
    QFETCH(int, result);
    EditorTestHost host;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    auto window = editortest::newWindow(host, 30, 20, 1, qint16(number));
    bool shown = !shownTicked;
    prompts.dialogs.push_back([&](QDialog& d) {
        QCheckBox& map = mapLevelBox(d);
        shown = map.isChecked();
        if (map.isChecked() != tick)
            QTest::mouseClick(&map, Qt::LeftButton, {}, QPoint(4, map.height() / 2));
        QCOMPARE(map.isChecked(), tick);
        QTest::mouseClick(&controls::find<QPushButton>(d, "okButton"), Qt::LeftButton);
    });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(shown, shownTicked);
    QCOMPARE(window->Document().level().Number(), qint16(result));
    QCOMPARE(window->Document().level().Width(), qint16(30));
    QCOMPARE(window->IsModified(), result != number);
}

// A real episode-3 level can be 200 cells wide: the dialog takes any width
// up to its own (201 is refused, naming 200), and changing only the episode
// keeps every column.
void tst_LevelProperties::oversizedLevelKeepsItsSize() {
    EditorTestHost host;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    auto window = editortest::newWindow(host, 30, 20, 3, 1);
    leveledit::change(*window, [](Level& level) { level.Resize(200, 20); });
    leveledit::setTile(*window, 199, 5, 33);
    QString shownWidth;
    prompts.dialogs.push_back([&](QDialog& d) {
        shownWidth = widthBox(d).text();
        controls::retype(widthBox(d), QStringLiteral("201"));
        QTest::keyClick(&widthBox(d), Qt::Key_Enter);
        controls::retype(widthBox(d), QStringLiteral("200"));
        controls::choose(episodeList(d), 1);
        QTest::keyClick(&widthBox(d), Qt::Key_Enter);
    });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(shownWidth, QStringLiteral("200"));
    QCOMPARE(prompts.messages.size(), size_t(1));
    QCOMPARE(prompts.messages[0].text, QStringLiteral("Width should be between 24 and 200"));
    QCOMPARE(window->Document().level().Width(), qint16(200));
    QCOMPARE(window->Document().level().Tile(199, 5), qint16(33));
    QCOMPARE(window->Document().level().Episode(), qint16(2));
    QCOMPARE(window->Sprites().Count(), qint16(8));
}

// A level whose file name gave it episode 4: no entry is chosen (that OK
// then asks for one: tst_LevelPropertiesDialog), and the set lists are only ever
// asked for episodes 1 to 3.
void tst_LevelProperties::episodeOutsideTheListNeedsAChoice() {
    EditorTestHost host;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    auto window = editortest::newWindow(host, 30, 20, 1, 1);
    leveledit::change(*window, [](Level& level) { level.SetEpisode(4); });
    int shownIndex = -2;
    prompts.dialogs.push_back([&](QDialog& d) {
        shownIndex = episodeList(d).currentIndex();
        controls::choose(episodeList(d), 1);
        QTest::keyClick(&widthBox(d), Qt::Key_Return);
    });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(shownIndex, -1);
    QCOMPARE(window->Document().level().Episode(), qint16(2));
    QCOMPARE(window->Sprites().Count(), qint16(8));

    // Cancelled with no choice: the episode stays 4 and no set changes.
    leveledit::change(*window, [](Level& level) { level.SetEpisode(4); });
    prompts.dialogs.push_back(
        [](QDialog& d) { ScriptedPrompts::click(d, QStringLiteral("Cancel")); });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(window->Document().level().Episode(), qint16(4));
    QCOMPARE(window->Sprites().Count(), qint16(8));
}

GM_TEST_MAIN(tst_LevelProperties)
#include "tst_LevelProperties.moc"
