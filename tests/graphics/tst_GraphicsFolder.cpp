// Which folders hold a bitmap, as File, Set Paths checks each episode's.

#include "GraphicsFolder.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class tst_GraphicsFolder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void holdsBitmap_data();
    void holdsBitmap();

private:
    QTemporaryDir m_Dir;
};

// Files ending in "/" are folders.
void tst_GraphicsFolder::initTestCase() {
    QVERIFY(m_Dir.isValid());
    const QStringList files = {"good/1til0000.bmp",  "nobitmap/readme.txt", "nobitmap/bmp",
                               "nobitmap/x.bmp.txt", "nobitmap/dir.bmp/",   "hidden/.secret.bmp",
                               "mixed/TILES.Bmp",    "upper/3SPR0000.BMP"};
    for (const QString& file : files) {
        const QString path = m_Dir.filePath(file);
        QVERIFY(QDir().mkpath(file.endsWith('/') ? path : QFileInfo(path).absolutePath()));
        QFile f(path);
        QVERIFY(file.endsWith('/') || f.open(QIODevice::WriteOnly));
    }
}

void tst_GraphicsFolder::holdsBitmap_data() {
    QTest::addColumn<QString>("folder"); // "@" stands for the test's folder
    QTest::addColumn<bool>("holds");
    QTest::newRow("a bitmap") << "@/good" << true;
    QTest::newRow("empty name") << "" << false;
    QTest::newRow("only names like bitmaps") << "@/nobitmap" << false;
    QTest::newRow("a hidden bitmap only") << "@/hidden" << false;
    QTest::newRow("missing") << "@/missing" << false;
    QTest::newRow("a bitmap, not a folder") << "@/good/1til0000.bmp" << false;
    QTest::newRow("mixed letter case") << "@/mixed" << true;
    QTest::newRow("upper case, trailing slash") << "@/upper/" << true;
    // A folder typed with Windows separators is read with "/".
    QTest::newRow("Windows separators") << "@\\upper" << true;
}

void tst_GraphicsFolder::holdsBitmap() {
    QFETCH(QString, folder);
    QFETCH(bool, holds);
    folder.replace("@\\", QString(m_Dir.path()).replace('/', '\\') + '\\');
    folder.replace("@", m_Dir.path());
    QCOMPARE(GraphicsFolder::HoldsBitmap(folder), holds);
}

GM_TEST_MAIN(tst_GraphicsFolder)
#include "tst_GraphicsFolder.moc"
