#include "AppSandbox.h"
#include "DemoGraphics.h"
#include "HelpMenu.h"
#include "ScriptedPrompts.h"
#include "TestData.h"
#include "Utils.h"
#include "WindowMenu.h"
#include "editor/LevelEdits.h"
#include "frmEdit.h"
#include "frmMain.h"
#include "frmProperties.h"
#include "frmSetPaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString Paths = QStringLiteral("Paths");

QString key(int index) {
    return QStringLiteral("Keen %1").arg(index + 1);
}

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    return titles;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithValidPathsWithoutAsking();
    void firstStartAsksForThePaths();
    void missingKeyAsksWithTheOtherPathsFilled();
    void folderWithoutTheImagesAsksAgain();
    void setPathsFailureKeepsTheSetsLoadedBefore();
    void cancelAtStartEndsTheProgram();
    void firstStartBesideTheDemoGraphicsNeedsNoQuestions();
    void newOpensAnEditorOnTheChosenLevel();
    void openLoadsLevelsWithTheirEpisodesSets();
    void openLoadsRealLevelFiles();
    void openRefusesNamesWithoutAnEpisode();
    void openOfADamagedFileOpensNoWindow();
    void editorMenusTakeThePlaceOfTheMainMenus();
    void exitAsksForModifiedLevelsAndCancelStopsIt();

private:
    QString demoFolder(int index) const {
        return DemoGraphics::EpisodeFolder(m_Demo.path(), index + 1);
    }
    void writeDemoPaths();
    // A started main window on the demo graphics, shown.
    std::unique_ptr<frmMain> startedWindow();
    frmEdit* newLevel(frmMain& window, int width, int height, int episodeIndex, bool map);
    // A copy of an episode's demo folder without one of its files.
    QString folderWithout(int index, const QString& fileName);

    QTemporaryDir m_Demo;
    AppSandbox m_Sandbox;
};

void MainWindowTest::initTestCase() {
    QVERIFY(m_Demo.isValid());
    const IoResult made = DemoGraphics::Generate(m_Demo.path());
    QVERIFY2(made.ok, qPrintable(made.error));
}

void MainWindowTest::init() {
    QVERIFY(m_Sandbox.Begin());
}

void MainWindowTest::cleanup() {
    m_Sandbox.End();
}

void MainWindowTest::writeDemoPaths() {
    for (int i = 0; i < 3; ++i)
        QVERIFY(WriteSetting(Paths, key(i), demoFolder(i)));
}

std::unique_ptr<frmMain> MainWindowTest::startedWindow() {
    writeDemoPaths();
    auto window = std::make_unique<frmMain>();
    window->SetProgramFolder(m_Sandbox.program->path());
    if (!window->Form_Load())
        return nullptr;
    window->show();
    return window;
}

frmEdit* MainWindowTest::newLevel(frmMain& window, int width, int height, int episodeIndex,
                                  bool map) {
    m_Sandbox.prompts->dialogs.push_back([=](QDialog& dialog) {
        auto& properties = static_cast<frmProperties&>(dialog);
        QTest::keyClicks(properties.txtWidth, QString::number(width));
        QTest::keyClicks(properties.txtHeight, QString::number(height));
        properties.lstEpisode->setCurrentIndex(episodeIndex);
        properties.chkMapLevel->setChecked(map);
        QTest::mouseClick(properties.OKButton, Qt::LeftButton);
    });
    const int before = int(window.Editors().size());
    window.mnuFileNew_Click();
    if (window.Editors().size() != before + 1)
        return nullptr;
    return window.Editors().back();
}

QString MainWindowTest::folderWithout(int index, const QString& fileName) {
    const QString folder = m_Sandbox.program->filePath(QStringLiteral("partial%1").arg(index + 1));
    QDir().mkpath(folder);
    const QDir source(demoFolder(index));
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name.compare(fileName, Qt::CaseInsensitive) != 0)
            QFile::copy(source.filePath(name), folder + QLatin1Char('/') + name);
    }
    return folder;
}

