// Level, Properties on a real editor window: the dialog filled from the
// level, typed into with real keys and confirmed with Enter, and what the
// window does with the answer.

#include "EditGeometry.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "PictureBox.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"
#include "frmProperties.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

// Replaces a size box's text by typing: Backspace over the old digits, then
// the new ones.
void retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->end(false);
    for (int i = box->text().size(); i > 0; --i)
        QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

frmProperties& asProperties(QDialog& dialog) {
    auto* properties = qobject_cast<frmProperties*>(&dialog);
    Q_ASSERT(properties);
    return *properties;
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
    window->mnuViewZoomIn_Click();
    window->SetSelectedTile(0, 4);
    window->SetSelectedSprite(9);

    Shown shown;
    prompts.dialogs.push_back([&](QDialog& d) {
        frmProperties& p = asProperties(d);
        shown = {p.txtWidth->text(), p.txtHeight->text(), p.lstEpisode->currentIndex(),
                 p.chkMapLevel->isChecked()};
        retype(p.txtWidth, QStringLiteral("4x0"));
        p.lstEpisode->setCurrentIndex(2);
        QTest::keyClick(p.txtWidth, Qt::Key_Return);
    });
    window->mnuLevelProperties->trigger();

    QCOMPARE(prompts.shownDialogs.size(), size_t(1));
    QCOMPARE(prompts.shownDialogs[0].title, QStringLiteral("Level Properties"));
    QCOMPARE(shown.width, QStringLiteral("30"));
    QCOMPARE(shown.height, QStringLiteral("20"));
    QCOMPARE(shown.episodeIndex, 0);
    QVERIFY(!shown.mapLevel);
    QVERIFY(prompts.messages.empty());

    const Level& level = window->m_Level;
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
    const int sw = window->picEditHolder->ScaleWidth();
    QCOMPARE(window->scrEditX->maximum(), qMax(0, 40 - (sw - 17 + 15) / 16 + 1));
    QVERIFY(editortest::canvasShowsLevel(*window));
    // The selected sprite's box shows episode 3's sprite 9.
    Surface box(window->picSelectedSprite->ScaleWidth(), window->picSelectedSprite->ScaleHeight());
    box.SetBackColor(window->picSelectedSprite->surface().BackColor());
    box.Cls();
    window->Sprites().Draw(9, box, 0, 0, EditGeometry::PaletteZoom, true);
    QCOMPARE(window->picSelectedSprite->surface().image(), box.image());
}

void tst_LevelProperties::cancelChangesNothing() {
    EditorTestHost host;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    auto window = editortest::newWindow(host, 30, 20, 2, 5);
    window->mnuViewZoomIn_Click();
    leveledit::setModified(*window, true);
    const Level before = window->m_Level;

    prompts.dialogs.push_back([](QDialog& d) {
        frmProperties& p = asProperties(d);
        retype(p.txtWidth, QStringLiteral("50"));
        retype(p.txtHeight, QStringLiteral("60"));
        p.lstEpisode->setCurrentIndex(0);
        p.chkMapLevel->setChecked(true);
        QTest::keyClick(p.txtHeight, Qt::Key_Escape);
    });
    window->mnuLevelProperties->trigger();
    QCOMPARE(prompts.shownDialogs.size(), size_t(1));
    QVERIFY(window->m_Level == before);
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
        frmProperties& p = asProperties(d);
        shown = p.chkMapLevel->isChecked();
        if (p.chkMapLevel->isChecked() != tick)
            QTest::mouseClick(p.chkMapLevel, Qt::LeftButton, {},
                              QPoint(4, p.chkMapLevel->height() / 2));
        QCOMPARE(p.chkMapLevel->isChecked(), tick);
        QTest::mouseClick(p.OKButton, Qt::LeftButton);
    });
    window->mnuLevelProperties->trigger();
    QCOMPARE(shown, shownTicked);
    QCOMPARE(window->m_Level.Number(), qint16(result));
    QCOMPARE(window->m_Level.Width(), qint16(30));
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
        frmProperties& p = asProperties(d);
        shownWidth = p.txtWidth->text();
        retype(p.txtWidth, QStringLiteral("201"));
        QTest::keyClick(p.txtWidth, Qt::Key_Enter);
        retype(p.txtWidth, QStringLiteral("200"));
        p.lstEpisode->setCurrentIndex(1);
        QTest::keyClick(p.txtWidth, Qt::Key_Enter);
    });
    window->mnuLevelProperties->trigger();
    QCOMPARE(shownWidth, QStringLiteral("200"));
    QCOMPARE(prompts.messages.size(), size_t(1));
    QCOMPARE(prompts.messages[0].text, QStringLiteral("Width should be between 24 and 200"));
    QCOMPARE(window->m_Level.Width(), qint16(200));
    QCOMPARE(window->m_Level.Tile(199, 5), qint16(33));
    QCOMPARE(window->m_Level.Episode(), qint16(2));
    QCOMPARE(window->Sprites().Count(), qint16(8));
}

// A level whose file name gave it episode 4: no entry is chosen (that OK
// then asks for one: tst_frmProperties), and the set lists are only ever
// asked for episodes 1 to 3.
void tst_LevelProperties::episodeOutsideTheListNeedsAChoice() {
    EditorTestHost host;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    auto window = editortest::newWindow(host, 30, 20, 1, 1);
    leveledit::change(*window, [](Level& level) { level.SetEpisode(4); });
    int shownIndex = -2;
    prompts.dialogs.push_back([&](QDialog& d) {
        frmProperties& p = asProperties(d);
        shownIndex = p.lstEpisode->currentIndex();
        p.lstEpisode->setCurrentIndex(1);
        QTest::keyClick(p.txtWidth, Qt::Key_Return);
    });
    window->mnuLevelProperties->trigger();
    QCOMPARE(shownIndex, -1);
    QCOMPARE(window->m_Level.Episode(), qint16(2));
    QCOMPARE(window->Sprites().Count(), qint16(8));

    // Cancelled with no choice: the episode stays 4 and no set changes.
    leveledit::change(*window, [](Level& level) { level.SetEpisode(4); });
    prompts.dialogs.push_back(
        [](QDialog& d) { ScriptedPrompts::click(d, QStringLiteral("Cancel")); });
    window->mnuLevelProperties->trigger();
    QCOMPARE(window->m_Level.Episode(), qint16(4));
    QCOMPARE(window->Sprites().Count(), qint16(8));
}

GM_TEST_MAIN(tst_LevelProperties)
#include "tst_LevelProperties.moc"
