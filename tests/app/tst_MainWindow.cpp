// The main window's start, its paths, File, New and Open, its menus while
// editors come and go, and Exit.
#include "HelpMenu.h"
#include "MainWindowFixture.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TestMain.h"
#include "WindowMenu.h"
#include "editor/EditorDriver.h"
#include "editor/LevelEdits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

const QString Paths = QStringLiteral("Paths");

QString key(int index) {
    return MainWindowFixture::pathKey(index);
}

// The paths dialog's graphics folder box of episode index 0..2.
QLineEdit& graphicsFolderBox(QDialog& dialog, int index) {
    return controls::find<QLineEdit>(dialog, QStringLiteral("graphicsFolderEdit%1").arg(index + 1));
}

QPushButton& okButton(QDialog& dialog) {
    return controls::find<QPushButton>(dialog, QStringLiteral("okButton"));
}

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void startsWithValidPathsWithoutAsking();
    void startAsksForTheMissingPaths_data();
    void startAsksForTheMissingPaths();
    void unreadableSettingsAreToldOnceWithTheReason();
    void folderWithoutTheImagesAsksAgain();
    void setPathsFailureKeepsTheSetsLoadedBefore();
    void firstStartBesideTheDemoGraphicsNeedsNoQuestions();
    void newOpensAnEditorOnTheChosenLevel();
    void openLoadsLevelsWithTheirEpisodesSets();
    void editorMenusTakeThePlaceOfTheMainMenus();
    void exitAsksForModifiedLevelsAndCancelStopsIt();
    void titleNamesTheActiveLevel_data();
    void titleNamesTheActiveLevel();

private:
    QString demoFolder(int index) const { return m_F.demoFolder(index); }
    // A copy of an episode's demo folder without one of its files.
    QString folderWithout(int index, const QString& fileName);

    MainWindowFixture m_F;
};

QString MainWindowTest::folderWithout(int index, const QString& fileName) {
    const QString folder = m_F.programFile(QStringLiteral("partial%1").arg(index + 1));
    QDir().mkpath(folder);
    const QDir source(demoFolder(index));
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name.compare(fileName, Qt::CaseInsensitive) != 0)
            QFile::copy(source.filePath(name), folder + QLatin1Char('/') + name);
    }
    return folder;
}

void MainWindowTest::startsWithValidPathsWithoutAsking() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Gridmason v0.5"));
    QVERIFY(m_F.prompts().shownDialogs.empty());
    QVERIFY(m_F.prompts().messages.empty());
    QVERIFY(window->Editors().isEmpty());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(window->GraphicsFolder(i), demoFolder(i));
        QVERIFY(window->TileSets(i)->Count() > 0);
        QVERIFY(window->SpriteSets(i)->Count() > 0);
    }
    // Each episode has its own sets.
    QVERIFY(window->TileSets(0)->Tiles() != window->TileSets(2)->Tiles());
    // Indices outside the episodes give empty sets, never another's.
    QCOMPARE(window->TileSets(3)->Count(), qint16(0));
    QCOMPARE(window->SpriteSets(-1)->Count(), qint16(0));

    QCOMPARE(menuTitles(window->menuBar()), QStringList({"&File", "&Window", "&Help"}));
    QCOMPARE(menuItemTexts(&mainwindow::fileMenu(*window)),
             QStringList({"&New", "&Open", "Open &Episode Folder...", "Recent Files", "-",
                          "Sa&ve All", "Close A&ll", "-", "Set &Paths", "-", "E&xit"}));
}

// Paths missing from the settings file: the dialog shows the ones there
// are; OK or Enter stores and loads all three, Escape ends the program.
void MainWindowTest::startAsksForTheMissingPaths_data() {
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("key");
    QTest::newRow("first start, OK clicked") << QList<int>{} << 0;
    QTest::newRow("second missing, Enter") << QList<int>{0, 2} << int(Qt::Key_Return);
    QTest::newRow("cancelled with Escape") << QList<int>{0} << int(Qt::Key_Escape);
}

