// The main window's ways of opening levels besides File, Open (the command
// line, drops, the recent files kept across runs), its Window menu and its
// status bar, driven as the user's events and the program's start do.
#include "HelpMenu.h"
#include "MainStatusBar.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "WindowMenu.h"
#include "editor/EditorDriver.h"
#include "editor/LevelEdits.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

// The text of the status bar's part of that object name.
QString part(const QStatusBar* status, const char* name) {
    const auto* label = status->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("(no %1)").arg(QLatin1String(name));
}

const QString Paths = QStringLiteral("Paths");

// A move with no button held over the widget.
void hover(QWidget* widget, QPoint pos) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A move with the left button held over the widget.
void dragOver(QWidget* widget, QPoint pos) {
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The status bar's line for the tools as a user reads it: shown, and wide
// enough for all of its text.
QString toolLine(const QStatusBar* status) {
    const QLabel* label = status->findChild<QLabel*>(QStringLiteral("toolLabel"));
    if (label == nullptr || !label->isVisible() || label->width() <= 0)
        return QStringLiteral("(not shown)");
    const QString text = label->text();
    if (label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width())
        return QStringLiteral("(cut off) ") + text;
    return text;
}

// The middle of cell (cx, cy) on a canvas at its origin, cells `size`
// pixels wide.
QPoint cellMiddle(int cx, int cy, int size) {
    return QPoint(cx * size + size / 2, cy * size + size / 2);
}

} // namespace

class MainWindowFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup();

    void namedFilesOpenEachInItsOwnWindow();
    void unopenableFilesGiveTheSameMessageEachWay_data();
    void unopenableFilesGiveTheSameMessageEachWay();
    void realLevelFilesOpen();
    void droppedFilesOpenOnceTheDropIsOver();
    void dragsWithoutLocalFilesAreRefused();
    void recentFilesSurviveARestart();
    void savingPutsTheLevelAtTheFront();
    void missingRecentFileIsRemovedWithAMessage();
    void recentFilesThatCannotBeStoredAreToldWithTheReason();
    void recentFilesAreInEveryFileMenu();
    void windowMenuListsTheWindowsAndTicksTheCurrent();
    void tileAndCascadeArrangeTheWindows();
    void statusBarShowsTheCellUnderThePointer();
    void statusBarFollowsZoomAndTheActiveEditor();
    void statusBarFollowsScrollingAndZoomUnderAStillPointer();
    void statusBarShowsWhatTheToolsSay();

private:
    std::unique_ptr<MainWindow> startedWindow() { return m_F.StartedWindow(); }
    QString demoLevel(const QString& name) const { return m_F.demoLevel(name); }
    // A copy of a demo level in the program's folder, under `name`.
    QString copyOfDemoLevel(const QString& demoName, const QString& name);
    static QStringList recentItemFiles(const MainWindow& window);

    MainWindowFixture m_F;
    QString m_StartFolder;
};

void MainWindowFilesTest::initTestCase() {
    QVERIFY(m_F.MakeDemo());
    m_StartFolder = QDir::currentPath();
}

void MainWindowFilesTest::cleanup() {
    QDir::setCurrent(m_StartFolder);
    m_F.End();
}

QString MainWindowFilesTest::copyOfDemoLevel(const QString& demoName, const QString& name) {
    const QString file = m_F.programFile(name);
    QDir().mkpath(QFileInfo(file).absolutePath());
    return QFile::copy(demoLevel(demoName), file) ? file : QString();
}

QStringList MainWindowFilesTest::recentItemFiles(const MainWindow& window) {
    QStringList files;
    for (QAction* item : mainwindow::recentMenu(window).actions())
        files << item->data().toString();
    return files;
}

// ---- Command line ----

