#include "NativePath.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridmason"));

    frmMain window;
    // The start-up may show dialogs before the main window appears; closing
    // them must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!window.Form_Load())
        return 0;
    QApplication::setQuitOnLastWindowClosed(true);
    window.RestorePlacement();
    window.show();
    // Level files named on the command line, each in its own window.
    // Read as the system gives them (Qt's options already taken out), so
    // that a name that is not UTF-8 still names its file.
    window.OpenFiles(NativePath::Arguments(argc, argv).mid(1));
    return app.exec();
}
