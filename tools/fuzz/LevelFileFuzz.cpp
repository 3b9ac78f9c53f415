// Fuzz target for the level file reader. Every input must either be refused
// with the level left as it was, or give planes of exactly W x H cells that
// survive a save and a second read unchanged.

#include "Level.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = QStringLiteral("LEVEL42.CK2");
    Level level;
    level.Create(5, 4, 1, 1);
    const Level before = level;
    if (!level.Deserialize(bytes, name)) {
        if (level != before)
            std::abort();
        return 0;
    }
    const size_t cells = size_t(level.Width()) * size_t(level.Height());
    if (level.Width() < 1 || level.Height() < 1 || cells > size_t(Level::MaxCells) ||
        level.TilePlane().size() != cells || level.InfoPlane().size() != cells)
        std::abort();
    Level again;
    if (!again.Deserialize(level.Serialize(), name) || again != level)
        std::abort();
    return 0;
}
