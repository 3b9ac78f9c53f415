// Level, Check Level's dock in the main window: it follows the active
// editor window, names its level, checks again after edits, and a chosen
// line, by mouse or keyboard, brings its window to the cell.

#include "Level.h"
#include "LevelCheckDock.h"
#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"
#include "editor/LevelEdits.h"

#include <QAction>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

namespace {

constexpr QRgb Yellow = 0xFFFFFF00;

// The tree's lines, each group's open cells after it as "  at x, y".
QStringList lines(const QTreeView* tree) {
    QStringList out;
    const QAbstractItemModel* model = tree->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex line = model->index(row, 0);
        out << line.data().toString();
        for (int child = 0; tree->isExpanded(line) && child < model->rowCount(line); ++child)
            out << "  " + model->index(child, 0, line).data().toString();
    }
    return out;
}

QMdiSubWindow* subWindowOf(LevelEditorWindow* editor) {
    return qobject_cast<QMdiSubWindow*>(editor->parentWidget());
}

// Whether cell (x, y) is marked on the editor's canvas at zoom 0.
bool marked(LevelEditorWindow* editor, int x, int y) {
    const int px = (x - drive(*editor).scrollX()->value()) * 16;
    const int py = (y - drive(*editor).scrollY()->value()) * 16;
    const QImage canvas = drive(*editor).canvas()->Picture();
    return canvas.rect().contains(px + 16, py + 8) && canvas.pixel(px - 2, py + 8) == Yellow &&
           canvas.pixel(px + 16, py + 8) == Yellow;
}

} // namespace

class CheckDockTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }

    void init() {
        QVERIFY(m_F.Begin());
        m_Levels = std::make_unique<QTemporaryDir>();
        // LEVEL12: no start, tile 700 at (40, 30), tile 701 at (10, 50) and
        // at (11, 50). LEVEL05: nothing wrong. Both have the demo
        // graphics' exit, tile 159.
        Level level;
        level.Create(100, 60, 1, 12);
        level.SetTile(40, 30, 700);
        level.SetTile(10, 50, 701);
        level.SetTile(11, 50, 701);
        level.SetTile(20, 20, 159);
        QVERIFY(level.Save(m_Levels->filePath("LEVEL12.CK1")).ok);
        level.Create(40, 30, 1, 5);
        level.SetInfo(4, 4, 255);
        level.SetTile(20, 20, 159);
        QVERIFY(level.Save(m_Levels->filePath("LEVEL05.CK1")).ok);
    }

    void cleanup() {
        m_Window.reset();
        m_F.End();
    }

    void checkLevelShowsTheDockForTheActiveWindow() {
        QDockWidget* dock = start();
        QVERIFY(dock);
        QVERIFY(!dock->isVisible());
        QCOMPARE(dock->windowTitle(), QString("Check"));
        QCOMPARE(lines(m_Tree), QStringList{"No level is open."});

        auto [level12, level05] = openBoth();
        QVERIFY(level12 && level05);
        mainwindow::area(*m_Window).setActiveSubWindow(subWindowOf(level12));
        drive(*level12).trigger("checkLevelAction");
        QVERIFY(dock->isVisible());
        QCOMPARE(dock->windowTitle(), QString("Check: LEVEL12.CK1"));
        // The windows keep their tile strips and tool bars in sight.
        const QRect area(QPoint(0, 0), mainwindow::area(*m_Window).viewport()->size());
        QVERIFY(area.contains(subWindowOf(level12)->geometry()));
        QVERIFY(area.contains(subWindowOf(level05)->geometry()));
        const QStringList found = lines(m_Tree);
        QCOMPARE(found.size(), 3);
        QCOMPARE(found[0], QString("error: Keen has no start: no cell holds the info value 255"));
        QVERIFY2(found[1].startsWith("error at 40, 30: tile 700 is not one of the episode's"),
                 qPrintable(found[1]));
        QVERIFY2(found[2].startsWith("error: tile 701 is not") && found[2].endsWith(" 2 cells"),
                 qPrintable(found[2]));

        // Another window in front, then an edit: its level's findings.
        mainwindow::area(*m_Window).setActiveSubWindow(subWindowOf(level05));
        QCOMPARE(dock->windowTitle(), QString("Check: LEVEL05.CK1"));
        QCOMPARE(lines(m_Tree), QStringList{"No problems found."});
        leveledit::setInfo(*level05, 4, 4, 0);
        QTRY_COMPARE(lines(m_Tree),
                     QStringList{"error: Keen has no start: no cell holds the info value 255"});

        mainwindow::area(*m_Window).closeAllSubWindows();
        QCOMPARE(dock->windowTitle(), QString("Check"));
        QCOMPARE(lines(m_Tree), QStringList{"No level is open."});
    }

    // Double-click, or Return from the keyboard, on a line with a cell:
    // its window comes to the front and marks the cell; closing the dock
    // takes the mark away.
    void chosenLineGoesToItsCell() {
        QDockWidget* dock = start();
        QVERIFY(dock);
        auto [level12, level05] = openBoth();
        QVERIFY(level12 && level05);
        mainwindow::area(*m_Window).setActiveSubWindow(subWindowOf(level12));
        drive(*level12).trigger("checkLevelAction");
        mainwindow::area(*m_Window).setActiveSubWindow(subWindowOf(level05));
        mainwindow::area(*m_Window).setActiveSubWindow(subWindowOf(level12));

        const QModelIndex tile700 = m_Tree->model()->index(1, 0);
        const QPoint middle = m_Tree->visualRect(tile700).center();
        // As the system sends a double-click: a click, then the second press
        // as a double-click.
        QTest::mouseClick(m_Tree->viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseDClick(m_Tree->viewport(), Qt::LeftButton, {}, middle);
        QCOMPARE(mainwindow::area(*m_Window).activeSubWindow(), subWindowOf(level12));
        QCOMPARE(level12->MarkedCell(), QPoint(40, 30));
        QVERIFY(marked(level12, 40, 30));
        QCOMPARE(level05->MarkedCell(), QPoint(-1, -1));

        // Down to the group of 701, Right opens it, Down to its second
        // cell, Return.
        m_Tree->setFocus();
        m_Tree->setCurrentIndex(tile700);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
            QTest::keyClick(m_Tree, key);
        QCOMPARE(m_Tree->currentIndex().data().toString(), QString("at 11, 50"));
        QTest::keyClick(m_Tree, Qt::Key_Return);
        QCOMPARE(level12->MarkedCell(), QPoint(11, 50));
        QVERIFY(marked(level12, 11, 50));

        // The group stays open and the line chosen across a new check.
        leveledit::setTile(*level12, 12, 50, 701);
        QTRY_VERIFY(lines(m_Tree).contains("  at 12, 50"));
        QCOMPARE(m_Tree->currentIndex().data().toString(), QString("at 11, 50"));

        dock->close();
        QCOMPARE(level12->MarkedCell(), QPoint(-1, -1));
        QVERIFY(!marked(level12, 11, 50));
    }

private:
    // The started main window's dock, with the tree it lists in.
    QDockWidget* start() {
        m_Window = m_F.StartedWindow(QSize(1200, 900));
        if (!m_Window)
            return nullptr;
        auto* dock = m_Window->findChild<QDockWidget*>("CheckDock");
        m_Tree = dock ? dock->findChild<QTreeView*>("CheckFindings") : nullptr;
        return m_Tree ? dock : nullptr;
    }

    std::pair<LevelEditorWindow*, LevelEditorWindow*> openBoth() {
        m_Window->OpenFiles({m_Levels->filePath("LEVEL12.CK1"), m_Levels->filePath("LEVEL05.CK1")});
        const QList<LevelEditorWindow*> editors = m_Window->Editors();
        return {editors.value(0), editors.value(1)};
    }

    MainWindowFixture m_F;
    std::unique_ptr<QTemporaryDir> m_Levels;
    std::unique_ptr<MainWindow> m_Window;
    QTreeView* m_Tree = nullptr;
};

GM_TEST_MAIN(CheckDockTest)
#include "tst_CheckDock.moc"
