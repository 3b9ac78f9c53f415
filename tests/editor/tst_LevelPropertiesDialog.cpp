// Level, Properties: the dialog on its own (its boxes, limits and keys),
// and on a real editor window, filled from the level, typed into with real
// keys and confirmed with Enter, and what the window does with the answer.

#include "Controls.h"
#include "EditGeometry.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "LevelPropertiesDialog.h"
#include "PictureBox.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
QPushButton& okButton(QDialog& d) {
    return controls::find<QPushButton>(d, "okButton");
}
QString sizeWarning(QDialog& d) {
    return controls::find<QLabel>(d, "sizeWarningLabel").text();
}

// The caption of the label whose mnemonic reaches `control`.
QString labelOf(QDialog& d, const QWidget& control) {
    for (const QLabel* label : d.findChildren<QLabel*>()) {
        if (label->buddy() == &control)
            return label->text();
    }
    return QString();
}

// What the dialog showed when it opened.
struct Shown {
    QString width;
    QString height;
    int episodeIndex = -2;
    bool mapLevel = false;
};

} // namespace

class PropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsEmptyWithTheFirstEpisode();
    void sizeBoxesTakeDigitsOnly();
    void sizeBoxesRefusePasting();
    void okChecksTheSizes_data();
    void okChecksTheSizes();
    void warnsOfLevelsTooLargeForTheGame_data();
    void warnsOfLevelsTooLargeForTheGame();
    void episodeOutsideTheListMustBeChosen();
    void enterActsAsOkAndEscapeAsCancel();
    void typingReplacesTheOfferedWidth();

    // On an editor window.
    void growsWithTheOldEpisodesTiles();
    void cancelChangesNothing();
    void mapLevelFlag_data();
    void mapLevelFlag();
    void oversizedLevelKeepsItsSize();
    void episodeOutsideTheListNeedsAChoice();

private:
    std::unique_ptr<ScriptedPrompts> m_Prompts;
    std::unique_ptr<ScopedPrompts> m_Installed;
};

void PropertiesTest::init() {
    m_Prompts = std::make_unique<ScriptedPrompts>();
    m_Installed = std::make_unique<ScopedPrompts>(*m_Prompts);
}

void PropertiesTest::cleanup() {
    m_Installed.reset();
    m_Prompts.reset();
}

void PropertiesTest::startsEmptyWithTheFirstEpisode() {
    LevelPropertiesDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Level Properties"));
    QCOMPARE(labelOf(dialog, widthBox(dialog)), QStringLiteral("Level &Width:"));
    QCOMPARE(labelOf(dialog, heightBox(dialog)), QStringLiteral("Level &Height:"));
    QCOMPARE(labelOf(dialog, episodeList(dialog)), QStringLiteral("&Episode:"));
    QVERIFY(widthBox(dialog).text().isEmpty());
    QVERIFY(heightBox(dialog).text().isEmpty());
    QComboBox& episodes = episodeList(dialog);
    QVERIFY(!episodes.isEditable());
    QCOMPARE(episodes.count(), 3);
    QCOMPARE(episodes.itemText(0), QStringLiteral("1 - Marooned on Mars"));
    QCOMPARE(episodes.itemText(1), QStringLiteral("2 - The Earth Explodes"));
    QCOMPARE(episodes.itemText(2), QStringLiteral("3 - Keen Must Die!"));
    QCOMPARE(dialog.chosenEpisode(), 1);
    const QCheckBox& map = mapLevelBox(dialog);
    QCOMPARE(map.text(), QStringLiteral("&Map Level"));
    QVERIFY(!dialog.isMapLevel());
    QCOMPARE(okButton(dialog).text(), QStringLiteral("OK"));
    QVERIFY(okButton(dialog).isDefault());
    QCOMPARE(controls::find<QPushButton>(dialog, "cancelButton").text(), QStringLiteral("Cancel"));
}

