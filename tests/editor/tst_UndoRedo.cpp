// Undo and redo in a real editor window: drags and presses sent as real
// mouse events, Level, Properties through the dialog, undo in the middle of
// a drag, the Edit menu's texts, states and keys, and saving.
#include "Controls.h"
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "PictureBox.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

namespace {

using editortest::at;
using editortest::canvasShowsLevel;
using editortest::drag;

// A press at the first cell, moves over the others, a release at the last.
void paintDrag(LevelEditorWindow& w, Qt::MouseButton button, const QList<QPoint>& cells) {
    QTest::mousePress(drive(w).canvas(), button, {}, at(cells[0].x(), cells[0].y()));
    for (int i = 1; i < cells.size(); ++i)
        drag(drive(w).canvas(), at(cells[i].x(), cells[i].y()));
    const QPoint last = cells.back();
    QTest::mouseRelease(drive(w).canvas(), button, {}, at(last.x(), last.y()));
}

using Setup = editortest::EditingWindow;

// Level, Properties answered with a new size and episode.
void changeProperties(ScriptedPrompts& prompts, LevelEditorWindow& w, const QString& width,
                      const QString& height, int episodeIndex) {
    prompts.dialogs.push_back([=](QDialog& d) {
        controls::retype(controls::find<QLineEdit>(d, "widthEdit"), width);
        controls::retype(controls::find<QLineEdit>(d, "heightEdit"), height);
        controls::choose(controls::find<QComboBox>(d, "episodeList"), episodeIndex);
        ScriptedPrompts::click(d, QStringLiteral("OK"));
    });
    drive(w).action("propertiesAction")->trigger();
}

} // namespace

class tst_UndoRedo : public QObject {
    Q_OBJECT
private slots:
    void editMenu();
    void shortcutKeys();
    void secondButtonDuringDragIsTheSameStep();
    void undoDuringDrag();
    void undoDuringDragWithEarlierSteps();
    void propertiesResizeAndUndo();
    void aNewLevelStartsAFreshStack();
    void modifiedFollowsTheSavedLevel_data();
    void modifiedFollowsTheSavedLevel();
};

void tst_UndoRedo::editMenu() {
    Setup w;
    QCOMPARE(drive(*w).widget<QMenu>("editMenu")->actions().mid(0, 2),
             QList<QAction*>({drive(*w).action("undoAction"), drive(*w).action("redoAction")}));
    QCOMPARE(drive(*w).action("undoAction")->shortcuts(),
             QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Z"))}));
    QCOMPARE(drive(*w).action("redoAction")->shortcuts(),
             QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    // Nothing to take back yet.
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo"));
    QCOMPARE(drive(*w).action("redoAction")->text(), QStringLiteral("&Redo"));
    QVERIFY(!drive(*w).action("undoAction")->isEnabled());
    QVERIFY(!drive(*w).action("redoAction")->isEnabled());
    // A disabled Undo does nothing, not even to the modified flag.
    drive(*w).action("undoAction")->trigger();
    QVERIFY(!w->IsModified());

    paintDrag(*w, Qt::LeftButton, {{3, 3}});
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Paint"));
    QVERIFY(drive(*w).action("undoAction")->isEnabled());
    QVERIFY(!drive(*w).action("redoAction")->isEnabled());
    drive(*w).action("undoAction")->trigger();
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo"));
    QVERIFY(!drive(*w).action("undoAction")->isEnabled());
    QCOMPARE(drive(*w).action("redoAction")->text(), QStringLiteral("&Redo Paint"));
    QVERIFY(drive(*w).action("redoAction")->isEnabled());
}

// The keys work once the menu is in the window's menu bar, as the main
// window puts it there.
void tst_UndoRedo::shortcutKeys() {
    Setup w;
    QVERIFY(editortest::installMenuBar(*w));
    paintDrag(*w, Qt::LeftButton, {{3, 3}});
    paintDrag(*w, Qt::LeftButton, {{4, 3}});
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->Document().level().Tile(4, 3), qint16(143));
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->Document().level().Tile(3, 3), qint16(143));
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w->Document().level().Tile(3, 3), qint16(7));
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->Document().level().Tile(4, 3), qint16(7));
    QCOMPARE(w->Document().undoStack().index(), 2);
}

