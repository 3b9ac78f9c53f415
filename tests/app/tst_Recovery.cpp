// Recovery copies across a crash: an editor process killed with unsaved
// edits, the list offered at the next start and what each answer does, and
// the copy of a restored level going once its changes are saved or thrown
// away.
#include "LevelDocument.h"
#include "MainWindowFixture.h"
#include "RecoveryKeeper.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TestPaths.h"

#include <QDir>
#include <QProcess>
#include <QTreeWidget>

namespace {

QStringList copiesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files);
}

QAction* editorAction(const LevelEditorWindow& editor, const QString& text) {
    for (QAction* action : editor.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The texts of every row of the recovery list, columns joined by "|".
QStringList listedRows(QDialog& dialog) {
    QStringList rows;
    const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("recoveryList"));
    for (int i = 0; list != nullptr && i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        rows << row->text(0) + QLatin1Char('|') + row->text(2);
    }
    return rows;
}

} // namespace

class tst_Recovery : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void killedEditorComesBackExactly();
    void offeredCopiesFollowTheAnswer_data();
    void offeredCopiesFollowTheAnswer();
    void closingARestoredLevel_data();
    void closingARestoredLevel();

private:
    QString recoveryFolder() const { return m_F.sandbox.data->filePath("Gridmason/recovery"); }
    // A copy of a level never saved (episode 2, `number`) with tile `tile`
    // at (4, 4), left by a program that ended without saving it.
    void leaveCopy(qint16 number, qint16 tile);
    // The main window on the sandbox's recovery folder, its list answered
    // by `button` after unticking row `untick` (-1: none); the rows listed
    // go to `listed`.
    std::unique_ptr<MainWindow> startAnswering(const QString& button, int untick = -1,
                                               QStringList* listed = nullptr);

    MainWindowFixture m_F;
};

void tst_Recovery::leaveCopy(qint16 number, qint16 tile) {
    LevelDocument document;
    document.NewLevel(30, 20, 2, number);
    RecoveryKeeper keeper(document, RecoveryStore(recoveryFolder()));
    keeper.SetDelays(0, 0);
    const qsizetype before = copiesIn(recoveryFolder()).size();
    document.SetCell(CellChange::TilePlane, 4, 4, tile);
    QTRY_COMPARE(copiesIn(recoveryFolder()).size(), before + 1);
}

std::unique_ptr<MainWindow> tst_Recovery::startAnswering(const QString& button, int untick,
                                                         QStringList* listed) {
    auto window = m_F.StartedWindow();
    if (!window)
        return nullptr;
    window->SetRecoveryFolder(recoveryFolder());
    m_F.prompts().dialogs.push_back([=](QDialog& dialog) {
        if (listed != nullptr)
            *listed = listedRows(dialog);
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("recoveryList"));
        if (untick >= 0)
            list->topLevelItem(untick)->setCheckState(0, Qt::Unchecked);
        ScriptedPrompts::click(dialog, button);
    });
    window->OfferRecovery();
    return window;
}

// A real editor process with unsaved edits is killed; the next start
// restores exactly those cells as a modified window of the level's file,
// which stays untouched until the user saves.
void tst_Recovery::killedEditorComesBackExactly() {
    GM_REQUIRE_REAL_DATA();
    QVERIFY(m_F.WriteDemoPaths());
    const QString file = m_F.programFile("LEVEL01.CK1");
    QVERIFY(QFile::copy(realDataDir() + "/LEVEL01.CK1", file));
    const QByteArray original = fileBytes(file);
    Level expected;
    QVERIFY(expected.Load(file).ok);
    // What the edits change, as the game's level holds it.
    QCOMPARE(expected.Tile(2, 3), qint16(258));
    QCOMPARE(expected.Tile(10, 5), qint16(143));
    QCOMPARE(expected.Info(10, 5), qint16(0));
    expected.SetTile(2, 3, 150);
    expected.SetTile(10, 5, 200);
    expected.SetInfo(10, 5, 3);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", m_F.sandbox.data->path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(
        GM_BINARY_DIR "/tests/app/gm_recovery_child",
        {m_F.sandbox.program->path(), m_F.sandbox.config->path(), file, "2,3,150,0", "10,5,200,3"});
    QTRY_VERIFY_WITH_TIMEOUT(
        !copiesIn(recoveryFolder()).isEmpty() || child.state() == QProcess::NotRunning, 60000);
    QVERIFY2(child.state() == QProcess::Running, child.readAllStandardError().constData());
    child.kill();
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    QStringList listed;
    m_F.prompts().defaultYesNo = Prompts::Answer::Yes;
    auto window = startAnswering("Restore selected", -1, &listed);
    QVERIFY(window);
    QCOMPARE(listed, QStringList("Keen 1, level 1|" + QDir::toNativeSeparators(file)));
    QCOMPARE(window->Editors().size(), 1);
    LevelEditorWindow* editor = window->Editors().front();
    QCOMPARE(editor->FileName(), file);
    QVERIFY(editor->IsModified());
    QVERIFY(editor->Document().level() == expected);
    QCOMPARE(fileBytes(file), original);

    editorAction(*editor, "&Save")->trigger();
    Level saved;
    QVERIFY(saved.Load(file).ok);
    QVERIFY(saved == expected);
    QVERIFY(!editor->IsModified());
    QCOMPARE(copiesIn(recoveryFolder()), QStringList());
}

