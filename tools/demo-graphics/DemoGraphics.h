#pragma once

#include "IoResult.h"

#include <QString>

// Writes the placeholder graphics and demo levels of all three episodes:
//   <outDir>/graphics/keen1/1til0000.bmp, 1spr0000.bmp, ..., TILEINFO.CK1 (likewise
//   keen2, keen3)
//   <outDir>/levels/LEVEL01.CK1, LEVEL02.CK1, LEVEL80.CK1, ... .CK3
// Every file is replaced whole; the first failure stops and names the file.
namespace DemoGraphics {

IoResult Generate(const QString& outDir);

// The folder of an episode's graphics below `outDir`.
QString EpisodeFolder(const QString& outDir, int episode);
QString LevelsFolder(const QString& outDir);

} // namespace DemoGraphics
