// Feeds the reader thousands of damaged level files, derived from the real
// levels and from generated ones, and checks each result against a
// straightforward word-by-word reading of the same bytes. Under the
// sanitizer build this also proves the reader stays inside its buffers.

#include "Level.h"
#include "LevelBytes.h"
#include "TestData.h"
#include "TestMain.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <random>

namespace {

struct Decoded {
    bool valid = false;
    qint16 width = 0;
    qint16 height = 0;
    std::vector<qint16> tiles;
    std::vector<qint16> infos;
};

// The reader as a plain state machine: a counter of decoded words, a column
// and a row running over both planes, one word at a time.
class SlowReader {
public:
    explicit SlowReader(const QByteArray& data) : m_Data(data) {}

    Decoded read() {
        if (m_Data.size() < 20)
            return {};
        m_Out.width = qint16(wordAt(m_Data, 4));
        m_Out.height = qint16(wordAt(m_Data, 6));
        const int w = m_Out.width, h = m_Out.height;
        if (w < 1 || h < 1 || w * h > Level::MaxCells)
            return {};
        m_Out.valid = true;
        m_Out.tiles.assign(size_t(w * h), 0);
        m_Out.infos.assign(size_t(w * h), 0);
        m_Threshold = (w * h + 7) / 8 * 8 + 8;
        for (int pos = 20; !m_Done && pos + 2 <= m_Data.size();) {
            const quint16 word = wordAt(m_Data, pos);
            pos += 2;
            if (word != 0xFEFE) {
                deliver(qint16(word));
                continue;
            }
            if (pos + 4 > m_Data.size())
                break;
            const int count = qint16(wordAt(m_Data, pos));
            const qint16 value = qint16(wordAt(m_Data, pos + 2));
            pos += 4;
            for (int i = 0; i < count && !m_Done; ++i)
                deliver(value);
        }
        return m_Out;
    }

private:
    void deliver(qint16 value) {
        ++m_Count;
        if (m_Count <= 8)
            return;
        if (m_Y < m_Out.height)
            m_Out.tiles[size_t(m_Y * m_Out.width + m_X)] = value;
        else if (m_Count <= m_Threshold)
            return;
        else
            m_Out.infos[size_t((m_Y - m_Out.height) * m_Out.width + m_X)] = value;
        if (++m_X == m_Out.width) {
            m_X = 0;
            if (++m_Y == 2 * m_Out.height)
                m_Done = true;
        }
    }

    const QByteArray& m_Data;
    Decoded m_Out;
    int m_Threshold = 0;
    int m_Count = 0;
    int m_X = 0;
    int m_Y = 0;
    bool m_Done = false;
};

Level generatedLevel(qint16 width, qint16 height, std::mt19937& random) {
    Level level;
    level.Create(width, height, 1, 1);
    const qint16 palette[] = {0, 143, 144, qint16(0xFEFE), -1, 255, qint16(0x8003), 7};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (random() % 3 == 0)
                level.SetTile(x, y, palette[random() % 8]);
            if (random() % 5 == 0)
                level.SetInfo(x, y, random() % 2 ? palette[random() % 8] : qint16(random()));
        }
    }
    return level;
}

void setWord(QByteArray& data, int offset, quint16 value) {
    if (offset + 2 <= data.size())
        qToLittleEndian(value, data.data() + offset);
}

class Mutator {
public:
    explicit Mutator(quint32 seed) : m_Random(seed) {}
    std::mt19937& random() { return m_Random; }

    // The damaged variants of one good file; `share` scales the number of
    // random ones (large files take longer to check).
    QList<QByteArray> variants(const QByteArray& good, double share = 1.0) {
        const int flips = int(300 * share), runs = int(150 * share), cuts = int(60 * share);
        QList<QByteArray> out;
        truncations(good, cuts, out);
        for (int i = 0; i < flips; ++i)
            out << flipped(good);
        for (int i = 0; i < runs; ++i)
            out << withRun(good);
        for (int i = 0; i < 20; ++i)
            out << withoutByte(good);
        ends(good, out);
        sizes(good, out);
        return out;
    }

    QByteArray garbage() {
        QByteArray data(int(m_Random() % 300), '\0');
        for (char& c : data)
            c = char(m_Random());
        // Mostly small sizes, so the stream is actually decoded.
        if (m_Random() % 4 != 0) {
            setWord(data, 4, quint16(1 + m_Random() % 40));
            setWord(data, 6, quint16(1 + m_Random() % 40));
        }
        for (int i = 0; i < 3 && data.size() > 26; ++i)
            setWord(data, 20 + 2 * int(m_Random() % ((data.size() - 22) / 2)), 0xFEFE);
        return data;
    }

private:
    int position(const QByteArray& data) { return int(m_Random() % quint32(data.size())); }

    void truncations(const QByteArray& good, int cuts, QList<QByteArray>& out) {
        if (good.size() <= 400) {
            for (int n = 0; n < good.size(); ++n)
                out << good.left(n);
            return;
        }
        for (int n : {0, 1, 19, 20, 21, 22, 25, 26, 27})
            out << good.left(n);
        for (int i = 0; i < cuts; ++i)
            out << good.left(position(good));
    }

    QByteArray flipped(QByteArray data) {
        const int flips = 1 + int(m_Random() % 6);
        for (int i = 0; i < flips; ++i)
            data[position(data)] = char(m_Random());
        return data;
    }

