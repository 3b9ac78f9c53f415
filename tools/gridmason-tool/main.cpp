#include "ToolCommand.h"
#include "ToolMain.h"

#include <QGuiApplication>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("gridmason-tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GM_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Only drawing needs QtGui's application; starting it (fonts, platform
    // plugin) costs many times what the other commands do.
    const ToolCommand* command =
        argc > 1 ? ToolCommand::find(QString::fromLocal8Bit(argv[1])) : nullptr;
    if (command && command->needs == ToolCommand::Needs::Drawing) {
        // Drawing needs QtGui's image support but no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return ToolMain::Run(app.arguments(), out, err);
    }
    QCoreApplication app(argc, argv);
    return ToolMain::Run(app.arguments(), out, err);
}
