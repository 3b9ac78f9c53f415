#pragma once

#include "IoResult.h"

#include <QImage>
#include <QString>

// Writes pictures as PNG files (a rendered level, a contact sheet), through
// FileWriter: an existing file is only ever replaced by a complete new one.
namespace PngFile {

// Writes `image` to `path`; on failure the message names the file and the
// reason.
IoResult Write(const QImage& image, const QString& path);

} // namespace PngFile
