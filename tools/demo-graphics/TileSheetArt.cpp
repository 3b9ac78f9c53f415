#include "TileSheetArt.h"

#include "DemoPixelFont.h"
#include "PixelFont.h"

#include <QColor>

namespace {

using TileSheetArt::TileSize;

void fill(QImage& sheet, int x0, int y0, int w, int h, QRgb colour) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            sheet.setPixel(x, y, colour);
}

// Writes the number at the tile's bottom-right corner on a plate of its own.
void drawLabel(QImage& sheet, int ox, int oy, int number, QRgb plate, QRgb digits) {
    const int w = DemoPixelFont::NumberWidth(number);
    const int plateX = ox + TileSize - w - 2;
    const int plateY = oy + TileSize - PixelFont::GlyphHeight - 2;
    fill(sheet, plateX, plateY, w + 2, PixelFont::GlyphHeight + 2, plate);
    DemoPixelFont::DrawNumber(sheet, plateX + 1, plateY + 1, number, digits);
}

// A dark night sky with a few stars: what an empty cell of a level shows.
void drawBackground(QImage& sheet, int ox, int oy, int number) {
    const QRgb sky = qRgb(20, 28, 72);
    fill(sheet, ox, oy, TileSize, TileSize, sky);
    sheet.setPixel(ox + 3, oy + 2, qRgb(200, 200, 230));
    sheet.setPixel(ox + 12, oy + 4, qRgb(150, 150, 190));
    sheet.setPixel(ox + 7, oy + 8, qRgb(120, 120, 170));
    drawLabel(sheet, ox, oy, number, sky, qRgb(44, 56, 112));
}

// Rows of bricks with staggered joints in the mortar colour.
void drawWall(QImage& sheet, int ox, int oy, int number, QRgb brick, QRgb mortar) {
    for (int y = 0; y < TileSize; ++y) {
        const int course = y / 4;
        for (int x = 0; x < TileSize; ++x) {
            const bool joint = y % 4 == 3 || (x + (course % 2) * 4) % 8 == 7;
            sheet.setPixel(ox + x, oy + y, joint ? mortar : brick);
        }
    }
    drawLabel(sheet, ox, oy, number, mortar, QColor(brick).lighter(140).rgb());
}

void drawGrass(QImage& sheet, int ox, int oy, int number) {
    const QRgb grass = qRgb(60, 150, 60);
    fill(sheet, ox, oy, TileSize, TileSize, grass);
    for (int i = 0; i < 6; ++i) // tufts
        sheet.setPixel(ox + (i * 5 + 2) % 15, oy + (i * 7 + 1) % 9, qRgb(40, 110, 40));
    drawLabel(sheet, ox, oy, number, grass, qRgb(90, 180, 90));
}

void drawWater(QImage& sheet, int ox, int oy, int number) {
    const QRgb water = qRgb(40, 90, 200);
    fill(sheet, ox, oy, TileSize, TileSize, water);
    for (int y = 2; y < TileSize; y += 5) // waves
        for (int x = 0; x < TileSize; ++x)
            if ((x + y) % 6 < 2)
                sheet.setPixel(ox + x, oy + y, qRgb(120, 170, 240));
    drawLabel(sheet, ox, oy, number, water, qRgb(80, 130, 230));
}

void drawPath(QImage& sheet, int ox, int oy, int number) {
    const QRgb sand = qRgb(210, 180, 120);
    fill(sheet, ox, oy, TileSize, TileSize, sand);
    sheet.setPixel(ox + 4, oy + 3, qRgb(170, 140, 90));
    sheet.setPixel(ox + 11, oy + 6, qRgb(170, 140, 90));
    drawLabel(sheet, ox, oy, number, sand, qRgb(160, 130, 80));
}

// A hut on grass: roof, wall and door.
void drawHut(QImage& sheet, int ox, int oy, int number, int hut) {
    drawGrass(sheet, ox, oy, number);
    const QColor roof = QColor::fromHsv(hut * 45, 200, 200);
    for (int y = 0; y < 5; ++y)
        fill(sheet, ox + 6 - y, oy + 1 + y, 4 + 2 * y, 1, roof.rgb());
    fill(sheet, ox + 2, oy + 6, 12, 4, qRgb(230, 220, 190));
    fill(sheet, ox + 7, oy + 7, 3, 3, qRgb(90, 60, 40));
}

// Molten rock whose bright crests move one step further in each of the
// four frames of its loop.
void drawLava(QImage& sheet, int ox, int oy, int number, int frame) {
    const QRgb lava = qRgb(200, 60, 20);
    fill(sheet, ox, oy, TileSize, TileSize, lava);
    for (int x = 0; x < TileSize; ++x) {
        const int crest = 2 + ((x + frame * 4) % 16 < 8 ? 0 : 2);
        fill(sheet, ox + x, oy + crest, 1, 2, qRgb(255, 190, 40));
    }
    drawLabel(sheet, ox, oy, number, lava, qRgb(255, 120, 60));
}

// A dark doorway with a green arrow pointing into it.
void drawExit(QImage& sheet, int ox, int oy, int number) {
    drawBackground(sheet, ox, oy, number);
    fill(sheet, ox + 2, oy + 1, 10, 14, qRgb(90, 90, 90));
    fill(sheet, ox + 4, oy + 3, 6, 12, qRgb(10, 10, 10));
    fill(sheet, ox + 5, oy + 5, 4, 1, qRgb(40, 220, 60));
    fill(sheet, ox + 7, oy + 3, 1, 5, qRgb(40, 220, 60));
    drawLabel(sheet, ox, oy, number, qRgb(10, 10, 10), qRgb(40, 220, 60));
}

