// File, Set Paths: the graphics folders given, browsed for and checked, and
// the optional game folders read from the settings file, checked and stored.

#include "Controls.h"
#include "GameFolderSettings.h"
#include "GamePathsDialog.h"
#include "TestMain.h"
#include "app/AppSandbox.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

QLineEdit& folderBox(QDialog& dialog, int episode) {
    return controls::find<QLineEdit>(dialog, QStringLiteral("graphicsFolderEdit%1").arg(episode));
}

QPushButton& browseButton(QDialog& dialog, int episode) {
    return controls::find<QPushButton>(dialog,
                                       QStringLiteral("graphicsBrowseButton%1").arg(episode));
}

QLineEdit& gameFolderBox(QDialog& dialog, int episode) {
    return controls::find<QLineEdit>(dialog, QStringLiteral("gameFolderEdit%1").arg(episode));
}

QPushButton& okButton(QDialog& dialog) {
    return controls::find<QPushButton>(dialog, QStringLiteral("okButton"));
}

// The caption of the label whose mnemonic reaches `control`.
QString labelOf(QDialog& dialog, const QWidget& control) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy() == &control)
            return label->text();
    }
    return QString();
}

} // namespace

class SetPathsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsThreeRowsWithTheFoldersGiven();
    void browsePutsTheChosenFolderIntoItsRow();
    void browseCancelledChangesNothing();
    void okChecksEveryFolderForGraphics_data();
    void okChecksEveryFolderForGraphics();
    void enterActsAsOkAndEscapeAsCancel();
    void gameFoldersAreCheckedAndStored();
    void gameBrowseTakesTheProgramsFolder();

private:
    QString makeFolder(const QString& name, const QStringList& files);

    std::unique_ptr<QTemporaryDir> m_Dir;
    AppSandbox m_Sandbox;
    ScriptedPrompts* m_Prompts = nullptr;
};

// The settings file, the game folder rows read, lies in the sandbox.
void SetPathsTest::init() {
    m_Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dir->isValid());
    QVERIFY(m_Sandbox.Begin());
    m_Prompts = m_Sandbox.prompts.get();
}

void SetPathsTest::cleanup() {
    m_Sandbox.End();
    m_Dir.reset();
}

QString SetPathsTest::makeFolder(const QString& name, const QStringList& files) {
    const QString folder = m_Dir->filePath(name);
    QDir().mkpath(folder);
    for (const QString& file : files) {
        QFile f(folder + QLatin1Char('/') + file);
        if (f.open(QIODevice::WriteOnly))
            f.write("BM");
    }
    return folder;
}

// Alt and the episode's digit reach its row; each box holds the folder
// given for its episode, and an episode outside 1..3 has none.
void SetPathsTest::showsThreeRowsWithTheFoldersGiven() {
    GamePathsDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Paths"));
    for (int episode = 1; episode <= 3; ++episode) {
        QCOMPARE(labelOf(dialog, folderBox(dialog, episode)),
                 QStringLiteral("Keen &%1 Path:").arg(episode));
        dialog.setGraphicsFolder(episode, QStringLiteral("/games/keen%1").arg(episode));
    }
    dialog.setGraphicsFolder(4, QStringLiteral("/games/keen4"));
    for (int episode = 1; episode <= 3; ++episode) {
        QCOMPARE(folderBox(dialog, episode).text(), QStringLiteral("/games/keen%1").arg(episode));
        QCOMPARE(dialog.graphicsFolder(episode), QStringLiteral("/games/keen%1").arg(episode));
    }
    QCOMPARE(dialog.graphicsFolder(0), QString());
    QCOMPARE(dialog.graphicsFolder(4), QString());
}

