#include "NewLevelDefaults.h"

#include "Settings.h"

namespace {

const QString NewSection = QStringLiteral("New");
const QString EpisodeKey = QStringLiteral("Episode");
const QString WidthKey = QStringLiteral("Width");
const QString HeightKey = QStringLiteral("Height");

bool validEpisode(int episode) {
    return episode >= 1 && episode <= 3;
}

int storedNumber(const QString& key) {
    bool ok = false;
    const int value = Settings::Read(NewSection, key).trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

NewLevelDefaults NewLevelDefaults::Choose(int activeEpisode, int storedEpisode, QSize storedSize,
                                          QSize minSize, QSize maxSize) {
    NewLevelDefaults defaults;
    defaults.episode = validEpisode(activeEpisode)   ? activeEpisode
                       : validEpisode(storedEpisode) ? storedEpisode
                                                     : 1;
    const bool fits =
        storedSize.width() >= minSize.width() && storedSize.height() >= minSize.height() &&
        storedSize.width() <= maxSize.width() && storedSize.height() <= maxSize.height();
    defaults.size = fits ? storedSize : TypicalSize(defaults.episode);
    return defaults;
}

QSize NewLevelDefaults::TypicalSize(int /*episode*/) {
    // The middle width and the middle height of episode 1's sixteen
    // levels (24 x 30 to 142 x 24). The levels of episodes 2 and 3 span a
    // like range (up to 200 x 46 and 128 x 120), so they start the same.
    return QSize(80, 40);
}

NewLevelDefaults NewLevelDefaults::FromSettings(int activeEpisode, QSize minSize, QSize maxSize) {
    return Choose(activeEpisode, storedNumber(EpisodeKey),
                  QSize(storedNumber(WidthKey), storedNumber(HeightKey)), minSize, maxSize);
}

void NewLevelDefaults::RememberEpisode(int episode) {
    if (validEpisode(episode))
        Settings::Write(NewSection, EpisodeKey, QString::number(episode));
}

void NewLevelDefaults::RememberSize(QSize size) {
    Settings::Write(NewSection, WidthKey, QString::number(size.width()));
    Settings::Write(NewSection, HeightKey, QString::number(size.height()));
}
