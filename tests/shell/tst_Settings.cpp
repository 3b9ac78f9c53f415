#include "Settings.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsHandWrittenFile();
    void cutsLongValuesTo255Characters();
    void writingChangesOnlyItsLine_data();
    void writingChangesOnlyItsLine();
    void roundTripsAwkwardValues();
    void buildsThePathWithOneSlash();
    void movesToConfigFolderWhenProgramFolderIsNotWritable();
    void readOnlyInstallationKeepsShippedSettings();
    void reportsAFailedWrite();
    void namesAnUnreadableFileAndWhy_data();
    void namesAnUnreadableFileAndWhy();

private:
    QString programIni() const { return m_Program + QStringLiteral("/Gridmason.ini"); }
    QString configIni() const { return m_Config + QStringLiteral("/Gridmason.ini"); }

    std::unique_ptr<QTemporaryDir> m_Temp;
    QString m_Program;
    QString m_Config;
};

void SettingsTest::init() {
    m_Temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Temp->isValid());
    m_Program = m_Temp->filePath(QStringLiteral("program"));
    m_Config = m_Temp->filePath(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(m_Program));
    Settings::SetFoldersForTesting(m_Program, m_Config);
}

void SettingsTest::cleanup() {
    Settings::SetFoldersForTesting(QString(), QString());
    m_Temp.reset();
}

void SettingsTest::readsHandWrittenFile() {
    // Reading without a file finds nothing and creates none.
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString(""));
    QVERIFY(!QFile::exists(programIni()));
    QVERIFY(writeFile(programIni(), "; settings written by hand\r\n"
                                    "stray=before any section\r\n"
                                    "\r\n"
                                    "[ paths ]\r\n"
                                    "  KEEN 1  =  C:\\Games\\Keen1\\  \r\n"
                                    "keen 2=\"/home/me/keen 2\"\r\n"
                                    ";Keen 3=commented out\r\n"
                                    "a line without equals\r\n"
                                    "Keen 3=\r\n"
                                    "Keen 1=second copy is ignored\r\n"
                                    "[Other]\r\n"
                                    "Keen 3=not this one\r\n"
                                    "Keen 4=only here"));
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString("C:\\Games\\Keen1\\"));
    QCOMPARE(Settings::Read("PATHS", "keen 1"), QString("C:\\Games\\Keen1\\"));
    QCOMPARE(Settings::Read("Paths", "Keen 2"), QString("/home/me/keen 2"));
    QCOMPARE(Settings::Read("Paths", "Keen 3"), QString(""));
    QCOMPARE(Settings::Read("Other", "Keen 3"), QString("not this one"));
    QCOMPARE(Settings::Read("Paths", "Keen 4"), QString(""));
    QCOMPARE(Settings::Read("Missing", "Keen 1"), QString(""));
    QCOMPARE(Settings::Read("Paths", "stray"), QString(""));
    QCOMPARE(Settings::Read("Paths", "a line without equals"), QString(""));

    // A file saved in an 8-bit code page still reads.
    QVERIFY(writeFile(programIni(), "[Paths]\nKeen 1=C:\\Spiele\\K\xe4se\n"));
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString::fromUtf8("C:\\Spiele\\K\xc3\xa4se"));
}

void SettingsTest::cutsLongValuesTo255Characters() {
    const QByteArray longValue =
        QByteArray(250, 'a') + "bcdefghijklmnopqrstuvwxyz" + QByteArray(25, 'z');
    QCOMPARE(longValue.size(), 300);
    QVERIFY(writeFile(programIni(), "[Paths]\nKeen 1=" + longValue + "\n"));
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString::fromLatin1(longValue.left(255)));

    // Writing keeps the whole value; only reading is limited.
    QVERIFY(Settings::Write("Paths", "Keen 2", QString(QString::fromLatin1(longValue))));
    QVERIFY(fileBytes(programIni()).contains("Keen 2=" + longValue + "\n"));
    QCOMPARE(Settings::Read("Paths", "Keen 2").size(), 255);
}

