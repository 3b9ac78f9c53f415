// The episode's levels reached from the main window by mouse: from the
// world map's entrance with Ctrl+double-click, and from the Episode panel
// with a double-click, on a copy of the real episode 1.

#include "MainWindowFixture.h"
#include "TestData.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

class tst_EpisodePanel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }

    void init() {
        QVERIFY(m_F.Begin());
        if (!haveRealData())
            return;
        m_Levels = std::make_unique<QTemporaryDir>();
        for (const char* name : {"LEVEL80.CK1", "LEVEL02.CK1", "LEVEL03.CK1", "LEVEL04.CK1"})
            QVERIFY(QFile::copy(realDataDir() + '/' + name, levelFile(name)));
        m_Window = m_F.StartedWindow(QSize(1200, 900));
        QVERIFY(m_Window);
    }

    void cleanup() {
        m_Window.reset();
        m_F.End();
    }

    // The map's entrance of level 3 is the 2 x 2 door at 11..12, 23..24.
    void ctrlDoubleClickOnAnEntranceOpensItsLevel() {
        GM_REQUIRE_REAL_DATA();
        m_Window->OpenFiles({levelFile("LEVEL80.CK1")});
        LevelEditorWindow* map = activeEditor();
        QVERIFY(map);
        map->ShowCell(12, 24);
        // Beside the door nothing opens.
        QTest::mouseDClick(drive(*map).canvas(), Qt::LeftButton, Qt::ControlModifier,
                           drive(*map).pointOf({13, 24}));
        QCOMPARE(activeEditor(), map);
        QTest::mouseDClick(drive(*map).canvas(), Qt::LeftButton, Qt::ControlModifier,
                           drive(*map).pointOf({12, 24}));
        LevelEditorWindow* level = activeEditor();
        QVERIFY(level != map);
        QCOMPARE(QFileInfo(level->FileName()), QFileInfo(levelFile("LEVEL03.CK1")));
        QVERIFY(!map->IsModified());
    }

    // The panel fills with the folder of the first level opened; a
    // double-click on a level opens it, and on an open one brings it back.
    // Choosing a level marks its doors on the map.
    void doubleClickInThePanelOpensTheLevel() {
        GM_REQUIRE_REAL_DATA();
        m_Window->OpenFiles({levelFile("LEVEL80.CK1")});
        LevelEditorWindow* map = activeEditor();
        auto* dock = m_Window->findChild<QDockWidget*>("episodeDock");
        auto* list = m_Window->findChild<QListView*>("episodeList");
        QVERIFY(dock && list && map);
        // Filled, and shown from the Window menu.
        QVERIFY(!dock->isVisible());
        m_Window->findChild<QAction*>("episodePanelAction")->trigger();
        QVERIFY(dock->isVisible());
        // Above the overview, the thumbnails get most of the column.
        QTRY_VERIFY(dock->height() > m_Window->findChild<QDockWidget*>("overviewDock")->height());
        QCOMPARE(list->model()->rowCount(), 4);
        // Choosing level 3 marks its doors on the map.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(map->MarkedMapLevel(), 3);
        const QModelIndex four = list->model()->index(2, 0);
        QVERIFY2(four.data().toString().startsWith("LEVEL04.CK1"),
                 qPrintable(four.data().toString()));
        const QPoint at = list->visualRect(four).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        LevelEditorWindow* level = activeEditor();
        QVERIFY(level && level != map);
        QCOMPARE(QFileInfo(level->FileName()), QFileInfo(levelFile("LEVEL04.CK1")));
        // The map's window again, from its row.
        const QPoint mapAt = list->visualRect(list->model()->index(3, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, mapAt);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, mapAt);
        QCOMPARE(activeEditor(), map);
        QCOMPARE(m_Window->findChild<QMdiArea*>("mdiArea")->subWindowList().size(), 2);
    }

private:
    QString levelFile(const char* name) const { return m_Levels->filePath(name); }

    LevelEditorWindow* activeEditor() const {
        QMdiSubWindow* window = m_Window->findChild<QMdiArea*>("mdiArea")->activeSubWindow();
        return window ? qobject_cast<LevelEditorWindow*>(window->widget()) : nullptr;
    }

    MainWindowFixture m_F;
    std::unique_ptr<QTemporaryDir> m_Levels;
    std::unique_ptr<MainWindow> m_Window;
};

GM_TEST_MAIN(tst_EpisodePanel)
#include "tst_EpisodePanel.moc"
