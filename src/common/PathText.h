#pragma once

#include <QString>

// Reading file and folder names that may come from Windows, where "\"
// separates the parts of a path, on a system where "\" may also be part of
// a name. Every place that splits a path or hands one to the file system
// goes through here.
namespace PathText {

// `path` with "/" between all its parts. A "\" is taken as a separator only
// where the path as written does not exist: a part holding "\" stays one
// name when a file or folder of that name exists where it stands (the
// longest such run of its pieces is kept whole), and is split at its "\"
// otherwise. So "C:\Games\Keen" or "levels\LEVEL01.CK1" from Windows work,
// and a Linux folder named "a\b" stays one folder. Only separators change,
// one character for one.
QString Slashed(const QString& path);

// The last part of `path`: "LEVEL01.CK1" of "levels\LEVEL01.CK1".
QString BareName(const QString& path);

// Everything before the last separator, as written ("C:\Games" of
// "C:\Games\1til0000.bmp"): "/" for a part right under the root "/",
// empty when the path has a single part or only a leading "\".
QString Folder(const QString& path);

} // namespace PathText
