// gridmason-tool check: the findings of the editor's Level, Check Level for
// level files, and for folders checked whole as an episode, in the form
// compilers use, so that editors and scripts can read them: identical
// findings of a file as one line, or with --all one line per cell.

#include "EpisodeCheck.h"
#include "FindingGroup.h"
#include "Level.h"
#include "LevelChecker.h"
#include "TileBehaviour.h"
#include "TileBehaviourLoader.h"
#include "TileRulesChecker.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

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

// The lines of one level's findings: a group each, or with `all` one a
// finding.
void printFindings(QTextStream& out, const QString& fileName, const std::vector<Finding>& findings,
                   bool all) {
    if (all) {
        for (const Finding& finding : findings)
            out << findingLine(fileName, finding) << "\n";
    } else {
        for (const FindingGroup& group : FindingGroup::Group(findings))
            out << groupLine(fileName, group) << "\n";
    }
}

// Checks one level file; false when it has an error or cannot be read.
bool checkFile(const ToolCall& call, const QString& fileName, GameTables& tables, bool all) {
    Level level;
    const IoResult loaded = level.Load(fileName);
    if (!loaded) {
        call.BadInput(loaded.error);
        return false;
    }
    const int tileCount = LevelChecker::GameTileCount(level.Episode());
    const std::vector<Finding> findings =
        EpisodeCheck::OwnFindings(level, tileCount, tables.For(level.Episode()));
    printFindings(call.Out(), fileName, findings, all);
    return !LevelChecker::HasErrors(findings);
}

// Checks a folder whole as one episode, its levels in the order of their
// numbers, each under its path as the folder was given; false when any
// level has an error or cannot be read, or the folder cannot be checked.
bool checkFolder(const ToolCall& call, const QString& folder, GameTables& tables, bool all) {
    // The folder's episode first, to check it with that episode's table.
    EpisodeFolder levels;
    IoResult checked = EpisodeFolder::Scan(folder, 0, levels);
    EpisodeCheck::Report report;
    if (checked)
        checked = EpisodeCheck::Run(folder, levels.Episode(), tables.For(levels.Episode()), report);
    if (!checked) {
        call.BadInput(checked.error);
        return false;
    }
    if (!report.folder.Note().isEmpty())
        call.Err() << "gridmason-tool: " << report.folder.Note() << "\n";
    const QDir dir(folder);
    for (const EpisodeCheck::LevelReport& level : report.levels)
        printFindings(call.Out(), dir.filePath(QFileInfo(level.path).fileName()), level.findings,
                      all);
    return !report.HasErrors();
}

void declareCheck(QCommandLineParser& parser) {
    parser.addPositionalArgument(QStringLiteral("PATH"),
                                 QStringLiteral("level files, and folders to check whole as an "
                                                "episode"),
                                 QStringLiteral("FILE|FOLDER..."));
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
    // Every path is checked even after a bad one, so one run reports all.
    bool failed = false;
    for (const QString& path : args) {
        const bool sound = QFileInfo(path).isDir() ? checkFolder(call, path, tables, all)
                                                   : checkFile(call, path, tables, all);
        failed = failed || !sound;
    }
    if (!tables.Skipped().isEmpty())
        call.Err() << "gridmason-tool: " << TileRulesChecker::SkippedText(tables.Skipped()) << "\n";
    return failed ? ToolBadInput : ToolOk;
}

const ToolCommand
    checkCommand("check", "check [--all] [--game DIR] FILE|FOLDER...",
                 "Prints what Level, Check Level finds in each file or folder; exits with 1 on "
                 "an error.",
                 "Checks each level file as the editor's Level, Check Level does: too large for\n"
                 "the game, no start for Keen or several, tiles the episode lacks, info values\n"
                 "that show no sprite, and an outer frame holding other tiles than the border\n"
                 "tile. With --game DIR it also reads what each tile does from the game's\n"
                 "program in DIR (as tileinfo does) and checks what needs it: a level without\n"
                 "an exit is an error (not the map and the title and ending scenes); Keen's\n"
                 "start or the cell below it holding a tile that blocks or kills, a door\n"
                 "without its key and an animation running past the last tile are warnings.\n"
                 "Without the table those checks are skipped and a note on stderr says so.\n"
                 "\n"
                 "A FOLDER is checked whole as one episode (the one with the most levels when\n"
                 "it holds several; stderr names what was left aside): each of its level files\n"
                 "as above, and the world map (LEVEL80) against the folder's files. An\n"
                 "entrance to a level whose file is missing is an error; a level 1 to 16 that\n"
                 "no entrance leads to, and a blocker 0x80nn whose level nn is missing (it\n"
                 "never opens), are warnings; two entrances to one level apart from each other\n"
                 "make a note. Its levels are reported in the order of their numbers, each\n"
                 "under its own file (what lies on the map under the map's); a level that\n"
                 "cannot be read is an error of that level. Files and folders may be mixed.\n"
                 "\n"
                 "Identical findings of a file make one line, errors before warnings before\n"
                 "notes, placed at the first of their cells and ending in how many cells there\n"
                 "are when there are several:\n"
                 "\n"
                 "  FILE:X,Y: error|warning|note: MESSAGE (N cells, first at X,Y)\n"
                 "\n"
                 "A line without X,Y is about the whole level. --all prints one line for every\n"
                 "cell instead. A sound file prints nothing. Exits with 1 when any file has an\n"
                 "error or cannot be read, or a folder cannot be read or holds no level (the\n"
                 "reason on stderr), with 0 when the files hold notes and warnings at most.\n",
                 ToolCommand::Needs::Core, declareCheck, runCheck);

} // namespace
