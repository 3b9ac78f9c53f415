#include "ToolCommand.h"

namespace {
std::vector<const ToolCommand*>& registry() {
    static std::vector<const ToolCommand*> commands;
    return commands;
}
} // namespace

ToolCommand::ToolCommand(const char* commandName, const char* commandUsage,
                         const char* commandSummary, const char* commandDetails, Needs commandNeeds,
                         Declare commandDeclare, Run commandRun)
    : name(commandName), usage(commandUsage), summary(commandSummary), details(commandDetails),
      needs(commandNeeds), declare(std::move(commandDeclare)), run(std::move(commandRun)) {
    registry().push_back(this);
}

const std::vector<const ToolCommand*>& ToolCommand::all() {
    return registry();
}

const ToolCommand* ToolCommand::find(const QString& name) {
    for (const ToolCommand* command : registry())
        if (name == QLatin1String(command->name))
            return command;
    return nullptr;
}
