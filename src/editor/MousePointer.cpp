#include "MousePointer.h"

#include <QCursor>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <climits>

void MousePointer::MoveTo(QWidget* control, int x, int y) {
    if (!control)
        return;
    // A window's outer rectangle includes its frame; a child control has no
    // frame of its own outside its widget rectangle.
    const QPoint topLeft = control->isWindow() ? control->frameGeometry().topLeft()
                                               : control->mapToGlobal(QPoint(0, 0));
    QScreen* screen = control->screen();
    QPoint target(int(std::clamp<qint64>(qint64(topLeft.x()) + x, INT_MIN, INT_MAX)),
                  int(std::clamp<qint64>(qint64(topLeft.y()) + y, INT_MIN, INT_MAX)));
    // A point off the screen would not stay there: the window system wraps
    // or drops it. The pointer goes to the nearest point of the screen that
    // holds the control's window instead.
    if (screen != nullptr) {
        const QRect area = screen->geometry();
        target.setX(std::clamp(target.x(), area.left(), area.right()));
        target.setY(std::clamp(target.y(), area.top(), area.bottom()));
    }
    QCursor::setPos(screen, target);
}
