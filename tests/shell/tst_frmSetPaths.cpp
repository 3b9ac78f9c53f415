#include "ScriptedPrompts.h"
#include "TestMain.h"
#include "frmSetPaths.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class SetPathsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsThreeRows();
    void browsePutsTheChosenFolderIntoItsRow();
    void browseCancelledChangesNothing();
    void folderOfAChosenFile_data();
    void folderOfAChosenFile();
    void okChecksEveryFolderForABitmap_data();
    void okChecksEveryFolderForABitmap();
    void enterActsAsOkAndEscapeAsCancel();

private:
    QString makeFolder(const QString& name, const QStringList& files);

    std::unique_ptr<QTemporaryDir> m_Dir;
    std::unique_ptr<ScriptedPrompts> m_Prompts;
    std::unique_ptr<ScopedPrompts> m_Installed;
};

void SetPathsTest::init() {
    m_Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_Dir->isValid());
    m_Prompts = std::make_unique<ScriptedPrompts>();
    m_Installed = std::make_unique<ScopedPrompts>(*m_Prompts);
}

void SetPathsTest::cleanup() {
    m_Installed.reset();
    m_Prompts.reset();
    m_Dir.reset();
}

QString SetPathsTest::makeFolder(const QString& name, const QStringList& files) {
    const QString folder = m_Dir->filePath(name);
    QDir().mkpath(folder);
    for (const QString& file : files) {
        QFile f(folder + QLatin1Char('/') + file);
        if (file.endsWith(QLatin1Char('/')))
            QDir().mkpath(f.fileName());
        else if (f.open(QIODevice::WriteOnly))
            f.write("BM");
    }
    return folder;
}

// Alt and the episode's digit reach its row; closed any other way than OK,
// the dialog counts as cancelled.
void SetPathsTest::showsThreeRows() {
    frmSetPaths dialog;
    QVERIFY(dialog.Cancelled);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(dialog.Label1[i]->text(), QStringLiteral("Keen &%1 Path:").arg(i + 1));
        QCOMPARE(dialog.Label1[i]->buddy(), dialog.txtPath[i]);
    }
}

// The dialog opens in the first row's folder whichever row asks, and keeps
// only the folder of the chosen file.
void SetPathsTest::browsePutsTheChosenFolderIntoItsRow() {
    frmSetPaths dialog;
    dialog.txtPath[0]->setText(QStringLiteral("/games/keen1"));
    dialog.txtPath[1]->setText(QStringLiteral("/games/keen2"));
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose("/games/KEEN3/3SPR0000.BMP"));

    QTest::mouseClick(dialog.cmdBrowse[2], Qt::LeftButton);

    QCOMPARE(dialog.txtPath[2]->text(), QStringLiteral("/games/KEEN3"));
    QCOMPARE(dialog.txtPath[0]->text(), QStringLiteral("/games/keen1"));
    QCOMPARE(dialog.txtPath[1]->text(), QStringLiteral("/games/keen2"));
    QCOMPARE(m_Prompts->fileRequests.size(), size_t(1));
    const Prompts::FileRequest& request = m_Prompts->fileRequests.front();
    QCOMPARE(request.caption, QStringLiteral("Select Path"));
    QCOMPARE(request.initialDir, QStringLiteral("/games/keen1"));
    // Either kind of graphics can be chosen: exported bitmaps or the game's
    // own files.
    QCOMPARE(request.filters,
             QStringList({QStringLiteral("Keen Graphics (*.bmp EGAHEAD.CK? EGALATCH.CK? "
                                         "EGASPRIT.CK?)"),
                          QStringLiteral("Keen Bitmaps (*.bmp)"),
                          QStringLiteral("Game Graphics Files (EGAHEAD.CK? EGALATCH.CK? "
                                         "EGASPRIT.CK?)"),
                          QStringLiteral("All Files (*)")}));
    QCOMPARE(request.filterIndex, 1);
    QVERIFY(!request.fileMustExist);
    QVERIFY(!request.save);
    QCOMPARE(request.owner, &dialog);

    // A game folder, picked by one of its graphics files.
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose("/games/Keen 1/EGAHEAD.CK1"));
    dialog.cmdBrowse_Click(0);
    QCOMPARE(dialog.txtPath[0]->text(), QStringLiteral("/games/Keen 1"));
}