void MainWindowFilesTest::namedFilesOpenEachInItsOwnWindow() {
    auto window = startedWindow();
    QVERIFY(window);
    // Relative names start from the current folder; "\" separates parts
    // as "/" does.
    QDir::setCurrent(DemoGraphics::LevelsFolder(m_F.demo.path()));
    const QString nested = copyOfDemoLevel("LEVEL80.CK3", "sub/LEVEL80.CK3");
    QVERIFY(!nested.isEmpty());
    window->OpenFiles({"LEVEL01.CK2", demoLevel("LEVEL02.CK1"), "",
                       m_F.sandbox.program->path() + "\\sub\\LEVEL80.CK3"});

    QVERIFY(m_F.prompts().messages.empty());
    const QList<LevelEditorWindow*> editors = window->Editors();
    QCOMPARE(editors.size(), 3);
    QCOMPARE(editors[0]->FileName(), demoLevel("LEVEL01.CK2"));
    QCOMPARE(editors[0]->windowTitle(), demoLevel("LEVEL01.CK2") + "[*]");
    QCOMPARE(editors[0]->Document().level().Episode(), qint16(2));
    QCOMPARE(&editors[0]->Tiles(), window->TileSets(1).get());
    QCOMPARE(editors[1]->Document().level().Episode(), qint16(1));
    QCOMPARE(&editors[1]->Sprites(), window->SpriteSets(0).get());
    QCOMPARE(editors[2]->FileName(), nested);
    QCOMPARE(editors[2]->Document().level().Number(), qint16(80));
    QCOMPARE(&editors[2]->Tiles(), window->TileSets(2).get());
    for (LevelEditorWindow* editor : editors) {
        Level expected;
        QVERIFY(expected.Load(editor->FileName()).ok);
        QVERIFY(editor->Document().level() == expected);
        QVERIFY(!editor->IsModified());
    }
    // The last one named is the one in front, its menus in the bar.
    QCOMPARE(mainwindow::area(*window).currentSubWindow()->widget(), editors[2]);
    QVERIFY(window->menuBar()->actions().contains(
        drive(*editors[2]).widget<QMenu>("fileMenu")->menuAction()));
    // Nothing named: nothing opens and nothing is asked.
    window->OpenFiles({});
    QCOMPARE(window->Editors().size(), 3);
    QVERIFY(m_F.prompts().messages.empty());
}

// A good level under a wrong name, a damaged level and a missing one: File,
// Open and the command line both give the same message naming the file and
// the reason, open no window and leave the file as it was.
void MainWindowFilesTest::unopenableFilesGiveTheSameMessageEachWay_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes"); // empty: a copy of a good level
    QTest::addColumn<QString>("reason");
    const QString noEpisode = QStringLiteral("must end in 1, 2 or 3");
    QTest::newRow("text file") << "LEVEL01.TXT" << QByteArray() << noEpisode;
    QTest::newRow("episode 4") << "LEVEL01.CK4" << QByteArray() << noEpisode;
    QTest::newRow("episode 0") << "LEVEL01.CK0" << QByteArray() << noEpisode;
    QTest::newRow("two bytes") << "LEVEL09.CK1" << QByteArray("\x10\x00", 2)
                               << "is not a valid level file";
    QTest::newRow("three bytes") << "LEVEL09.CK1" << QByteArray("\x10\x00\x00", 3)
                                 << "is not a valid level file";
    QTest::newRow("missing") << "LEVEL10.CK1" << QByteArray("(none)") << "cannot be read";
}

void MainWindowFilesTest::unopenableFilesGiveTheSameMessageEachWay() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    auto window = startedWindow();
    QVERIFY(window);
    const QString file = m_F.programFile(name);
    const bool missing = bytes == "(none)";
    if (bytes.isEmpty())
        bytes = fileBytes(demoLevel("LEVEL01.CK1"));
    if (!missing)
        QVERIFY(writeFile(file, bytes));
    ScriptedPrompts& prompts = m_F.prompts();

    prompts.files.push_back(ScriptedPrompts::File::Choose(file));
    window->openLevels();
    QCOMPARE(prompts.messages.size(), size_t(1));
    const ScriptedPrompts::MessageRecord message = prompts.messages.front();
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(file)), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(message.icon, Prompts::Icon::Exclamation);
    QCOMPARE(message.buttons, Prompts::Buttons::Ok);
    QVERIFY(window->Editors().isEmpty());
    QVERIFY(mainwindow::area(*window).subWindowList().isEmpty());

    // Named twice with a good one between, which still opens.
    prompts.messages.clear();
    window->OpenFiles({file, demoLevel("LEVEL01.CK3"), file});
    QCOMPARE(prompts.messages.size(), size_t(2));
    for (const auto& again : prompts.messages) {
        QCOMPARE(again.text, message.text);
        QCOMPARE(again.icon, Prompts::Icon::Exclamation);
    }
    QCOMPARE(window->Editors().size(), 1);
    QCOMPARE(window->Editors().front()->FileName(), demoLevel("LEVEL01.CK3"));
    QCOMPARE(mainwindow::area(*window).subWindowList().size(), 1);
    // The bad file was neither touched nor remembered.
    if (missing)
        QVERIFY(!QFileInfo::exists(file));
    else
        QCOMPARE(fileBytes(file), bytes);
    QCOMPARE(RecentFiles::List(), QStringList{demoLevel("LEVEL01.CK3")});
}

