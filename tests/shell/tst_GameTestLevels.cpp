// Which open levels a test run writes beside the one tested.

#include "GameTestLevels.h"
#include "Level.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class tst_GameTestLevels : public QObject {
    Q_OBJECT

private slots:
    void others_data() {
        QTest::addColumn<QString>("tested");
        QTest::addColumn<int>("number");
        // Open levels: "file:m" (modified) or "file" (saved); "" is a level
        // never saved, "other/" a file in another folder.
        QTest::addColumn<QStringList>("open");
        // "number<-index of the open level"
        QTest::addColumn<QStringList>("written");
        QTest::newRow("the modified map and a level")
            << "LEVEL03.CK1" << 3
            << QStringList{"LEVEL03.CK1:m", "LEVEL80.CK1:m", "LEVEL05.CK1:m", "LEVEL02.CK1"}
            << QStringList{"5<-2", "80<-1"};
        QTest::newRow("from the map, any letter case")
            << "LEVEL80.CK1" << 80 << QStringList{"level07.ck1:m"} << QStringList{"7<-0"};
        QTest::newRow("other episode, other folder, never saved, not a level name")
            << "LEVEL80.CK1" << 80
            << QStringList{"LEVEL04.CK2:m", "other/LEVEL04.CK1:m", ":m", "MYMAP.CK1:m"}
            << QStringList{};
        QTest::newRow("the tested number wins")
            << "COPY.CK1" << 4 << QStringList{"LEVEL04.CK1:m", "LEVEL06.CK1:m"}
            << QStringList{"6<-1"};
        QTest::newRow("one per number")
            << "LEVEL80.CK1" << 80 << QStringList{"LEVEL09.CK1:m", "level09.ck1:m"}
            << QStringList{"9<-0"};
        QTest::newRow("a level never saved tested: nothing beside it")
            << "" << 2 << QStringList{"LEVEL80.CK1:m"} << QStringList{};
    }

    void others() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("other"));
        QFETCH(QString, tested);
        QFETCH(int, number);
        QFETCH(QStringList, open);
        std::vector<Level> levels(size_t(open.size()));
        std::vector<GameTestLevels::Open> given;
        for (int i = 0; i < open.size(); ++i) {
            const QStringList parts = open[i].split(':');
            const QString file = parts[0].isEmpty() ? QString() : dir.filePath(parts[0]);
            given.push_back({file, parts.value(1) == "m", &levels[size_t(i)]});
        }
        const auto written = GameTestLevels::Others(
            tested.isEmpty() ? QString() : dir.filePath(tested), 1, number, given);
        QStringList texts;
        for (const GameTestLevels::Written& w : written)
            texts << QStringLiteral("%1<-%2").arg(w.number).arg(w.level - levels.data());
        QTEST(texts, "written");
    }
};

GM_TEST_APPLESS_MAIN(tst_GameTestLevels)
#include "tst_GameTestLevels.moc"
