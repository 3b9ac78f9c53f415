// gridmason-tool's side of the commands that draw: each is handed, with its
// arguments as given, to the drawing program beside this one, which then
// takes the place of this process (see DrawingCommands.h).

#include "DrawingCommands.h"
#include "NativePath.h"
#include "ToolCall.h"
#include "ToolCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

int forward(const ToolCall& call) {
    const QString program = QDir(QCoreApplication::applicationDirPath())
                                .filePath(QLatin1String(DrawingCommands::Program));
    std::vector<QByteArray> bytes{NativePath::Encode(program), QByteArray(call.Command().name)};
    for (const QString& argument : call.Arguments())
        bytes.push_back(NativePath::Encode(argument));
    std::vector<char*> argv;
    argv.reserve(bytes.size() + 1);
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    call.Out().flush();
    call.Err().flush();
    std::fflush(nullptr);
    execv(argv[0], argv.data());
    // Only reached when the program could not be started.
    return call.BadInput(
        QStringLiteral("cannot start %1: %2")
            .arg(QDir::toNativeSeparators(program), QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

int DrawingCommands::Render(const ToolCall& call) {
    return forward(call);
}

int DrawingCommands::RenderEpisode(const ToolCall& call) {
    return forward(call);
}

int DrawingCommands::ExportGraphics(const ToolCall& call) {
    return forward(call);
}
