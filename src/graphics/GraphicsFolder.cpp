#include "GraphicsFolder.h"

#include "FolderBitmapSource.h"
#include "GameGraphics.h"
#include "GameGraphicsSource.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QImage>

GraphicsFolder::Kind GraphicsFolder::Classify(const QString& folder, int episode) {
    if (folder.isEmpty())
        return Kind::None;
    if (!FolderBitmapSource::FindFile(folder, SpriteCatalogue::TileSheetName(episode)).isEmpty())
        return Kind::ExportedBitmaps;
    if (GameGraphics::FolderHasGameGraphics(folder, episode))
        return Kind::GameFiles;
    return Kind::None;
}

QString GraphicsFolder::Describe(Kind kind) {
    switch (kind) {
    case Kind::ExportedBitmaps:
        return QStringLiteral("Exported bitmaps");
    case Kind::GameFiles:
        return QStringLiteral("The game's own graphics files");
    case Kind::None:
        break;
    }
    return QString();
}

IoResult GraphicsFolder::LoadTiles(const QString& folder, int episode, TileSet& tiles) {
    if (Classify(folder, episode) == Kind::GameFiles) {
        GameGraphicsSource source(folder, episode);
        QImage sheet;
        const IoResult loaded = source.Load(SpriteCatalogue::TileSheetName(episode), sheet);
        if (loaded)
            tiles.LoadFromImage(sheet);
        return loaded;
    }
    return tiles.LoadFromBitmap(folder + QLatin1Char('/') +
                                SpriteCatalogue::TileSheetName(episode));
}

IoResult GraphicsFolder::LoadSprites(const QString& folder, int episode, SpriteSet& sprites,
                                     Surface& scratch) {
    if (Classify(folder, episode) == Kind::GameFiles)
        return sprites.LoadFromSource(qint16(episode), GameGraphicsSource(folder, episode),
                                      scratch);
    return sprites.LoadFromBitmaps(
        folder + QLatin1Char('/') + SpriteCatalogue::SpriteBaseName(episode), scratch);
}
