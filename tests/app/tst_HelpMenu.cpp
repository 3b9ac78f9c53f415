#include "AboutDialog.h"
#include "HelpMenu.h"
#include "LevelEditorWindow.h"
#include "MainWindow.h"
#include "MainWindowFixture.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "Settings.h"
#include "ShortcutList.h"
#include "ShortcutsDialog.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>

using Rows = QList<ShortcutEntry>;
Q_DECLARE_METATYPE(ShortcutEntry)

namespace QTest {
template <> char* toString(const ShortcutEntry& entry) {
    return qstrdup(qPrintable(entry.menu + " | " + entry.command + " | " + entry.keys));
}
} // namespace QTest

// Help, Keyboard Shortcuts reads its table from the menus themselves; Help,
// About names the version, licence and settings file; every control of the
// editor explains itself in a tooltip.
class HelpMenuTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_F.MakeDemo()); }
    void init() { QVERIFY(m_F.Begin()); }
    void cleanup() { m_F.End(); }

    void plainText_data();
    void plainText();
    void collectsEveryCommandOfTheMenus();
    void shortcutsTableFollowsTheShowingMenus();
    void aboutNamesVersionLicenceAndSettings();
    void userGuideShowsTheGuideWithItsPictures();
    void userGuideMissingSaysWhere();
    void everyEditorControlHasATooltip();

private:
    std::unique_ptr<MainWindow> startedWindowWithLevel();
    Rows shownShortcuts(MainWindow& window);

    MainWindowFixture m_F;
};

void HelpMenuTest::plainText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");
    // Each row is named after the menu text it reads.
    const std::pair<const char*, const char*> rows[] = {
        {"Save &As...", "Save As..."},      {"&File", "File"},
        {"Fish && &Chips", "Fish & Chips"}, {"Rock &", "Rock &"},
        {"E&xit\tCtrl+Q", "Exit"},          {"Tile", "Tile"}};
    for (const auto& [text, plain] : rows)
        QTest::newRow(text) << QString(text) << QString(plain);
}

void HelpMenuTest::plainText() {
    QFETCH(QString, text);
    QFETCH(QString, plain);
    QCOMPARE(ShortcutList::PlainText(text), plain);
}

void HelpMenuTest::collectsEveryCommandOfTheMenus() {
    QMenuBar bar;
    QMenu* file = bar.addMenu("&File");
    file->addAction("&New")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addAction("Save &As...");
    file->addSeparator();
    QMenu* recent = file->addMenu("&Recent Files");
    recent->addAction("&1 /levels/LEVEL01.CK1")->setData("/levels/LEVEL01.CK1");
    recent->addAction("&Clear List");
    file->addAction("Hidden")->setVisible(false);
    QMenu* edit = bar.addMenu("&Edit");
    edit->addAction("&Redo")->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QMenu* window = bar.addMenu("&Window");
    window->addAction("&Tile");
    auto* group = new QActionGroup(window);
    group->addAction(window->addAction("&1 LEVEL01.CK1"))->setCheckable(true);
    bar.addMenu("&Empty");
    QMenu* hidden = bar.addMenu("&Debug");
    hidden->addAction("Crash")->setShortcut(QKeySequence(Qt::Key_F12));
    hidden->menuAction()->setVisible(false);

    const Rows expected = {
        {"File", "New", "Ctrl+N"},
        {"File", "Save As...", ""},
        {"File > Recent Files", "Clear List", ""},
        {"Edit", "Redo", "Ctrl+Y, Ctrl+Shift+Z"},
        {"Window", "Tile", ""},
    };
    QCOMPARE(ShortcutList::Collect(bar.actions()), expected);
}

std::unique_ptr<MainWindow> HelpMenuTest::startedWindowWithLevel() {
    auto window = m_F.StartedWindow();
    if (!window || !window->OpenLevelFile(m_F.demoLevel("LEVEL01.CK1")))
        return nullptr;
    return window;
}