void MainWindowFilesTest::realLevelFilesOpen() {
    GM_REQUIRE_REAL_DATA();
    auto window = startedWindow();
    QVERIFY(window);
    QStringList files;
    for (const QString name : {"LEVEL01.CK1", "LEVEL16.CK1", "LEVEL80.CK1"})
        files << realDataDir() + QLatin1Char('/') + name;
    window->OpenFiles(files);
    QVERIFY(m_F.prompts().messages.empty());
    QCOMPARE(window->Editors().size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        LevelEditorWindow* editor = window->Editors()[i];
        Level expected;
        QVERIFY(expected.Load(files[i]).ok);
        QVERIFY(editor->Document().level() == expected);
        QCOMPARE(editor->FileName(), files[i]);
        QCOMPARE(&editor->Tiles(), window->TileSets(0).get());
    }
    // The real files are not part of the program's own folder: opening
    // them reads, never writes.
    QStringList newestFirst = files;
    std::reverse(newestFirst.begin(), newestFirst.end());
    QCOMPARE(RecentFiles::List(), newestFirst);
    // The same file through File, Open brings its window to the front.
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(files[0]));
    window->openLevels();
    QCOMPARE(window->Editors().size(), files.size());
    QCOMPARE(mainwindow::area(*window).currentSubWindow()->widget(), window->Editors().front());
    QVERIFY(m_F.prompts().messages.empty());
}

// ---- Drops ----

void MainWindowFilesTest::droppedFilesOpenOnceTheDropIsOver() {
    auto window = startedWindow();
    QVERIFY(window);
    const QString misnamed = copyOfDemoLevel("LEVEL02.CK2", "LEVEL02.BAK");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(demoLevel("LEVEL02.CK2")),
                  QUrl(QStringLiteral("https://example.org/LEVEL01.CK1")),
                  QUrl::fromLocalFile(misnamed), QUrl::fromLocalFile(demoLevel("LEVEL80.CK1"))});
    const QPoint at = mainwindow::area(*window).geometry().center();

    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);

    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QVERIFY(drop.isAccepted());
    // Nothing is opened or asked while the drop is going on.
    QVERIFY(window->Editors().isEmpty());
    QVERIFY(m_F.prompts().messages.empty());

    QCoreApplication::processEvents();
    const QList<LevelEditorWindow*> editors = window->Editors();
    QCOMPARE(editors.size(), 2);
    QCOMPARE(editors[0]->FileName(), demoLevel("LEVEL02.CK2"));
    QCOMPARE(editors[0]->Document().level().Episode(), qint16(2));
    QCOMPARE(editors[1]->FileName(), demoLevel("LEVEL80.CK1"));
    QCOMPARE(editors[1]->Document().level().Number(), qint16(80));
    // The misnamed file gives Open's message; the web address is ignored.
    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    QVERIFY(m_F.prompts().messages.front().text.contains(QDir::toNativeSeparators(misnamed)));
    QVERIFY(m_F.prompts().messages.front().text.contains(QStringLiteral("1, 2 or 3")));
}

void MainWindowFilesTest::dragsWithoutLocalFilesAreRefused() {
    auto window = startedWindow();
    QVERIFY(window);
    QMimeData text;
    text.setText(demoLevel("LEVEL01.CK1"));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/LEVEL01.CK1"))});
    for (QMimeData* data : {&text, &web}) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(window.get(), &drop);
        QVERIFY(!drop.isAccepted());
    }
    QCoreApplication::processEvents();
    QVERIFY(window->Editors().isEmpty());
    QVERIFY(m_F.prompts().messages.empty());
}

// ---- Recent files ----

void MainWindowFilesTest::recentFilesSurviveARestart() {
    const QStringList opened = {demoLevel("LEVEL01.CK1"), demoLevel("LEVEL02.CK2"),
                                demoLevel("LEVEL80.CK3")};
    {
        auto window = startedWindow();
        QVERIFY(window);
        QVERIFY(!mainwindow::recentMenu(*window).menuAction()->isEnabled());
        QVERIFY(mainwindow::recentMenu(*window).actions().isEmpty());
        window->OpenFiles(opened);
        QVERIFY(mainwindow::recentMenu(*window).menuAction()->isEnabled());
        QCOMPARE(recentItemFiles(*window), QStringList({opened[2], opened[1], opened[0]}));
        QVERIFY(window->close());
    }
    // Stored in the settings file beside the paths, newest first.
    QCOMPARE(Settings::Read("Recent", "File1"), opened[2]);
    QCOMPARE(Settings::Read("Recent", "File2"), opened[1]);
    QCOMPARE(Settings::Read("Recent", "File3"), opened[0]);
    QVERIFY(Settings::Read("Recent", "File4").isEmpty());
    QCOMPARE(Settings::Read(Paths, "Keen 1"), DemoGraphics::EpisodeFolder(m_F.demo.path(), 1));

    // The next run offers them, numbered, and opens one when chosen.
    auto window = startedWindow();
    QVERIFY(window);
    QVERIFY(m_F.prompts().shownDialogs.empty());
    QCOMPARE(menuItemTexts(&mainwindow::recentMenu(*window)),
             QStringList({"&1 " + QDir::toNativeSeparators(opened[2]),
                          "&2 " + QDir::toNativeSeparators(opened[1]),
                          "&3 " + QDir::toNativeSeparators(opened[0])}));
    mainwindow::recentMenu(*window).actions()[2]->trigger();
    QCOMPARE(window->Editors().size(), 1);
    QCOMPARE(window->Editors().front()->FileName(), opened[0]);
    QCOMPARE(window->Editors().front()->Document().level().Episode(), qint16(1));
    QVERIFY(m_F.prompts().messages.empty());
    // Opening it again put it in front.
    QCOMPARE(recentItemFiles(*window), QStringList({opened[0], opened[2], opened[1]}));
}

