// Undo and redo in a real editor window: drags and presses sent as real
// mouse events, Level, Properties through the dialog, undo in the middle of
// a drag, the Edit menu's texts, states and keys, and saving.
#include "CanvasParts.h"
#include "Controls.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "PictureBox.h"
#include "ScriptedPrompts.h"
#include "TestFiles.h"
#include "TestMain.h"

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
    QTest::mousePress(canvasparts::picture(w), button, {}, at(cells[0].x(), cells[0].y()));
    for (int i = 1; i < cells.size(); ++i)
        drag(canvasparts::picture(w), at(cells[i].x(), cells[i].y()));
    const QPoint last = cells.back();
    QTest::mouseRelease(canvasparts::picture(w), button, {}, at(last.x(), last.y()));
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
    w.mnuLevelProperties->trigger();
}

} // namespace

class tst_UndoRedo : public QObject {
    Q_OBJECT
private slots:
    void editMenu();
    void shortcutKeys();
    void dragsUndoAndRedoBothPlanes();
    void pressesThatChangeNothingMakeNoStep();
    void dragPaintedBackMakesNoStep();
    void secondButtonDuringDragIsTheSameStep();
    void undoDuringDrag();
    void undoDuringDragWithEarlierSteps();
    void redoIsDroppedByANewDrag();
    void propertiesResizeAndUndo();
    void propertiesUnchangedMakesNoStep();
    void saveKeepsTheStack();
    void aNewLevelStartsAFreshStack();
    void modifiedFollowsTheSavedLevel_data();
    void modifiedFollowsTheSavedLevel();
};