// One write into the settings file as it was: the whole file afterwards,
// and the value read back. Every line but the one written stays as the
// file had it, line breaks and byte-order mark included.
void SettingsTest::writingChangesOnlyItsLine_data() {
    QTest::addColumn<QByteArray>("before"); // "(none)": no file
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value"); // "(remove)": the key is removed
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("after");
    const QByteArray none = "(none)";
    const QString remove = "(remove)";
    const auto row = [](const char* name, const QByteArray& before, const QString& section,
                        const QString& key, const QString& value, const QByteArray& after) {
        QTest::newRow(name) << before << section << key << value << true << after;
    };
    row("first key of a new file", none, "Paths", "Keen 1", "/data/keen1",
        "[Paths]\nKeen 1=/data/keen1\n");
    row("next key of a section", "[Paths]\nKeen 1=/data/keen1\n", "Paths", "Keen 2", "/data/keen2",
        "[Paths]\nKeen 1=/data/keen1\nKeen 2=/data/keen2\n");
    row("replacing, in any letter case",
        "# my notes\n[Paths]\nkeen 1 = old\nKeen 2=C:\\two\n\n"
        "junk without equals\n[Window]\nKeen 1=elsewhere\n",
        "PATHS", "Keen 1", "D:\\Keen\\Ep 1",
        "# my notes\n[Paths]\nKeen 1=D:\\Keen\\Ep 1\nKeen 2=C:\\two\n\n"
        "junk without equals\n[Window]\nKeen 1=elsewhere\n");
    row("replacing on an unterminated last line", "[Paths]\r\nKeen 1=a\r\nKeen 2=b", "Paths",
        "Keen 2", "c", "[Paths]\r\nKeen 1=a\r\nKeen 2=c");
    // A new key joins its section before the blank line that ends it; a new
    // section goes at the end, after a missing final line break is added.
    const QByteArray blank = "[Paths]\r\nKeen 1=a\r\n\r\n[Other]\r\nx=1";
    row("new key before the blank line", blank, "paths", "Keen 3", "c",
        "[Paths]\r\nKeen 1=a\r\nKeen 3=c\r\n\r\n[Other]\r\nx=1");
    row("new section at the end", blank, "New", "Key", "v", blank + "\r\n[New]\r\nKey=v\r\n");
    row("an empty string is a value", "[Other]\r\nx=1\r\n", "Other", "x", "", "[Other]\r\nx=\r\n");
    const QByteArray two = "[Paths]\nKeen 2=b\n[Other]\nKeen 1=c\n";
    row("removing", "[Paths]\nKEEN 1=a\nKeen 2=b\n[Other]\nKeen 1=c\n", "Paths", "Keen 1", remove,
        two);
    row("removing a missing key", two, "Paths", "Keen 9", remove, two);
    row("removing from a missing section", two, "Nowhere", "Keen 2", remove, two);
    row("removing from a missing file", none, "Paths", "Keen 1", remove, none);
    // Some Windows editors start a UTF-8 file with a byte-order mark.
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray windows = bom + "[Paths]\r\nKeen 1=C:\\Keen1\r\nKeen 2=C:\\Keen2\r\n";
    row("mark: replacing the first key", windows, "Paths", "Keen 1", "/games/keen1",
        bom + "[Paths]\r\nKeen 1=/games/keen1\r\nKeen 2=C:\\Keen2\r\n");
    row("mark: adding a key to the first section", windows, "Paths", "Keen 3", "/games/keen3",
        windows + "Keen 3=/games/keen3\r\n");
    row("mark: a section right after it, no line breaks", bom + "[Paths]", "Paths", "Keen 1", "/k",
        bom + "[Paths]\nKeen 1=/k\n");
    // What the file cannot hold is refused and the file left alone.
    const QByteArray one = "[Paths]\nKeen 1=a\n";
    const QList<QStringList> refused = {{"Paths", "Keen 1", "two\nlines"},
                                        {"Paths", "Keen 1", "cr\rhere"},
                                        {"Paths", "Key=1", "x"},
                                        {"Paths", "", "x"},
                                        {"Paths", "[Other", "x"},
                                        {"Pa]ths", "Keen 1", "x"},
                                        {" ", "Keen 1", "x"}};
    for (const QStringList& r : refused)
        QTest::addRow("refused: [%s] %s=%s", qPrintable(r[0]), qPrintable(r[1]),
                      qPrintable(QString(r[2]).replace('\n', "\\n").replace('\r', "\\r")))
            << one << r[0] << r[1] << r[2] << false << one;
}

