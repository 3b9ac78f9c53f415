#include "CellMask.h"

#include <algorithm>

CellMask::CellMask(QSize size) {
    if (size.width() <= 0 || size.height() <= 0)
        return;
    m_Size = size;
    m_Cells.assign(std::size_t(size.width()) * std::size_t(size.height()), 0);
}

CellMask CellMask::OfRect(QSize size, const QRect& area) {
    CellMask mask(size);
    mask.AddRect(area);
    return mask;
}

CellMask CellMask::OfBytes(QSize size, std::vector<unsigned char> cells) {
    CellMask mask(size);
    if (cells.size() != mask.m_Cells.size())
        return mask;
    for (unsigned char& cell : cells)
        cell = cell != 0;
    mask.m_Cells = std::move(cells);
    mask.Recount();
    return mask;
}

bool CellMask::IsRectangle() const {
    return m_Count > 0 && m_Count == m_Bounds.width() * m_Bounds.height();
}

void CellMask::Add(int x, int y) {
    if (x < 0 || y < 0 || x >= m_Size.width() || y >= m_Size.height() || m_Cells[Index(x, y)])
        return;
    m_Cells[Index(x, y)] = 1;
    ++m_Count;
    m_Bounds |= QRect(x, y, 1, 1);
}

void CellMask::AddRect(const QRect& area) {
    const QRect inside = area.normalized() & QRect(QPoint(0, 0), m_Size);
    if (inside.isEmpty())
        return;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        std::fill_n(m_Cells.begin() + std::ptrdiff_t(Index(inside.x(), y)), inside.width(), 1);
    Recount();
}

void CellMask::Unite(const CellMask& other) {
    const QRect both = other.m_Bounds & QRect(QPoint(0, 0), m_Size);
    for (int y = both.top(); y <= both.bottom(); ++y)
        for (int x = both.left(); x <= both.right(); ++x)
            m_Cells[Index(x, y)] |= other.m_Cells[other.Index(x, y)];
    Recount();
}

void CellMask::Subtract(const CellMask& other) {
    const QRect both = other.m_Bounds & m_Bounds;
    for (int y = both.top(); y <= both.bottom(); ++y)
        for (int x = both.left(); x <= both.right(); ++x)
            if (other.m_Cells[other.Index(x, y)])
                m_Cells[Index(x, y)] = 0;
    Recount();
}

CellMask CellMask::Translated(QPoint offset, QSize size) const {
    CellMask moved(size);
    const QRect target = m_Bounds.translated(offset) & QRect(QPoint(0, 0), size);
    for (int y = target.top(); y <= target.bottom(); ++y)
        for (int x = target.left(); x <= target.right(); ++x)
            moved.m_Cells[moved.Index(x, y)] = m_Cells[Index(x - offset.x(), y - offset.y())];
    moved.Recount();
    return moved;
}

void CellMask::Recount() {
    m_Count = 0;
    int left = m_Size.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < m_Size.height(); ++y) {
        const unsigned char* row = Row(y);
        const unsigned char* end = row + m_Size.width();
        const unsigned char* first = std::find(row, end, 1);
        if (first == end)
            continue;
        const int rowCount = int(std::count(first, end, 1));
        m_Count += rowCount;
        const int last =
            int(std::find(std::make_reverse_iterator(end), std::make_reverse_iterator(first), 1)
                    .base() -
                row) -
            1;
        left = std::min(left, int(first - row));
        right = std::max(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    m_Bounds = m_Count == 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
