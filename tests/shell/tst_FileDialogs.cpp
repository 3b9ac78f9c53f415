#include "FileDialogs.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"

#include <QTest>
#include <QWidget>

class FileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void convertsFilterTextForQt_data();
    void convertsFilterTextForQt();
    void asksForOneFileToOpen();
    void cancelGivesNoFile();
};

void FileDialogsTest::convertsFilterTextForQt_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("qtFilters");
    QTest::newRow("the level files")
        << "All Levels|Level??.ck?|Keen 1 Levels|Level??.ck1|Keen 2 Levels|Level??.ck2|"
           "Keen 3 Levels|Level??.ck3"
        << QStringList{"All Levels (Level??.ck?)", "Keen 1 Levels (Level??.ck1)",
                       "Keen 2 Levels (Level??.ck2)", "Keen 3 Levels (Level??.ck3)"};
    QTest::newRow("several patterns, a description left without one")
        << "Pictures|*.bmp; *.dib;|All" << QStringList{"Pictures (*.bmp *.dib)"};
    // An empty pattern offers every file rather than none.
    QTest::newRow("an empty pattern")
        << "Anything||Bitmaps|*.bmp" << QStringList{"Anything (*)", "Bitmaps (*.bmp)"};
    // A colon separates items just as a bar does.
    QTest::newRow("a colon") << "Drive C: files|*.x" << QStringList{"Drive C (files)"};
    QTest::newRow("nothing") << "" << QStringList();
}

void FileDialogsTest::convertsFilterTextForQt() {
    QFETCH(QString, filter);
    QFETCH(QStringList, qtFilters);
    QCOMPARE(FileDialogs::QtNameFilters(filter), qtFilters);
}

void FileDialogsTest::asksForOneFileToOpen() {
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    QWidget owner;
    for (const bool mustExist : {true, false}) {
        prompts.files.push_back(ScriptedPrompts::File::Choose("/data/keen/LEVEL05.CK1", 2));
        QCOMPARE(FileDialogs::ChooseFileToOpen(&owner, QStringLiteral("Open Levels"),
                                               QStringLiteral("C:\\games\\levels"),
                                               QStringLiteral("Levels|*.ck1|All|*"), mustExist),
                 QStringLiteral("/data/keen/LEVEL05.CK1"));
        const Prompts::FileRequest& request = prompts.fileRequests.back();
        QVERIFY(!request.save);
        QVERIFY(!request.multiSelect);
        QCOMPARE(request.caption, QStringLiteral("Open Levels"));
        QCOMPARE(request.initialDir, QStringLiteral("C:/games/levels"));
        QCOMPARE(request.filters, QStringList({"Levels (*.ck1)", "All (*)"}));
        QCOMPARE(request.filterIndex, 1);
        QCOMPARE(request.fileMustExist, mustExist);
        QCOMPARE(request.owner, &owner);
    }
}

void FileDialogsTest::cancelGivesNoFile() {
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    prompts.files.push_back(ScriptedPrompts::File::Cancel());
    prompts.files.push_back(ScriptedPrompts::File::ChooseAll({}));
    for (int i = 0; i < 2; ++i)
        QVERIFY(FileDialogs::ChooseFileToOpen(nullptr, QStringLiteral("Select Path"), QString(),
                                              QStringLiteral("All|*"), false)
                    .isEmpty());
    QCOMPARE(prompts.fileRequests.size(), size_t(2));
}

GM_TEST_MAIN(FileDialogsTest)
#include "tst_FileDialogs.moc"
