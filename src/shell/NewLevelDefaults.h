#pragma once

#include <QSize>

// What File, New's dialog starts with, so that its boxes are never empty:
// the episode of the active level (or the one used last), and the size used
// last for a new level (or that of a typical level of the episode).
struct NewLevelDefaults {
    int episode = 1;
    QSize size;

    // The rule. `activeEpisode` is the active level's (0 for none);
    // `storedEpisode` and `storedSize` are what was used last (0 and an
    // empty size for nothing). A stored size outside `minSize`..`maxSize`
    // counts as none.
    static NewLevelDefaults Choose(int activeEpisode, int storedEpisode, QSize storedSize,
                                   QSize minSize, QSize maxSize);
    // The size of a typical level of `episode`.
    static QSize TypicalSize(int episode);

    // The rule applied to what the settings file holds.
    static NewLevelDefaults FromSettings(int activeEpisode, QSize minSize, QSize maxSize);
    // Stores the episode a level was made or opened in, and the size a new
    // level was made with. The settings are a convenience: a file that
    // cannot be written loses them and nothing else.
    static void RememberEpisode(int episode);
    static void RememberSize(QSize size);
};
