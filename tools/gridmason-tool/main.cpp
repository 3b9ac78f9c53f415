// gridmason-tool: starts only QtCore's application. The commands that draw
// run in gridmason-tool-draw (see DrawingCommands.h).

#include "ToolMain.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("gridmason-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GM_VERSION));
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return ToolMain::Run(app.arguments(), out, err);
}
