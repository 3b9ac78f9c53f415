// File and folder names with "\": a separator in names from Windows, a
// plain character in a Linux name that exists as written.
#include "GraphicsFolder.h"
#include "PathText.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestMain.h"
#include "TileSet.h"
#include "graphics/GraphicsFixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Relative paths of the rows are made under the sandbox's folder, which
// holds a folder named "a\b" with LEVEL01.CK1 and a folder x/y with
// LEVEL02.CK2.
const QString Here = QStringLiteral("@/");

} // namespace

class tst_PathText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void parts_data();
    void parts();
    void graphicsFolderWithABackslash();

private:
    QString at(const QString& path) const {
        return path.startsWith(Here) ? m_Dir.path() + "/" + path.mid(Here.size()) : path;
    }
    QTemporaryDir m_Dir;
};

void tst_PathText::initTestCase() {
    QVERIFY(m_Dir.isValid());
    QVERIFY(QDir(m_Dir.path()).mkpath("a\\b"));
    QVERIFY(QDir(m_Dir.path()).mkpath("x/y"));
    for (const char* file : {"a\\b/LEVEL01.CK1", "x/y/LEVEL02.CK2"}) {
        QFile level(m_Dir.filePath(file));
        QVERIFY(level.open(QIODevice::WriteOnly));
    }
}

void tst_PathText::parts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("slashed");
    QTest::addColumn<QString>("bare");
    QTest::addColumn<QString>("folder"); // as written
    // clang-format off
    QTest::newRow("Linux folder a\\b, as written") << "@/a\\b/LEVEL01.CK1" << "@/a\\b/LEVEL01.CK1" << "LEVEL01.CK1" << "@/a\\b";
    QTest::newRow("Linux folder a\\b itself") << "@/a\\b" << "@/a\\b" << "a\\b" << "@";
    QTest::newRow("Linux folder a\\b, file written with \\") << "@/a\\b\\LEVEL01.CK1" << "@/a\\b/LEVEL01.CK1" << "LEVEL01.CK1" << "@/a\\b";
    QTest::newRow("a new file in a\\b") << "@/a\\b/NEW.CK1" << "@/a\\b/NEW.CK1" << "NEW.CK1" << "@/a\\b";
    QTest::newRow("folders written with \\") << "@/x\\y\\LEVEL02.CK2" << "@/x/y/LEVEL02.CK2" << "LEVEL02.CK2" << "@/x\\y";
    QTest::newRow("a new file in folders written with \\") << "@/x\\y\\new.bmp" << "@/x/y/new.bmp" << "new.bmp" << "@/x\\y";
    QTest::newRow("from Windows") << "C:\\Games\\Keen1\\1til0000.bmp" << "C:/Games/Keen1/1til0000.bmp" << "1til0000.bmp" << "C:\\Games\\Keen1";
    QTest::newRow("Windows folder, trailing \\") << "C:\\Games\\" << "C:/Games/" << "" << "C:\\Games";
    QTest::newRow("Windows drive") << "C:\\1TIL0000.BMP" << "C:/1TIL0000.BMP" << "1TIL0000.BMP" << "C:";
    QTest::newRow("both separators") << "C:\\games/keen1\\x.bmp" << "C:/games/keen1/x.bmp" << "x.bmp" << "C:\\games/keen1";
    QTest::newRow("Windows root of the drive") << "\\1til0000.bmp" << "/1til0000.bmp" << "1til0000.bmp" << "";
    QTest::newRow("relative") << "levels\\LEVEL01.CK1" << "levels/LEVEL01.CK1" << "LEVEL01.CK1" << "levels";
    QTest::newRow("under the root") << "/LEVEL80.CK1" << "/LEVEL80.CK1" << "LEVEL80.CK1" << "/";
    QTest::newRow("bare name") << "LEVEL80.CK1" << "LEVEL80.CK1" << "LEVEL80.CK1" << "";
    QTest::newRow("empty") << "" << "" << "" << "";
    // clang-format on
}

void tst_PathText::parts() {
    QFETCH(QString, path);
    QFETCH(QString, slashed);
    QFETCH(QString, bare);
    QFETCH(QString, folder);
    QCOMPARE(PathText::Slashed(at(path)), at(slashed));
    QCOMPARE(PathText::BareName(at(path)), bare);
    QCOMPARE(PathText::Folder(at(path)), folder == "@" ? m_Dir.path() : at(folder));
}

// A folder of bitmaps whose own name holds "\" is found, classified and
// loaded from, and is the folder of a file chosen in it.
void tst_PathText::graphicsFolderWithABackslash() {
    const QString folder = m_Dir.filePath("keen\\1");
    QVERIFY(fixtures::writeEpisode(folder, 1, fixtures::tileSheet(13 * 16, 2 * 16)));
    QCOMPARE(GraphicsFolder::Classify(folder, 1), GraphicsFolder::Kind::ExportedBitmaps);
    TileSet tiles;
    QVERIFY(GraphicsFolder::LoadTiles(folder, 1, tiles).ok);
    QCOMPARE(int(tiles.Count()), 26);
    SpriteSet sprites;
    Surface scratch;
    QVERIFY(GraphicsFolder::LoadSprites(folder, 1, sprites, scratch).ok);
    QCOMPARE(int(sprites.Count()), 11);
    QVERIFY(GraphicsFolder::HoldsBitmap(folder));
    QCOMPARE(PathText::Folder(folder + "/1til0000.bmp"), folder);
}

GM_TEST_MAIN(tst_PathText)
#include "tst_PathText.moc"
