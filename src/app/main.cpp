#include "GameTempFolder.h"
#include "ProgramIdentity.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ProgramIdentity::Apply();
    // Copies of the game left by test runs of a Gridmason that was killed.
    GameTempFolder::RemoveStale();

    frmMain window;
    // The start-up may show dialogs before the main window appears; closing
    // them must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!window.Form_Load())
        return 0;
    QApplication::setQuitOnLastWindowClosed(true);
    window.RestorePlacement();
    window.show();
    // What a run that crashed or was killed left unsaved, before anything
    // else opens.
    window.OfferRecovery();
    // Level files named on the command line, each in its own window.
    window.OpenFiles(QCoreApplication::arguments().mid(1));
    return app.exec();
}
