// Pointing an episode at the game's own folder instead of exported bitmaps.
#include "GamePathsDialog.h"
#include "LevelEditorWindow.h"
#include "MainWindowFixture.h"
#include "Settings.h"
#include "TestData.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class GameFolderTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init();
    void cleanup();

    void pathsDialogAcceptsAGameFolderForItsEpisodeOnly();
    void startUpLoadsTheSetsStraightFromTheGameFiles();
    void damagedGameFileIsNamedInTheMessage();
    void setPathsGivesOpenWindowsTheGamesTileTable();

private:
    // A copy of the real episode-1 graphics files, names in lower case to
    // show that the letter case does not matter.
    QString gameFolder(const QString& damagedFile = QString());
    QString demoFolder(int index) const { return m_F.demoFolder(index); }

    std::unique_ptr<QTemporaryDir> m_Game;
    MainWindowFixture m_F;
};

void GameFolderTest::init() {
    m_Game = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Game->isValid());
    QVERIFY(m_F.Begin());
}

void GameFolderTest::cleanup() {
    m_F.End();
    m_Game.reset();
}

QString GameFolderTest::gameFolder(const QString& damagedFile) {
    const QString folder = m_Game->path();
    if (!copyRealGameFiles(folder, true))
        return QString();
    if (!damagedFile.isEmpty()) {
        // Cut the file to a tenth: its packed data ends far too early.
        QFile file(QDir(folder).filePath(damagedFile.toLower()));
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
        if (!file.open(QIODevice::ReadWrite) || !file.resize(file.size() / 10))
            return QString();
    }
    return folder;
}

void GameFolderTest::pathsDialogAcceptsAGameFolderForItsEpisodeOnly() {
    GM_REQUIRE_REAL_DATA();
    const QString game = gameFolder();
    QVERIFY(!game.isEmpty());

    GamePathsDialog dialog;
    dialog.show();
    using controls::find;
    const auto folder = [&](int episode) -> QLineEdit& {
        return find<QLineEdit>(dialog, QStringLiteral("graphicsFolderEdit%1").arg(episode));
    };
    const auto kind = [&](int episode) {
        return find<QLabel>(dialog, QStringLiteral("graphicsKindLabel%1").arg(episode)).text();
    };
    QPushButton& ok = find<QPushButton>(dialog, QStringLiteral("okButton"));
    controls::retype(folder(1), game);
    controls::retype(folder(2), demoFolder(1));
    controls::retype(folder(3), demoFolder(2));
    QCOMPARE(kind(1), QStringLiteral("The game's own graphics files (read directly)"));
    QCOMPARE(kind(2), QStringLiteral("Exported bitmaps"));

    // The episode-1 files are no graphics for episode 2.
    controls::retype(folder(2), game);
    QCOMPARE(kind(2), QStringLiteral("No graphics found here"));
    QTest::mouseClick(&ok, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    QCOMPARE(m_F.prompts().messages.front().text, QStringLiteral("All paths must be valid!"));

    controls::retype(folder(2), demoFolder(1));
    QTest::mouseClick(&ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    QCOMPARE(dialog.graphicsFolder(1), game);
}

void GameFolderTest::startUpLoadsTheSetsStraightFromTheGameFiles() {
    GM_REQUIRE_REAL_DATA();
    const QString game = gameFolder();
    QVERIFY(!game.isEmpty());
    QVERIFY(m_F.WriteDemoPaths());
    QVERIFY(Settings::Write(QStringLiteral("Paths"), QStringLiteral("Keen 1"), game));
    const QStringList before = QDir(game).entryList(QDir::Files);

    MainWindow window;
    QVERIFY(m_F.Load(window));
    QVERIFY(m_F.prompts().messages.empty());
    QVERIFY(m_F.prompts().shownDialogs.empty());
    QCOMPARE(window.TileSets(0)->Count(), qint16(611));
    QCOMPARE(window.TileSets(0)->TilesPerRow(), qint16(13));
    QCOMPARE(window.SpriteSets(0)->Count(), qint16(11));
    // Sprite 1 is the Yorp, cut from the game's own sprite file.
    QVERIFY(window.SpriteSets(0)->Width(1) > 0 && window.SpriteSets(0)->Height(1) > 0);
    QCOMPARE(window.TileSets(1)->Count(), qint16(689));
    // Nothing is written into the game's folder.
    QCOMPARE(QDir(game).entryList(QDir::Files), before);
}

void GameFolderTest::damagedGameFileIsNamedInTheMessage() {
    GM_REQUIRE_REAL_DATA();
    const QString game = gameFolder(QStringLiteral("EGALATCH.CK1"));
    QVERIFY(!game.isEmpty());
    QVERIFY(m_F.WriteDemoPaths());
    QVERIFY(Settings::Write(QStringLiteral("Paths"), QStringLiteral("Keen 1"), game));
    // The paths dialog that follows the message is cancelled.
    m_F.prompts().dialogs.push_back([](QDialog& dialog) {
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });

    MainWindow window;
    m_F.Load(window);
    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    const QString text = m_F.prompts().messages.front().text;
    QVERIFY(text.startsWith(QStringLiteral("One or more of the image paths did not contain the "
                                           "required images!\r\nPlease re-enter the paths.")));
    QVERIFY2(text.contains(QStringLiteral("egalatch.ck1"), Qt::CaseInsensitive), qPrintable(text));
    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(1));
    QCOMPARE(window.TileSets(0)->Count(), qint16(0));
}

// A game folder chosen in Set Paths brings the game's own tile behaviour
// table to the open windows of its episode, in place of the demo
// graphics' made-up one.
void GameFolderTest::setPathsGivesOpenWindowsTheGamesTileTable() {
    GM_REQUIRE_REAL_DATA();
    const QString game = m_Game->path();
    QVERIFY(
        QFile::copy(QDir(realDataDir()).filePath("KEEN1.EXE"), QDir(game).filePath("KEEN1.EXE")));
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    window->OpenFiles({m_F.demoLevel("LEVEL01.CK1")});
    LevelEditorWindow* editor = window->Editors().front();
    QCOMPARE(editor->TileText(208), QStringLiteral("Tile 208: nothing"));
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        controls::retype(controls::find<QLineEdit>(dialog, "gameFolderEdit1"), game);
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    window->findChild<QAction*>("setPathsAction")->trigger();
    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(1));
    QCOMPARE(editor->TileText(208),
             QStringLiteral("Tile 208: kills, solid on top, animated (4 tiles)"));
}

GM_TEST_MAIN(GameFolderTest)
#include "tst_GameFolder.moc"