void PropertiesTest::sizeBoxesTakeDigitsOnly() {
    LevelPropertiesDialog dialog;
    dialog.show();
    for (QLineEdit* box : {&widthBox(dialog), &heightBox(dialog)}) {
        QTest::keyClicks(box, QStringLiteral("1a2"));
        QCOMPARE(box->text(), QStringLiteral("12"));
        QTest::keyClicks(box, QStringLiteral(" -+.,x/:"));
        // Keys beyond ASCII: superscript two, e acute, an Arabic-Indic three.
        for (const auto& [key, text] :
             {std::pair{Qt::Key_twosuperior, u"\u00B2"}, std::pair{Qt::Key_Eacute, u"\u00E9"},
              std::pair{Qt::Key_unknown, u"\u0663"}})
            QTest::sendKeyEvent(QTest::Click, box, key, QString::fromUtf16(text), Qt::NoModifier);
        QTest::keyClicks(box, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("129"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("12"));
        // The editing keys work and type nothing: select all, cut, undo,
        // select all and type over.
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box->text(), QString());
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("3"));
        QCOMPARE(box->text(), QStringLiteral("3"));
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("12"));
        // A character typed with AltGr (Ctrl+Alt) is still filtered.
        QTest::keyClick(box, '@', Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(box->text(), QStringLiteral("12"));
        // Moving and deleting type no character and still work, also when
        // the platform gives Delete its control character as text.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, QStringLiteral("\x7f"),
                            Qt::NoModifier);
        QCOMPARE(box->text(), QString());
        QTest::keyClicks(box, QStringLiteral("24"));
        QCOMPARE(box->text(), QStringLiteral("24"));
    }
}

void PropertiesTest::sizeBoxesRefusePasting() {
    LevelPropertiesDialog dialog;
    dialog.show();
    QApplication::clipboard()->setText(QStringLiteral("1a2"));
    for (QLineEdit* box : {&widthBox(dialog), &heightBox(dialog)}) {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(box, Qt::MiddleButton);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!box->acceptDrops());
    }
}

// currentWidth and currentHeight: the level's own size given to the dialog,
// -1 for a new level.
void PropertiesTest::okChecksTheSizes_data() {
    QTest::addColumn<int>("currentWidth");
    QTest::addColumn<int>("currentHeight");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("message");
    const QString widthMessage = QStringLiteral("Width should be between 24 and 170");
    const QString heightMessage = QStringLiteral("Height should be between 17 and 170");
    const QString to200 = QStringLiteral("Width should be between 24 and 200");
    // clang-format off
    QTest::newRow("width 23")                << -1 << -1 << "23" << "17" << widthMessage;
    QTest::newRow("width 171")               << -1 << -1 << "171" << "17" << widthMessage;
    QTest::newRow("both wrong: width first") << -1 << -1 << "0" << "0" << widthMessage;
    QTest::newRow("empty width")             << -1 << -1 << "" << "20" << widthMessage;
    QTest::newRow("empty height")            << -1 << -1 << "24" << "" << heightMessage;
    QTest::newRow("height 16")               << -1 << -1 << "170" << "16" << heightMessage;
    QTest::newRow("height 171")              << -1 << -1 << "100" << "171" << heightMessage;
    QTest::newRow("a width of 20 digits")    << -1 << -1 << "99999999999999999999" << "20" << widthMessage;
    QTest::newRow("lowest")                  << -1 << -1 << "24" << "17" << "";
    QTest::newRow("highest")                 << -1 << -1 << "170" << "170" << "";
    QTest::newRow("leading zeros")           << -1 << -1 << "0024" << "017" << "";
    // A real level 200 wide: any width up to its own is accepted.
    QTest::newRow("200 wide kept")           << 200 << 20 << "200" << "20" << "";
    QTest::newRow("200 wide to 199")         << 200 << 20 << "199" << "20" << "";
    QTest::newRow("200 wide to 171")         << 200 << 20 << "171" << "20" << "";
    QTest::newRow("200 wide to 201")         << 200 << 20 << "201" << "20" << to200;
    QTest::newRow("200 wide to 23")          << 200 << 20 << "23" << "20" << to200;
    QTest::newRow("30 wide to 171")          << 30 << 20 << "171" << "20" << widthMessage;
    QTest::newRow("180 high to 175")         << 30 << 180 << "30" << "175" << "";
    QTest::newRow("180 high to 181")         << 30 << 180 << "30" << "181"
                                             << QStringLiteral("Height should be between 17 and 180");
    // Its own height below the minimum stays acceptable; no other.
    QTest::newRow("12 high kept")            << 200 << 12 << "200" << "12" << "";
    QTest::newRow("12 high to 13")           << 200 << 12 << "200" << "13" << heightMessage;
    // Its own width with the largest height would not fit a level file,
    // so it could never be saved.
    QTest::newRow("beyond a level file")     << 200 << 100 << "200" << "170"
        << QStringLiteral("A level of 200 x 170 cells is too large: a level file holds at most "
                          "32760 cells.");
    QTest::newRow("just inside a level file") << 200 << 100 << "200" << "163" << "";
    // clang-format on
}

