// The paths dialog's optional game folder rows: shown from the settings
// file, checked and stored by OK.

#include "GameFolderSettings.h"
#include "app/AppSandbox.h"
#include "frmSetPaths.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class tst_SetPathsGameFolders : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(m_Sandbox.Begin());
        QVERIFY(m_Folders.isValid());
        for (const char* name : {"1til0000.bmp", "KEEN1.EXE", "keen3.exe"}) {
            QFile file(m_Folders.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    void cleanup() { m_Sandbox.End(); }

    void rowsAreCheckedAndStored() {
        QVERIFY(GameFolderSettings::Write(2, "/old/keen2"));
        frmSetPaths dialog;
        for (int i = 0; i < 3; ++i)
            dialog.txtPath[i]->setText(m_Folders.path());
        QCOMPARE(dialog.txtGamePath[1]->text(), QString("/old/keen2"));
        // Episode 2's folder holds no KEEN2.EXE: OK refuses and says so.
        dialog.txtGamePath[0]->setText(m_Folders.path());
        dialog.cmdOK->click();
        QVERIFY(dialog.Cancelled);
        QCOMPARE(m_Sandbox.prompts->lastMessage()->text,
                 QString("The game folder of Keen 2 does not hold KEEN2.EXE."));
        QCOMPARE(GameFolderSettings::Read(1), QString());

        dialog.txtGamePath[1]->clear();
        dialog.txtGamePath[2]->setText(m_Folders.path()); // keen3.exe in any case
        dialog.cmdOK->click();
        QVERIFY(!dialog.Cancelled);
        QCOMPARE(GameFolderSettings::Read(1), m_Folders.path());
        QCOMPARE(GameFolderSettings::Read(2), QString());
        QCOMPARE(GameFolderSettings::Read(3), m_Folders.path());
    }

    void browseTakesTheProgramsFolder() {
        frmSetPaths dialog;
        m_Sandbox.prompts->files.push_back(
            ScriptedPrompts::File::Choose(m_Folders.filePath("keen3.exe")));
        dialog.cmdGameBrowse[2]->click();
        QCOMPARE(dialog.txtGamePath[2]->text(), m_Folders.path());
        QVERIFY(m_Sandbox.prompts->fileRequests.at(0).filters.join(' ').contains("KEEN3.EXE"));
    }

private:
    AppSandbox m_Sandbox;
    QTemporaryDir m_Folders;
};

QTEST_MAIN(tst_SetPathsGameFolders)
#include "tst_SetPathsGameFolders.moc"
