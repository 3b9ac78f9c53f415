#pragma once

#include <QStringList>
#include <QTextStream>

// The top level of gridmason-tool: parses the program's own options and the
// command name, and runs the command, its help or the overview.
namespace ToolMain {

// Runs the tool on `arguments` (the program's name first); returns the exit
// code.
int Run(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace ToolMain