void MainWindowFilesTest::savingPutsTheLevelAtTheFront() {
    auto window = startedWindow();
    QVERIFY(window);
    const QString first = copyOfDemoLevel("LEVEL01.CK1", "LEVEL01.CK1");
    const QString second = copyOfDemoLevel("LEVEL02.CK1", "LEVEL02.CK1");
    window->OpenFiles({first, second});
    QCOMPARE(RecentFiles::List(), QStringList({second, first}));

    // Save of the first window's level.
    LevelEditorWindow* editor = window->Editors().front();
    QVERIFY(editor->Save());
    QCOMPARE(RecentFiles::List(), QStringList({first, second}));

    // Save As under a new name.
    const QString saved = m_F.programFile("LEVEL05.CK1");
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(saved));
    QVERIFY(window->Editors()[1]->SaveAs());
    QCOMPARE(RecentFiles::List(), QStringList({saved, first, second}));
    QCOMPARE(recentItemFiles(*window), RecentFiles::List());

    // A cancelled Save As and a failed save remember nothing.
    m_F.prompts().files.push_back(ScriptedPrompts::File::Cancel());
    QVERIFY(!window->Editors()[1]->SaveAs());
    const QString unwritable = m_F.programFile("no such folder/LEVEL06.CK1");
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(unwritable));
    QVERIFY(!window->Editors()[1]->SaveAs());
    QCOMPARE(RecentFiles::List(), QStringList({saved, first, second}));
}

// A settings file that cannot be read (here a folder in its place) keeps
// no list, but the level opens and the status bar says why.
void MainWindowFilesTest::recentFilesThatCannotBeStoredAreToldWithTheReason() {
    auto window = startedWindow();
    QVERIFY(window);
    const QString settings = Settings::FilePath();
    QVERIFY(QFile::remove(settings));
    QVERIFY(QDir().mkdir(settings));
    window->OpenFiles({demoLevel("LEVEL01.CK1")});
    QCOMPARE(window->Editors().size(), 1);
    QCOMPARE(mainwindow::status(*window).currentMessage(),
             QStringLiteral("The list of recent files could not be stored. The settings file "
                            "\"%1\" cannot be read: it is a folder, not a file.")
                 .arg(settings));
    QVERIFY(m_F.prompts().messages.empty());
    QVERIFY(QFileInfo(settings).isDir());
}

void MainWindowFilesTest::missingRecentFileIsRemovedWithAMessage() {
    auto window = startedWindow();
    QVERIFY(window);
    const QString kept = copyOfDemoLevel("LEVEL01.CK1", "LEVEL01.CK1");
    const QString gone = copyOfDemoLevel("LEVEL02.CK1", "LEVEL02.CK1");
    window->OpenFiles({kept, gone});
    for (LevelEditorWindow* editor : window->Editors())
        QVERIFY(qobject_cast<QMdiSubWindow*>(editor->parentWidget())->close());
    QVERIFY(QFile::remove(gone));

    QCOMPARE(recentItemFiles(*window), QStringList({gone, kept}));
    mainwindow::recentMenu(*window).actions().front()->trigger();
    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    const auto& message = m_F.prompts().messages.front();
    QCOMPARE(message.text, QDir::toNativeSeparators(gone) +
                               QStringLiteral("\r\nno longer exists. It has been removed from "
                                              "the list of recent files."));
    QCOMPARE(message.icon, Prompts::Icon::Exclamation);
    QVERIFY(message.title.isEmpty());
    QVERIFY(window->Editors().isEmpty());
    QCOMPARE(recentItemFiles(*window), QStringList{kept});
    QCOMPARE(Settings::Read("Recent", "File1"), kept);
    QVERIFY(Settings::Read("Recent", "File2").isEmpty());

    // The last one going leaves the submenu disabled, not the settings
    // file damaged.
    QVERIFY(QFile::remove(kept));
    mainwindow::recentMenu(*window).actions().front()->trigger();
    QVERIFY(mainwindow::recentMenu(*window).actions().isEmpty());
    QVERIFY(!mainwindow::recentMenu(*window).menuAction()->isEnabled());
    QCOMPARE(Settings::Read(Paths, "Keen 3"), DemoGraphics::EpisodeFolder(m_F.demo.path(), 3));
}