void MainWindowTest::startAsksForTheMissingPaths() {
    QFETCH(QList<int>, stored);
    QFETCH(int, key);
    QStringList expectedShown;
    for (int i = 0; i < 3; ++i) {
        expectedShown << (stored.contains(i) ? demoFolder(i) : QString());
        if (stored.contains(i))
            QVERIFY(Settings::Write(Paths, ::key(i), demoFolder(i)));
    }
    QStringList shown;
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        for (int i = 0; i < 3; ++i) {
            QLineEdit& folder = graphicsFolderBox(dialog, i);
            shown << folder.text();
            if (!stored.contains(i))
                controls::retype(folder, demoFolder(i));
        }
        if (key == 0)
            QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
        else
            QTest::keyClick(&graphicsFolderBox(dialog, 1), Qt::Key(key));
    });
    MainWindow window;
    const bool accepted = key != Qt::Key_Escape;
    QCOMPARE(m_F.Load(window), accepted);

    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(1));
    QCOMPARE(m_F.prompts().shownDialogs.front().title, QStringLiteral("Set Paths"));
    QCOMPARE(shown, expectedShown);
    QVERIFY(m_F.prompts().messages.empty());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(Settings::Read(Paths, ::key(i)),
                 accepted || stored.contains(i) ? demoFolder(i) : "");
        QCOMPARE(window.TileSets(i)->Count() > 0, accepted);
        QCOMPARE(window.SpriteSets(i)->Count() > 0, accepted);
    }
}

// A settings file that cannot be read (a folder in its place) is named with
// the reason before the paths are asked for; storing them fails, saying
// why, and they are used while the program runs.
void MainWindowTest::unreadableSettingsAreToldOnceWithTheReason() {
    const QString settings = Settings::FilePath();
    QVERIFY(QDir().mkdir(settings));
    size_t messagesBeforeAsking = 0;
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        messagesBeforeAsking = m_F.prompts().messages.size();
        for (int i = 0; i < 3; ++i)
            controls::retype(graphicsFolderBox(dialog, i), demoFolder(i));
        QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    });
    MainWindow window;
    QVERIFY(m_F.Load(window));

    const QString reason =
        QStringLiteral("The settings file \"%1\" cannot be read: it is a folder, not a file.")
            .arg(settings);
    const auto& messages = m_F.prompts().messages;
    QCOMPARE(messages.size(), size_t(2));
    QCOMPARE(messagesBeforeAsking, size_t(1));
    QCOMPARE(messages[0].text, reason + "\r\nGridmason starts without the settings stored in it, "
                                        "and cannot store new ones there until the file is "
                                        "replaced.");
    QCOMPARE(messages[1].text, "The paths could not be stored. " + reason +
                                   "\r\nThey are used until the program ends.");
    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(1));
    for (int i = 0; i < 3; ++i)
        QVERIFY(window.TileSets(i)->Count() > 0);
    QVERIFY(QFileInfo(settings).isDir());
}

// A folder that has bitmaps but not the tile sheet passes the dialog's
// check; loading finds it out, says so and asks again until the images
// load.
void MainWindowTest::folderWithoutTheImagesAsksAgain() {
    const QString partial = folderWithout(2, QStringLiteral("3til0000.bmp"));
    QVERIFY(m_F.WriteDemoPaths());
    QVERIFY(Settings::Write(Paths, key(2), partial));

    QStringList shownThird;
    const auto answer = [&](const QString& third) {
        return [&, third](QDialog& dialog) {
            shownThird << graphicsFolderBox(dialog, 2).text();
            controls::retype(graphicsFolderBox(dialog, 2), third);
            QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
        };
    };
    m_F.prompts().dialogs.push_back(answer(partial));       // OK again on the same folder
    m_F.prompts().dialogs.push_back(answer(demoFolder(2))); // then the right one

    MainWindow window;
    QVERIFY(m_F.Load(window));

    QCOMPARE(m_F.prompts().messages.size(), size_t(2));
    for (const auto& message : m_F.prompts().messages) {
        QCOMPARE(message.text, QStringLiteral("One or more of the image paths did not contain the "
                                              "required images!\r\nPlease re-enter the paths."));
        QVERIFY(message.title.isEmpty());
        QCOMPARE(message.icon, Prompts::Icon::Critical);
        QCOMPARE(message.buttons, Prompts::Buttons::Ok);
    }
    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(2));
    QCOMPARE(shownThird, QStringList({partial, partial}));
    QCOMPARE(Settings::Read(Paths, key(2)), demoFolder(2));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(window.TileSets(i)->Count() > 0);
        QVERIFY(window.SpriteSets(i)->Count() > 0);
    }
}

