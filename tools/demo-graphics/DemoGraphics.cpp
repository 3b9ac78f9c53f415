#include "DemoGraphics.h"

#include "DemoLevels.h"
#include "DemoTileBehaviour.h"
#include "FileWriter.h"
#include "SpriteArt.h"
#include "SpriteCatalogue.h"
#include "TileBehaviourLoader.h"
#include "TileSheetArt.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

namespace {

// The resolution stored in the header is fixed at 96 dots per inch: by
// default it would follow the screen of the machine that runs the generator.
constexpr int DotsPerMeter = 3780;

IoResult saveBitmap(QImage image, const QString& path) {
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(image))
        return IoResult::failure(
            QStringLiteral("Cannot write %1: %2").arg(path, writer.errorString()));
    return FileWriter::WriteWhole(path, bytes);
}

IoResult makeFolder(const QString& path) {
    if (QDir().mkpath(path))
        return IoResult::success();
    return IoResult::failure(QStringLiteral("Cannot create the folder %1").arg(path));
}

IoResult writeEpisodeGraphics(const QString& outDir, int episode) {
    const QString folder = DemoGraphics::EpisodeFolder(outDir, episode);
    IoResult result = makeFolder(folder);
    if (!result)
        return result;
    result = saveBitmap(TileSheetArt::Make(episode),
                        folder + QLatin1Char('/') + SpriteCatalogue::TileSheetName(episode));
    if (result)
        result = FileWriter::WriteWhole(folder + QLatin1Char('/') +
                                            TileBehaviourLoader::TableFileName(episode),
                                        DemoTileBehaviour::Make(episode).ToBytes());
    for (const QString& name : SpriteCatalogue::DistinctFiles(episode)) {
        if (!result)
            return result;
        result = saveBitmap(SpriteArt::Make(episode, name), folder + QLatin1Char('/') + name);
    }
    return result;
}

IoResult writeEpisodeLevels(const QString& outDir, int episode) {
    const QString folder = DemoGraphics::LevelsFolder(outDir);
    IoResult result = makeFolder(folder);
    for (const DemoLevels::DemoLevel& demo : DemoLevels::Make(episode)) {
        if (!result)
            return result;
        result = demo.level.Save(folder + QLatin1Char('/') + demo.fileName);
    }
    return result;
}

} // namespace

namespace DemoGraphics {

QString EpisodeFolder(const QString& outDir, int episode) {
    return outDir + QStringLiteral("/graphics/keen%1").arg(episode);
}

QString LevelsFolder(const QString& outDir) {
    return outDir + QStringLiteral("/levels");
}

IoResult Generate(const QString& outDir) {
    for (int episode = 1; episode <= 3; ++episode) {
        IoResult result = writeEpisodeGraphics(outDir, episode);
        if (result)
            result = writeEpisodeLevels(outDir, episode);
        if (!result)
            return result;
    }
    return IoResult::success();
}

} // namespace DemoGraphics
