#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct stat;

// File and folder names as the system stores them: bytes, mostly UTF-8 but
// not always (a folder named on an older system in Latin-1). Qt 6 turns
// every byte that is not UTF-8 into U+FFFD (QFile::decodeName and the
// program's arguments alike) and leaves such names out of its folder
// listings, so a file under such a folder could be neither found nor
// opened. Here each such byte becomes a lone surrogate U+DC80..U+DCFF (as
// Python keeps file names), which turns back into the same byte; every
// valid UTF-8 name reads as QFile::decodeName reads it. The files the
// program reads and writes are reached through these names.
namespace NativePath {

// `bytes` as text, keeping every byte that is not part of valid UTF-8.
QString Decode(QByteArrayView bytes);
// The bytes `path` stands for: the inverse of Decode.
QByteArray Encode(QStringView path);

// The program's arguments, `argv[0]` first, decoded one by one.
QStringList Arguments(int argc, const char* const* argv);

// `path` made absolute against the current folder (as the system names it)
// and cleaned of "." and "..".
QString Absolute(const QString& path);

// The names in `folder` ("." when empty), decoded, without "." and "..";
// empty when the folder cannot be read.
QStringList Entries(const QString& folder);

// Makes the folder `path` and those above it that are missing; the reason
// when it could not, empty when the folder is there.
QString MakeFolders(const QString& path);

// stat(2) on `path`, following links; false when it cannot be looked at.
bool Stat(const QString& path, struct stat& info);
bool Exists(const QString& path);
bool IsFile(const QString& path);
bool IsFolder(const QString& path);

} // namespace NativePath
