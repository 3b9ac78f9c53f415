#include "MapLink.h"

#include "EpisodeFolder.h"
#include "MapIndex.h"

#include <QFileInfo>

MapLink MapLink::At(const MapIndex& map, QPoint cell) {
    if (const MapIndex::Door* entrance = map.EntranceAt(cell))
        return {Kind::Entrance, entrance->level};
    if (const MapIndex::Door* blocker = map.BlockerAt(cell))
        return {Kind::Blocker, blocker->level};
    return {};
}

QString MapLink::LevelFile(const QString& mapFile, int level) {
    int number = 0;
    int episode = 0;
    const QFileInfo map(mapFile);
    if (!EpisodeFolder::Parse(map.fileName(), number, episode))
        return {};
    EpisodeFolder folder;
    if (!EpisodeFolder::Scan(map.absolutePath(), episode, folder))
        return {};
    const EpisodeFolder::Entry* entry = folder.Find(level);
    return entry ? entry->path : QString();
}

QString MapLink::Text() const {
    switch (kind) {
    case Kind::Entrance:
        return tr("Level %1").arg(level);
    case Kind::Blocker:
        return tr("Opens once level %1 is finished").arg(level);
    case Kind::None:
        break;
    }
    return {};
}
