#include "SpriteArt.h"

#include <QColor>
#include <QPainter>
#include <QPolygon>

#include <array>
#include <cmath>
#include <functional>

namespace {

enum class Kind {
    Player,
    MapPlayer,
    Creature,
    BigCreature,
    TallAlien,
    Robot,
    Tank,
    Cannon,
    Orb,
    Platform,
    Flyer
};

struct Look {
    const char* file;
    Kind kind;
    int width;
    int height;
    QRgb colour;
    bool mirrored;
};

// One row per sprite file of the catalogue.
const std::array<Look, 34> Looks = {{
    {"1spr0000.bmp", Kind::Player, 16, 32, qRgb(40, 170, 160), false},
    {"1spr0032.bmp", Kind::MapPlayer, 16, 16, qRgb(40, 170, 160), false},
    {"1spr0048.bmp", Kind::Creature, 16, 24, qRgb(190, 210, 60), false},
    {"1spr0060.bmp", Kind::BigCreature, 24, 32, qRgb(150, 70, 190), false},
    {"1spr0075.bmp", Kind::TallAlien, 24, 40, qRgb(70, 180, 80), false},
    {"1spr0088.bmp", Kind::Robot, 32, 32, qRgb(230, 140, 40), false},
    {"1spr0098.bmp", Kind::Tank, 32, 24, qRgb(120, 130, 60), false},
    {"1spr0112.bmp", Kind::Cannon, 16, 16, qRgb(90, 140, 200), false},
    {"1spr0114.bmp", Kind::Orb, 8, 8, qRgb(230, 50, 50), false},
    {"2spr0000.bmp", Kind::Player, 16, 32, qRgb(220, 90, 120), false},
    {"2spr0032.bmp", Kind::MapPlayer, 16, 16, qRgb(220, 90, 120), false},
    {"2spr0048.bmp", Kind::Creature, 16, 24, qRgb(240, 120, 200), false},
    {"2spr0074.bmp", Kind::Flyer, 24, 16, qRgb(60, 200, 220), false},
    {"2spr0096.bmp", Kind::TallAlien, 24, 40, qRgb(70, 100, 220), false},
    {"2spr0103.bmp", Kind::Robot, 32, 32, qRgb(200, 60, 60), false},
    {"2spr0112.bmp", Kind::Tank, 32, 24, qRgb(160, 110, 70), false},
    {"2spr0126.bmp", Kind::Cannon, 16, 16, qRgb(210, 190, 70), true},
    {"2spr0128.bmp", Kind::Platform, 32, 8, qRgb(200, 160, 60), false},
    {"3spr0000.bmp", Kind::Player, 16, 32, qRgb(240, 200, 50), false},
    {"3spr0031.bmp", Kind::MapPlayer, 16, 16, qRgb(240, 200, 50), false},
    {"3spr0047.bmp", Kind::Creature, 16, 24, qRgb(90, 220, 160), false},
    {"3spr0063.bmp", Kind::BigCreature, 24, 32, qRgb(220, 110, 50), false},
    {"3spr0067.bmp", Kind::TallAlien, 24, 40, qRgb(170, 80, 150), false},
    {"3spr0077.bmp", Kind::Robot, 32, 32, qRgb(80, 160, 230), false},
    {"3spr0085.bmp", Kind::Tank, 32, 24, qRgb(100, 150, 90), false},
    {"3spr0093.bmp", Kind::Flyer, 24, 16, qRgb(230, 230, 90), false},
    {"3spr0103.bmp", Kind::Cannon, 16, 16, qRgb(180, 80, 80), false},
    {"3spr0104.bmp", Kind::Cannon, 16, 16, qRgb(180, 80, 80), true},
    {"3spr0107.bmp", Kind::Orb, 12, 12, qRgb(80, 220, 240), false},
    {"3spr0109.bmp", Kind::Creature, 24, 24, qRgb(250, 150, 60), false},
    {"3spr0111.bmp", Kind::BigCreature, 32, 40, qRgb(110, 90, 200), false},
    {"3spr0114.bmp", Kind::Platform, 32, 8, qRgb(150, 150, 170), false},
    {"3spr0122.bmp", Kind::Flyer, 32, 24, qRgb(200, 70, 220), false},
    {"3spr0146.bmp", Kind::Robot, 24, 48, qRgb(120, 200, 90), false},
}};

const QColor Skin(250, 200, 150);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);
const QColor Steel(150, 150, 160);
const QColor DarkSteel(70, 70, 80);