void SettingsTest::writingChangesOnlyItsLine() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, ok);
    QFETCH(QByteArray, after);
    if (before != "(none)")
        QVERIFY(writeFile(programIni(), before));
    const bool remove = value == "(remove)";
    QCOMPARE(
        Settings::Write(section, key, remove ? std::nullopt : std::optional<QString>(value)).ok,
        ok);
    if (after == "(none)")
        QVERIFY(!QFile::exists(programIni()));
    else
        QCOMPARE(fileBytes(programIni()), after);
    if (ok)
        QCOMPARE(Settings::Read(section, key), remove ? QString("") : value);
}

void SettingsTest::roundTripsAwkwardValues() {
    const QStringList values = {QStringLiteral("C:\\KEEN\\"),
                                QStringLiteral("  padded  "),
                                QStringLiteral("\"quoted\""),
                                QStringLiteral("a=b;c[d]"),
                                QString::fromUtf8("/home/j\xc3\xb6rg/keen"),
                                QStringLiteral("'")};
    for (const QString& value : values) {
        QVERIFY(Settings::Write("Paths", "Keen 1", value));
        QCOMPARE(Settings::Read("Paths", "Keen 1"), value);
    }
}

void SettingsTest::buildsThePathWithOneSlash() {
    QCOMPARE(Settings::FilePath(), programIni());
    Settings::SetFoldersForTesting(m_Program + QStringLiteral("/"), m_Config);
    QCOMPARE(Settings::FilePath(), programIni());
}

void SettingsTest::movesToConfigFolderWhenProgramFolderIsNotWritable() {
    // A program folder that cannot hold files (here: a path through a file).
    QVERIFY(writeFile(m_Temp->filePath("plainfile"), "x"));
    const QString unwritable = m_Temp->filePath(QStringLiteral("plainfile/bin"));
    Settings::SetFoldersForTesting(unwritable, m_Config);
    QCOMPARE(Settings::FilePath(), configIni());
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString(""));
    QVERIFY(Settings::Write("Paths", "Keen 1", QString("/games/keen1")));
    QCOMPARE(fileBytes(configIni()), QByteArray("[Paths]\nKeen 1=/games/keen1\n"));
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString("/games/keen1"));
}

void SettingsTest::readOnlyInstallationKeepsShippedSettings() {
    QVERIFY(writeFile(programIni(), "[Paths]\nKeen 1=/opt/keen1\nKeen 2=/opt/keen2\n"));
    QVERIFY(QFile::setPermissions(m_Program, QFile::ReadOwner | QFile::ExeOwner));
    const bool stillWritable = QFileInfo(m_Program).isWritable();
    if (stillWritable) {
        QFile::setPermissions(m_Program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("running with rights that ignore folder permissions");
    }
    QCOMPARE(Settings::FilePath(), programIni());
    QCOMPARE(Settings::Read("Paths", "Keen 2"), QString("/opt/keen2"));
    // The first write carries the shipped settings over to the user's copy.
    QVERIFY(Settings::Write("Paths", "Keen 1", QString("/home/me/keen1")));
    QCOMPARE(fileBytes(configIni()),
             QByteArray("[Paths]\nKeen 1=/home/me/keen1\nKeen 2=/opt/keen2\n"));
    QCOMPARE(fileBytes(programIni()),
             QByteArray("[Paths]\nKeen 1=/opt/keen1\nKeen 2=/opt/keen2\n"));
    QCOMPARE(Settings::FilePath(), configIni());
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString("/home/me/keen1"));
    QFile::setPermissions(m_Program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void SettingsTest::reportsAFailedWrite() {
    QVERIFY(writeFile(m_Temp->filePath("plainfile"), "x"));
    Settings::SetFoldersForTesting(m_Temp->filePath("plainfile/bin"),
                                   m_Temp->filePath("plainfile/config"));
    QVERIFY(!Settings::Write("Paths", "Keen 1", QString("/games/keen1")));
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString(""));

    // A settings path that is a folder cannot be read or replaced.
    Settings::SetFoldersForTesting(m_Program, m_Config);
    QVERIFY(QDir().mkpath(programIni()));
    QVERIFY(!Settings::Write("Paths", "Keen 1", QString("/games/keen1")));
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString(""));
    QVERIFY(QFileInfo(programIni()).isDir());

    // A settings file that is a link to an endless device is neither read
    // nor replaced (a plain read of it would never end).
    QVERIFY(QDir(programIni()).removeRecursively());
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), programIni()));
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString(""));
    QVERIFY(!Settings::Write("Paths", "Keen 1", QString("/games/keen1")));
    QCOMPARE(QFileInfo(programIni()).symLinkTarget(), QStringLiteral("/dev/zero"));
}

