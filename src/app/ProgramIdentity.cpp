#include "ProgramIdentity.h"

#include <QApplication>
#include <QString>

QIcon ProgramIdentity::Icon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/gridmason.png").arg(size),
                     QSize(size, size));
    }
    return icon;
}

void ProgramIdentity::Apply() {
    QApplication::setApplicationName(QStringLiteral("Gridmason"));
    // Wayland's compositors and the task bars find the entry, and with it
    // the name and icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(GRIDMASON_APP_ID));
    QApplication::setWindowIcon(Icon());
}
