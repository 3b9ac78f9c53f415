#include "GameFolderSettings.h"

#include "Settings.h"

namespace {

const char* const Section = "Game Folders";

QString key(int episode) {
    return QStringLiteral("Keen %1").arg(episode);
}

} // namespace

namespace GameFolderSettings {

QString Read(int episode) {
    return Settings::Read(QLatin1String(Section), key(episode));
}

IoResult Write(int episode, const QString& folder) {
    return Settings::Write(QLatin1String(Section), key(episode),
                           folder.isEmpty() ? std::nullopt : std::optional<QString>(folder));
}

} // namespace GameFolderSettings
