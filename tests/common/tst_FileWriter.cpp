// The writer of every file behind a path that is not a plain file: links
// are followed to an ordinary file and no further, and what it replaces
// keeps its owner, group and permissions.
#include "FileWriter.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray NewBytes = QByteArrayLiteral("new contents");
const QByteArray OldBytes = QByteArrayLiteral("old contents");

bool makeLink(const QByteArray& pointsTo, const QString& at) {
    return ::symlink(pointsTo.constData(), QFile::encodeName(at).constData()) == 0;
}

bool makePipe(const QString& at) {
    return ::mkfifo(QFile::encodeName(at).constData(), 0644) == 0;
}

mode_t kindAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

QByteArray linkTarget(const QString& path) {
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length < 0 ? QByteArray() : QByteArray(buffer, length);
}

// The kind of every entry under `dir`, by its path from there.
std::map<QString, mode_t> entries(const QDir& dir) {
    std::map<QString, mode_t> kinds;
    QDirIterator it(dir.path(),
                    QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        kinds[dir.relativeFilePath(path)] = kindAt(path);
    }
    return kinds;
}

// Lays out one row's entries in `dir`; the write goes to "target".
bool layOut(const QString& setup, const QDir& dir) {
    if (setup == "link to a file")
        return writeFile(dir.filePath("file"), OldBytes) &&
               makeLink("file", dir.filePath("target"));
    if (setup == "chain of links")
        return QDir(dir).mkdir("sub") && writeFile(dir.filePath("sub/file"), OldBytes) &&
               makeLink("file", dir.filePath("sub/second")) &&
               makeLink(QFile::encodeName(dir.filePath("sub/second")), dir.filePath("first")) &&
               makeLink("first", dir.filePath("target"));
    if (setup == "link to nothing")
        return makeLink("file", dir.filePath("target"));
    if (setup == "link to a pipe")
        return makePipe(dir.filePath("pipe")) && makeLink("pipe", dir.filePath("target"));
    if (setup == "link to a device") {
        const QString device = deviceForLinks(dir.path());
        return !device.isEmpty() && makeLink(QFile::encodeName(device), dir.filePath("target"));
    }
    if (setup == "link to a folder")
        return QDir(dir).mkdir("folder") && makeLink("folder", dir.filePath("target"));
    if (setup == "loop of links")
        return makeLink("other", dir.filePath("target")) &&
               makeLink("target", dir.filePath("other"));
    if (setup == "pipe")
        return makePipe(dir.filePath("target"));
    return false;
}

} // namespace

class tst_FileWriter : public QObject {
    Q_OBJECT

private slots:
    void followsLinksToOrdinaryFilesOnly_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("written"); // the file that gets the bytes
        QTest::addColumn<QString>("reason");  // empty when the write succeeds
        QTest::newRow("link to a file") << "link to a file"
                                        << "file" << QString();
        QTest::newRow("chain of links") << "chain of links"
                                        << "sub/file" << QString();
        // Like a shell's redirection: the file is made where the link points.
        QTest::newRow("link to nothing") << "link to nothing"
                                         << "file" << QString();
        QTest::newRow("link to a pipe")
            << "link to a pipe" << QString() << "it is a link to \"@/pipe\", which is a pipe";
        QTest::newRow("link to a device")
            << "link to a device" << QString() << "it is a link to \"DEVICE\", which is a device";
        QTest::newRow("link to a folder")
            << "link to a folder" << QString() << "it is a link to \"@/folder\", which is a folder";
        QTest::newRow("loop of links")
            << "loop of links" << QString() << "Too many levels of symbolic links";
        QTest::newRow("pipe") << "pipe" << QString() << "it is a pipe, not an ordinary file";
    }

    void followsLinksToOrdinaryFilesOnly() {
        QFETCH(QString, setup);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        if (!layOut(setup, dir)) {
            if (setup == "link to a device")
                QSKIP("no device node may be made here");
            QFAIL("the entries could not be laid out");
        }
        const QByteArray pointsTo = linkTarget(dir.filePath("target"));
        reason.replace("@", dir.path()).replace("DEVICE", QFile::decodeName(pointsTo));
        const std::map<QString, mode_t> before = entries(dir);

        const IoResult result = FileWriter::WriteWhole(dir.filePath("target"), NewBytes);

        // Every entry is what it was (a link the same link, a pipe a pipe),
        // and no temporary file stays behind.
        std::map<QString, mode_t> expected = before;
        if (reason.isEmpty()) {
            QVERIFY2(result, qPrintable(result.error));
            QCOMPARE(fileBytes(dir.filePath(written)), NewBytes);
            expected.emplace(written, S_IFREG);
        } else {
            QVERIFY(!result);
            const QString message =
                QStringLiteral("Cannot write \"%1\": %2").arg(dir.filePath("target"), reason);
            QVERIFY2(result.error.startsWith(message), qPrintable(result.error));
        }
        QVERIFY(entries(dir) == expected);
        QCOMPARE(linkTarget(dir.filePath("target")), pointsTo);
    }

    // Owner and group may only be given away by root; the permissions are
    // kept for everyone.
    void keepsOwnerGroupAndPermissions_data() {
        QTest::addColumn<int>("owner"); // -1: the writer's own
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("mode");
        QTest::newRow("own file, private") << -1 << -1 << 0600;
        QTest::newRow("own file, group may write") << -1 << -1 << 0664;
        QTest::newRow("nobody's file, root writes") << 65534 << 65534 << 0644;
        QTest::newRow("root's file in nobody's group") << 0 << 65534 << 0640;
    }

    void keepsOwnerGroupAndPermissions() {
        QFETCH(int, owner);
        QFETCH(int, group);
        QFETCH(int, mode);
        if (owner >= 0 && ::geteuid() != 0)
            QSKIP("only root may give a file to another user");
        QTemporaryDir temporary;
        const QString path = QDir(temporary.path()).filePath("LEVEL01.CK1");
        QVERIFY(writeFile(path, OldBytes));
        const QByteArray native = QFile::encodeName(path);
        QVERIFY(::chown(native.constData(), uid_t(owner), gid_t(group)) == 0);
        QVERIFY(::chmod(native.constData(), mode_t(mode)) == 0);
        const uid_t expectedOwner = owner >= 0 ? uid_t(owner) : ::geteuid();
        const gid_t expectedGroup = group >= 0 ? gid_t(group) : ::getegid();

        const IoResult result = FileWriter::WriteWhole(path, NewBytes);
        QVERIFY2(result, qPrintable(result.error));
        QCOMPARE(fileBytes(path), NewBytes);
        struct stat info {};
        QVERIFY(::stat(native.constData(), &info) == 0);
        QCOMPARE(info.st_uid, expectedOwner);
        QCOMPARE(info.st_gid, expectedGroup);
        QCOMPARE(int(info.st_mode & 07777), mode);
    }
};

GM_TEST_APPLESS_MAIN(tst_FileWriter)
#include "tst_FileWriter.moc"
