#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Whole processes as a user's script starts them, for the benchmarks that
// time gridmason-tool.
namespace ToolSpawn {

// The built or installed gridmason-tool beside this program; empty when
// there is none.
QString ToolPath();

// Seconds from spawning `args` (the program first, found on PATH) to its
// exit, with its output thrown away; negative if it could not run or failed.
double Seconds(const QStringList& args);

double Median(std::vector<double> values);

} // namespace ToolSpawn
