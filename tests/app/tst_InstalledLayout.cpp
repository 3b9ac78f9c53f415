#include "AppSandbox.h"
#include "DataFolder.h"
#include "DemoGraphics.h"
#include "MainWindow.h"
#include "Settings.h"
#include "TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Where the program finds its demo data and keeps its settings, in a build
// folder and installed under a prefix.
class InstalledLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheDemoData_data();
    void findsTheDemoData();
    void installedFirstStartSeedsPathsInTheUsersConfig();
};

void InstalledLayoutTest::findsTheDemoData_data() {
    QTest::addColumn<bool>("graphicsBesideProgram");
    QTest::addColumn<bool>("shareFolder");
    QTest::addColumn<QString>("expected"); // relative to the temporary root
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("documentation"); // the guide's and licence's folder
    QTest::newRow("build folder") << true << false << "bin" << false << "bin/doc";
    QTest::newRow("installed") << false << true << "share/gridmason" << true
                               << "share/doc/gridmason";
    QTest::newRow("build folder inside a prefix") << true << true << "bin" << false << "bin/doc";
    QTest::newRow("neither") << false << false << "bin" << false << "bin/doc";
}

void InstalledLayoutTest::findsTheDemoData() {
    QFETCH(bool, graphicsBesideProgram);
    QFETCH(bool, shareFolder);
    QFETCH(QString, expected);
    QFETCH(bool, installed);
    QFETCH(QString, documentation);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    QVERIFY(dir.mkpath("bin"));
    if (graphicsBesideProgram)
        QVERIFY(dir.mkpath("bin/graphics"));
    if (shareFolder)
        QVERIFY(dir.mkpath("share/gridmason/graphics"));
    const QString program = dir.filePath("bin");
    QCOMPARE(DemoDataFolder(program), dir.filePath(expected));
    QCOMPARE(IsInstalledProgram(program), installed);
    QCOMPARE(DocumentationFolder(program), dir.filePath(documentation));
    // The translations lie with the demo data, where the installation puts
    // them (share/gridmason/translations) and the build (build/translations).
    QCOMPARE(TranslationsFolder(program), dir.filePath(expected + "/translations"));
}

void InstalledLayoutTest::installedFirstStartSeedsPathsInTheUsersConfig() {
    AppSandbox sandbox;
    QVERIFY(sandbox.Begin());
    // <prefix>/bin is writable here, as it is for root or under a home folder.
    const QDir prefix(sandbox.program->path());
    QVERIFY(prefix.mkpath("bin"));
    const QString share = prefix.filePath("share/gridmason");
    QVERIFY(DemoGraphics::Generate(share));
    const QString bin = prefix.filePath("bin");
    Settings::SetFoldersForTesting(bin, sandbox.config->path());
    {
        MainWindow window;
        window.SetProgramFolder(bin);
        QVERIFY(window.Start());
        QVERIFY(sandbox.prompts->shownDialogs.empty());
        QVERIFY(sandbox.prompts->messages.empty());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(window.GraphicsFolder(i),
                     share + QStringLiteral("/graphics/keen%1").arg(i + 1));
            QVERIFY(window.TileSets(i)->Count() > 0);
        }
    }
    QCOMPARE(Settings::FilePath(), sandbox.config->path() + "/Gridmason.ini");
    QVERIFY(QFileInfo::exists(Settings::FilePath()));
    QVERIFY(!QFileInfo::exists(bin + "/Gridmason.ini"));
    sandbox.End();
}

GM_TEST_MAIN(InstalledLayoutTest)
#include "tst_InstalledLayout.moc"
