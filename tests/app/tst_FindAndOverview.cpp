// The Find dock and the Overview dock in the main window, driven as a user
// does: a found cell double-clicked opens its level at the cell, F3 and
// Shift+F3 step through the list and go round its ends, and a drag in the
// overview scrolls the canvas while edits show in it.

#include "Level.h"
#include "MainWindowFixture.h"
#include "OverviewPane.h"
#include "OverviewPicture.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"
#include "editor/LevelEdits.h"

#include <QComboBox>
#include <QDockWidget>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace {

constexpr qint16 Sought = 33;

QStringList rows(const QListView* list) {
    QStringList out;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        out << list->model()->index(row, 0).data().toString();
    return out;
}

} // namespace

class FindAndOverviewTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }

    void init() {
        QVERIFY(m_F.Begin());
        m_Levels = std::make_unique<QTemporaryDir>();
        // Tile 33 in LEVEL05.CK1 at (30, 20) and in LEVEL12.CK1 at (3, 4)
        // and (80, 50).
        Level level;
        level.Create(40, 30, 1, 5);
        level.SetTile(30, 20, Sought);
        QVERIFY(level.Save(m_Levels->filePath("LEVEL05.CK1")).ok);
        level.Create(100, 60, 1, 12);
        level.SetTile(3, 4, Sought);
        level.SetTile(80, 50, Sought);
        QVERIFY(level.Save(m_Levels->filePath("LEVEL12.CK1")).ok);
        m_Window = m_F.StartedWindow(QSize(1200, 900));
        QVERIFY(m_Window);
    }

    void cleanup() {
        m_Window.reset();
        m_F.End();
    }

    // LEVEL05 open with one more 33, not saved; the whole folder searched;
    // a double-click on a cell of LEVEL12, which is not open, opens it
    // there.
    void doubleClickedCellOpensItsLevelThere() {
        LevelEditorWindow* level05 = openLevel05WithAnUnsavedHit();
        QVERIFY(level05);
        find(1);
        QCOMPARE(rows(m_List), QStringList({"LEVEL05.CK1: 10,10", "LEVEL05.CK1: 30,20",
                                            "LEVEL12.CK1: 3,4", "LEVEL12.CK1: 80,50"}));
        QCOMPARE(m_Dock->findChild<QLabel*>("findOutcome")->text(),
                 QStringLiteral("4 cells in 2 levels"));

        const QPoint middle = m_List->visualRect(m_List->model()->index(3, 0)).center();
        QTest::mouseClick(m_List->viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseDClick(m_List->viewport(), Qt::LeftButton, {}, middle);
        QCOMPARE(m_Window->Editors().size(), 2);
        LevelEditorWindow* level12 = m_Window->Editors().back();
        QCOMPARE(level12->DocumentName(), QStringLiteral("LEVEL12.CK1"));
        QCOMPARE(m_Window->findChild<QMdiArea*>()->activeSubWindow()->widget(), level12);
        QCOMPARE(level12->MarkedCell(), QPoint(80, 50));
        QVERIFY(shownCells(*level12).contains(QPoint(80, 50)));
    }

    void f3StepsThroughTheFoundCellsAndGoesRound() {
        LevelEditorWindow* level05 = openLevel05WithAnUnsavedHit();
        QVERIFY(level05);
        find(0);
        QCOMPARE(rows(m_List), QStringList({"LEVEL05.CK1: 10,10", "LEVEL05.CK1: 30,20"}));
        m_Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_Window.get()));
        drive(*level05).canvas()->setFocus();
        const struct {
            Qt::KeyboardModifiers modifiers;
            QPoint cell;
            QString message;
        } steps[] = {
            {{}, {10, 10}, "Cell 1 of 2: LEVEL05.CK1: 10,10"},
            {{}, {30, 20}, "Cell 2 of 2: LEVEL05.CK1: 30,20"},
            {{},
             {10, 10},
             "Past the last cell found, back to the first. Cell 1 of 2: LEVEL05.CK1: 10,10"},
            {Qt::ShiftModifier,
             {30, 20},
             "Before the first cell found, round to the last. Cell 2 of 2: LEVEL05.CK1: 30,20"},
        };
        for (const auto& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3, step.modifiers);
            QCOMPARE(level05->MarkedCell(), step.cell);
            QVERIFY(shownCells(*level05).contains(step.cell));
            QCOMPARE(m_Window->statusBar()->currentMessage(), step.message);
            QCOMPARE(m_List->currentIndex().data().toString(), step.message.section(": ", 1));
        }
    }

    // Dragging the view's rectangle moves the canvas by as many cells as
    // the rectangle moved; an edit shows in the overview as a drawing of
    // the whole level would show it.
    void overviewDragScrollsTheCanvasAndShowsEdits() {
        m_Window->OpenFiles({m_Levels->filePath("LEVEL12.CK1")});
        LevelEditorWindow* editor = m_Window->Editors().value(0);
        QVERIFY(editor);
        auto* dock = m_Window->findChild<QDockWidget*>("overviewDock");
        QVERIFY(dock && dock->isVisible());
        auto* pane = dock->findChild<OverviewPane*>("overviewPane");
        QTRY_VERIFY(pane->Picture() != nullptr && !pane->ViewPixels().isEmpty());
        QCOMPARE(editor->ViewOrigin(), QPoint(0, 0));
        const int cell = pane->Picture()->Picture().width() / 100;
        QVERIFY(cell >= 1);

        const QPoint from = pane->ViewPixels().topLeft() + QPoint(2, 2) * cell;
        const QPoint by = QPoint(12, 7) * cell;
        QTest::mousePress(pane, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + by),
                         pane->mapToGlobal(QPointF(from + by)), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(pane, &move);
        QTest::mouseRelease(pane, Qt::LeftButton, {}, from + by);
        QCOMPARE(editor->ViewOrigin(), QPoint(12, 7));
        QCOMPARE(drive(*editor).scrollX()->value(), 12);
        QCOMPARE(pane->ViewPixels().topLeft(), from + by - QPoint(2, 2) * cell);

        leveledit::setTile(*editor, 50, 30, Sought);
        leveledit::setTile(*editor, 51, 31, Sought);
        OverviewPicture whole(editor->Tiles(), editor->Sprites());
        whole.Reset(editor->Document().level(), pane->size());
        QTRY_COMPARE(pane->Picture()->Picture(), whole.Picture());

        // View, Overview hides it and shows it again.
        const QList<QAction*> view = drive(*editor).widget<QMenu>("viewMenu")->actions();
        const auto item = std::find_if(view.begin(), view.end(), [](const QAction* action) {
            return action->objectName() == "overviewAction";
        });
        QVERIFY(item != view.end());
        (*item)->trigger();
        QVERIFY(!dock->isVisible());
        (*item)->trigger();
        QVERIFY(dock->isVisible());
    }

