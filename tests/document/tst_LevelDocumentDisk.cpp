// The level document and its file on disk: what another program does to
// the file after a load is told apart from the document's own saves, the
// watcher says so as it happens, and a reload takes the file's new level,
// as an undo step when there were unsaved changes.
#include "LevelDocument.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

using DiskState = LevelDocument::DiskState;

// A new level's file of 30 x 20 cells whose cell (3, 3) holds `tile`.
QByteArray levelBytes(qint16 tile) {
    Level level;
    level.Create(30, 20, 1, 4);
    level.SetTile(3, 3, tile);
    return level.Serialize();
}

// Bytes of the same length that read as another level: the last run's
// value (the fill tile, 143) turned into tile 144.
QByteArray sameLengthOtherLevel(QByteArray bytes) {
    const qsizetype at = bytes.lastIndexOf(QByteArray("\x8F\x00", 2));
    bytes[at] = char(0x90);
    return bytes;
}

// Waits for the watcher's next announcement; its state, or Same when none
// came.
DiskState nextAnnouncement(QSignalSpy& spy) {
    if (spy.isEmpty() && !spy.wait(5000))
        return DiskState::Same;
    return spy.takeFirst().at(0).value<DiskState>();
}

} // namespace

class tst_LevelDocumentDisk : public QObject {
    Q_OBJECT
private slots:
    void otherProgramsChangesAreSeen_data();
    void otherProgramsChangesAreSeen();
    void watcherTellsOfChangesButNotOfOwnSaves();
    void reload_data();
    void reload();
};

void tst_LevelDocumentDisk::otherProgramsChangesAreSeen_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<DiskState>("state");
    QTest::newRow("untouched") << "none" << DiskState::Same;
    QTest::newRow("same bytes written again") << "rewrite" << DiskState::Same;
    QTest::newRow("same length, other bytes") << "same length" << DiskState::Changed;
    QTest::newRow("a byte longer") << "append" << DiskState::Changed;
    QTest::newRow("removed") << "remove" << DiskState::Missing;
    QTest::newRow("a folder in its place") << "folder" << DiskState::Changed;
}

void tst_LevelDocumentDisk::otherProgramsChangesAreSeen() {
    QFETCH(QString, change);
    QFETCH(DiskState, state);
    QTemporaryDir dir;
    const QString path = dir.filePath("LEVEL04.CK1");
    const QByteArray original = levelBytes(7);
    QVERIFY(writeFile(path, original));
    LevelDocument doc;
    QVERIFY(doc.Load(path));
    QCOMPARE(doc.CheckDisk(), DiskState::Same);

    if (change == "rewrite") {
        QVERIFY(writeFile(path, original));
    } else if (change == "same length") {
        QCOMPARE(sameLengthOtherLevel(original).size(), original.size());
        QVERIFY(writeFile(path, sameLengthOtherLevel(original)));
    } else if (change == "append") {
        QVERIFY(writeFile(path, original + '\0'));
    } else if (change == "remove" || change == "folder") {
        QVERIFY(QFile::remove(path));
        if (change == "folder")
            QVERIFY(QDir().mkdir(path));
    }
    QCOMPARE(doc.CheckDisk(), state);

    // The document's own save is what the file holds from then on; a
    // removed file is written again.
    if (change == "folder")
        QVERIFY(QDir().rmdir(path));
    doc.SetCell(CellChange::TilePlane, 5, 5, 9);
    QVERIFY(doc.Save(path));
    QCOMPARE(doc.CheckDisk(), DiskState::Same);
    QCOMPARE(fileBytes(path), doc.level().Serialize());
}

