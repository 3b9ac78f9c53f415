#include "RecentFiles.h"

#include "Settings.h"

#include <QFileInfo>

namespace {

// Settings::Read gives back at most this many characters: a longer path would
// come back cut, naming another file or none.
constexpr int MaxStoredLength = 255;

QString fileKey(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

} // namespace

const QString RecentFiles::Section = QStringLiteral("Recent");

QStringList RecentFiles::List() {
    QStringList files;
    for (int i = 0; i < MaxCount; ++i) {
        const QString file = Settings::Read(Section, fileKey(i));
        if (file.isEmpty())
            continue;
        bool repeated = false;
        for (const QString& earlier : files)
            repeated = repeated || SameFile(earlier, file);
        if (!repeated)
            files << file;
    }
    return files;
}

IoResult RecentFiles::Add(const QString& fileName) {
    const QString file = QFileInfo(fileName).absoluteFilePath();
    // A name a setting cannot hold whole is left out of the list: a long
    // one, one with a line break or one with bytes that are not UTF-8 (the
    // settings file is UTF-8 text).
    if (fileName.isEmpty() || file.size() > MaxStoredLength || file.contains(QLatin1Char('\n')) ||
        file.contains(QLatin1Char('\r')) || !QStringView(file).isValidUtf16())
        return IoResult::success();
    QStringList files = List();
    files.removeIf([&](const QString& earlier) { return SameFile(earlier, file); });
    files.prepend(file);
    return Store(files.mid(0, MaxCount));
}

IoResult RecentFiles::Remove(const QString& fileName) {
    QStringList files = List();
    const qsizetype before = files.size();
    files.removeIf([&](const QString& entry) { return SameFile(entry, fileName); });
    return files.size() == before ? IoResult::success() : Store(files);
}

// Writes the list from "File1" on and removes the keys after it, stopping
// at the first key that cannot be written. A missing key reads as empty and
// List() skips it, so a write that stops half-way leaves a readable list.
IoResult RecentFiles::Store(const QStringList& files) {
    for (int i = 0; i < MaxCount; ++i) {
        const std::optional<QString> value =
            i < files.size() ? std::optional<QString>(files[i]) : std::nullopt;
        const IoResult stored = Settings::Write(Section, fileKey(i), value);
        if (!stored)
            return stored;
    }
    return IoResult::success();
}

// QFileInfo compares the files themselves where they exist (links and "..",
// letter case where the file system ignores it), the cleaned paths where not.
bool RecentFiles::SameFile(const QString& a, const QString& b) {
    return QFileInfo(a) == QFileInfo(b);
}