void tst_Recovery::offeredCopiesFollowTheAnswer_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("untick");
    QTest::addColumn<QList<int>>("openedTiles");
    QTest::addColumn<int>("offeredAgain");
    QTest::addColumn<int>("onDisk");
    // The newest copy (tile 22) is listed first; a restored copy stays on
    // disk, held by its window.
    QTest::newRow("restore all") << "Restore selected" << -1 << QList<int>{22, 11} << 0 << 2;
    QTest::newRow("restore one") << "Restore selected" << 1 << QList<int>{22} << 1 << 2;
    QTest::newRow("discard all") << "Discard" << -1 << QList<int>{} << 0 << 0;
    QTest::newRow("discard one") << "Discard" << 0 << QList<int>{} << 1 << 1;
    QTest::newRow("keep for later") << "Keep for later" << -1 << QList<int>{} << 2 << 2;
}

void tst_Recovery::offeredCopiesFollowTheAnswer() {
    QFETCH(QString, button);
    QFETCH(int, untick);
    QFETCH(QList<int>, openedTiles);
    leaveCopy(1, 11);
    QTest::qWait(10); // a later time for the second copy
    leaveCopy(80, 22);
    QStringList listed;
    auto window = startAnswering(button, untick, &listed);
    QVERIFY(window);
    QCOMPARE(listed, QStringList({"Keen 2, world map|Never saved", "Keen 2, level 1|Never saved"}));

    QList<int> opened;
    for (const LevelEditorWindow* editor : window->Editors()) {
        QVERIFY(editor->IsModified());
        QCOMPARE(editor->FileName(), QString());
        QCOMPARE(editor->Document().level().Episode(), qint16(2));
        opened << editor->Document().level().Tile(4, 4);
    }
    QCOMPARE(opened, openedTiles);
    QTEST(int(RecoveryStore(recoveryFolder()).ClaimOrphans().size()), "offeredAgain");
    QTEST(int(copiesIn(recoveryFolder()).size()), "onDisk");
}

void tst_Recovery::closingARestoredLevel_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<int>("onDisk");
    QTest::newRow("not saved") << int(Prompts::Answer::Discard) << true << 0;
    QTest::newRow("cancelled") << int(Prompts::Answer::Cancel) << false << 1;
}

// The copy of a restored level is the window's own: it goes when the
// window's changes are thrown away, and stays while the window does.
void tst_Recovery::closingARestoredLevel() {
    QFETCH(int, answer);
    leaveCopy(3, 33);
    auto window = startAnswering("Restore selected");
    QVERIFY(window);
    QCOMPARE(window->Editors().size(), 1);
    m_F.prompts().answers.push_back(Prompts::Answer(answer));
    editorAction(*window->Editors().front(), "&Close")->trigger();
    QTEST(window->Editors().isEmpty(), "closed");
    QTEST(int(copiesIn(recoveryFolder()).size()), "onDisk");
}

GM_TEST_MAIN(tst_Recovery)
#include "tst_Recovery.moc"