void MainWindowTest::startsWithValidPathsWithoutAsking() {
    auto window = startedWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Gridmason v0.5"));
    QVERIFY(m_Sandbox.prompts->shownDialogs.empty());
    QVERIFY(m_Sandbox.prompts->messages.empty());
    QVERIFY(window->Editors().isEmpty());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(window->m_Paths[i], demoFolder(i));
        QVERIFY(window->TileSets(i).Count() > 0);
        QVERIFY(window->SpriteSets(i).Count() > 0);
    }
    // Each episode has its own sets.
    QVERIFY(window->TileSets(0).Tiles() != window->TileSets(2).Tiles());
    // Indices outside the episodes give empty sets, never another's.
    QCOMPARE(window->TileSets(3).Count(), qint16(0));
    QCOMPARE(window->SpriteSets(-1).Count(), qint16(0));

    QCOMPARE(menuTitles(window->menuBar()), QStringList({"&File", "&Window", "&Help"}));
    QStringList items;
    for (QAction* action : window->mnuFile->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items,
             QStringList({"&New", "&Open", "Recent Files", "-", "Set &Paths", "-", "E&xit"}));
}

void MainWindowTest::firstStartAsksForThePaths() {
    QStringList shownTexts;
    m_Sandbox.prompts->dialogs.push_back([&](QDialog& dialog) {
        auto& paths = static_cast<frmSetPaths&>(dialog);
        for (int i = 0; i < 3; ++i) {
            shownTexts << paths.txtPath[i]->text();
            paths.txtPath[i]->setText(demoFolder(i));
        }
        QTest::mouseClick(paths.cmdOK, Qt::LeftButton);
    });
    frmMain window;
    window.SetProgramFolder(m_Sandbox.program->path());
    QVERIFY(window.Form_Load());

    QCOMPARE(m_Sandbox.prompts->shownDialogs.size(), size_t(1));
    QCOMPARE(m_Sandbox.prompts->shownDialogs.front().title, QStringLiteral("Set Paths"));
    QCOMPARE(shownTexts, QStringList({"", "", ""}));
    QVERIFY(m_Sandbox.prompts->messages.empty());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(ReadSetting(Paths, key(i)), demoFolder(i));
        QVERIFY(window.TileSets(i).Count() > 0);
        QVERIFY(window.SpriteSets(i).Count() > 0);
    }
}

void MainWindowTest::missingKeyAsksWithTheOtherPathsFilled() {
    QVERIFY(WriteSetting(Paths, key(0), demoFolder(0)));
    QVERIFY(WriteSetting(Paths, key(2), demoFolder(2)));
    QStringList shownTexts;
    m_Sandbox.prompts->dialogs.push_back([&](QDialog& dialog) {
        auto& paths = static_cast<frmSetPaths&>(dialog);
        for (QLineEdit* box : paths.txtPath)
            shownTexts << box->text();
        paths.txtPath[1]->setText(demoFolder(1));
        QTest::keyClick(paths.txtPath[1], Qt::Key_Return);
    });
    frmMain window;
    window.SetProgramFolder(m_Sandbox.program->path());
    QVERIFY(window.Form_Load());
    QCOMPARE(shownTexts, QStringList({demoFolder(0), "", demoFolder(2)}));
    QCOMPARE(ReadSetting(Paths, key(1)), demoFolder(1));
    QVERIFY(window.TileSets(1).Count() > 0);
    QVERIFY(m_Sandbox.prompts->messages.empty());
}

