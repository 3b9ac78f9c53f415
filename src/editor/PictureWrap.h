#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVarLengthArray>

// Where the pixels of a picture that scrolls without moving its pixels are
// kept: the picture's pixel (x, y) lies at ((x + ox) mod width,
// (y + oy) mod height) of its image. A scroll changes only the offset, so
// the pixels it keeps stay where they are and only the ones it uncovers are
// drawn; the image is read in at most four pieces.
class PictureWrap {
public:
    // A piece of the picture as kept: `stored` in the image holds the
    // picture's pixels from `shown` on.
    struct Piece {
        QRect stored;
        QPoint shown;
    };
    using Pieces = QVarLengthArray<Piece, 4>;

    // A picture of `size` kept as it is shown.
    void Reset(QSize size);
    QSize Size() const { return m_Size; }
    QPoint Offset() const { return m_Offset; }
    bool IsWrapped() const { return !m_Offset.isNull(); }

    // The picture moves by (dx, dy): what it showed at (x, y) it shows at
    // (x + dx, y + dy). What comes into view holds stale pixels until drawn.
    void Scroll(int dx, int dy);

    // The part of `shown` (picture pixels) inside the picture, as kept.
    Pieces PiecesOf(const QRect& shown) const;

    // The picture as shown, read from the image `stored` keeps it in.
    QImage Unwrapped(const QImage& stored) const;

private:
    QSize m_Size;
    QPoint m_Offset;
};
