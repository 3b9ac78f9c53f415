#include "GraphicsFolder.h"

#include "FolderBitmapSource.h"
#include "GameGraphics.h"
#include "SpriteCatalogue.h"

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