void MainWindowFilesTest::recentFilesAreInEveryFileMenu() {
    auto window = startedWindow();
    QVERIFY(window);
    window->OpenFiles({demoLevel("LEVEL01.CK1"), demoLevel("LEVEL01.CK2")});
    for (LevelEditorWindow* editor : window->Editors()) {
        QCOMPARE(menuItemTexts(drive(*editor).widget<QMenu>("fileMenu")),
                 QStringList({"&New", "&Open...", "Open &Episode Folder...", "Recent Files",
                              "&Save", "Save &As...", "&Close", "Sa&ve All", "Close A&ll", "-",
                              "Set &Paths", "-", "E&xit"}));
        QCOMPARE(drive(*editor).widget<QMenu>("fileMenu")->actions()[3],
                 mainwindow::recentMenu(*window).menuAction());
    }
    // The shared submenu outlives the windows that offered it, and chosen
    // from an editor's File menu it opens like any other way.
    QVERIFY(qobject_cast<QMdiSubWindow*>(window->Editors().front()->parentWidget())->close());
    QCoreApplication::processEvents();
    QCOMPARE(window->Editors().size(), 1);
    QCOMPARE(drive(*window->Editors().front()).widget<QMenu>("fileMenu")->actions()[3],
             mainwindow::recentMenu(*window).menuAction());
    QAction* item = mainwindow::recentMenu(*window).actions().back();
    QCOMPARE(item->data().toString(), demoLevel("LEVEL01.CK1"));
    item->trigger();
    QCOMPARE(window->Editors().size(), 2);
    QCOMPARE(window->Editors().back()->FileName(), demoLevel("LEVEL01.CK1"));
    for (QMdiSubWindow* sub : mainwindow::area(*window).subWindowList())
        QVERIFY(sub->close());
    QCoreApplication::processEvents();
    QCOMPARE(mainwindow::fileMenu(*window).actions()[3],
             mainwindow::recentMenu(*window).menuAction());
}

// ---- Window menu ----

void MainWindowFilesTest::windowMenuListsTheWindowsAndTicksTheCurrent() {
    auto window = startedWindow();
    QVERIFY(window);
    WindowMenu* menu = &mainwindow::windowMenu(*window);
    menu->Rebuild();
    QCOMPARE(menuItemTexts(menu), QStringList({"&Tile", "&Cascade", "E&pisode Panel"}));
    QVERIFY(!menu->findChild<QAction*>(QStringLiteral("tileWindowsAction"))->isEnabled());
    QVERIFY(!menu->findChild<QAction*>(QStringLiteral("cascadeWindowsAction"))->isEnabled());

    window->OpenFiles({demoLevel("LEVEL01.CK1"), demoLevel("LEVEL02.CK2")});
    // A new level has no caption yet.
    QVERIFY(m_F.NewLevel(*window, 30, 20, 0));
    const QList<LevelEditorWindow*> editors = window->Editors();
    QCOMPARE(editors.size(), 3);
    // Offered beside the active editor's own menus, before Help.
    QCOMPARE(window->menuBar()->actions().back(), mainwindow::helpMenu(*window).menuAction());
    QCOMPARE(window->menuBar()->actions().at(window->menuBar()->actions().size() - 2),
             menu->menuAction());
    QVERIFY(window->menuBar()->actions().contains(
        drive(*editors[2]).widget<QMenu>("fileMenu")->menuAction()));

    emit menu->aboutToShow();
    QCOMPARE(
        menuItemTexts(menu),
        QStringList({"&Tile", "&Cascade", "E&pisode Panel", "-",
                     "&1 " + QDir::toNativeSeparators(editors[0]->FileName()),
                     "&2 " + QDir::toNativeSeparators(editors[1]->FileName()), "&3 Untitled"}));
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("tileWindowsAction"))->isEnabled());
    const auto ticked = [menu] {
        QList<int> rows;
        const QList<QAction*> items = menu->actions();
        for (int i = 4; i < items.size(); ++i) {
            if (items[i]->isChecked())
                rows << i - 4;
        }
        return rows;
    };
    QCOMPARE(ticked(), QList<int>{2});

    // Choosing the first brings it to the front with its menus.
    menu->actions()[4]->trigger();
    QCOMPARE(mainwindow::area(*window).currentSubWindow()->widget(), editors[0]);
    QVERIFY(window->menuBar()->actions().contains(
        drive(*editors[0]).widget<QMenu>("fileMenu")->menuAction()));
    emit menu->aboutToShow();
    QCOMPARE(ticked(), QList<int>{0});
    // Choosing the ticked one again keeps it ticked and in front.
    menu->actions()[4]->trigger();
    QCOMPARE(ticked(), QList<int>{0});
    QCOMPARE(mainwindow::area(*window).currentSubWindow()->widget(), editors[0]);

    // A saved level's new name shows; a closed window goes.
    const QString saved = m_F.programFile("LEVEL07.CK1");
    m_F.prompts().files.push_back(ScriptedPrompts::File::Choose(saved));
    leveledit::placeStart(*editors[2]);
    QVERIFY(editors[2]->SaveAs());
    drive(*editors[1]).trigger("closeAction");
    QCoreApplication::processEvents();
    emit menu->aboutToShow();
    QCOMPARE(menuItemTexts(menu).mid(4),
             QStringList({"&1 " + QDir::toNativeSeparators(editors[0]->FileName()),
                          "&2 " + QDir::toNativeSeparators(saved)}));
    // A modified level shows its unsaved mark.
    leveledit::setModified(*editors[0], true);
    emit menu->aboutToShow();
    QCOMPARE(menuItemTexts(menu)[4],
             "&1 " + QDir::toNativeSeparators(editors[0]->FileName()) + "*");
    QCOMPARE(WindowMenu::ItemText(1, "/a&b/LEVEL01.CK1"),
             "&2 " + QDir::toNativeSeparators("/a&&b/LEVEL01.CK1"));
}

