#pragma once

#include <QIcon>

// How the desktop knows the program: its name, the desktop entry it was
// started from and its icon. The icon is compiled into the program, so a
// build run from its folder shows it as the installed program does.
namespace ProgramIdentity {

// Gridmason's icon at every size drawn for it (16 to 256 pixels).
QIcon Icon();

// Names the application and its desktop entry, and makes the icon that of
// every window (the main window, each editor window's frame, the dialogs).
// Called once, after the application is made.
void Apply();

} // namespace ProgramIdentity