// A folder that has bitmaps but not the tile sheet passes the dialog's
// check; loading finds it out, says so and asks again until the images
// load.
void MainWindowTest::folderWithoutTheImagesAsksAgain() {
    const QString partial = folderWithout(2, QStringLiteral("3til0000.bmp"));
    QVERIFY(WriteSetting(Paths, key(0), demoFolder(0)));
    QVERIFY(WriteSetting(Paths, key(1), demoFolder(1)));
    QVERIFY(WriteSetting(Paths, key(2), partial));

    QStringList shownThird;
    const auto answer = [&](const QString& third) {
        return [&, third](QDialog& dialog) {
            auto& paths = static_cast<frmSetPaths&>(dialog);
            shownThird << paths.txtPath[2]->text();
            paths.txtPath[2]->setText(third);
            QTest::mouseClick(paths.cmdOK, Qt::LeftButton);
        };
    };
    m_Sandbox.prompts->dialogs.push_back(answer(partial));       // OK again on the same folder
    m_Sandbox.prompts->dialogs.push_back(answer(demoFolder(2))); // then the right one

    frmMain window;
    window.SetProgramFolder(m_Sandbox.program->path());
    QVERIFY(window.Form_Load());

    QCOMPARE(m_Sandbox.prompts->messages.size(), size_t(2));
    for (const auto& message : m_Sandbox.prompts->messages) {
        QCOMPARE(message.text, QStringLiteral("One or more of the image paths did not contain the "
                                              "required images!\r\nPlease re-enter the paths."));
        QVERIFY(message.title.isEmpty());
        QCOMPARE(message.icon, Prompts::Icon::Critical);
        QCOMPARE(message.buttons, Prompts::Buttons::Ok);
    }
    QCOMPARE(m_Sandbox.prompts->shownDialogs.size(), size_t(2));
    QCOMPARE(shownThird, QStringList({partial, partial}));
    QCOMPARE(ReadSetting(Paths, key(2)), demoFolder(2));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(window.TileSets(i).Count() > 0);
        QVERIFY(window.SpriteSets(i).Count() > 0);
    }
}

void MainWindowTest::setPathsFailureKeepsTheSetsLoadedBefore() {
    auto window = startedWindow();
    QVERIFY(window);
    const Picture oldSprites3 = window->SpriteSets(2).Sprites(1);
    const QString partial = folderWithout(2, QStringLiteral("3TIL0000.BMP"));
    m_Sandbox.prompts->dialogs.push_back([&](QDialog& dialog) {
        auto& paths = static_cast<frmSetPaths&>(dialog);
        paths.txtPath[2]->setText(partial);
        QTest::mouseClick(paths.cmdOK, Qt::LeftButton);
    });
    m_Sandbox.prompts->dialogs.push_back([&](QDialog& dialog) {
        QTest::mouseClick(static_cast<frmSetPaths&>(dialog).cmdCancel, Qt::LeftButton);
    });
    window->mnuFileSetPaths->trigger();

    QCOMPARE(m_Sandbox.prompts->messages.size(), size_t(1));
    QCOMPARE(m_Sandbox.prompts->shownDialogs.size(), size_t(2));
    QVERIFY(window->TileSets(0).Count() > 0);
    QVERIFY(window->TileSets(1).Count() > 0);
    QCOMPARE(window->TileSets(2).Count(), qint16(0));
    // The sprite sets were not reached: they stay as they were.
    QCOMPARE(window->SpriteSets(2).Sprites(1), oldSprites3);
    QCOMPARE(ReadSetting(Paths, key(2)), partial);

    // The program runs on: a new level of the episode draws with no tiles.
    frmEdit* editor = newLevel(*window, 30, 20, 2, false);
    QVERIFY(editor);
    QCOMPARE(editor->Tiles().Count(), qint16(0));
}

void MainWindowTest::cancelAtStartEndsTheProgram() {
    QVERIFY(WriteSetting(Paths, key(0), demoFolder(0)));
    m_Sandbox.prompts->dialogs.push_back([](QDialog& dialog) {
        QTest::keyClick(static_cast<frmSetPaths&>(dialog).txtPath[0], Qt::Key_Escape);
    });
    frmMain window;
    window.SetProgramFolder(m_Sandbox.program->path());
    QVERIFY(!window.Form_Load());
    QCOMPARE(m_Sandbox.prompts->shownDialogs.size(), size_t(1));
    QVERIFY(m_Sandbox.prompts->messages.empty());
    QVERIFY(ReadSetting(Paths, key(1)).isEmpty());
    QCOMPARE(window.TileSets(0).Count(), qint16(0));
}

