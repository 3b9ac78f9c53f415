#include "Level.h"
#include "LevelBytes.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Saves `level` as `name` and loads it back: the same level again.
bool survivesSaveAndLoad(const Level& level, const QString& name) {
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    Level back;
    return level.Save(path) && back.Load(path) && back == level;
}

using Cells = QVector<qint16>;

std::vector<qint16> signedWords(const std::vector<quint16>& words, size_t from, size_t count) {
    std::vector<qint16> out;
    for (size_t i = from; i < from + count && i < words.size(); ++i)
        out.push_back(qint16(words[i]));
    return out;
}

// Loads bytes through a real file of the given name.
Level loadBytes(const QTemporaryDir& dir, const QByteArray& bytes,
                const QString& name = QStringLiteral("LEVEL01.CK1")) {
    const QString path = dir.filePath(name);
    if (!writeFile(path, bytes))
        qFatal("cannot write test file");
    Level level;
    const IoResult result = level.Load(path);
    if (!result)
        qWarning("%s", qPrintable(result.error));
    return level;
}

// The 24x17 episode-1 level that Create makes, as the game's packing lays it out.
QByteArray newLevel24x17Bytes() {
    LevelBytes b;
    b.dword(1664).word(24).word(17).word(2).words(4, 0).word(816).run(8, 0);
    b.run(50, 144);
    for (int i = 0; i < 13; ++i) {
        b.run(20, 143);
        if (i < 12)
            b.run(4, 144);
    }
    b.run(50, 144);
    b.run(408, 0);
    return b;
}

// Makes writing a file larger than `bytes` fail, even for root, while alive.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_Old);
        m_OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_Old);
        std::signal(SIGXFSZ, m_OldHandler);
    }

private:
    rlimit m_Old{};
    void (*m_OldHandler)(int) = nullptr;
};

} // namespace

class tst_LevelFile : public QObject {
    Q_OBJECT

private slots:
    // --- writing ---------------------------------------------------------

    void newLevelSavesAs194Bytes() {
        Level level;
        level.Create(24, 17, 1, 1);
        const QByteArray expected = newLevel24x17Bytes();
        QCOMPARE(expected.size(), 194);
        QCOMPARE(level.Serialize().toHex(' '), expected.toHex(' '));
        QCOMPARE(expected.left(26).toHex(' '),
                 QByteArray("80 06 00 00 18 00 11 00 02 00 00 00 00 00 00 00 00 00 30 03 fe fe "
                            "08 00 00 00"));

        // Saved over a longer file, which it replaces exactly.
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        QVERIFY(writeFile(path, QByteArray(5000, 'x')));
        QVERIFY(level.Save(path));
        QCOMPARE(fileBytes(path).toHex(' '), expected.toHex(' '));
    }

    void paddingIsWrittenPlain() {
        Level level;
        level.Create(25, 17, 1, 1);
        LevelBytes b;
        b.dword(1760).word(25).word(17).word(2).words(4, 0).word(864).run(8, 0);
        b.run(52, 144);
        for (int i = 0; i < 13; ++i) {
            b.run(21, 143);
            if (i < 12)
                b.run(4, 144);
        }
        b.run(52, 144).words(7, 0);
        b.run(425, 0).words(7, 0);
        QCOMPARE(level.Serialize().toHex(' '), b.data().toHex(' '));
        QCOMPARE(b.data().right(14), QByteArray(14, '\0'));
    }

