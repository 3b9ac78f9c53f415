#pragma once

#include "IoResult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads an input file whole, refusing anything that is not an ordinary file
// (a folder, a device, a pipe: their size reads as 0 and a read of them may
// never end) and anything longer than its format can hold, so a read always
// ends and never takes more memory than `maxBytes`. A file that shrinks
// while it is read gives the bytes that were there.
class BoundedFileReader {
    Q_DECLARE_TR_FUNCTIONS(BoundedFileReader)

public:
    // Reads `path` into `data`. `what` names the kind of file in messages
    // ("level file", "graphics file"). On failure `data` is unchanged and
    // the message names the file and the reason.
    static IoResult Read(const QString& path, qint64 maxBytes, const QString& what,
                         QByteArray& data);
    // The failure "The `what` "`path`" cannot be read: `reason`.", for
    // what a reader finds wrong with the bytes themselves.
    static IoResult CannotRead(const QString& what, const QString& path, const QString& reason);
};
