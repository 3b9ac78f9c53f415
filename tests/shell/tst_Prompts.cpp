// The real windows behind the Prompts seam: Qt's message boxes and file
// dialogs, as the program shows them when no test has installed its own.

#include "Prompts.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TestMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QStringList LevelFilters = {"All Levels (Level??.ck?)", "Keen 1 Levels (Level??.ck1)",
                                  "Keen 2 Levels (Level??.ck2)", "Keen 3 Levels (Level??.ck3)"};

// Runs `check` on the first modal window to appear while `run` waits on it.
// Whatever the check does, even when one of its verifications fails, the
// window is closed afterwards, so that a failure never leaves the test
// waiting on a modal window.
void whenModalAppears(const std::function<void(QWidget*)>& check) {
    auto* poll = new QTimer;
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            const QPointer<QWidget> window = modal;
            check(modal);
            if (auto* dialog = qobject_cast<QDialog*>(window.data()); dialog && dialog->isVisible())
                dialog->reject();
        }
    });
    poll->start();
}

} // namespace

class PromptsTest : public QObject {
    Q_OBJECT

private slots:
    void realFileDialogMatchesAnyLetterCase_data();
    void realFileDialogMatchesAnyLetterCase();
    void realMessageBoxShowsTitleIconAndButtons();
    void realMessageBoxAnswers_data();
    void realMessageBoxAnswers();
    void nativeDialogsSetting_data();
    void nativeDialogsSetting();
    void anyCaseFilters_data();
    void anyCaseFilters();
};

// The real dialog, with the caption, folder and filters asked for, and
// name filters that match the game's files in any letter case: Qt's own
// when the settings file asks for it, else the platform's, for which Qt's
// stands in here, naming the filters without their patterns.
void PromptsTest::realFileDialogMatchesAnyLetterCase_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("shownFilter");
    QTest::newRow("Qt's own") << "false"
                              << "All Levels (Level??.ck?)";
    QTest::newRow("the platform's") << ""
                                    << "All Levels";
}

void PromptsTest::realFileDialogMatchesAnyLetterCase() {
    QFETCH(QString, setting);
    QFETCH(QString, shownFilter);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTemporaryDir settings;
    Settings::SetFoldersForTesting(settings.path(), settings.path());
    const auto restore = qScopeGuard([] { Settings::SetFoldersForTesting({}, {}); });
    QVERIFY(Settings::Write("Options", "NativeDialogs", setting));
    for (const char* name : {"LEVEL01.CK1", "level02.ck1", "Level03.Ck2", "notes.txt"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    QStringList listed;
    QString caption;
    QString shown;
    whenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        caption = dialog->windowTitle();
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        shown = types->currentText();
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(view);
        // The folder is read in the background.
        QTRY_VERIFY_WITH_TIMEOUT(view->model()->rowCount(view->rootIndex()) >= 3, 20000);
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
            listed << view->model()->index(r, 0, view->rootIndex()).data().toString();
        dialog->selectNameFilter(dialog->nameFilters().at(1));
        // The name typed as a user types it and Open pressed: the choice
        // does not wait on the folder view, which the new filter makes
        // Qt read again in the background.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(QStringLiteral("LEVEL01.CK1"));
        static_cast<QDialog*>(dialog)->accept();
    });

    Prompts::FileRequest request;
    request.caption = QStringLiteral("Open Levels");
    request.initialDir = dir.path();
    request.filters = LevelFilters;
    request.fileMustExist = true;
    QStringList files;
    const bool chosen = Prompts::Current().ChooseFile(request, files);
    listed.sort();
    QCOMPARE(caption, QStringLiteral("Open Levels"));
    QCOMPARE(shown, shownFilter);
    QCOMPARE(listed, QStringList({"LEVEL01.CK1", "Level03.Ck2", "level02.ck1"}));
    QVERIFY(chosen);
    QCOMPARE(files.size(), 1);
    QCOMPARE(QFileInfo(files.front()).canonicalFilePath(),
             QFileInfo(dir.filePath("LEVEL01.CK1")).canonicalFilePath());
    // The filter chosen in the dialog comes back, from 1.
    QCOMPARE(request.filterIndex, 2);
}

