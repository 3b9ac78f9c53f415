#pragma once

#include "Level.h"

#include <QString>
#include <vector>

// Demo levels for the placeholder graphics: per episode an ordinary level
// with every sprite of the episode standing on platforms (LEVEL01), a
// gallery of every tile (LEVEL02) and a map level (LEVEL80).
namespace DemoLevels {

struct DemoLevel {
    QString fileName; // for example "LEVEL01.CK1"
    Level level;
};

std::vector<DemoLevel> Make(int episode);

} // namespace DemoLevels
