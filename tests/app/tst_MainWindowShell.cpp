// The main window as a frame: its keys, where editor windows open, its own
// size and place across runs, and Set Paths while levels are open.
#include "EditGeometry.h"
#include "EditorPlacement.h"
#include "MainWindowFixture.h"
#include "TestData.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"
#include "editor/LevelEdits.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

class MainWindowShellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void keysReachTheirCommands_data();
    void keysReachTheirCommands();
    void editorPlacement_data();
    void editorPlacement();
    void windowInsideTheArea_data();
    void windowInsideTheArea();
    void editorsOpenInsideTheVisibleArea();
    void sizeAndPlaceSurviveARestart();
    void setPathsFromAnEditorRefreshesItsGraphics();

private:
    std::unique_ptr<MainWindow> startedWindow() { return m_F.StartedWindow(QSize(900, 700)); }
    LevelEditorWindow* newLevel(MainWindow& window, int episodeIndex) {
        return m_F.NewLevel(window, 40, 30, episodeIndex);
    }

    MainWindowFixture m_F;
};

// Each key with no level open and with one: what it must have done.
void MainWindowShellTest::keysReachTheirCommands_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("withEditor");
    QTest::addColumn<QString>("effect");
    const int ctrl = Qt::ControlModifier;
    for (bool editor : {false, true}) {
        const QString where = editor ? QStringLiteral(", level open") : QStringLiteral(", none");
        QTest::newRow(qPrintable("Ctrl+N" + where)) << int(Qt::Key_N) << ctrl << editor << "new";
        QTest::newRow(qPrintable("Ctrl+O" + where)) << int(Qt::Key_O) << ctrl << editor << "open";
        QTest::newRow(qPrintable("Ctrl+Q" + where)) << int(Qt::Key_Q) << ctrl << editor << "quit";
    }
    QTest::newRow("Ctrl+W") << int(Qt::Key_W) << ctrl << true << "close";
    QTest::newRow("Ctrl+Shift+S") << int(Qt::Key_S) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << true << "save as";
    // The editor starts at zoom 2 for these.
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << ctrl << true << "zoom 3";
    QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << ctrl << true << "zoom 3";
    QTest::newRow("Ctrl+-") << int(Qt::Key_Minus) << ctrl << true << "zoom 1";
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << ctrl << true << "zoom 0";
}

void MainWindowShellTest::keysReachTheirCommands() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, withEditor);
    QFETCH(QString, effect);
    auto window = startedWindow();
    QVERIFY(window);
    LevelEditorWindow* editor = withEditor ? newLevel(*window, 0) : nullptr;
    QCOMPARE(editor != nullptr, withEditor);
    if (editor) {
        leveledit::placeStart(*editor);
        drive(*editor).trigger("zoomInAction");
        drive(*editor).trigger("zoomInAction");
    }
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    ScriptedPrompts& prompts = m_F.prompts();
    const size_t dialogsBefore = prompts.shownDialogs.size();

    // "Ambiguous shortcut overload" means the key did nothing.
    QTest::failOnWarning(QRegularExpression("Ambiguous"));
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents();

    if (effect == "new") {
        QCOMPARE(prompts.shownDialogs.size(), dialogsBefore + 1);
        QCOMPARE(prompts.shownDialogs.back().className, QStringLiteral("LevelPropertiesDialog"));
    } else if (effect == "open") {
        QCOMPARE(prompts.fileRequests.size(), size_t(1));
        QCOMPARE(prompts.fileRequests.back().caption, QStringLiteral("Open Levels"));
    } else if (effect == "quit") {
        QVERIFY(!window->isVisible());
    } else if (effect == "close") {
        QVERIFY(window->Editors().isEmpty());
    } else if (effect == "save as") {
        QCOMPARE(prompts.fileRequests.size(), size_t(1));
        QCOMPARE(prompts.fileRequests.back().caption, QStringLiteral("Save File As"));
    } else {
        QCOMPARE(editor->CanvasZoom().Exponent(), effect.mid(5).toInt());
    }
}

void MainWindowShellTest::editorPlacement_data() {
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("open");
    QTest::addColumn<QRect>("expected");
    const QSize area(1000, 800);
    QTest::newRow("first") << area << 0 << QRect(0, 0, 900, 720);
    QTest::newRow("second, one step down") << area << 1 << QRect(24, 24, 900, 720);
    QTest::newRow("sixth, shrunk to fit") << area << 5 << QRect(120, 120, 880, 680);
    QTest::newRow("twentieth, at the minimum height") << area << 19 << QRect(456, 456, 544, 344);
    QTest::newRow("twenty-first, back to the corner") << area << 20 << QRect(0, 0, 900, 720);
    QTest::newRow("area below the minimum") << QSize(300, 200) << 3 << QRect(0, 0, 363, 323);
}