// Draws in the units of a figure's design grid, scaled to the sprite's size,
// with whole pixels only.
class Pen {
public:
    Pen(QPainter& painter, int designW, int designH, int w, int h)
        : m_Painter(painter), m_Sx(double(w) / designW), m_Sy(double(h) / designH) {}

    void box(int x, int y, int w, int h, const QColor& c) {
        m_Painter.fillRect(rect(x, y, w, h), c);
    }
    void oval(int x, int y, int w, int h, const QColor& c) {
        m_Painter.setPen(Qt::NoPen);
        m_Painter.setBrush(c);
        m_Painter.drawEllipse(rect(x, y, w, h));
    }
    void polygon(std::initializer_list<QPoint> points, const QColor& c) {
        QPolygon scaled;
        for (const QPoint& p : points)
            scaled << QPoint(sx(p.x()), sy(p.y()));
        m_Painter.setPen(Qt::NoPen);
        m_Painter.setBrush(c);
        m_Painter.drawPolygon(scaled);
    }

private:
    int sx(int x) const { return int(std::lround(x * m_Sx)); }
    int sy(int y) const { return int(std::lround(y * m_Sy)); }
    QRect rect(int x, int y, int w, int h) const {
        const int x0 = sx(x), y0 = sy(y);
        return QRect(x0, y0, qMax(1, sx(x + w) - x0), qMax(1, sy(y + h) - y0));
    }

    QPainter& m_Painter;
    double m_Sx;
    double m_Sy;
};

void drawPlayer(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 16, 32, w, h);
    d.oval(3, 0, 10, 8, QColor(240, 220, 60)); // helmet
    d.box(4, 5, 8, 6, Skin);
    d.box(6, 7, 1, 1, Black);
    d.box(9, 7, 1, 1, Black);
    d.box(6, 9, 4, 1, QColor(190, 90, 80)); // mouth
    d.box(3, 11, 10, 10, c);                // shirt
    d.box(1, 12, 2, 8, Skin);
    d.box(13, 12, 2, 8, Skin);
    d.box(4, 21, 8, 4, QColor(50, 60, 170));
    d.box(4, 25, 3, 5, QColor(50, 60, 170));
    d.box(9, 25, 3, 5, QColor(50, 60, 170));
    d.box(3, 30, 5, 2, QColor(200, 40, 40));
    d.box(8, 30, 5, 2, QColor(200, 40, 40));
}

void drawMapPlayer(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 16, 16, w, h);
    d.oval(4, 0, 8, 7, QColor(240, 220, 60));
    d.box(5, 4, 6, 4, Skin);
    d.box(6, 5, 1, 1, Black);
    d.box(9, 5, 1, 1, Black);
    d.box(4, 8, 8, 5, c);
    d.box(2, 9, 2, 3, Skin);
    d.box(12, 9, 2, 3, Skin);
    d.box(4, 13, 3, 3, QColor(200, 40, 40));
    d.box(9, 13, 3, 3, QColor(200, 40, 40));
}

void drawCreature(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 16, 24, w, h);
    d.box(3, 1, 1, 6, c.darker(140)); // antennae
    d.box(12, 1, 1, 6, c.darker(140));
    d.box(2, 0, 3, 2, c.lighter(130));
    d.box(11, 0, 3, 2, c.lighter(130));
    d.oval(1, 5, 14, 15, c);
    d.oval(4, 8, 8, 7, White); // the one big eye
    d.box(7, 10, 3, 3, Black);
    d.box(6, 16, 4, 1, Black);
    d.box(2, 19, 5, 5, c.darker(150));
    d.box(9, 19, 5, 5, c.darker(150));
}

