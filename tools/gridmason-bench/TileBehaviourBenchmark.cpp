// What showing the game's tile behaviour costs on a 1600 x 1000 canvas:
// - the behaviour overlay drawn over a whole canvas of a level at zoom 0,
//   against the grid the editor draws (the time a full redraw of the
//   editor's canvas takes with the grid on, less the time without);
// - one step of tile animation on a 128 x 120 level at zoom 1: the cells
//   that change found, drawn again and copied to the screen, as a share of
//   one core at the game's pace.
// - the whole process's processor time while an editor window animates the
//   tiles of a 128 x 120 level and nothing else happens, as a share of one
//   core (`animation-idle`, apart: it takes a minute), on the made-up
//   level and on LEVEL01.CK1.
// The table is the shareware episode 1's when the game's files lie beside
// the project (then LEVEL01.CK1 is stepped too), otherwise a made-up one
// with about the same share of marked and animated tiles; the level holds
// every tile in turn, so that about one cell in seven animates.

#include "BenchFixtures.h"
#include "Benchmark.h"
#include "EpisodeTileBehaviour.h"
#include "Level.h"
#include "LevelCanvas.h"
#include "LevelEditorWindow.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileAnimation.h"
#include "TileBehaviourLoader.h"
#include "TileBehaviourOverlay.h"
#include "TileSet.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

namespace {

using BenchFixtures::CanvasHeight;
using BenchFixtures::CanvasWidth;
constexpr int TileCount = 611;
constexpr int Calls = 100;
// How long the process's share of a core is measured while tiles animate.
constexpr int IdleMilliseconds = 10000;

const QString GameDir = QStringLiteral(GM_SOURCE_DIR "/../shared/data/keen1-shareware");

void consume(const void* pointer) {
    asm volatile("" : : "r"(pointer) : "memory");
}

// One tile in 20 kills, one in 20 is in front, one in 4 blocks from some
// side, one in 30 is a door, key, item or exit; tiles 200..287 are loops of
// four.
TileBehaviour madeUpTable() {
    std::vector<TileBehaviour::Tile> tiles(TileCount);
    for (int t = 0; t < TileCount; ++t) {
        TileBehaviour::Tile& tile = tiles[size_t(t)];
        tile.animation = t >= 200 && t < 288 ? 4 : 1;
        tile.behaviour = qint16(t % 20 == 1 ? 1 : t % 20 == 2 ? -1 : t % 30 == 3 ? 2 + t % 27 : 0);
        tile.top = qint16(t % 4 == 0);
        tile.right = tile.bottom = tile.left = qint16(t % 8 == 0);
    }
    return TileBehaviour(std::move(tiles));
}

Level madeUpLevel() {
    Level level;
    level.Create(128, 120, 1, 1);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 128; ++x)
            level.SetTile(x, y, qint16((x * 7 + y * 13) % TileCount));
    return level;
}

// The editor's canvas redrawn whole, with or without its grid.
double editorRedrawSeconds(BenchWindow& window, bool grid) {
    QAction* action = window.form.findChild<QAction*>(QStringLiteral("gridAction"));
    if (action && action->isChecked() != grid)
        action->trigger();
    QApplication::processEvents();
    LevelCanvas* canvas = window.form.findChild<LevelCanvas*>(QStringLiteral("levelCanvas"));
    return fastestCall([&] { canvas->Redraw(); }, Calls);
}

