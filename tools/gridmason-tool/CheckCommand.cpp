// gridmason-tool check: the findings of the editor's Level, Check Level for
// level files, in the form compilers use, so that editors and scripts can
// read them: identical findings of a file as one line, or with --all one
// line per cell.

#include "FindingGroup.h"
#include "Level.h"
#include "LevelChecker.h"
#include "TileBehaviour.h"
#include "TileBehaviourLoader.h"
#include "TileRulesChecker.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>

#include <map>

namespace {

const QString AllOption = QStringLiteral("all");
const QString GameOption = QStringLiteral("game");

// The tile behaviour tables of the episodes met so far, read from the game
// folder once each; an episode whose table cannot be read has none, and
// the reason is said once for the whole run.
class GameTables {
public:
    explicit GameTables(QString folder) : m_Folder(std::move(folder)) {}

    const TileBehaviour* For(int episode) {
        auto found = m_Tables.find(episode);
        if (found == m_Tables.end()) {
            TileBehaviour table;
            QString source;
            IoResult loaded = m_Folder.isEmpty()
                                  ? IoResult::failure(QStringLiteral("no game folder was given "
                                                                     "(--game DIR)"))
                                  : TileBehaviourLoader::Load(m_Folder, episode, table, source);
            if (!loaded && m_Skipped.isEmpty())
                m_Skipped = loaded.error;
            found =
                m_Tables
                    .emplace(episode, loaded ? std::optional<TileBehaviour>(table) : std::nullopt)
                    .first;
        }
        return found->second ? &*found->second : nullptr;
    }
    // Why some checks were skipped, or "" when every table was read.
    QString Skipped() const { return m_Skipped; }

private:
    QString m_Folder;
    std::map<int, std::optional<TileBehaviour>> m_Tables;
    QString m_Skipped;
};

// "FILE:X,Y: " for a cell, "FILE: " for the whole level.
QString place(const QString& fileName, bool hasCell, QPoint cell) {
    return hasCell ? QStringLiteral("%1:%2,%3: ").arg(fileName).arg(cell.x()).arg(cell.y())
                   : fileName + QStringLiteral(": ");
}

// "FILE:X,Y: warning: message": one finding.
QString findingLine(const QString& fileName, const Finding& finding) {
    return place(fileName, finding.HasCell(), QPoint(finding.x, finding.y)) +
           SeverityText(finding.severity) + QStringLiteral(": ") + finding.message;
}

// The same for a group, placed at its first cell; a group of several cells
// ends in "(280 cells, first at X,Y)".
QString groupLine(const QString& fileName, const FindingGroup& group) {
    const QPoint first = group.HasCell() ? group.cells.front() : QPoint();
    QString line = place(fileName, group.HasCell(), first) + SeverityText(group.severity) +
                   QStringLiteral(": ") + group.message;
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
    parser.addOption({GameOption,
                      QStringLiteral("the game's folder, whose program tells what each tile "
                                     "does (exits, doors and keys, where Keen starts)"),
                      QStringLiteral("DIR")});
}

int runCheck(const ToolCall& call) {
    const QStringList args = call.Positional();
    if (args.isEmpty())
        return call.UsageError();
    const bool all = call.Args().isSet(AllOption);
    GameTables tables(call.Args().value(GameOption));
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
        const int tileCount = LevelChecker::GameTileCount(level.Episode());
        auto findings = LevelChecker::Check(level, tileCount);
        if (const TileBehaviour* table = tables.For(level.Episode())) {
            const auto game = TileRulesChecker::Check(level, *table, tileCount);
            findings.insert(findings.end(), game.begin(), game.end());
        }
        if (all) {
            for (const Finding& finding : findings)
                out << findingLine(fileName, finding) << "\n";
        } else {
            for (const FindingGroup& group : FindingGroup::Group(findings))
                out << groupLine(fileName, group) << "\n";
        }
        failed = failed || LevelChecker::HasErrors(findings);
    }
    if (!tables.Skipped().isEmpty())
        call.Err() << "gridmason-tool: " << TileRulesChecker::SkippedText(tables.Skipped()) << "\n";
    return failed ? ToolBadInput : ToolOk;
}

const ToolCommand
    checkCommand("check", "check [--all] [--game DIR] FILE...",
                 "Prints what Level, Check Level finds in each file; exits with 1 on an error.",
                 "Checks each level file as the editor's Level, Check Level does: too large for\n"
                 "the game, no start for Keen or several, tiles the episode lacks, info values\n"
                 "that show no sprite, and an outer frame holding other tiles than the border\n"
                 "tile. With --game DIR it also reads what each tile does from the game's\n"
                 "program in DIR (as tileinfo does) and checks what needs it: a level without\n"
                 "an exit is an error (not the map and the title and ending scenes); Keen's\n"
                 "start or the cell below it holding a tile that blocks or kills, a door\n"
                 "without its key and an animation running past the last tile are warnings.\n"
                 "Without the table those checks are skipped and a note on stderr says so.\n"
                 "Identical findings of a file make one line, errors before warnings,\n"
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