void PropertiesTest::okChecksTheSizes() {
    QFETCH(int, currentWidth);
    QFETCH(int, currentHeight);
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, message);
    LevelPropertiesDialog dialog;
    dialog.show();
    if (currentWidth >= 0)
        dialog.setCurrentSize(currentWidth, currentHeight);
    controls::retype(widthBox(dialog), width);
    controls::retype(heightBox(dialog), height);
    QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    if (message.isEmpty()) {
        QVERIFY(m_Prompts->messages.empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.chosenWidth(), width.toInt());
        QCOMPARE(dialog.chosenHeight(), height.toInt());
        return;
    }
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    const auto& shown = m_Prompts->messages.front();
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.title, QStringLiteral("Error"));
    QCOMPARE(shown.icon, Prompts::Icon::Exclamation);
    QCOMPARE(shown.buttons, Prompts::Buttons::Ok);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.isVisible());
}

// The game loads at most 16,376 cells; the line under the sizes says so as
// they are typed.
void PropertiesTest::warnsOfLevelsTooLargeForTheGame_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("height");
    QTest::addColumn<QString>("warning");
    const QString tooLarge =
        QStringLiteral("Too large for the game to load: %1 cells, at most 16,376.");
    QTest::newRow("124 x 132 plays") << "124"
                                     << "132" << QString();
    QTest::newRow("16376 x 1") << "16376"
                               << "1" << QString();
    QTest::newRow("128 x 128") << "128"
                               << "128" << tooLarge.arg("16,384");
    QTest::newRow("16377 x 1") << "16377"
                               << "1" << tooLarge.arg("16,377");
    QTest::newRow("170 x 170") << "170"
                               << "170" << tooLarge.arg("28,900");
}

void PropertiesTest::warnsOfLevelsTooLargeForTheGame() {
    QFETCH(QString, width);
    QFETCH(QString, height);
    QFETCH(QString, warning);
    LevelPropertiesDialog dialog;
    dialog.show();
    QVERIFY(sizeWarning(dialog).isEmpty());
    QTest::keyClicks(&widthBox(dialog), width);
    QTest::keyClicks(&heightBox(dialog), height);
    QCOMPARE(sizeWarning(dialog), warning);
    // It follows every change: one digit less fits again.
    QTest::keyClick(&widthBox(dialog), Qt::Key_Backspace);
    QVERIFY(sizeWarning(dialog).isEmpty());
}