// The rows of the table Help, Keyboard Shortcuts shows.
Rows HelpMenuTest::shownShortcuts(MainWindow& window) {
    Rows rows;
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        const QTableWidget& table =
            controls::find<QTableWidget>(dialog, QStringLiteral("shortcutTable"));
        for (int row = 0; row < table.rowCount(); ++row)
            rows.push_back({table.item(row, 0)->text(), table.item(row, 1)->text(),
                            table.item(row, 2)->text()});
    });
    mainwindow::helpMenu(window).findChild<QAction*>(QStringLiteral("shortcutsAction"))->trigger();
    return rows;
}

void HelpMenuTest::shortcutsTableFollowsTheShowingMenus() {
    auto window = startedWindowWithLevel();
    QVERIFY(window);
    Rows shown = shownShortcuts(*window);
    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(1));
    QCOMPARE(m_F.prompts().shownDialogs[0].title, QStringLiteral("Keyboard Shortcuts"));
    // The editor's menus are showing, with Window and Help after them.
    for (const ShortcutEntry& row : Rows{{"File", "Save", "Ctrl+S"},
                                         {"Edit", "Undo", "Ctrl+Z"},
                                         {"Window", "Cascade", ""},
                                         {"Help", "User Guide", "F1"},
                                         {"Help", "Keyboard Shortcuts", "Ctrl+F1"},
                                         {"Help", "About Gridmason", ""}})
        QVERIFY2(shown.contains(row), qPrintable(row.menu + " | " + row.command));
    // Every shortcut anywhere in the showing menus has its row.
    std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
        for (const QAction* action : menu->actions()) {
            if (action->menu() != nullptr) {
                walk(action->menu());
            } else if (!action->shortcut().isEmpty()) {
                const QString keys = action->shortcut().toString(QKeySequence::NativeText);
                QVERIFY2(std::any_of(shown.cbegin(), shown.cend(),
                                     [&](const ShortcutEntry& e) { return e.keys.contains(keys); }),
                         qPrintable(action->text()));
            }
        }
    };
    for (const QAction* top : window->menuBar()->actions()) {
        if (top->menu() != nullptr)
            walk(top->menu());
    }
    // With the level closed, the main window's own menus are listed.
    drive(*window->Editors().front()).trigger("closeAction");
    QTRY_VERIFY(window->Editors().isEmpty());
    shown = shownShortcuts(*window);
    QVERIFY(shown.contains(ShortcutEntry{"File", "Set Paths", ""}));
    QVERIFY(!std::any_of(shown.cbegin(), shown.cend(),
                         [](const ShortcutEntry& e) { return e.menu == "Edit"; }));
}

void HelpMenuTest::aboutNamesVersionLicenceAndSettings() {
    const QString text = AboutDialog::Text("/home/someone/.config/Gridmason/Gridmason.ini",
                                           "/usr/share/doc/gridmason/copyright");
    QVERIFY2(text.startsWith("Gridmason " GM_PROJECT_VERSION "\n"), qPrintable(text));
    QVERIFY(text.contains("MIT licence"));
    QVERIFY(text.contains("\n/usr/share/doc/gridmason/copyright\n"));
    QVERIFY(text.endsWith("\n/home/someone/.config/Gridmason/Gridmason.ini"));

    // From the menu, it names the settings file in use and the licence in
    // the documentation folder.
    QString shown;
    m_F.prompts().dialogs.push_back([&](QDialog& dialog) {
        shown = dialog.findChild<QLabel*>(QStringLiteral("aboutText"))->text();
    });
    HelpMenu menu([] { return QList<QAction*>(); }, [] { return QStringLiteral("/opt/doc"); },
                  nullptr);
    menu.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    QCOMPARE(m_F.prompts().shownDialogs.size(), size_t(1));
    QCOMPARE(m_F.prompts().shownDialogs[0].title, QStringLiteral("About Gridmason"));
    QVERIFY2(shown.contains(QDir::toNativeSeparators("/opt/doc/copyright")), qPrintable(shown));
    QVERIFY2(
        shown.endsWith(QDir::toNativeSeparators(m_F.sandbox.program->path()) + "/Gridmason.ini"),
        qPrintable(shown));
}

