#pragma once

#include "EpisodeCheck.h"
#include "Level.h"

#include <QDateTime>
#include <QImage>
#include <QString>
#include <memory>
#include <vector>

class LevelRenderer;
class TileBehaviour;

// What the Episode panel shows of one state of a level, worked out off the
// interface thread: the level read from its file (or an open document's
// state, taken on the interface thread), its own findings and its
// thumbnail. Run touches nothing but its input, so any number run at once.
struct ThumbnailJob {
    struct Input {
        quint64 generation = 0;
        QString path;
        // The state to show; null to read the file at `path`.
        std::shared_ptr<const Level> level;
        std::shared_ptr<const LevelRenderer> renderer;
        std::shared_ptr<const TileBehaviour> table; // null: no tile rules
        int tileCount = 0;
    };

    struct Result {
        quint64 generation = 0;
        QString path;
        // Null when the file could not be read; `own` then says why.
        std::shared_ptr<const Level> level;
        std::vector<Finding> own;
        QImage thumbnail;
        // The file's time and size when it was read (invalid for a state
        // given).
        QDateTime modified;
        qint64 fileSize = -1;
    };

    static Result Run(const Input& input);
};