void PropertiesTest::episodeOutsideTheListMustBeChosen() {
    LevelPropertiesDialog dialog;
    dialog.show();
    dialog.setCurrentSize(30, 20);
    dialog.setEpisode(5);
    QCOMPARE(episodeList(dialog).currentIndex(), -1);
    QCOMPARE(dialog.chosenEpisode(), 0);
    QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    QCOMPARE(m_Prompts->messages.front().text, QStringLiteral("Please choose an episode"));
    QCOMPARE(m_Prompts->messages.front().title, QStringLiteral("Error"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.isVisible());

    controls::choose(episodeList(dialog), 1);
    QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenEpisode(), 2);

    for (int episode : {0, -1, 4}) {
        dialog.setEpisode(episode);
        QCOMPARE(dialog.chosenEpisode(), 0);
    }
    dialog.setEpisode(3);
    QCOMPARE(episodeList(dialog).currentIndex(), 2);
    QCOMPARE(dialog.chosenEpisode(), 3);
}

void PropertiesTest::enterActsAsOkAndEscapeAsCancel() {
    {
        LevelPropertiesDialog dialog;
        dialog.show();
        QTest::keyClicks(&widthBox(dialog), QStringLiteral("30"));
        QTest::keyClicks(&heightBox(dialog), QStringLiteral("20"));
        QTest::keyClick(&heightBox(dialog), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
    {
        LevelPropertiesDialog dialog;
        dialog.show();
        QTest::keyClick(&widthBox(dialog), Qt::Key_Enter);
        QCOMPARE(m_Prompts->messages.size(), size_t(1));
        QVERIFY(dialog.isVisible());
        QTest::keyClick(&widthBox(dialog), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
    {
        LevelPropertiesDialog dialog;
        dialog.show();
        QTest::keyClicks(&widthBox(dialog), QStringLiteral("30"));
        QTest::keyClicks(&heightBox(dialog), QStringLiteral("20"));
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
}

// File, New offers a size; typing a width replaces it rather than adding
// digits to it.
void PropertiesTest::typingReplacesTheOfferedWidth() {
    LevelPropertiesDialog dialog;
    dialog.offerSize(104, 90);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), &widthBox(dialog));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("40"));
    QCOMPARE(dialog.chosenWidth(), 40);
    QCOMPARE(dialog.chosenHeight(), 90);
}

// 30 x 20 of episode 1 made 40 x 20 of episode 3: the ten new columns get
// episode 1's wall (144) and fill (143), not episode 3's wall (245).
void PropertiesTest::growsWithTheOldEpisodesTiles() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 1, 5);
    leveledit::setTile(*window, 10, 10, 7);
    drive(*window).trigger("zoomInAction");
    window->SetSelectedTile(0, 4);
    window->SetSelectedSprite(9);

    Shown shown;
    m_Prompts->dialogs.push_back([&](QDialog& d) {
        shown = {widthBox(d).text(), heightBox(d).text(), episodeList(d).currentIndex(),
                 mapLevelBox(d).isChecked()};
        controls::retype(widthBox(d), QStringLiteral("4x0"));
        controls::choose(episodeList(d), 2);
        QTest::keyClick(&widthBox(d), Qt::Key_Return);
    });
    drive(*window).action("propertiesAction")->trigger();

    QCOMPARE(m_Prompts->shownDialogs.size(), size_t(1));
    QCOMPARE(m_Prompts->shownDialogs[0].title, QStringLiteral("Level Properties"));
    QCOMPARE(shown.width, QStringLiteral("30"));
    QCOMPARE(shown.height, QStringLiteral("20"));
    QCOMPARE(shown.episodeIndex, 0);
    QVERIFY(!shown.mapLevel);
    QVERIFY(m_Prompts->messages.empty());

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

    // The scroll ranges and the canvas follow the replaced level as after
    // its undo: tst_UndoRedo's propertiesResizeAndUndo.
    // The selected sprite's box shows episode 3's sprite 9.
    Surface box(drive(*window).widget<PictureBox>("spriteBox")->ScaleWidth(),
                drive(*window).widget<PictureBox>("spriteBox")->ScaleHeight());
    box.SetBackColor(drive(*window).widget<PictureBox>("spriteBox")->surface().BackColor());
    box.Cls();
    window->Sprites().Draw(9, box, 0, 0, EditGeometry::PaletteZoom, true);
    QCOMPARE(drive(*window).widget<PictureBox>("spriteBox")->surface().image(), box.image());
}

