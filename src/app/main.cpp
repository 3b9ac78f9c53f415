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
    window.show();
    return app.exec();
}
