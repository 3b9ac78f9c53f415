#include "GameGraphics.h"

#include "BoundedFileReader.h"
#include "FolderBitmapSource.h"
#include "LzwDecoder.h"
#include "PathText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>

namespace {

// Files bigger than this cannot be the game's: the largest possible header
// (32767 sprites) is about 4 MiB, and planes are capped by EgaHeader.
constexpr qint64 MaxFileSize = 16 << 20;

QString extension(int episode) {
    return QStringLiteral(".CK%1").arg(episode);
}

IoResult damaged(const QString& path, const QString& reason) {
    return IoResult::failure(
        QCoreApplication::translate("GameGraphics", "The graphics file \"%1\" is damaged: %2.")
            .arg(path, reason));
}

IoResult locate(const QString& folder, const QString& name, QString& path) {
    // Whatever stands under the name is taken: the read says what is wrong
    // with a folder or a device there.
    path = FolderBitmapSource::FindEntry(folder, name);
    if (!path.isEmpty())
        return IoResult::success();
    return IoResult::failure(QCoreApplication::translate(
                                 "GameGraphics", "The graphics file \"%1\" is missing from \"%2\".")
                                 .arg(name, folder));
}

IoResult readFile(const QString& path, QByteArray& data) {
    return BoundedFileReader::Read(
        path, MaxFileSize, QCoreApplication::translate("GameGraphics", "graphics file"), data);
}

// Reads a latch or sprite file, unpacking it when the header says it is
// packed, and checks that it holds `planes` planes of `planeSize` bytes.
IoResult readPlanes(const QString& path, bool compressed, int planes, qint64 planeSize,
                    QByteArray& data) {
    QByteArray raw;
    IoResult result = readFile(path, raw);
    if (!result)
        return result;
    const qint64 needed = planes * planeSize;
    if (compressed) {
        QByteArray unpacked;
        const QString why = LzwDecoder::Decode(raw, planes * EgaHeader::MaxPlaneSize, unpacked);
        if (!why.isEmpty())
            return damaged(path, why);
        raw = unpacked;
    }
    if (qint64(raw.size()) < needed)
        return damaged(path, QCoreApplication::translate(
                                 "GameGraphics", "it holds %1 bytes of the %2 its header needs")
                                 .arg(raw.size())
                                 .arg(needed));
    data = raw;
    return IoResult::success();
}

// The EGA colour index of pixel x of a row whose bytes start at `at` in
// every one of four planes `planeSize` apart (blue, green, red, intensity).
int colourIndex(const QByteArray& data, qint64 at, qint64 planeSize, int x) {
    const auto* bytes = reinterpret_cast<const quint8*>(data.constData()) + at + (x >> 3);
    const int bit = 7 - (x & 7);
    int index = 0;
    for (int plane = 0; plane < 4; ++plane) {
        const quint8 byte = bytes[plane * planeSize];
        index |= ((byte >> bit) & 1) << plane;
    }
    return index;
}

constexpr std::array<QRgb, 16> EgaPalette = {
    0xFF000000, 0xFF0000AA, 0xFF00AA00, 0xFF00AAAA, 0xFFAA0000, 0xFFAA00AA, 0xFFAA5500, 0xFFAAAAAA,
    0xFF555555, 0xFF5555FF, 0xFF55FF55, 0xFF55FFFF, 0xFFFF5555, 0xFFFF55FF, 0xFFFFFF55, 0xFFFFFFFF,
};

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb DarkGrey = EgaPalette[8];
constexpr QRgb BrightRed = EgaPalette[12];

// The game draws its sprites on a 320 x 200 screen: a bigger one is damage,
// as are more sprites than the header of any episode lists, a few hundred.
constexpr int MaxSpriteWidthBytes = 320 / 8;
constexpr int MaxSpriteHeight = 200;
constexpr int MaxSprites = 1000;

} // namespace

bool GameGraphics::FolderHasGameGraphics(const QString& folder, int episode) {
    if (episode < 1 || episode > 3)
        return false;
    const QString dir = PathText::Slashed(folder);
    for (const char* base : {"EGAHEAD", "EGALATCH", "EGASPRIT"}) {
        if (FolderBitmapSource::FindEntry(dir, QLatin1String(base) + extension(episode)).isEmpty())
            return false;
    }
    return true;
}

