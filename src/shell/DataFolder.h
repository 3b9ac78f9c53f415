#pragma once

#include <QString>

// Where the program's own data lies. A build keeps the demo graphics
// (graphics/keen1 ... keen3) and demo levels (levels) beside the program;
// an installed program (<prefix>/bin) finds them in <prefix>/share/gridmason.

// The folder holding graphics/ and levels/ for a program in `programFolder`:
// the program's folder itself when it holds graphics/, else
// ../share/gridmason when that exists, else the program's folder.
QString DemoDataFolder(const QString& programFolder);

// Whether the program in `programFolder` runs installed: it holds no
// graphics/ of its own and ../share/gridmason exists.
bool IsInstalledProgram(const QString& programFolder);

// The folder holding the user guide (user-guide.md, images/) and the
// licence (copyright): ../share/doc/gridmason for an installed program,
// else doc/ in the program's folder, where the build puts them.
QString DocumentationFolder(const QString& programFolder);

// The folder holding the program's translations (gridmason_<language>.qm):
// translations/ in the folder DemoDataFolder names, so
// ../share/gridmason/translations for an installed program.
QString TranslationsFolder(const QString& programFolder);
