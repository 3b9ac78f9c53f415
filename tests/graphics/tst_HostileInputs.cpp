// Input files that would make a read hang, eat memory or crash: folders,
// pipes and devices where a file should be, a level file cut short while it
// is read, bitmaps that declare huge sizes, a game header with too few
// sprites. Each is refused with a message saying what is wrong.

#include "GameGraphics.h"
#include "GraphicsFolder.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "TileSet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <atomic>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Puts a folder, a pipe or a link to /dev/zero at `path`.
bool makeOddEntry(const QString& kind, const QString& path) {
    QFile::remove(path);
    const QByteArray native = QFile::encodeName(path);
    if (kind == "folder")
        return QDir().mkdir(path);
    if (kind == "pipe")
        return ::mkfifo(native.constData(), 0644) == 0;
    return ::symlink("/dev/zero", native.constData()) == 0;
}

// An 8-bit run-length packed BMP of `width` x `height` pixels whose data is
// only the end-of-bitmap code: a few bytes that declare a huge image.
QByteArray packedBitmap(int width, int height) {
    QByteArray bmp(14 + 40 + 256 * 4, '\0');
    auto put32 = [&bmp](int at, quint32 value) { qToLittleEndian(value, bmp.data() + at); };
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp.append(QByteArray::fromHex("0001"));
    put32(2, quint32(bmp.size()));
    put32(10, 14 + 40 + 256 * 4);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put32(26, 1 | (8 << 16)); // one plane, 8 bits a pixel
    put32(30, 1);             // BI_RLE8
    put32(34, 2);
    return bmp;
}

} // namespace

