// gridmason-tool check: the findings of the editor's Level, Check Level for
// level files, in the form compilers use, so that editors and scripts can
// read them: identical findings of a file as one line, or with --all one
// line per cell.

#include "FindingGroup.h"
#include "Level.h"
#include "LevelChecker.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>

namespace {

const QString AllOption = QStringLiteral("all");

// "FILE:X,Y: " for a cell, "FILE: " for the whole level.
QString place(const QString& fileName, bool hasCell, QPoint cell) {
    return hasCell ? QStringLiteral("%1:%2,%3: ").arg(fileName).arg(cell.x()).arg(cell.y())
                   : fileName + QStringLiteral(": ");
}

// "FILE:X,Y: warning: message": one finding.
QString findingLine(const QString& fileName, const LevelChecker::Finding& finding) {
    return place(fileName, finding.HasCell(), QPoint(finding.x, finding.y)) +
           LevelChecker::SeverityText(finding.severity) + QStringLiteral(": ") + finding.message;
}

// The same for a group, placed at its first cell; a group of several cells
// ends in "(280 cells, first at X,Y)".
QString groupLine(const QString& fileName, const FindingGroup& group) {
    const QPoint first = group.HasCell() ? group.cells.front() : QPoint();
    QString line = place(fileName, group.HasCell(), first) +
                   LevelChecker::SeverityText(group.severity) + QStringLiteral(": ") +
                   group.message;
    if (group.Count() > 1)
        line += QStringLiteral(" (%1 cells, first at %2,%3)")
                    .arg(group.Count())
                    .arg(first.x())
                    .arg(first.y());
    return line;
}

void declareCheck(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("level files to check"),
                                 QStringLiteral("FILE..."));
    parser.addOption({AllOption, QStringLiteral("print one line for every cell found, not one "
                                                "line for each group of identical findings")});
}

int runCheck(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.isEmpty())
        return call.UsageError();
    const bool all = call.Args().isSet(AllOption);
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
        if (all) {
            for (const LevelChecker::Finding& finding : findings)
                out << findingLine(fileName, finding) << "\n";
        } else {
            for (const FindingGroup& group : FindingGroup::Group(findings))
                out << groupLine(fileName, group) << "\n";
        }
        failed = failed || LevelChecker::HasErrors(findings);
    }
    return failed ? ToolBadInput : ToolOk;
}

const ToolCommand
    checkCommand("check", "check [--all] FILE...",
                 "Prints what Level, Check Level finds in each file; exits with 1 on an error.",
                 "Checks each level file as the editor's Level, Check Level does: too large for\n"
                 "the game, no start for Keen or several, tiles the episode lacks, info values\n"
                 "that show no sprite, and an outer frame holding other tiles than the border\n"
                 "tile. Identical findings of a file make one line, errors before warnings,\n"
                 "placed at the first of their cells and ending in how many cells there are\n"
                 "when there are several:\n"
                 "\n"
                 "  FILE:X,Y: error|warning: MESSAGE (N cells, first at X,Y)\n"
                 "\n"
                 "A line without X,Y is about the whole level. --all prints one line for every\n"
                 "cell instead. A sound file prints nothing. Exits with 1 when any file has an\n"
                 "error or cannot be read (the reason on stderr), with 0 when the files hold\n"
                 "warnings at most.\n",
                 ToolCommand::Needs::Core, declareCheck, runCheck);

} // namespace
