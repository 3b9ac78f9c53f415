#include "EgaTestFiles.h"
#include "GameGraphics.h"
#include "GameGraphicsSource.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace EgaTest;

// Feeds the reader many damaged versions of the real episode-1 files and of
// generated uncompressed ones. Whatever the damage, loading either fails
// with a message naming one of the files, or succeeds and then every image
// is either made in the right shape or refused with a message naming the
// header file. The sanitizer build catches any read out of bounds.
class TestGameGraphicsDamage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void filesCutShort_data();
    void filesCutShort();
    void realFilesWithFlippedBytes();
    void realHeaderFields();
    void generatedHeaderFields();
    void generatedFilesWithFlippedBytes();
    void generatedSpriteEntries();

private:
    // Writes the variant, loads it and checks everything it gives. Returns
    // whether loading succeeded.
    bool exercise(const GameFiles& files, int episode, QString* error = nullptr);
    GameFiles realFiles() const;
    // Sets each field of the header's fixed part to extremes in turn.
    void damageFields(const GameFiles& base, int episode);

    QTemporaryDir m_Dir;
    GameFiles m_Generated;
    int m_Loaded = 0;
    int m_Refused = 0;
};

namespace {

const char* const FileKinds[] = {"EGAHEAD", "EGALATCH", "EGASPRIT"};

QByteArray& part(GameFiles& files, int kind) {
    return kind == 0 ? files.header : kind == 1 ? files.latch : files.sprites;
}

bool namesAFile(const QString& message) {
    for (const char* kind : FileKinds) {
        if (message.contains(QLatin1String(kind), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

void TestGameGraphicsDamage::initTestCase() {
    QVERIFY(m_Dir.isValid());
    m_Generated = buildGame(makeTiles(30), makeSprites(12), false, false);
}

GameFiles TestGameGraphicsDamage::realFiles() const {
    GameFiles files;
    const QDir dir(realDataDir());
    files.header = fileBytes(dir.filePath("EGAHEAD.CK1"));
    files.latch = fileBytes(dir.filePath("EGALATCH.CK1"));
    files.sprites = fileBytes(dir.filePath("EGASPRIT.CK1"));
    return files;
}

bool TestGameGraphicsDamage::exercise(const GameFiles& files, int episode, QString* error) {
    const QString ext = QStringLiteral(".CK%1").arg(episode);
    if (!writeGame(m_Dir.path(), files, "EGAHEAD" + ext, "EGALATCH" + ext, "EGASPRIT" + ext))
        qFatal("cannot write the test files");
    GameGraphics graphics;
    const IoResult loaded = graphics.Load(m_Dir.path(), episode);
    if (!loaded.ok) {
        ++m_Refused;
        if (error)
            *error = loaded.error;
        if (!namesAFile(loaded.error))
            qFatal("unhelpful message: %s", qPrintable(loaded.error));
        if (graphics.Episode() != 0 || !graphics.TileSheet().isNull())
            qFatal("a failed load left graphics behind");
        return false;
    }
    ++m_Loaded;
    const QImage sheet = graphics.TileSheet();
    const int rows = (graphics.TileCount() + 12) / 13;
    if (sheet.width() != 208 || sheet.height() != rows * 16)
        qFatal("tile sheet of the wrong size");
    for (int sprite = 0; sprite < graphics.SpriteCount(); ++sprite) {
        QImage bitmap;
        const IoResult made = graphics.SpriteBitmap(sprite, bitmap);
        if (made.ok && (bitmap.isNull() || bitmap.width() % 24 != 0))
            qFatal("sprite %d has a bitmap of the wrong shape", sprite);
        if (!made.ok && (!made.error.contains("EGAHEAD") || !bitmap.isNull()))
            qFatal("sprite %d: %s", sprite, qPrintable(made.error));
    }
    return true;
}

void TestGameGraphicsDamage::filesCutShort_data() {
    QTest::addColumn<bool>("real");
    QTest::newRow("the game's files") << true;
    QTest::newRow("generated files") << false;
}

// Each file cut anywhere: refused, with the message naming that file.
void TestGameGraphicsDamage::filesCutShort() {
    QFETCH(bool, real);
    if (real)
        GM_REQUIRE_REAL_DATA();
    const GameFiles whole = real ? realFiles() : m_Generated;
    const int episode = real ? 1 : 2;
    QVERIFY(exercise(whole, episode));
    for (int kind = 0; kind < 3; ++kind) {
        const int size = part(const_cast<GameFiles&>(whole), kind).size();
        QList<int> lengths;
        if (real)
            lengths = {0, 1, 4, 6, 7, 47, 48, 100, 1000, size / 2, size - 40, size - 8};
        else
            for (int length = 0; length < size; length += 1 + size / 60)
                lengths << length;
        for (const int length : lengths) {
            GameFiles cut = whole;
            part(cut, kind).truncate(length);
            QString error;
            QVERIFY2(!exercise(cut, episode, &error),
                     qPrintable(QStringLiteral("%1 cut to %2").arg(FileKinds[kind]).arg(length)));
            QVERIFY2(error.contains(QStringLiteral("%1.CK%2").arg(FileKinds[kind]).arg(episode)),
                     qPrintable(error));
        }
    }
}

void TestGameGraphicsDamage::realFilesWithFlippedBytes() {
    GM_REQUIRE_REAL_DATA();
    const GameFiles real = realFiles();
    QRandomGenerator random(1989);
    for (int kind = 0; kind < 3; ++kind) {
        for (int round = 0; round < 12; ++round) {
            GameFiles damaged = real;
            QByteArray& bytes = part(damaged, kind);
            for (int flips = 1 + random.bounded(3); flips > 0; --flips)
                bytes[random.bounded(bytes.size())] ^= char(1 << random.bounded(8));
            exercise(damaged, 1);
        }
    }
    // The packed files' own size word.
    for (qint64 size : {0LL, 1LL, 119679LL, 119681LL, 0x7FFFFFFFLL, 0xFFFFFFFFLL}) {
        GameFiles damaged = real;
        putInt32(damaged.latch, 0, size);
        QVERIFY(!exercise(damaged, 1));
    }
}

void TestGameGraphicsDamage::damageFields(const GameFiles& base, int episode) {
    const struct {
        int at;
        int bytes;
        qint64 value;
    } fields[] = {
        {0, 4, 0x7FFFFFFF}, {0, 4, -1},     {0, 4, 0},           {0, 4, 1 << 20},
        {4, 4, 0x7FFFFFFF}, {4, 4, -1},     {4, 4, 0},           {12, 4, 0x7FFFFFFF},
        {12, 4, -48},       {12, 4, 15560}, {28, 2, 0x7FFF},     {28, 2, -1},
        {28, 2, 0},         {30, 4, -2048}, {30, 4, 0x7FFFFFF0}, {40, 2, 0x7FFF},
        {40, 2, -1},        {40, 2, 0},     {42, 4, 0x7FFFFFFF}, {42, 4, -16},
        {46, 2, 0},         {46, 2, 1},     {46, 2, 2},
    };
    for (const auto& field : fields) {
        GameFiles damaged = base;
        if (field.bytes == 4)
            putInt32(damaged.header, field.at, field.value);
        else
            putInt16(damaged.header, field.at, int(field.value));
        exercise(damaged, episode);
    }
}

void TestGameGraphicsDamage::realHeaderFields() {
    GM_REQUIRE_REAL_DATA();
    const GameFiles real = realFiles();
    damageFields(real, 1);
    // Sprite entries pointing anywhere and sized anyhow.
    for (int value : {0, 1, 0x7FFF, 0xFFFF, 0x8000}) {
        for (int offset : {0, 2, 4, 6, 8, 12}) {
            GameFiles damaged = real;
            putInt16(damaged.header, 336 + 114 * 128 + offset, value);
            QVERIFY(exercise(damaged, 1));
        }
    }
    QVERIFY(m_Refused > 0);
}

void TestGameGraphicsDamage::generatedHeaderFields() {
    const int refused = m_Refused;
    damageFields(m_Generated, 2);
    QVERIFY(m_Refused > refused);
}

void TestGameGraphicsDamage::generatedFilesWithFlippedBytes() {
    QRandomGenerator random(1990);
    for (int round = 0; round < 200; ++round) {
        GameFiles damaged = m_Generated;
        // Mostly the header, whose every byte matters.
        QByteArray& bytes = part(damaged, round % 5 == 0 ? 1 + round % 2 : 0);
        for (int flips = 1 + random.bounded(4); flips > 0; --flips) {
            const int at = random.bounded(bytes.size());
            bytes[at] = char(random.bounded(2) ? random.bounded(256) : (bytes[at] ^ 0x80));
        }
        exercise(damaged, 3);
    }
    QVERIFY(m_Loaded > 0);
}

void TestGameGraphicsDamage::generatedSpriteEntries() {
    // Each field of one sprite entry set to extremes: the other sprites and
    // the tiles stay readable, the damaged sprite is refused or still fits.
    for (int offset = 0; offset < 16; offset += 2) {
        for (int value : {0, 1, 0x7F, 0x7FFF, 0x8000, 0xFFFF}) {
            GameFiles damaged = m_Generated;
            putInt16(damaged.header, SpriteTableAt + 5 * 128 + offset, value);
            QVERIFY(exercise(damaged, 2));
            GameGraphics graphics;
            QVERIFY(graphics.Load(m_Dir.path(), 2).ok);
            QImage other;
            QVERIFY(graphics.SpriteBitmap(4, other).ok);
            QCOMPARE(other.height(), 5 + 4 % 7);
        }
    }
    // An entry past the end of the planes, through the bitmap source.
    GameFiles damaged = m_Generated;
    putInt16(damaged.header, SpriteTableAt + 3 * 128 + 6, 0x7FFF);
    QVERIFY(exercise(damaged, 2));
    const GameGraphicsSource source(m_Dir.path(), 2);
    QImage image;
    const IoResult result = source.Load("2spr0003.bmp", image);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains("EGAHEAD.CK2") && result.error.contains("sprite 3"),
             qPrintable(result.error));
    QVERIFY(image.isNull());
}

GM_TEST_MAIN(TestGameGraphicsDamage)
#include "tst_GameGraphicsDamage.moc"