void MainWindowTest::firstStartBesideTheDemoGraphicsNeedsNoQuestions() {
    // Beside the demo graphics, with no settings file yet.
    SetSettingsDirectoriesForTesting(m_Demo.path(), m_Sandbox.config->path());
    QFile::remove(SettingsFilePath());
    {
        frmMain window;
        window.SetProgramFolder(m_Demo.path());
        QVERIFY(window.Form_Load());
        QVERIFY(m_Sandbox.prompts->shownDialogs.empty());
        QVERIFY(m_Sandbox.prompts->messages.empty());
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(ReadSetting(Paths, key(i)), demoFolder(i));
            QVERIFY(window.TileSets(i).Count() > 0);
        }
    }
    // A settings file of the user's is never replaced by the demo paths.
    QVERIFY(WriteSetting(Paths, key(0), QString()));
    {
        frmMain window;
        window.SetProgramFolder(m_Demo.path());
        QVERIFY(!window.Form_Load()); // asked; the scripted dialog closes as Cancel
        QCOMPARE(m_Sandbox.prompts->shownDialogs.size(), size_t(1));
        QVERIFY(ReadSetting(Paths, key(0)).isEmpty());
    }
    QFile::remove(SettingsFilePath());
    // Without the demo graphics beside it, the first start asks.
    {
        frmMain window;
        window.SetProgramFolder(m_Sandbox.program->path());
        QVERIFY(!window.Form_Load());
        QCOMPARE(m_Sandbox.prompts->shownDialogs.size(), size_t(2));
    }
}

void MainWindowTest::newOpensAnEditorOnTheChosenLevel() {
    auto window = startedWindow();
    QVERIFY(window);
    frmEdit* editor = newLevel(*window, 24, 17, 2, true);
    QVERIFY(editor);
    QCOMPARE(m_Sandbox.prompts->shownDialogs.back().title, QStringLiteral("Level Properties"));
    QCOMPARE(editor->m_Level.Width(), qint16(24));
    QCOMPARE(editor->m_Level.Height(), qint16(17));
    QCOMPARE(editor->m_Level.Episode(), qint16(3));
    QCOMPARE(editor->m_Level.Number(), qint16(80));
    QCOMPARE(editor->Tiles().Tiles(), window->TileSets(2).Tiles());
    QCOMPARE(editor->Sprites().Sprites(1), window->SpriteSets(2).Sprites(1));
    QVERIFY(editor->FileName().isEmpty());
    QCOMPARE(editor->windowTitle(), QStringLiteral("Untitled[*]"));
    QVERIFY(!editor->IsModified());
    QVERIFY(editor->isVisible());
    QCOMPARE(&editor->Host(), static_cast<EditorHost*>(window.get()));

    frmEdit* plain = newLevel(*window, 30, 20, 0, false);
    QVERIFY(plain);
    QCOMPARE(plain->m_Level.Episode(), qint16(1));
    QCOMPARE(plain->m_Level.Number(), qint16(1));
    QCOMPARE(plain->Tiles().Tiles(), window->TileSets(0).Tiles());

    // Cancelled: no window.
    m_Sandbox.prompts->dialogs.push_back([](QDialog& dialog) {
        QTest::mouseClick(static_cast<frmProperties&>(dialog).CancelButton, Qt::LeftButton);
    });
    window->mnuFileNew->trigger();
    QCOMPARE(window->Editors().size(), 2);
}

