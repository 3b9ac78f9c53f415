#pragma once

#include "IoResult.h"
#include "ZoomLevel.h"

#include <QString>
#include <array>
#include <vector>

class Surface;
class SpriteSet;
class TileAnimation;
class TileSet;

// One level of the game: its size in cells, a tile plane and an info plane
// of signed 16-bit words stored row by row (cell (x, y) is word y * W + x),
// and the episode and number it belongs to (80 is an episode's map level).
class Level {
public:
    // The largest plane the file format can describe: its byte size must fit
    // the 16-bit plane-size word of the header.
    static constexpr int MaxCells = 32760;
    // The longest level file read. The fullest level packs every word of both
    // planes and the dropped header words as a run of one, six bytes each:
    // under 400 KB. Runs of no length could make a file longer, but no writer
    // makes them.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    Level();

    // Makes a new level: a two-cell frame of the episode's border tile
    // around its fill tile, no info values.
    void Create(qint16 width, qint16 height, qint16 episode, qint16 levelNumber);

    qint16 Width() const { return m_Width; }
    qint16 Height() const { return m_Height; }
    void SetWidth(qint16 newWidth) { Resize(newWidth, m_Height); }
    void SetHeight(qint16 newHeight) { Resize(m_Width, newHeight); }

    // Reads a level file. The episode is the last character of the path, the
    // number the two characters after "Level" in the bare name. On failure
    // the level is left as it was and the result says why. `bytesRead`,
    // when given, receives the bytes the level was decoded from.
    IoResult Load(const QString& fileName, QByteArray* bytesRead = nullptr);
    // Writes the level in the game's packed format, replacing the file whole;
    // on failure the old file is untouched.
    IoResult Save(const QString& fileName) const;
    // The packed file contents that Save writes.
    QByteArray Serialize() const;
    // Decodes packed file contents (as read from `fileName`, which supplies
    // the episode and number). On failure the level is left as it was.
    IoResult Deserialize(const QByteArray& data, const QString& fileName);

    // What Display draws: the tile plane, the sprites, or both. Without the
    // tile plane the level's cells are black, or with KeepBackground keep
    // the pixels under them (for a picture of the sprites alone).
    enum Layers {
        TileLayer = 1,
        SpriteLayer = 2,
        AllLayers = TileLayer | SpriteLayer,
        KeepBackground = 4
    };

    // Draws the window of the level whose top-left cell is (sx, sy) onto
    // `dest` at pixel (odx, ody), at `zoom` (raised where the tiles need,
    // see TileSet::DrawnZoom): tiles first, then sprites. A width or height
    // of -1 means as many cells as `dest` needs. With `animation`, each
    // cell shows the tile its loop shows at frame `frame`.
    void Display(Surface& dest, qint16 sx, qint16 sy, const TileSet& tiles,
                 const SpriteSet& sprites, ZoomLevel zoom, int odx = 0, int ody = 0, int w = -1,
                 int h = -1, int layers = AllLayers, const TileAnimation* animation = nullptr,
                 int frame = 0) const;

    // Cell accessors: coordinates outside the level read as 0 and are
    // ignored when written.
    qint16 Tile(int x, int y) const;
    void SetTile(int x, int y, qint16 newTile);
    qint16 Info(int x, int y) const;
    void SetInfo(int x, int y, qint16 newInfo);

    // Changes the size keeping the top-left corner fixed; new cells get the
    // current episode's fill or border tile by the frame rule, info 0.
    void Resize(qint16 newWidth, qint16 newHeight);

    qint16 Episode() const { return m_Episode; }
    void SetEpisode(qint16 newEpisode) { m_Episode = newEpisode; }
    qint16 Number() const { return m_Number; }
    void SetNumber(qint16 newNumber) { m_Number = newNumber; }

    const std::vector<qint16>& TilePlane() const { return m_Tiles; }
    const std::vector<qint16>& InfoPlane() const { return m_Infos; }

    // Episode and number as they follow from a file name.
    static qint16 EpisodeFromFileName(const QString& fileName);
    static qint16 NumberFromFileName(const QString& fileName);

    // The per-episode wall and fill tiles; an episode outside 1..3 uses
    // episode 1's.
    static qint16 BorderTile(qint16 episode);
    static qint16 FillTile(qint16 episode);

    bool operator==(const Level& other) const;
    bool operator!=(const Level& other) const { return !(*this == other); }

private:
    bool Contains(int x, int y) const { return x >= 0 && x < m_Width && y >= 0 && y < m_Height; }
    static bool InFrame(int x, int y, int width, int height);

    qint16 m_Width = 0;
    qint16 m_Height = 0;
    std::vector<qint16> m_Tiles;
    std::vector<qint16> m_Infos;
    qint16 m_Number = 0;
    qint16 m_Episode = 0;
};
