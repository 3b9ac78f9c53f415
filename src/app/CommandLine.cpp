#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// The command line's texts stay English, as gridmason-tool's do: help and
// the version are printed before the application, and so its translator,
// exist.
QString english(const char* text) {
    return QString::fromUtf8(text);
}

// The parser of gridmason's command line, its options in order. Its own
// help option rather than Qt's, whose --help-all would list the windowing
// system's options, which only a started application knows.
struct Parser {
    Parser()
        : help({QStringLiteral("h"), QStringLiteral("help")},
               english("Prints this help and exits.")),
          version({QStringLiteral("v"), QStringLiteral("version")},
                  english("Prints the version and exits.")) {
        // -reverse and -stylesheet are the windowing system's, not -r -e -v
        // ... and -s -t -y ... -h.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.setApplicationDescription(
            english("Edits the levels of episodes 1 to 3 of the DOS game Keen. Each LEVEL file\n"
                    "named (LEVEL01.CK1 ... LEVEL80.CK3) opens in its own editor window."));
        parser.addPositionalArgument(QStringLiteral("LEVEL"), english("a level file to open"),
                                     QStringLiteral("[LEVEL...]"));
    }
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
};

} // namespace

CommandLine::CommandLine(const QStringList& arguments) {
    Parser p;
    const bool parsed = p.parser.parse(arguments);
    // Help and the version are answered even beside options not understood:
    // those may be the windowing system's, which the application takes
    // later (-platform, -style).
    if (p.parser.isSet(p.help))
        m_Request = Request::Help;
    else if (p.parser.isSet(p.version))
        m_Request = Request::Version;
    else if (!parsed) {
        m_Request = Request::Invalid;
        m_Error = p.parser.errorText();
    } else
        m_Files = p.parser.positionalArguments();
}

QString CommandLine::HelpText() {
    Parser p;
    // The generated text's first line names the program as the system
    // started it; ours names it as it is typed.
    return english("Usage: gridmason [options] [LEVEL...]") + QLatin1Char('\n') +
           p.parser.helpText().section(QLatin1Char('\n'), 1);
}

QString CommandLine::VersionText() {
    return QStringLiteral("gridmason %1\n").arg(QCoreApplication::applicationVersion());
}