void drawBigCreature(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 24, 32, w, h);
    d.polygon({{2, 9}, {5, 0}, {8, 9}}, QColor(230, 230, 210)); // horns
    d.polygon({{16, 9}, {19, 0}, {22, 9}}, QColor(230, 230, 210));
    d.oval(1, 5, 22, 23, c);
    d.oval(5, 10, 5, 5, White);
    d.oval(14, 10, 5, 5, White);
    d.box(7, 12, 2, 2, Black);
    d.box(16, 12, 2, 2, Black);
    d.box(6, 19, 12, 4, Black); // mouth with teeth
    d.box(7, 19, 2, 2, White);
    d.box(11, 19, 2, 2, White);
    d.box(15, 19, 2, 2, White);
    d.box(4, 26, 5, 6, c.darker(150));
    d.box(15, 26, 5, 6, c.darker(150));
}

void drawTallAlien(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 24, 40, w, h);
    d.oval(5, 0, 14, 12, c);
    d.oval(8, 4, 3, 4, Black);
    d.oval(13, 4, 3, 4, Black);
    d.box(10, 12, 4, 3, c);
    d.box(6, 15, 12, 13, c.darker(140));
    d.box(2, 15, 4, 14, c);
    d.box(18, 15, 4, 14, c);
    d.box(7, 28, 4, 9, c);
    d.box(13, 28, 4, 9, c);
    d.box(5, 37, 6, 3, DarkSteel);
    d.box(13, 37, 6, 3, DarkSteel);
}

void drawRobot(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 32, 32, w, h);
    d.box(15, 1, 2, 4, Steel); // antenna
    d.box(14, 0, 4, 2, QColor(255, 60, 60));
    d.box(8, 4, 16, 9, Steel);
    d.box(10, 7, 12, 3, c); // visor
    d.box(4, 13, 24, 13, c);
    d.box(10, 16, 12, 6, QColor(200, 200, 210)); // chest panel with lights
    d.box(12, 18, 2, 2, QColor(60, 220, 60));
    d.box(15, 18, 2, 2, QColor(240, 220, 40));
    d.box(18, 18, 2, 2, QColor(230, 50, 50));
    d.box(0, 14, 4, 10, Steel);
    d.box(28, 14, 4, 10, Steel);
    d.box(5, 26, 22, 6, DarkSteel); // tracks
    for (int x = 7; x < 26; x += 5)
        d.box(x, 28, 2, 2, Steel);
}

void drawTank(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 32, 24, w, h);
    d.box(10, 4, 12, 7, c);
    d.box(22, 6, 10, 3, Steel); // barrel
    d.box(14, 2, 4, 2, c.darker(130));
    d.polygon({{1, 11}, {31, 11}, {28, 18}, {4, 18}}, c.darker(130));
    for (int x = 3; x < 24; x += 9) {
        d.oval(x, 16, 8, 8, DarkSteel);
        d.box(x + 3, 19, 2, 2, Steel);
    }
}

void drawCannon(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 16, 16, w, h);
    d.box(8, 5, 8, 4, Steel);
    d.oval(2, 2, 10, 10, c);
    d.box(5, 5, 2, 2, White);
    d.box(1, 11, 14, 5, DarkSteel);
}

void drawOrb(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 8, 8, w, h);
    d.oval(0, 0, 8, 8, c);
    d.box(2, 2, 2, 2, White);
}

void drawPlatform(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 32, 8, w, h);
    d.box(1, 0, 30, 8, c); // rounded ends
    d.box(0, 1, 32, 6, c);
    d.box(1, 0, 30, 1, c.lighter(140));
    d.box(1, 7, 30, 1, c.darker(160));
    for (int x = 4; x < 32; x += 10)
        d.box(x, 2, 4, 4, c.darker(200));
}

