#include "SpriteCatalogue.h"

#include <array>
#include <set>

namespace {

// Bitmap numbers for sprites -1, 0, 1, ... of each episode.
const std::array<int, 12> Episode1 = {32, 0, 48, 60, 75, 88, 98, 112, 112, 112, 112, 114};
const std::array<int, 9> Episode2 = {32, 0, 74, 48, 96, 103, 112, 126, 128};
const std::array<int, 20> Episode3 = {31, 0,   63,  47,  85,  122, 77,  93, 109, 111,
                                      107, 107, 67, 114, 146, 103, 104, 0, 0,   0};

int bitmapNumber(int episode, int sprite) {
    const int slot = sprite + 1;
    switch (episode) {
    case 1:
        return slot >= 0 && slot < int(Episode1.size()) ? Episode1[slot] : -1;
    case 2:
        return slot >= 0 && slot < int(Episode2.size()) ? Episode2[slot] : -1;
    case 3:
        return slot >= 0 && slot < int(Episode3.size()) ? Episode3[slot] : -1;
    default:
        return -1;
    }
}

} // namespace

namespace SpriteCatalogue {

qint16 Count(int episode) {
    switch (episode) {
    case 1:
        return qint16(Episode1.size() - 1);
    case 2:
        return qint16(Episode2.size() - 1);
    case 3:
        return qint16(Episode3.size() - 1);
    default:
        return 0;
    }
}

QString FileName(int episode, int sprite) {
    const int number = bitmapNumber(episode, sprite);
    if (number < 0)
        return {};
    return QStringLiteral("%1spr%2.bmp").arg(episode).arg(number, 4, 10, QLatin1Char('0'));
}

QStringList DistinctFiles(int episode) {
    std::set<QString> names;
    for (int sprite = -1; sprite < Count(episode); ++sprite)
        names.insert(FileName(episode, sprite));
    return QStringList(names.begin(), names.end());
}

QString TileSheetName(int episode) { return QStringLiteral("%1til0000.bmp").arg(episode); }

QString SpriteBaseName(int episode) { return QStringLiteral("%1spr0000.bmp").arg(episode); }

int SpriteForInfo(qint16 info, qint16 levelNumber, qint16 count) {
    // 255 is tested first so that it keeps its meaning whatever the count.
    if (info == 255)
        return levelNumber == 80 ? -1 : 0;
    if (info >= 1 && info <= count - 1)
        return info;
    return NoSprite;
}

qint16 InfoForSprite(qint16 sprite) { return sprite == 0 ? 255 : sprite; }

int SpriteForPick(qint16 info) {
    if (info == 255)
        return 0;
    if (info <= 0)
        return NoSprite;
    return info;
}

} // namespace SpriteCatalogue
