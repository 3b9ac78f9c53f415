#include "TileTableFinder.h"

#include <QStringList>
#include <QtEndian>
#include <algorithm>

namespace {

bool validEpisode(int episode) {
    return episode >= 1 && episode <= 3;
}

QString hex(qsizetype offset) {
    return QStringLiteral("0x") + QString::number(offset, 16).toUpper();
}

// For every byte of `module`: how many words in a row, from the word that
// starts there and stepping two bytes at a time, hold a value the game
// knows in `plane` (capped at `cap`).
std::vector<quint16> knownRuns(const QByteArray& module, int plane, int cap) {
    const qsizetype size = module.size();
    std::vector<quint16> runs(size_t(size) + 2, 0);
    for (qsizetype p = size - 2; p >= 0; --p) {
        const int value = qFromLittleEndian<qint16>(module.constData() + p);
        runs[p] = TileBehaviour::Known(plane, value) ? quint16(std::min(runs[p + 2] + 1, cap)) : 0;
    }
    return runs;
}

} // namespace

int TileTableFinder::TableTiles(int episode) {
    static const int counts[3] = {611, 689, 715};
    return validEpisode(episode) ? counts[episode - 1] : 0;
}

qsizetype TileTableFinder::KnownOffset(int episode) {
    static const qsizetype offsets[3] = {0x130F8, 0x17828, 0x198C8};
    return validEpisode(episode) ? offsets[episode - 1] : -1;
}

std::vector<qsizetype> TileTableFinder::Search(const QByteArray& module, int count, int most) {
    std::vector<qsizetype> found;
    const qsizetype tableBytes = qsizetype(count) * TileBehaviour::BytesPerTile;
    if (count <= 0 || count > TileBehaviour::MaxTiles || module.size() < tableBytes)
        return found;
    // One pass per kind of plane instead of checking every word at every
    // offset: the four blocking planes follow each other as one run.
    const std::vector<quint16> animation = knownRuns(module, 0, count);
    const std::vector<quint16> behaviour = knownRuns(module, 1, count);
    const std::vector<quint16> blocking = knownRuns(module, 2, 4 * count);
    const qsizetype plane = qsizetype(count) * 2;
    for (qsizetype at = 0; at + tableBytes <= module.size() && int(found.size()) < most; ++at)
        if (animation[at] >= count && behaviour[at + plane] >= count &&
            blocking[at + 2 * plane] >= 4 * count)
            found.push_back(at);
    return found;
}

IoResult TileTableFinder::Find(const QByteArray& module, int episode, TileBehaviour& table,
                               qsizetype& offset) {
    const int count = TableTiles(episode);
    if (count == 0)
        return IoResult::failure(tr("the game has episodes 1, 2 and 3, not %1").arg(episode));
    const qsizetype known = KnownOffset(episode);
    const QString misfit = TileBehaviour::Misfit(module, known, count);
    if (misfit.isEmpty()) {
        table = TileBehaviour::FromBytes(module, known, count);
        offset = known;
        return IoResult::success();
    }
    const std::vector<qsizetype> found = Search(module, count, 3);
    if (found.size() == 1) {
        table = TileBehaviour::FromBytes(module, found.front(), count);
        offset = found.front();
        return IoResult::success();
    }
    if (found.empty())
        return IoResult::failure(
            tr("it holds no table of %1 tiles that the game could use: not at %2, where version "
               "1.31 keeps it (%3), nor anywhere else")
                .arg(count)
                .arg(hex(known), misfit));
    QStringList places;
    for (qsizetype at : found)
        places << hex(at);
    if (found.size() > 2)
        places.back() = tr("more");
    return IoResult::failure(tr("a table of %1 tiles fits at several places (%2), and which one "
                                "the game uses cannot be told")
                                 .arg(count)
                                 .arg(places.join(QStringLiteral(", "))));
}
