// The main window's file flows as a designer meets them: where Open and
// Save As start and what they offer, File, New's starting values, and a
// level opened again coming to the front instead of a second window.
#include "DataFolder.h"
#include "MainWindowFixture.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"
#include "editor/LevelEdits.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTest>
#include <QUrl>

class tst_MainWindowLevelFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void openTakesSeveralFilesAndStartsWhereLevelsWere();
    void saveAsStartsInTheLevelsFolderWithAFreeName();
    void levelSavedWithoutExtensionOpensAgain();
    void settingsThatCannotBeWrittenKeepNothingFromWorking();
    void newStartsFromTheLastValues();
    void levelOpenedAgainComesToTheFront();

private:
    // A copy of demo level `name` in the program folder's `folder`.
    QString copyOfDemoLevel(const QString& name, const QString& folder) {
        const QString target = m_F.programFile(folder + "/" + name);
        QDir().mkpath(QFileInfo(target).absolutePath());
        return QFile::copy(m_F.demoLevel(name), target) ? target : QString();
    }
    // What File, New's dialog showed: episode index, width, height; the
    // dialog is cancelled.
    QStringList newDialogValues(MainWindow& window) {
        QStringList shown;
        m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
            using controls::find;
            shown << QString::number(find<QComboBox>(dialog, "episodeList").currentIndex())
                  << find<QLineEdit>(dialog, "widthEdit").text()
                  << find<QLineEdit>(dialog, "heightEdit").text();
            QTest::mouseClick(&find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
        });
        mainwindow::fileAction(window, "New").trigger();
        return shown;
    }
    static void closeAll(MainWindow& window) {
        mainwindow::area(window).closeAllSubWindows();
        QCoreApplication::processEvents();
    }

    MainWindowFixture m_F;
};

void tst_MainWindowLevelFiles::openTakesSeveralFilesAndStartsWhereLevelsWere() {
    const QString demoLevels = m_F.programFile("levels");
    const QString first = copyOfDemoLevel("LEVEL01.CK1", "levels");
    const QString second = copyOfDemoLevel("LEVEL02.CK2", "other");
    QVERIFY(!first.isEmpty() && !second.isEmpty());
    {
        auto window = m_F.StartedWindow();
        QVERIFY(window);
        // First start: the demo levels beside the program.
        m_F.prompts().files.push_back(ScriptedPrompts::File::ChooseAll({first, second}));
        mainwindow::fileAction(*window, "Open").trigger();
        QCOMPARE(m_F.prompts().fileRequests.back().initialDir, demoLevels);
        QVERIFY(m_F.prompts().fileRequests.back().multiSelect);
        QCOMPARE(window->Editors().size(), 2);
        QCOMPARE(window->Editors()[0]->FileName(), first);
        QCOMPARE(window->Editors()[1]->FileName(), second);
        QVERIFY(m_F.prompts().messages.empty());

        // Then the active level's folder.
        mainwindow::area(*window).setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(window->Editors()[0]->parentWidget()));
        mainwindow::fileAction(*window, "Open").trigger();
        QCOMPARE(m_F.prompts().fileRequests.back().initialDir, demoLevels);
        mainwindow::area(*window).setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(window->Editors()[1]->parentWidget()));
        mainwindow::fileAction(*window, "Open").trigger();
        QCOMPARE(m_F.prompts().fileRequests.back().initialDir, m_F.programFile("other"));
        QCOMPARE(window->Editors().size(), 2);
        QVERIFY(window->close());
    }
    // After a restart, the folder a level was opened from last.
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    mainwindow::fileAction(*window, "Open").trigger();
    QCOMPARE(m_F.prompts().fileRequests.back().initialDir, m_F.programFile("other"));
}

void tst_MainWindowLevelFiles::saveAsStartsInTheLevelsFolderWithAFreeName() {
    const QString demoLevels = m_F.programFile("levels");
    QVERIFY(!copyOfDemoLevel("LEVEL01.CK1", "levels").isEmpty());
    const QString elsewhere = copyOfDemoLevel("LEVEL02.CK1", "elsewhere");
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    const auto saveAsRequest = [&](LevelEditorWindow& editor) {
        m_F.prompts().files.push_back(ScriptedPrompts::File::Cancel());
        drive(editor).action("saveAsAction")->trigger();
        return m_F.prompts().fileRequests.back();
    };

    // A new level: the demo levels' folder and the first number free there.
    LevelEditorWindow* level = m_F.NewLevel(*window, 30, 20, 0);
    LevelEditorWindow* map = m_F.NewLevel(*window, 30, 20, 0, true);
    QVERIFY(level && map);
    leveledit::placeStart(*level);
    leveledit::placeStart(*map);
    Prompts::FileRequest request = saveAsRequest(*level);
    QCOMPARE(request.initialDir, demoLevels);
    QCOMPARE(request.fileName, QStringLiteral("LEVEL02.CK1"));
    QCOMPARE(saveAsRequest(*map).fileName, QStringLiteral("LEVEL80.CK1"));

    // A level with a file: its own folder and name.
    window->OpenFiles({elsewhere});
    request = saveAsRequest(*window->Editors().back());
    QCOMPARE(request.initialDir, m_F.programFile("elsewhere"));
    QCOMPARE(request.fileName, QStringLiteral("LEVEL02.CK1"));
    // Once a level was opened from there, new levels start there too, with
    // the first number free in that folder.
    request = saveAsRequest(*level);
    QCOMPARE(request.initialDir, m_F.programFile("elsewhere"));
    QCOMPARE(request.fileName, QStringLiteral("LEVEL01.CK1"));
}

