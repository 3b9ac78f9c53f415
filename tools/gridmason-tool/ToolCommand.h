#pragma once

#include <QStringList>
#include <QTextStream>
#include <functional>

// Exit codes of gridmason-tool.
enum ToolExit { ToolOk = 0, ToolBadInput = 1, ToolUsage = 2 };

// One sub-command of gridmason-tool. Each command lives in its own file and
// registers itself with a static ToolCommand object.
struct ToolCommand {
    using Run = std::function<int(const QStringList& args, QTextStream& out, QTextStream& err)>;
    ToolCommand(const char* name, const char* usage, Run run);

    static const std::vector<const ToolCommand*>& all();

    const char* name;
    const char* usage;
    Run run;
};
