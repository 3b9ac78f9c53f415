#include "PictureWrap.h"

#include <cstring>

namespace {

int Wrapped(long long value, int size) {
    return size > 0 ? int(((value % size) + size) % size) : 0;
}

// The runs of [start, start + length) of a picture side `size` kept from
// `offset` on: one run, or two when it passes the image's end.
QVarLengthArray<QPair<int, int>, 2> Runs(int start, int length, int offset, int size) {
    QVarLengthArray<QPair<int, int>, 2> runs; // (stored start, shown start)
    const int stored = Wrapped(qint64(start) + offset, size);
    const int first = std::min(length, size - stored);
    runs.append({stored, start});
    if (first < length)
        runs.append({0, start + first});
    return runs;
}

} // namespace

void PictureWrap::Reset(QSize size) {
    m_Size = size;
    m_Offset = QPoint();
}

void PictureWrap::Scroll(int dx, int dy) {
    m_Offset = QPoint(Wrapped(qint64(m_Offset.x()) - dx, m_Size.width()),
                      Wrapped(qint64(m_Offset.y()) - dy, m_Size.height()));
}

PictureWrap::Pieces PictureWrap::PiecesOf(const QRect& shown) const {
    Pieces pieces;
    const QRect inside = shown & QRect(QPoint(0, 0), m_Size);
    if (inside.isEmpty())
        return pieces;
    const auto columns = Runs(inside.x(), inside.width(), m_Offset.x(), m_Size.width());
    const auto rows = Runs(inside.y(), inside.height(), m_Offset.y(), m_Size.height());
    for (int r = 0; r < rows.size(); ++r) {
        const int top = rows[r].second;
        const int bottom = r + 1 < rows.size() ? rows[r + 1].second : inside.bottom() + 1;
        for (int c = 0; c < columns.size(); ++c) {
            const int left = columns[c].second;
            const int right = c + 1 < columns.size() ? columns[c + 1].second : inside.right() + 1;
            pieces.append({QRect(columns[c].first, rows[r].first, right - left, bottom - top),
                           QPoint(left, top)});
        }
    }
    return pieces;
}

QImage PictureWrap::Unwrapped(const QImage& stored) const {
    if (!IsWrapped() || stored.size() != m_Size)
        return stored;
    QImage shown(stored.size(), stored.format());
    const int bytes = stored.depth() / 8;
    for (const Piece& piece : PiecesOf(QRect(QPoint(0, 0), m_Size)))
        for (int y = 0; y < piece.stored.height(); ++y)
            std::memcpy(shown.scanLine(piece.shown.y() + y) + qsizetype(piece.shown.x()) * bytes,
                        stored.constScanLine(piece.stored.y() + y) +
                            qsizetype(piece.stored.x()) * bytes,
                        size_t(piece.stored.width()) * size_t(bytes));
    return shown;
}
