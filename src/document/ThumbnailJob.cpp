#include "ThumbnailJob.h"

#include "LevelRenderer.h"

#include <QFileInfo>

ThumbnailJob::Result ThumbnailJob::Run(const Input& input) {
    Result result;
    result.generation = input.generation;
    result.path = input.path;
    result.level = input.level;
    if (!result.level) {
        const QFileInfo file(input.path);
        result.modified = file.lastModified();
        result.fileSize = file.size();
        auto level = std::make_shared<Level>();
        const IoResult read = level->Load(input.path);
        if (!read) {
            result.own = EpisodeCheck::ReadFailure(read);
            return result;
        }
        result.level = level;
    }
    result.own = EpisodeCheck::OwnFindings(*result.level, input.tileCount, input.table.get());
    if (input.renderer)
        result.thumbnail = input.renderer->Render(*result.level);
    return result;
}