void MainWindowFilesTest::tileAndCascadeArrangeTheWindows() {
    auto window = startedWindow();
    QVERIFY(window);
    window->resize(1000, 800);
    window->OpenFiles({demoLevel("LEVEL01.CK1"), demoLevel("LEVEL02.CK1")});
    const QList<QMdiSubWindow*> windows = mainwindow::area(*window).subWindowList();
    QCOMPARE(windows.size(), 2);
    mainwindow::windowMenu(*window).Rebuild();

    mainwindow::windowMenu(*window)
        .findChild<QAction*>(QStringLiteral("tileWindowsAction"))
        ->trigger();
    QVERIFY(!windows[0]->geometry().intersects(windows[1]->geometry()));
    const QRect area = mainwindow::area(*window).viewport()->rect();
    for (QMdiSubWindow* w : windows)
        QVERIFY(area.contains(w->geometry()));

    mainwindow::windowMenu(*window)
        .findChild<QAction*>(QStringLiteral("cascadeWindowsAction"))
        ->trigger();
    QVERIFY(windows[0]->geometry().intersects(windows[1]->geometry()));
    QVERIFY(windows[0]->geometry().topLeft() != windows[1]->geometry().topLeft());
}

// ---- Status bar ----

void MainWindowFilesTest::statusBarShowsTheCellUnderThePointer() {
    auto window = startedWindow();
    QVERIFY(window);
    MainStatusBar* status = &mainwindow::status(*window);
    QVERIFY(status->isVisible());
    QVERIFY(part(status, "cellLabel").isEmpty());
    QVERIFY(part(status, "zoomLabel").isEmpty());

    window->OpenFiles({demoLevel("LEVEL01.CK1")});
    LevelEditorWindow* editor = window->Editors().front();
    // A canvas whose width is no whole number of cells, so that at the end
    // of the scroll range part of a column past the level shows.
    editor->parentWidget()->resize(641, 481);
    QCoreApplication::processEvents();
    QCOMPARE(status->Editor(), editor);
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 100%"));
    QVERIFY(part(status, "cellLabel").isEmpty());
    leveledit::setTile(*editor, 3, 2, 143);
    leveledit::setInfo(*editor, 3, 2, 255);
    const int size = editor->Tiles().RenderWidth(editor->CanvasZoom());
    QCOMPARE(size, 16);

    hover(drive(*editor).canvas(), cellMiddle(3, 2, size));
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 3, Row 2"));
    // The tile is named with what it does, from the demo graphics' table.
    QCOMPARE(part(status, "tileLabel"), QStringLiteral("Tile 143: nothing"));
    QCOMPARE(part(status, "infoLabel"), QStringLiteral("Info 255"));

    // A press paints the cell; the bar shows what the cell holds after it.
    editor->SetSelectedTile(0, 201);
    QTest::mousePress(drive(*editor).canvas(), Qt::LeftButton, {}, cellMiddle(3, 2, size));
    QCoreApplication::processEvents();
    QCOMPARE(editor->Document().level().Tile(3, 2), qint16(201));
    QCOMPARE(part(status, "tileLabel"), QStringLiteral("Tile 201: kills, animated (4 tiles)"));
    // So does a drag onto the next cell.
    QTest::mouseEvent(QTest::MouseMove, drive(*editor).canvas(), Qt::NoButton, {},
                      cellMiddle(4, 2, size));
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 4, Row 2"));
    QCOMPARE(part(status, "tileLabel"), QStringLiteral("Tile 201: kills, animated (4 tiles)"));
    QCOMPARE(part(status, "infoLabel"), QStringLiteral("Info 0"));
    QTest::mouseRelease(drive(*editor).canvas(), Qt::LeftButton, {}, cellMiddle(4, 2, size));

    // Off the level (scrolled to the end, the canvas shows one column past
    // the last) and off the canvas the cell parts go blank; the zoom stays.
    drive(*editor).scrollX()->setValue(drive(*editor).scrollX()->maximum());
    const int past = editor->Document().level().Width() - drive(*editor).scrollX()->value();
    QVERIFY(past * size + 1 < drive(*editor).canvas()->width());
    hover(drive(*editor).canvas(), QPoint(past * size + 1, size / 2));
    QCoreApplication::processEvents();
    QVERIFY(part(status, "cellLabel").isEmpty());
    QVERIFY(part(status, "tileLabel").isEmpty());
    drive(*editor).scrollX()->setValue(0);
    hover(drive(*editor).canvas(), cellMiddle(1, 1, size));
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 1, Row 1"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(drive(*editor).canvas(), &leave);
    QCoreApplication::processEvents();
    QVERIFY(part(status, "cellLabel").isEmpty());
    QVERIFY(part(status, "infoLabel").isEmpty());
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 100%"));

    // With the view scrolled the column counts from the level's edge.
    drive(*editor).scrollX()->setValue(2);
    drive(*editor).scrollY()->setValue(1);
    hover(drive(*editor).canvas(), cellMiddle(1, 1, size));
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 3, Row 2"));
    QCOMPARE(part(status, "tileLabel"), QStringLiteral("Tile 201: kills, animated (4 tiles)"));
}

