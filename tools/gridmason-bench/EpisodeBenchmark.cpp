// Opening an episode's folder in the Episode panel's model: from the folder
// given to every thumbnail drawn, against `gridmason-tool render` of each
// of its levels at the thumbnails' zoom, as a script would make them. The
// model draws with the episode's graphics already loaded, as the editor
// holds them; a second figure loads them too. Medians of interleaved runs.

#include "Benchmark.h"
#include "EpisodeFolder.h"
#include "EpisodeModel.h"
#include "GraphicsFolder.h"
#include "LevelRenderer.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"
#include "ToolSpawn.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <chrono>
#include <vector>

namespace {

constexpr int Repeats = 5;

const QString RealFolder = QStringLiteral(GM_SOURCE_DIR "/../shared/data/keen1-shareware");

struct Sets {
    TileSet tiles;
    SpriteSet sprites;
    bool Load() {
        Surface scratch;
        return GraphicsFolder::LoadTiles(RealFolder, 1, tiles) &&
               GraphicsFolder::LoadSprites(RealFolder, 1, sprites, scratch);
    }
};

// Seconds from opening the folder to the last thumbnail drawn, the
// graphics loaded first when `loadGraphics`; negative on failure.
double modelSeconds(const Sets& loaded, bool loadGraphics) {
    const auto start = std::chrono::steady_clock::now();
    Sets fresh;
    if (loadGraphics && !fresh.Load())
        return -1;
    const Sets& sets = loadGraphics ? fresh : loaded;
    EpisodeModel model;
    model.SetGraphics(sets.tiles, sets.sprites);
    QEventLoop loop;
    QObject::connect(&model, &EpisodeModel::thumbnailProgress, &loop, [&](int done, int total) {
        if (done == total)
            loop.quit();
    });
    if (!model.SetFolder(RealFolder))
        return -1;
    if (model.Busy())
        loop.exec();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds of `gridmason-tool render` of every level one after another.
double toolSeconds(const QString& tool, const EpisodeFolder& folder, const QString& out) {
    double total = 0;
    for (const EpisodeFolder::Entry& entry : folder.Levels()) {
        const double seconds = ToolSpawn::Seconds(
            {tool, QStringLiteral("render"), entry.path, QStringLiteral("-o"), out,
             QStringLiteral("--graphics"), RealFolder, QStringLiteral("--zoom"),
             QString::number(LevelRenderer::ThumbnailZoom)});
        if (seconds < 0)
            return -1;
        total += seconds;
    }
    return total;
}

void printRatio(QTextStream& out, const char* label, double ratio, const char* aim) {
    out << "  " << qSetFieldWidth(36) << Qt::left << label << qSetFieldWidth(0) << Qt::right
        << QString::number(ratio, 'f', 3) << "x render of each" << aim << "\n";
}

void runEpisode(QTextStream& out) {
    const QString tool = ToolSpawn::ToolPath();
    EpisodeFolder folder;
    Sets sets;
    if (tool.isEmpty() || !EpisodeFolder::Scan(RealFolder, 1, folder) || !sets.Load()) {
        out << "  needs gridmason-tool and the real episode 1 at " << RealFolder << "\n";
        return;
    }
    QTemporaryDir scratch;
    const QString png = QDir(scratch.path()).filePath(QStringLiteral("level.png"));
    std::vector<double> model, withGraphics, render;
    for (int i = 0; i < Repeats; ++i) {
        model.push_back(modelSeconds(sets, false));
        withGraphics.push_back(modelSeconds(sets, true));
        render.push_back(toolSeconds(tool, folder, png));
        if (model.back() < 0 || withGraphics.back() < 0 || render.back() < 0) {
            out << "  failed to run\n";
            return;
        }
    }
    out << "  " << folder.Levels().size() << " real levels, zoom " << LevelRenderer::ThumbnailZoom
        << ", median of " << Repeats << " runs each\n";
    const double baseline = ToolSpawn::Median(render);
    printRatio(out, "thumbnails", ToolSpawn::Median(model) / baseline, " (aim: within 1.5)");
    printRatio(out, "thumbnails with graphics loading", ToolSpawn::Median(withGraphics) / baseline,
               "");
}

const Benchmark episode("episode", runEpisode,
                        "the Episode panel's thumbnails of a real folder against render of each");

} // namespace