// The dialog opens in the first row's folder whichever row asks, and keeps
// only the folder of the chosen file.
void SetPathsTest::browsePutsTheChosenFolderIntoItsRow() {
    GamePathsDialog dialog;
    dialog.setGraphicsFolder(1, QStringLiteral("/games/keen1"));
    dialog.setGraphicsFolder(2, QStringLiteral("/games/keen2"));
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose("/games/KEEN3/3SPR0000.BMP"));

    QTest::mouseClick(&browseButton(dialog, 3), Qt::LeftButton);

    QCOMPARE(dialog.graphicsFolder(3), QStringLiteral("/games/KEEN3"));
    QCOMPARE(dialog.graphicsFolder(1), QStringLiteral("/games/keen1"));
    QCOMPARE(dialog.graphicsFolder(2), QStringLiteral("/games/keen2"));
    QCOMPARE(m_Prompts->fileRequests.size(), size_t(1));
    const Prompts::FileRequest& request = m_Prompts->fileRequests.front();
    QCOMPARE(request.caption, QStringLiteral("Select Path"));
    QCOMPARE(request.initialDir, QStringLiteral("/games/keen1"));
    // Either kind of graphics can be chosen: exported bitmaps or the game's
    // own files.
    QCOMPARE(request.filters,
             QStringList({QStringLiteral("Keen Graphics (*.bmp EGAHEAD.CK? EGALATCH.CK? "
                                         "EGASPRIT.CK?)"),
                          QStringLiteral("Keen Bitmaps (*.bmp)"),
                          QStringLiteral("Game Graphics Files (EGAHEAD.CK? EGALATCH.CK? "
                                         "EGASPRIT.CK?)"),
                          QStringLiteral("All Files (*)")}));
    QCOMPARE(request.filterIndex, 1);
    QVERIFY(!request.fileMustExist);
    QVERIFY(!request.save);
    QCOMPARE(request.owner, &dialog);

    // A game folder, picked by one of its graphics files.
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose("/games/Keen 1/EGAHEAD.CK1"));
    QTest::mouseClick(&browseButton(dialog, 1), Qt::LeftButton);
    QCOMPARE(dialog.graphicsFolder(1), QStringLiteral("/games/Keen 1"));
}

void SetPathsTest::browseCancelledChangesNothing() {
    GamePathsDialog dialog;
    for (int episode = 1; episode <= 3; ++episode)
        dialog.setGraphicsFolder(episode, QStringLiteral("/p%1").arg(episode));
    m_Prompts->files.push_back(ScriptedPrompts::File::Cancel());
    QTest::mouseClick(&browseButton(dialog, 2), Qt::LeftButton);
    QCOMPARE(m_Prompts->fileRequests.size(), size_t(1));
    for (int episode = 1; episode <= 3; ++episode)
        QCOMPARE(dialog.graphicsFolder(episode), QStringLiteral("/p%1").arg(episode));
    QVERIFY(m_Prompts->messages.empty());
}

// OK takes three folders that each hold a bitmap (which bitmaps count:
// tst_GraphicsFolder); else it says so, keeps the dialog open and the boxes
// as they were.
void SetPathsTest::okChecksEveryFolderForGraphics_data() {
    QTest::addColumn<QStringList>("paths"); // "@" stands for the test's folder
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one empty") << QStringList{"@/good", "", "@/good"} << false;
    QTest::newRow("no bitmap") << QStringList{"@/good", "@/good", "@/nobitmap"} << false;
    QTest::newRow("missing") << QStringList{"@/good", "@/missing", "@/good"} << false;
    QTest::newRow("all hold one") << QStringList{"@/good", "@/good", "@/good/"} << true;
}

