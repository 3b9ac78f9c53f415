#pragma once

#include <QKeySequence>
#include <QList>

// The platform's standard keys for a command, with `usual` added when the
// platform has none or others (Ctrl+Q quits also where the platform's own
// scheme leaves Quit without a key).
inline QList<QKeySequence> MenuKeys(QKeySequence::StandardKey key, const QKeySequence& usual) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (!keys.contains(usual))
        keys << usual;
    return keys;
}
