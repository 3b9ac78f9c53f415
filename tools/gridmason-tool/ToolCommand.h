#pragma once

#include <QString>
#include <functional>
#include <vector>

class QCommandLineParser;
class ToolCall;

// Exit codes of gridmason-tool.
enum ToolExit { ToolOk = 0, ToolBadInput = 1, ToolUsage = 2 };

// One sub-command of gridmason-tool. Each command lives in its own function
// and registers itself with a static ToolCommand object: its name, its usage
// line, a one-line summary (the overview lists it), what it does in detail
// (its own help shows it), whether it draws, the options and arguments it
// declares to its own QCommandLineParser, and the function that runs it.
struct ToolCommand {
    // Commands that draw need QtGui's application (fonts, platform plugin);
    // the others start only the core one, which costs a fraction of it.
    enum class Needs { Core, Drawing };
    using Declare = std::function<void(QCommandLineParser& parser)>;
    using Run = std::function<int(const ToolCall& call)>;

    ToolCommand(const char* name, const char* usage, const char* summary, const char* details,
                Needs needs, Declare declare, Run run);

    static const std::vector<const ToolCommand*>& all();
    // The command called `name`, or null.
    static const ToolCommand* find(const QString& name);

    const char* name;
    const char* usage;
    const char* summary;
    // Lines of at most 79 characters, each ending in a line break.
    const char* details;
    Needs needs;
    Declare declare;
    Run run;
};