void SetPathsTest::browseCancelledChangesNothing() {
    frmSetPaths dialog;
    for (int i = 0; i < 3; ++i)
        dialog.txtPath[i]->setText(QStringLiteral("/p%1").arg(i));
    m_Prompts->files.push_back(ScriptedPrompts::File::Cancel());
    dialog.cmdBrowse_Click(1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(dialog.txtPath[i]->text(), QStringLiteral("/p%1").arg(i));
    QVERIFY(m_Prompts->messages.empty());
}

void SetPathsTest::folderOfAChosenFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::newRow("unix") << "/games/KEEN3/3SPR0000.BMP"
                          << "/games/KEEN3";
    QTest::newRow("windows") << "C:\\KEEN3\\3SPR0000.BMP"
                             << "C:\\KEEN3";
    QTest::newRow("drive root") << "C:\\1TIL0000.BMP"
                                << "C:";
    QTest::newRow("mixed") << "C:\\games/keen1\\x.bmp"
                           << "C:\\games/keen1";
    QTest::newRow("file system root") << "/1til0000.bmp"
                                      << "/";
    QTest::newRow("no folder") << "1til0000.bmp"
                               << "";
    QTest::newRow("backslash first") << "\\1til0000.bmp"
                                     << "";
}

void SetPathsTest::folderOfAChosenFile() {
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QCOMPARE(frmSetPaths::FolderOfFile(file), folder);
}

// OK takes three folders that each hold a bitmap, in any letter case; else
// it says so, keeps the dialog open and the boxes as they were.
void SetPathsTest::okChecksEveryFolderForABitmap_data() {
    QTest::addColumn<QStringList>("paths"); // "@" stands for the test's folder
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one empty") << QStringList{"@/good", "", "@/good"} << false;
    QTest::newRow("no bitmap") << QStringList{"@/good", "@/good", "@/nobitmap"} << false;
    QTest::newRow("hidden bitmap only") << QStringList{"@/hidden", "@/good", "@/good"} << false;
    QTest::newRow("missing") << QStringList{"@/good", "@/missing", "@/good"} << false;
    QTest::newRow("a file") << QStringList{"@/good", "@/good", "@/good/1til0000.bmp"} << false;
    // A folder typed with Windows separators is read with "/".
    QTest::newRow("any letter case, either separator, trailing slash")
        << QStringList{"@/tiles", "@\\upper", "@/tiles/"} << true;
}

void SetPathsTest::okChecksEveryFolderForABitmap() {
    QFETCH(QStringList, paths);
    QFETCH(bool, accepted);
    makeFolder("good", {"1til0000.bmp"});
    makeFolder("nobitmap", {"readme.txt", "bmp", "x.bmp.txt", "dir.bmp/"});
    makeFolder("hidden", {".secret.bmp"});
    makeFolder("tiles", {"TILES.Bmp"});
    makeFolder("upper", {"3SPR0000.BMP"});
    const QString root = m_Dir->path();
    paths.replaceInStrings("@\\", QString(root).replace('/', '\\') + '\\');
    paths.replaceInStrings("@", root);
    frmSetPaths dialog;
    for (int i = 0; i < 3; ++i)
        dialog.txtPath[i]->setText(paths[i]);
    dialog.show();
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    QCOMPARE(dialog.Cancelled, !accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    if (accepted) {
        QVERIFY(m_Prompts->messages.empty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    const auto& message = m_Prompts->messages.front();
    QCOMPARE(message.text, QStringLiteral("All paths must be valid!"));
    QVERIFY(message.title.isEmpty()); // the program's title
    QCOMPARE(message.icon, Prompts::Icon::None);
    QCOMPARE(message.buttons, Prompts::Buttons::Ok);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(dialog.txtPath[i]->text(), paths[i]);
}

void SetPathsTest::enterActsAsOkAndEscapeAsCancel() {
    const QString tiles = makeFolder(QStringLiteral("tiles"), {QStringLiteral("1til0000.bmp")});
    {
        frmSetPaths dialog;
        for (QLineEdit* box : dialog.txtPath)
            box->setText(tiles);
        dialog.show();
        QTest::keyClick(dialog.txtPath[1], Qt::Key_Return);
        QVERIFY(!dialog.Cancelled);
        QVERIFY(!dialog.isVisible());
    }
    {
        frmSetPaths dialog;
        for (QLineEdit* box : dialog.txtPath)
            box->setText(tiles);
        dialog.show();
        QTest::keyClick(dialog.txtPath[0], Qt::Key_Escape);
        QVERIFY(dialog.Cancelled);
        QVERIFY(!dialog.isVisible());
        QVERIFY(m_Prompts->messages.empty());
    }
    {
        // Enter with an empty box is an OK that fails.
        frmSetPaths dialog;
        dialog.show();
        QTest::keyClick(dialog.txtPath[0], Qt::Key_Enter);
        QCOMPARE(m_Prompts->messages.size(), size_t(1));
        QVERIFY(dialog.isVisible());
        // Cancel after a refused OK still cancels.
        QTest::mouseClick(dialog.cmdCancel, Qt::LeftButton);
        QVERIFY(dialog.Cancelled);
        QVERIFY(!dialog.isVisible());
    }
}

GM_TEST_MAIN(SetPathsTest)
#include "tst_frmSetPaths.moc"