void SetPathsTest::okChecksEveryFolderForGraphics() {
    QFETCH(QStringList, paths);
    QFETCH(bool, accepted);
    makeFolder("good", {"1til0000.bmp"});
    makeFolder("nobitmap", {"readme.txt"});
    paths.replaceInStrings("@", m_Dir->path());
    GamePathsDialog dialog;
    dialog.show();
    for (int i = 0; i < 3; ++i)
        controls::retype(folderBox(dialog, i + 1), paths[i]);
    QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dialog.isVisible(), !accepted);
    if (accepted) {
        QVERIFY(m_Prompts->messages.empty());
        return;
    }
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    const auto& message = m_Prompts->messages.front();
    QCOMPARE(message.text, QStringLiteral("All paths must be valid!"));
    QVERIFY(message.title.isEmpty()); // the program's title
    QCOMPARE(message.icon, Prompts::Icon::None);
    QCOMPARE(message.buttons, Prompts::Buttons::Ok);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(dialog.graphicsFolder(i + 1), paths[i]);
}

void SetPathsTest::enterActsAsOkAndEscapeAsCancel() {
    const QString tiles = makeFolder(QStringLiteral("tiles"), {QStringLiteral("1til0000.bmp")});
    {
        GamePathsDialog dialog;
        for (int episode = 1; episode <= 3; ++episode)
            dialog.setGraphicsFolder(episode, tiles);
        dialog.show();
        QTest::keyClick(&folderBox(dialog, 2), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
    {
        GamePathsDialog dialog;
        for (int episode = 1; episode <= 3; ++episode)
            dialog.setGraphicsFolder(episode, tiles);
        dialog.show();
        QTest::keyClick(&folderBox(dialog, 1), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_Prompts->messages.empty());
    }
    {
        // Enter with an empty box is an OK that fails.
        GamePathsDialog dialog;
        dialog.show();
        QTest::keyClick(&folderBox(dialog, 1), Qt::Key_Enter);
        QCOMPARE(m_Prompts->messages.size(), size_t(1));
        QVERIFY(dialog.isVisible());
        // Cancel after a refused OK still cancels.
        QTest::mouseClick(&controls::find<QPushButton>(dialog, QStringLiteral("cancelButton")),
                          Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
}

void SetPathsTest::gameFoldersAreCheckedAndStored() {
    const QString game = makeFolder("game", {"1til0000.bmp", "KEEN1.EXE", "keen3.exe"});
    QVERIFY(GameFolderSettings::Write(2, "/old/keen2"));
    GamePathsDialog dialog;
    dialog.show();
    for (int episode = 1; episode <= 3; ++episode)
        dialog.setGraphicsFolder(episode, game);
    QCOMPARE(gameFolderBox(dialog, 2).text(), QStringLiteral("/old/keen2"));
    // Episode 2's folder holds no KEEN2.EXE: OK refuses and says so.
    controls::retype(gameFolderBox(dialog, 1), game);
    QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(m_Prompts->lastMessage()->text,
             QStringLiteral("The game folder of Keen 2 does not hold KEEN2.EXE."));
    QCOMPARE(GameFolderSettings::Read(1), QString());

    controls::retype(gameFolderBox(dialog, 2), QString());
    controls::retype(gameFolderBox(dialog, 3), game); // keen3.exe in any case
    QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(GameFolderSettings::Read(1), game);
    QCOMPARE(GameFolderSettings::Read(2), QString());
    QCOMPARE(GameFolderSettings::Read(3), game);
}

void SetPathsTest::gameBrowseTakesTheProgramsFolder() {
    const QString game = makeFolder("game", {"keen3.exe"});
    GamePathsDialog dialog;
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(game + "/keen3.exe"));
    QTest::mouseClick(&controls::find<QPushButton>(dialog, "gameBrowseButton3"), Qt::LeftButton);
    QCOMPARE(gameFolderBox(dialog, 3).text(), game);
    const Prompts::FileRequest& request = m_Prompts->fileRequests.at(0);
    QCOMPARE(request.caption, QStringLiteral("Select the Game's Program (KEEN3.EXE)"));
    QCOMPARE(request.filters, QStringList{"Keen 3 Program (KEEN3.EXE keen3.exe)"});
    QVERIFY(request.fileMustExist);
}

GM_TEST_MAIN(SetPathsTest)
#include "tst_GamePathsDialog.moc"
