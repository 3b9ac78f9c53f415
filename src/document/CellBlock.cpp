#include "CellBlock.h"

#include "CellMask.h"
#include "Level.h"

CellBlock::CellBlock(int width, int height, qint16 episode, bool withInfo)
    : m_Episode(episode), m_HasInfo(withInfo) {
    // A size the format cannot hold makes an empty block rather than a
    // huge allocation.
    if (width <= 0 || height <= 0 || width > Level::MaxCells || height > Level::MaxCells ||
        width * height > Level::MaxCells)
        return;
    m_Width = width;
    m_Height = height;
    m_Tiles.assign(Index(0, height), 0);
    if (withInfo)
        m_Infos.assign(m_Tiles.size(), 0);
}

CellBlock CellBlock::Copy(const Level& level, const QRect& area) {
    const QRect inside = area.normalized() & QRect(0, 0, level.Width(), level.Height());
    if (inside.isEmpty())
        return CellBlock();
    CellBlock block(inside.width(), inside.height(), level.Episode(), true);
    for (int y = 0; y < block.m_Height; ++y) {
        for (int x = 0; x < block.m_Width; ++x) {
            block.SetTile(x, y, level.Tile(inside.x() + x, inside.y() + y));
            block.SetInfo(x, y, level.Info(inside.x() + x, inside.y() + y));
        }
    }
    return block;
}

CellBlock CellBlock::Copy(const Level& level, const CellMask& cells) {
    const QRect area = cells.BoundingRect();
    CellBlock block = Copy(level, area);
    if (cells.IsRectangle() || block.IsEmpty())
        return block;
    for (int y = 0; y < block.m_Height; ++y)
        for (int x = 0; x < block.m_Width; ++x)
            if (!cells.Contains(area.x() + x, area.y() + y))
                block.LeaveOut(x, y);
    return block;
}

void CellBlock::LeaveOut(int x, int y) {
    if (!Contains(x, y))
        return;
    if (m_Holds.empty())
        m_Holds.assign(Index(0, m_Height), 1);
    m_Holds[Index(x, y)] = 0;
}

CellBlock CellBlock::WithPlanes(int planes) const {
    const bool tiles = m_HasTiles && (planes & TilePlane) != 0;
    const bool infos = m_HasInfo && (planes & InfoPlane) != 0;
    if (IsEmpty() || (!tiles && !infos))
        return CellBlock();
    CellBlock block = *this;
    if (!tiles) {
        block.m_HasTiles = false;
        block.m_Tiles.clear();
    }
    if (!infos) {
        block.m_HasInfo = false;
        block.m_Infos.clear();
    }
    return block;
}

qint16 CellBlock::Tile(int x, int y) const {
    return Contains(x, y) && m_HasTiles ? m_Tiles[Index(x, y)] : qint16(0);
}

void CellBlock::SetTile(int x, int y, qint16 value) {
    if (Contains(x, y) && m_HasTiles)
        m_Tiles[Index(x, y)] = value;
}

qint16 CellBlock::Info(int x, int y) const {
    return Contains(x, y) && m_HasInfo ? m_Infos[Index(x, y)] : qint16(0);
}

void CellBlock::SetInfo(int x, int y, qint16 value) {
    if (Contains(x, y) && m_HasInfo)
        m_Infos[Index(x, y)] = value;
}

bool CellBlock::operator==(const CellBlock& other) const {
    return m_Width == other.m_Width && m_Height == other.m_Height && m_Episode == other.m_Episode &&
           m_HasTiles == other.m_HasTiles && m_HasInfo == other.m_HasInfo &&
           m_Tiles == other.m_Tiles && m_Infos == other.m_Infos && m_Holds == other.m_Holds;
}
