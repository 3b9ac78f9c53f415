#include "Level.h"
#include "LevelBytes.h"
#include "TestData.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList realLevelFiles() {
    QDir dir(realDataDir());
    dir.setNameFilters({"level??.ck1"});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    for (const QString& name : dir.entryList())
        paths << dir.filePath(name);
    return paths;
}

std::vector<qint16> planeOf(const std::vector<quint16>& image, size_t first, size_t cells) {
    std::vector<qint16> plane(cells, 0);
    for (size_t i = 0; i < cells && first + i < image.size(); ++i)
        plane[i] = qint16(image[first + i]);
    return plane;
}

} // namespace

class tst_LevelRealData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GM_REQUIRE_REAL_DATA(); }

    void allLevelsArePresent() {
        const QStringList files = realLevelFiles();
        QCOMPARE(files.size(), 19);
        QVERIFY(files.first().endsWith("LEVEL01.CK1", Qt::CaseInsensitive));
    }

    void levels_data() {
        QTest::addColumn<QString>("path");
        for (const QString& path : realLevelFiles())
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
    }

    void levels() {
        QFETCH(QString, path);
        const QByteArray original = fileBytes(path);
        QVERIFY(original.size() > 20);
        const qint16 width = qint16(wordAt(original, 4));
        const qint16 height = qint16(wordAt(original, 6));
        const size_t cells = size_t(width) * size_t(height);
        const size_t planeLength = (cells + 7) / 8 * 8;

        Level level;
        const IoResult loaded = level.Load(path);
        QVERIFY2(loaded, qPrintable(loaded.error));
        QCOMPARE(level.Width(), width);
        QCOMPARE(level.Height(), height);
        QCOMPARE(level.Episode(), qint16(1));
        QCOMPARE(level.Number(), qint16(QFileInfo(path).fileName().mid(5, 2).toInt()));

        // The planes are what a plain expansion of the whole file finds
        // at their places in the unpacked image (the map's blockers, 0x8000
        // + n, as negative words).
        const std::vector<quint16> image = unpackAll(original);
        QVERIFY(level.TilePlane() == planeOf(image, 16, cells));
        QVERIFY(level.InfoPlane() == planeOf(image, 16 + planeLength, cells));

        QTemporaryDir dir;
        const QString copy = dir.filePath(QFileInfo(path).fileName());
        const IoResult saved = level.Save(copy);
        QVERIFY2(saved, qPrintable(saved.error));
        Level again;
        QVERIFY(again.Load(copy));
        QVERIFY(again == level);

        // The saved file decodes plainly to the same words, with nothing
        // behind plane 1's padding, and saving again gives the same bytes.
        const QByteArray written = fileBytes(copy);
        const std::vector<quint16> writtenImage = unpackAll(written);
        QCOMPARE(writtenImage.size(), 16 + 2 * planeLength);
        QCOMPARE(dwordAt(written, 0), quint32(32 + 4 * planeLength));
        QCOMPARE(wordAt(written, 18), quint16(2 * planeLength));
        QVERIFY(planeOf(writtenImage, 16, cells) == level.TilePlane());
        QVERIFY(planeOf(writtenImage, 16 + planeLength, cells) == level.InfoPlane());
        QCOMPARE(again.Serialize(), written);
    }

    void knownSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("LEVEL02") << "LEVEL02.CK1" << 24 << 30;
        QTest::newRow("LEVEL13") << "LEVEL13.CK1" << 128 << 77;
        QTest::newRow("LEVEL15") << "LEVEL15.CK1" << 142 << 24;
        QTest::newRow("LEVEL80") << "LEVEL80.CK1" << 70 << 73;
    }

    void knownSizes() {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        Level level;
        QVERIFY(level.Load(QDir(realDataDir()).filePath(name)));
        QCOMPARE(int(level.Width()), width);
        QCOMPARE(int(level.Height()), height);
    }
};

GM_TEST_GUILESS_MAIN(tst_LevelRealData)
#include "tst_LevelRealData.moc"
