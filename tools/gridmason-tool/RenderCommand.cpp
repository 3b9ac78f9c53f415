// gridmason-tool render: draws a whole level with the editor's own drawing
// (Level::Display) and the exported graphics of its episode, and writes the
// picture as a PNG. Handy for documentation and for checking the drawing
// without a screen.

#include "DrawingCommands.h"
#include "GraphicsFolder.h"
#include "InfoOverlay.h"
#include "Level.h"
#include "LevelRenderer.h"
#include "PngFile.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>
#include <optional>

using namespace DrawingCommands;

namespace {

struct RenderOptions {
    QString level;
    QString output;
    QString graphics;
    qint16 zoom = 0;
    bool infoValues = false; // write every non-zero info value over its cell
};

std::optional<RenderOptions> readOptions(const ToolCall& call) {
    const QCommandLineParser& args = call.Args();
    const QStringList positional = call.Positional();
    RenderOptions options;
    bool zoomOk = false;
    const int zoom = args.value(ZoomOption).toInt(&zoomOk, 10);
    if (positional.size() != 1 || !zoomOk || zoom < -32768 || zoom > 32767)
        return std::nullopt;
    options.level = positional.first();
    options.output = args.value(OutputOption);
    options.graphics = args.value(GraphicsOption);
    options.zoom = qint16(zoom);
    options.infoValues = args.isSet(InfoValuesOption);
    if (options.output.isEmpty() || options.graphics.isEmpty())
        return std::nullopt;
    return options;
}

} // namespace

int DrawingCommands::Render(const ToolCall& call) {
    const std::optional<RenderOptions> options = readOptions(call);
    if (!options)
        return call.UsageError();
    QTextStream& err = call.Err();
    Level level;
    const IoResult loaded = level.Load(options->level);
    if (!loaded)
        return call.BadInput(loaded.error);
    const int episode = level.Episode();
    if (SpriteCatalogue::Count(episode) == 0)
        return call.BadInput(QStringLiteral("%1: episode %2 has no graphics (episodes are 1 to 3)")
                                 .arg(options->level)
                                 .arg(episode));
    if (level.Width() <= 0 || level.Height() <= 0)
        return call.BadInput(QStringLiteral("%1: the level has no cells").arg(options->level));

    // The folder may hold exported bitmaps or the game's own graphics files.
    TileSet tiles;
    const IoResult tilesLoaded = GraphicsFolder::LoadTiles(options->graphics, episode, tiles);
    if (!tilesLoaded)
        return call.BadInput(tilesLoaded.error);
    SpriteSet sprites;
    Surface scratch;
    const IoResult spritesLoaded =
        GraphicsFolder::LoadSprites(options->graphics, episode, sprites, scratch);
    if (!spritesLoaded)
        return call.BadInput(spritesLoaded.error);

    // Sprites follow the tiles' zoom, which is raised until a tile is at
    // least a pixel, so that both keep their proportions.
    const LevelRenderer renderer(tiles, sprites, options->zoom);
    const QSizeF size = renderer.PictureSize(level);
    if (!renderer.Fits(level)) {
        err << "gridmason-tool: at zoom " << renderer.Zoom() << " the picture would be "
            << size.width() << " x " << size.height() << " pixels; choose a smaller zoom\n";
        return ToolUsage;
    }
    Surface canvas;
    canvas.image() = renderer.Render(level);
    if (canvas.image().isNull())
        return call.BadInput(QStringLiteral("not enough memory for a %1 x %2 picture")
                                 .arg(size.width())
                                 .arg(size.height()));
    if (options->infoValues)
        InfoOverlay::Draw(canvas, level, 0, 0, renderer.CellSize().width(),
                          renderer.CellSize().height());
    const IoResult written = PngFile::Write(canvas.image(), options->output);
    return written ? ToolOk : call.BadInput(written.error);
}