void MainWindowTest::openLoadsLevelsWithTheirEpisodesSets() {
    auto window = startedWindow();
    QVERIFY(window);
    const QString file = DemoGraphics::LevelsFolder(m_Demo.path()) + QStringLiteral("/LEVEL01.CK2");
    m_Sandbox.prompts->files.push_back(ScriptedPrompts::File::Choose(file));
    window->mnuFileOpen->trigger();

    QCOMPARE(m_Sandbox.prompts->fileRequests.size(), size_t(1));
    const Prompts::FileRequest& request = m_Sandbox.prompts->fileRequests.front();
    QCOMPARE(request.caption, QStringLiteral("Open Levels"));
    QCOMPARE(request.initialDir, m_Sandbox.program->path() + QStringLiteral("/levels"));
    QCOMPARE(request.filters,
             QStringList({"All Levels (Level??.ck?)", "Keen 1 Levels (Level??.ck1)",
                          "Keen 2 Levels (Level??.ck2)", "Keen 3 Levels (Level??.ck3)"}));
    QCOMPARE(request.filterIndex, 1);
    QVERIFY(request.fileMustExist);
    QCOMPARE(request.owner, static_cast<QWidget*>(window.get()));

    QCOMPARE(window->Editors().size(), 1);
    frmEdit* editor = window->Editors().front();
    QCOMPARE(editor->m_Level.Episode(), qint16(2));
    QCOMPARE(editor->m_Level.Number(), qint16(1));
    QCOMPARE(editor->FileName(), file);
    QCOMPARE(editor->windowTitle(), file + "[*]");
    QCOMPARE(editor->Tiles().Tiles(), window->TileSets(1).Tiles());
    QVERIFY(!editor->IsModified());

    // A cancelled Open opens nothing.
    m_Sandbox.prompts->files.push_back(ScriptedPrompts::File::Cancel());
    window->mnuFileOpen_Click();
    QCOMPARE(window->Editors().size(), 1);
    QVERIFY(m_Sandbox.prompts->messages.empty());
}

void MainWindowTest::openLoadsRealLevelFiles() {
    GM_REQUIRE_REAL_DATA();
    auto window = startedWindow();
    QVERIFY(window);
    const QStringList names = {"LEVEL01.CK1", "LEVEL16.CK1", "LEVEL80.CK1"};
    for (const QString& name : names) {
        const QString file = realDataDir() + QLatin1Char('/') + name;
        Level expected;
        QVERIFY(expected.Load(file).ok);
        m_Sandbox.prompts->files.push_back(ScriptedPrompts::File::Choose(file));
        window->mnuFileOpen_Click();
        frmEdit* editor = window->Editors().back();
        QCOMPARE(editor->FileName(), file);
        QVERIFY(editor->m_Level == expected);
        QCOMPARE(editor->m_Level.Episode(), qint16(1));
        QCOMPARE(editor->Tiles().Tiles(), window->TileSets(0).Tiles());
    }
    QCOMPARE(window->Editors().size(), names.size());
    QVERIFY(m_Sandbox.prompts->messages.empty());
    // The same file twice is two windows on it.
    m_Sandbox.prompts->files.push_back(
        ScriptedPrompts::File::Choose(realDataDir() + "/LEVEL01.CK1"));
    window->mnuFileOpen_Click();
    QCOMPARE(window->Editors().size(), names.size() + 1);
}

void MainWindowTest::openRefusesNamesWithoutAnEpisode() {
    auto window = startedWindow();
    QVERIFY(window);
    for (const QString& name : {QStringLiteral("LEVEL01.TXT"), QStringLiteral("LEVEL01.CK4"),
                                QStringLiteral("LEVEL01.CK0")}) {
        // The file exists and is a good level: only its name is wrong.
        const QString file = m_Sandbox.program->filePath(name);
        QVERIFY(QFile::copy(DemoGraphics::LevelsFolder(m_Demo.path()) + "/LEVEL01.CK1", file));
        m_Sandbox.prompts->messages.clear();
        m_Sandbox.prompts->files.push_back(ScriptedPrompts::File::Choose(file));
        window->mnuFileOpen_Click();
        QCOMPARE(m_Sandbox.prompts->messages.size(), size_t(1));
        const auto& message = m_Sandbox.prompts->messages.front();
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(file)), qPrintable(message.text));
        QVERIFY(message.text.contains(QStringLiteral("1, 2 or 3")));
        QCOMPARE(message.icon, Prompts::Icon::Exclamation);
        QVERIFY(window->Editors().isEmpty());
        QVERIFY(window->mdiArea->subWindowList().isEmpty());
    }
}

