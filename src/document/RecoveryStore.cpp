#include "RecoveryStore.h"

#include "BoundedFileReader.h"
#include "FileWriter.h"
#include "Level.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

constexpr const char* LevelSuffix = ".level";
constexpr const char* DescriptionSuffix = ".json";
constexpr const char* LockSuffix = ".lock";
// A description is a few hundred bytes; anything far longer is not one.
constexpr qint64 LongestDescription = qint64(64) * 1024;

const QString FileKey = QStringLiteral("file");
const QString EpisodeKey = QStringLiteral("episode");
const QString NumberKey = QStringLiteral("number");
const QString WrittenKey = QStringLiteral("written");
const QString PidKey = QStringLiteral("pid");

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// Why the description in `data` is not one; empty when it is, and then
// `entry` holds what it says.
QString parseDescription(const QByteArray& data, RecoveryEntry& entry) {
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(data, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return RecoveryStore::tr("it is not a recovery description");
    const QJsonObject object = document.object();
    const int episode = object.value(EpisodeKey).toInt(0);
    const int number = object.value(NumberKey).toInt(-1);
    const QDateTime written =
        QDateTime::fromString(object.value(WrittenKey).toString(), Qt::ISODateWithMs);
    if (episode < 1 || episode > 3)
        return RecoveryStore::tr("its episode is not 1, 2 or 3");
    if (number < 0 || number > 0x7FFF || !written.isValid() || !object.value(FileKey).isString())
        return RecoveryStore::tr("its level number, time or file name is missing");
    entry.originalFile = object.value(FileKey).toString();
    entry.episode = episode;
    entry.number = number;
    entry.written = written;
    return QString();
}

} // namespace

RecoveryStore::RecoveryStore(const QString& folder) : m_Folder(folder) {}

QString RecoveryStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

QString RecoveryStore::NewId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString RecoveryStore::PathOf(const QString& id, const char* suffix) const {
    return QDir(m_Folder).filePath(id + QLatin1String(suffix));
}

IoResult RecoveryStore::Claim(const QString& id, std::shared_ptr<QLockFile>& lock) const {
    if (!QDir().mkpath(m_Folder))
        return IoResult::failure(tr("Cannot create the folder %1.").arg(quoted(m_Folder)));
    auto claimed = std::make_shared<QLockFile>(PathOf(id, LockSuffix));
    // An entry is held as long as its level is open, so the lock never
    // goes stale by age; only the death of its holder frees it.
    claimed->setStaleLockTime(0);
    if (!claimed->tryLock(0)) {
        return IoResult::failure(claimed->error() == QLockFile::LockFailedError
                                     ? tr("%1 is held by another running copy of the program.")
                                           .arg(quoted(claimed->fileName()))
                                     : tr("Cannot create %1.").arg(quoted(claimed->fileName())));
    }
    lock = std::move(claimed);
    return IoResult::success();
}

IoResult RecoveryStore::Write(const QString& id, const Level& level,
                              const QString& originalFile) const {
    if (!QDir().mkpath(m_Folder))
        return IoResult::failure(tr("Cannot create the folder %1.").arg(quoted(m_Folder)));
    const IoResult saved = level.Save(PathOf(id, LevelSuffix));
    if (!saved)
        return saved;
    QJsonObject description;
    description.insert(FileKey, originalFile);
    description.insert(EpisodeKey, level.Episode());
    description.insert(NumberKey, level.Number());
    description.insert(WrittenKey, QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    description.insert(PidKey, QCoreApplication::applicationPid());
    return FileWriter::WriteWhole(PathOf(id, DescriptionSuffix),
                                  QJsonDocument(description).toJson());
}

IoResult RecoveryStore::Remove(const QString& id) const {
    // The description first: without it the entry is no longer offered,
    // whatever happens to the level file.
    for (const char* suffix : {DescriptionSuffix, LevelSuffix}) {
        QFile file(PathOf(id, suffix));
        if (file.exists() && !file.remove())
            return IoResult::failure(
                tr("Cannot remove %1: %2.").arg(quoted(file.fileName()), file.errorString()));
    }
    return IoResult::success();
}

RecoveryEntry RecoveryStore::Describe(const QString& id) const {
    RecoveryEntry entry;
    entry.id = id;
    QByteArray data;
    const IoResult read = BoundedFileReader::Read(PathOf(id, DescriptionSuffix), LongestDescription,
                                                  tr("recovery file"), data);
    if (!read) {
        entry.error = read.error;
        return entry;
    }
    const QString reason = parseDescription(data, entry);
    if (!reason.isEmpty())
        entry.error =
            tr("%1 cannot be read: %2.").arg(quoted(PathOf(id, DescriptionSuffix)), reason);
    return entry;
}

std::vector<RecoveryEntry> RecoveryStore::ClaimOrphans() const {
    std::vector<RecoveryEntry> entries;
    const QStringList names = QDir(m_Folder).entryList(
        {QStringLiteral("*") + QLatin1String(DescriptionSuffix)}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString id = name.chopped(int(qstrlen(DescriptionSuffix)));
        std::shared_ptr<QLockFile> lock;
        if (!Claim(id, lock))
            continue;
        // Its keeper may have removed it just before letting it go.
        if (!QFileInfo::exists(PathOf(id, DescriptionSuffix)))
            continue;
        RecoveryEntry entry = Describe(id);
        entry.lock = std::move(lock);
        entries.push_back(std::move(entry));
    }
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const RecoveryEntry& a, const RecoveryEntry& b) { return a.written > b.written; });
    return entries;
}

IoResult RecoveryStore::Read(const RecoveryEntry& entry, Level& level) const {
    if (!entry.error.isEmpty())
        return IoResult::failure(entry.error);
    Level read;
    const IoResult loaded = read.Load(PathOf(entry.id, LevelSuffix));
    if (!loaded)
        return loaded;
    read.SetEpisode(qint16(entry.episode));
    read.SetNumber(qint16(entry.number));
    level = read;
    return IoResult::success();
}
