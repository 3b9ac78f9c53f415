// gridmason-tool check: the findings of Level, Check Level for level files,
// one line each in the form compilers use, so that editors and scripts can
// read them.

#include "Level.h"
#include "LevelChecker.h"
#include "ToolCommand.h"

namespace {

const char* const CheckUsage = "check FILE...";

// "FILE:X,Y: error: message", or "FILE: error: message" for the whole level.
QString findingLine(const QString& fileName, const LevelChecker::Finding& finding) {
    QString place = fileName;
    if (finding.HasCell())
        place += QStringLiteral(":%1,%2").arg(finding.x).arg(finding.y);
    return place + QStringLiteral(": ") + LevelChecker::SeverityText(finding.severity) +
           QStringLiteral(": ") + finding.message;
}

int runCheck(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        err << "usage: gridmason-tool " << CheckUsage << "\n";
        return ToolUsage;
    }
    // Every file is checked even after a bad one, so one run reports all.
    bool failed = false;
    for (const QString& fileName : args) {
        Level level;
        const IoResult loaded = level.Load(fileName);
        if (!loaded) {
            err << "gridmason-tool: " << loaded.error << "\n";
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

const ToolCommand checkCommand("check", CheckUsage, runCheck);

} // namespace