void PromptsTest::realMessageBoxShowsTitleIconAndButtons() {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    whenModalAppears([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = int(box->standardButtons());
        box->button(QMessageBox::No)->click();
    });
    const Prompts::Answer answer =
        Prompts::Current().Message(nullptr, QStringLiteral("first\r\nsecond"), QString(),
                                   Prompts::Buttons::YesNoCancel, Prompts::Icon::Critical);
    QCOMPARE(answer, Prompts::Answer::No);
    QCOMPARE(title, QStringLiteral("Gridmason"));
    QCOMPARE(text, QStringLiteral("first\nsecond"));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
}

// The answers of the button sets beyond Yes, No and Cancel, clicked on the
// real message box, and Escape.
void PromptsTest::realMessageBoxAnswers_data() {
    QTest::addColumn<Prompts::Buttons>("buttons");
    QTest::addColumn<QString>("click"); // a button's text without "&"; "" for Escape
    QTest::addColumn<Prompts::Answer>("answer");
    using B = Prompts::Buttons;
    using A = Prompts::Answer;
    QTest::newRow("save") << B::SaveDiscardCancel << "Save" << A::Save;
    QTest::newRow("discard") << B::SaveDiscardCancel << "Discard" << A::Discard;
    QTest::newRow("overwrite") << B::OverwriteSaveAsCancel << "Overwrite" << A::Overwrite;
    QTest::newRow("save as") << B::OverwriteSaveAsCancel << "Save As" << A::SaveAs;
    QTest::newRow("escape from overwrite") << B::OverwriteSaveAsCancel << "" << A::Cancel;
    QTest::newRow("save all") << B::SaveAllDiscardAllCancel << "Save All" << A::Save;
    QTest::newRow("discard all") << B::SaveAllDiscardAllCancel << "Discard All" << A::Discard;
    QTest::newRow("escape from save all") << B::SaveAllDiscardAllCancel << "" << A::Cancel;
}

void PromptsTest::realMessageBoxAnswers() {
    QFETCH(Prompts::Buttons, buttons);
    QFETCH(QString, click);
    QFETCH(Prompts::Answer, answer);
    QStringList shown;
    whenModalAppears([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons())
            shown << button->text().remove('&');
        if (click.isEmpty())
            QTest::keyClick(box, Qt::Key_Escape);
        else
            QVERIFY(ScriptedPrompts::click(*box, click));
    });
    QCOMPARE(Prompts::Current().Message(nullptr, QStringLiteral("LEVEL01.CK1"), QString(), buttons,
                                        Prompts::Icon::Question),
             answer);
    QCOMPARE(shown.size(), 3);
    if (!click.isEmpty())
        QVERIFY(shown.contains(click));
}

void PromptsTest::nativeDialogsSetting_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("native");
    QTest::newRow("not set") << "" << true;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("False, spaced") << " False " << false;
    QTest::newRow("off") << "OFF" << false;
    QTest::newRow("1") << "1" << true;
}

void PromptsTest::nativeDialogsSetting() {
    QFETCH(QString, setting);
    QFETCH(bool, native);
    QCOMPARE(Prompts::NativeDialogsWanted(setting), native);
}

void PromptsTest::anyCaseFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("anyCase");
    QTest::newRow("mixed") << "Keen 1 Levels (Level??.ck1)"
                           << "Keen 1 Levels (Level??.ck1 LEVEL??.CK1 level??.ck1)";
    QTest::newRow("upper") << "All (LEVEL??.CK?)"
                           << "All (LEVEL??.CK? level??.ck?)";
    QTest::newRow("no letters") << "Any (*)"
                                << "Any (*)";
    QTest::newRow("two patterns") << "Bitmaps (*.bmp *.Png)"
                                  << "Bitmaps (*.bmp *.BMP *.Png *.PNG *.png)";
    QTest::newRow("brackets in the name") << "Keen (1) (*.ck1)"
                                          << "Keen (1) (*.ck1 *.CK1)";
    QTest::newRow("no patterns") << "Levels"
                                 << "Levels";
}

void PromptsTest::anyCaseFilters() {
    QFETCH(QString, filter);
    QFETCH(QString, anyCase);
    QCOMPARE(Prompts::AnyCaseFilters({filter}), QStringList{anyCase});
}

GM_TEST_MAIN(PromptsTest)
#include "tst_Prompts.moc"
