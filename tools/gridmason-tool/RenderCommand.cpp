// gridmason-tool render: draws a whole level with the editor's own drawing
// (Level::Display) and the exported graphics of its episode, and writes the
// picture as a PNG. Handy for documentation and for checking the drawing
// without a screen.

#include "DrawingCommands.h"
#include "FileWriter.h"
#include "GraphicsFolder.h"
#include "IndexedImage.h"
#include "InfoOverlay.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImageWriter>
#include <optional>

using namespace DrawingCommands;

namespace {

// Pictures larger than this many pixels a side are refused rather than
// allocated: a whole 170 x 170 level at zoom 3 is 21760 pixels across.
constexpr qint64 MaxSide = 32767;
constexpr qint64 MaxPixels = qint64(1) << 28;

// Qt's PNG compression from 0 to 100: 20 is zlib's fastest level.
constexpr int PngCompression = 20;

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

// Writes the PNG through a temporary file, so that an existing picture is
// only replaced by a complete new one.
bool writePng(const QImage& image, const QString& fileName, QString& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // At Qt's default level zlib takes most of a render's time; a low one
    // costs a little size. Few colours go as a palette, faster still.
    writer.setCompression(PngCompression);
    const QImage indexed = IndexedImage::Exact(image);
    if (!writer.write(indexed.isNull() ? image : indexed)) {
        error = QStringLiteral("cannot write %1: %2").arg(fileName, writer.errorString());
        return false;
    }
    const IoResult written = FileWriter::WriteWhole(fileName, bytes);
    error = written.error;
    return written.ok;
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
    const ZoomLevel zoom = tiles.DrawnZoom(ZoomLevel(options->zoom));
    const double width = level.Width() * tiles.RenderWidth(zoom);
    const double height = level.Height() * tiles.RenderHeight(zoom);
    if (width > MaxSide || height > MaxSide || width * height > double(MaxPixels)) {
        err << "gridmason-tool: at zoom " << zoom.Exponent() << " the picture would be " << width
            << " x " << height << " pixels; choose a smaller zoom\n";
        return ToolUsage;
    }
    Surface canvas{int(width), int(height)};
    if (canvas.image().isNull())
        return call.BadInput(
            QStringLiteral("not enough memory for a %1 x %2 picture").arg(width).arg(height));
    level.Display(canvas, 0, 0, tiles, sprites, zoom, 0, 0, level.Width(), level.Height());
    if (options->infoValues)
        InfoOverlay::Draw(canvas, level, 0, 0, tiles.RenderWidth(zoom), tiles.RenderHeight(zoom));
    QString error;
    if (!writePng(canvas.image(), options->output, error))
        return call.BadInput(error);
    return ToolOk;
}
