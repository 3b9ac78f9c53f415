#include "ToolCommand.h"

#include <QGuiApplication>
#include <cstring>

namespace {
std::vector<const ToolCommand*>& registry() {
    static std::vector<const ToolCommand*> commands;
    return commands;
}
} // namespace

ToolCommand::ToolCommand(const char* commandName, const char* commandUsage, Run commandRun)
    : name(commandName), usage(commandUsage), run(std::move(commandRun)) {
    registry().push_back(this);
}

const std::vector<const ToolCommand*>& ToolCommand::all() { return registry(); }

static void printUsage(QTextStream& err) {
    err << "usage: gridmason-tool COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const ToolCommand* command : ToolCommand::all())
        err << "  gridmason-tool " << command->usage << "\n";
}

int main(int argc, char** argv) {
    // Drawing needs QtGui's image support but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        printUsage(err);
        return args.isEmpty() ? ToolUsage : ToolOk;
    }
    const QString name = args.takeFirst();
    for (const ToolCommand* command : ToolCommand::all()) {
        if (name == QLatin1String(command->name))
            return command->run(args, out, err);
    }
    err << "gridmason-tool: unknown command '" << name << "'\n\n";
    printUsage(err);
    return ToolUsage;
}