// Help, User Guide renders the Markdown guide of the documentation folder
// with its pictures, in one window shown again when asked again.
void HelpMenuTest::userGuideShowsTheGuideWithItsPictures() {
    QTemporaryDir doc;
    QVERIFY(doc.isValid());
    QVERIFY(QDir(doc.path()).mkpath("images"));
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    QVERIFY(picture.save(doc.filePath("images/green.png")));
    QFile guide(doc.filePath("user-guide.md"));
    QVERIFY(guide.open(QIODevice::WriteOnly));
    guide.write("# Painting tiles\n\nPress **B** for the brush.\n\n![Green](images/green.png)\n");
    guide.close();

    QWidget owner;
    HelpMenu menu([] { return QList<QAction*>(); }, [&] { return doc.path(); }, &owner);
    QAction& action = *menu.findChild<QAction*>(QStringLiteral("userGuideAction"));
    QCOMPARE(action.shortcut(), QKeySequence(Qt::Key_F1));
    action.trigger();
    action.trigger();
    const QList<QTextBrowser*> shown = owner.findChildren<QTextBrowser*>("userGuide");
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0]->isVisible());
    QCOMPARE(shown[0]->document()->toPlainText().split('\n').mid(0, 2),
             QStringList({"Painting tiles", "Press B for the brush."}));
    // The picture is drawn among the text.
    const QImage drawn =
        shown[0]->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int green = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            green += drawn.pixel(x, y) == qRgb(10, 200, 30);
    QCOMPARE(green, 8 * 6);
    QVERIFY(m_F.prompts().messages.empty());
}

void HelpMenuTest::userGuideMissingSaysWhere() {
    QTemporaryDir doc;
    QVERIFY(doc.isValid());
    QWidget owner;
    HelpMenu menu([] { return QList<QAction*>(); }, [&] { return doc.path(); }, &owner);
    menu.findChild<QAction*>(QStringLiteral("userGuideAction"))->trigger();
    QVERIFY(owner.findChildren<QTextBrowser*>().isEmpty());
    QCOMPARE(m_F.prompts().messages.size(), size_t(1));
    const QString said = m_F.prompts().messages[0].text;
    QVERIFY2(said.contains(QDir::toNativeSeparators(doc.filePath("user-guide.md"))),
             qPrintable(said));
}

void HelpMenuTest::everyEditorControlHasATooltip() {
    auto window = startedWindowWithLevel();
    QVERIFY(window);
    LevelEditorWindow& e = *window->Editors().front();
    const QList<QPair<const char*, QWidget*>> controls = {
        {"tile strip", drive(e).widget<PictureBox>("tileStrip")},
        {"tile picker", drive(e).widget<PickerButton>("tilePicker")},
        {"sprite picker", drive(e).widget<PickerButton>("spritePicker")},
        {"left tile", drive(e).tileBox(0)},
        {"right tile", drive(e).tileBox(1)},
        {"sprite", drive(e).widget<PictureBox>("spriteBox")},
        {"left tile number", drive(e).tileLabel(0)},
        {"right tile number", drive(e).tileLabel(1)},
        {"sprite number", drive(e).widget<QLabel>("spriteLabel")},
        {"tile mode", drive(e).modeButton(0)},
        {"sprite mode", drive(e).modeButton(1)},
        {"preview", drive(e).previewButton()},
        {"position", drive(e).widget<QLabel>("positionLabel")},
        {"value", drive(e).widget<QLineEdit>("infoValueEdit")}};
    for (const auto& [name, control] : controls)
        QVERIFY2(!control->toolTip().trimmed().isEmpty(), name);
    // The two tile boxes tell which button each one is for.
    QVERIFY(drive(e).tileBox(0)->toolTip() != drive(e).tileBox(1)->toolTip());
}

GM_TEST_MAIN(HelpMenuTest)
#include "tst_HelpMenu.moc"
