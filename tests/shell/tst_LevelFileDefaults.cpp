// Where the level file dialogs start and what File, New starts from: the
// level's own folder, the folder used last, the episode and size used last,
// as the settings file keeps them.
#include "LevelFolders.h"
#include "NewLevelDefaults.h"
#include "Settings.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// In the rows, "@level" and "@last" stand for two folders of the test's
// own, "@gone" for a folder that does not exist and "~" for the home
// folder.
const QString LevelFile = QStringLiteral("@level/LEVEL01.CK1");

} // namespace

class tst_LevelFileDefaults : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startFolders_data();
    void startFolders();
    void lastFolderIsKeptInTheSettings();
    void newLevelDefaults_data();
    void newLevelDefaults();
    void newLevelDefaultsFromTheSettings();

private:
    QString at(const QString& path) const {
        if (path == QLatin1String("~"))
            return QDir::homePath();
        QString result = path;
        result.replace(QLatin1String("@level"), m_Dir->filePath("level"));
        result.replace(QLatin1String("@last"), m_Dir->filePath("last"));
        result.replace(QLatin1String("@gone"), m_Dir->filePath("gone"));
        return result;
    }
    std::unique_ptr<QTemporaryDir> m_Dir;
};

void tst_LevelFileDefaults::init() {
    m_Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dir->isValid());
    QVERIFY(QDir(m_Dir->path()).mkpath("level"));
    QVERIFY(QDir(m_Dir->path()).mkpath("last"));
    QVERIFY(QDir(m_Dir->path()).mkpath("program"));
    QVERIFY(QDir(m_Dir->path()).mkpath("config"));
    Settings::SetFoldersForTesting(m_Dir->filePath("program"), m_Dir->filePath("config"));
}

void tst_LevelFileDefaults::cleanup() {
    Settings::SetFoldersForTesting(QString(), QString());
    for (const char* folder : {"level", "last"})
        QFile::setPermissions(m_Dir->filePath(folder),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_Dir.reset();
}

void tst_LevelFileDefaults::startFolders_data() {
    QTest::addColumn<QString>("levelFile"); // "" for a level without a file
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QString>("readOnly"); // the folder made read-only, if any
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("saving");
    QTest::newRow("the level's folder") << LevelFile << "@last"
                                        << ""
                                        << "@level"
                                        << "@level";
    QTest::newRow("no file: the last") << ""
                                       << "@last"
                                       << ""
                                       << "@last"
                                       << "@last";
    QTest::newRow("level's folder gone") << "@gone/LEVEL01.CK1"
                                         << "@last"
                                         << ""
                                         << "@last"
                                         << "@last";
    QTest::newRow("nothing left: home") << "@gone/LEVEL01.CK1"
                                        << "@gone"
                                        << ""
                                        << "~"
                                        << "~";
    QTest::newRow("nothing known: home") << ""
                                         << ""
                                         << ""
                                         << "~"
                                         << "~";
    QTest::newRow("level's folder read-only") << LevelFile << "@last"
                                              << "@level"
                                              << "@level"
                                              << "@last";
    QTest::newRow("both read-only") << LevelFile << "@level"
                                    << "@level"
                                    << "@level"
                                    << "~";
}

void tst_LevelFileDefaults::startFolders() {
    QFETCH(QString, levelFile);
    QFETCH(QString, remembered);
    QFETCH(QString, readOnly);
    QFETCH(QString, opening);
    QFETCH(QString, saving);
    if (!readOnly.isEmpty()) {
        QVERIFY(QFile::setPermissions(at(readOnly), QFile::ReadOwner | QFile::ExeOwner));
        if (QFileInfo(at(readOnly)).isWritable())
            QSKIP("this user may write into read-only folders");
    }
    QCOMPARE(LevelFolders::ForOpening(at(levelFile), at(remembered)), at(opening));
    QCOMPARE(LevelFolders::ForSaving(at(levelFile), at(remembered)), at(saving));
}

void tst_LevelFileDefaults::lastFolderIsKeptInTheSettings() {
    QVERIFY(LevelFolders::Last().isEmpty());
    LevelFolders::Remember(at(LevelFile));
    QCOMPARE(LevelFolders::Last(), at("@level"));
    QCOMPARE(Settings::Read("Files", "LastFolder"), at("@level"));
    // A folder that has gone since is not offered.
    QVERIFY(QDir(at("@level")).removeRecursively());
    QVERIFY(LevelFolders::Last().isEmpty());
}

void tst_LevelFileDefaults::newLevelDefaults_data() {
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("storedEpisode");
    QTest::addColumn<QSize>("storedSize");
    QTest::addColumn<int>("episode");
    QTest::addColumn<QSize>("size");
    const QSize none;
    const QSize typical(80, 40);
    QTest::newRow("first start") << 0 << 0 << none << 1 << typical;
    QTest::newRow("the active level's episode") << 3 << 2 << QSize(30, 20) << 3 << QSize(30, 20);
    QTest::newRow("no active level: the last") << 0 << 2 << QSize(30, 20) << 2 << QSize(30, 20);
    QTest::newRow("stored episode out of range") << 0 << 4 << none << 1 << typical;
    QTest::newRow("smallest") << 0 << 1 << QSize(24, 17) << 1 << QSize(24, 17);
    QTest::newRow("largest") << 0 << 1 << QSize(170, 170) << 1 << QSize(170, 170);
    QTest::newRow("too narrow") << 0 << 1 << QSize(23, 20) << 1 << typical;
    QTest::newRow("too low") << 0 << 1 << QSize(30, 16) << 1 << typical;
    QTest::newRow("too wide") << 2 << 1 << QSize(171, 20) << 2 << typical;
    QTest::newRow("too high") << 0 << 1 << QSize(30, 171) << 1 << typical;
}

void tst_LevelFileDefaults::newLevelDefaults() {
    QFETCH(int, active);
    QFETCH(int, storedEpisode);
    QFETCH(QSize, storedSize);
    QFETCH(int, episode);
    QFETCH(QSize, size);
    const NewLevelDefaults defaults =
        NewLevelDefaults::Choose(active, storedEpisode, storedSize, QSize(24, 17), QSize(170, 170));
    QCOMPARE(defaults.episode, episode);
    QCOMPARE(defaults.size, size);
}

// What is kept across runs: tst_MainWindowLevelFiles. A hand-edited file
// with text where numbers belong counts as nothing kept.
void tst_LevelFileDefaults::newLevelDefaultsFromTheSettings() {
    QVERIFY(Settings::Write("New", "Width", QStringLiteral("wide")));
    QVERIFY(Settings::Write("New", "Height", QStringLiteral("30")));
    QVERIFY(Settings::Write("New", "Episode", QStringLiteral("two")));
    const NewLevelDefaults defaults =
        NewLevelDefaults::FromSettings(0, QSize(24, 17), QSize(170, 170));
    QCOMPARE(defaults.episode, 1);
    QCOMPARE(defaults.size, QSize(80, 40));
}

GM_TEST_MAIN(tst_LevelFileDefaults)
#include "tst_LevelFileDefaults.moc"
