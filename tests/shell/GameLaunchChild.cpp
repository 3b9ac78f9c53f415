// An editor in miniature for tst_GameLauncher: runs a level in the game
// (the test's fake DOSBox) from the game folder given as its argument as
// the editor does, prints the temporary folder and waits to be killed.

#include "GameLauncher.h"
#include "Level.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Level level;
    level.Create(30, 20, 1, 5);
    GameLauncher launcher;
    QObject::connect(&launcher, &GameLauncher::Prepared, [&](const QString& problem) {
        const IoResult started = problem.isEmpty() ? launcher.Start() : IoResult::failure(problem);
        std::printf("%s\n", qPrintable(started ? launcher.Folder() : started.error));
        std::fflush(stdout);
    });
    const IoResult preparing = launcher.Prepare(level, 5, QString::fromLocal8Bit(argv[1]));
    if (!preparing) {
        std::printf("%s\n", qPrintable(preparing.error));
        return 1;
    }
    return app.exec();
}
