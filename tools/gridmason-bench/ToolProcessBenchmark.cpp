// Whole gridmason-tool processes as a user's script starts them: each
// command spawned on a level file against `cp` of the same file, spawned
// the same way in the same run. The figure is the ratio of the medians of
// interleaved runs, so that both see the same load on the machine.

#include "Benchmark.h"
#include "Level.h"
#include "ToolSpawn.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <vector>

namespace {

constexpr int Repeats = 31;

// The ratio of the medians of `command` and of `baseline`, run in turns;
// negative if either failed.
double medianRatio(const QStringList& command, const QStringList& baseline) {
    std::vector<double> ours, theirs;
    for (int i = 0; i < Repeats; ++i) {
        ours.push_back(ToolSpawn::Seconds(command));
        theirs.push_back(ToolSpawn::Seconds(baseline));
        if (ours.back() < 0 || theirs.back() < 0)
            return -1;
    }
    return ToolSpawn::Median(ours) / ToolSpawn::Median(theirs);
}

// A real level when the game's files are at hand, else a made one.
QString sampleLevel(const QDir& scratch) {
    const QString real =
        QStringLiteral(GM_SOURCE_DIR "/../shared/data/keen1-shareware/LEVEL01.CK1");
    const QString path = scratch.filePath(QStringLiteral("LEVEL01.CK1"));
    if (QFile::copy(real, path))
        return path;
    Level level;
    level.Create(120, 21, 1, 1);
    return level.Save(path) ? path : QString();
}

void printRatio(QTextStream& out, const QString& label, double ratio, const char* aim = "") {
    out << "  " << qSetFieldWidth(36) << Qt::left << label << qSetFieldWidth(0) << Qt::right;
    if (ratio < 0)
        out << "failed to run\n";
    else
        out << QString::number(ratio, 'f', 2) << "x cp" << aim << "\n";
}

// resave and info on a level in `dir`, against cp there.
void measureIn(QTextStream& out, const QString& tool, const QDir& dir, const QString& where) {
    const QString level = sampleLevel(dir);
    if (level.isEmpty()) {
        out << "  cannot write a level to " << dir.path() << "\n";
        return;
    }
    const QString copy = dir.filePath(QStringLiteral("COPY01.CK1"));
    const QStringList cp{QStringLiteral("cp"), level, copy};
    printRatio(out, QStringLiteral("resave") + where,
               medianRatio({tool, QStringLiteral("resave"), level, copy}, cp),
               where.isEmpty() ? " (aim: within 3)" : "");
    if (!where.isEmpty())
        return;
    printRatio(out, QStringLiteral("info"), medianRatio({tool, QStringLiteral("info"), level}, cp));
    // The least a safe save costs on this disk: a copy flushed to it.
    printRatio(out, QStringLiteral("(cp flushed to disk: dd fdatasync)"),
               medianRatio({QStringLiteral("dd"), QStringLiteral("status=none"), "if=" + level,
                            "of=" + copy, QStringLiteral("conv=fdatasync")},
                           cp));
}

void runToolProcess(QTextStream& out) {
    const QString tool = ToolSpawn::ToolPath();
    if (tool.isEmpty()) {
        out << "gridmason-tool not found beside " << QCoreApplication::applicationDirPath() << "\n";
        return;
    }
    out << "whole processes from spawn to exit against cp of the same level file, median of "
        << Repeats << " runs each\n";
    QTemporaryDir scratch;
    measureIn(out, tool, QDir(scratch.path()), QString());
    // In memory a save waits for no disk: what is left is the program's own cost.
    QTemporaryDir memory(QStringLiteral("/dev/shm/gridmason-bench-XXXXXX"));
    if (memory.isValid())
        measureIn(out, tool, QDir(memory.path()), QStringLiteral(" in memory (/dev/shm)"));
}

const Benchmark toolProcess("tool-process", runToolProcess,
                            "gridmason-tool resave and info as whole processes against cp");

} // namespace
