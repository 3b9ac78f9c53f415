// gridmason-tool check: the findings of Level, Check Level for level files,
// one line each in the form compilers use, so that editors and scripts can
// read them.

#include "Level.h"
#include "LevelChecker.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>

namespace {

// "FILE:X,Y: error: message", or "FILE: error: message" for the whole level.
QString findingLine(const QString& fileName, const LevelChecker::Finding& finding) {
    QString place = fileName;
    if (finding.HasCell())
        place += QStringLiteral(":%1,%2").arg(finding.x).arg(finding.y);
    return place + QStringLiteral(": ") + LevelChecker::SeverityText(finding.severity) +
           QStringLiteral(": ") + finding.message;
}

void declareCheck(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("level files to check"),
                                 QStringLiteral("FILE..."));
}

int runCheck(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.isEmpty())
        return call.UsageError();
    QTextStream& out = call.Out();
    // Every file is checked even after a bad one, so one run reports all.
    bool failed = false;
    for (const QString& fileName : args) {
        Level level;
        const IoResult loaded = level.Load(fileName);
        if (!loaded) {
            call.BadInput(loaded.error);
            failed = true;
            continue;
        }
        const auto findings =
            LevelChecker::Check(level, LevelChecker::GameTileCount(level.Episode()));
        for (const LevelChecker::Finding& finding : findings)
            out << findingLine(fileName, finding) << "\n";
        failed = failed || LevelChecker::HasErrors(findings);
    }
    return failed ? ToolBadInput : ToolOk;
}

const ToolCommand checkCommand(
    "check", "check FILE...",
    "Prints what Level, Check Level finds in each file, one line each, as FILE:X,Y: error: text.",
    ToolCommand::Needs::Core, declareCheck, runCheck);

} // namespace