void SettingsTest::namesAnUnreadableFileAndWhy_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes"); // of a file
    QTest::addColumn<QString>("reason");   // empty: it reads
    const QString notOrdinary = "it is not an ordinary file (a device, pipe or socket)";
    QTest::newRow("Latin-1 text with a DOS end mark")
        << "file" << QByteArray("[Paths]\r\nKeen 1=C:\\K\xe4se\r\n\x1a") << QString();
    QTest::newRow("folder") << "folder" << QByteArray() << "it is a folder, not a file";
    QTest::newRow("pipe") << "pipe" << QByteArray() << notOrdinary;
    QTest::newRow("link to a device") << "link to a device" << QByteArray() << notOrdinary;
    QTest::newRow("not text") << "file" << QByteArray("[Paths]\nKeen 1=x\n\0\x01\x02junk", 22)
                              << "it is not a text file (byte 17 is the control character 0x00)";
}

// Said with the file's name and the reason, by the check made at start-up
// and by every attempt to store a setting; the entry is left as it was.
void SettingsTest::namesAnUnreadableFileAndWhy() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QByteArray native = QFile::encodeName(programIni());
    if (kind == "file")
        QVERIFY(writeFile(programIni(), bytes));
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(programIni()));
    else if (kind == "pipe")
        QVERIFY(::mkfifo(native.constData(), 0644) == 0);
    else if (kind == "link to a device" &&
             !QFile::link(deviceForLinks(m_Temp->path()), programIni()))
        QSKIP("no device node may be made here");
    QCOMPARE(Settings::FilePath(), programIni());

    const IoResult checked = Settings::CheckFile();
    const IoResult stored = Settings::Write("Paths", "Keen 2", QString("/games/keen2"));
    if (reason.isEmpty()) {
        QVERIFY2(checked && stored, qPrintable(checked.error + stored.error));
        QCOMPARE(Settings::Read("Paths", "Keen 2"), QString("/games/keen2"));
        return;
    }
    const QString expected =
        QStringLiteral("The settings file \"%1\" cannot be read: %2.").arg(programIni(), reason);
    QCOMPARE(checked.error, expected);
    QCOMPARE(stored.error, expected);
    QCOMPARE(Settings::Read("Paths", "Keen 1"), QString());
    struct stat info {};
    QVERIFY(::lstat(native.constData(), &info) == 0);
    QCOMPARE(S_ISLNK(info.st_mode), kind == "link to a device");
    QCOMPARE(S_ISFIFO(info.st_mode), kind == "pipe");
    QCOMPARE(S_ISDIR(info.st_mode), kind == "folder");
    if (kind == "file")
        QCOMPARE(fileBytes(programIni()), bytes);
}

GM_TEST_MAIN(SettingsTest)
#include "tst_Settings.moc"