QString GameGraphics::TileSheetName(int episode) {
    return QStringLiteral("%1til0000.bmp").arg(episode);
}

QString GameGraphics::SpriteBitmapName(int episode, int sprite) {
    return QStringLiteral("%1spr%2.bmp").arg(episode).arg(sprite, 4, 10, QLatin1Char('0'));
}

QRgb GameGraphics::EgaColour(int index) {
    return EgaPalette[size_t(index & 15)];
}

IoResult GameGraphics::Load(const QString& folder, int episode) {
    if (episode < 1 || episode > 3)
        return IoResult::failure(QCoreApplication::translate(
                                     "GameGraphics", "There are no graphics files for episode %1.")
                                     .arg(episode));
    const QString dir = PathText::Slashed(folder);
    QString headerPath, latchPath, spritePath;
    IoResult result = locate(dir, QStringLiteral("EGAHEAD") + extension(episode), headerPath);
    if (result)
        result = locate(dir, QStringLiteral("EGALATCH") + extension(episode), latchPath);
    if (result)
        result = locate(dir, QStringLiteral("EGASPRIT") + extension(episode), spritePath);
    QByteArray headerData;
    if (result)
        result = readFile(headerPath, headerData);
    if (!result)
        return result;

    EgaHeader header;
    const QString why = header.Parse(headerData);
    if (!why.isEmpty())
        return damaged(headerPath, why);
    if (header.tileCount == 0)
        return damaged(headerPath,
                       QCoreApplication::translate("GameGraphics", "it lists no tiles"));
    if (header.sprites.size() > size_t(MaxSprites))
        return damaged(headerPath, QCoreApplication::translate(
                                       "GameGraphics", "it lists %1 sprites, more than the %2 any "
                                                       "episode has")
                                       .arg(header.sprites.size())
                                       .arg(MaxSprites));

    QByteArray latch, sprites;
    result = readPlanes(latchPath, header.latchCompressed, EgaHeader::LatchPlanes,
                        header.latchPlaneSize, latch);
    if (result)
        result = readPlanes(spritePath, header.spritesCompressed, EgaHeader::SpritePlanes,
                            header.spritePlaneSize, sprites);
    if (!result)
        return result;

    m_Episode = episode;
    m_Folder = dir;
    m_HeaderPath = headerPath;
    m_Header = header;
    m_Latch = latch;
    m_Sprites = sprites;
    return IoResult::success();
}

QString GameGraphics::SpriteName(int sprite) const {
    if (sprite < 0 || sprite >= SpriteCount())
        return QString();
    return m_Header.sprites[size_t(sprite)].name;
}

QImage GameGraphics::TileSheet() const {
    const int count = m_Header.tileCount;
    if (m_Episode == 0 || count <= 0)
        return QImage();
    const int rows = (count + TilesPerRow - 1) / TilesPerRow;
    QImage sheet(TilesPerRow * TileSize, rows * TileSize, QImage::Format_RGB32);
    if (sheet.isNull())
        return sheet;
    sheet.fill(Black);
    for (int tile = 0; tile < count; ++tile) {
        const int left = (tile % TilesPerRow) * TileSize;
        const int top = (tile / TilesPerRow) * TileSize;
        const qint64 start = m_Header.tileOffset + qint64(tile) * EgaHeader::TileBytesPerPlane;
        for (int y = 0; y < TileSize; ++y) {
            auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(top + y)) + left;
            for (int x = 0; x < TileSize; ++x)
                line[x] = EgaPalette[size_t(
                    colourIndex(m_Latch, start + qint64(y) * 2, m_Header.latchPlaneSize, x))];
        }
    }
    return sheet;
}

IoResult GameGraphics::SpriteError(int sprite, const QString& reason) const {
    return damaged(
        m_HeaderPath,
        QCoreApplication::translate("GameGraphics", "sprite %1 %2").arg(sprite).arg(reason));
}

