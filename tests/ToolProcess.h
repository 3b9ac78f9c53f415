#pragma once

// Runs the built gridmason-tool, as the tests of its commands do.
//
//   const ToolRun run = runGridmasonTool({"info", file});
//   QCOMPARE(run.exitCode, 0);

#include "TestPaths.h"
#include <QProcess>
#include <QString>
#include <QStringList>

inline const QString& gridmasonToolPath() {
    static const QString path =
        QStringLiteral(GM_BINARY_DIR "/tools/gridmason-tool/gridmason-tool");
    return path;
}

struct ToolRun {
    // -1 when the tool did not finish normally within the time.
    int exitCode = -1;
    QString out;
    QString err;
};

inline ToolRun runGridmasonTool(const QStringList& args, const QString& workingDirectory = {}) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(gridmasonToolPath(), args);
    ToolRun run;
    // Generous: the machine may be busy with other builds.
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Runs `commandLine` in the shell with $TOOL naming the built gridmason-tool:
// for arguments no QString can hand to a program, such as names holding
// bytes that are not UTF-8 (write them with printf: "$(printf 'caf\351')").
inline ToolRun runGridmasonToolInShell(const QString& commandLine,
                                       const QString& workingDirectory = {}) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TOOL"), gridmasonToolPath());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
    ToolRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
