// Level commands of gridmason-tool: info, dump, new and resave. Each reads
// or writes level files only through Level, so the tool sees exactly what
// the editor sees.

#include "Level.h"
#include "LevelDocument.h"
#include "PlayableSize.h"
#include "ToolCommand.h"

#include <QFileInfo>
#include <map>
#include <optional>

namespace {

int usageError(QTextStream& err, const char* usage) {
    err << "usage: gridmason-tool " << usage << "\n";
    return ToolUsage;
}

int badInput(QTextStream& err, const QString& message) {
    err << "gridmason-tool: " << message << "\n";
    return ToolBadInput;
}

// A whole decimal number in the range of a signed 16-bit word, or nothing.
std::optional<qint16> parseWord(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < -32768 || value > 32767)
        return std::nullopt;
    return qint16(value);
}

// Levels are read and written by the same road as the editor's.
std::optional<Level> loadLevel(const QString& fileName, QTextStream& err) {
    LevelDocument document;
    const IoResult result = document.Load(fileName);
    if (!result) {
        badInput(err, result.error);
        return std::nullopt;
    }
    return document.level();
}

// --- info ----------------------------------------------------------------

const char* const InfoUsage = "info FILE";

int runInfo(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1)
        return usageError(err, InfoUsage);
    const std::optional<Level> level = loadLevel(args[0], err);
    if (!level)
        return ToolBadInput;
    out << "episode: " << level->Episode() << "\n"
        << "number: " << level->Number() << "\n"
        << "width: " << level->Width() << "\n"
        << "height: " << level->Height() << "\n";
    // The file is read and shown as it is; the game itself would fail on it.
    const QString tooLarge = PlayableSize::Warning(level->Width(), level->Height());
    if (!tooLarge.isEmpty())
        out << "warning: " << tooLarge << "\n";
    std::map<qint16, int> counts;
    for (qint16 value : level->InfoPlane())
        if (value != 0)
            ++counts[value];
    for (const auto& [value, count] : counts)
        out << "info " << value << ": " << count << "\n";
    return ToolOk;
}

const ToolCommand infoCommand("info", InfoUsage, runInfo);

// --- dump ----------------------------------------------------------------

const char* const DumpUsage = "dump FILE [--plane tiles|info]";

int runDump(const QStringList& args, QTextStream& out, QTextStream& err) {
    QString fileName;
    QString plane = QStringLiteral("tiles");
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--plane") && i + 1 < args.size())
            plane = args[++i];
        else if (fileName.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            fileName = args[i];
        else
            return usageError(err, DumpUsage);
    }
    if (fileName.isEmpty() || (plane != QLatin1String("tiles") && plane != QLatin1String("info")))
        return usageError(err, DumpUsage);
    const std::optional<Level> level = loadLevel(fileName, err);
    if (!level)
        return ToolBadInput;
    const bool tiles = plane == QLatin1String("tiles");
    for (int y = 0; y < level->Height(); ++y) {
        for (int x = 0; x < level->Width(); ++x) {
            if (x > 0)
                out << ',';
            out << (tiles ? level->Tile(x, y) : level->Info(x, y));
        }
        out << '\n';
    }
    return ToolOk;
}

const ToolCommand dumpCommand("dump", DumpUsage, runDump);

// --- new -----------------------------------------------------------------

const char* const NewUsage = "new WIDTH HEIGHT EPISODE NUMBER OUT";

int runNew(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 5)
        return usageError(err, NewUsage);
    const std::optional<qint16> width = parseWord(args[0]);
    const std::optional<qint16> height = parseWord(args[1]);
    const std::optional<qint16> episode = parseWord(args[2]);
    const std::optional<qint16> number = parseWord(args[3]);
    if (!width || !height || !episode || !number)
        return usageError(err, NewUsage);
    if (*width < 1 || *height < 1 || int(*width) * *height > Level::MaxCells)
        return badInput(err, QStringLiteral("a level of %1x%2 cells does not fit in a level file "
                                            "(1 to %3 cells)")
                                 .arg(*width)
                                 .arg(*height)
                                 .arg(Level::MaxCells));
    if (*episode < 1 || *episode > 3)
        return badInput(err, QStringLiteral("episode %1 is not 1, 2 or 3").arg(*episode));
    LevelDocument document;
    document.NewLevel(*width, *height, *episode, *number);
    const IoResult saved = document.Save(args[4]);
    return saved ? ToolOk : badInput(err, saved.error);
}

const ToolCommand newCommand("new", NewUsage, runNew);

// --- resave --------------------------------------------------------------

const char* const ResaveUsage = "resave IN OUT";

int runResave(const QStringList& args, QTextStream&, QTextStream& err) {
    if (args.size() != 2)
        return usageError(err, ResaveUsage);
    LevelDocument document;
    const IoResult loaded = document.Load(args[0]);
    if (!loaded)
        return badInput(err, loaded.error);
    const IoResult saved = document.Save(args[1]);
    return saved ? ToolOk : badInput(err, saved.error);
}

const ToolCommand resaveCommand("resave", ResaveUsage, runResave);

} // namespace
