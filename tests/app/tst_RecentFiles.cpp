// The list of recent levels in the settings file, without a window: most
// recent first, eight at most, one entry per file however its name is
// written, names a setting cannot hold left out, and an entry's menu text.
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "Settings.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_RecentFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void addAndRemove_data();
    void addAndRemove();
    void itemText_data();
    void itemText();

private:
    std::unique_ptr<QTemporaryDir> m_Temp;
};

void tst_RecentFiles::init() {
    m_Temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Temp->isValid());
    QVERIFY(QDir(m_Temp->path()).mkpath("program"));
    QVERIFY(QDir(m_Temp->path()).mkpath("levels/sub"));
    QVERIFY(QFile::link(m_Temp->filePath("levels"), m_Temp->filePath("link")));
    Settings::SetFoldersForTesting(m_Temp->filePath("program"), m_Temp->filePath("config"));
}

void tst_RecentFiles::cleanup() {
    Settings::SetFoldersForTesting(QString(), QString());
    m_Temp.reset();
}

// Each step of `steps`: a to i add the level of that letter, A to I remove
// it, * adds level a by way of "sub/..", ~ by way of a link to the folder,
// ! adds a name with a line break and # a name of 256 characters. `list` is
// then the letters (~ the name by way of the link), newest first.
void tst_RecentFiles::addAndRemove_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("list");
    // clang-format off
    QTest::newRow("newest first")                      << "abc"       << "cba";
    QTest::newRow("eight at most")                     << "abcdefghi" << "ihgfedcb";
    QTest::newRow("again: to the front, once")         << "abca"      << "acb";
    QTest::newRow("another spelling is the same file") << "ab*"       << "ab";
    QTest::newRow("by way of a link, the same file")   << "ab~"       << "~b";
    QTest::newRow("removed")                           << "abcB"      << "ca";
    QTest::newRow("removing what is not there")        << "abD"       << "ba";
    QTest::newRow("a line break is left out")          << "ab!"       << "ba";
    QTest::newRow("a name too long is left out")       << "ab#"       << "ba";
    // clang-format on
}

void tst_RecentFiles::addAndRemove() {
    QFETCH(QString, steps);
    const QString levels = m_Temp->filePath("levels");
    const auto level = [&](QChar letter) {
        return levels + "/LEVEL0" + QString::number(letter.toLower().unicode() - 'a' + 1) + ".CK1";
    };
    for (char c = 'a'; c <= 'i'; ++c)
        QVERIFY(writeFile(level(QLatin1Char(c)), QByteArray("level")));
    for (const QChar step : steps) {
        IoResult result = IoResult::success();
        if (step == QLatin1Char('*'))
            result = RecentFiles::Add(levels + "/sub/../LEVEL01.CK1");
        else if (step == QLatin1Char('~'))
            result = RecentFiles::Add(m_Temp->filePath("link/LEVEL01.CK1"));
        else if (step == QLatin1Char('!'))
            result = RecentFiles::Add(levels + "/LEVEL\n01.CK1");
        else if (step == QLatin1Char('#'))
            result = RecentFiles::Add(levels + QLatin1Char('/') +
                                      QString(256 - levels.size() - 1, QLatin1Char('x')));
        else if (step.isLower())
            result = RecentFiles::Add(level(step));
        else
            result = RecentFiles::Remove(level(step));
        QVERIFY(result);
    }
    QFETCH(QString, list);
    QStringList expected;
    for (const QChar letter : list)
        expected << (letter == QLatin1Char('~') ? m_Temp->filePath("link/LEVEL01.CK1")
                                                : level(letter));
    QCOMPARE(RecentFiles::List(), expected);
    // Stored under File1 to File8 and no further.
    for (int i = 0; i < 9; ++i)
        QCOMPARE(Settings::Read("Recent", QStringLiteral("File%1").arg(i + 1)), expected.value(i));
}

void tst_RecentFiles::itemText_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0 << "/a/LEVEL01.CK1"
                           << "&1 " + QDir::toNativeSeparators("/a/LEVEL01.CK1");
    QTest::newRow("an ampersand is shown")
        << 0 << "/levels & more/LEVEL01.CK1"
        << "&1 " + QDir::toNativeSeparators("/levels && more/LEVEL01.CK1");
    QTest::newRow("ninth") << 8 << "/a/LEVEL01.CK1"
                           << "&9 " + QDir::toNativeSeparators("/a/LEVEL01.CK1");
    QTest::newRow("tenth: no mnemonic") << 9 << "/a/LEVEL01.CK1"
                                        << "10 " + QDir::toNativeSeparators("/a/LEVEL01.CK1");
}

void tst_RecentFiles::itemText() {
    QFETCH(int, index);
    QFETCH(QString, file);
    QTEST(RecentFilesMenu::ItemText(index, file), "text");
}

GM_TEST_MAIN(tst_RecentFiles)
#include "tst_RecentFiles.moc"
