#include "GraphicsFolder.h"

#include "FolderBitmapSource.h"
#include "GameGraphics.h"
#include "GameGraphicsSource.h"
#include "PathText.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QCoreApplication>
#include <QDirIterator>
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

bool GraphicsFolder::HoldsBitmap(const QString& folder) {
    if (folder.isEmpty())
        return false;
    // Hidden and system files are left out by the filter; the name filter
    // matches in any letter case.
    QDirIterator it(PathText::Slashed(folder), {QStringLiteral("*.bmp")}, QDir::Files);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString GraphicsFolder::Describe(Kind kind) {
    switch (kind) {
    case Kind::ExportedBitmaps:
        return QCoreApplication::translate("GraphicsFolder", "Exported bitmaps");
    case Kind::GameFiles:
        return QCoreApplication::translate("GraphicsFolder", "The game's own graphics files");
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