void drawFlyer(QPainter& p, int w, int h, const QColor& c) {
    Pen d(p, 24, 16, w, h);
    d.polygon({{0, 1}, {10, 6}, {2, 12}}, c.lighter(140));
    d.polygon({{24, 1}, {14, 6}, {22, 12}}, c.lighter(140));
    d.oval(6, 3, 12, 10, c);
    d.oval(12, 5, 5, 5, White);
    d.box(14, 7, 2, 2, Black);
    d.box(9, 13, 2, 3, DarkSteel);
    d.box(13, 13, 2, 3, DarkSteel);
}

void drawKind(QPainter& p, const Look& look) {
    const QColor c(look.colour);
    using Draw = std::function<void(QPainter&, int, int, const QColor&)>;
    static const std::array<Draw, 11> draws = {
        drawPlayer, drawMapPlayer, drawCreature, drawBigCreature, drawTallAlien, drawRobot,
        drawTank,   drawCannon,    drawOrb,      drawPlatform,    drawFlyer};
    draws[size_t(look.kind)](p, look.width, look.height, c);
}

const Look* findLook(int episode, const QString& fileName) {
    for (const Look& look : Looks)
        if (QString::fromLatin1(look.file).compare(fileName, Qt::CaseInsensitive) == 0 &&
            look.file[0] == char('0' + episode))
            return &look;
    return nullptr;
}

bool opaqueAt(const QImage& figure, int x, int y) {
    return figure.valid(x, y) && qAlpha(figure.pixel(x, y)) != 0;
}

bool onEdge(const QImage& figure, int x, int y) {
    return !opaqueAt(figure, x - 1, y) || !opaqueAt(figure, x + 1, y) ||
           !opaqueAt(figure, x, y - 1) || !opaqueAt(figure, x, y + 1);
}

// The smallest rectangle that holds every opaque pixel.
QRect opaqueBounds(const QImage& figure) {
    QRect bounds;
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x)
            if (opaqueAt(figure, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

namespace SpriteArt {

QImage Figure(int episode, const QString& fileName) {
    const Look* look = findLook(episode, fileName);
    if (!look)
        return QImage();
    QImage figure(look->width, look->height, QImage::Format_ARGB32);
    figure.fill(Qt::transparent);
    {
        QPainter painter(&figure);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawKind(painter, *look);
    }
    // Whole pixels only: anything the painter left partly covered counts as
    // opaque, so that image and mask agree exactly.
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x)
            if (qAlpha(figure.pixel(x, y)) != 0)
                figure.setPixel(x, y, figure.pixel(x, y) | 0xff000000u);
    return look->mirrored ? figure.mirrored(true, false) : figure;
}

QImage Frames(const QImage& figure) {
    const int w = figure.width();
    const int h = figure.height();
    QImage frames(3 * w, h, QImage::Format_RGB32);
    frames.fill(qRgb(0, 0, 0));
    const QRgb outline = qRgb(64, 64, 64);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool opaque = opaqueAt(figure, x, y);
            frames.setPixel(x, y, opaque ? (figure.pixel(x, y) | 0xff000000u) : qRgb(0, 0, 0));
            frames.setPixel(w + x, y, opaque ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            if (opaque && onEdge(figure, x, y))
                frames.setPixel(2 * w + x, y, outline);
        }
    }
    const QRect box = opaqueBounds(figure).adjusted(1, 1, -1, -1);
    if (box.isValid()) {
        QPainter painter(&frames);
        painter.setPen(QColor(255, 0, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.translated(2 * w, 0).adjusted(0, 0, -1, -1));
    }
    return frames;
}

QImage Make(int episode, const QString& fileName) {
    const QImage figure = Figure(episode, fileName);
    return figure.isNull() ? QImage() : Frames(figure);
}

} // namespace SpriteArt
