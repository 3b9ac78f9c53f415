#include "ScriptedPrompts.h"
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
    void okChecksEveryFolderForABitmap();
    void okPassesWithBitmapsInAnyLetterCase();
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

void SetPathsTest::showsThreeRows() {
    frmSetPaths dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Paths"));
    QVERIFY(dialog.Cancelled);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(dialog.Label1[i]->text(), QStringLiteral("Keen &%1 Path:").arg(i + 1));
        QCOMPARE(dialog.Label1[i]->buddy(), dialog.txtPath[i]);
        QCOMPARE(dialog.cmdBrowse[i]->text(), QStringLiteral("Browse..."));
        QVERIFY(dialog.txtPath[i]->text().isEmpty());
    }
    QCOMPARE(dialog.cmdOK->text(), QStringLiteral("OK"));
    QVERIFY(dialog.cmdOK->isDefault());
    QCOMPARE(dialog.cmdCancel->text(), QStringLiteral("Cancel"));
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

void SetPathsTest::okChecksEveryFolderForABitmap() {
    const QString good = makeFolder(QStringLiteral("good"), {QStringLiteral("1til0000.bmp")});
    const QString noBitmap = makeFolder(QStringLiteral("nobitmap"),
                                        {QStringLiteral("readme.txt"), QStringLiteral("bmp"),
                                         QStringLiteral("x.bmp.txt"), QStringLiteral("dir.bmp/")});
    const QString hidden = makeFolder(QStringLiteral("hidden"), {QStringLiteral(".secret.bmp")});

    struct Case {
        QString paths[3];
    };
    const Case refused[] = {
        {{good, QString(), good}},
        {{good, good, noBitmap}},
        {{hidden, good, good}},
        {{good, m_Dir->filePath(QStringLiteral("missing")), good}},
        {{good, good, good + QStringLiteral("/1til0000.bmp")}},
    };
    for (const Case& c : refused) {
        frmSetPaths dialog;
        for (int i = 0; i < 3; ++i)
            dialog.txtPath[i]->setText(c.paths[i]);
        m_Prompts->messages.clear();
        dialog.show();
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        QCOMPARE(m_Prompts->messages.size(), size_t(1));
        const auto& message = m_Prompts->messages.front();
        QCOMPARE(message.text, QStringLiteral("All paths must be valid!"));
        QVERIFY(message.title.isEmpty()); // the program's title
        QCOMPARE(message.icon, Prompts::Icon::None);
        QCOMPARE(message.buttons, Prompts::Buttons::Ok);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Cancelled);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(dialog.txtPath[i]->text(), c.paths[i]);
    }
}

void SetPathsTest::okPassesWithBitmapsInAnyLetterCase() {
    const QString tiles = makeFolder(QStringLiteral("tiles"), {QStringLiteral("TILES.Bmp")});
    const QString upper = makeFolder(QStringLiteral("upper"), {QStringLiteral("3SPR0000.BMP")});
    frmSetPaths dialog;
    dialog.txtPath[0]->setText(tiles);
    // A folder typed with Windows separators is read with "/".
    dialog.txtPath[1]->setText(QString(upper).replace(QLatin1Char('/'), QLatin1Char('\\')));
    dialog.txtPath[2]->setText(tiles + QLatin1Char('/'));
    dialog.show();
    QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    QVERIFY(m_Prompts->messages.empty());
    QVERIFY(!dialog.Cancelled);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
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

QTEST_MAIN(SetPathsTest)
#include "tst_frmSetPaths.moc"
