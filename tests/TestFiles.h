#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Whole files for tests: the inputs a test lays down and the bytes the
// program wrote back.

// A marker that no file written by the program holds stands for a file that
// cannot be read, so a comparison with the expected bytes fails.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
