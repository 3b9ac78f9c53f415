// InfoOverlay::Text apart from the drawing, so that what needs only the
// text (the level checker, the command-line tool) needs nothing of QtGui.

#include "InfoOverlay.h"

namespace InfoOverlay {

QString Text(qint16 value) {
    const quint16 word = quint16(value);
    if (word < 256)
        return QString::number(word);
    return QStringLiteral("0x") +
           QString::number(word, 16).rightJustified(4, QLatin1Char('0')).toUpper();
}

} // namespace InfoOverlay
