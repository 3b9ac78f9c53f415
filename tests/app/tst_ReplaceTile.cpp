// Edit, Replace Tile... through the main window: the dialog typed into with
// real key events and clicks, its count as the scope changes, and one undo
// step in every open level of the episode, the other episode's level left
// alone.
#include "MainWindowFixture.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"
#include "editor/LevelEdits.h"

#include <QLabel>
#include <QRadioButton>
#include <QUndoStack>

class ReplaceTileTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void everyOpenLevelOfTheEpisode();

private:
    MainWindowFixture m_F;
};

void ReplaceTileTest::everyOpenLevelOfTheEpisode() {
    auto window = m_F.StartedWindow();
    QVERIFY(window);
    LevelEditorWindow* first = m_F.NewLevel(*window, 30, 20, 0);
    LevelEditorWindow* second = m_F.NewLevel(*window, 40, 20, 0);
    LevelEditorWindow* episodeTwo = m_F.NewLevel(*window, 30, 20, 1);
    QVERIFY(first && second && episodeTwo);
    // Tile 7 once in the first level, twice in the second and in the other
    // episode's.
    for (const auto& [editor, x] :
         {std::pair{first, 5}, {second, 5}, {second, 9}, {episodeTwo, 5}, {episodeTwo, 6}})
        leveledit::setTile(*editor, x, 4, 7);
    std::vector<qint16> expected[3];
    LevelEditorWindow* editors[3] = {first, second, episodeTwo};
    for (int i = 0; i < 3; ++i) {
        editors[i]->Document().undoStack().clear();
        expected[i] = editors[i]->Document().level().TilePlane();
        if (i < 2)
            std::replace(expected[i].begin(), expected[i].end(), qint16(7), qint16(9));
    }

    QStringList counts;
    m_F.prompts().dialogs.push_back([&counts](QDialog& dialog) {
        using controls::find;
        controls::retype(find<QLineEdit>(dialog, "replaceFromEdit"), "7");
        controls::retype(find<QLineEdit>(dialog, "replaceToEdit"), "9");
        const QLabel& count = find<QLabel>(dialog, "replaceCountLabel");
        counts << count.text();
        QTest::mouseClick(&find<QRadioButton>(dialog, "replaceInOpenLevelsButton"), Qt::LeftButton);
        counts << count.text();
        QTest::mouseClick(&find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    });
    drive(*first).trigger("replaceTileAction");
    QCOMPARE(counts, QStringList({"1 cell will change.", "3 cells will change in 2 levels."}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(editors[i]->Document().level().TilePlane(), expected[i]);
        QCOMPARE(editors[i]->Document().undoStack().count(), i < 2 ? 1 : 0);
    }
    QCOMPARE(drive(*second).action("undoAction")->text(), QStringLiteral("&Undo Replace Tile"));
}

GM_TEST_MAIN(ReplaceTileTest)
#include "tst_ReplaceTile.moc"