    QByteArray withRun(QByteArray data) {
        static const quint16 counts[] = {0x7FFF, 0x8000, 0xFFFF, 0, 1, 32760, 2, 0xFEFE};
        const int at = 20 + 2 * int(m_Random() % quint32(std::max(1, (int(data.size()) - 20) / 2)));
        const QByteArray run =
            LevelBytes().run(counts[m_Random() % 8], int(m_Random() % 0x10000)).data();
        if (m_Random() % 2)
            return data.insert(at, run);
        return data.left(at) + run + data.mid(at + run.size());
    }

    QByteArray withoutByte(QByteArray data) { return data.remove(position(data), 1); }

    void ends(const QByteArray& good, QList<QByteArray>& out) {
        out << good + QByteArray("\xfe\xfe", 2) << good + QByteArray("\xfe\xfe\x10\x00", 4)
            << good + QByteArray("\xfe", 1) << good + QByteArray("\xfe\xfe\xff\x7f\x01\x00", 6);
        // The marker as the very last word, cutting off the file's last run.
        const int lastMarker = good.lastIndexOf(QByteArray("\xfe\xfe", 2));
        if (lastMarker >= 20)
            out << good.left(lastMarker + 2) << good.left(lastMarker + 4);
    }

    void sizes(const QByteArray& good, QList<QByteArray>& out) {
        static const quint16 extremes[] = {0, 1, 0xFFFF, 0x7FFF, 0x8000, 180, 181, 32760, 2, 500};
        for (quint16 width : extremes) {
            QByteArray data = good;
            setWord(data, 4, width);
            setWord(data, 6, extremes[m_Random() % 10]);
            out << data;
        }
    }

    std::mt19937 m_Random;
};

} // namespace

class tst_LevelRobustness : public QObject {
    Q_OBJECT

private:
    int m_Checked = 0;

    void check(const QByteArray& data) {
        Level level;
        level.Create(6, 5, 2, 9);
        level.SetInfo(1, 1, 255);
        const Level before = level;
        const IoResult result = level.Deserialize(data, QStringLiteral("/x/LEVEL42.CK3"));
        const Decoded expected = SlowReader(data).read();
        ++m_Checked;
        if (!expected.valid) {
            QVERIFY(!result);
            QVERIFY(result.error.contains("not a valid level file"));
            QVERIFY(level == before);
            return;
        }
        QVERIFY2(result, qPrintable(result.error));
        QCOMPARE(level.Width(), expected.width);
        QCOMPARE(level.Height(), expected.height);
        QCOMPARE(level.Episode(), qint16(3));
        QCOMPARE(level.Number(), qint16(42));
        QVERIFY(level.TilePlane() == expected.tiles);
        QVERIFY(level.InfoPlane() == expected.infos);
    }

    void checkAll(const QList<QByteArray>& inputs) {
        for (const QByteArray& data : inputs) {
            check(data);
            if (QTest::currentTestFailed()) {
                qWarning("failing input: %s", data.toHex().left(400).constData());
                return;
            }
        }
    }

private slots:
    void damagedGeneratedLevels() {
        Mutator mutator(20240611);
        const QList<QSize> sizes{{1, 1}, {3, 1}, {8, 1}, {4, 3}, {24, 17}, {25, 17}, {61, 9}};
        for (const QSize& size : sizes) {
            const Level level =
                generatedLevel(qint16(size.width()), qint16(size.height()), mutator.random());
            const QByteArray good = level.Serialize();
            checkAll({good});
            checkAll(mutator.variants(good));
        }
        QVERIFY2(m_Checked > 3000, qPrintable(QString::number(m_Checked)));
    }

    void damagedRealLevels() {
        GM_REQUIRE_REAL_DATA();
        Mutator mutator(7);
        QDir dir(realDataDir());
        const QStringList names = dir.entryList({"level??.ck1"}, QDir::Files);
        QVERIFY(!names.isEmpty());
        for (const QString& name : names) {
            const QByteArray good = fileBytes(dir.filePath(name));
            checkAll({good});
            checkAll(mutator.variants(good, 0.15));
        }
        qInfo("%d damaged inputs checked so far", m_Checked);
    }

    void randomGarbage() {
        Mutator mutator(99);
        QList<QByteArray> inputs;
        for (int i = 0; i < 3000; ++i)
            inputs << mutator.garbage();
        checkAll(inputs);
    }

    void damagedFilesThroughLoad() {
        // The file path must agree with decoding the same bytes in memory.
        Mutator mutator(5);
        Level source = generatedLevel(24, 17, mutator.random());
        const QList<QByteArray> inputs = mutator.variants(source.Serialize());
        QTemporaryDir dir;
        const QString path = dir.filePath("LEVEL42.CK3");
        for (int i = 0; i < inputs.size(); i += 5) {
            QVERIFY(writeFile(path, inputs[i]));
            Level fromFile, fromMemory;
            const bool loaded = bool(fromFile.Load(path));
            QCOMPARE(loaded, bool(fromMemory.Deserialize(inputs[i], path)));
            QVERIFY(fromFile == fromMemory);
        }
    }
};

GM_TEST_GUILESS_MAIN(tst_LevelRobustness)
#include "tst_LevelRobustness.moc"