void MainWindowFilesTest::statusBarFollowsZoomAndTheActiveEditor() {
    QCOMPARE(MainStatusBar::ZoomText(0), QStringLiteral("100%"));
    QCOMPARE(MainStatusBar::ZoomText(1), QStringLiteral("200%"));
    QCOMPARE(MainStatusBar::ZoomText(3), QStringLiteral("800%"));
    QCOMPARE(MainStatusBar::ZoomText(-1), QStringLiteral("50%"));
    QCOMPARE(MainStatusBar::ZoomText(-3), QStringLiteral("12.5%"));
    QCOMPARE(MainStatusBar::ZoomText(-4), QStringLiteral("6.25%"));

    auto window = startedWindow();
    QVERIFY(window);
    MainStatusBar* status = &mainwindow::status(*window);
    window->OpenFiles({demoLevel("LEVEL01.CK1"), demoLevel("LEVEL02.CK2")});
    LevelEditorWindow* first = window->Editors()[0];
    LevelEditorWindow* second = window->Editors()[1];
    QCOMPARE(status->Editor(), second);

    drive(*second).action("zoomInAction")->trigger();
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 200%"));
    for (int i = 0; i < 6; ++i)
        drive(*second).action("zoomOutAction")->trigger();
    QCOMPARE(second->CanvasZoom().Exponent(), -4);
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 6.25%"));

    // At zoom -4 a cell is one pixel.
    hover(drive(*second).canvas(), QPoint(7, 3));
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 7, Row 3"));

    // Another window in front: its zoom, and no cell until the pointer is
    // over its canvas. Moves over the other canvas are not reported.
    mainwindow::area(*window).setActiveSubWindow(
        qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    QCOMPARE(status->Editor(), first);
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 100%"));
    QVERIFY(part(status, "cellLabel").isEmpty());
    hover(drive(*second).canvas(), QPoint(2, 2));
    QCoreApplication::processEvents();
    QVERIFY(part(status, "cellLabel").isEmpty());
    drive(*second).action("actualSizeAction")->trigger();
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 100%"));
    drive(*first).action("zoomInAction")->trigger();
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 200%"));
    drive(*first).action("actualSizeAction")->trigger();
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 100%"));

    // Level, Properties gives new sets at 1x zoom; a smaller level drops a
    // cell past its new edge.
    QCOMPARE(first->Document().level().Width(), qint16(80));
    hover(drive(*first).canvas(), cellMiddle(30, 10, 16));
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 30, Row 10"));
    drive(*first).action("zoomInAction")->trigger();
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 200%"));
    leveledit::change(*first, [](Level& level) { level.Resize(24, 17); });
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 100%"));
    QVERIFY(part(status, "cellLabel").isEmpty());

    // No editor left: the bar is blank.
    for (LevelEditorWindow* editor : window->Editors())
        drive(*editor).trigger("closeAction");
    QCoreApplication::processEvents();
    QVERIFY(window->Editors().isEmpty());
    QVERIFY(status->Editor() == nullptr);
    QVERIFY(part(status, "zoomLabel").isEmpty());
    QVERIFY(part(status, "cellLabel").isEmpty());
}

void MainWindowFilesTest::statusBarFollowsScrollingAndZoomUnderAStillPointer() {
    auto window = startedWindow();
    QVERIFY(window);
    MainStatusBar* status = &mainwindow::status(*window);
    window->OpenFiles({demoLevel("LEVEL01.CK1")});
    LevelEditorWindow* editor = window->Editors().front();
    QCOMPARE(editor->Document().level().Width(), qint16(80));
    // Scrolling or zooming under a pointer that stays where it is: the bar
    // names the cell that is now under it; a change of the level shows once
    // the canvas is drawn again.
    drive(*editor).canvas()->setAttribute(Qt::WA_UnderMouse);
    QCursor::setPos(drive(*editor).canvas()->mapToGlobal(cellMiddle(2, 3, 16)));
    if (drive(*editor).canvas()->mapFromGlobal(QCursor::pos()) != cellMiddle(2, 3, 16))
        QSKIP("the platform does not move the pointer");
    drive(*editor).scrollX()->setValue(5);
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 7, Row 3"));
    leveledit::setTile(*editor, 7, 3, 211);
    drive(*editor).canvas()->Refresh();
    QTRY_COMPARE(part(status, "tileLabel"), QStringLiteral("Tile 211: nothing"));
    drive(*editor).action("zoomInAction")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(part(status, "cellLabel"), QStringLiteral("Column 6, Row 1"));
    // With the pointer elsewhere a scroll leaves no cell named.
    drive(*editor).canvas()->setAttribute(Qt::WA_UnderMouse, false);
    drive(*editor).scrollY()->setValue(2);
    QCoreApplication::processEvents();
    QVERIFY(part(status, "cellLabel").isEmpty());
    QCOMPARE(part(status, "zoomLabel"), QStringLiteral("Zoom 200%"));
}

void MainWindowFilesTest::statusBarShowsWhatTheToolsSay() {
    auto window = m_F.StartedWindow(QSize(1400, 800));
    QVERIFY(window);
    const QStatusBar* status = window->statusBar();
    window->OpenFiles({demoLevel("LEVEL01.CK1")});
    LevelEditorWindow* editor = window->Editors().front();
    editor->parentWidget()->resize(900, 600);
    const auto act = [](LevelEditorWindow* e, const char* name) {
        QAction* action = e->findChild<QAction*>(QLatin1String(name));
        QVERIFY2(action, name);
        action->trigger();
        QCoreApplication::processEvents();
    };
    QWidget* canvas = drive(*editor).canvas();

    act(editor, "selectToolAction");
    QTest::mousePress(canvas, Qt::LeftButton, {}, cellMiddle(2, 3, 16));
    dragOver(canvas, cellMiddle(5, 4, 16));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, cellMiddle(5, 4, 16));
    QCoreApplication::processEvents();
    QCOMPARE(toolLine(status), QStringLiteral("Selection 2,3: 4 x 2"));

    QTest::mousePress(canvas, Qt::LeftButton, {}, cellMiddle(3, 3, 16));
    dragOver(canvas, cellMiddle(6, 5, 16));
    QCoreApplication::processEvents();
    QCOMPARE(toolLine(status), QStringLiteral("Moving 4 x 2 by 3,2"));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, cellMiddle(6, 5, 16));

    act(editor, "copyAction");
    hover(canvas, cellMiddle(10, 6, 16));
    act(editor, "pasteAction");
    QCOMPARE(toolLine(status),
             QStringLiteral("Pasting 4 x 2 at 10,6: click or Enter to place, Esc to drop"));
    act(editor, "selectNoneAction");

    // In a window of another episode the note follows the paste's line.
    window->OpenFiles({demoLevel("LEVEL02.CK2")});
    LevelEditorWindow* other = window->Editors().back();
    QCOMPARE(mainwindow::status(*window).Editor(), other);
    act(other, "pasteAction");
    QCOMPARE(toolLine(status),
             QStringLiteral("Pasting 4 x 2 at 0,0: click or Enter to place, Esc to drop  A block "
                            "from episode 1: pasted as episode 2's numbers."));
    act(other, "selectNoneAction");
    QCOMPARE(toolLine(status), QString());
    act(other, "showTilesAction");
    QCOMPARE(toolLine(status), QStringLiteral("Tiles are hidden: edits change the tile plane."));
}

GM_TEST_MAIN(MainWindowFilesTest)
#include "tst_MainWindowFiles.moc"