// Saving a new level as "mylevel" writes mylevel.ck1, which opens again
// as a level of episode 1 and is what Recent Files lists.
void tst_MainWindowLevelFiles::levelSavedWithoutExtensionOpensAgain() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    LevelEditorWindow* editor = m_F.NewLevel(*window, 30, 20, 0);
    QVERIFY(editor);
    leveledit::placeStart(*editor);
    leveledit::setTile(*editor, 4, 4, 77);
    const QString typed = m_F.programFile("mylevel");
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(typed));
    QVERIFY(editor->SaveAs());
    QVERIFY(!QFileInfo::exists(typed));
    QCOMPARE(editor->FileName(), typed + ".ck1");
    QCOMPARE(RecentFiles::List().value(0), typed + ".ck1");
    drive(*editor).trigger("closeAction");
    QCoreApplication::processEvents();

    mainwindow::recentMenu(*window).actions().front()->trigger();
    QVERIFY(m_F.prompts().messages.empty());
    QCOMPARE(window->Editors().size(), 1);
    QCOMPARE(window->Editors().front()->Document().level().Episode(), qint16(1));
    QCOMPARE(window->Editors().front()->Document().level().Tile(4, 4), qint16(77));
}

// The folder, episode and size used last are conveniences: a settings
// file that cannot be written loses them and nothing else.
void tst_MainWindowLevelFiles::settingsThatCannotBeWrittenKeepNothingFromWorking() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    // A folder where the settings file belongs: it can be neither read
    // nor written.
    const QString settings = Settings::FilePath();
    QVERIFY(QFile::remove(settings));
    QVERIFY(QDir().mkpath(settings));
    LevelEditorWindow* editor = m_F.NewLevel(*window, 30, 20, 2);
    QVERIFY(editor);
    QCOMPARE(editor->Document().level().Episode(), qint16(3));
    leveledit::placeStart(*editor);
    const QString file = m_F.programFile("LEVEL04.CK3");
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(file));
    QVERIFY(editor->SaveAs());
    QCOMPARE(fileBytes(file), editor->Document().level().Serialize());
    QVERIFY(!editor->IsModified());
    QVERIFY(m_F.prompts().messages.empty());
    window->OpenFiles({m_F.demoLevel("LEVEL01.CK1")});
    QCOMPARE(window->Editors().size(), 2);
    QVERIFY(m_F.prompts().messages.empty());
    QVERIFY(QFileInfo(settings).isDir());
}

void tst_MainWindowLevelFiles::newStartsFromTheLastValues() {
    const QString episode3 = copyOfDemoLevel("LEVEL01.CK3", "levels");
    {
        auto window = m_F.StartedWindow();
        QVERIFY(window);
        // First start: episode 1 and a typical level's size.
        QCOMPARE(newDialogValues(*window), QStringList({"0", "80", "40"}));
        QVERIFY(window->Editors().isEmpty());
        // The size made last, in the active level's episode.
        QVERIFY(m_F.NewLevel(*window, 30, 20, 1));
        QCOMPARE(newDialogValues(*window), QStringList({"1", "30", "20"}));
        window->OpenFiles({episode3});
        QCOMPARE(newDialogValues(*window), QStringList({"2", "30", "20"}));
        mainwindow::area(*window).setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(window->Editors()[0]->parentWidget()));
        QCOMPARE(newDialogValues(*window), QStringList({"1", "30", "20"}));
        closeAll(*window);
        // No level open: the episode used last (the level opened).
        QCOMPARE(newDialogValues(*window), QStringList({"2", "30", "20"}));
        QVERIFY(window->close());
    }
    // Kept across a restart.
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    QCOMPARE(newDialogValues(*window), QStringList({"2", "30", "20"}));
}

// Opened again, under any name: the window that has it comes to the front.
void tst_MainWindowLevelFiles::levelOpenedAgainComesToTheFront() {
    const QString first = copyOfDemoLevel("LEVEL01.CK1", "levels");
    const QString second = copyOfDemoLevel("LEVEL02.CK1", "levels");
    const QString link = m_F.programFile("link.CK1");
    QVERIFY(QFile::link(first, link));
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    window->OpenFiles({first, second});
    LevelEditorWindow* editor = window->Editors()[0];
    const auto comesForward = [&] {
        return window->Editors().size() == 2 &&
               mainwindow::area(*window).currentSubWindow()->widget() == editor;
    };
    const auto sendBack = [&] {
        mainwindow::area(*window).setActiveSubWindow(
            qobject_cast<QMdiSubWindow*>(window->Editors()[1]->parentWidget()));
    };

    sendBack();
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(first));
    mainwindow::fileAction(*window, "Open").trigger();
    QVERIFY(comesForward());

    sendBack();
    window->OpenFiles({link});
    QVERIFY(comesForward());

    // So does a drop.
    sendBack();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first)});
    const QPoint at = mainwindow::area(*window).geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QCoreApplication::processEvents();
    QVERIFY(comesForward());
    QVERIFY(m_F.prompts().messages.empty());
}

GM_TEST_MAIN(tst_MainWindowLevelFiles)
#include "tst_MainWindowLevelFiles.moc"
