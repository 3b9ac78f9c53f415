#include "Level.h"

#include "GameLimits.h"

Level::Level() = default;

bool Level::InFrame(int x, int y, int width, int height) {
    return !(x >= 2 && x < width - 2 && y >= 2 && y < height - 2);
}

qint16 Level::BorderTile(qint16 episode) {
    return qint16(GameLimits::BorderTile(episode));
}

qint16 Level::FillTile(qint16 episode) {
    return qint16(GameLimits::FillTile(episode));
}

void Level::Create(qint16 width, qint16 height, qint16 episode, qint16 levelNumber) {
    m_Width = width > 0 ? width : 0;
    m_Height = height > 0 ? height : 0;
    const size_t cells = size_t(m_Width) * size_t(m_Height);
    m_Tiles.assign(cells, 0);
    m_Infos.assign(cells, 0);
    for (int y = 0; y < m_Height; ++y)
        for (int x = 0; x < m_Width; ++x)
            m_Tiles[size_t(y) * m_Width + x] =
                InFrame(x, y, m_Width, m_Height) ? BorderTile(episode) : FillTile(episode);
    m_Episode = episode;
    m_Number = levelNumber;
}

void Level::Resize(qint16 newWidth, qint16 newHeight) {
    newWidth = newWidth > 0 ? newWidth : 0;
    newHeight = newHeight > 0 ? newHeight : 0;
    const size_t cells = size_t(newWidth) * size_t(newHeight);
    std::vector<qint16> tiles(cells, 0);
    std::vector<qint16> infos(cells, 0);
    for (int y = 0; y < newHeight; ++y) {
        for (int x = 0; x < newWidth; ++x) {
            const size_t to = size_t(y) * newWidth + x;
            if (Contains(x, y)) {
                const size_t from = size_t(y) * m_Width + x;
                tiles[to] = m_Tiles[from];
                infos[to] = m_Infos[from];
            } else {
                tiles[to] = InFrame(x, y, newWidth, newHeight) ? BorderTile(m_Episode)
                                                               : FillTile(m_Episode);
            }
        }
    }
    m_Width = newWidth;
    m_Height = newHeight;
    m_Tiles.swap(tiles);
    m_Infos.swap(infos);
}

qint16 Level::Tile(int x, int y) const {
    return Contains(x, y) ? m_Tiles[size_t(y) * m_Width + x] : 0;
}

void Level::SetTile(int x, int y, qint16 newTile) {
    if (Contains(x, y))
        m_Tiles[size_t(y) * m_Width + x] = newTile;
}

qint16 Level::Info(int x, int y) const {
    return Contains(x, y) ? m_Infos[size_t(y) * m_Width + x] : 0;
}

void Level::SetInfo(int x, int y, qint16 newInfo) {
    if (Contains(x, y))
        m_Infos[size_t(y) * m_Width + x] = newInfo;
}

bool Level::operator==(const Level& other) const {
    return m_Width == other.m_Width && m_Height == other.m_Height && m_Tiles == other.m_Tiles &&
           m_Infos == other.m_Infos && m_Number == other.m_Number && m_Episode == other.m_Episode;
}
