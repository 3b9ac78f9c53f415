// gridmason-tool tileinfo: the table as CSV, and the exit codes.

#include "TestFiles.h"
#include "TestMain.h"
#include "ToolProcess.h"

#include <QTemporaryDir>
#include <QTest>

class tst_TileInfoTool : public QObject {
    Q_OBJECT

private slots:
    void runs_data() {
        QTest::addColumn<QStringList>("args"); // "DIR" stands for a folder with a table file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output"); // the start of stdout, or of stderr
        QTest::newRow("table file, episode found")
            << QStringList{"DIR"} << 0
            << "tile,animation,behaviour,top,right,bottom,left\n0,1,masked,0,0,0,0\n"
               "1,2,foreground,1,1,1,1\n";
        QTest::newRow("episode given") << QStringList{"DIR", "2"} << 0 << "tile,animation";
        QTest::newRow("no such episode in the folder")
            << QStringList{"DIR", "1"} << 1
            << "gridmason-tool: There is no tile behaviour for episode 1";
        QTest::newRow("episode 4") << QStringList{"DIR", "4"} << 2
                                   << "gridmason-tool tileinfo: EPISODE is 1, 2 or 3, not '4'";
        QTest::newRow("no folder") << QStringList{} << 2 << "usage: gridmason-tool tileinfo";
    }

    void runs() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QTemporaryDir dir;
        // Two tiles: still and masked, then a two-tile loop in front of
        // Keen, solid all round.
        QByteArray table = QByteArray::fromHex("0100"
                                               "0200"
                                               "feff"
                                               "ffff");
        for (int side = 0; side < 4; ++side)
            table += QByteArray::fromHex("0000"
                                         "0100");
        QVERIFY(writeFile(dir.filePath("tileinfo.ck2"), table));
        args.replaceInStrings("DIR", dir.path());
        const ToolRun run = runGridmasonTool(QStringList{"tileinfo"} + args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).startsWith(output), qPrintable(run.err));
    }
};

GM_TEST_GUILESS_MAIN(tst_TileInfoTool)
#include "tst_TileInfoTool.moc"