void tst_UndoRedo::editMenu() {
    Setup w;
    QCOMPARE(w->mnuEdit->actions().mid(0, 2), QList<QAction*>({w->mnuEditUndo, w->mnuEditRedo}));
    QCOMPARE(w->mnuEditUndo->shortcuts(),
             QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Z"))}));
    QCOMPARE(w->mnuEditRedo->shortcuts(),
             QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                  QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
    // Nothing to take back yet.
    QCOMPARE(w->mnuEditUndo->text(), QStringLiteral("&Undo"));
    QCOMPARE(w->mnuEditRedo->text(), QStringLiteral("&Redo"));
    QVERIFY(!w->mnuEditUndo->isEnabled());
    QVERIFY(!w->mnuEditRedo->isEnabled());
    // A disabled Undo does nothing, not even to the modified flag.
    w->mnuEditUndo->trigger();
    QVERIFY(!w->IsModified());

    paintDrag(*w, Qt::LeftButton, {{3, 3}});
    QCOMPARE(w->mnuEditUndo->text(), QStringLiteral("&Undo Paint"));
    QVERIFY(w->mnuEditUndo->isEnabled());
    QVERIFY(!w->mnuEditRedo->isEnabled());
    w->mnuEditUndo->trigger();
    QCOMPARE(w->mnuEditUndo->text(), QStringLiteral("&Undo"));
    QVERIFY(!w->mnuEditUndo->isEnabled());
    QCOMPARE(w->mnuEditRedo->text(), QStringLiteral("&Redo Paint"));
    QVERIFY(w->mnuEditRedo->isEnabled());
}

// The keys work once the menu is in the window's menu bar, as the main
// window puts it there.
void tst_UndoRedo::shortcutKeys() {
    Setup w;
    QVERIFY(editortest::installMenuBar(*w));
    paintDrag(*w, Qt::LeftButton, {{3, 3}});
    paintDrag(*w, Qt::LeftButton, {{4, 3}});
    QTest::keyClick(canvasparts::picture(*w), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->m_Level.Tile(4, 3), qint16(143));
    QTest::keyClick(canvasparts::picture(*w), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->m_Level.Tile(3, 3), qint16(143));
    QTest::keyClick(canvasparts::picture(*w), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(w->m_Level.Tile(3, 3), qint16(7));
    QTest::keyClick(canvasparts::picture(*w), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w->m_Level.Tile(4, 3), qint16(7));
    QCOMPARE(w->Document().undoStack().index(), 2);
}

void tst_UndoRedo::dragsUndoAndRedoBothPlanes() {
    Setup w;
    leveledit::setInfo(*w, 12, 6, 33);
    const Level start = w->m_Level;

    // Tile mode: one drag with jumps between its cells.
    paintDrag(*w, Qt::LeftButton, {{2, 2}, {3, 2}, {5, 3}, {6, 3}, {6, 4}});
    const Level afterTiles = w->m_Level;
    QCOMPARE(afterTiles.Tile(5, 3), qint16(7));
    QCOMPARE(w->Document().undoStack().count(), 1);

    // Sprite mode: a drag placing sprite 4, and a right drag erasing.
    w->optMode[1]->click();
    paintDrag(*w, Qt::LeftButton, {{10, 6}, {11, 6}});
    paintDrag(*w, Qt::RightButton, {{12, 6}, {12, 2}});
    const Level afterSprites = w->m_Level;
    QCOMPARE(afterSprites.Info(11, 6), qint16(4));
    QCOMPARE(afterSprites.Info(12, 6), qint16(0));
    QCOMPARE(w->Document().undoStack().count(), 3);

    leveledit::setModified(*w, false);
    w->mnuEditUndo->trigger();
    w->mnuEditUndo->trigger();
    QVERIFY(w->m_Level == afterTiles);
    QVERIFY(w->IsModified());
    QVERIFY(canvasShowsLevel(*w));
    w->mnuEditUndo->trigger();
    QVERIFY(w->m_Level == start);
    QVERIFY(canvasShowsLevel(*w));
    QVERIFY(!w->mnuEditUndo->isEnabled());

    leveledit::setModified(*w, false);
    w->mnuEditRedo->trigger();
    QVERIFY(w->m_Level == afterTiles);
    QVERIFY(w->IsModified());
    w->mnuEditRedo->trigger();
    w->mnuEditRedo->trigger();
    QVERIFY(w->m_Level == afterSprites);
    QVERIFY(canvasShowsLevel(*w));
    QVERIFY(!w->mnuEditRedo->isEnabled());
}

void tst_UndoRedo::pressesThatChangeNothingMakeNoStep() {
    Setup w;
    leveledit::setTile(*w, 5, 5, 7);
    leveledit::setInfo(*w, 6, 6, 9);
    const Level before = w->m_Level;
    // A pick, a press painting what the cell holds, Shift and Alt presses,
    // a middle press in sprite mode and a right press on an empty cell.
    QTest::mouseClick(canvasparts::picture(*w), Qt::RightButton, Qt::ControlModifier, at(20, 20));
    QTest::mouseClick(canvasparts::picture(*w), Qt::LeftButton, {}, at(5, 5));
    QTest::mouseClick(canvasparts::picture(*w), Qt::LeftButton, Qt::ShiftModifier, at(8, 8));
    QTest::mouseClick(canvasparts::picture(*w), Qt::RightButton, Qt::AltModifier, at(8, 8));
    w->optMode[1]->click();
    QTest::mouseClick(canvasparts::picture(*w), Qt::MiddleButton, {}, at(6, 6));
    QTest::mouseClick(canvasparts::picture(*w), Qt::RightButton, {}, at(7, 7));
    QVERIFY(w->m_Level == before);
    QCOMPARE(w->Document().undoStack().count(), 0);
    QVERIFY(!w->mnuEditUndo->isEnabled());
    // Nor do they make the level modified.
    QVERIFY(!w->IsModified());
}

void tst_UndoRedo::dragPaintedBackMakesNoStep() {
    Setup w;
    leveledit::setTile(*w, 9, 4, 143);
    QTest::mousePress(canvasparts::picture(*w), Qt::LeftButton, {}, at(4, 4));
    QCOMPARE(w->m_Level.Tile(4, 4), qint16(7));
    // Undo offers the drag in progress.
    QVERIFY(w->mnuEditUndo->isEnabled());
    QCOMPARE(w->mnuEditUndo->text(), QStringLiteral("&Undo Paint"));
    // Ctrl picks the fill tile on the way, then the drag paints it back.
    drag(canvasparts::picture(*w), at(9, 4), Qt::ControlModifier);
    QCOMPARE(w->SelectedTile(0), qint16(143));
    drag(canvasparts::picture(*w), at(4, 4));
    QCOMPARE(w->m_Level.Tile(4, 4), qint16(143));
    QVERIFY(!w->mnuEditUndo->isEnabled());
    QTest::mouseRelease(canvasparts::picture(*w), Qt::LeftButton, {}, at(4, 4));
    QCOMPARE(w->Document().undoStack().count(), 0);
}

void tst_UndoRedo::secondButtonDuringDragIsTheSameStep() {
    Setup w;
    const Level before = w->m_Level;
    QTest::mousePress(canvasparts::picture(*w), Qt::LeftButton, {}, at(2, 2));
    QTest::mousePress(canvasparts::picture(*w), Qt::RightButton, {}, at(3, 2));
    drag(canvasparts::picture(*w), at(4, 2));
    QTest::mouseRelease(canvasparts::picture(*w), Qt::RightButton, {}, at(4, 2));
    QTest::mouseRelease(canvasparts::picture(*w), Qt::LeftButton, {}, at(4, 2));
    QCOMPARE(w->m_Level.Tile(3, 2), qint16(9));
    QCOMPARE(w->Document().undoStack().count(), 1);
    w->mnuEditUndo->trigger();
    QVERIFY(w->m_Level == before);
}

void tst_UndoRedo::undoDuringDrag() {
    Setup w;
    const Level before = w->m_Level;
    QTest::mousePress(canvasparts::picture(*w), Qt::LeftButton, {}, at(2, 2));
    drag(canvasparts::picture(*w), at(3, 2));
    const Level painted = w->m_Level;
    w->mnuEditUndo->trigger();
    // The drag ended and its step was taken back whole.
    QVERIFY(!w->Drawing());
    QVERIFY(w->m_Level == before);
    QVERIFY(canvasShowsLevel(*w));
    QCOMPARE(w->Document().undoStack().count(), 1);
    QCOMPARE(w->Document().undoStack().index(), 0);
    // The button is still held: further moves paint nothing, the release
    // makes no step.
    drag(canvasparts::picture(*w), at(4, 2));
    drag(canvasparts::picture(*w), at(5, 2));
    QVERIFY(w->m_Level == before);
    QTest::mouseRelease(canvasparts::picture(*w), Qt::LeftButton, {}, at(5, 2));
    QCOMPARE(w->Document().undoStack().count(), 1);
    QVERIFY(w->mnuEditRedo->isEnabled());
    w->mnuEditRedo->trigger();
    QVERIFY(w->m_Level == painted);
    // A new drag afterwards is a step of its own.
    paintDrag(*w, Qt::RightButton, {{8, 8}});
    QCOMPARE(w->Document().undoStack().count(), 2);
    w->mnuEditUndo->trigger();
    QVERIFY(w->m_Level == painted);
}

void tst_UndoRedo::undoDuringDragWithEarlierSteps() {
    Setup w;
    paintDrag(*w, Qt::LeftButton, {{2, 2}});
    const Level first = w->m_Level;
    // A drag that only picked so far: undo takes back the step before it.
    QTest::mousePress(canvasparts::picture(*w), Qt::LeftButton, Qt::ControlModifier, at(6, 6));
    QCOMPARE(w->mnuEditUndo->text(), QStringLiteral("&Undo Paint"));
    w->mnuEditUndo->trigger();
    QVERIFY(!w->Drawing());
    QCOMPARE(w->m_Level.Tile(2, 2), qint16(143));
    drag(canvasparts::picture(*w), at(7, 6));
    QTest::mouseRelease(canvasparts::picture(*w), Qt::LeftButton, {}, at(7, 6));
    QCOMPARE(w->Document().undoStack().count(), 1);
    // Redo in the middle of a drag that has changed nothing.
    QTest::mousePress(canvasparts::picture(*w), Qt::LeftButton, Qt::ShiftModifier, at(6, 6));
    QVERIFY(w->mnuEditRedo->isEnabled());
    w->mnuEditRedo->trigger();
    QVERIFY(!w->Drawing());
    QVERIFY(w->m_Level == first);
    QTest::mouseRelease(canvasparts::picture(*w), Qt::LeftButton, {}, at(6, 6));
    QCOMPARE(w->Document().undoStack().count(), 1);
}

void tst_UndoRedo::redoIsDroppedByANewDrag() {
    Setup w;
    paintDrag(*w, Qt::LeftButton, {{2, 2}});
    w->mnuEditUndo->trigger();
    QVERIFY(w->mnuEditRedo->isEnabled());
    QTest::mousePress(canvasparts::picture(*w), Qt::RightButton, {}, at(5, 5));
    // Once the drag has changed a cell, there is nothing to redo any more.
    QVERIFY(!w->mnuEditRedo->isEnabled());
    w->mnuEditRedo->trigger();
    QCOMPARE(w->m_Level.Tile(2, 2), qint16(143));
    QTest::mouseRelease(canvasparts::picture(*w), Qt::RightButton, {}, at(5, 5));
    QCOMPARE(w->Document().undoStack().count(), 1);
    QCOMPARE(w->m_Level.Tile(5, 5), qint16(9));
    QCOMPARE(w->m_Level.Tile(2, 2), qint16(143));
}

void tst_UndoRedo::propertiesResizeAndUndo() {
    Setup w(30, 20, 1, 5);
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    // Cells in the columns and rows the smaller size cuts, in both planes.
    paintDrag(*w, Qt::LeftButton, {{29, 5}, {28, 5}});
    w->optMode[1]->click();
    paintDrag(*w, Qt::LeftButton, {{10, 19}, {29, 19}});
    leveledit::setModified(*w, false);
    const Level before = w->m_Level;
    const qint16 episode1Sprites = w->Sprites().Count();
    w->mnuViewZoomIn_Click();

    changeProperties(prompts, *w, QStringLiteral("28"), QStringLiteral("18"), 2);
    QCOMPARE(w->m_Level.Width(), qint16(28));
    QCOMPARE(w->m_Level.Height(), qint16(18));
    QCOMPARE(w->m_Level.Episode(), qint16(3));
    QVERIFY(w->IsModified());
    const Level after = w->m_Level;
    const qint16 episode3Sprites = w->Sprites().Count();
    QVERIFY(episode3Sprites != episode1Sprites);
    QCOMPARE(w->Document().undoStack().count(), 3);
    QCOMPARE(w->mnuEditUndo->text(), QStringLiteral("&Undo Properties"));

    w->mnuEditUndo->trigger();
    QVERIFY(w->m_Level == before);
    QCOMPARE(w->m_Level.Tile(29, 5), qint16(7));
    QCOMPARE(w->m_Level.Info(29, 19), qint16(4));
    // Back where it was saved.
    QVERIFY(!w->IsModified());
    // Episode 1's sets again, as after the dialog, the canvas at 1x.
    QCOMPARE(w->Sprites().Count(), episode1Sprites);
    QCOMPARE(w->CanvasZoom().Exponent(), 0);
    const int sw = canvasparts::canvas(*w)->width();
    QCOMPARE(canvasparts::scrollX(*w)->maximum(), qMax(0, 30 - (sw - 17 + 15) / 16 + 1));
    QVERIFY(canvasShowsLevel(*w));
    QCOMPARE(w->mnuEditRedo->text(), QStringLiteral("&Redo Properties"));

    w->mnuEditRedo->trigger();
    QVERIFY(w->m_Level == after);
    QVERIFY(w->IsModified());
    QCOMPARE(w->Sprites().Count(), episode3Sprites);
    QVERIFY(canvasShowsLevel(*w));

    // All the way back, then forward again.
    for (int i = 0; i < 3; ++i)
        w->mnuEditUndo->trigger();
    Level fresh;
    fresh.Create(30, 20, 1, 5);
    QVERIFY(w->m_Level == fresh);
    for (int i = 0; i < 3; ++i)
        w->mnuEditRedo->trigger();
    QVERIFY(w->m_Level == after);
}

void tst_UndoRedo::propertiesUnchangedMakesNoStep() {
    Setup w(30, 20, 1, 5);
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    changeProperties(prompts, *w, QStringLiteral("30"), QStringLiteral("20"), 0);
    QCOMPARE(prompts.shownDialogs.size(), size_t(1));
    QCOMPARE(w->Document().undoStack().count(), 0);
}

void tst_UndoRedo::saveKeepsTheStack() {
    Setup w;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("LEVEL01.CK1"));
    leveledit::placeStart(*w);
    paintDrag(*w, Qt::LeftButton, {{2, 2}, {3, 2}});
    prompts.files.push_back(ScriptedPrompts::File::Choose(file));
    QVERIFY(w->mnuFileSave_Click());
    QVERIFY(!w->IsModified());
    const QByteArray bytes = fileBytes(file);
    QCOMPARE(w->Document().undoStack().count(), 1);
    QVERIFY(w->mnuEditUndo->isEnabled());
    w->mnuEditUndo->trigger();
    QVERIFY(w->IsModified());
    QCOMPARE(w->m_Level.Tile(2, 2), qint16(143));
    // Undo changes the window's level, not the file.
    QCOMPARE(fileBytes(file), bytes);
    // Saving again and redoing: the step is still there.
    QVERIFY(w->mnuFileSave_Click());
    w->mnuEditRedo->trigger();
    QCOMPARE(w->m_Level.Tile(2, 2), qint16(7));
    QVERIFY(w->IsModified());
}

void tst_UndoRedo::aNewLevelStartsAFreshStack() {
    Setup w;
    paintDrag(*w, Qt::LeftButton, {{2, 2}});
    // Replaced in the middle of a drag: neither the old step nor the drag
    // may act on the new level.
    QTest::mousePress(canvasparts::picture(*w), Qt::LeftButton, {}, at(5, 5));
    w->NewLevel(100, 60, 1, 1);
    const Level fresh = w->m_Level;
    QCOMPARE(w->Document().undoStack().count(), 0);
    QVERIFY(!w->mnuEditUndo->isEnabled());
    QTest::mouseRelease(canvasparts::picture(*w), Qt::LeftButton, {}, at(5, 5));
    QCOMPARE(w->Document().undoStack().count(), 0);
    QVERIFY(w->m_Level == fresh);
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
    QTest::newRow("saved, undone") << "psu" << true;
    QTest::newRow("saved, undone, redone") << "psuy" << false;
    QTest::newRow("back past the save, then new") << "psup" << true;
    QTest::newRow("saved, painted, undone") << "spu" << false;
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
            QTest::mouseClick(canvasparts::picture(*w), Qt::LeftButton, Qt::ControlModifier,
                              at(4, 4));
            break;
        case 'r':
            changeProperties(prompts, *w, QStringLiteral("110"), QStringLiteral("60"), 0);
            break;
        case 'u':
            w->mnuEditUndo->trigger();
            break;
        case 'y':
            w->mnuEditRedo->trigger();
            break;
        case 's':
            QVERIFY(w->mnuFileSave_Click());
            break;
        case 'f':
            leveledit::setFileName(*w, dir.filePath(QStringLiteral("gone/LEVEL01.CK1")));
            QVERIFY(!w->mnuFileSave_Click());
            leveledit::setFileName(*w, file);
            break;
        case 'm':
            leveledit::setModified(*w, true);
            break;
        case 'd':
            QTest::mousePress(canvasparts::picture(*w), Qt::LeftButton, {}, at(9, 9));
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
