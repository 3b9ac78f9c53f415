// The writer of every file behind a path that is not a plain file: links
// are followed to an ordinary file and no further, and what it replaces
// keeps its owner, group and permissions.
#include "FileWriter.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray NewBytes = QByteArrayLiteral("new contents");
const QByteArray OldBytes = QByteArrayLiteral("old contents");

mode_t kindAt(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
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

// Lays out entries in `dir` from words: "name=" a file, "name/" a folder,
// "name|" a pipe, "name>to" a link to "to" as written.
bool layOut(const QString& layout, const QDir& dir) {
    for (const QString& word : layout.split(' ')) {
        const bool link = word.contains('>');
        const QString path = dir.filePath(link ? word.section('>', 0, 0) : word.chopped(1));
        const bool made = link                 ? QFile::link(word.section('>', 1), path)
                          : word.endsWith('=') ? writeFile(path, OldBytes)
                          : word.endsWith('/')
                              ? dir.mkpath(path)
                              : ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
        if (!made)
            return false;
    }
    return true;
}

} // namespace

class tst_FileWriter : public QObject {
    Q_OBJECT

private slots:
    void followsLinksToOrdinaryFilesOnly_data() {
        QTest::addColumn<QString>("layout");  // the write goes to "target"
        QTest::addColumn<QString>("written"); // the file that gets the bytes
        QTest::addColumn<QString>("reason");  // empty when the write succeeds
        QTest::newRow("link to a file") << "file= target>file"
                                        << "file" << QString();
        QTest::newRow("chain of links")
            << "sub/ sub/file= sub/second>file first>@/sub/second target>first"
            << "sub/file" << QString();
        // Like a shell's redirection: the file is made where the link points.
        QTest::newRow("link to nothing") << "target>file"
                                         << "file" << QString();
        QTest::newRow("link to a pipe")
            << "pipe| target>pipe" << QString() << "it is a link to \"@/pipe\", which is a pipe";
        QTest::newRow("link to a device")
            << "target>DEVICE" << QString() << "it is a link to \"DEVICE\", which is a device";
        QTest::newRow("link to a folder") << "folder/ target>folder" << QString()
                                          << "it is a link to \"@/folder\", which is a folder";
        QTest::newRow("loop of links")
            << "target>other other>target" << QString() << "Too many levels of symbolic links";
        QTest::newRow("pipe") << "target|" << QString() << "it is a pipe, not an ordinary file";
    }

    void followsLinksToOrdinaryFilesOnly() {
        QFETCH(QString, layout);
        QFETCH(QString, written);
        QFETCH(QString, reason);
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        if (layout.contains("DEVICE")) {
            const QString device = deviceForLinks(dir.path());
            if (device.isEmpty())
                QSKIP("no device node may be made here");
            layout.replace("DEVICE", device);
            reason.replace("DEVICE", device);
        }
        layout.replace("@", dir.path());
        reason.replace("@", dir.path());
        QVERIFY(layOut(layout, dir));
        const QString pointsTo = QFileInfo(dir.filePath("target")).symLinkTarget();
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
        QCOMPARE(QFileInfo(dir.filePath("target")).symLinkTarget(), pointsTo);
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
