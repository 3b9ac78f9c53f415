#include "Prompts.h"
#include "ScriptedPrompts.h"
#include "TestMain.h"
#include "Utils.h"
#include "cCommonDialog.h"

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

const QString LevelFilter =
    QStringLiteral("All Levels|Level??.ck?|Keen 1 Levels|Level??.ck1|Keen 2 Levels|Level??.ck2|"
                   "Keen 3 Levels|Level??.ck3");

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

struct OpenCall {
    QString fileName;
    QString fileTitle;
    bool readOnly = false;
    QString filter = LevelFilter;
    qint32 filterIndex = 1;
    qint32 flags = 0x280000;
    bool result = false;

    bool run(cCommonDialog& dialog, bool mustExist = true) {
        result = dialog.VBGetOpenFileName(fileName, fileTitle, mustExist, false, readOnly, true,
                                          filter, filterIndex, QStringLiteral("C:\\games\\levels"),
                                          QStringLiteral("Open Levels"), QString(), nullptr, flags);
        return result;
    }
};

} // namespace

class CommonDialogTest : public QObject {
    Q_OBJECT

private slots:
    void translatesFilterForThePlatform();
    void translatesFilterForQt();
    void buildsOptions();
    void choosingAFileFillsTheOutputs();
    void cancellingEmptiesTheOutputs();
    void saveAddsDefaultExtensionAndAsksBeforeReplacing();
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

void CommonDialogTest::translatesFilterForThePlatform() {
    const QString bitmaps = cCommonDialog::NulSeparatedFilter(QStringLiteral("Keen Bitmaps|*.bmp"));
    QCOMPARE(bitmaps, QString::fromLatin1("Keen Bitmaps\0*.bmp\0\0", 20));

    // A colon separates items just as a bar does.
    const QString colon = cCommonDialog::NulSeparatedFilter(QStringLiteral("Drive C: files|*.x"));
    QCOMPARE(colon, QString::fromLatin1("Drive C\0 files\0*.x\0\0", 20));
    QCOMPARE(cCommonDialog::FilterItems(QStringLiteral("Drive C: files|*.x")),
             QStringList({"Drive C", " files", "*.x"}));
}

void CommonDialogTest::translatesFilterForQt() {
    QCOMPARE(cCommonDialog::QtNameFilters(LevelFilter),
             QStringList({"All Levels (Level??.ck?)", "Keen 1 Levels (Level??.ck1)",
                          "Keen 2 Levels (Level??.ck2)", "Keen 3 Levels (Level??.ck3)"}));
    // Several patterns in one item; a description left without a pattern.
    QCOMPARE(cCommonDialog::QtNameFilters(QStringLiteral("Pictures|*.bmp;*.dib|All")),
             QStringList({"Pictures (*.bmp *.dib)"}));
    // An empty pattern offers every file rather than none.
    QCOMPARE(cCommonDialog::QtNameFilters(QStringLiteral("Anything||Bitmaps|*.bmp")),
             QStringList({"Anything (*)", "Bitmaps (*.bmp)"}));
    QVERIFY(cCommonDialog::QtNameFilters(QString()).isEmpty());
}

void CommonDialogTest::buildsOptions() {
    QCOMPARE(cCommonDialog::OpenOptions(true, false, false, true, 0x280000), 0x281004);
    QCOMPARE(cCommonDialog::OpenOptions(false, true, true, false, 0x280060), 0x280201);
    QCOMPARE(cCommonDialog::SaveOptions(true, 0x280000), 0x280006);
    QCOMPARE(cCommonDialog::SaveOptions(false, 0x20), 0x4);
}

void CommonDialogTest::choosingAFileFillsTheOutputs() {
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    prompts.files.push_back(ScriptedPrompts::File::Choose("/data/keen/LEVEL05.CK1", 2));

    cCommonDialog dialog;
    OpenCall call;
    QVERIFY(call.run(dialog));
    QCOMPARE(dialog.APIReturn(), 1);
    QCOMPARE(dialog.ExtendedError(), 0);
    QCOMPARE(call.fileName, QStringLiteral("/data/keen/LEVEL05.CK1"));
    QCOMPARE(call.fileTitle, QStringLiteral("LEVEL05.CK1"));
    QCOMPARE(call.filterIndex, 2);
    QCOMPARE(call.filter, QStringLiteral("Keen 1 Levels"));
    QCOMPARE(call.flags, 0x281004);
    QCOMPARE(call.readOnly, false);

    QCOMPARE(prompts.fileRequests.size(), size_t(1));
    const Prompts::FileRequest& request = prompts.fileRequests.front();
    QVERIFY(!request.save);
    QCOMPARE(request.caption, QStringLiteral("Open Levels"));
    QCOMPARE(request.initialDir, QStringLiteral("C:/games/levels"));
    QCOMPARE(request.filters.size(), 4);
    QCOMPARE(request.filterIndex, 1);
    QVERIFY(request.fileMustExist);
    QVERIFY(!request.overwritePrompt);

    // A second call through the same object starts afresh.
    prompts.files.push_back(ScriptedPrompts::File::Cancel());
    OpenCall again;
    QVERIFY(!again.run(dialog, false));
    QCOMPARE(dialog.APIReturn(), 0);
    QVERIFY(!prompts.fileRequests.back().fileMustExist);
}

void CommonDialogTest::cancellingEmptiesTheOutputs() {
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    prompts.files.push_back(ScriptedPrompts::File::Cancel());

    cCommonDialog dialog;
    OpenCall call;
    call.fileName = QStringLiteral("LEVEL01.CK1");
    call.fileTitle = QStringLiteral("title");
    QVERIFY(!call.run(dialog));
    QCOMPARE(dialog.APIReturn(), 0);
    QVERIFY(call.fileName.isEmpty());
    QVERIFY(call.fileTitle.isEmpty());
    QVERIFY(call.filter.isEmpty());
    QCOMPARE(call.flags, 0);
    QCOMPARE(call.filterIndex, 1);

    // Save As cancelled likewise.
    QString fileName = QStringLiteral("/x/LEVEL01.CK1");
    QString fileTitle;
    QString filter = LevelFilter;
    qint32 filterIndex = 1;
    qint32 flags = 0x280000;
    QVERIFY(!dialog.VBGetSaveFileName(fileName, fileTitle, true, filter, filterIndex,
                                      QStringLiteral("/x"), QStringLiteral("Save File As"),
                                      QString(), nullptr, flags));
    QVERIFY(fileName.isEmpty());
    QCOMPARE(flags, 0);
}

void CommonDialogTest::saveAddsDefaultExtensionAndAsksBeforeReplacing() {
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    prompts.files.push_back(ScriptedPrompts::File::Choose("/x/level07"));

    cCommonDialog dialog;
    QString fileName = QStringLiteral("/x/LEVEL01.CK1");
    QString fileTitle;
    QString filter = LevelFilter;
    qint32 filterIndex = 1;
    qint32 flags = 0x280000;
    QVERIFY(dialog.VBGetSaveFileName(fileName, fileTitle, true, filter, filterIndex,
                                     QStringLiteral("/x"), QStringLiteral("Save File As"),
                                     QStringLiteral("ck2"), nullptr, flags));
    QCOMPARE(fileName, QStringLiteral("/x/level07.ck2"));
    QCOMPARE(fileTitle, QStringLiteral("level07.ck2"));
    QCOMPARE(flags, 0x280006);
    const Prompts::FileRequest& request = prompts.fileRequests.front();
    QVERIFY(request.save);
    QVERIFY(request.overwritePrompt);
    QCOMPARE(request.fileName, QStringLiteral("/x/LEVEL01.CK1"));

    QCOMPARE(cCommonDialog::WithDefaultExtension("/a.b/name", "ck1"),
             QStringLiteral("/a.b/name.ck1"));
    QCOMPARE(cCommonDialog::WithDefaultExtension("/a/name.ck3", "ck1"),
             QStringLiteral("/a/name.ck3"));
    QCOMPARE(cCommonDialog::WithDefaultExtension("/a/name", ""), QStringLiteral("/a/name"));
}

// The real dialog, with the caption, folder and filters asked for, and
// name filters that match the game's files in any letter case: Qt's own
// when the settings file asks for it, else the platform's, for which Qt's
// stands in here, naming the filters without their patterns.
void CommonDialogTest::realFileDialogMatchesAnyLetterCase_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("shownFilter");
    QTest::newRow("Qt's own") << "false"
                              << "All Levels (Level??.ck?)";
    QTest::newRow("the platform's") << ""
                                    << "All Levels";
}