void MainWindowTest::setPathsFailureKeepsTheSetsLoadedBefore() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    const Picture oldSprites3 = window->SpriteSets(2)->Sprites(1);
    const QString partial = folderWithout(2, QStringLiteral("3TIL0000.BMP"));
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        controls::retype(graphicsFolderBox(dialog, 2), partial);
        QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    });
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });
    mainwindow::fileAction(*window, "SetPaths").trigger();

    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(2));
    QVERIFY(window->TileSets(0)->Count() > 0);
    QVERIFY(window->TileSets(1)->Count() > 0);
    QCOMPARE(window->TileSets(2)->Count(), qint16(0));
    // The sprite sets were not reached: they stay as they were.
    QCOMPARE(window->SpriteSets(2)->Sprites(1), oldSprites3);
    QCOMPARE(Settings::Read(Paths, key(2)), partial);

    // The program runs on: a new level of the episode draws with no tiles.
    LevelEditorWindow* editor = m_F.NewLevel(*window, 30, 20, 2);
    QVERIFY(editor);
    QCOMPARE(editor->Tiles().Count(), qint16(0));
}

void MainWindowTest::firstStartBesideTheDemoGraphicsNeedsNoQuestions() {
    // Beside the demo graphics, with no settings file yet.
    Settings::SetFoldersForTesting(m_F.demo.path(), m_F.sandbox.config->path());
    QFile::remove(Settings::FilePath());
    {
        MainWindow window;
        window.SetProgramFolder(m_F.demo.path());
        QVERIFY(window.Start());
        QVERIFY(m_F.prompts().shownDialogs.empty());
        QVERIFY(m_F.prompts().messages.empty());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(Settings::Read(Paths, key(i)), demoFolder(i));
            QVERIFY(window.TileSets(i)->Count() > 0);
        }
    }
    // A settings file of the user's is never replaced by the demo paths.
    QVERIFY(Settings::Write(Paths, key(0), QString()));
    {
        MainWindow window;
        window.SetProgramFolder(m_F.demo.path());
        QVERIFY(!window.Start()); // asked; the scripted dialog closes as Cancel
        QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(1));
        QVERIFY(Settings::Read(Paths, key(0)).isEmpty());
    }
    QFile::remove(Settings::FilePath());
    // Without the demo graphics beside it, the first start asks.
    {
        MainWindow window;
        QVERIFY(!m_F.Load(window));
        QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(2));
    }
}

void MainWindowTest::newOpensAnEditorOnTheChosenLevel() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    LevelEditorWindow* editor = m_F.NewLevel(*window, 24, 17, 2, true);
    QVERIFY(editor);
    QCOMPARE(m_F.prompts().shownDialogs.back().title, QStringLiteral("Level Properties"));
    QCOMPARE(editor->Document().level().Width(), qint16(24));
    QCOMPARE(editor->Document().level().Height(), qint16(17));
    QCOMPARE(editor->Document().level().Episode(), qint16(3));
    QCOMPARE(editor->Document().level().Number(), qint16(80));
    QCOMPARE(&editor->Tiles(), window->TileSets(2).get());
    QCOMPARE(&editor->Sprites(), window->SpriteSets(2).get());
    QVERIFY(editor->FileName().isEmpty());
    QCOMPARE(editor->windowTitle(), QStringLiteral("Untitled[*]"));
    QVERIFY(!editor->IsModified());
    QVERIFY(editor->isVisible());
    QCOMPARE(&editor->Host(), static_cast<EditorHost*>(window.get()));

    LevelEditorWindow* plain = m_F.NewLevel(*window, 30, 20, 0);
    QVERIFY(plain);
    QCOMPARE(plain->Document().level().Episode(), qint16(1));
    QCOMPARE(plain->Document().level().Number(), qint16(1));
    QCOMPARE(&plain->Tiles(), window->TileSets(0).get());

    // Cancelled: no window.
    m_F.prompts().dialogs.push_back([](QDialog& dialog) {
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });
    mainwindow::fileAction(*window, "New").trigger();
    QCOMPARE(window->Editors().size(), 2);
}

