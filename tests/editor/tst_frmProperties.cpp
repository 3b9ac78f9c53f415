#include "ScriptedPrompts.h"
#include "TestMain.h"
#include "frmProperties.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class PropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsEmptyWithTheFirstEpisode();
    void sizeBoxesTakeDigitsAndBackspaceOnly();
    void sizeBoxesRefusePasting();
    void readsNumbersLikeFileNames_data();
    void readsNumbersLikeFileNames();
    void okChecksTheSizes_data();
    void okChecksTheSizes();
    void warnsOfLevelsTooLargeForTheGame_data();
    void warnsOfLevelsTooLargeForTheGame();
    void episodeOutsideTheListMustBeChosen();
    void enterActsAsOkAndEscapeAsCancel();

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
    frmProperties dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Level Properties"));
    QVERIFY(dialog.Cancelled);
    QCOMPARE(dialog.Label1->text(), QStringLiteral("Level &Width:"));
    QCOMPARE(dialog.Label2->text(), QStringLiteral("Level &Height:"));
    QCOMPARE(dialog.Label3->text(), QStringLiteral("&Episode:"));
    QCOMPARE(dialog.Label1->buddy(), dialog.txtWidth);
    QCOMPARE(dialog.Label2->buddy(), dialog.txtHeight);
    QCOMPARE(dialog.Label3->buddy(), dialog.lstEpisode);
    QVERIFY(dialog.txtWidth->text().isEmpty());
    QVERIFY(dialog.txtHeight->text().isEmpty());
    QVERIFY(!dialog.lstEpisode->isEditable());
    QCOMPARE(dialog.lstEpisode->count(), 3);
    QCOMPARE(dialog.lstEpisode->itemText(0), QStringLiteral("1 - Marooned on Mars"));
    QCOMPARE(dialog.lstEpisode->itemText(1), QStringLiteral("2 - The Earth Explodes"));
    QCOMPARE(dialog.lstEpisode->itemText(2), QStringLiteral("3 - Keen Must Die!"));
    QCOMPARE(dialog.lstEpisode->currentIndex(), 0);
    QCOMPARE(dialog.chkMapLevel->text(), QStringLiteral("&Map Level"));
    QVERIFY(!dialog.chkMapLevel->isChecked());
    QCOMPARE(dialog.OKButton->text(), QStringLiteral("OK"));
    QVERIFY(dialog.OKButton->isDefault());
    QCOMPARE(dialog.CancelButton->text(), QStringLiteral("Cancel"));
}

void PropertiesTest::sizeBoxesTakeDigitsAndBackspaceOnly() {
    frmProperties dialog;
    dialog.show();
    for (QLineEdit* box : {dialog.txtWidth, dialog.txtHeight}) {
        QTest::keyClicks(box, QStringLiteral("1a2"));
        QCOMPARE(box->text(), QStringLiteral("12"));
        QTest::keyClicks(box, QStringLiteral(" -+.,x9"));
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
        // Moving and deleting type no character and still work.
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("2"));
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, QStringLiteral("4"));
        QCOMPARE(box->text(), QStringLiteral("24"));
    }
    QCOMPARE(frmProperties::FilterKeyAscii('0'), int('0'));
    QCOMPARE(frmProperties::FilterKeyAscii('9'), int('9'));
    QCOMPARE(frmProperties::FilterKeyAscii(8), 8);
    for (int c : {3, 22, 24, 13, 27, 32, int('/'), int(':'), int('a'), 0xB2})
        QCOMPARE(frmProperties::FilterKeyAscii(c), 0);
}

void PropertiesTest::sizeBoxesRefusePasting() {
    frmProperties dialog;
    dialog.show();
    QApplication::clipboard()->setText(QStringLiteral("1a2"));
    for (QLineEdit* box : {dialog.txtWidth, dialog.txtHeight}) {
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(box, Qt::MiddleButton);
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->contextMenuPolicy(), Qt::NoContextMenu);
        QVERIFY(!box->acceptDrops());
    }
}

void PropertiesTest::readsNumbersLikeFileNames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("plain") << "24" << 24;
    QTest::newRow("blanks anywhere") << " 1 7\t0\n" << 170;
    QTest::newRow("leading digits") << "12ab3" << 12;
    QTest::newRow("no digits first") << "x12" << 0;
    QTest::newRow("leading zeros") << "0024" << 24;
    QTest::newRow("huge") << "99999999999999999999" << 999999;
}

