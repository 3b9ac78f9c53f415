// gridmason-tool: starts only QtCore's application. The commands that draw
// run in gridmason-tool-draw (see DrawingCommands.h).

#include "NativePath.h"
#include "ToolMain.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("gridmason-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GM_VERSION));
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Read as the system gives them, so that a name that is not UTF-8
    // still names its file.
    return ToolMain::Run(NativePath::Arguments(argc, argv), out, err);
}
