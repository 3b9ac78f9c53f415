#include "LevelFileName.h"

#include "GameLimits.h"
#include "PathText.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("LevelFileName", text);
}

bool validEpisode(int episode) {
    return episode >= 1 && episode <= 3;
}

// The episode an extension names ("ck2" in any case: 2), or 0.
int episodeOfExtension(const QString& extension) {
    if (extension.size() != 3 || !extension.startsWith(QLatin1String("ck"), Qt::CaseInsensitive))
        return 0;
    const QChar digit = extension.at(2);
    return digit >= QLatin1Char('1') && digit <= QLatin1Char('3') ? digit.digitValue() : 0;
}

QString numberedName(int number, int episode) {
    return QStringLiteral("LEVEL%1").arg(number, 2, 10, QLatin1Char('0')) +
           LevelFileName::Extension(episode, true);
}

} // namespace

namespace LevelFileName {

QString Extension(int episode, bool upperCase) {
    if (!validEpisode(episode))
        return QString();
    return (upperCase ? QStringLiteral(".CK") : QStringLiteral(".ck")) + QString::number(episode);
}

Checked ForSaving(const QString& typed, int episode) {
    Checked checked;
    const QString bare = PathText::BareName(typed);
    if (!validEpisode(episode)) {
        checked.error = tr("The level belongs to no episode 1 to 3, so it has no file name "
                           "the game could load.");
        return checked;
    }
    const qsizetype dot = bare.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        checked.path = typed + Extension(episode, bare == bare.toUpper());
        checked.extended = true;
        return checked;
    }
    const int named = dot > 0 ? episodeOfExtension(bare.mid(dot + 1)) : 0;
    if (named == episode) {
        checked.path = typed;
        return checked;
    }
    if (named != 0) {
        checked.error = tr("The name \"%1\" is that of a level of episode %2, but this level "
                           "belongs to episode %3.\r\nSave it as a %4 file, or change its "
                           "episode in Level, Properties first.")
                            .arg(bare)
                            .arg(named)
                            .arg(episode)
                            .arg(Extension(episode, true));
        return checked;
    }
    checked.error = tr("The name \"%1\" does not end in .CK1, .CK2 or .CK3, so neither the game "
                       "nor Gridmason could tell the level's episode.\r\nType the name without "
                       "an extension to save it as a %2 file.")
                        .arg(bare, Extension(episode, true));
    return checked;
}

QString DefaultName(const QStringList& namesPresent, int episode, bool map) {
    if (!validEpisode(episode))
        return QString();
    if (map)
        return numberedName(GameLimits::MapLevelNumber, episode);
    const auto taken = [&](int number) {
        return namesPresent.contains(numberedName(number, episode), Qt::CaseInsensitive);
    };
    for (int number = 1; number < GameLimits::MapLevelNumber; ++number) {
        if (!taken(number))
            return numberedName(number, episode);
    }
    return QString();
}

QString DefaultNameIn(const QString& folder, int episode, bool map) {
    const QStringList names = folder.isEmpty()
                                  ? QStringList()
                                  : QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot);
    return DefaultName(names, episode, map);
}

} // namespace LevelFileName