void PropertiesTest::cancelChangesNothing() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 2, 5);
    drive(*window).trigger("zoomInAction");
    leveledit::setModified(*window, true);
    const Level before = window->Document().level();

    m_Prompts->dialogs.push_back([](QDialog& d) {
        controls::retype(widthBox(d), QStringLiteral("50"));
        controls::retype(heightBox(d), QStringLiteral("60"));
        controls::choose(episodeList(d), 0);
        controls::setTicked(mapLevelBox(d), true);
        QTest::keyClick(&heightBox(d), Qt::Key_Escape);
    });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(m_Prompts->shownDialogs.size(), size_t(1));
    QVERIFY(window->Document().level() == before);
    QCOMPARE(window->Document().undoStack().count(), 0);
    QCOMPARE(window->CanvasZoom().Exponent(), 1);
    QCOMPARE(window->Sprites().Count(), qint16(8));
    QVERIFY(window->IsModified());
}

void PropertiesTest::mapLevelFlag_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("shownTicked");
    QTest::addColumn<int>("result");
    QTest::newRow("80 shows ticked, unticked stays 80") << 80 << false << true << 80;
    QTest::newRow("80 kept ticked") << 80 << true << true << 80;
    QTest::newRow("5 ticked becomes 80") << 5 << true << false << 80;
    QTest::newRow("5 unticked stays 5") << 5 << false << false << 5;
}

void PropertiesTest::mapLevelFlag() {
    QFETCH(int, number);
    QFETCH(bool, tick);
    QFETCH(bool, shownTicked);
    QFETCH(int, result);
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 1, qint16(number));
    bool shown = !shownTicked;
    m_Prompts->dialogs.push_back([&](QDialog& d) {
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

// A real episode-3 level can be 200 cells wide: the dialog is offered its
// own width (what it then accepts: okChecksTheSizes), and changing only the
// episode keeps every column.
void PropertiesTest::oversizedLevelKeepsItsSize() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 3, 1);
    leveledit::change(*window, [](Level& level) { level.Resize(200, 20); });
    leveledit::setTile(*window, 199, 5, 33);
    QString shownWidth;
    m_Prompts->dialogs.push_back([&](QDialog& d) {
        shownWidth = widthBox(d).text();
        controls::choose(episodeList(d), 1);
        QTest::keyClick(&widthBox(d), Qt::Key_Enter);
    });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(shownWidth, QStringLiteral("200"));
    QVERIFY(m_Prompts->messages.empty());
    QCOMPARE(window->Document().level().Width(), qint16(200));
    QCOMPARE(window->Document().level().Tile(199, 5), qint16(33));
    QCOMPARE(window->Document().level().Episode(), qint16(2));
    QCOMPARE(window->Sprites().Count(), qint16(8));
}

// A level whose file name gave it episode 4: no entry is chosen (that OK
// then asks for one: episodeOutsideTheListMustBeChosen), and the episode
// chosen brings its sets.
void PropertiesTest::episodeOutsideTheListNeedsAChoice() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 30, 20, 1, 1);
    leveledit::change(*window, [](Level& level) { level.SetEpisode(4); });
    int shownIndex = -2;
    m_Prompts->dialogs.push_back([&](QDialog& d) {
        shownIndex = episodeList(d).currentIndex();
        controls::choose(episodeList(d), 1);
        QTest::keyClick(&widthBox(d), Qt::Key_Return);
    });
    drive(*window).action("propertiesAction")->trigger();
    QCOMPARE(shownIndex, -1);
    QCOMPARE(window->Document().level().Episode(), qint16(2));
    QCOMPARE(window->Sprites().Count(), qint16(8));
}

GM_TEST_MAIN(PropertiesTest)
#include "tst_LevelPropertiesDialog.moc"