void PropertiesTest::readsNumbersLikeFileNames() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(frmProperties::NumberValue(text), value);
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
    QTest::newRow("lowest")                  << -1 << -1 << "24" << "17" << "";
    QTest::newRow("highest")                 << -1 << -1 << "170" << "170" << "";
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
    frmProperties dialog;
    dialog.show();
    if (currentWidth >= 0)
        dialog.SetCurrentSize(currentWidth, currentHeight);
    dialog.txtWidth->setText(width);
    dialog.txtHeight->setText(height);
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    if (message.isEmpty()) {
        QVERIFY(m_Prompts->messages.empty());
        QVERIFY(!dialog.Cancelled);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.WidthValue(), width.toInt());
        QCOMPARE(dialog.HeightValue(), height.toInt());
        return;
    }
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    const auto& shown = m_Prompts->messages.front();
    QCOMPARE(shown.text, message);
    QCOMPARE(shown.title, QStringLiteral("Error"));
    QCOMPARE(shown.icon, Prompts::Icon::Exclamation);
    QCOMPARE(shown.buttons, Prompts::Buttons::Ok);
    QVERIFY(dialog.Cancelled);
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
    frmProperties dialog;
    dialog.show();
    QVERIFY(dialog.lblSizeWarning->text().isEmpty());
    QTest::keyClicks(dialog.txtWidth, width);
    QTest::keyClicks(dialog.txtHeight, height);
    QCOMPARE(dialog.lblSizeWarning->text(), warning);
    // It follows every change: one digit less fits again.
    QTest::keyClick(dialog.txtWidth, Qt::Key_Backspace);
    QVERIFY(dialog.lblSizeWarning->text().isEmpty());
}

void PropertiesTest::episodeOutsideTheListMustBeChosen() {
    frmProperties dialog;
    dialog.show();
    dialog.SetCurrentSize(30, 20);
    dialog.SetEpisode(5);
    QCOMPARE(dialog.lstEpisode->currentIndex(), -1);
    QCOMPARE(dialog.ChosenEpisode(), 0);
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    QCOMPARE(m_Prompts->messages.front().text, QStringLiteral("Please choose an episode"));
    QCOMPARE(m_Prompts->messages.front().title, QStringLiteral("Error"));
    QVERIFY(dialog.Cancelled);
    QVERIFY(dialog.isVisible());

    dialog.lstEpisode->setCurrentIndex(1);
    QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
    QVERIFY(!dialog.Cancelled);
    QCOMPARE(dialog.ChosenEpisode(), 2);

    for (int episode : {0, -1, 4}) {
        dialog.SetEpisode(episode);
        QCOMPARE(dialog.ChosenEpisode(), 0);
    }
    dialog.SetEpisode(1);
    QCOMPARE(dialog.lstEpisode->currentIndex(), 0);
}

void PropertiesTest::enterActsAsOkAndEscapeAsCancel() {
    {
        frmProperties dialog;
        dialog.show();
        QTest::keyClicks(dialog.txtWidth, QStringLiteral("30"));
        QTest::keyClicks(dialog.txtHeight, QStringLiteral("20"));
        QTest::keyClick(dialog.txtHeight, Qt::Key_Return);
        QVERIFY(!dialog.Cancelled);
        QVERIFY(!dialog.isVisible());
    }
    {
        frmProperties dialog;
        dialog.show();
        QTest::keyClick(dialog.txtWidth, Qt::Key_Enter);
        QCOMPARE(m_Prompts->messages.size(), size_t(1));
        QVERIFY(dialog.isVisible());
        QTest::keyClick(dialog.txtWidth, Qt::Key_Escape);
        QVERIFY(dialog.Cancelled);
        QVERIFY(!dialog.isVisible());
    }
    {
        frmProperties dialog;
        dialog.show();
        dialog.txtWidth->setText(QStringLiteral("30"));
        dialog.txtHeight->setText(QStringLiteral("20"));
        QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        QVERIFY(dialog.Cancelled);
        QVERIFY(!dialog.isVisible());
    }
}

GM_TEST_MAIN(PropertiesTest)
#include "tst_frmProperties.moc"