void MainWindowShellTest::editorPlacement() {
    QFETCH(QSize, area);
    QFETCH(int, open);
    QFETCH(QRect, expected);
    QCOMPARE(EditorPlacement::NextWindow(area, open, QSize(363, 323)), expected);
}

void MainWindowShellTest::windowInsideTheArea_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QRect>("expected");
    const QSize area(1000, 600);
    QTest::newRow("inside stays") << QRect(24, 24, 900, 500) << area << QRect(24, 24, 900, 500);
    QTest::newRow("below the edge moves up")
        << QRect(24, 200, 900, 500) << area << QRect(24, 100, 900, 500);
    QTest::newRow("taller than the area shrinks")
        << QRect(0, 0, 900, 720) << area << QRect(0, 0, 900, 600);
    QTest::newRow("left of the area") << QRect(-50, 10, 400, 400) << area << QRect(0, 10, 400, 400);
    QTest::newRow("not below the minimum")
        << QRect(100, 100, 900, 720) << QSize(300, 200) << QRect(0, 0, 363, 323);
}

void MainWindowShellTest::windowInsideTheArea() {
    QFETCH(QRect, window);
    QFETCH(QSize, area);
    QFETCH(QRect, expected);
    QCOMPARE(EditorPlacement::Inside(window, area, QSize(363, 323)), expected);
}

void MainWindowShellTest::editorsOpenInsideTheVisibleArea() {
    auto window = startedWindow();
    QVERIFY(window);
    const QRect visible(QPoint(0, 0), mainwindow::area(*window).viewport()->size());
    for (int i = 0; i < 6; ++i) {
        LevelEditorWindow* editor = newLevel(*window, i % 3);
        QVERIFY(editor);
        const QRect placed = editor->parentWidget()->geometry();
        QString where;
        QDebug(&where) << "window" << i << "at" << placed;
        QVERIFY2(visible.contains(placed), qPrintable(where));
        QVERIFY(placed.width() >= EditGeometry::MinOuterWidth);
    }
}

void MainWindowShellTest::sizeAndPlaceSurviveARestart() {
    // First start: four fifths of the screen.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    {
        MainWindow window;
        window.RestorePlacement();
        QCOMPARE(window.size(), QSize(screen.width() * 4 / 5, screen.height() * 4 / 5));
        window.show();
        window.resize(520, 410);
        QCoreApplication::processEvents();
        QVERIFY(window.close());
    }
    MainWindow again;
    again.RestorePlacement();
    QCOMPARE(again.size(), QSize(520, 410));
}

void MainWindowShellTest::setPathsFromAnEditorRefreshesItsGraphics() {
    GM_REQUIRE_REAL_DATA();
    auto window = startedWindow();
    QVERIFY(window);
    LevelEditorWindow* episode1 = newLevel(*window, 0);
    LevelEditorWindow* episode2 = newLevel(*window, 1);
    QVERIFY(episode1 && episode2);
    drive(*episode1).trigger("zoomInAction");
    const Picture demoTiles = episode1->Tiles().Tiles();
    const Picture episode2Tiles = episode2->Tiles().Tiles();

    // Episode 1 now reads the game's own files.
    m_F.prompts().dialogs.push_back([](QDialog& dialog) {
        controls::retype(controls::find<QLineEdit>(dialog, "graphicsFolderEdit1"), realDataDir());
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    drive(*episode2).trigger("setPathsAction");
    QCOMPARE(m_F.prompts().shownDialogs.back().className, QStringLiteral("GamePathsDialog"));
    QVERIFY(m_F.prompts().messages.empty());

    QVERIFY(!(window->TileSets(0)->Tiles() == demoTiles));
    // The window now draws everything with the main window's new sets,
    // at the zoom it had.
    QCOMPARE(&episode1->Tiles(), window->TileSets(0).get());
    QCOMPARE(&episode1->Sprites(), window->SpriteSets(0).get());
    QCOMPARE(episode1->CanvasZoom().Exponent(), 1);
    // The other episode's folder did not change: its window is left alone.
    QVERIFY(episode2->Tiles().Tiles() == episode2Tiles);
    QVERIFY(!episode1->IsModified());

    // A Properties step undone afterwards draws with the new graphics too.
    m_F.prompts().dialogs.push_back([](QDialog& dialog) {
        controls::retype(controls::find<QLineEdit>(dialog, "widthEdit"), QStringLiteral("50"));
        QTest::mouseClick(&controls::find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    drive(*episode1).action("propertiesAction")->trigger();
    drive(*episode1).action("undoAction")->trigger();
    QCOMPARE(episode1->Document().level().Width(), qint16(40));
    QCOMPARE(&episode1->Tiles(), window->TileSets(0).get());
}

GM_TEST_MAIN(MainWindowShellTest)
#include "tst_MainWindowShell.moc"
