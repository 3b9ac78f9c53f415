#include "LevelChecker.h"

#include "GameLimits.h"
#include "InfoOverlay.h"
#include "Level.h"
#include "PlayableSize.h"
#include "SpriteCatalogue.h"

#include <algorithm>

namespace {

using Kind = FindingKind;

// The info value that marks Keen's start (his position on the map).
constexpr qint16 StartValue = 255;
// The episodes' levels that the map's entrances lead to.
constexpr int LastPlayLevel = 16;
// A blocker on the map is 0x8000 plus the number of the level it guards.
constexpr int BlockerBase = 0x8000;
// The title and ending scenes hold no start in the game's own files.
bool isScene(int number) {
    return number == 81 || number == 90;
}

bool validEpisode(int episode) {
    return episode >= 1 && episode <= 3;
}

// Entrances (level numbers) and blockers are what the map's info plane is
// made of; they name no sprite, and that is expected there.
bool isMapMarker(qint16 value) {
    const int word = quint16(value);
    const int level = word >= BlockerBase ? word - BlockerBase : word;
    return level >= 1 && level <= LastPlayLevel;
}

void checkSize(const Level& level, std::vector<Finding>& out) {
    const QString tooLarge = PlayableSize::Warning(level.Width(), level.Height());
    if (!tooLarge.isEmpty())
        out.push_back({Severity::Error, Kind::TooLarge, -1, -1, tooLarge});
}

void checkStarts(const Level& level, std::vector<Finding>& out) {
    std::vector<std::pair<int, int>> starts;
    for (int y = 0; y < level.Height(); ++y)
        for (int x = 0; x < level.Width(); ++x)
            if (level.Info(x, y) == StartValue)
                starts.emplace_back(x, y);
    if (starts.empty() && !isScene(level.Number()))
        out.push_back({Severity::Error, Kind::NoStart, -1, -1,
                       LevelChecker::tr("Keen has no start: no cell holds the info value 255")});
    if (starts.size() < 2)
        return;
    for (const auto& [x, y] : starts)
        out.push_back({Severity::Warning, Kind::ManyStarts, x, y,
                       LevelChecker::tr("one of %1 starts of Keen (info value 255); the game "
                                        "uses only one")
                           .arg(starts.size())});
}

// Only the border tile keeps Keen inside a level: any other tile in the
// outermost ring may let him walk or fall out. The map and the scenes are
// not played that way (the game's own ending scene is framed with another
// tile), so their frames are left alone.
void checkFrame(const Level& level, int x, int y, std::vector<Finding>& out) {
    const int number = level.Number();
    if (number == GameLimits::MapLevelNumber || isScene(number))
        return;
    const bool onFrame = x == 0 || y == 0 || x == level.Width() - 1 || y == level.Height() - 1;
    const qint16 tile = level.Tile(x, y);
    const int border = GameLimits::BorderTile(level.Episode());
    if (onFrame && tile != border)
        out.push_back({Severity::Warning, Kind::OpenEdge, x, y,
                       LevelChecker::tr("the outer frame holds tile %1, not the border tile %2: "
                                        "Keen may leave the level there")
                           .arg(tile)
                           .arg(border)});
}

void checkCell(const Level& level, int tileCount, int x, int y, std::vector<Finding>& out) {
    const qint16 tile = level.Tile(x, y);
    if (tileCount > 0 && (tile < 0 || tile >= tileCount))
        out.push_back({Severity::Error, Kind::UnknownTile, x, y,
                       LevelChecker::tr("tile %1 is not one of the episode's %2 tiles (0 to %3)")
                           .arg(tile)
                           .arg(tileCount)
                           .arg(tileCount - 1)});

    const qint16 info = level.Info(x, y);
    const bool map = level.Number() == GameLimits::MapLevelNumber;
    const int sprites = SpriteCatalogue::Count(level.Episode());
    if (info != 0 && !(map && isMapMarker(info)) &&
        SpriteCatalogue::SpriteForInfo(info, level.Number(), qint16(sprites)) ==
            SpriteCatalogue::NoSprite)
        out.push_back({Severity::Warning, Kind::HiddenInfo, x, y,
                       LevelChecker::tr("info value %1 shows no sprite (kept in the file, not "
                                        "shown in the editor)")
                           .arg(InfoOverlay::Text(info))});

    checkFrame(level, x, y, out);
}

} // namespace

int LevelChecker::GameTileCount(int episode) {
    static const int counts[3] = {611, 689, 624};
    return validEpisode(episode) ? counts[episode - 1] : 0;
}

std::vector<Finding> LevelChecker::Check(const Level& level, int tileCount) {
    std::vector<Finding> out;
    if (!validEpisode(level.Episode())) {
        // Tiles, sprites and the frame all depend on the episode.
        out.push_back({Severity::Error, Kind::Episode, -1, -1,
                       tr("the level's episode is %1; the game has episodes 1, 2 "
                          "and 3 (the file name's last digit)")
                           .arg(level.Episode())});
        checkSize(level, out);
        return out;
    }
    checkSize(level, out);
    checkStarts(level, out);
    for (int y = 0; y < level.Height(); ++y)
        for (int x = 0; x < level.Width(); ++x)
            checkCell(level, tileCount, x, y, out);
    // Whole-level findings first, then by cell in row order.
    std::stable_sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
        return std::make_pair(a.y, a.x) < std::make_pair(b.y, b.x);
    });
    return out;
}

bool LevelChecker::HasErrors(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}