    // Cells set one by one, row by row, and the exact bytes they save as;
    // each level also loads back from its file.
    void packsRunsExactly_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<Cells>("tiles");
        QTest::addColumn<Cells>("infos");
        QTest::addColumn<QByteArray>("expected");
        const qint16 marker = qint16(0xFEFE);
        QTest::newRow("short runs plain, long runs packed")
            << 8 << 2 << Cells{5, 5, 5, 7, 7, 7, 7, 9, 9, 9, 9, 9, 1, 2, 2, 3} << Cells(16, 0)
            << QByteArray(LevelBytes()
                              .header(8, 2)
                              .words(3, 5)
                              .run(4, 7)
                              .run(5, 9) // a run continues across the end of a row
                              .word(1)
                              .words(2, 2)
                              .word(3)
                              .run(16, 0));
        // Tile plane ends in three zeros, info plane starts with zeros: the
        // writer must not join them into one run.
        QTest::newRow("runs stop at the end of a plane")
            << 4 << 2 << Cells{1, 1, 1, 1, 1, 0, 0, 0} << Cells{0, 0, 0, 0, 0, 0, 0, 6}
            << QByteArray(LevelBytes().header(4, 2).run(5, 1).words(3, 0).run(7, 0).word(6));
        QTest::newRow("a lone marker is packed")
            << 1 << 1 << Cells{marker} << Cells{0}
            << QByteArray(LevelBytes().header(1, 1).run(1, 0xFEFE).words(7, 0).word(0).words(7, 0));
        QTest::newRow("markers among other values")
            << 4 << 2 << Cells{marker, marker, 3, marker, 0, 0, 0, 0} << Cells(8, 0)
            << QByteArray(
                   LevelBytes().header(4, 2).run(2, 0xFEFE).word(3).run(1, 0xFEFE).run(4, 0).run(
                       8, 0));
    }

    void packsRunsExactly() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(Cells, tiles);
        QFETCH(Cells, infos);
        QFETCH(QByteArray, expected);
        Level level;
        level.Create(qint16(width), qint16(height), 1, 1);
        for (int i = 0; i < width * height; ++i) {
            level.SetTile(i % width, i / width, tiles[i]);
            level.SetInfo(i % width, i / width, infos[i]);
        }
        QCOMPARE(level.Serialize().toHex(' '), expected.toHex(' '));
        QVERIFY(survivesSaveAndLoad(level, "LEVEL01.CK1"));
    }

    // The largest levels the editor makes and the file can hold: sizes in
    // the header, zero padding behind each plane, every cell back.
    void largestLevelsRoundTrip_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<quint32>("fileWords"); // the first header dword
        QTest::addColumn<int>("planeBytes");    // header word 7
        QTest::newRow("170 x 170, the editor's largest") << 170 << 170 << 115648u << 57808;
        // 32760 cells: the plane-size word 65520 still fits.
        QTest::newRow("180 x 182, the file's largest") << 180 << 182 << 131072u << 65520;
    }

    void largestLevelsRoundTrip() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(quint32, fileWords);
        QFETCH(int, planeBytes);
        Level level;
        level.Create(qint16(width), qint16(height), 2, 5);
        const int cells = width * height;
        for (int i = 0; i < cells; i += 7)
            level.SetInfo(i % width, i / width, qint16(i * 31));
        const QByteArray bytes = level.Serialize();
        QCOMPARE(dwordAt(bytes, 0), fileWords);
        QCOMPARE(wordAt(bytes, 18), quint16(planeBytes));
        const std::vector<quint16> image = unpackAll(bytes);
        QCOMPARE(image.size() * 2, size_t(fileWords));
        for (size_t i = 16 + size_t(cells); i < 16 + size_t(planeBytes / 2); ++i)
            QCOMPARE(image[i], quint16(0));
        QVERIFY(survivesSaveAndLoad(level, "LEVEL05.CK2"));
    }

    void everyInfoValueSurvives() {
        const std::vector<qint16> values{
            0, 1, 255, 300, -1, -2, -32768, qint16(0x8000 + 3), 32767, qint16(0xFEFE), 4};
        Level level;
        level.Create(24, 17, 1, 1);
        for (size_t i = 0; i < values.size(); ++i) {
            level.SetInfo(int(i), 3, values[i]);
            level.SetTile(int(i), 5, values[i]);
        }
        level.SetInfo(23, 16, -32768);
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        QVERIFY(level.Save(path));
        Level back;
        QVERIFY(back.Load(path));
        QVERIFY(back.InfoPlane() == level.InfoPlane());
        QVERIFY(back.TilePlane() == level.TilePlane());
        QCOMPARE(back.Info(4, 3), qint16(-1));
        QCOMPARE(back.Info(23, 16), qint16(-32768));
    }

    void savedBytesDecodeToSameWords() {
        Level level;
        level.Create(37, 23, 3, 9);
        quint32 seed = 12345;
        for (int y = 0; y < 23; ++y) {
            for (int x = 0; x < 37; ++x) {
                seed = seed * 1103515245 + 12345;
                // Mostly short and long runs of a few values, some markers.
                const int pick = int(seed >> 16) % 10;
                if (pick < 3)
                    level.SetTile(x, y, qint16(pick == 0 ? 0xFEFE : (seed >> 20) % 600));
                if (pick == 9)
                    level.SetInfo(x, y, qint16(seed >> 8));
            }
        }
        const QByteArray bytes = level.Serialize();
        const std::vector<quint16> image = unpackAll(bytes);
        const size_t cells = 37 * 23, planeLength = (cells + 7) / 8 * 8;
        QCOMPARE(image.size(), 16 + 2 * planeLength);
        QCOMPARE(dwordAt(bytes, 0), quint32(image.size() * 2));
        QVERIFY(signedWords(image, 16, cells) == level.TilePlane());
        QVERIFY(signedWords(image, 16 + planeLength, cells) == level.InfoPlane());
        for (size_t i = 8; i < 16; ++i)
            QCOMPARE(image[i], quint16(0));
        QCOMPARE(image[2], quint16(2));
        QCOMPARE(image[7], quint16(2 * planeLength));
    }

    void saveKeepsEpisodeAndNumber() {
        Level level;
        level.Create(24, 17, 1, 4);
        QTemporaryDir dir;
        const QString path = dir.filePath("one/two/three/four/five/LEVEL07.CK3");
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(level.Save(path));
        QCOMPARE(level.Episode(), qint16(1));
        QCOMPARE(level.Number(), qint16(4));
        // Loading takes both from the file's name.
        Level back;
        QVERIFY(back.Load(path));
        QCOMPARE(back.Episode(), qint16(3));
        QCOMPARE(back.Number(), qint16(7));
    }

    // --- reading ---------------------------------------------------------

    // Bytes laid down by hand and the planes they load as.
    void unpacksCells_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("width");
        QTest::addColumn<Cells>("tiles");
        QTest::addColumn<Cells>("infos");
        using B = LevelBytes;
        // One run of ten: eight header words, then the first two cells.
        QTest::newRow("run across header and plane")
            << QByteArray(B().plainHeader(4, 2).run(10, 7).words(6, 3).run(8, 0)) << 4
            << Cells{7, 7, 3, 3, 3, 3, 3, 3} << Cells(8, 0);
        QTest::newRow("header words stored plain are dropped")
            << QByteArray(B().plainHeader(2, 2)
                              .words(8, 0x1234)
                              .word(1)
                              .word(2)
                              .word(3)
                              .word(4)
                              .words(4, 0x5555) // padding, dropped
                              .word(5)
                              .word(6)
                              .word(7)
                              .word(8))
            << 2 << Cells{1, 2, 3, 4} << Cells{5, 6, 7, 8};
        // 3 cells per plane, 5 padding words: one run of 8 fills the header,
        // one run of 12 covers plane 0, padding, plane 1 and one word more.
        QTest::newRow("run through padding into the info plane")
            << QByteArray(B().plainHeader(3, 1).run(8, 9).run(12, -2).word(77)) << 3 << Cells(3, -2)
            << Cells(3, -2);
        // The plane-size word claims something else; the reader goes by W x H.
        QTest::newRow("padding is counted, not read") << QByteArray(B().dword(0)
                                                                        .word(3)
                                                                        .word(1)
                                                                        .word(2)
                                                                        .words(4, 0)
                                                                        .word(2)
                                                                        .run(8, 0)
                                                                        .word(1)
                                                                        .word(2)
                                                                        .word(3)
                                                                        .words(5, 0x4444)
                                                                        .word(4)
                                                                        .word(5)
                                                                        .word(6))
                                                      << 3 << Cells{1, 2, 3} << Cells{4, 5, 6};
        QTest::newRow("run beyond the last cell stops")
            << QByteArray(B().header(4, 2).run(8, 1).run(30000, 6).words(20, 9)) << 4 << Cells(8, 1)
            << Cells(8, 6);
        QTest::newRow("counts below one give nothing")
            << QByteArray(
                   B().header(4, 1).run(0, 5).run(-1, 6).run(-32768, 7).word(1).run(2, 2).word(3))
            << 4 << Cells{1, 2, 2, 3} << Cells(4, 0);
        QTest::newRow("header only: an empty level")
            << QByteArray(B().plainHeader(30, 20)) << 30 << Cells(600, 0) << Cells(600, 0);
        // The file ends inside a word or a run: what was whole is kept.
        const QList<QPair<const char*, QByteArray>> tails = {
            {"single trailing byte", QByteArray("\x05", 1)},
            {"marker at the very end", QByteArray("\xfe\xfe", 2)},
            {"marker and half a count", QByteArray("\xfe\xfe\x03", 3)},
            {"marker and count only", QByteArray("\xfe\xfe\x03\x00", 4)},
            {"marker, count, half a value", QByteArray("\xfe\xfe\x03\x00\x09", 5)}};
        for (const auto& [name, tail] : tails)
            QTest::newRow(name) << QByteArray(B().header(4, 1).word(4).bytes(tail)) << 4
                                << Cells{4, 0, 0, 0} << Cells(4, 0);
        QTest::newRow("whole run at the end")
            << QByteArray(B().header(4, 1).word(4).bytes(QByteArray("\xfe\xfe\x03\x00\x09\x00", 6)))
            << 4 << Cells{4, 9, 9, 9} << Cells(4, 0);
    }

    void unpacksCells() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, width);
        QFETCH(Cells, tiles);
        QFETCH(Cells, infos);
        QTemporaryDir dir;
        const Level level = loadBytes(dir, bytes);
        QCOMPARE(level.Width(), qint16(width));
        QCOMPARE(level.Height(), qint16(tiles.size() / width));
        QCOMPARE(Cells(level.TilePlane().begin(), level.TilePlane().end()), tiles);
        QCOMPARE(Cells(level.InfoPlane().begin(), level.InfoPlane().end()), infos);
    }

    void shortFileLeavesRestZero() {
        Level full;
        full.Create(24, 17, 1, 1);
        for (int x = 0; x < 24; ++x)
            full.SetInfo(x, 0, 5);
        const QByteArray bytes = full.Serialize();
        // Ends in the middle of plane 0: after 50 + 20 + 4 cells.
        const QByteArray cut = bytes.left(26 + 6 * 3);
        QTemporaryDir dir;
        const Level level = loadBytes(dir, cut);
        QCOMPARE(level.Width(), qint16(24));
        QCOMPARE(level.Height(), qint16(17));
        for (int i = 0; i < 24 * 17; ++i)
            QCOMPARE(level.TilePlane()[size_t(i)],
                     qint16(i < 74 ? full.TilePlane()[size_t(i)] : 0));
        QVERIFY(level.InfoPlane() == std::vector<qint16>(24 * 17, 0));
    }

    void loadReplacesPreviousLevel() {
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL02.CK2");
        QVERIFY(writeFile(path, LevelBytes().header(2, 2).words(4, 1).words(4, 0).words(4, 2)));
        Level level;
        level.Create(100, 80, 3, 9);
        QVERIFY(level.Load(path));
        QCOMPARE(level.Width(), qint16(2));
        QCOMPARE(level.Height(), qint16(2));
        QCOMPARE(level.Episode(), qint16(2));
        QCOMPARE(level.Number(), qint16(2));
        QVERIFY(level.TilePlane() == std::vector<qint16>(4, 1));
        QVERIFY(level.InfoPlane() == std::vector<qint16>(4, 2));
    }

    void invalidFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("19 bytes") << LevelBytes().plainHeader(24, 17).data().left(19);
        QTest::newRow("width 0") << LevelBytes().header(0, 17).words(10, 1).data();
        QTest::newRow("height 0") << LevelBytes().header(24, 0).words(10, 1).data();
        QTest::newRow("negative width") << LevelBytes().header(-24, 17).words(10, 1).data();
        QTest::newRow("negative both") << LevelBytes().header(-1, -1).words(10, 1).data();
        QTest::newRow("32761 cells") << LevelBytes().header(32761, 1).words(10, 1).data();
        QTest::newRow("huge") << LevelBytes().header(32767, 32767).words(10, 1).data();
        QTest::newRow("181 x 181") << LevelBytes().header(181, 181).words(10, 1).data();
    }

    void invalidFilesAreRefused() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL03.CK1");
        QVERIFY(writeFile(path, bytes));
        Level level;
        level.Create(30, 20, 2, 7);
        level.SetInfo(3, 3, 255);
        const Level before = level;
        const IoResult result = level.Load(path);
        QVERIFY(!result);
        QVERIFY2(result.error.contains("not a valid level file"), qPrintable(result.error));
        QVERIFY2(result.error.contains(QDir::toNativeSeparators(path)), qPrintable(result.error));
        QVERIFY(level == before);
        QVERIFY(!level.Deserialize(bytes, path));
        QVERIFY(level == before);
    }

    void largestValidSizeIsAccepted() {
        QTemporaryDir dir;
        const Level level = loadBytes(dir, LevelBytes().header(32760, 1).run(32760, 3));
        QCOMPARE(level.Width(), qint16(32760));
        QCOMPARE(level.TilePlane().size(), size_t(32760));
        QCOMPARE(level.Tile(32759, 0), qint16(3));
        QCOMPARE(level.Info(0, 0), qint16(0));
    }

    // --- file names ------------------------------------------------------

    void namesGiveEpisodeAndNumber_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("episode");
        QTest::addColumn<int>("number");
        QTest::newRow("deep path") << "/a/b/c/d/e/f/g/LEVEL80.CK2" << 2 << 80;
        QTest::newRow("bare") << "LEVEL80.CK1" << 1 << 80;
        QTest::newRow("lower case") << "/x/level07.ck3" << 3 << 7;
        QTest::newRow("backslashes") << "C:\\Games\\Keen\\LEVEL12.CK1" << 1 << 12;
        QTest::newRow("mixed slashes") << "C:\\Games/keen\\sub/LEVEL16.CK2" << 2 << 16;
        QTest::newRow("digit in folder") << "/levels99/LEVEL05.CK3" << 3 << 5;
        QTest::newRow("MAP.DAT") << "/home/u/MAP.DAT" << 0 << 0;
        QTest::newRow("short name") << "/tmp/LEV.CK1" << 1 << 0;
        QTest::newRow("five characters") << "/tmp/LEVEL" << 0 << 0;
        QTest::newRow("one digit then dot") << "/tmp/LEVEL8.CK1" << 1 << 8;
        QTest::newRow("blank before digit") << "/tmp/LEVEL 8.CK1" << 1 << 8;
        QTest::newRow("blank after digit") << "/tmp/LEVEL8 .CK1" << 1 << 8;
        QTest::newRow("tab") << "/tmp/LEVEL\t9.CK2" << 2 << 9;
        QTest::newRow("letters") << "/tmp/LEVELAB.CK1" << 1 << 0;
        QTest::newRow("digit then letter") << "/tmp/LEVEL1A.CK1" << 1 << 1;
        QTest::newRow("other stem") << "/tmp/MYMAP42.CK3" << 3 << 42;
        QTest::newRow("letter at end") << "/tmp/LEVEL80.CK" << 0 << 80;
        QTest::newRow("blank at end") << "/tmp/LEVEL80.CK1 " << 0 << 80;
        QTest::newRow("digit 9 at end") << "/tmp/LEVEL80.CK9" << 9 << 80;
        QTest::newRow("empty") << "" << 0 << 0;
        QTest::newRow("trailing slash") << "/tmp/LEVEL80.CK1/" << 0 << 0;
    }

    void namesGiveEpisodeAndNumber() {
        QFETCH(QString, name);
        QFETCH(int, episode);
        QFETCH(int, number);
        QCOMPARE(Level::EpisodeFromFileName(name), qint16(episode));
        QCOMPARE(Level::NumberFromFileName(name), qint16(number));
    }

    // --- failures --------------------------------------------------------

    void missingFileIsAnError() {
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        Level level;
        level.Create(24, 17, 1, 1);
        const Level before = level;
        const IoResult result = level.Load(path);
        QVERIFY(!result);
        QVERIFY2(result.error.contains(path), qPrintable(result.error));
        QVERIFY(level == before);
    }

    void folderIsNotALevel() {
        QTemporaryDir dir;
        Level level;
        const IoResult result = level.Load(dir.path());
        QVERIFY(!result);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(level.Width(), qint16(0));
    }

    void saveIntoMissingOrFileFolderFails() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("plain.txt"), "text"));
        Level level;
        level.Create(24, 17, 1, 1);
        for (const QString& path :
             {dir.filePath("plain.txt/LEVEL01.CK1"), dir.filePath("no/such/folder/LEVEL01.CK1")}) {
            const IoResult result = level.Save(path);
            QVERIFY(!result);
            QVERIFY2(result.error.contains(path), qPrintable(result.error));
        }
        QCOMPARE(fileBytes(dir.filePath("plain.txt")), QByteArray("text"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"plain.txt"});
    }

    void saveIntoReadOnlyFolderFails() {
        if (geteuid() == 0)
            QSKIP("root may write into read-only folders");
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        QVERIFY(writeFile(path, "old contents"));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        Level level;
        level.Create(24, 17, 1, 1);
        const IoResult result = level.Save(path);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!result);
        QCOMPARE(fileBytes(path), QByteArray("old contents"));
    }

    void failedSaveLeavesOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        const QByteArray old = newLevel24x17Bytes();
        QVERIFY(writeFile(path, old));
        Level big;
        big.Create(170, 170, 1, 1);
        for (int i = 0; i < 28900; ++i)
            big.SetTile(i % 170, i / 170, qint16(i)); // no runs: a large file
        IoResult result;
        {
            FileSizeLimit limit(4096);
            result = big.Save(path);
        }
        QVERIFY(!result);
        QVERIFY2(result.error.contains(path), qPrintable(result.error));
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"LEVEL01.CK1"});
    }

    void levelTooLargeOrEmptyForFileIsNotSaved() {
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL01.CK1");
        QVERIFY(writeFile(path, "keep me"));
        Level empty;
        QVERIFY(!empty.Save(path));
        Level huge;
        huge.Create(200, 200, 1, 1);
        const IoResult result = huge.Save(path);
        QVERIFY(!result);
        QVERIFY2(result.error.contains("200x200"), qPrintable(result.error));
        QCOMPARE(fileBytes(path), QByteArray("keep me"));
    }
};

GM_TEST_GUILESS_MAIN(tst_LevelFile)
#include "tst_LevelFile.moc"
