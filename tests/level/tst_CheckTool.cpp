// gridmason-tool check as a script uses it: one line per finding, and the
// exit code says whether any file has an error.

#include "Level.h"
#include "TestData.h"
#include "TestMain.h"
#include "ToolProcess.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines;
    QString err;
};

Run check(const QStringList& files) {
    const ToolRun run = runGridmasonTool(QStringList{"check"} + files);
    return {run.exitCode, run.out.split('\n', Qt::SkipEmptyParts), run.err};
}

} // namespace

class tst_CheckTool : public QObject {
    Q_OBJECT

private slots:
    void usage() {
        for (const QStringList& args : {QStringList{}, QStringList{"--all"}}) {
            const Run run = check(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains("usage: gridmason-tool check FILE..."), qPrintable(run.err));
        }
    }

    void warningsAloneExitZero() {
        GM_REQUIRE_REAL_DATA();
        const QString file = QDir(realDataDir()).filePath("LEVEL02.CK1");
        const Run run = check({file, QDir(realDataDir()).filePath("LEVEL01.CK1")});
        QCOMPARE(run.exitCode, 0);
        const QString tail = ": warning: info value 23 shows no sprite (kept in the file, not "
                             "shown in the editor)";
        QCOMPARE(run.lines, QStringList({file + ":7,5" + tail, file + ":7,6" + tail}));
    }

    // Every file is reported, the unreadable one on stderr, and any error
    // or unreadable file makes the exit code 1.
    void errorsAndUnreadableFilesExitOne() {
        QTemporaryDir dir;
        Level level;
        level.Create(20, 10, 1, 4);
        level.SetTile(5, 6, 611);
        const QString bad = dir.filePath("LEVEL04.CK1");
        QVERIFY(level.Save(bad).ok);
        level.SetTile(5, 6, 610);
        level.SetInfo(2, 2, 255);
        const QString good = dir.filePath("LEVEL05.CK1");
        QVERIFY(level.Save(good).ok);
        const QString missing = dir.filePath("LEVEL06.CK1");

        Run run = check({bad, good});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.lines,
                 QStringList({bad + ": error: Keen has no start: no cell holds the info value 255",
                              bad + ":5,6: error: tile 611 is not one of the "
                                    "episode's 611 tiles (0 to 610)"}));
        run = check({missing, good});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.lines.isEmpty());
        QVERIFY2(run.err.contains("LEVEL06.CK1"), qPrintable(run.err));
        QCOMPARE(check({good}).exitCode, 0);
    }
};

GM_TEST_GUILESS_MAIN(tst_CheckTool)
#include "tst_CheckTool.moc"
