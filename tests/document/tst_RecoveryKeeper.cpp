// Recovery copies without a window: when a keeper writes and removes its
// document's copy, which copies a starting program is offered, and what
// damaged copies and an unwritable folder give. (The copy's exact cells are
// checked across a real crash in tst_Recovery.)
#include "LevelDocument.h"
#include "RecoveryKeeper.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

int copiesIn(const QString& folder) {
    return int(QDir(folder).entryList({QStringLiteral("*.json")}, QDir::Files).size());
}

} // namespace

class tst_RecoveryKeeper : public QObject {
    Q_OBJECT
private slots:
    void init();
    void steadyEditingStillWritesACopy();
    void copyGoesWhenTheChangesDo_data();
    void copyGoesWhenTheChangesDo();
    void copiesOfARunningProgramAreNotOffered();
    void damagedCopiesSayWhyAndStay_data();
    void damagedCopiesSayWhyAndStay();
    void unwritableFolderIsTold();

private:
    // A level of episode 2, number 7, belonging to LEVEL07.CK2, with a
    // keeper waiting `quietMs` after a change and at most `longestMs`.
    void start(int quietMs, int longestMs);
    void edit() {
        m_Document->SetCell(CellChange::TilePlane, 3, 4, 7);
        m_Document->SetCell(CellChange::InfoPlane, 9, 6, 5);
    }

    std::unique_ptr<QTemporaryDir> m_Dir;
    QString m_Folder;
    std::unique_ptr<LevelDocument> m_Document;
    std::unique_ptr<RecoveryKeeper> m_Keeper;
};

void tst_RecoveryKeeper::init() {
    m_Keeper.reset();
    m_Document.reset();
    m_Dir = std::make_unique<QTemporaryDir>();
    m_Folder = m_Dir->filePath("data/recovery");
}

void tst_RecoveryKeeper::start(int quietMs, int longestMs) {
    m_Document = std::make_unique<LevelDocument>();
    m_Document->NewLevel(20, 10, 2, 7);
    m_Document->SetFileName(m_Dir->filePath("LEVEL07.CK2"));
    m_Keeper = std::make_unique<RecoveryKeeper>(*m_Document, RecoveryStore(m_Folder));
    m_Keeper->SetDelays(quietMs, longestMs);
}

void tst_RecoveryKeeper::steadyEditingStillWritesACopy() {
    start(60000, 300);
    // A change every 50 ms never leaves a quiet minute.
    for (int i = 0; i < 100 && copiesIn(m_Folder) == 0; ++i) {
        m_Document->SetCell(CellChange::TilePlane, 5, 5, qint16(1 + i % 2));
        QTest::qWait(50);
    }
    QCOMPARE(copiesIn(m_Folder), 1);
}

void tst_RecoveryKeeper::copyGoesWhenTheChangesDo_data() {
    QTest::addColumn<QString>("then");
    QTest::newRow("saved") << "save";
    QTest::newRow("undone back to the saved level") << "undo";
    QTest::newRow("discarded") << "discard";
}

void tst_RecoveryKeeper::copyGoesWhenTheChangesDo() {
    QFETCH(QString, then);
    start(0, 0);
    edit();
    QTRY_COMPARE(copiesIn(m_Folder), 1);
    if (then == "save")
        QVERIFY(m_Document->Save(m_Document->fileName()).ok);
    if (then == "undo")
        m_Document->undoStack().setIndex(0);
    if (then == "discard")
        m_Keeper->Discard();
    QCOMPARE(QDir(m_Folder).entryList(QDir::Files), QStringList());
}

// Two copies of the program at once never offer each other's copies, nor
// one that the other has claimed and is asking about; a copy whose program
// ended is offered.
void tst_RecoveryKeeper::copiesOfARunningProgramAreNotOffered() {
    start(0, 0);
    edit();
    QTRY_COMPARE(copiesIn(m_Folder), 1);
    const RecoveryStore store(m_Folder);
    QCOMPARE(store.ClaimOrphans().size(), size_t(0));
    m_Keeper.reset();
    {
        const std::vector<RecoveryEntry> claimed = store.ClaimOrphans();
        QCOMPARE(claimed.size(), size_t(1));
        QCOMPARE(store.ClaimOrphans().size(), size_t(0));
    }
    QCOMPARE(store.ClaimOrphans().size(), size_t(1));
}

void tst_RecoveryKeeper::damagedCopiesSayWhyAndStay_data() {
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QString>("error");
    const QByteArray good = R"({"file": "/levels/LEVEL03.CK1", "episode": 1, "number": 3,
                                "written": "2024-05-01T10:00:00.000Z", "pid": 1})";
    Level level;
    level.Create(12, 9, 3, 1);
    const QByteArray packed = level.Serialize();
    QTest::newRow("sound") << good << packed << "";
    QTest::newRow("not a description") << QByteArray("{\"file\": ") << packed
                                       << "1.json\" cannot be read: it is not a recovery "
                                          "description.";
    QTest::newRow("episode 4") << QByteArray(good).replace("\"episode\": 1", "\"episode\": 4")
                               << packed << "its episode is not 1, 2 or 3.";
    QTest::newRow("level cut short") << good << packed.left(12)
                                     << "1.level\" is not a valid level file: it is 12 bytes "
                                        "long, shorter than the 20-byte header.";
}

void tst_RecoveryKeeper::damagedCopiesSayWhyAndStay() {
    QFETCH(QByteArray, description);
    QFETCH(QByteArray, level);
    QFETCH(QString, error);
    QVERIFY(QDir().mkpath(m_Folder));
    QVERIFY(writeFile(m_Folder + "/1.json", description));
    QVERIFY(writeFile(m_Folder + "/1.level", level));
    const RecoveryStore store(m_Folder);
    const std::vector<RecoveryEntry> offered = store.ClaimOrphans();
    QCOMPARE(offered.size(), size_t(1));
    Level read;
    const IoResult result = store.Read(offered[0], read);
    QVERIFY2(error.isEmpty() ? result.ok : result.error.endsWith(error), qPrintable(result.error));
    if (result) {
        QCOMPARE(offered[0].originalFile, QString("/levels/LEVEL03.CK1"));
        QCOMPARE(read.Episode(), qint16(1));
        QCOMPARE(read.Number(), qint16(3));
        QCOMPARE(read.Tile(0, 0), qint16(245)); // as made: episode 3's wall
    }
    QCOMPARE(fileBytes(m_Folder + "/1.json"), description);
    QCOMPARE(fileBytes(m_Folder + "/1.level"), level);
}

void tst_RecoveryKeeper::unwritableFolderIsTold() {
    QVERIFY(writeFile(m_Dir->filePath("data"), "a file, not a folder"));
    start(0, 60000);
    QSignalSpy failed(m_Keeper.get(), &RecoveryKeeper::failed);
    edit();
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(),
             "The recovery copy of LEVEL07.CK2 could not be written. Cannot create the folder \"" +
                 m_Folder + "\".");
}

GM_TEST_GUILESS_MAIN(tst_RecoveryKeeper)
#include "tst_RecoveryKeeper.moc"
