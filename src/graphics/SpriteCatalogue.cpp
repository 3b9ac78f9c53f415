#include "SpriteCatalogue.h"

#include "GameLimits.h"

#include <QCoreApplication>
#include <array>
#include <iterator>
#include <set>

namespace {

// Bitmap numbers for sprites -1, 0, 1, ... of each episode.
const std::array<int, 12> Episode1 = {32, 0, 48, 60, 75, 88, 98, 112, 112, 112, 112, 114};
const std::array<int, 9> Episode2 = {32, 0, 74, 48, 96, 103, 112, 126, 128};
const std::array<int, 20> Episode3 = {31,  0,   63, 47,  85,  122, 77,  93, 109, 111,
                                      107, 107, 67, 114, 146, 103, 104, 0,  0,   0};

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

QString TileSheetName(int episode) {
    return QStringLiteral("%1til0000.bmp").arg(episode);
}

QString SpriteBaseName(int episode) {
    return QStringLiteral("%1spr0000.bmp").arg(episode);
}

int SpriteForInfo(qint16 info, qint16 levelNumber, qint16 count) {
    // 255 is tested first so that it keeps its meaning whatever the count.
    if (info == 255)
        return levelNumber == GameLimits::MapLevelNumber ? -1 : 0;
    if (info >= 1 && info <= count - 1)
        return info;
    return NoSprite;
}

qint16 InfoForSprite(qint16 sprite) {
    return sprite == 0 ? 255 : sprite;
}

QString SpriteName(int episode, int sprite, bool mapLevel) {
    if (Count(episode) == 0)
        return {};
    if (sprite == 0)
        return mapLevel ? QCoreApplication::translate("SpriteCatalogue", "Player's map position")
                        : QCoreApplication::translate("SpriteCatalogue", "Player start");
    static const char* const names1[] = {
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Yorp"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Garg"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Butler robot"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Tank robot"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Ice cannon (up-right)"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Ice cannon (up)"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Ice cannon (down)"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Ice cannon (up-left)"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Rope")};
    static const char* const names2[] = {
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon youth"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon Elite"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Scrub"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Guard robot"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Horizontal platform"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Spark")};
    static const char* const names3[] = {
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon youth"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon Mother"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Meep"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vorticon Ninja"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Foob"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Ball"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Jack"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Horizontal platform"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Vertical platform"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Jumping Vorticon"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Mortimer sparks"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Mortimer heart"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Auto-raygun (horizontal)"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Auto-raygun (vertical)"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Mortimer's arms"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Mortimer's left leg"),
        QT_TRANSLATE_NOOP("SpriteCatalogue", "Mortimer's right leg")};
    const char* const* names = nullptr;
    int count = 0;
    switch (episode) {
    case 1:
        names = names1;
        count = int(std::size(names1));
        break;
    case 2:
        names = names2;
        count = int(std::size(names2));
        break;
    case 3:
        names = names3;
        count = int(std::size(names3));
        break;
    default:
        return {};
    }
    if (sprite < 1 || sprite > count)
        return {};
    return QCoreApplication::translate("SpriteCatalogue", names[sprite - 1]);
}

int SpriteForPick(qint16 info) {
    if (info == 255)
        return 0;
    if (info <= 0)
        return NoSprite;
    return info;
}

} // namespace SpriteCatalogue
