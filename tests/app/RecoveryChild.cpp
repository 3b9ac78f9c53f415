// The editor as the crash tests run it in a process of its own: it starts
// the main window as the program does, opens a level, edits cells of its
// document, says "edited" on its output and runs until it is killed.
//
//   gm_recovery_child PROGRAM_FOLDER CONFIG_FOLDER LEVEL X,Y,TILE,INFO...
//
// The recovery copies go where the program's go, in $XDG_DATA_HOME.
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "MainWindow.h"
#include "ScriptedPrompts.h"
#include "Settings.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gridmason"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    Settings::SetFoldersForTesting(args[1], args[2]);
    // Nothing may wait on a window no one can see.
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    MainWindow window;
    window.SetProgramFolder(args[1]);
    if (!window.Start())
        return 3;
    window.show();
    LevelEditorWindow* editor = window.OpenLevelFile(args[3]);
    if (editor == nullptr)
        return 4;
    for (const QString& edit : args.mid(4)) {
        const QStringList n = edit.split(QLatin1Char(','));
        if (n.size() != 4)
            return 5;
        const int x = n[0].toInt();
        const int y = n[1].toInt();
        editor->Document().SetCell(CellChange::TilePlane, x, y, qint16(n[2].toInt()));
        editor->Document().SetCell(CellChange::InfoPlane, x, y, qint16(n[3].toInt()));
    }
    std::printf("edited\n");
    std::fflush(stdout);
    return QApplication::exec();
}
