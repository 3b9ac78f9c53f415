#include "TileBehaviour.h"

#include <QStringList>
#include <QtEndian>
#include <iterator>
#include <utility>

namespace {

constexpr int PlaneWords = TileBehaviour::Planes;

qint16 wordAt(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<qint16>(bytes.constData() + offset);
}

bool lies(const QByteArray& bytes, qsizetype offset, int count) {
    return count > 0 && count <= TileBehaviour::MaxTiles && offset >= 0 &&
           offset <= bytes.size() - qsizetype(count) * TileBehaviour::BytesPerTile;
}

// A tile's value of one plane, in the planes' order.
qint16& valueOf(TileBehaviour::Tile& tile, int plane) {
    qint16* values[PlaneWords] = {&tile.animation, &tile.behaviour, &tile.top,
                                  &tile.right,     &tile.bottom,    &tile.left};
    return *values[plane];
}

const char* const PlaneNames[PlaneWords] = {QT_TRANSLATE_NOOP("TileBehaviour", "animation"),
                                            QT_TRANSLATE_NOOP("TileBehaviour", "behaviour"),
                                            QT_TRANSLATE_NOOP("TileBehaviour", "top"),
                                            QT_TRANSLATE_NOOP("TileBehaviour", "right"),
                                            QT_TRANSLATE_NOOP("TileBehaviour", "bottom"),
                                            QT_TRANSLATE_NOOP("TileBehaviour", "left")};

// "a", "a and b", "a, b and c".
QString listed(const QStringList& parts) {
    if (parts.size() < 2)
        return parts.join(QString());
    return TileBehaviour::tr("%1 and %2")
        .arg(parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")), parts.last());
}

} // namespace

bool TileBehaviour::Tile::operator==(const Tile& other) const {
    return animation == other.animation && behaviour == other.behaviour && top == other.top &&
           right == other.right && bottom == other.bottom && left == other.left;
}

TileBehaviour::TileBehaviour(std::vector<Tile> tiles) : m_Tiles(std::move(tiles)) {
    m_LoopStart.resize(m_Tiles.size());
    int runStart = 0;
    for (int t = 0; t < Count(); ++t) {
        if (t == 0 || m_Tiles[t].animation != m_Tiles[t - 1].animation)
            runStart = t;
        const int length = m_Tiles[t].animation > 1 ? m_Tiles[t].animation : 1;
        m_LoopStart[t] = runStart + (t - runStart) / length * length;
    }
}

TileBehaviour TileBehaviour::FromBytes(const QByteArray& bytes, qsizetype offset, int count) {
    if (!lies(bytes, offset, count))
        return {};
    std::vector<Tile> tiles(count);
    for (int plane = 0; plane < PlaneWords; ++plane)
        for (int t = 0; t < count; ++t)
            valueOf(tiles[t], plane) = wordAt(bytes, offset + (qsizetype(plane) * count + t) * 2);
    return TileBehaviour(std::move(tiles));
}

QByteArray TileBehaviour::ToBytes() const {
    QByteArray bytes(qsizetype(Count()) * BytesPerTile, '\0');
    for (int plane = 0; plane < PlaneWords; ++plane)
        for (int t = 0; t < Count(); ++t) {
            Tile tile = m_Tiles[t];
            qToLittleEndian<qint16>(valueOf(tile, plane),
                                    bytes.data() + (qsizetype(plane) * Count() + t) * 2);
        }
    return bytes;
}

QString TileBehaviour::Misfit(const QByteArray& bytes, qsizetype offset, int count) {
    if (count <= 0 || count > MaxTiles)
        return tr("a table of %1 tiles is not one the game can have (1 to %2)")
            .arg(count)
            .arg(MaxTiles);
    if (!lies(bytes, offset, count))
        return tr("%1 tiles take %2 bytes, and only %3 are there")
            .arg(count)
            .arg(qint64(count) * BytesPerTile)
            .arg(qMax<qint64>(0, bytes.size() - offset));
    for (int plane = 0; plane < PlaneWords; ++plane)
        for (int t = 0; t < count; ++t) {
            const int value = wordAt(bytes, offset + (qsizetype(plane) * count + t) * 2);
            if (!Known(plane, value))
                return tr("tile %1 has the %2 value %3, which the game does not know")
                    .arg(t)
                    .arg(tr(PlaneNames[plane]))
                    .arg(value);
        }
    return {};
}

bool TileBehaviour::Known(int plane, int value) {
    switch (plane) {
    case 0:
        return value == 1 || value == 2 || value == 4;
    case 1:
        return value >= -2 && value <= 31;
    default:
        return value >= 0 && value <= 3;
    }
}

TileBehaviour::Tile TileBehaviour::At(int tile) const {
    return Contains(tile) ? m_Tiles[tile] : Tile{};
}

int TileBehaviour::LoopStart(int tile) const {
    return Contains(tile) ? m_LoopStart[tile] : tile;
}

int TileBehaviour::LoopLength(int tile) const {
    const int animation = At(tile).animation;
    return animation > 1 ? animation : 1;
}

int TileBehaviour::FrameTile(int tile, int frame, int tileCount) const {
    const int length = LoopLength(tile);
    const int start = LoopStart(tile);
    if (length < 2 || frame < 0 || start + length > qMin(tileCount, Count()))
        return tile;
    return start + (tile - start + frame % length) % length;
}

QString TileBehaviour::BehaviourName(int value) {
    static const char* const names[] = {
        QT_TR_NOOP("masked"),      QT_TR_NOOP("foreground"),   QT_TR_NOOP("nothing"),
        QT_TR_NOOP("kills"),       QT_TR_NOOP("door 1"),       QT_TR_NOOP("door 2"),
        QT_TR_NOOP("door 3"),      QT_TR_NOOP("door 4"),       QT_TR_NOOP("500 points"),
        QT_TR_NOOP("100 points"),  QT_TR_NOOP("200 points"),   QT_TR_NOOP("1000 points"),
        QT_TR_NOOP("5000 points"), QT_TR_NOOP("joystick"),     QT_TR_NOOP("battery"),
        QT_TR_NOOP("vacuum"),      QT_TR_NOOP("whiskey"),      QT_TR_NOOP("raygun"),
        QT_TR_NOOP("pogo"),        QT_TR_NOOP("exit"),         QT_TR_NOOP("key 1"),
        QT_TR_NOOP("key 2"),       QT_TR_NOOP("key 3"),        QT_TR_NOOP("key 4"),
        QT_TR_NOOP("message box"), QT_TR_NOOP("light switch"), QT_TR_NOOP("teleporter"),
        QT_TR_NOOP("switch on"),   QT_TR_NOOP("switch off"),   QT_TR_NOOP("ankh"),
        QT_TR_NOOP("ammo")};
    const int index = value - Masked;
    if (index >= 0 && index < int(std::size(names)))
        return tr(names[index]);
    return tr("behaviour %1").arg(value);
}

QString TileBehaviour::Blocking(int tile) const {
    const Tile t = At(tile);
    QString surface;
    if (t.top == 2)
        surface = tr("smooth on top");
    else if (t.top == 3)
        surface = tr("icy on top");
    if (t.top != 0 && t.right != 0 && t.bottom != 0 && t.left != 0)
        return surface.isEmpty() ? tr("solid") : tr("solid, %1").arg(surface);
    QStringList sides;
    if (t.top == 1)
        sides << tr("top");
    if (t.right != 0)
        sides << tr("right");
    if (t.bottom != 0)
        sides << tr("bottom");
    if (t.left != 0)
        sides << tr("left");
    QStringList parts;
    if (!sides.isEmpty())
        parts << tr("solid on %1").arg(listed(sides));
    if (!surface.isEmpty())
        parts << surface;
    return parts.join(QStringLiteral(", "));
}

QString TileBehaviour::Traits(int tile) const {
    if (!Contains(tile))
        return tr("not in the game's table of %1 tiles").arg(Count());
    QStringList parts;
    const Tile t = At(tile);
    if (t.behaviour != Nothing)
        parts << BehaviourName(t.behaviour);
    const QString blocking = Blocking(tile);
    if (!blocking.isEmpty())
        parts << blocking;
    if (LoopLength(tile) > 1)
        parts << tr("animated (%1 tiles)").arg(LoopLength(tile));
    return parts.isEmpty() ? BehaviourName(Nothing) : parts.join(QStringLiteral(", "));
}

QString TileBehaviour::Describe(int tile) const {
    return tr("Tile %1: %2").arg(tile).arg(Traits(tile));
}

bool TileBehaviour::TrapsKeen(int tile) const {
    const Tile t = At(tile);
    return t.behaviour == Kills || t.top != 0 || t.right != 0 || t.bottom != 0 || t.left != 0;
}
