#pragma once

#include "IoResult.h"

#include <QString>
#include <optional>

class QWidget;

// Shared helpers of the application: the settings file, the conversion of a
// picture's HiMetric size to screen pixels and placing the mouse pointer.

// The settings file, Gridmason.ini. It lives in the program's folder; when
// that folder cannot be written, or the program runs installed (see
// IsInstalledProgram), it lives in the user's configuration folder instead,
// and is read from there once that holds it.
QString SettingsFilePath();

// Why the settings file cannot be read, naming it (a folder, a pipe or a
// device in its place, a file that is not text or may not be read);
// success when it reads or does not exist yet.
IoResult CheckSettingsFile();

// The value stored under `key` in `section` (both matched in any letter
// case), at most 255 characters; "" when the file, section or key is missing
// or the file cannot be read.
QString ReadSetting(const QString& section, const QString& key);

// Stores `value` under `key` in `section`, creating the file, section or key
// as needed; std::nullopt removes the key. Every other line of the file is
// kept as it was. Returns false when the file could not be written (the old
// file is then unchanged) or when a name or value cannot be stored in the
// file's line format (a line break, a key with "=", a section with "]").
bool WriteSetting(const QString& section, const QString& key, const std::optional<QString>& value);
// As WriteSetting, with the reason when it fails, naming the file.
IoResult StoreSetting(const QString& section, const QString& key,
                      const std::optional<QString>& value);

// Lets tests put the program's folder and the configuration folder anywhere;
// empty strings return to the real folders.
void SetSettingsDirectoriesForTesting(const QString& programDir, const QString& configDir);

// The screen's twips (1/1440 inch) per pixel across and down: 1440 divided
// by its logical dots per inch, 15 at 96 dots per inch.
double TwipsPerPixelX();
double TwipsPerPixelY();

// h * 0.5669 twips divided by `twipsPerPixel`, rounded to the nearest whole
// number with halves going to the even one.
int HiMetricToPixels(int himetric, double twipsPerPixel);
int HiMetricToPixelsX(int himetric);
int HiMetricToPixelsY(int himetric);

// Moves the mouse pointer to (x, y) pixels from the top-left corner of the
// control's outer rectangle (a window's frame included).
void PlaceCursor(QWidget* control, int x, int y);
