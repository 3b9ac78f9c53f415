// Fuzz target for the level file reader. Every input must either be refused
// with the level left as it was, or give planes of exactly W x H cells that
// survive a save and a second read unchanged. The same bytes read from a
// file must give the same level.

#include "Level.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

// Load reads a file: the input goes through one, named like a level file.
bool loadsLikeDeserialize(const QByteArray& bytes, const Level& fromBytes, bool accepted) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LEVEL42.CK2"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    Level level;
    level.Create(5, 4, 1, 1);
    const Level before = level;
    const bool loaded = bool(level.Load(path));
    return loaded == accepted && level == (loaded ? fromBytes : before);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = QStringLiteral("LEVEL42.CK2");
    Level level;
    level.Create(5, 4, 1, 1);
    const Level before = level;
    if (!level.Deserialize(bytes, name)) {
        if (level != before || !loadsLikeDeserialize(bytes, level, false))
            std::abort();
        return 0;
    }
    if (!loadsLikeDeserialize(bytes, level, true))
        std::abort();
    const size_t cells = size_t(level.Width()) * size_t(level.Height());
    if (level.Width() < 1 || level.Height() < 1 || cells > size_t(Level::MaxCells) ||
        level.TilePlane().size() != cells || level.InfoPlane().size() != cells)
        std::abort();
    Level again;
    if (!again.Deserialize(level.Serialize(), name) || again != level)
        std::abort();
    return 0;
}
