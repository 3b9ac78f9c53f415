#include "GameTempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

const char* const Prefix = "gridmason-game-";
const char* const LockName = "gridmason.lock";

QString quoted(const QString& path) {
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// Why `base` cannot hold the folder before anything is tried there, or "".
QString unusableReason(const QString& base) {
    const QFileInfo info(base);
    if (!info.exists())
        return GameTempFolder::tr("%1 does not exist").arg(quoted(base));
    if (!info.isDir())
        return GameTempFolder::tr("%1 is not a folder").arg(quoted(base));
    // An empty or missing TMPDIR has put the copy in "/" before.
    if (QDir(info.canonicalFilePath()).isRoot())
        return GameTempFolder::tr("%1 is the root folder").arg(quoted(base));
    return {};
}

// False only when no process `pid` exists; a process of another user is
// running too.
bool processExists(qint64 pid) {
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno != ESRCH);
}

// Whether the folder `path` (named with `pid`) is left over from a program
// that has ended.
bool isStale(const QString& path, qint64 pid) {
    QLockFile lock(QDir(path).filePath(QLatin1String(LockName)));
    // Only a lock whose process has ended counts as stale, however old.
    lock.setStaleLockTime(0);
    if (!QFileInfo::exists(lock.fileName()))
        // Between the folder's making and its locking; its program's
        // number is all there is to go by.
        return !processExists(pid);
    return lock.tryLock(0);
}

} // namespace

GameTempFolder::GameTempFolder() = default;

GameTempFolder::~GameTempFolder() {
    // The lock goes first, so that its file is not left in a folder that
    // is being removed.
    m_Lock.reset();
    m_Dir.reset();
}

QStringList GameTempFolder::DefaultBases() {
    // Not QDir::tempPath(), which gives "" for a TMPDIR that does not
    // exist.
    QStringList bases;
    const QString tmpDir = qEnvironmentVariable("TMPDIR");
    if (!tmpDir.isEmpty())
        bases << tmpDir;
    if (bases.isEmpty() || QFileInfo(tmpDir).canonicalFilePath() != QLatin1String("/tmp"))
        bases << QStringLiteral("/tmp");
    return bases;
}

IoResult GameTempFolder::Create(const QStringList& bases) {
    m_Lock.reset();
    m_Dir.reset();
    QStringList reasons;
    for (const QString& base : bases) {
        const QString unusable = unusableReason(base);
        if (!unusable.isEmpty()) {
            reasons << unusable;
            continue;
        }
        auto dir = std::make_unique<QTemporaryDir>(QDir(base).filePath(
            QLatin1String(Prefix) + QString::number(QCoreApplication::applicationPid()) +
            QStringLiteral("-XXXXXX")));
        if (!dir->isValid()) {
            reasons << tr("%1: %2").arg(quoted(base), dir->errorString());
            continue;
        }
        auto lock = std::make_unique<QLockFile>(dir->filePath(QLatin1String(LockName)));
        if (!lock->tryLock(0)) {
            reasons << tr("%1 cannot be locked").arg(quoted(lock->fileName()));
            continue;
        }
        m_Dir = std::move(dir);
        m_Lock = std::move(lock);
        return IoResult::success();
    }
    return IoResult::failure(
        tr("Could not make a temporary folder for the game: %1. Set TMPDIR to a folder that can "
           "be written.")
            .arg(reasons.isEmpty() ? tr("no folder to make it in")
                                   : reasons.join(QStringLiteral("; "))));
}

QString GameTempFolder::Path() const {
    return m_Dir ? m_Dir->path() : QString();
}

QString GameTempFolder::FilePath(const QString& name) const {
    return m_Dir ? m_Dir->filePath(name) : QString();
}

int GameTempFolder::RemoveStale(const QStringList& bases) {
    static const QRegularExpression name(
        QStringLiteral("^%1(\\d+)-[A-Za-z0-9]{6}$").arg(QLatin1String(Prefix)));
    const uint user = ::getuid();
    int removed = 0;
    for (const QString& base : bases) {
        const QFileInfoList entries = QDir(base).entryInfoList(
            {QLatin1String(Prefix) + QLatin1Char('*')},
            QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        for (const QFileInfo& entry : entries) {
            const QRegularExpressionMatch match = name.match(entry.fileName());
            // A link could lead the removal anywhere.
            if (!match.hasMatch() || entry.isSymLink() || entry.ownerId() != user)
                continue;
            // This program's own folders are locked (or being made) too.
            if (!isStale(entry.absoluteFilePath(), match.captured(1).toLongLong()))
                continue;
            if (QDir(entry.absoluteFilePath()).removeRecursively())
                ++removed;
        }
    }
    return removed;
}
