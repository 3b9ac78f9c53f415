// gridmason-tool-draw: runs the commands of gridmason-tool that draw, which
// need QtGui's application (see DrawingCommands.h).

#include "NativePath.h"
#include "ToolMain.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    // Drawing needs QtGui's image support but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setApplicationName(QStringLiteral("gridmason-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GM_VERSION));
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Read as the system gives them, so that a name that is not UTF-8
    // still names its file.
    return ToolMain::Run(NativePath::Arguments(argc, argv), out, err);
}
