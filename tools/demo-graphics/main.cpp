// Writes original placeholder graphics and demo levels for the three
// episodes, so that the editor can start on a machine without the game's
// exported bitmaps. The build runs it with the build folder as argument.

#include "DemoGraphics.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: gridmason-demo-graphics OUTPUT-FOLDER\n");
        return 2;
    }
    const IoResult result = DemoGraphics::Generate(QDir::fromNativeSeparators(args[1]));
    if (!result) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    return 0;
}