class tst_HostileInputs : public QObject {
    Q_OBJECT

private slots:
    void oddEntryWhereAFileShouldBe_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        const QString notOrdinary = QStringLiteral("not an ordinary file");
        for (const char* file : {"LEVEL01.CK1", "EGAHEAD.CK1", "EGALATCH.CK1", "1til0000.bmp"}) {
            QTest::addRow("folder %s", file) << "folder" << file << "a folder, not a file";
            QTest::addRow("pipe %s", file) << "pipe" << file << notOrdinary;
            QTest::addRow("device %s", file) << "device" << file << notOrdinary;
        }
    }

    void oddEntryWhereAFileShouldBe() {
        GM_REQUIRE_REAL_DATA();
        QFETCH(QString, kind);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(copyRealGameFiles(dir.path()));
        const QString path = dir.filePath(file);
        QVERIFY(makeOddEntry(kind, path));

        IoResult result;
        if (file.startsWith("LEVEL")) {
            Level level;
            result = level.Load(path);
        } else if (file.endsWith(".bmp")) {
            TileSet tiles;
            result = tiles.LoadFromBitmap(path);
        } else {
            // The editor's road: the folder is taken for the game's files.
            QCOMPARE(GraphicsFolder::Classify(dir.path(), 1), GraphicsFolder::Kind::GameFiles);
            TileSet tiles;
            result = GraphicsFolder::LoadTiles(dir.path(), 1, tiles);
        }
        QVERIFY(!result);
        QVERIFY2(result.error.contains(file) && result.error.contains(reason),
                 qPrintable(result.error));
    }

    void levelCutShortWhileRead() {
        // A level whose 16-cell planes come after 170,000 empty runs, so
        // reading it takes a while; another thread cuts the file to its
        // header and restores it, again and again, while it is loaded.
        // Header: unpacked length, 4 x 4 cells, two planes, 32 bytes each.
        QByteArray bytes = QByteArray::fromHex("a0000000"
                                               "0400"
                                               "0400"
                                               "0200"
                                               "0000000000000000"
                                               "2000");
        for (int i = 0; i < 170000; ++i)
            bytes.append(QByteArray::fromHex("fefe00000000"));
        for (int i = 0; i < 8 + 16 + 16; ++i)
            bytes.append(QByteArray::fromHex("0100"));
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        QVERIFY(writeFile(path, bytes));
        Level whole;
        QVERIFY(whole.Load(path));
        QCOMPARE(whole.Width(), 4);
        QCOMPARE(whole.TilePlane(), std::vector<qint16>(16, 1));

        std::atomic<bool> stop{false};
        std::thread cutter([&] {
            const QByteArray native = QFile::encodeName(path);
            while (!stop) {
                ::truncate(native.constData(), 20);
                ::usleep(300);
                writeFile(path, bytes);
                ::usleep(300);
            }
        });
        // Each read ends without a crash, with the whole level or a refusal.
        int wrong = 0;
        for (int i = 0; i < 1000; ++i) {
            Level level;
            if (level.Load(path) && level.Width() != 4)
                ++wrong;
        }
        stop = true;
        cutter.join();
        QCOMPARE(wrong, 0);
    }

    void hugeDeclaredBitmapIsRefused_data() {
        QTest::addColumn<bool>("sprites");
        QTest::newRow("tile sheet") << false;
        QTest::newRow("sprite") << true;
    }

    void hugeDeclaredBitmapIsRefused() {
        QFETCH(bool, sprites);
        QTemporaryDir dir;
        // The first bitmap each set reads.
        const QString name = sprites ? SpriteCatalogue::FileName(1, -1) : "1til0000.bmp";
        const QByteArray bmp = packedBitmap(5790, 5790);
        QVERIFY(bmp.size() < 1100);
        QVERIFY(writeFile(dir.filePath(name), bmp));
        IoResult result;
        if (sprites) {
            SpriteSet set;
            Surface scratch;
            result = set.LoadFromBitmaps(dir.filePath("1spr"), scratch);
        } else {
            TileSet tiles;
            result = tiles.LoadFromBitmap(dir.filePath(name));
        }
        QVERIFY(!result);
        QVERIFY2(result.error.contains(name) && result.error.contains("5790 x 5790"),
                 qPrintable(result.error));
    }

    void spriteTableBeyondTheGame_data() {
        QTest::addColumn<int>("count");      // sprites the header lists
        QTest::addColumn<int>("widthBytes"); // of sprite 0; -1: as in the game
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("reason");
        QTest::newRow("10 sprites, too few") << 10 << -1 << -1 << "lists 10 sprites";
        QTest::newRow("2000 sprites") << 2000 << 3 << 32 << "lists 2000 sprites";
        QTest::newRow("wider than the screen") << 119 << 41 << 8 << "328 x 8 pixels";
        QTest::newRow("taller than the screen") << 119 << 1 << 201 << "8 x 201 pixels";
    }

    void spriteTableBeyondTheGame() {
        GM_REQUIRE_REAL_DATA();
        QFETCH(int, count);
        QFETCH(int, widthBytes);
        QFETCH(int, height);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(copyRealGameFiles(dir.path()));
        QByteArray header = fileBytes(dir.filePath("EGAHEAD.CK1"));
        // The real table: 119 entries of 4 x 32 bytes from byte 336, the
        // file's end. More entries repeat the first.
        const QByteArray first = header.mid(336, 128);
        for (int i = 119; i < count; ++i)
            header.append(first);
        auto put16 = [&header](int at, int value) {
            qToLittleEndian(quint16(value), header.data() + at);
        };
        put16(40, count); // 119 in the game's file
        if (widthBytes >= 0) {
            put16(336, widthBytes);
            put16(338, height);
        }
        QVERIFY(writeFile(dir.filePath("EGAHEAD.CK1"), header));
        SpriteSet set;
        Surface scratch;
        const IoResult result = GraphicsFolder::LoadSprites(dir.path(), 1, set, scratch);
        QVERIFY(!result);
        QVERIFY2(result.error.contains("EGAHEAD.CK1") && result.error.contains(reason),
                 qPrintable(result.error));
    }
};

GM_TEST_MAIN(tst_HostileInputs)
#include "tst_HostileInputs.moc"
