#pragma once

#include "AppSandbox.h"
#include "Controls.h"
#include "DemoGraphics.h"
#include "HelpMenu.h"
#include "LevelEditorWindow.h"
#include "MainStatusBar.h"
#include "MainWindow.h"
#include "RecentFilesMenu.h"
#include "Settings.h"
#include "WindowMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A menu's item texts, "-" for a separator.
inline QStringList menuItemTexts(const QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// The main window's parts, found by their objectName as the tests of the
// editor window find its controls.
namespace mainwindow {
inline QMdiArea& area(const MainWindow& window) {
    return controls::find<QMdiArea>(window, QStringLiteral("mdiArea"));
}
// The File menu shown while no level is open, and its actions: "New",
// "Open", "SetPaths", "Exit".
inline QMenu& fileMenu(const MainWindow& window) {
    return controls::find<QMenu>(window, QStringLiteral("mainFileMenu"));
}
inline QAction& fileAction(const MainWindow& window, const char* name) {
    return controls::find<QAction>(window, QStringLiteral("main%1Action").arg(QLatin1String(name)));
}
inline RecentFilesMenu& recentMenu(const MainWindow& window) {
    return controls::find<RecentFilesMenu>(window, QStringLiteral("recentFilesMenu"));
}
inline WindowMenu& windowMenu(const MainWindow& window) {
    return controls::find<WindowMenu>(window, QStringLiteral("windowMenu"));
}
inline HelpMenu& helpMenu(const MainWindow& window) {
    return controls::find<HelpMenu>(window, QStringLiteral("helpMenu"));
}
inline MainStatusBar& status(const MainWindow& window) {
    return controls::find<MainStatusBar>(window, QStringLiteral("mainStatusBar"));
}
} // namespace mainwindow

// What the main-window tests start from: the demo graphics generated once
// for the test class, a sandbox for each test, and main windows on them.
//
//   initTestCase: QVERIFY(m_F.MakeDemo());   init: QVERIFY(m_F.Begin());
//   cleanup: m_F.End();
struct MainWindowFixture {
    QTemporaryDir demo;
    AppSandbox sandbox;

    bool MakeDemo() { return demo.isValid() && DemoGraphics::Generate(demo.path()).ok; }
    bool Begin() { return sandbox.Begin(); }
    void End() { sandbox.End(); }

    ScriptedPrompts& prompts() { return *sandbox.prompts; }
    QString programFile(const QString& name) const { return sandbox.program->filePath(name); }
    // The demo graphics of episode index 0..2.
    QString demoFolder(int index) const {
        return DemoGraphics::EpisodeFolder(demo.path(), index + 1);
    }
    QString demoLevel(const QString& name) const {
        return DemoGraphics::LevelsFolder(demo.path()) + QLatin1Char('/') + name;
    }

    bool WriteDemoPaths() {
        for (int i = 0; i < 3; ++i) {
            if (!Settings::Write(QStringLiteral("Paths"), pathKey(i), demoFolder(i)))
                return false;
        }
        return true;
    }
    static QString pathKey(int index) { return QStringLiteral("Keen %1").arg(index + 1); }

    // Starts `window` from the sandbox's program folder as the program does.
    bool Load(MainWindow& window) {
        window.SetProgramFolder(sandbox.program->path());
        return window.Start();
    }

    // A main window on the demo graphics, loaded and shown; null when it
    // does not start.
    std::unique_ptr<MainWindow> StartedWindow(QSize size = QSize()) {
        if (!WriteDemoPaths())
            return nullptr;
        auto window = std::make_unique<MainWindow>();
        if (!Load(*window))
            return nullptr;
        if (size.isValid())
            window->resize(size);
        window->show();
        return window;
    }

    // File, New answered with a level of this size and episode index; null
    // when no editor opened.
    LevelEditorWindow* NewLevel(MainWindow& window, int width, int height, int episodeIndex,
                                bool map = false) {
        prompts().dialogs.push_back([=](QDialog& dialog) {
            using controls::find;
            // The boxes start filled: the typed size replaces what they hold.
            controls::retype(find<QLineEdit>(dialog, "widthEdit"), QString::number(width));
            controls::retype(find<QLineEdit>(dialog, "heightEdit"), QString::number(height));
            controls::choose(find<QComboBox>(dialog, "episodeList"), episodeIndex);
            controls::setTicked(find<QCheckBox>(dialog, "mapLevelCheck"), map);
            QTest::mouseClick(&find<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        });
        const qsizetype before = window.Editors().size();
        window.newLevel();
        return window.Editors().size() == before + 1 ? window.Editors().back() : nullptr;
    }
};
