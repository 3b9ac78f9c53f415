#pragma once

#include "IoResult.h"

#include <QString>

// Where each episode's game is, for Level, Test in Game, as kept in the
// settings file (section "Game Folders", keys "Keen 1" to "Keen 3"). It is
// optional: a graphics folder that is the game's own folder serves too.
namespace GameFolderSettings {

QString Read(int episode);
// Stores `folder`; an empty one removes the key. Fails with the reason
// when the settings file could not be written.
IoResult Write(int episode, const QString& folder);

} // namespace GameFolderSettings
