// Level, Test in Game in a real editor window, and the question before a
// level with errors is saved.

#include "Controls.h"
#include "EditorTestSupport.h"
#include "GameFolderSettings.h"
#include "LevelEdits.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "app/AppSandbox.h"
#include "editor/EditorDriver.h"

#include <QAction>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

class tst_LevelGame : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(m_Sandbox.Begin());
        m_Game = std::make_unique<QTemporaryDir>();
        m_Bin = std::make_unique<QTemporaryDir>();
        for (const char* name : {"KEEN1.EXE", "EGAHEAD.CK1", "EGALATCH.CK1", "EGASPRIT.CK1"})
            QVERIFY(writeFile(m_Game->filePath(name), name));
        m_SavedPath = qgetenv("PATH");
        qputenv("PATH", m_Bin->path().toLocal8Bit());
    }

    void cleanup() {
        qputenv("PATH", m_SavedPath);
        m_Sandbox.End();
    }

    // No start is an error: the first save asks; No keeps the file as it
    // was, Yes saves. An error made after that Yes is asked about again,
    // listing only what is new; errors already accepted are not.
    void savingAsksAboutErrorsNotYetAccepted() {
        const QString file = m_Game->filePath("LEVEL04.CK1");
        QVERIFY(writeFile(file, "old"));
        auto window = editortest::newWindow(m_Host, 30, 20, 1, 4);
        leveledit::setFileName(*window, file);
        ScriptedPrompts& prompts = *m_Sandbox.prompts;
        prompts.answers = {Prompts::Answer::No};
        QVERIFY(!window->Save());
        QCOMPARE(fileBytes(file), QByteArray("old"));
        QCOMPARE(prompts.messages.size(), size_t(1));
        QVERIFY(prompts.messages[0].text.contains("Keen has no start"));
        QCOMPARE(prompts.messages[0].buttons, Prompts::Buttons::YesNo);
        prompts.answers = {Prompts::Answer::Yes};
        QVERIFY(window->Save());
        QCOMPARE(fileBytes(file), window->Document().level().Serialize());
        const QByteArray accepted = fileBytes(file);

        leveledit::setTile(*window, 5, 5, 300);
        QVERIFY(!window->Save());
        QCOMPARE(prompts.messages.size(), size_t(3));
        QVERIFY(prompts.messages[2].text.contains("error at 5, 5: tile 300"));
        QVERIFY(!prompts.messages[2].text.contains("Keen has no start"));
        QCOMPARE(fileBytes(file), accepted);
        prompts.answers = {Prompts::Answer::Yes};
        QVERIFY(window->Save());
        QVERIFY(window->Save());
        QCOMPARE(prompts.messages.size(), size_t(4));
        QCOMPARE(fileBytes(file), window->Document().level().Serialize());
    }

    // A level too large and without a start: each question is asked until
    // it is answered Yes, independently of the other.
    void sizeAndErrorQuestionsAreAskedOnceEach() {
        const QString file = m_Game->filePath("LEVEL05.CK1");
        auto window = editortest::newWindow(m_Host, 130, 130, 1, 5);
        leveledit::setFileName(*window, file);
        ScriptedPrompts& prompts = *m_Sandbox.prompts;
        prompts.answers = {Prompts::Answer::Yes, Prompts::Answer::No};
        QVERIFY(!window->Save());
        QVERIFY(!QFile::exists(file));
        prompts.answers = {Prompts::Answer::Yes};
        QVERIFY(window->Save());
        QVERIFY(window->Save());
        QCOMPARE(prompts.messages.size(), size_t(3));
        QVERIFY(prompts.messages[0].text.contains("too large for the game"));
        QVERIFY(prompts.messages[1].text.contains("Keen has no start"));
        QVERIFY(!prompts.messages[1].text.contains("too large"));
        QVERIFY(prompts.messages[2].text.contains("Keen has no start"));
        QCOMPARE(fileBytes(file), window->Document().level().Serialize());
    }

    // A new level: the game folder is asked for (and kept), then the
    // number; the fake DOSBox finds the level under that number.
    void testInGameRunsTheLevelAsItIs() {
        const QString copied = m_Bin->filePath("copied");
        const QString script =
            QStringLiteral("#!/bin/sh\n/bin/cat GAME/LEVEL07.CK1 > %1\n").arg(copied);
        QVERIFY(writeFile(m_Bin->filePath("dosbox"), script.toLocal8Bit()));
        QFile::setPermissions(m_Bin->filePath("dosbox"), QFile::ReadOwner | QFile::ExeOwner);
        auto window = editortest::newWindow(m_Host, 30, 20, 1, 0);
        leveledit::setTile(*window, 6, 6, 77);
        ScriptedPrompts& prompts = *m_Sandbox.prompts;
        prompts.files.push_back(ScriptedPrompts::File::Choose(m_Game->filePath("KEEN1.EXE")));
        prompts.dialogs.push_back([](QDialog& dialog) {
            auto& number = controls::find<QSpinBox>(dialog, "numberBox");
            QCOMPARE(number.value(), 1);
            number.setFocus();
            QTest::keyClick(&number, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(&number, "7");
            ScriptedPrompts::click(dialog, "OK");
        });
        QCOMPARE(drive(*window).action("testInGameAction")->shortcut(), QKeySequence(Qt::Key_F5));
        drive(*window).action("testInGameAction")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(fileBytes(copied), window->Document().level().Serialize(), 20000);
        QCOMPARE(GameFolderSettings::Read(1), m_Game->path());
        QCOMPARE(prompts.shownDialogs.size(), size_t(1));
    }

    // The copy runs in the background, so the window has its events back at
    // once; Cancel in its progress dialog leaves no folder and no game.
    void testInGameCopyCanBeCancelled() {
        const QString started = m_Bin->filePath("started");
        QVERIFY(writeFile(m_Bin->filePath("dosbox"), "#!/bin/sh\ntouch " + started.toLocal8Bit()));
        QFile::setPermissions(m_Bin->filePath("dosbox"), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(GameFolderSettings::Write(1, m_Game->path()));
        QTemporaryDir tmp;
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        auto window = editortest::newWindow(m_Host, 30, 20, 1, 7);
        leveledit::setFileName(*window, m_Game->filePath("LEVEL07.CK1"));
        drive(*window).action("testInGameAction")->trigger();
        qputenv("TMPDIR", savedTmp);
        auto* progress = m_Host.HostWindow()->findChild<QProgressDialog*>("gameCopyProgress");
        QVERIFY(progress);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
        progress->findChild<QPushButton*>()->click();
        QCoreApplication::processEvents();
        QVERIFY(QDir(tmp.path()).isEmpty());
        QVERIFY(!QFile::exists(started));
        QVERIFY(m_Sandbox.prompts->messages.empty());
    }

    void testInGameSaysWhatIsMissing_data() {
        QTest::addColumn<bool>("dosBox");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("message");
        QTest::newRow("no DOSBox") << false << 30 << "sudo apt-get install dosbox";
        QTest::newRow("too large") << true << 130 << "too large for the game";
    }

    void testInGameSaysWhatIsMissing() {
        QFETCH(bool, dosBox);
        QFETCH(int, width);
        QFETCH(QString, message);
        if (dosBox) {
            QVERIFY(writeFile(m_Bin->filePath("dosbox"), "#!/bin/sh\n"));
            QFile::setPermissions(m_Bin->filePath("dosbox"), QFile::ReadOwner | QFile::ExeOwner);
        }
        auto window = editortest::newWindow(m_Host, qint16(width), 130, 1, 2);
        drive(*window).action("testInGameAction")->trigger();
        ScriptedPrompts& prompts = *m_Sandbox.prompts;
        QCOMPARE(prompts.messages.size(), size_t(1));
        QVERIFY2(prompts.messages[0].text.contains(message), qPrintable(prompts.messages[0].text));
        QVERIFY(prompts.fileRequests.empty());
    }

private:
    AppSandbox m_Sandbox;
    EditorTestHost m_Host;
    std::unique_ptr<QTemporaryDir> m_Game, m_Bin;
    QByteArray m_SavedPath;
};

GM_TEST_MAIN(tst_LevelGame)
#include "tst_LevelGame.moc"
