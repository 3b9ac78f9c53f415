// Drag painting on the edit canvas: 1,000 mouse moves with the left button
// held, sent as real mouse events to the canvas of an editor window showing
// a 170 x 170 level on a 1600 x 1000 canvas, each followed by the repaint
// it asks for. The figure is the time per move against one plain copy of a
// 1600 x 1000 image.
#include "BenchFixtures.h"
#include "Benchmark.h"

#include "BitmapSource.h"
#include "EditorHost.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "PictureBox.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cstring>
#include <memory>

namespace {

using BenchFixtures::CanvasHeight;
using BenchFixtures::CanvasWidth;
constexpr int Moves = 1000;
constexpr int Episode = 1;

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The pointer's path: a zig-zag sweeping a `width` x `height` area from the
// canvas's top-left corner, crossing every region of it.
QPoint pathPoint(int i, int width, int height) {
    const int sweeps = 10;
    const int perSweep = Moves / sweeps;
    const int sweep = i / perSweep;
    const int step = i % perSweep;
    int x = step * (width - 1) / (perSweep - 1);
    if (sweep % 2)
        x = width - 1 - x;
    const int y = (sweep * (height - 1) + step * (height - 1) / perSweep) / sweeps;
    return QPoint(x, y);
}

// Seconds per move of one whole drag (press, 1,000 moves, release), and the
// number of moves that landed inside the level.
double dragSecondsPerMove(LevelEditorWindow& form, QSize area, int& movesInside) {
    PictureBox* canvas = BenchFixtures::picture(form);
    const QPoint start = pathPoint(0, area.width(), area.height());
    sendMouse(canvas, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    movesInside = 0;
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < Moves; ++i) {
        sendMouse(canvas, QEvent::MouseMove, pathPoint(i, area.width(), area.height()),
                  Qt::NoButton, Qt::LeftButton);
        if (!form.findChild<QLabel*>(QStringLiteral("positionLabel"))->text().isEmpty())
            ++movesInside;
        // The repaint the move asked for, as the event loop would do it.
        QApplication::processEvents();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    sendMouse(canvas, QEvent::MouseButtonRelease, pathPoint(Moves - 1, area.width(), area.height()),
              Qt::LeftButton, Qt::NoButton);
    return seconds / Moves;
}

void run(QTextStream& out) {
    BenchHost host;
    LevelEditorWindow form(host);
    form.SetTiles(host.TileSets(Episode - 1));
    form.SetSprites(host.SpriteSets(Episode - 1));
    form.NewLevel(170, 170, Episode, 1);
    // Sprites scattered over the level, so that the redraws draw some.
    for (int y = 2; y < 168; y += 7)
        for (int x = 2; x < 168; x += 9)
            form.Document().SetCell(CellChange::InfoPlane, x, y, qint16(1 + (x + y) % 10));
    form.Display();
    // Size the window so that the canvas is 1600 x 1000 pixels.
    const QSize extra = form.size() - BenchFixtures::picture(form)->size();
    form.resize(QSize(CanvasWidth, CanvasHeight) + extra);
    QApplication::processEvents();
    if (BenchFixtures::picture(form)->ScaleWidth() != CanvasWidth ||
        BenchFixtures::picture(form)->ScaleHeight() != CanvasHeight)
        out << "note: canvas is " << BenchFixtures::picture(form)->ScaleWidth() << " x "
            << BenchFixtures::picture(form)->ScaleHeight() << " pixels\n";
    form.SetSelectedTile(0, 150);

    const double copy = BenchFixtures::canvasCopySeconds();
    out << "plain copy of a 1600 x 1000 image: 1.00\n";
    struct Run {
        int zoom;
        bool levelOnly;
    };
    for (const Run& r : {Run{0, false}, Run{-3, false}, Run{-3, true}}) {
        form.SetCanvasZoom(0);
        for (int z = 0; z > r.zoom; --z)
            form.findChild<QAction*>(QStringLiteral("zoomOutAction"))->trigger();
        QApplication::processEvents();
        // The whole canvas, or only the part of it the level covers.
        const int cell = int(form.Tiles().RenderWidth(form.CanvasZoom()));
        const QSize area =
            r.levelOnly ? QSize(170 * cell, 170 * cell) : QSize(CanvasWidth, CanvasHeight);
        int inside = 0;
        double best = 1e300;
        for (int round = 0; round < 3; ++round)
            best = std::min(best, dragSecondsPerMove(form, area, inside));
        out << "drag move at zoom " << r.zoom << (r.levelOnly ? ", over the level only" : "")
            << " (" << inside << " of " << Moves
            << " moves inside the level): " << QString::number(best / copy, 'f', 2)
            << " (aim: within 10)\n";
    }
}

const Benchmark dragBenchmark("drag", run, "drag painting on an editor window's canvas");

} // namespace