void MainWindowTest::openLoadsLevelsWithTheirEpisodesSets() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    const QString file =
        DemoGraphics::LevelsFolder(m_F.demo.path()) + QStringLiteral("/LEVEL01.CK2");
    // The demo levels beside the program.
    QVERIFY(QDir(m_F.sandbox.program->path()).mkpath(QStringLiteral("levels")));
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(file));
    mainwindow::fileAction(*window, "Open").trigger();

    QCOMPARE(m_F.prompts().fileRequests.size(), size_t(1));
    const Prompts::FileRequest& request = m_F.prompts().fileRequests.front();
    QCOMPARE(request.caption, QStringLiteral("Open Levels"));
    QCOMPARE(request.initialDir, m_F.sandbox.program->path() + QStringLiteral("/levels"));
    QCOMPARE(request.filters,
             QStringList({"All Levels (Level??.ck?)", "Keen 1 Levels (Level??.ck1)",
                          "Keen 2 Levels (Level??.ck2)", "Keen 3 Levels (Level??.ck3)"}));
    QCOMPARE(request.filterIndex, 1);
    QVERIFY(request.fileMustExist);
    QCOMPARE(request.owner, static_cast<QWidget*>(window.get()));

    QCOMPARE(window->Editors().size(), 1);
    LevelEditorWindow* editor = window->Editors().front();
    QCOMPARE(editor->Document().level().Episode(), qint16(2));
    QCOMPARE(editor->Document().level().Number(), qint16(1));
    QCOMPARE(editor->FileName(), file);
    QCOMPARE(editor->windowTitle(), file + "[*]");
    QCOMPARE(&editor->Tiles(), window->TileSets(1).get());
    QVERIFY(!editor->IsModified());

    // A cancelled Open opens nothing.
    m_F.prompts().files.push_back(ScriptedPrompts::File::Cancel());
    window->openLevels();
    QCOMPARE(window->Editors().size(), 1);
    QVERIFY(m_F.prompts().messages.empty());
}

void MainWindowTest::editorMenusTakeThePlaceOfTheMainMenus() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    LevelEditorWindow* first = m_F.NewLevel(*window, 30, 20, 0);
    QVERIFY(first);
    const auto menusOf = [](LevelEditorWindow* editor) {
        QStringList titles;
        for (QMenu* menu : editor->Menus())
            titles << menu->title();
        return titles;
    };
    QCOMPARE(menuTitles(window->menuBar()),
             menusOf(first) << QStringLiteral("&Window") << QStringLiteral("&Help"));
    QVERIFY(window->menuBar()->actions().contains(
        drive(*first).widget<QMenu>("fileMenu")->menuAction()));

    LevelEditorWindow* second = m_F.NewLevel(*window, 40, 20, 1);
    QVERIFY(second);
    QVERIFY(window->menuBar()->actions().contains(
        drive(*second).widget<QMenu>("fileMenu")->menuAction()));
    mainwindow::area(*window).setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    QVERIFY(window->menuBar()->actions().contains(
        drive(*first).widget<QMenu>("fileMenu")->menuAction()));

    // Closing the active one leaves the other's menus; closing the last
    // brings the main window's own back.
    drive(*first).trigger("closeAction");
    QCoreApplication::processEvents();
    QCOMPARE(window->Editors(), QList<LevelEditorWindow*>{second});
    QVERIFY(window->menuBar()->actions().contains(
        drive(*second).widget<QMenu>("fileMenu")->menuAction()));
    drive(*second).trigger("closeAction");
    QCoreApplication::processEvents();
    QVERIFY(window->Editors().isEmpty());
    QCOMPARE(window->menuBar()->actions(),
             QList<QAction*>({mainwindow::fileMenu(*window).menuAction(),
                              mainwindow::windowMenu(*window).menuAction(),
                              mainwindow::helpMenu(*window).menuAction()}));
}

void MainWindowTest::exitAsksForModifiedLevelsAndCancelStopsIt() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    LevelEditorWindow* unchanged = m_F.NewLevel(*window, 30, 20, 0);
    LevelEditorWindow* changed = m_F.NewLevel(*window, 30, 20, 1);
    QVERIFY(unchanged && changed);
    leveledit::setModified(*changed, true);

    m_F.prompts().answers.push_back(Prompts::Answer::Cancel);
    mainwindow::fileAction(*window, "Exit").trigger();
    QCoreApplication::processEvents();
    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    QCOMPARE(
        m_F.prompts().messages.front().text,
        QStringLiteral("Untitled has changed since it was last saved. Do you want to save it?"));
    QVERIFY(window->isVisible());
    QVERIFY(window->Editors().contains(changed));
    QVERIFY(changed->IsModified());

    // Exit from the editor's own menu, answering Discard this time, closes
    // all.
    m_F.prompts().answers.push_back(Prompts::Answer::Discard);
    drive(*changed).trigger("exitAction");
    QCoreApplication::processEvents();
    QCOMPARE(m_F.prompts().messages.size(), size_t(2));
    QVERIFY(window->Editors().isEmpty());
    QVERIFY(!window->isVisible());
}