// Seconds of one animation step at zoom 1 with the view at the level's
// top-left: the cells that change found, drawn again at the next frame and
// copied to the screen; `cells` receives how many changed.
double animationStepSeconds(const Level& level, const TileAnimation& animation,
                            const TileSet& tiles, size_t& cells) {
    const SpriteSet sprites;
    const ZoomLevel zoom(1);
    const int cell = int(tiles.RenderWidth(zoom));
    const QRect window(0, 0, tiles.PixelWToTiles(CanvasWidth, zoom),
                       tiles.PixelHToTiles(CanvasHeight, zoom));
    Surface canvas(CanvasWidth, CanvasHeight);
    QImage screen(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    int frame = 0;
    return fastestCall(
        [&] {
            const std::vector<QRect> changed =
                animation.ChangedCells(level, window, frame, frame + 1);
            ++frame;
            QPainter painter(&screen);
            cells = 0;
            for (const QRect& run : changed) {
                const QRect pixels(run.x() * cell, run.y() * cell, run.width() * cell, cell);
                level.Display(canvas, qint16(run.x()), qint16(run.y()), tiles, sprites, zoom,
                              pixels.x(), pixels.y(), run.width(), 1, Level::AllLayers, &animation,
                              frame);
                painter.drawImage(pixels.topLeft(), canvas.image(), pixels);
                cells += size_t(run.width());
            }
            consume(screen.constBits());
        },
        Calls);
}

void runTileBehaviour(QTextStream& out) {
    TileBehaviour table;
    QString source;
    Level gameLevel;
    const bool real = TileBehaviourLoader::Load(GameDir, 1, table, source).ok &&
                      gameLevel.Load(QDir(GameDir).filePath(QStringLiteral("LEVEL01.CK1"))).ok;
    if (!real)
        table = madeUpTable();
    const Level level = madeUpLevel();
    out << (real ? "the shareware episode 1's table" : "a made-up table")
        << "; a 128x120 level of every tile in turn\n";
    const double copy = BenchFixtures::fastestCanvasCopySeconds(Calls);

    // The overlay over a whole canvas at zoom 0, against the grid.
    BenchWindow window(128, 120);
    const double plain = editorRedrawSeconds(window, false);
    const double withGrid = editorRedrawSeconds(window, true);
    const double grid = std::max(withGrid - plain, 1e-9);
    const TileBehaviourOverlay overlay(table);
    Surface canvas(CanvasWidth, CanvasHeight);
    const double marks = fastestCall(
        [&] {
            overlay.Draw(canvas, level, 0, 0, QRect(0, 0, level.Width(), level.Height()),
                         ZoomLevel(0));
            consume(canvas.image().constBits());
        },
        Calls);
    out << "  zoom 0: grid " << QString::number(grid / copy, 'f', 2) << " x copy, overlay "
        << QString::number(marks / copy, 'f', 2) << " x copy: the overlay costs "
        << QString::number(marks / grid, 'f', 2) << " x the grid (aim: within 1)\n";

    TileSet tiles;
    tiles.LoadFromImage(BenchFixtures::tileSheet(TileCount));
    const TileAnimation animation(table, tiles.Count());
    const auto step = [&](const char* name, const Level& stepped) {
        size_t cells = 0;
        const double seconds = animationStepSeconds(stepped, animation, tiles, cells);
        out << "  animation step at zoom 1, " << name << ": " << cells << " cells, "
            << QString::number(seconds / copy, 'f', 2) << " x copy, "
            << QString::number(seconds * 1000.0 / TileAnimation::FrameMilliseconds * 100, 'f', 2)
            << " % of one core at a step every " << TileAnimation::FrameMilliseconds
            << " ms (aim: within 5 %)\n";
    };
    step("every tile in turn", level);
    if (real)
        step("LEVEL01.CK1", gameLevel);
}

// Seconds of processor time the whole process has used so far.
double processSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The share of one core the process uses while the event loop runs alone
// for `milliseconds`.
double idleShare(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    const double before = processSeconds();
    loop.exec();
    return (processSeconds() - before) / (milliseconds / 1000.0);
}

// The share of a core one editor window takes on `levelFile` with
// `tables`, idle and animating, at zoom 0 and 1; `name` heads its lines.
void measureAnimationIdle(QTextStream& out, const char* name, const EpisodeTileBehaviour& tables,
                          const QString& levelFile) {
    BenchWindow window(128, 120);
    window.host.tables = &tables;
    if (!window.form.LoadLevel(levelFile))
        return void(out << "  " << levelFile << " could not be read\n");
    QAction* animate = window.form.findChild<QAction*>(QStringLiteral("animateTilesAction"));
    if (!animate->isEnabled())
        return void(out << "  " << name << ": no tile animates\n");
    for (int zoom : {0, 1}) {
        window.form.SetCanvasZoom(zoom);
        QApplication::processEvents();
        const double still = idleShare(IdleMilliseconds / 2);
        animate->trigger();
        const double moving = idleShare(IdleMilliseconds);
        animate->trigger();
        out << "  " << name << ", zoom " << zoom << ": idle "
            << QString::number(still * 100, 'f', 2) << " % of one core, animating "
            << QString::number(moving * 100, 'f', 2) << " % (aim: within 5 %)\n";
    }
}

void runAnimationIdle(QTextStream& out) {
    out << "a " << BenchFixtures::CanvasWidth << "x" << BenchFixtures::CanvasHeight << " canvas, "
        << IdleMilliseconds / 1000 << " s animating\n";
    // The made-up table beside a made-up level, as the editor reads them.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("TILEINFO.CK1")));
    const QString madeUpFile = folder.filePath(QStringLiteral("LEVEL01.CK1"));
    if (!file.open(QIODevice::WriteOnly) || file.write(madeUpTable().ToBytes()) < 0 ||
        !file.flush() || !madeUpLevel().Save(madeUpFile))
        return void(out << "  the made-up table or level could not be written\n");
    file.close();
    EpisodeTileBehaviour madeUp;
    madeUp.Update(1, QString(), folder.path());
    measureAnimationIdle(out, "made-up level of every tile in turn", madeUp, madeUpFile);
    // The shareware episode's table and first level, when they are there.
    EpisodeTileBehaviour game;
    game.Update(1, GameDir, QString());
    const QString gameFile = QDir(GameDir).filePath(QStringLiteral("LEVEL01.CK1"));
    if (game.Table(1) && QFile::exists(gameFile))
        measureAnimationIdle(out, "LEVEL01.CK1", game, gameFile);
}

const Benchmark animationIdle("animation-idle", runAnimationIdle,
                              "processor share of an idle window animating its tiles (1 min)");

const Benchmark tileBehaviour("tile-behaviour", runTileBehaviour,
                              "the behaviour overlay against the grid; one animation step");

} // namespace
