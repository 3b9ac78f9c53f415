// gridmason-tool info, run as the user runs it: the warning for a level the
// game cannot load.
#include "Level.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_ToolInfo : public QObject {
    Q_OBJECT
private slots:
    void warnsOfLevelsTooLargeForTheGame_data();
    void warnsOfLevelsTooLargeForTheGame();
};

void tst_ToolInfo::warnsOfLevelsTooLargeForTheGame_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("warning");
    QTest::newRow("124 x 132 plays") << 124 << 132 << QString();
    QTest::newRow("128 x 128")
        << 128 << 128
        << QStringLiteral("warning: too large for the game to load: 16,384 cells, at most 16,376");
    QTest::newRow("170 x 170")
        << 170 << 170
        << QStringLiteral("warning: too large for the game to load: 28,900 cells, at most 16,376");
}

void tst_ToolInfo::warnsOfLevelsTooLargeForTheGame() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("LEVEL03.CK1"));
    Level level;
    level.Create(qint16(width), qint16(height), 1, 3);
    QVERIFY(level.Save(file).ok);

    QProcess tool;
    tool.start(QStringLiteral(GM_BINARY_DIR "/tools/gridmason-tool/gridmason-tool"),
               {QStringLiteral("info"), file});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(lines.mid(0, 4),
             QStringList({QStringLiteral("episode: 1"), QStringLiteral("number: 3"),
                          QStringLiteral("width: %1").arg(width),
                          QStringLiteral("height: %1").arg(height)}));
    QCOMPARE(lines.filter(QStringLiteral("warning")),
             warning.isEmpty() ? QStringList() : QStringList{warning});
}

QTEST_MAIN(tst_ToolInfo)
#include "tst_ToolInfo.moc"
