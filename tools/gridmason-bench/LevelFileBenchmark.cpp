// Loading and saving levels, as MB/s of unpacked level data (the 32 + 4P
// bytes of header and both padded planes) and as a ratio against a plain
// memcpy of as many bytes, measured in the same run. "decode" and "encode"
// are the packed format alone, in memory; "load" and "save" go through a
// real file, and "save" includes the atomic replace that flushes the new
// file to disk before renaming it.

#include "Benchmark.h"
#include "Level.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstring>
#include <random>
#include <vector>

namespace {

// Keeps the compiler from dropping work whose result is never read.
void consume(const void* pointer) {
    asm volatile("" : : "r"(pointer) : "memory");
}

qint64 unpackedBytes(const Level& level) {
    const qint64 cells = qint64(level.Width()) * level.Height();
    return 32 + 4 * ((cells + 7) / 8 * 8);
}

// A 170 x 170 level that looks like a real one: long runs of background,
// stretches of varied tiles, scattered sprites and a few marker values.
Level mixedLevel() {
    Level level;
    level.Create(170, 170, 1, 1);
    std::mt19937 random(170);
    for (int y = 2; y < 168; ++y) {
        for (int x = 2; x < 168; ++x) {
            const unsigned pick = random() % 100;
            if (y % 9 < 3 && pick < 70)
                level.SetTile(x, y, qint16(random() % 611));
            else if (pick < 3)
                level.SetTile(x, y, qint16(0xFEFE));
            if (pick > 96)
                level.SetInfo(x, y, qint16(1 + random() % 40));
        }
    }
    return level;
}

double memcpySeconds(qint64 bytes) {
    std::vector<char> from(size_t(bytes), 1);
    std::vector<char> to(from.size());
    return secondsPerCall([&] {
        std::memcpy(to.data(), from.data(), to.size());
        consume(to.data());
    });
}

void printRow(QTextStream& out, const QString& operation, qint64 bytes, double seconds,
              double copySeconds) {
    out << "  " << qSetFieldWidth(7) << Qt::left << operation << qSetFieldWidth(0) << Qt::right
        << qSetFieldWidth(10) << QString::number(double(bytes) / seconds / 1e6, 'f', 1)
        << qSetFieldWidth(0) << " MB/s " << qSetFieldWidth(9)
        << QString::number(seconds / copySeconds, 'f', 1) << qSetFieldWidth(0) << "x memcpy\n";
}

void measure(QTextStream& out, const QString& label, const Level& level, const QDir& scratch) {
    const qint64 bytes = unpackedBytes(level);
    const QString path = scratch.filePath(QStringLiteral("LEVEL01.CK1"));
    const QByteArray packed = level.Serialize();
    if (!level.Save(path)) {
        out << label << ": cannot write to " << scratch.path() << "\n";
        return;
    }
    const double copy = memcpySeconds(bytes);
    Level target;
    out << label << " (" << level.Width() << "x" << level.Height() << ", " << bytes
        << " bytes unpacked, " << packed.size() << " packed; memcpy "
        << QString::number(double(bytes) / copy / 1e6, 'f', 0) << " MB/s)\n";
    printRow(out, "decode", bytes, secondsPerCall([&] { target.Deserialize(packed, path); }), copy);
    printRow(out, "encode", bytes, secondsPerCall([&] {
                 const QByteArray encoded = level.Serialize();
                 consume(encoded.constData());
             }),
             copy);
    printRow(out, "load", bytes, secondsPerCall([&] { target.Load(path); }), copy);
    printRow(out, "save", bytes, secondsPerCall([&] { level.Save(path); }, 1), copy);
}

void runLevelFiles(QTextStream& out) {
    QTemporaryDir scratch;
    const QDir scratchDir(scratch.path());
    measure(out, QStringLiteral("mixed 170x170"), mixedLevel(), scratchDir);
    QDir real(QStringLiteral(GM_SOURCE_DIR "/../shared/data/keen1-shareware"));
    const QStringList names = real.entryList({QStringLiteral("level??.ck1")}, QDir::Files);
    if (names.isEmpty())
        out << "(real levels not found at " << real.absolutePath() << ")\n";
    for (const QString& name : names) {
        Level level;
        if (level.Load(real.filePath(name)))
            measure(out, name, level, scratchDir);
    }
}

const Benchmark levelFiles("level-files", runLevelFiles,
                           "decoding, encoding, loading and saving level files");

} // namespace