void tst_UndoRedo::secondButtonDuringDragIsTheSameStep() {
    Setup w;
    const Level before = w->Document().level();
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(2, 2));
    QTest::mousePress(drive(*w).canvas(), Qt::RightButton, {}, at(3, 2));
    drag(drive(*w).canvas(), at(4, 2));
    QTest::mouseRelease(drive(*w).canvas(), Qt::RightButton, {}, at(4, 2));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(4, 2));
    QCOMPARE(w->Document().level().Tile(3, 2), qint16(9));
    QCOMPARE(w->Document().undoStack().count(), 1);
    drive(*w).action("undoAction")->trigger();
    QVERIFY(w->Document().level() == before);
}

void tst_UndoRedo::undoDuringDrag() {
    Setup w;
    const Level before = w->Document().level();
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(2, 2));
    drag(drive(*w).canvas(), at(3, 2));
    const Level painted = w->Document().level();
    drive(*w).action("undoAction")->trigger();
    // The drag ended and its step was taken back whole.
    QVERIFY(!w->Drawing());
    QVERIFY(w->Document().level() == before);
    QVERIFY(canvasShowsLevel(*w));
    QCOMPARE(w->Document().undoStack().count(), 1);
    QCOMPARE(w->Document().undoStack().index(), 0);
    // The button is still held: further moves paint nothing, the release
    // makes no step.
    drag(drive(*w).canvas(), at(4, 2));
    drag(drive(*w).canvas(), at(5, 2));
    QVERIFY(w->Document().level() == before);
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(5, 2));
    QCOMPARE(w->Document().undoStack().count(), 1);
    QVERIFY(drive(*w).action("redoAction")->isEnabled());
    drive(*w).action("redoAction")->trigger();
    QVERIFY(w->Document().level() == painted);
    // A new drag afterwards is a step of its own.
    paintDrag(*w, Qt::RightButton, {{8, 8}});
    QCOMPARE(w->Document().undoStack().count(), 2);
    drive(*w).action("undoAction")->trigger();
    QVERIFY(w->Document().level() == painted);
}

void tst_UndoRedo::undoDuringDragWithEarlierSteps() {
    Setup w;
    paintDrag(*w, Qt::LeftButton, {{2, 2}});
    const Level first = w->Document().level();
    // A drag that only picked so far: undo takes back the step before it.
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, Qt::ControlModifier, at(6, 6));
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Paint"));
    drive(*w).action("undoAction")->trigger();
    QVERIFY(!w->Drawing());
    QCOMPARE(w->Document().level().Tile(2, 2), qint16(143));
    drag(drive(*w).canvas(), at(7, 6));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(7, 6));
    QCOMPARE(w->Document().undoStack().count(), 1);
    // Redo in the middle of a drag that has changed nothing.
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, Qt::ShiftModifier, at(6, 6));
    QVERIFY(drive(*w).action("redoAction")->isEnabled());
    drive(*w).action("redoAction")->trigger();
    QVERIFY(!w->Drawing());
    QVERIFY(w->Document().level() == first);
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(6, 6));
    QCOMPARE(w->Document().undoStack().count(), 1);
}

void tst_UndoRedo::propertiesResizeAndUndo() {
    Setup w(30, 20, 1, 5);
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    // Cells in the columns and rows the smaller size cuts, in both planes.
    paintDrag(*w, Qt::LeftButton, {{29, 5}, {28, 5}});
    drive(*w).modeButton(1)->click();
    paintDrag(*w, Qt::LeftButton, {{10, 19}, {29, 19}});
    leveledit::setModified(*w, false);
    const Level before = w->Document().level();
    const qint16 episode1Sprites = w->Sprites().Count();
    drive(*w).trigger("zoomInAction");

    changeProperties(prompts, *w, QStringLiteral("28"), QStringLiteral("18"), 2);
    QCOMPARE(w->Document().level().Width(), qint16(28));
    QCOMPARE(w->Document().level().Height(), qint16(18));
    QCOMPARE(w->Document().level().Episode(), qint16(3));
    QVERIFY(w->IsModified());
    const Level after = w->Document().level();
    const qint16 episode3Sprites = w->Sprites().Count();
    QVERIFY(episode3Sprites != episode1Sprites);
    QCOMPARE(w->Document().undoStack().count(), 3);
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Properties"));

    drive(*w).action("undoAction")->trigger();
    QVERIFY(w->Document().level() == before);
    QCOMPARE(w->Document().level().Tile(29, 5), qint16(7));
    QCOMPARE(w->Document().level().Info(29, 19), qint16(4));
    // Back where it was saved.
    QVERIFY(!w->IsModified());
    // Episode 1's sets again, as after the dialog, the canvas at 1x.
    QCOMPARE(w->Sprites().Count(), episode1Sprites);
    QCOMPARE(w->CanvasZoom().Exponent(), 0);
    const int sw = drive(*w).levelCanvas()->width();
    QCOMPARE(drive(*w).scrollX()->maximum(), qMax(0, 30 - (sw - 17 + 15) / 16 + 1));
    QVERIFY(canvasShowsLevel(*w));
    QCOMPARE(drive(*w).action("redoAction")->text(), QStringLiteral("&Redo Properties"));

    drive(*w).action("redoAction")->trigger();
    QVERIFY(w->Document().level() == after);
    QVERIFY(w->IsModified());
    QCOMPARE(w->Sprites().Count(), episode3Sprites);
    QVERIFY(canvasShowsLevel(*w));

    // All the way back, then forward again.
    for (int i = 0; i < 3; ++i)
        drive(*w).action("undoAction")->trigger();
    Level fresh;
    fresh.Create(30, 20, 1, 5);
    QVERIFY(w->Document().level() == fresh);
    for (int i = 0; i < 3; ++i)
        drive(*w).action("redoAction")->trigger();
    QVERIFY(w->Document().level() == after);
}