// A yellow door with a keyhole, and the yellow key that opens it.
void drawDoor(QImage& sheet, int ox, int oy, int number) {
    fill(sheet, ox, oy, TileSize, TileSize, qRgb(220, 190, 40));
    fill(sheet, ox + 2, oy + 2, 12, 5, qRgb(180, 150, 20));
    fill(sheet, ox + 7, oy + 8, 2, 3, qRgb(30, 30, 30));
    drawLabel(sheet, ox, oy, number, qRgb(0, 0, 0), qRgb(255, 255, 255));
}

void drawKey(QImage& sheet, int ox, int oy, int number) {
    drawBackground(sheet, ox, oy, number);
    const QRgb gold = qRgb(240, 210, 40);
    fill(sheet, ox + 2, oy + 2, 5, 5, gold);
    fill(sheet, ox + 4, oy + 4, 1, 1, qRgb(20, 28, 72));
    fill(sheet, ox + 7, oy + 4, 7, 1, gold);
    fill(sheet, ox + 11, oy + 5, 1, 2, gold);
    fill(sheet, ox + 13, oy + 5, 1, 2, gold);
}

// Iron bars over the sky: drawn in front of Keen.
void drawGrille(QImage& sheet, int ox, int oy, int number) {
    drawBackground(sheet, ox, oy, number);
    for (int x = 1; x < TileSize; x += 4)
        fill(sheet, ox + x, oy, 2, TileSize - 8, qRgb(140, 140, 150));
    fill(sheet, ox, oy + 3, TileSize, 1, qRgb(110, 110, 120));
}

// An ordinary tile: one of eight patterns in a colour of its own.
void drawPatterned(QImage& sheet, int ox, int oy, int number, int episode) {
    const int hue = (number * 47 + episode * 40) % 360;
    const QColor base = QColor::fromHsv(hue, 140 + (number % 3) * 40, 150 + (number / 3 % 3) * 40);
    const QRgb a = base.rgb();
    const QRgb b = base.darker(170).rgb();
    for (int y = 0; y < TileSize; ++y) {
        for (int x = 0; x < TileSize; ++x) {
            bool second = false;
            switch (number % 8) {
            case 1:
                second = (x / 4 + y / 4) % 2 == 1;
                break;
            case 2:
                second = y / 2 % 2 == 1;
                break;
            case 3:
                second = x / 2 % 2 == 1;
                break;
            case 4:
                second = (x + y) % 4 < 2;
                break;
            case 5:
                second = x < 2 || y < 2 || x > 13 || y > 13;
                break;
            case 6:
                second = x % 4 == 1 && y % 4 == 1;
                break;
            case 7:
                second = y < 5;
                break;
            default:
                break;
            }
            sheet.setPixel(ox + x, oy + y, second ? b : a);
        }
    }
    drawLabel(sheet, ox, oy, number, qRgb(0, 0, 0), qRgb(255, 255, 255));
}

} // namespace

namespace TileSheetArt {

int TileCount(int episode) {
    switch (episode) {
    case 1:
        return 611;
    case 2:
        return 689;
    case 3:
        return 624;
    default:
        return 0;
    }
}

QImage Make(int episode) {
    const int count = TileCount(episode);
    if (count == 0)
        return QImage();
    const int rows = (count + TilesPerRow - 1) / TilesPerRow;
    QImage sheet(TilesPerRow * TileSize, rows * TileSize, QImage::Format_RGB32);
    sheet.fill(qRgb(0, 0, 0));
    for (int n = 0; n < count; ++n) {
        const int ox = n % TilesPerRow * TileSize;
        const int oy = n / TilesPerRow * TileSize;
        if (n == BackgroundTile)
            drawBackground(sheet, ox, oy, n);
        else if (n == BrickWallTile)
            drawWall(sheet, ox, oy, n, qRgb(150, 64, 44), qRgb(92, 88, 84));
        else if (n == StoneWallTile)
            drawWall(sheet, ox, oy, n, qRgb(112, 116, 128), qRgb(56, 58, 66));
        else if (n == GrassTile)
            drawGrass(sheet, ox, oy, n);
        else if (n == WaterTile)
            drawWater(sheet, ox, oy, n);
        else if (n == PathTile)
            drawPath(sheet, ox, oy, n);
        else if (n >= FirstHutTile && n < FirstHutTile + HutCount)
            drawHut(sheet, ox, oy, n, n - FirstHutTile);
        else if (n >= FirstLavaTile && n < FirstLavaTile + LavaFrames)
            drawLava(sheet, ox, oy, n, n - FirstLavaTile);
        else if (n == ExitTile)
            drawExit(sheet, ox, oy, n);
        else if (n == DoorTile)
            drawDoor(sheet, ox, oy, n);
        else if (n == KeyTile)
            drawKey(sheet, ox, oy, n);
        else if (n == GrilleTile)
            drawGrille(sheet, ox, oy, n);
        else
            drawPatterned(sheet, ox, oy, n, episode);
    }
    return sheet;
}

} // namespace TileSheetArt
