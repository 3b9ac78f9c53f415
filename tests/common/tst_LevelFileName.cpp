// The names a level is saved under: the episode's extension added to a
// name typed without one, names of other episodes or of no episode refused,
// and the name offered for a new level in a folder.
#include "LevelFileName.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_LevelFileName : public QObject {
    Q_OBJECT
private slots:
    void forSaving_data();
    void forSaving();
    void defaultName_data();
    void defaultName();
    void defaultNameLooksInTheFolder();
};

void tst_LevelFileName::forSaving_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("episode");
    QTest::addColumn<QString>("path");   // empty: refused
    QTest::addColumn<QString>("reason"); // part of the refusal
    const QString otherEpisode = QStringLiteral("belongs to episode 1");
    const QString noEpisode = QStringLiteral("does not end in .CK1, .CK2 or .CK3");
    // Added, in the case of the name.
    QTest::newRow("lower case") << "/l/mylevel" << 1 << "/l/mylevel.ck1"
                                << "";
    QTest::newRow("mixed case") << "/l/MyLevel" << 3 << "/l/MyLevel.ck3"
                                << "";
    QTest::newRow("upper case") << "/l/MYLEVEL" << 2 << "/l/MYLEVEL.CK2"
                                << "";
    QTest::newRow("no letters") << "/l/05" << 1 << "/l/05.CK1"
                                << "";
    QTest::newRow("dot in the folder") << "/a.ck2/mylevel" << 1 << "/a.ck2/mylevel.ck1"
                                       << "";
    // Kept: the episode's own, in any case.
    QTest::newRow("own, upper") << "/l/LEVEL05.CK1" << 1 << "/l/LEVEL05.CK1"
                                << "";
    QTest::newRow("own, lower") << "/l/level05.ck2" << 2 << "/l/level05.ck2"
                                << "";
    QTest::newRow("own, mixed") << "/l/Level05.cK3" << 3 << "/l/Level05.cK3"
                                << "";
    // Refused.
    QTest::newRow("episode 2's") << "/l/LEVEL05.CK2" << 1 << "" << otherEpisode;
    QTest::newRow("episode 3's") << "/l/mylevel.ck3" << 1 << "" << otherEpisode;
    QTest::newRow("text file") << "/l/mylevel.txt" << 1 << "" << noEpisode;
    QTest::newRow("episode 4") << "/l/LEVEL05.CK4" << 1 << "" << noEpisode;
    QTest::newRow("episode 0") << "/l/LEVEL05.CK0" << 1 << "" << noEpisode;
    QTest::newRow("ends in a dot") << "/l/mylevel." << 1 << "" << noEpisode;
    QTest::newRow("backup") << "/l/LEVEL05.CK1.bak" << 1 << "" << noEpisode;
    QTest::newRow("digit alone") << "/l/mylevel.1" << 1 << "" << noEpisode;
    QTest::newRow("extension alone") << "/l/.ck1" << 1 << "" << noEpisode;
}

void tst_LevelFileName::forSaving() {
    QFETCH(QString, typed);
    QFETCH(int, episode);
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const LevelFileName::Checked checked = LevelFileName::ForSaving(typed, episode);
    QCOMPARE(checked.path, path);
    QCOMPARE(checked.extended, !path.isEmpty() && path != typed);
    QCOMPARE(checked.error.isEmpty(), reason.isEmpty());
    QVERIFY2(checked.error.contains(reason), qPrintable(checked.error));
    // A refusal names what was typed.
    if (!reason.isEmpty())
        QVERIFY2(checked.error.contains(typed.mid(typed.lastIndexOf('/') + 1)),
                 qPrintable(checked.error));
}

void tst_LevelFileName::defaultName_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<int>("episode");
    QTest::addColumn<bool>("map");
    QTest::addColumn<QString>("name");
    QStringList allSixteen;
    for (int n = 1; n <= 16; ++n)
        allSixteen << QStringLiteral("LEVEL%1.CK1").arg(n, 2, 10, QLatin1Char('0'));
    QTest::newRow("empty folder") << QStringList() << 1 << false << "LEVEL01.CK1";
    QTest::newRow("first two taken, any case")
        << QStringList{"LEVEL01.CK1", "level02.ck1", "notes.txt"} << 1 << false << "LEVEL03.CK1";
    QTest::newRow("a gap") << QStringList{"LEVEL01.CK3", "LEVEL03.CK3"} << 3 << false
                           << "LEVEL02.CK3";
    QTest::newRow("other episodes do not count")
        << QStringList{"LEVEL01.CK1", "LEVEL01.CK3"} << 2 << false << "LEVEL01.CK2";
    QTest::newRow("all sixteen") << allSixteen << 1 << false << "LEVEL17.CK1";
    QTest::newRow("map") << QStringList() << 2 << true << "LEVEL80.CK2";
    QTest::newRow("map already there") << QStringList{"LEVEL80.CK1"} << 1 << true << "LEVEL80.CK1";
}

void tst_LevelFileName::defaultName() {
    QFETCH(QStringList, present);
    QFETCH(int, episode);
    QFETCH(bool, map);
    QFETCH(QString, name);
    QCOMPARE(LevelFileName::DefaultName(present, episode, map), name);
}

void tst_LevelFileName::defaultNameLooksInTheFolder() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("level01.ck1"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    // A folder of that name blocks the name as a file does.
    QVERIFY(QDir(dir.path()).mkdir("LEVEL02.CK1"));
    QCOMPARE(LevelFileName::DefaultNameIn(dir.path(), 1, false), QStringLiteral("LEVEL03.CK1"));
    QCOMPARE(LevelFileName::DefaultNameIn(dir.filePath("missing"), 1, false),
             QStringLiteral("LEVEL01.CK1"));
}

GM_TEST_APPLESS_MAIN(tst_LevelFileName)
#include "tst_LevelFileName.moc"
