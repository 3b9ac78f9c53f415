// The editor's save and the settings file on a really full disk (a small
// tmpfs of the test's own): the user is told the disk is full, the old file
// keeps every byte and the edits stay unsaved.

#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "FullDisk.h"
#include "LevelEdits.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString DiskFull = QStringLiteral("No space left on device");

} // namespace

class tst_EditorFullDisk : public QObject {
    Q_OBJECT

private slots:
    void editorSaveKeepsLevelAndEdits() {
        GM_REQUIRE_REAL_DATA();
        QTemporaryDir dir;
        fulldisk::Disk disk(dir.path(), 64 * 1024);
        if (!disk.Error().isEmpty())
            QSKIP(qPrintable(disk.Error()));
        const QByteArray original = fileBytes(QDir(realDataDir()).filePath("LEVEL01.CK1"));
        const QString path = dir.filePath("LEVEL01.CK1");
        QVERIFY(writeFile(path, original));

        ScriptedPrompts prompts;
        ScopedPrompts installed(prompts);
        EditorTestHost host(EditorTestHost::Sheets::GameSized);
        auto window = editortest::openWindow(host, path);
        QVERIFY(window);
        // Paint one tile with the left button.
        QTest::mouseClick(drive(*window).canvas(), Qt::LeftButton, {}, QPoint(40, 40));
        QVERIFY(window->IsModified());
        QVERIFY(disk.Fill());

        drive(*window).action("saveAction")->trigger();
        QCOMPARE(prompts.messages.size(), size_t(1));
        QVERIFY2(prompts.messages.back().text.contains(DiskFull),
                 qPrintable(prompts.messages.back().text));
        QVERIFY(window->IsModified());
        QCOMPARE(fileBytes(path), original);

        // Close asks again; Cancel keeps the window and its edits.
        prompts.answers.push_back(Prompts::Answer::Cancel);
        QVERIFY(!window->close());
        QCOMPARE(prompts.messages.size(), size_t(2));
        QVERIFY(window->IsModified());
    }

    void readOnlyFolderOffersSaveAs();

    void settingsFileKeepsEveryLine() {
        QTemporaryDir dir;
        const QString program = dir.filePath("program");
        QVERIFY(QDir().mkpath(program));
        fulldisk::Disk disk(program, 64 * 1024);
        if (!disk.Error().isEmpty())
            QSKIP(qPrintable(disk.Error()));
        const QByteArray old = "[Paths]\r\nPath1=/games/keen1\r\nPath2=/games/keen2\r\n"
                               "[Recent]\r\nFile1=/levels/LEVEL01.CK1\r\n";
        const QString ini = program + "/Gridmason.ini";
        QVERIFY(writeFile(ini, old));
        QVERIFY(disk.Fill());
        Settings::SetFoldersForTesting(program, dir.filePath("config"));

        QVERIFY(!Settings::Write("Paths", "Path3", QStringLiteral("/games/keen3")));
        Settings::SetFoldersForTesting(QString(), QString());
        QCOMPARE(fileBytes(ini), old);
    }
};

// A level from a read-only folder (a demo level of an installation):
// saving it offers Save As, which starts where it can be written.
void tst_EditorFullDisk::readOnlyFolderOffersSaveAs() {
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    fulldisk::Disk disk(dir.path(), 256 * 1024);
    if (!disk.Error().isEmpty())
        QSKIP(qPrintable(disk.Error()));
    const QString path = dir.filePath("LEVEL01.CK1");
    {
        Level level;
        level.Create(30, 20, 1, 1);
        level.SetInfo(28, 18, 255); // Keen's start
        QVERIFY(level.Save(path).ok);
    }
    const QByteArray original = fileBytes(path);
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    EditorTestHost host;
    host.levelFolder = dir.path();
    auto window = editortest::openWindow(host, path);
    QVERIFY(window);
    QVERIFY(disk.MakeReadOnly());
    leveledit::setTile(*window, 4, 4, 5);
    leveledit::setModified(*window, true);

    // No: nothing written, the edits stay.
    prompts.answers.push_back(Prompts::Answer::No);
    QVERIFY(!window->Save());
    QCOMPARE(prompts.messages.size(), size_t(1));
    QCOMPARE(prompts.messages.back().text,
             QStringLiteral("LEVEL01.CK1 cannot be written: its folder %1 is read-only.\r\n"
                            "Save it somewhere else?")
                 .arg(QDir::toNativeSeparators(dir.path())));
    QCOMPARE(prompts.messages.back().buttons, Prompts::Buttons::YesNo);
    QVERIFY(prompts.fileRequests.empty());
    QVERIFY(window->IsModified());

    // Yes: Save As, starting in a folder that can be written, with the
    // level's name.
    prompts.answers.push_back(Prompts::Answer::Yes);
    prompts.files.push_back(ScriptedPrompts::File::Choose(elsewhere.filePath("LEVEL01.CK1")));
    QVERIFY(window->Save());
    QCOMPARE(prompts.fileRequests.size(), size_t(1));
    QVERIFY(prompts.fileRequests.back().initialDir != dir.path());
    QCOMPARE(prompts.fileRequests.back().fileName, QStringLiteral("LEVEL01.CK1"));
    QCOMPARE(window->FileName(), elsewhere.filePath("LEVEL01.CK1"));
    QCOMPARE(fileBytes(window->FileName()), window->Document().level().Serialize());
    QVERIFY(!window->IsModified());
    QCOMPARE(fileBytes(path), original);
}

GM_TEST_MAIN(tst_EditorFullDisk)
#include "tst_EditorFullDisk.moc"