void MainWindowTest::openOfADamagedFileOpensNoWindow() {
    auto window = startedWindow();
    QVERIFY(window);
    const QString damaged = m_Sandbox.program->filePath(QStringLiteral("LEVEL09.CK1"));
    {
        QFile f(damaged);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x10\x00", 2);
    }
    const QString missing = m_Sandbox.program->filePath(QStringLiteral("LEVEL10.CK1"));
    for (const QString& file : {damaged, missing}) {
        m_Sandbox.prompts->messages.clear();
        m_Sandbox.prompts->files.push_back(ScriptedPrompts::File::Choose(file));
        window->mnuFileOpen_Click();
        QCOMPARE(m_Sandbox.prompts->messages.size(), size_t(1));
        const QString text = m_Sandbox.prompts->messages.front().text;
        QVERIFY2(text.contains(QFileInfo(file).fileName()), qPrintable(text));
        QVERIFY(window->Editors().isEmpty());
        QVERIFY(window->mdiArea->subWindowList().isEmpty());
    }
    // The damaged file is left as it was.
    QFile f(damaged);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("\x10\x00", 2));
}

void MainWindowTest::editorMenusTakeThePlaceOfTheMainMenus() {
    auto window = startedWindow();
    QVERIFY(window);
    frmEdit* first = newLevel(*window, 30, 20, 0, false);
    QVERIFY(first);
    const auto menusOf = [](frmEdit* editor) {
        QStringList titles;
        for (QMenu* menu : editor->Menus())
            titles << menu->title();
        return titles;
    };
    QCOMPARE(menuTitles(window->menuBar()),
             menusOf(first) << QStringLiteral("&Window") << QStringLiteral("&Help"));
    QVERIFY(window->menuBar()->actions().contains(first->mnuFile->menuAction()));

    frmEdit* second = newLevel(*window, 40, 20, 1, false);
    QVERIFY(second);
    QVERIFY(window->menuBar()->actions().contains(second->mnuFile->menuAction()));
    window->mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    QVERIFY(window->menuBar()->actions().contains(first->mnuFile->menuAction()));

    // Closing the active one leaves the other's menus; closing the last
    // brings the main window's own back.
    first->mnuFileClose_Click();
    QCoreApplication::processEvents();
    QCOMPARE(window->Editors(), QList<frmEdit*>{second});
    QVERIFY(window->menuBar()->actions().contains(second->mnuFile->menuAction()));
    second->mnuFileClose_Click();
    QCoreApplication::processEvents();
    QVERIFY(window->Editors().isEmpty());
    QCOMPARE(window->menuBar()->actions(),
             QList<QAction*>({window->mnuFile->menuAction(), window->mnuWindow->menuAction(),
                              window->mnuHelp->menuAction()}));
}

void MainWindowTest::exitAsksForModifiedLevelsAndCancelStopsIt() {
    auto window = startedWindow();
    QVERIFY(window);
    frmEdit* unchanged = newLevel(*window, 30, 20, 0, false);
    frmEdit* changed = newLevel(*window, 30, 20, 1, false);
    QVERIFY(unchanged && changed);
    leveledit::setModified(*changed, true);

    m_Sandbox.prompts->answers.push_back(Prompts::Answer::Cancel);
    window->mnuFileExit->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(m_Sandbox.prompts->messages.size(), size_t(1));
    QCOMPARE(
        m_Sandbox.prompts->messages.front().text,
        QStringLiteral("Untitled has changed since it was last saved. Do you want to save it?"));
    QVERIFY(window->isVisible());
    QVERIFY(window->Editors().contains(changed));
    QVERIFY(changed->IsModified());

    // Exit from the editor's own menu, answering No this time, closes all.
    m_Sandbox.prompts->answers.push_back(Prompts::Answer::No);
    changed->mnuFileExit_Click();
    QCoreApplication::processEvents();
    QCOMPARE(m_Sandbox.prompts->messages.size(), size_t(2));
    QVERIFY(window->Editors().isEmpty());
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "tst_frmMain.moc"
