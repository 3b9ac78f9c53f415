// gridmason-tool render: draws a whole level with the editor's own drawing
// (Level::Display) and the exported graphics of its episode, and writes the
// picture as a PNG. Handy for documentation and for checking the drawing
// without a screen.

#include "FileWriter.h"
#include "GraphicsFolder.h"
#include "InfoOverlay.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"
#include "ToolCommand.h"

#include <QBuffer>
#include <QImageWriter>
#include <optional>

namespace {

const char* const RenderUsage = "render LEVEL -o OUT.png --graphics DIR [--zoom Z] [--info-values]";

// Pictures larger than this many pixels a side are refused rather than
// allocated: a whole 170 x 170 level at zoom 3 is 21760 pixels across.
constexpr qint64 MaxSide = 32767;
constexpr qint64 MaxPixels = qint64(1) << 28;

struct RenderOptions {
    QString level;
    QString output;
    QString graphics;
    qint16 zoom = 0;
    bool infoValues = false; // write every non-zero info value over its cell
};

std::optional<RenderOptions> parseOptions(const QStringList& args) {
    RenderOptions options;
    bool zoomOk = true;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("-o") && hasValue) {
            options.output = args[++i];
        } else if (arg == QLatin1String("--graphics") && hasValue) {
            options.graphics = args[++i];
        } else if (arg == QLatin1String("--zoom") && hasValue) {
            const int zoom = args[++i].toInt(&zoomOk, 10);
            zoomOk = zoomOk && zoom >= -32768 && zoom <= 32767;
            options.zoom = qint16(zoom);
        } else if (arg == QLatin1String("--info-values")) {
            options.infoValues = true;
        } else if (options.level.isEmpty() && !arg.startsWith(QLatin1Char('-'))) {
            options.level = arg;
        } else {
            return std::nullopt;
        }
    }
    if (!zoomOk || options.level.isEmpty() || options.output.isEmpty() ||
        options.graphics.isEmpty())
        return std::nullopt;
    return options;
}

int fail(QTextStream& err, const QString& message) {
    err << "gridmason-tool: " << message << "\n";
    return ToolBadInput;
}

// Writes the PNG through a temporary file, so that an existing picture is
// only replaced by a complete new one.
bool writePng(const QImage& image, const QString& fileName, QString& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        error = QStringLiteral("cannot write %1: %2").arg(fileName, writer.errorString());
        return false;
    }
    const IoResult written = FileWriter::WriteWhole(fileName, bytes);
    error = written.error;
    return written.ok;
}

int runRender(const QStringList& args, QTextStream&, QTextStream& err) {
    const std::optional<RenderOptions> options = parseOptions(args);
    if (!options) {
        err << "usage: gridmason-tool " << RenderUsage << "\n";
        return ToolUsage;
    }
    Level level;
    const IoResult loaded = level.Load(options->level);
    if (!loaded)
        return fail(err, loaded.error);
    const int episode = level.Episode();
    if (SpriteCatalogue::Count(episode) == 0)
        return fail(err, QStringLiteral("%1: episode %2 has no graphics (episodes are 1 to 3)")
                             .arg(options->level)
                             .arg(episode));
    if (level.Width() <= 0 || level.Height() <= 0)
        return fail(err, QStringLiteral("%1: the level has no cells").arg(options->level));

    // The folder may hold exported bitmaps or the game's own graphics files.
    TileSet tiles;
    const IoResult tilesLoaded = GraphicsFolder::LoadTiles(options->graphics, episode, tiles);
    if (!tilesLoaded)
        return fail(err, tilesLoaded.error);
    SpriteSet sprites;
    Surface scratch;
    const IoResult spritesLoaded =
        GraphicsFolder::LoadSprites(options->graphics, episode, sprites, scratch);
    if (!spritesLoaded)
        return fail(err, spritesLoaded.error);

    // Sprites follow the tiles' zoom, which is raised until a tile is at
    // least a pixel, so that both keep their proportions.
    tiles.SetZoom(options->zoom);
    sprites.SetZoom(tiles.Zoom());
    const double width = level.Width() * tiles.RenderWidth();
    const double height = level.Height() * tiles.RenderHeight();
    if (width > MaxSide || height > MaxSide || width * height > double(MaxPixels)) {
        err << "gridmason-tool: at zoom " << tiles.Zoom() << " the picture would be " << width
            << " x " << height << " pixels; choose a smaller zoom\n";
        return ToolUsage;
    }
    Surface canvas{int(width), int(height)};
    if (canvas.image().isNull())
        return fail(
            err, QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height));
    level.Display(canvas, 0, 0, tiles, sprites, 0, 0, level.Width(), level.Height());
    if (options->infoValues)
        InfoOverlay::Draw(canvas, level, 0, 0, tiles.RenderWidth(), tiles.RenderHeight());
    QString error;
    if (!writePng(canvas.image(), options->output, error))
        return fail(err, error);
    return ToolOk;
}

const ToolCommand renderCommand("render", RenderUsage, runRender);

} // namespace