private:
    LevelEditorWindow* openLevel05WithAnUnsavedHit() {
        m_Window->OpenFiles({m_Levels->filePath("LEVEL05.CK1")});
        LevelEditorWindow* editor = m_Window->Editors().value(0);
        if (editor == nullptr)
            return nullptr;
        leveledit::setTile(*editor, 10, 10, Sought);
        m_Dock = m_Window->findChild<QDockWidget*>("findDock");
        m_List = m_Dock ? m_Dock->findChild<QListView*>("findResults") : nullptr;
        return m_List ? editor : nullptr;
    }

    // Edit, Find Tile or Value with tile 33 typed, in the level (scope 0)
    // or its folder (1).
    void find(int scope) {
        LevelEditorWindow* editor = m_Window->Editors().value(0);
        drive(*editor).trigger("findAction");
        QVERIFY(m_Dock->isVisible());
        controls::retype(*m_Dock->findChild<QLineEdit*>("findValue"), QString::number(Sought));
        controls::choose(*m_Dock->findChild<QComboBox*>("findScope"), scope);
        QTest::mouseClick(m_Dock->findChild<QPushButton*>("findButton"), Qt::LeftButton);
    }

    static QRect shownCells(LevelEditorWindow& editor) {
        return QRect(editor.ViewOrigin(), editor.CanvasArea().CellsShown());
    }

    MainWindowFixture m_F;
    std::unique_ptr<QTemporaryDir> m_Levels;
    std::unique_ptr<MainWindow> m_Window;
    QDockWidget* m_Dock = nullptr;
    QListView* m_List = nullptr;
};

GM_TEST_MAIN(FindAndOverviewTest)
#include "tst_FindAndOverview.moc"
