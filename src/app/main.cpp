#include "CommandLine.h"
#include "DataFolder.h"
#include "GameTempFolder.h"
#include "MainWindow.h"
#include "NativePath.h"
#include "ProgramIdentity.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>

namespace {

int print(FILE* stream, const QString& text, int exitCode) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    return exitCode;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("Gridmason"));
    QApplication::setApplicationVersion(QStringLiteral(GRIDMASON_VERSION));
    // Before the application, which needs a screen: help and the version
    // answer in any terminal.
    const CommandLine early(NativePath::Arguments(argc, argv));
    if (early.Requested() == CommandLine::Request::Help)
        return print(stdout, CommandLine::HelpText(), 0);
    if (early.Requested() == CommandLine::Request::Version)
        return print(stdout, CommandLine::VersionText(), 0);

    QApplication app(argc, argv);
    ProgramIdentity::Apply();
    // The system's language (LANGUAGE, LC_ALL, LANG), before any window.
    Translations::Install(QLocale::system(),
                          TranslationsFolder(QCoreApplication::applicationDirPath()));
    // Copies of the game left by test runs of a Gridmason that was killed.
    GameTempFolder::RemoveStale();
    // The application has taken the windowing system's options out of argv;
    // the rest is read as the system gives it, so that a name that is not
    // UTF-8 still names its file.
    const CommandLine commandLine(NativePath::Arguments(argc, argv));
    if (commandLine.Requested() == CommandLine::Request::Invalid)
        return print(
            stderr,
            QStringLiteral("gridmason: %1\n%2").arg(commandLine.Error(), CommandLine::HelpText()),
            2);

    MainWindow window;
    // The start-up may show dialogs before the main window appears; closing
    // them must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    if (!window.Start())
        return 0;
    QApplication::setQuitOnLastWindowClosed(true);
    window.RestorePlacement();
    window.show();
    // What a run that crashed or was killed left unsaved, before anything
    // else opens.
    window.OfferRecovery();
    // Level files named on the command line, each in its own window.
    window.OpenFiles(commandLine.Files());
    return app.exec();
}
