// gridmason-tool render-episode: every level of an episode's folder drawn
// in a grid, each with its number under it (ContactSheet), as one PNG file
// a modder can post.

#include "ContactSheet.h"
#include "DrawingCommands.h"
#include "EpisodeFolder.h"
#include "GraphicsFolder.h"
#include "Level.h"
#include "LevelRenderer.h"
#include "PngFile.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>
#include <optional>

using namespace DrawingCommands;

namespace {

struct SheetOptions {
    QString folder;
    QString output;
    QString graphics; // the folder itself unless given
    int zoom = LevelRenderer::ThumbnailZoom;
    int episode = 0; // chosen by the folder unless given
};

std::optional<SheetOptions> readOptions(const ToolCall& call) {
    const QCommandLineParser& args = call.Args();
    const QStringList positional = call.Positional();
    SheetOptions options;
    bool zoomOk = false, episodeOk = true;
    options.zoom = args.value(ZoomOption).toInt(&zoomOk, 10);
    if (args.isSet(EpisodeOption))
        options.episode = args.value(EpisodeOption).toInt(&episodeOk, 10);
    if (positional.size() != 1 || !zoomOk || options.zoom < -32768 || options.zoom > 32767 ||
        !episodeOk || options.episode < 0 || options.episode > 3)
        return std::nullopt;
    options.folder = positional.first();
    options.output = args.value(OutputOption);
    options.graphics = args.isSet(GraphicsOption) ? args.value(GraphicsOption) : options.folder;
    if (options.output.isEmpty() || options.graphics.isEmpty())
        return std::nullopt;
    return options;
}

IoResult loadGraphics(const SheetOptions& options, int episode, TileSet& tiles,
                      SpriteSet& sprites) {
    IoResult loaded = GraphicsFolder::LoadTiles(options.graphics, episode, tiles);
    Surface scratch;
    if (loaded)
        loaded = GraphicsFolder::LoadSprites(options.graphics, episode, sprites, scratch);
    if (!loaded && options.graphics == options.folder)
        loaded.error += QStringLiteral(" Give the episode's graphics with --graphics.");
    return loaded;
}

} // namespace

int DrawingCommands::RenderEpisode(const ToolCall& call) {
    const std::optional<SheetOptions> options = readOptions(call);
    if (!options)
        return call.UsageError();
    QTextStream& err = call.Err();
    EpisodeFolder folder;
    const IoResult scanned = EpisodeFolder::Scan(options->folder, options->episode, folder);
    if (!scanned)
        return call.BadInput(scanned.error);
    if (!folder.Note().isEmpty())
        err << "gridmason-tool: " << folder.Note() << "\n";
    TileSet tiles;
    SpriteSet sprites;
    const IoResult graphics = loadGraphics(*options, folder.Episode(), tiles, sprites);
    if (!graphics)
        return call.BadInput(graphics.error);

    // Every level is read before any is drawn, so that a sheet too large
    // is refused before its pictures take the memory.
    const LevelRenderer renderer(tiles, sprites, options->zoom);
    bool failed = false;
    std::vector<Level> levels;
    std::vector<int> numbers;
    std::vector<QSize> sizes;
    for (const EpisodeFolder::Entry& entry : folder.Levels()) {
        Level level;
        const IoResult loaded = level.Load(entry.path);
        if (!loaded) {
            call.BadInput(loaded.error);
            failed = true;
            continue;
        }
        const QSizeF size = renderer.PictureSize(level);
        levels.push_back(level);
        numbers.push_back(entry.number);
        sizes.push_back(renderer.Fits(level) ? size.toSize() : QSize(INT_MAX, INT_MAX));
    }
    if (levels.empty())
        return ToolBadInput;
    const ContactSheet::Layout layout = ContactSheet::Arrange(numbers, sizes);
    if (!ContactSheet::Fits(layout.sheet)) {
        err << "gridmason-tool: at zoom " << renderer.Zoom()
            << " the sheet would be larger than a picture may be; choose a smaller zoom\n";
        return ToolUsage;
    }
    std::vector<ContactSheet::Item> items;
    for (size_t i = 0; i < levels.size(); ++i)
        items.push_back({numbers[i], renderer.Render(levels[i])});
    QImage sheet;
    IoResult done = ContactSheet::Compose(items, sheet);
    if (done)
        done = PngFile::Write(sheet, options->output);
    if (!done)
        return call.BadInput(done.error);
    return failed ? ToolBadInput : ToolOk;
}
