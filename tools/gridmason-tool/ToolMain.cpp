#include "ToolMain.h"

#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <optional>

namespace ToolMain {
namespace {

void printOverview(QTextStream& stream) {
    stream << "usage: gridmason-tool COMMAND [ARGUMENTS]\n"
              "       gridmason-tool help [COMMAND]\n"
              "       gridmason-tool --version\n\n"
              "Works on level files without a window.\n\ncommands:\n";
    for (const ToolCommand* command : ToolCommand::all())
        stream << "  gridmason-tool " << command->usage << "\n      " << command->summary << "\n";
    stream << "\nExits with 0 on success, 1 on bad input (the reason on stderr) and 2 on a\n"
              "usage error; check exits with 1 when a file has an error, not for warnings.\n";
}

// The parser of one command: its help option and what it declares itself.
struct CommandParser {
    explicit CommandParser(const ToolCommand& command) : help(parser.addHelpOption()) {
        command.declare(parser);
    }
    QCommandLineParser parser;
    QCommandLineOption help;
};

void printCommandHelp(const ToolCommand& command, const QCommandLineParser& parser,
                      QTextStream& out) {
    // The generated text starts with a usage line naming the program's
    // path; ours names the command as it is typed.
    const QString generated = parser.helpText().section(QLatin1Char('\n'), 1);
    out << "usage: gridmason-tool " << command.usage << "\n\n"
        << command.summary << "\n\n"
        << command.details << generated;
}

int unknownCommand(const QString& name, QTextStream& err) {
    err << "gridmason-tool: unknown command '" << name << "'\n\n";
    printOverview(err);
    return ToolUsage;
}

int runHelp(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty()) {
        printOverview(out);
        return ToolOk;
    }
    const ToolCommand* command = ToolCommand::find(args.first());
    if (!command)
        return unknownCommand(args.first(), err);
    if (args.size() > 1) {
        err << "usage: gridmason-tool help [COMMAND]\n";
        return ToolUsage;
    }
    CommandParser commandParser(*command);
    printCommandHelp(*command, commandParser.parser, out);
    return ToolOk;
}

// `args` with the first negative number and everything after it marked as
// arguments, or nothing when there is no negative number.
std::optional<QStringList> negativeNumbersAsArguments(const QStringList& args) {
    static const QRegularExpression negative(QStringLiteral("^-[0-9]+$"));
    for (int i = 0; i < args.size(); ++i) {
        if (negative.match(args[i]).hasMatch()) {
            QStringList marked = args;
            marked.insert(i, QStringLiteral("--"));
            return marked;
        }
    }
    return std::nullopt;
}

// Parses the command's arguments. A negative number is a value, not an
// option: where the arguments hold one that the parser took for an unknown
// option, they are parsed once more with it marked as an argument.
bool parseCommand(QCommandLineParser& parser, const QStringList& args, QString& error) {
    const QString program = QStringLiteral("gridmason-tool");
    if (parser.parse(QStringList{program} + args))
        return true;
    error = parser.errorText();
    const std::optional<QStringList> marked = negativeNumbersAsArguments(args);
    return marked && parser.parse(QStringList{program} + *marked);
}

int runCommand(const ToolCommand& command, const QStringList& args, QTextStream& out,
               QTextStream& err) {
    CommandParser commandParser(command);
    QCommandLineParser& parser = commandParser.parser;
    const ToolCall call(command, args, parser, out, err);
    QString error;
    if (!parseCommand(parser, args, error))
        return call.UsageError(error);
    if (parser.isSet(commandParser.help) || parser.isSet(QStringLiteral("help-all"))) {
        printCommandHelp(command, parser, out);
        return ToolOk;
    }
    return command.run(call);
}

} // namespace

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser parser;
    // Everything from the command's name on belongs to the command.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("the command to run"),
                                 QStringLiteral("COMMAND [ARGUMENTS]"));
    if (!parser.parse(arguments)) {
        err << "gridmason-tool: " << parser.errorText() << "\n\n";
        printOverview(err);
        return ToolUsage;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        printOverview(out);
        return ToolOk;
    }
    if (parser.isSet(version)) {
        out << "gridmason-tool " << QCoreApplication::applicationVersion() << "\n";
        return ToolOk;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        printOverview(err);
        return ToolUsage;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("help"))
        return runHelp(args, out, err);
    const ToolCommand* command = ToolCommand::find(name);
    return command ? runCommand(*command, args, out, err) : unknownCommand(name, err);
}

} // namespace ToolMain