IoResult GameGraphics::CheckSprite(int sprite) const {
    if (sprite < 0 || sprite >= SpriteCount())
        return IoResult::failure(
            QCoreApplication::translate("GameGraphics",
                                        "The game's graphics in \"%1\" have no sprite %2.")
                .arg(m_Folder)
                .arg(sprite));
    const EgaHeader::Sprite& entry = m_Header.sprites[size_t(sprite)];
    if (entry.widthBytes <= 0 || entry.widthBytes > MaxSpriteWidthBytes || entry.height <= 0 ||
        entry.height > MaxSpriteHeight)
        return SpriteError(sprite, QCoreApplication::translate(
                                       "GameGraphics", "has an impossible size of %1 x %2 pixels "
                                                       "(the screen is 320 x 200)")
                                       .arg(entry.widthBytes * 8)
                                       .arg(entry.height));
    const qint64 start = m_Header.spriteOffset + entry.offset;
    if (start + qint64(entry.widthBytes) * entry.height > m_Header.spritePlaneSize)
        return SpriteError(
            sprite, QCoreApplication::translate("GameGraphics", "lies outside the sprite planes"));
    return IoResult::success();
}

IoResult GameGraphics::CheckSprites() const {
    for (int sprite = 0; sprite < SpriteCount(); ++sprite) {
        const IoResult checked = CheckSprite(sprite);
        if (!checked)
            return checked;
    }
    return IoResult::success();
}

IoResult GameGraphics::SpriteBitmap(int sprite, QImage& image) const {
    const IoResult checked = CheckSprite(sprite);
    if (!checked)
        return checked;
    const EgaHeader::Sprite& entry = m_Header.sprites[size_t(sprite)];
    const qint64 planeSize = m_Header.spritePlaneSize;
    const qint64 start = m_Header.spriteOffset + entry.offset;

    const int width = entry.widthBytes * 8;
    QImage bitmap(width * 3, entry.height, QImage::Format_RGB32);
    if (bitmap.isNull())
        return IoResult::failure(
            QCoreApplication::translate("GameGraphics",
                                        "There is not enough memory for sprite %1 of \"%2\".")
                .arg(sprite)
                .arg(m_HeaderPath));
    for (int y = 0; y < entry.height; ++y) {
        const qint64 row = start + qint64(y) * entry.widthBytes;
        auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const auto maskByte = quint8(m_Sprites[int(row + 4 * planeSize + (x >> 3))]);
            const bool seeThrough = ((maskByte >> (7 - (x & 7))) & 1) != 0;
            const bool inHitBox = x >= entry.hitLeft && x <= entry.hitRight && y >= entry.hitTop &&
                                  y <= entry.hitBottom;
            line[x] =
                seeThrough ? Black : EgaPalette[size_t(colourIndex(m_Sprites, row, planeSize, x))];
            line[width + x] = seeThrough ? White : Black;
            line[2 * width + x] = inHitBox ? BrightRed : (seeThrough ? White : DarkGrey);
        }
    }
    image = bitmap;
    return IoResult::success();
}

QStringList GameGraphics::BitmapNames() const {
    QStringList names;
    if (m_Episode == 0)
        return names;
    names << TileSheetName(m_Episode);
    for (int sprite = 0; sprite < SpriteCount(); ++sprite)
        names << SpriteBitmapName(m_Episode, sprite);
    return names;
}

IoResult GameGraphics::Bitmap(const QString& name, QImage& image) const {
    const QString bare = PathText::BareName(name);
    static const QRegularExpression pattern(QStringLiteral("^([1-3])(til|spr)(\\d{4})\\.bmp$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(bare);
    const bool ours = m_Episode != 0 && match.hasMatch() && match.captured(1).toInt() == m_Episode;
    const int number = match.captured(3).toInt();
    const bool sheet = match.captured(2).compare(QLatin1String("til"), Qt::CaseInsensitive) == 0;
    if (ours && sheet && number == 0) {
        QImage made = TileSheet();
        if (made.isNull())
            return IoResult::failure(
                QCoreApplication::translate(
                    "GameGraphics", "There is not enough memory for the tile sheet of \"%1\".")
                    .arg(m_HeaderPath));
        image = made;
        return IoResult::success();
    }
    if (ours && !sheet && number < SpriteCount())
        return SpriteBitmap(number, image);
    if (ours && !sheet)
        return damaged(m_HeaderPath,
                       QCoreApplication::translate(
                           "GameGraphics", "it lists %1 sprites, but sprite %2 (\"%3\") is needed")
                           .arg(SpriteCount())
                           .arg(number)
                           .arg(bare));
    return IoResult::failure(
        QCoreApplication::translate("GameGraphics",
                                    "The bitmap \"%1\" is not among the game's graphics in \"%2\".")
            .arg(bare, m_Folder));
}