void tst_LevelDocumentDisk::watcherTellsOfChangesButNotOfOwnSaves() {
    QTemporaryDir dir;
    const QString path = dir.filePath("LEVEL04.CK1");
    QVERIFY(writeFile(path, levelBytes(7)));
    LevelDocument doc;
    QVERIFY(doc.Load(path));
    QSignalSpy spy(&doc, &LevelDocument::diskStateChanged);

    // Saves of its own, in place and as another file, are no news.
    doc.SetCell(CellChange::TilePlane, 5, 5, 9);
    QVERIFY(doc.Save(path));
    QVERIFY(doc.Save(dir.filePath("LEVEL05.CK1")));
    QVERIFY(doc.Save(path));
    QVERIFY(!spy.wait(1000));

    // Another program's write, twice: each is told.
    QVERIFY(writeFile(path, levelBytes(8)));
    QCOMPARE(nextAnnouncement(spy), DiskState::Changed);
    QCOMPARE(doc.LastDiskState(), DiskState::Changed);
    QVERIFY(writeFile(path, levelBytes(10)));
    QCOMPARE(nextAnnouncement(spy), DiskState::Changed);
    // A file replaced whole (as editors save) is still watched.
    QVERIFY(QFile::remove(path));
    QCOMPARE(nextAnnouncement(spy), DiskState::Missing);
    QVERIFY(writeFile(path + ".new", levelBytes(11)));
    QVERIFY(QFile::rename(path + ".new", path));
    QCOMPARE(nextAnnouncement(spy), DiskState::Changed);
    // Put back as the document saved it: as it was.
    QVERIFY(writeFile(path, doc.level().Serialize()));
    QCOMPARE(nextAnnouncement(spy), DiskState::Same);

    // Overwritten by the document: the same again, announced once.
    QVERIFY(writeFile(path, levelBytes(12)));
    QCOMPARE(nextAnnouncement(spy), DiskState::Changed);
    QVERIFY(doc.Save(path));
    QCOMPARE(nextAnnouncement(spy), DiskState::Same);
    QVERIFY(!spy.wait(1000));
}

void tst_LevelDocumentDisk::reload_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("unmodified") << false << false;
    QTest::newRow("modified") << true << false;
    QTest::newRow("damaged file, unmodified") << false << true;
    QTest::newRow("damaged file, modified") << true << true;
}

void tst_LevelDocumentDisk::reload() {
    QFETCH(bool, modified);
    QFETCH(bool, damaged);
    QTemporaryDir dir;
    const QString path = dir.filePath("LEVEL04.CK1");
    QVERIFY(writeFile(path, levelBytes(7)));
    LevelDocument doc;
    QVERIFY(doc.Load(path));
    if (modified)
        doc.SetCell(CellChange::TilePlane, 5, 5, 9);
    const int steps = doc.undoStack().count();
    QVERIFY(writeFile(path, damaged ? QByteArray("\x10\x00", 2) : levelBytes(8)));

    const IoResult result = doc.Reload();
    QCOMPARE(result.ok, !damaged);
    if (damaged) {
        // Nothing changes, and the reason names the file.
        QVERIFY2(result.error.contains("LEVEL04.CK1"), qPrintable(result.error));
        QCOMPARE(doc.level().Tile(3, 3), qint16(7));
        QCOMPARE(doc.level().Tile(5, 5), qint16(modified ? 9 : 143));
        QCOMPARE(doc.isModified(), modified);
        QCOMPARE(doc.undoStack().count(), steps);
        QCOMPARE(doc.CheckDisk(), DiskState::Changed);
        return;
    }
    QCOMPARE(doc.level().Tile(3, 3), qint16(8));
    QCOMPARE(doc.level().Tile(5, 5), qint16(143));
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.CheckDisk(), DiskState::Same);
    QCOMPARE(doc.fileName(), path);
    if (!modified) {
        QCOMPARE(doc.undoStack().count(), 0);
        return;
    }
    // The unsaved change is one Undo away, and is unsaved again.
    QCOMPARE(doc.undoStack().count(), 2);
    QCOMPARE(doc.undoStack().undoText(), QStringLiteral("Reload"));
    doc.undoStack().undo();
    QCOMPARE(doc.level().Tile(3, 3), qint16(7));
    QCOMPARE(doc.level().Tile(5, 5), qint16(9));
    QVERIFY(doc.isModified());
    doc.undoStack().redo();
    QVERIFY(!doc.isModified());
}

GM_TEST_MAIN(tst_LevelDocumentDisk)
#include "tst_LevelDocumentDisk.moc"