void CommonDialogTest::realFileDialogMatchesAnyLetterCase() {
    QFETCH(QString, setting);
    QFETCH(QString, shownFilter);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTemporaryDir settings;
    SetSettingsDirectoriesForTesting(settings.path(), settings.path());
    const auto restore = qScopeGuard([] { SetSettingsDirectoriesForTesting({}, {}); });
    QVERIFY(WriteSetting("Options", "NativeDialogs", setting));
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

    cCommonDialog dialog;
    QString fileName;
    QString fileTitle;
    bool readOnly = false;
    QString filter = LevelFilter;
    qint32 filterIndex = 1;
    qint32 flags = 0x280000;
    const bool chosen = dialog.VBGetOpenFileName(
        fileName, fileTitle, true, false, readOnly, true, filter, filterIndex, dir.path(),
        QStringLiteral("Open Levels"), QString(), nullptr, flags);
    listed.sort();
    QCOMPARE(caption, QStringLiteral("Open Levels"));
    QCOMPARE(shown, shownFilter);
    QCOMPARE(listed, QStringList({"LEVEL01.CK1", "Level03.Ck2", "level02.ck1"}));
    QVERIFY(chosen);
    QCOMPARE(QFileInfo(fileName).canonicalFilePath(),
             QFileInfo(dir.filePath("LEVEL01.CK1")).canonicalFilePath());
    QCOMPARE(filterIndex, 2);
}

void CommonDialogTest::realMessageBoxShowsTitleIconAndButtons() {
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
void CommonDialogTest::realMessageBoxAnswers_data() {
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
}

void CommonDialogTest::realMessageBoxAnswers() {
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

void CommonDialogTest::nativeDialogsSetting_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("native");
    QTest::newRow("not set") << "" << true;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("False, spaced") << " False " << false;
    QTest::newRow("off") << "OFF" << false;
    QTest::newRow("1") << "1" << true;
}

void CommonDialogTest::nativeDialogsSetting() {
    QFETCH(QString, setting);
    QFETCH(bool, native);
    QCOMPARE(Prompts::NativeDialogsWanted(setting), native);
}

void CommonDialogTest::anyCaseFilters_data() {
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

void CommonDialogTest::anyCaseFilters() {
    QFETCH(QString, filter);
    QFETCH(QString, anyCase);
    QCOMPARE(Prompts::AnyCaseFilters({filter}), QStringList{anyCase});
}

GM_TEST_MAIN(CommonDialogTest)
#include "tst_cCommonDialog.moc"
