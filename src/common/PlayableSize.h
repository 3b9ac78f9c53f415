#pragma once

#include "GameLimits.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// Whether the game can load a level of a given size, and the one wording
// of the warning when it cannot (the properties dialog, the question
// before saving and the command-line tool all show it).
namespace PlayableSize {

inline bool TooLarge(qint64 width, qint64 height) {
    return width * height > GameLimits::MaxPlayableCells;
}

// "too large for the game to load: 16,384 cells, at most 16,376", or an
// empty text when the level fits.
inline QString Warning(qint64 width, qint64 height) {
    if (!TooLarge(width, height))
        return QString();
    const QLocale numbers(QLocale::English, QLocale::UnitedStates);
    return QCoreApplication::translate("PlayableSize",
                                       "too large for the game to load: %1 cells, at most %2")
        .arg(numbers.toString(width * height), numbers.toString(GameLimits::MaxPlayableCells));
}

} // namespace PlayableSize