void tst_UndoRedo::aNewLevelStartsAFreshStack() {
    Setup w;
    paintDrag(*w, Qt::LeftButton, {{2, 2}});
    // Replaced in the middle of a drag: neither the old step nor the drag
    // may act on the new level.
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(5, 5));
    w->NewLevel(100, 60, 1, 1);
    const Level fresh = w->Document().level();
    QCOMPARE(w->Document().undoStack().count(), 0);
    QVERIFY(!drive(*w).action("undoAction")->isEnabled());
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(5, 5));
    QCOMPARE(w->Document().undoStack().count(), 0);
    QVERIFY(w->Document().level() == fresh);
}

// Each step of `steps`: p paint a cell, k a Ctrl+click pick, r Level,
// Properties to 110 x 60, u undo, y redo, s save, f a save that fails, m a
// change the undo stack does not hold, d a press that paints and is not
// yet released.
void tst_UndoRedo::modifiedFollowsTheSavedLevel_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("modified");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("a pick") << "k" << false;
    QTest::newRow("painted") << "p" << true;
    QTest::newRow("painted and undone") << "pu" << false;
    QTest::newRow("properties only") << "r" << true;
    QTest::newRow("properties undone") << "ru" << false;
    QTest::newRow("properties redone") << "ruy" << true;
    QTest::newRow("saved") << "prs" << false;
    QTest::newRow("failed save") << "pf" << true;
    QTest::newRow("failed save after a save") << "pspf" << true;
    QTest::newRow("outside the stack, undone") << "mpu" << true;
    QTest::newRow("outside the stack, saved") << "ms" << false;
    QTest::newRow("drag in progress") << "d" << true;
    QTest::newRow("drag in progress, saved") << "ds" << false;
}

void tst_UndoRedo::modifiedFollowsTheSavedLevel() {
    QFETCH(QString, steps);
    QFETCH(bool, modified);
    Setup w;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("LEVEL01.CK1"));
    leveledit::setFileName(*w, file);
    leveledit::placeStart(*w);
    int painted = 0;
    for (QChar step : steps) {
        switch (step.toLatin1()) {
        case 'p':
            paintDrag(*w, Qt::LeftButton, {{2 + painted++, 2}});
            break;
        case 'k':
            QTest::mouseClick(drive(*w).canvas(), Qt::LeftButton, Qt::ControlModifier, at(4, 4));
            break;
        case 'r':
            changeProperties(prompts, *w, QStringLiteral("110"), QStringLiteral("60"), 0);
            break;
        case 'u':
            drive(*w).action("undoAction")->trigger();
            break;
        case 'y':
            drive(*w).action("redoAction")->trigger();
            break;
        case 's':
            QVERIFY(w->Save());
            break;
        case 'f':
            leveledit::setFileName(*w, dir.filePath(QStringLiteral("gone/LEVEL01.CK1")));
            QVERIFY(!w->Save());
            leveledit::setFileName(*w, file);
            break;
        case 'm':
            leveledit::setModified(*w, true);
            break;
        case 'd':
            QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(9, 9));
            break;
        }
    }
    QCOMPARE(w->IsModified(), modified);
    // The caption's unsaved mark follows.
    QCOMPARE(w->isWindowModified(), modified);
    // Closing asks exactly when there is something to lose (Cancel keeps
    // the window).
    const size_t before = prompts.messages.size();
    QCOMPARE(w->close(), !modified);
    QCOMPARE(prompts.messages.size(), before + (modified ? 1 : 0));
}

GM_TEST_MAIN(tst_UndoRedo)
#include "tst_UndoRedo.moc"
