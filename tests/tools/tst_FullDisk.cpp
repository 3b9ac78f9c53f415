// Every writer on a really full disk (a small tmpfs of the test's own): the
// result is an error that says the disk is full, and the old file keeps
// every byte.

#include "FullDisk.h"
#include "Level.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "ToolProcess.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString DiskFull = QStringLiteral("No space left on device");

// Old contents no writer would make: 700 bytes of a counting pattern.
QByteArray oldBytes() {
    QByteArray bytes;
    for (int i = 0; i < 700; ++i)
        bytes.append(char(i * 7 + 3));
    return bytes;
}

// A level whose packed form is about 11 KB: few runs.
Level busyLevel() {
    Level level;
    level.Create(120, 60, 1, 13);
    for (int y = 0; y < level.Height(); ++y)
        for (int x = 0; x < level.Width(); ++x)
            level.SetTile(x, y, qint16((x * 31 + y * 17) % 611));
    return level;
}

} // namespace

class tst_FullDisk : public QObject {
    Q_OBJECT

private slots:
    void levelSaveKeepsOldFile_data() {
        QTest::addColumn<qint64>("leaveFree");
        QTest::newRow("no space at all") << qint64(0);
        // Room for part of the level: once cut to the free space and kept.
        QTest::newRow("4 KB free") << qint64(4096);
    }

    void levelSaveKeepsOldFile() {
        QFETCH(qint64, leaveFree);
        QTemporaryDir dir;
        fulldisk::Disk disk(dir.path(), 64 * 1024);
        if (!disk.Error().isEmpty())
            QSKIP(qPrintable(disk.Error()));
        const QString target = dir.filePath("LEVEL13.CK1");
        QVERIFY(writeFile(target, oldBytes()));
        QVERIFY(disk.Fill(leaveFree));

        const Level level = busyLevel();
        QVERIFY(level.Serialize().size() > 10000);
        const IoResult saved = level.Save(target);
        QVERIFY(!saved);
        QVERIFY2(saved.error.contains(DiskFull) && saved.error.contains(target),
                 qPrintable(saved.error));
        QCOMPARE(fileBytes(target), oldBytes());
        // No temporary file is left behind either.
        QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        files.sort();
        QCOMPARE(files, QStringList({"LEVEL13.CK1", "filler"}));
    }

    void toolKeepsOldFile_data() {
        QTest::addColumn<QStringList>("args"); // OUT stands for the folder on the full disk
        QTest::addColumn<QString>("target");
        QTest::addColumn<qint64>("leaveFree");
        const QString level = QDir(realDataDir()).filePath("LEVEL01.CK1");
        QTest::newRow("resave") << QStringList{"resave", level, "OUT/LEVEL01.CK1"} << "LEVEL01.CK1"
                                << qint64(0);
        QTest::newRow("render") << QStringList{"render",        level,        "-o",
                                               "OUT/level.png", "--graphics", realDataDir()}
                                << "level.png" << qint64(0);
        // Room for the tile sheet (469,302 bytes: 115 pages), none for the
        // small sprite bitmaps that follow it.
        QTest::newRow("export-graphics")
            << QStringList{"export-graphics", realDataDir(), "1", "OUT"} << "1spr0000.bmp"
            << qint64(115 * 4096);
    }

    void toolKeepsOldFile() {
        GM_REQUIRE_REAL_DATA();
        QFETCH(QStringList, args);
        QFETCH(QString, target);
        QFETCH(qint64, leaveFree);
        QTemporaryDir dir;
        fulldisk::Disk disk(dir.path(), 64 * 1024 + leaveFree);
        if (!disk.Error().isEmpty())
            QSKIP(qPrintable(disk.Error()));
        QVERIFY(writeFile(dir.filePath(target), oldBytes()));
        QVERIFY(disk.Fill(leaveFree));

        args.replaceInStrings(QRegularExpression("^OUT"), dir.path());
        const ToolRun run = runGridmasonTool(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(DiskFull) && run.err.contains(target), qPrintable(run.err));
        QCOMPARE(fileBytes(dir.filePath(target)), oldBytes());
    }
};

GM_TEST_MAIN(tst_FullDisk)
#include "tst_FullDisk.moc"
