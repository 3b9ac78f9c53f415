#include "EpisodeTileBehaviour.h"

#include "TileBehaviourLoader.h"
#include "TileBehaviourOverlay.h"

const EpisodeTileBehaviour::Episode* EpisodeTileBehaviour::Find(int episode) const {
    return episode >= 1 && episode <= Episodes ? &m_Episodes[size_t(episode - 1)] : nullptr;
}

bool EpisodeTileBehaviour::Update(int episode, const QString& gameFolder,
                                  const QString& graphicsFolder) {
    if (!Find(episode))
        return false;
    Episode& kept = m_Episodes[size_t(episode - 1)];
    if (kept.read && kept.gameFolder == gameFolder && kept.graphicsFolder == graphicsFolder)
        return false;
    kept.gameFolder = gameFolder;
    kept.graphicsFolder = graphicsFolder;
    return Read(kept, episode);
}

bool EpisodeTileBehaviour::Reload(int episode) {
    if (!Find(episode))
        return false;
    return Read(m_Episodes[size_t(episode - 1)], episode);
}

bool EpisodeTileBehaviour::Read(Episode& episode, int number) {
    TileBehaviour table;
    QString source;
    const IoResult loaded = TileBehaviourLoader::LoadFor(number, episode.gameFolder,
                                                         episode.graphicsFolder, table, source);
    const bool hadTable = episode.table != nullptr;
    const bool changed = !episode.read || hadTable != bool(loaded) ||
                         (loaded && !(*episode.table == table)) ||
                         episode.reason != (loaded ? QString() : loaded.error);
    episode.read = true;
    episode.source = loaded ? source : QString();
    episode.reason = loaded ? QString() : loaded.error;
    if (!changed)
        return false;
    if (loaded) {
        episode.table = std::make_shared<const TileBehaviour>(std::move(table));
        episode.overlay = std::make_shared<const TileBehaviourOverlay>(*episode.table);
    } else {
        episode.table.reset();
        episode.overlay.reset();
    }
    return true;
}

std::shared_ptr<const TileBehaviour> EpisodeTileBehaviour::Table(int episode) const {
    const Episode* found = Find(episode);
    return found ? found->table : nullptr;
}

std::shared_ptr<const TileBehaviourOverlay> EpisodeTileBehaviour::Overlay(int episode) const {
    const Episode* found = Find(episode);
    return found ? found->overlay : nullptr;
}

QString EpisodeTileBehaviour::Source(int episode) const {
    const Episode* found = Find(episode);
    return found ? found->source : QString();
}

QString EpisodeTileBehaviour::Reason(int episode) const {
    const Episode* found = Find(episode);
    return found ? found->reason : QString();
}

QString EpisodeTileBehaviour::Describe(int episode, int tile) const {
    const std::shared_ptr<const TileBehaviour> table = Table(episode);
    return table ? table->Describe(tile) : tr("Tile %1").arg(tile);
}
