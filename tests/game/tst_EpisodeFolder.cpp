// Which level files of a folder make up an episode: names in any letter
// case, the episode chosen among several, and the folders refused.

#include "EpisodeFolder.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class tst_EpisodeFolder : public QObject {
    Q_OBJECT

private slots:
    void scan_data() {
        QTest::addColumn<QStringList>("files"); // a name ending in "/" is a folder
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("episode");
        QTest::addColumn<QStringList>("levels"); // "number name"
        QTest::addColumn<QString>("note");       // a part of it, or empty for none

        QTest::newRow("any letter case")
            << QStringList{"level01.ck1", "LEVEL02.CK1", "Level80.Ck1"} << 0 << 1
            << QStringList{"1 level01.ck1", "2 LEVEL02.CK1", "80 Level80.Ck1"} << "";
        QTest::newRow("other names left out")
            << QStringList{"LEVEL1.CK1",   "LEVEL001.CK1", "LEVEL01.CK4",  "LEVEL01.CK1.BAK",
                           "XLEVEL01.CK1", "LEVELAB.CK1",  "LEVEL03.CK1/", "LEVEL07.CK1"}
            << 0 << 1 << QStringList{"7 LEVEL07.CK1"} << "";
        QTest::newRow("the most levels win")
            << QStringList{"LEVEL01.CK1", "LEVEL02.CK1", "LEVEL01.CK2", "LEVEL02.CK2",
                           "LEVEL80.CK2"}
            << 0 << 2 << QStringList{"1 LEVEL01.CK2", "2 LEVEL02.CK2", "80 LEVEL80.CK2"}
            << "also holds levels of episode 1 (2 levels); these show episode 2 (3 levels)";
        QTest::newRow("a tie takes the lowest")
            << QStringList{"LEVEL04.CK3", "LEVEL05.CK2"} << 0 << 2 << QStringList{"5 LEVEL05.CK2"}
            << "episode 3 (1 level)";
        QTest::newRow("the episode asked for")
            << QStringList{"LEVEL01.CK1", "LEVEL01.CK2", "LEVEL02.CK2"} << 1 << 1
            << QStringList{"1 LEVEL01.CK1"} << "episode 2 (2 levels)";
        QTest::newRow("one level under two letter cases")
            << QStringList{"level05.ck1", "LEVEL05.CK1", "Level06.ck1", "level06.CK1"} << 0 << 1
            << QStringList{"5 LEVEL05.CK1", "6 Level06.ck1"}
            << "level05.ck1 is left aside: it is level 5 again under another letter case, and "
               "LEVEL05.CK1 is taken. level06.CK1 is left aside";
    }

    void scan() {
        QFETCH(QStringList, files);
        QFETCH(int, asked);
        QTemporaryDir dir;
        for (const QString& name : files)
            QVERIFY(name.endsWith('/') ? QDir(dir.path()).mkdir(name.chopped(1))
                                       : writeFile(dir.filePath(name), "x"));

        EpisodeFolder folder;
        const IoResult result = EpisodeFolder::Scan(dir.path(), asked, folder);
        QVERIFY2(result.ok, qPrintable(result.error));
        QTEST(folder.Episode(), "episode");
        QStringList levels;
        for (const EpisodeFolder::Entry& entry : folder.Levels()) {
            levels << QStringLiteral("%1 %2").arg(entry.number).arg(entry.name);
            QCOMPARE(entry.path, QDir(dir.path()).filePath(entry.name));
        }
        QTEST(levels, "levels");
        QFETCH(QString, note);
        if (note.isEmpty())
            QCOMPARE(folder.Note(), QString());
        else
            QVERIFY2(folder.Note().contains(note), qPrintable(folder.Note()));
    }

    void refused_data() {
        QTest::addColumn<QString>("path"); // under the temporary folder
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no level files") << "empty" << 0 << "holds no level files";
        QTest::newRow("not the episode asked for")
            << "two" << 1 << "holds no level of episode 1 (LEVEL01.CK1 ... LEVEL90.CK1)";
        QTest::newRow("a file") << "two/LEVEL01.CK2" << 0 << "it is a file";
        QTest::newRow("missing") << "gone" << 0 << "it does not exist";
    }

    void refused() {
        QFETCH(QString, path);
        QFETCH(int, asked);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("empty") && QDir(dir.path()).mkpath("two"));
        QVERIFY(writeFile(dir.filePath("two/LEVEL01.CK2"), "x"));
        EpisodeFolder folder;
        const IoResult result = EpisodeFolder::Scan(dir.filePath(path), asked, folder);
        QVERIFY(!result.ok);
        QFETCH(QString, reason);
        QVERIFY2(result.error.contains(reason), qPrintable(result.error));
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(dir.filePath(path))),
                 qPrintable(result.error));
    }
};

GM_TEST_APPLESS_MAIN(tst_EpisodeFolder)
#include "tst_EpisodeFolder.moc"