// The main window's title, which the task bar shows, names the level of the
// active editor window and carries its unsaved mark, after each of these
// steps: "new" (File, New), "open" (a demo level), "change" and "save" (the
// active level becomes modified, or saved), "rename" (it is saved under
// another name), "first" (the first editor is activated), "close" (the
// active one is closed, unsaved changes dropped), "maximize", "restore".
void MainWindowTest::titleNamesTheActiveLevel_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("modified");
    const QString untitled = QStringLiteral("Untitled[*] — Gridmason");
    const QString opened = QStringLiteral("LEVEL01.CK2[*] — Gridmason");
    QTest::newRow("level opened after it")
        << QStringList{"new", "change", "open"} << opened << false;
    QTest::newRow("changed one active again")
        << QStringList{"new", "change", "open", "first"} << untitled << true;
    QTest::newRow("saved under a name") << QStringList{"new", "change", "rename", "save"}
                                        << QStringLiteral("LEVEL07.CK1[*] — Gridmason") << false;
    QTest::newRow("active one closed") << QStringList{"new", "open", "close"} << untitled << false;
    QTest::newRow("last one closed")
        << QStringList{"new", "change", "close"} << QStringLiteral("Gridmason v0.5") << false;
    QTest::newRow("maximized") << QStringList{"open", "maximize"} << opened << false;
    QTest::newRow("maximized, another opened")
        << QStringList{"new", "maximize", "open"} << opened << false;
    QTest::newRow("changed, maximized, restored")
        << QStringList{"open", "change", "maximize", "restore"} << opened << true;
}

void MainWindowTest::titleNamesTheActiveLevel() {
    QFETCH(QStringList, steps);
    QFETCH(QString, title);
    QFETCH(bool, modified);
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    const auto active = [&] {
        QMdiSubWindow* subWindow = mainwindow::area(*window).currentSubWindow();
        return subWindow ? qobject_cast<LevelEditorWindow*>(subWindow->widget()) : nullptr;
    };
    for (const QString& step : steps) {
        if (step == "new") {
            QVERIFY(m_F.NewLevel(*window, 30, 20, 0));
        } else if (step == "open") {
            QVERIFY(window->OpenLevelFile(m_F.demoLevel(QStringLiteral("LEVEL01.CK2"))));
        } else if (step == "first") {
            mainwindow::area(*window).setActiveSubWindow(
                mainwindow::area(*window).subWindowList().front());
        } else if (step == "maximize" || step == "restore") {
            QMdiSubWindow* subWindow = mainwindow::area(*window).currentSubWindow();
            QVERIFY(subWindow);
            step == "maximize" ? subWindow->showMaximized() : subWindow->showNormal();
        } else {
            LevelEditorWindow* editor = active();
            QVERIFY(editor);
            if (step == "change" || step == "save")
                leveledit::setModified(*editor, step == "change");
            else if (step == "rename")
                leveledit::setFileName(*editor, m_F.programFile(QStringLiteral("LEVEL07.CK1")));
            else if (step == "close") {
                m_F.prompts().answers.push_back(Prompts::Answer::Discard);
                drive(*editor).trigger("closeAction");
            } else
                QFAIL(qPrintable("unknown step " + step));
        }
        QCoreApplication::processEvents();
    }
    QCOMPARE(window->windowTitle(), title);
    QCOMPARE(window->isWindowModified(), modified);
    // What the task bar is given: the mark shown or left out, nothing more.
    QVERIFY(window->windowHandle());
    QCOMPARE(window->windowHandle()->title(),
             QString(title).replace(QStringLiteral("[*]"), modified ? "*" : ""));
}

GM_TEST_MAIN(MainWindowTest)
#include "tst_MainWindow.moc"
