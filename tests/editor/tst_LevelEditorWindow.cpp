#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "ScriptedPrompts.h"
#include "TestData.h"
#include "TestFiles.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using editortest::newPlayableWindow;
using editortest::newWindow;
using editortest::openWindow;
using fixtures::tilePixel;

namespace {

const QString CloseQuestion = // for a level never saved
    QStringLiteral("Untitled has changed since it was last saved. Do you want to save it?");

// A window whose edit area holder is `holderW` x `holderH` pixels: the tile
// strip (61) and the tool bar (57) sit under it.
std::unique_ptr<LevelEditorWindow> windowWithHolder(EditorTestHost& host, qint16 w, qint16 h,
                                                    int holderW, int holderH, qint16 episode = 1) {
    return newWindow(host, w, h, episode, 1, holderW, holderH + 61 + 57);
}

} // namespace

class tst_LevelEditorWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void controlsAtCreation();
    void menusAndDelegatedCommands();
    void windowDrawsWithTheHostsSets();
    void newLevelAndLayout();
    void minimumSizeAndMinimisedWindow();
    void scrollRangesFollowSizeAndZoom();
    void canvasPixels();
    void scrollingRedrawsUnlessSuppressed();
    void modeButtonsAndPositionReport();
    void saveOfNewLevelAsksForAName();
    void saveAsRefusesAnotherEpisodesName();
    void extendedNameAsksBeforeReplacing();
    void saveAsWritesAndRenames();
    void failedSaveKeepsEverything();
    void closeQuestionPaths();
    void closeInsideTheMdiArea();
    void failedLoadLeavesNoName();
    void sameFileInTwoWindows_data();
    void sameFileInTwoWindows();
    void realLevelsRoundTrip();
    void fileChangedOnDiskOffersReload();
    void closeQuestionNamesTheLevel();
    void tooLargeForTheGameAsksOncePerWindow_data();
    void tooLargeForTheGameAsksOncePerWindow();

private:
    EditorTestHost* m_Host = nullptr;
    ScriptedPrompts* m_Prompts = nullptr;
    ScopedPrompts* m_Installed = nullptr;
};

void tst_LevelEditorWindow::init() {
    m_Host = new EditorTestHost;
    m_Prompts = new ScriptedPrompts;
    m_Installed = new ScopedPrompts(*m_Prompts);
}

void tst_LevelEditorWindow::cleanup() {
    delete m_Installed;
    delete m_Prompts;
    delete m_Host;
}

void tst_LevelEditorWindow::controlsAtCreation() {
    LevelEditorWindow window(*m_Host);
    QVERIFY(window.FileName().isEmpty());
    QVERIFY(!window.IsModified());
    QVERIFY(!window.Drawing());
    QCOMPARE(window.Mode(), qint16(0));
    QCOMPARE(window.SelectedTile(0), qint16(0));
    QCOMPARE(window.SelectedTile(1), qint16(0));
    QCOMPARE(window.SelectedSprite(), qint16(0));
    QVERIFY(!window.PreviewOpen());

    QCOMPARE(drive(window).previewButton()->parentWidget(),
             static_cast<QWidget*>(drive(window).levelCanvas()));
    QCOMPARE(drive(window).canvas()->parentWidget(),
             static_cast<QWidget*>(drive(window).levelCanvas()));
    QCOMPARE(drive(window).canvas()->surface().BackColor(), QRgb(0xFFC0C0C0));
    QCOMPARE(drive(window).levelCanvas()->palette().color(QPalette::Window).rgba(),
             QRgb(0xFFFFFFFF));

    const QPoint boxes[3] = {{6, 6}, {46, 6}, {88, 6}};
    PictureBox* boxWidgets[3] = {drive(window).tileBox(0), drive(window).tileBox(1),
                                 drive(window).widget<PictureBox>("spriteBox")};
    QLabel* labels[3] = {drive(window).tileLabel(0), drive(window).tileLabel(1),
                         drive(window).widget<QLabel>("spriteLabel")};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(boxWidgets[i]->parentWidget(), drive(window).widget<PictureBox>("toolPanel"));
        QCOMPARE(boxWidgets[i]->geometry(), QRect(boxes[i], QSize(36, 36)));
        QCOMPARE(labels[i]->size(), QSize(33, 17));
        QCOMPARE(labels[i]->text(), QStringLiteral("0"));
        QVERIFY(labels[i]->y() >= boxWidgets[i]->geometry().bottom());
    }
    for (int i = 0; i < 2; ++i) {
        QVERIFY(drive(window).modeButton(i)->isCheckable());
        QVERIFY(drive(window).modeButton(i)->autoExclusive());
        QVERIFY(!drive(window).modeButton(i)->icon().isNull());
    }
    QVERIFY(drive(window).modeButton(0)->isChecked());
    QVERIFY(!drive(window).modeButton(1)->isChecked());
    QCOMPARE(drive(window).widget<QLabel>("positionLabel")->text(), QStringLiteral("0, 0"));

    QVERIFY(drive(window).widget<PictureBox>("levelPreview")->isHidden());
    for (PictureBox* selector : {drive(window).widget<PictureBox>("tileSelector"),
                                 drive(window).widget<PictureBox>("spriteSelector")}) {
        QVERIFY(selector->isHidden());
        QCOMPARE(selector->surface().BackColor(), Surface::ButtonShadow);
    }
    QCOMPARE(drive(window).widget<QScrollBar>("tileSelectorScrollBar")->orientation(),
             Qt::Vertical);
}

void tst_LevelEditorWindow::menusAndDelegatedCommands() {
    LevelEditorWindow window(*m_Host);
    const QList<QMenu*> menus = window.Menus();
    // The Edit menu sits between File and View, Tools between View and Level.
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus[0]->title(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->title(), QStringLiteral("&Edit"));
    QCOMPARE(menus[2]->title(), QStringLiteral("&View"));
    QCOMPARE(menus[3]->title(), QStringLiteral("&Tools"));
    QCOMPARE(menus[4]->title(), QStringLiteral("&Level"));
    // Each item as its text and shortcut, a separator as "-".
    const auto items = [](QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << (action->isSeparator()
                          ? QStringLiteral("-")
                          : action->text() + "\t" + action->shortcut().toString());
        return texts;
    };
    QCOMPARE(items(menus[0]), QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S",
                                           "Save &As...\tCtrl+Shift+S", "&Close\tCtrl+W", "-",
                                           "Set &Paths\t", "-", "E&xit\tCtrl+Q"}));
    QCOMPARE(items(menus[1]).mid(2),
             QStringList({"-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V",
                          "Paste T&iles Only\tCtrl+Shift+V", "Paste &Sprites Only\t",
                          "&Delete\tDel", "-", "Select &All\tCtrl+A", "Select &None\tCtrl+Shift+A",
                          "P&lace Pasted Block\tReturn", "Use Selection as Sta&mp\t", "-",
                          "&Find Tile or Value...	Ctrl+F", "Find Ne&xt	F3",
                          "Find Pre&vious	Shift+F3", "R&eplace Tile...	Ctrl+H"}));
    QCOMPARE(items(menus[2]),
             QStringList({"Zoom &In\tCtrl+=", "Zoom &Out\tCtrl+-", "&1x Zoom\tCtrl+0", "-",
                          "Show &Info Values\tCtrl+I", "-", "Show &Grid\tG", "Show &Tiles\t",
                          "Show &Sprites\t", "&Fit Level\tCtrl+9", "-", "Show Tile &Behaviour\tT",
                          "&Animate Tiles\t"}));
    QCOMPARE(items(menus[3]),
             QStringList({"&Brush\tB", "Rectangle &Select\tM", "Select Same &Tile\tS",
                          "Magic &Wand\tW", "Bucket &Fill\tF", "&Rectangle Fill\tR", "&Line\tL"}));
    QCOMPARE(drive(window).action("propertiesAction")->text(), QStringLiteral("&Properties"));

    drive(window).trigger("newAction");
    drive(window).trigger("openAction");
    drive(window).trigger("openAction");
    drive(window).trigger("exitAction");
    drive(window).trigger("setPathsAction");
    QCOMPARE(m_Host->setPathsCalls, 1);
    QCOMPARE(m_Host->newCalls, 1);
    QCOMPARE(m_Host->openCalls, 2);
    QCOMPARE(m_Host->exitCalls, 1);
}

void tst_LevelEditorWindow::windowDrawsWithTheHostsSets() {
    LevelEditorWindow window(*m_Host);
    window.SetTiles(m_Host->TileSets(0));
    window.SetSprites(m_Host->SpriteSets(0));
    // One set of each for the canvas, the palettes and the preview: the
    // host's own, whatever the zoom of each view.
    drive(window).trigger("zoomInAction");
    QCOMPARE(&window.Tiles(), m_Host->TileSets(0).get());
    QCOMPARE(&window.Sprites(), m_Host->SpriteSets(0).get());
    QCOMPARE(window.CanvasZoom().Exponent(), 1);
}

void tst_LevelEditorWindow::newLevelAndLayout() {
    auto window = newWindow(*m_Host, 40, 30, 2, 5, 600, 480);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled[*]"));
    QCOMPARE(window->Document().level().Width(), qint16(40));
    QCOMPARE(window->Document().level().Height(), qint16(30));
    QCOMPARE(window->Document().level().Episode(), qint16(2));
    QCOMPARE(window->Document().level().Number(), qint16(5));
    QVERIFY(!window->IsModified());

    QCOMPARE(drive(*window).levelCanvas()->geometry(), QRect(0, 0, 600, 480 - 61 - 57));
    QCOMPARE(drive(*window).widget<PictureBox>("tileStrip")->geometry(), QRect(0, 362, 600, 61));
    QCOMPARE(drive(*window).widget<PictureBox>("toolPanel")->geometry(), QRect(0, 423, 600, 57));
    QCOMPARE(drive(*window).widget<PictureBox>("tileSelector")->geometry(), QRect(0, 0, 600, 362));
    QCOMPARE(drive(*window).widget<PictureBox>("spriteSelector")->geometry(),
             QRect(0, 0, 600, 362));
    QCOMPARE(drive(*window).canvas()->geometry(), QRect(0, 0, 583, 345));
    QCOMPARE(drive(*window).scrollX()->geometry(), QRect(0, 345, 583, 17));
    QCOMPARE(drive(*window).scrollY()->geometry(), QRect(583, 0, 17, 345));
    QCOMPARE(drive(*window).previewButton()->geometry(), QRect(583, 345, 17, 17));

    // The strip's range: 596 inner pixels of 36-pixel pitch show 17 tiles.
    QCOMPARE(drive(*window).widget<PictureBox>("tileStrip")->ScaleWidth(), 596);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->minimum(), 0);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->maximum(), 260 - 17 + 1);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileStripScrollBar")->pageStep(), 8);
    QVERIFY(drive(*window).widget<QScrollBar>("tileStripScrollBar")->isEnabled());

    // Growing the window lays it out again.
    window->resize(700, 500);
    QCOMPARE(drive(*window).levelCanvas()->geometry(), QRect(0, 0, 700, 382));
    QCOMPARE(drive(*window).widget<PictureBox>("toolPanel")->geometry(), QRect(0, 443, 700, 57));
    QCOMPARE(drive(*window).previewButton()->pos(), QPoint(683, 365));
}

void tst_LevelEditorWindow::minimumSizeAndMinimisedWindow() {
    auto window = newWindow(*m_Host, 40, 30, 1, 1, 500, 400);
    // The limits are outer sizes, the frame included.
    const QSize frame = window->frameGeometry().size() - window->size();
    window->resize(200, 400);
    QCOMPARE(window->frameGeometry().size(), QSize(363, 400 + frame.height()));
    window->resize(400, 100);
    QCOMPARE(window->frameGeometry().size(), QSize(400 + frame.width(), 323));
    window->resize(10, 10);
    QCOMPARE(window->frameGeometry().size(), QSize(363, 323));
    QCOMPARE(drive(*window).levelCanvas()->height(), 323 - frame.height() - 61 - 57);
}

// The worked example: a 100 x 60 level in a 400 x 300 edit area.
void tst_LevelEditorWindow::scrollRangesFollowSizeAndZoom() {
    auto window = windowWithHolder(*m_Host, 100, 60, 400, 300);
    QCOMPARE(drive(*window).levelCanvas()->width(), 400);
    QCOMPARE(drive(*window).levelCanvas()->height(), 300);
    QCOMPARE(drive(*window).scrollX()->minimum(), 0);
    QCOMPARE(drive(*window).scrollX()->maximum(), 77);
    QCOMPARE(drive(*window).scrollX()->pageStep(), 12);
    QCOMPARE(drive(*window).scrollX()->singleStep(), 1);
    QVERIFY(drive(*window).scrollX()->isEnabled());
    QCOMPARE(drive(*window).scrollY()->minimum(), 0);
    QCOMPARE(drive(*window).scrollY()->maximum(), 43);
    QCOMPARE(drive(*window).scrollY()->pageStep(), 9);
    QVERIFY(drive(*window).scrollY()->isEnabled());

    for (int i = 0; i < 6; ++i)
        drive(*window).action("zoomInAction")->trigger();
    QCOMPARE(window->CanvasZoom().Exponent(), 3);
    // 128-pixel cells: 383 pixels need 3 columns, 400 need 4.
    QCOMPARE(drive(*window).scrollX()->maximum(), 98);
    QCOMPARE(drive(*window).scrollX()->pageStep(), 2);
    // 283 pixels need 3 rows, 300 need 3: the page step is at least 1.
    QCOMPARE(drive(*window).scrollY()->maximum(), 58);
    QCOMPARE(drive(*window).scrollY()->pageStep(), 1);

    drive(*window).action("actualSizeAction")->trigger();
    QCOMPARE(window->CanvasZoom().Exponent(), 0);
    QCOMPARE(drive(*window).scrollX()->maximum(), 77);

    for (int i = 0; i < 7; ++i)
        drive(*window).action("zoomOutAction")->trigger();
    QCOMPARE(window->CanvasZoom().Exponent(), -4);
    QCOMPARE(window->Tiles().RenderWidth(window->CanvasZoom()), 1.0);
    // 1-pixel cells: the whole level fits.
    QCOMPARE(drive(*window).scrollX()->maximum(), 0);
    QVERIFY(!drive(*window).scrollX()->isEnabled());
    QCOMPARE(drive(*window).scrollY()->maximum(), 0);
    QVERIFY(!drive(*window).scrollY()->isEnabled());

    drive(*window).action("actualSizeAction")->trigger();
    QCOMPARE(window->CanvasZoom().Exponent(), 0);

    // The zoom commands keep the view's origin where the new range allows.
    drive(*window).scrollX()->setValue(50);
    drive(*window).action("zoomInAction")->trigger();
    QCOMPARE(drive(*window).scrollX()->value(), 50);

    drive(*window).action("actualSizeAction")->trigger();
    // A bar whose value is above a new maximum drops to it.
    drive(*window).scrollX()->setValue(77);
    window->resize(600, 418);
    QCOMPARE(drive(*window).scrollX()->maximum(), 100 - 37 + 1);
    QCOMPARE(drive(*window).scrollX()->value(), 64);
}

void tst_LevelEditorWindow::canvasPixels() {
    // A new level: border tile 144 in the two outer rings, fill 143 inside.
    auto window = windowWithHolder(*m_Host, 30, 20, 400, 300);
    QCOMPARE(drive(*window).canvas()->surface().ScaleWidth(), 383);
    QCOMPARE(drive(*window).canvasPixel(0, 0), tilePixel(144, 0, 0));
    QCOMPARE(drive(*window).canvasPixel(16 + 15, 16 + 15), tilePixel(144, 15, 15));
    QCOMPARE(drive(*window).canvasPixel(2 * 16 + 3, 2 * 16 + 5), tilePixel(143, 3, 5));
    QCOMPARE(drive(*window).canvasPixel(382, 282), tilePixel(143, 382 % 16, 282 % 16));

    // Scrolled to column 5, row 1: the canvas's first row is the level's
    // second border ring, its second row is filled.
    drive(*window).scrollX()->setValue(5);
    drive(*window).scrollY()->setValue(1);
    QCOMPARE(drive(*window).canvasPixel(7, 9), tilePixel(144, 7, 9));
    QCOMPARE(drive(*window).canvasPixel(7, 16 + 9), tilePixel(143, 7, 9));
    leveledit::setTile(*window, 6, 2, 7);
    drive(*window).canvas()->repaint();
    QCOMPARE(drive(*window).canvasPixel(16 + 1, 16 + 2), tilePixel(7, 1, 2));

    // At the maximum the cells past the level draw the button-shadow square.
    drive(*window).scrollX()->setValue(drive(*window).scrollX()->maximum());
    const int lastColumnX = (29 - drive(*window).scrollX()->value()) * 16;
    QCOMPARE(drive(*window).canvasPixel(lastColumnX + 3, 3), tilePixel(144, 3, 3));
    QCOMPARE(drive(*window).canvasPixel(lastColumnX + 16 + 3, 3), Surface::ButtonShadow);

    // Zoomed in, every tile pixel is a 2 x 2 block.
    drive(*window).scrollX()->setValue(0);
    drive(*window).scrollY()->setValue(0);
    drive(*window).action("zoomInAction")->trigger();
    QCOMPARE(drive(*window).canvasPixel(2 * 7 + 1, 2 * 3), tilePixel(144, 7, 3));
    QCOMPARE(drive(*window).canvasPixel(64 + 2 * 5, 64 + 2 * 6 + 1), tilePixel(143, 5, 6));

    // A paint event draws the canvas too.
    drive(*window).canvas()->surface().image().fill(0xFF123456);
    drive(*window).canvas()->hide();
    drive(*window).canvas()->show();
    drive(*window).canvas()->repaint();
    QCOMPARE(drive(*window).canvasPixel(1, 1), tilePixel(144, 0, 0));
}

void tst_LevelEditorWindow::scrollingRedrawsUnlessSuppressed() {
    auto window = windowWithHolder(*m_Host, 60, 40, 400, 300);
    leveledit::setTile(*window, 10, 10, 3);
    drive(*window).canvas()->repaint();
    const QImage before = drive(*window).canvas()->Picture();

    drive(*window).pressPicker("levelPreviewButton");
    drive(*window).scrollX()->setValue(10);
    drive(*window).scrollY()->setValue(10);
    QCOMPARE(drive(*window).canvas()->Picture(), before);
    drive(*window).releaseButton("levelPreviewButton");

    drive(*window).scrollY()->setValue(9);
    QCOMPARE(drive(*window).canvasPixel(0, 16), tilePixel(3, 0, 0));
    // A drag of the thumb redraws as it goes.
    drive(*window).scrollX()->setSliderDown(true);
    drive(*window).scrollX()->setValue(9);
    QCOMPARE(drive(*window).canvasPixel(16 + 4, 16 + 4), tilePixel(3, 4, 4));
    drive(*window).scrollX()->setSliderDown(false);
    // So does a page step of the bar.
    drive(*window).scrollY()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(drive(*window).scrollY()->value(), 9 + 9);
    QCOMPARE(drive(*window).canvasPixel(3, 3), tilePixel(143, 3, 3));
}

void tst_LevelEditorWindow::modeButtonsAndPositionReport() {
    auto window = windowWithHolder(*m_Host, 100, 60, 400, 300);
    QTest::mouseClick(drive(*window).modeButton(1), Qt::LeftButton);
    QCOMPARE(window->Mode(), qint16(1));
    QVERIFY(!drive(*window).modeButton(0)->isChecked());
    // Choosing a mode from code, as the pickers do, also sets it.
    drive(*window).modeButton(0)->setChecked(true);
    QCOMPARE(window->Mode(), qint16(0));
    // The focus never stays on a mode button.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    drive(*window).modeButton(1)->setFocus(Qt::TabFocusReason);
    QVERIFY(!drive(*window).modeButton(1)->hasFocus());
    QCOMPARE(QApplication::focusWidget(),
             static_cast<QWidget*>(drive(*window).widget<PictureBox>("toolPanel")));

    drive(*window).scrollY()->setValue(5);
    QTest::mouseClick(drive(*window).widget<QLabel>("positionLabel"), Qt::LeftButton);
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    const auto& message = m_Prompts->messages.back();
    QCOMPARE(message.text, QStringLiteral(" 43, 0, 5"));
    QCOMPARE(message.title, QString());
    QCOMPARE(message.buttons, Prompts::Buttons::Ok);
    QCOMPARE(message.icon, Prompts::Icon::None);
}

void tst_LevelEditorWindow::saveOfNewLevelAsksForAName() {
    // The dialog starts in the folder levels were last used in, offering
    // the lowest level number free there.
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("LEVEL01.CK3"), "x"));
    QVERIFY(writeFile(dir.filePath("LEVEL02.CK1"), "x"));
    m_Host->levelFolder = dir.path();
    auto window = newPlayableWindow(*m_Host, 30, 20, 3, 7);
    leveledit::setModified(*window, true);
    m_Prompts->files.push_back(ScriptedPrompts::File::Cancel());
    QVERIFY(!window->Save());
    QCOMPARE(m_Prompts->fileRequests.size(), size_t(1));
    const Prompts::FileRequest& request = m_Prompts->fileRequests.back();
    QVERIFY(request.save);
    QCOMPARE(request.caption, QStringLiteral("Save File As"));
    QCOMPARE(request.filters,
             QStringList({"All Levels (Level??.ck?)", "Keen 1 Levels (Level??.ck1)",
                          "Keen 2 Levels (Level??.ck2)", "Keen 3 Levels (Level??.ck3)"}));
    // The level's own episode's files.
    QCOMPARE(request.filterIndex, 4);
    QVERIFY(request.overwritePrompt);
    QCOMPARE(request.initialDir, dir.path());
    QCOMPARE(request.owner, m_Host->HostWindow());
    QCOMPARE(request.fileName, QStringLiteral("LEVEL02.CK3"));
    // Cancelled: nothing changed.
    QVERIFY(window->FileName().isEmpty());
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled[*]"));
    QVERIFY(window->IsModified());
    QVERIFY(m_Prompts->messages.empty());
}

// A name of another episode is refused with the reason, written nowhere,
// and the dialog comes back with it (the names themselves:
// tst_LevelFileName; a name given its extension: tst_MainWindowLevelFiles).
void tst_LevelEditorWindow::saveAsRefusesAnotherEpisodesName() {
    QTemporaryDir dir;
    auto window = newPlayableWindow(*m_Host, 30, 20, 1, 3);
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(dir.filePath("mylevel.ck2")));
    m_Prompts->files.push_back(ScriptedPrompts::File::Cancel());
    QVERIFY(!window->SaveAs());
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    QVERIFY2(m_Prompts->messages.back().text.contains("episode 2"),
             qPrintable(m_Prompts->messages.back().text));
    QCOMPARE(m_Prompts->fileRequests.size(), size_t(2));
    QCOMPARE(m_Prompts->fileRequests.back().fileName, QStringLiteral("mylevel.ck2"));
    QCOMPARE(m_Prompts->fileRequests.back().initialDir, dir.path());
    QVERIFY(window->FileName().isEmpty());
}

// The dialog asked about the name as typed; the name with its extension
// added is asked about before it is replaced.
void tst_LevelEditorWindow::extendedNameAsksBeforeReplacing() {
    QTemporaryDir dir;
    const QString existing = dir.filePath("mylevel.ck1");
    QVERIFY(writeFile(existing, "old"));
    auto window = newPlayableWindow(*m_Host, 30, 20, 1, 3);
    // No: the dialog again, with the full name; cancelled there.
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(dir.filePath("mylevel")));
    m_Prompts->files.push_back(ScriptedPrompts::File::Cancel());
    m_Prompts->answers.push_back(Prompts::Answer::No);
    QVERIFY(!window->SaveAs());
    QCOMPARE(m_Prompts->messages.back().text,
             QStringLiteral("mylevel.ck1 already exists.\r\nDo you want to replace it?"));
    QCOMPARE(m_Prompts->messages.back().buttons, Prompts::Buttons::YesNo);
    QCOMPARE(m_Prompts->fileRequests.back().fileName, QStringLiteral("mylevel.ck1"));
    QCOMPARE(fileBytes(existing), QByteArray("old"));
    // Yes: replaced.
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(dir.filePath("mylevel")));
    m_Prompts->answers.push_back(Prompts::Answer::Yes);
    QVERIFY(window->SaveAs());
    QCOMPARE(fileBytes(existing), window->Document().level().Serialize());
}

void tst_LevelEditorWindow::saveAsWritesAndRenames() {
    QTemporaryDir dir;
    const QString first = dir.filePath("LEVEL04.CK1");
    const QString second = dir.filePath("Level09.ck1");
    auto window = newWindow(*m_Host, 30, 20, 1, 4);
    leveledit::setTile(*window, 3, 4, 77);
    leveledit::setInfo(*window, 5, 6, 255);
    leveledit::setModified(*window, true);

    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(first));
    drive(*window).action("saveAction")->trigger();
    QCOMPARE(window->FileName(), first);
    QCOMPARE(window->windowTitle(), first + "[*]");
    QVERIFY(!window->IsModified());
    QCOMPARE(fileBytes(first), window->Document().level().Serialize());

    // Save As offers the current name in its folder; a new choice renames
    // the window.
    leveledit::setModified(*window, true);
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(second));
    drive(*window).action("saveAsAction")->trigger();
    QCOMPARE(m_Prompts->fileRequests.back().fileName, QStringLiteral("LEVEL04.CK1"));
    QCOMPARE(m_Prompts->fileRequests.back().initialDir, dir.path());
    QCOMPARE(window->FileName(), second);
    QCOMPARE(window->windowTitle(), second + "[*]");
    QVERIFY(!window->IsModified());
    // The episode and number stay the level's own.
    QCOMPARE(window->Document().level().Number(), qint16(4));

    // File, Save writes to the window's name without asking.
    leveledit::setTile(*window, 2, 2, 99);
    leveledit::setModified(*window, true);
    drive(*window).action("saveAction")->trigger();
    QCOMPARE(m_Prompts->fileRequests.size(), size_t(2));
    QVERIFY(!window->IsModified());
    Level reread;
    QVERIFY(reread.Load(second).ok);
    QCOMPARE(reread.Tile(2, 2), qint16(99));
    QCOMPARE(reread.Info(5, 6), qint16(255));
    QCOMPARE(reread.TilePlane(), window->Document().level().TilePlane());
}

void tst_LevelEditorWindow::failedSaveKeepsEverything() {
    QTemporaryDir dir;
    const QString good = dir.filePath("LEVEL01.CK1");
    auto window = newPlayableWindow(*m_Host, 30, 20, 1, 1);
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(good));
    QVERIFY(window->SaveAs());
    const QByteArray saved = fileBytes(good);

    // Save As into a folder that does not exist.
    const QString missing = dir.filePath("no such folder/LEVEL02.CK1");
    leveledit::setTile(*window, 4, 4, 5);
    leveledit::setModified(*window, true);
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(missing));
    QVERIFY(!window->SaveAs());
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    QVERIFY(m_Prompts->messages.back().text.contains("LEVEL02.CK1"));
    QCOMPARE(m_Prompts->messages.back().buttons, Prompts::Buttons::Ok);
    QCOMPARE(window->FileName(), good);
    QCOMPARE(window->windowTitle(), good + "[*]");
    QVERIFY(window->IsModified());

    // Save over a file that has become a folder.
    QVERIFY(QFile::remove(good));
    QVERIFY(QDir().mkdir(good));
    QVERIFY(!window->Save());
    QCOMPARE(m_Prompts->messages.size(), size_t(2));
    QVERIFY(m_Prompts->messages.back().text.contains("LEVEL01.CK1"));
    QVERIFY(window->IsModified());
    QCOMPARE(window->windowTitle(), good + "[*]");
    QVERIFY(!saved.isEmpty());
}

// Whether closing asks at all, and Cancel: tst_UndoRedo's
// modifiedFollowsTheSavedLevel and closeInsideTheMdiArea.
void tst_LevelEditorWindow::closeQuestionPaths() {
    QTemporaryDir dir;
    // Changed, Discard: closes and writes nothing.
    {
        auto window = newWindow(*m_Host, 30, 20, 1, 1);
        leveledit::setModified(*window, true);
        m_Prompts->answers.push_back(Prompts::Answer::Discard);
        QVERIFY(window->close());
        QCOMPARE(m_Prompts->messages.size(), size_t(1));
        const auto& question = m_Prompts->messages.back();
        QCOMPARE(question.text, CloseQuestion);
        QCOMPARE(question.title, QStringLiteral("Warning"));
        QCOMPARE(question.buttons, Prompts::Buttons::SaveDiscardCancel);
        QCOMPARE(question.icon, Prompts::Icon::Question);
        QVERIFY(m_Prompts->fileRequests.empty());
    }
    // Changed, Save on a never-saved level, Save As cancelled: stays open.
    {
        auto window = newPlayableWindow(*m_Host, 30, 20, 1, 1);
        leveledit::setModified(*window, true);
        m_Prompts->answers.push_back(Prompts::Answer::Save);
        m_Prompts->files.push_back(ScriptedPrompts::File::Cancel());
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QVERIFY(window->IsModified());
    }
    // Changed, Save, Save As chosen: saved and closed.
    {
        const QString path = dir.filePath("LEVEL03.CK1");
        auto window = newPlayableWindow(*m_Host, 30, 20, 1, 3);
        leveledit::setModified(*window, true);
        m_Prompts->answers.push_back(Prompts::Answer::Save);
        m_Prompts->files.push_back(ScriptedPrompts::File::Choose(path));
        QVERIFY(window->close());
        QCOMPARE(fileBytes(path), window->Document().level().Serialize());
    }
    // Changed, Save, the save fails: the reason is shown and it stays open.
    {
        const QString path = dir.filePath("gone/LEVEL05.CK1");
        auto window = newPlayableWindow(*m_Host, 30, 20, 1, 5);
        leveledit::setModified(*window, true);
        const size_t before = m_Prompts->messages.size();
        m_Prompts->answers.push_back(Prompts::Answer::Save);
        m_Prompts->files.push_back(ScriptedPrompts::File::Choose(path));
        QVERIFY(!window->close());
        QCOMPARE(m_Prompts->messages.size(), before + 2);
        QVERIFY(m_Prompts->messages.back().text.contains("LEVEL05.CK1"));
        QVERIFY(window->IsModified());
        QVERIFY(window->isVisible());
    }
}

void tst_LevelEditorWindow::closeInsideTheMdiArea() {
    QMdiArea area;
    area.resize(1000, 800);
    area.show();
    auto* window = new LevelEditorWindow(*m_Host);
    QMdiSubWindow* sub = area.addSubWindow(window);
    window->SetTiles(m_Host->TileSets(0));
    window->SetSprites(m_Host->SpriteSets(0));
    window->NewLevel(50, 40, 1, 2);
    window->Display();
    sub->show();

    // The minimum is the sub-window's outer size.
    sub->resize(100, 100);
    QCOMPARE(sub->size(), QSize(363, 323));
    QVERIFY(drive(*window).levelCanvas()->height() > 0);

    // A minimised window keeps its layout.
    const QRect holder = drive(*window).levelCanvas()->geometry();
    sub->showMinimized();
    QResizeEvent resize(window->size(), window->size());
    QApplication::sendEvent(window, &resize);
    QCOMPARE(drive(*window).levelCanvas()->geometry(), holder);
    sub->showNormal();

    leveledit::setModified(*window, true);
    m_Prompts->answers.push_back(Prompts::Answer::Cancel);
    drive(*window).trigger("closeAction");
    QCOMPARE(area.subWindowList().size(), 1);
    QVERIFY(sub->isVisible());

    m_Prompts->answers.push_back(Prompts::Answer::Discard);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    drive(*window).trigger("closeAction");
    QTRY_COMPARE(area.subWindowList().size(), 0);
    QCOMPARE(m_Prompts->messages.size(), size_t(2));
}

void tst_LevelEditorWindow::failedLoadLeavesNoName() {
    QTemporaryDir dir;
    const QString damaged = dir.filePath("LEVEL01.CK1");
    QVERIFY(writeFile(damaged, QByteArray("\x10\x00", 2)));
    LevelEditorWindow window(*m_Host);
    window.SetTiles(m_Host->TileSets(0));
    window.SetSprites(m_Host->SpriteSets(0));
    const IoResult result = window.LoadLevel(damaged);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains("LEVEL01.CK1"));
    QVERIFY(window.FileName().isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*]"));
    QVERIFY(!editortest::openWindow(*m_Host, dir.filePath("LEVEL02.CK1")));
}

// The same file in two windows (or two running copies): the second save
// asks before it overwrites what the first wrote.
void tst_LevelEditorWindow::sameFileInTwoWindows_data() {
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<qint16>("tileThree"); // cell (3, 3) of the file afterwards
    QTest::addColumn<qint16>("tileFour");
    QTest::addColumn<bool>("savedAs");
    QTest::newRow("overwrite") << Prompts::Answer::Overwrite << true << qint16(143) << qint16(12)
                               << false;
    QTest::newRow("save as") << Prompts::Answer::SaveAs << true << qint16(11) << qint16(143)
                             << true;
    QTest::newRow("cancel") << Prompts::Answer::Cancel << false << qint16(11) << qint16(143)
                            << false;
}

void tst_LevelEditorWindow::sameFileInTwoWindows() {
    QFETCH(Prompts::Answer, answer);
    QFETCH(bool, saved);
    QFETCH(qint16, tileThree);
    QFETCH(qint16, tileFour);
    QFETCH(bool, savedAs);
    QTemporaryDir dir;
    const QString path = dir.filePath("LEVEL06.CK1");
    const QString other = dir.filePath("LEVEL07.CK1");
    {
        Level level;
        level.Create(30, 20, 1, 6);
        level.SetInfo(28, 18, 255); // Keen's start
        QVERIFY(level.Save(path).ok);
    }
    auto one = openWindow(*m_Host, path);
    auto two = openWindow(*m_Host, path);
    QVERIFY(one && two);
    leveledit::setTile(*one, 3, 3, 11);
    QVERIFY(one->Save());
    QVERIFY(m_Prompts->messages.empty());
    leveledit::setTile(*two, 4, 4, 12);
    leveledit::setModified(*two, true);
    m_Prompts->answers.push_back(answer);
    m_Prompts->files.push_back(ScriptedPrompts::File::Choose(other));
    QCOMPARE(two->Save(), saved);

    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    const auto& question = m_Prompts->messages.front();
    QCOMPARE(question.text,
             QStringLiteral("LEVEL06.CK1 was changed by another program since you opened it."));
    QCOMPARE(question.buttons, Prompts::Buttons::OverwriteSaveAsCancel);
    Level reread;
    QVERIFY(reread.Load(path).ok);
    QCOMPARE(reread.Tile(3, 3), tileThree);
    QCOMPARE(reread.Tile(4, 4), tileFour);
    QCOMPARE(QFileInfo::exists(other), savedAs);
    QCOMPARE(two->FileName(), savedAs ? other : path);
    QCOMPARE(two->IsModified(), !saved);
}

void tst_LevelEditorWindow::realLevelsRoundTrip() {
    GM_REQUIRE_REAL_DATA();
    QTemporaryDir dir;
    // Every real level's bytes: tst_LevelRealData; here a window's road
    // for a level and for the map (whose info plane holds the blockers).
    EditorTestHost host(EditorTestHost::Sheets::GameSized);
    for (const QString& name : {QStringLiteral("LEVEL01.CK1"), QStringLiteral("LEVEL80.CK1")}) {
        const QString original = realDataDir() + "/" + name;
        auto window = openWindow(host, original);
        QVERIFY2(window, qPrintable(name));
        QCOMPARE(window->windowTitle(), original + "[*]");
        QVERIFY(!window->IsModified());
        QCOMPARE(window->Document().level().Episode(), qint16(1));
        // The canvas shows the level's first tile at its top-left corner.
        const qint16 first = window->Document().level().Tile(0, 0);
        QCOMPARE(drive(*window).canvasPixel(0, 0), tilePixel(first, 0, 0));

        const QString copy = dir.filePath(name.toLower());
        m_Prompts->files.push_back(ScriptedPrompts::File::Choose(copy));
        QVERIFY(window->SaveAs());
        QCOMPARE(window->windowTitle(), copy + "[*]");

        Level before;
        QVERIFY(before.Load(original).ok);
        Level after;
        QVERIFY(after.Load(copy).ok);
        QVERIFY2(after.TilePlane() == before.TilePlane(), qPrintable(name));
        QVERIFY2(after.InfoPlane() == before.InfoPlane(), qPrintable(name));
        QCOMPARE(after.Width(), before.Width());
        QCOMPARE(after.Height(), before.Height());
        QCOMPARE(fileBytes(copy), window->Document().level().Serialize());
    }
}

// Another program writes or removes the level's file: a bar across the
// window says so; Reload takes the file's level, Keep mine goes on and the
// next save asks first (what a reload does to the undo steps:
// tst_LevelDocumentDisk); a removed file is written again.
void tst_LevelEditorWindow::fileChangedOnDiskOffersReload() {
    QTemporaryDir dir;
    const QString path = dir.filePath("LEVEL13.CK1");
    const auto levelWithTile = [](qint16 tile) {
        Level level;
        level.Create(30, 20, 1, 13);
        level.SetInfo(28, 18, 255); // Keen's start
        level.SetTile(3, 3, tile);
        return level;
    };
    QVERIFY(levelWithTile(7).Save(path).ok);
    auto window = openWindow(*m_Host, path);
    QVERIFY(window);
    auto* bar = window->findChild<QWidget*>("diskChangeBar");
    auto* reload = window->findChild<QPushButton*>("diskChangeReload");
    auto* keep = window->findChild<QPushButton*>("diskChangeKeep");
    auto* text = window->findChild<QLabel*>("diskChangeText");
    QVERIFY(bar && reload && keep && text);
    QVERIFY(!bar->isVisible());
    const QRect holder = drive(*window).levelCanvas()->geometry();

    // Unmodified: Reload simply reads the file.
    QVERIFY(levelWithTile(8).Save(path).ok);
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(text->text(), QStringLiteral("LEVEL13.CK1 was changed by another program."));
    QVERIFY(reload->isVisible());
    // The edit area makes room for the bar.
    QCOMPARE(drive(*window).levelCanvas()->y(), bar->height());
    QCOMPARE(drive(*window).levelCanvas()->height(), holder.height() - bar->height());
    QTest::mouseClick(reload, Qt::LeftButton);
    QVERIFY(!bar->isVisible());
    QCOMPARE(drive(*window).levelCanvas()->geometry(), holder);
    QVERIFY(window->Document().level() == levelWithTile(8));
    QVERIFY(!window->IsModified());
    QVERIFY(!drive(*window).action("undoAction")->isEnabled());
    QTRY_VERIFY(editortest::canvasShowsLevel(*window));

    // Keep mine: the bar goes; the save asks, and Overwrite writes it.
    QTest::mouseClick(drive(*window).canvas(), Qt::LeftButton, {}, QPoint(6 * 16 + 2, 6 * 16 + 2));
    const Level mine = window->Document().level();
    QVERIFY(levelWithTile(10).Save(path).ok);
    QTRY_VERIFY(bar->isVisible());
    QTest::mouseClick(keep, Qt::LeftButton);
    QVERIFY(!bar->isVisible());
    QVERIFY(window->Document().level() == mine);
    m_Prompts->answers.push_back(Prompts::Answer::Overwrite);
    QVERIFY(window->Save());
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    QCOMPARE(m_Prompts->messages.back().buttons, Prompts::Buttons::OverwriteSaveAsCancel);
    QCOMPARE(fileBytes(path), mine.Serialize());
    QTest::qWait(500);
    QVERIFY(!bar->isVisible());

    // Removed: the bar says so, and saving asks nothing and writes it again.
    QVERIFY(QFile::remove(path));
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(text->text(),
             QStringLiteral("LEVEL13.CK1 was deleted or moved by another program. Saving writes "
                            "it again."));
    QVERIFY(!reload->isVisible());
    leveledit::setModified(*window, true);
    QVERIFY(window->Save());
    QCOMPARE(m_Prompts->messages.size(), size_t(1));
    QCOMPARE(fileBytes(path), mine.Serialize());
    QVERIFY(!bar->isVisible());
}

void tst_LevelEditorWindow::closeQuestionNamesTheLevel() {
    QTemporaryDir dir;
    const QString path = dir.filePath("LEVEL07.CK2");
    Level level;
    level.Create(30, 20, 2, 7);
    QVERIFY(level.Save(path).ok);
    auto named = openWindow(*m_Host, path);
    auto untitled = newWindow(*m_Host, 30, 20, 1, 1);
    QVERIFY(named && untitled);
    // The caption marks unsaved changes through "[*]".
    QVERIFY(!named->isWindowModified());
    leveledit::setModified(*named, true);
    leveledit::setModified(*untitled, true);
    QVERIFY(named->isWindowModified());
    QCOMPARE(untitled->windowTitle(), QStringLiteral("Untitled[*]"));
    QVERIFY(!named->close());
    QVERIFY(!untitled->close());
    QCOMPARE(m_Prompts->messages.size(), size_t(2));
    QCOMPARE(m_Prompts->messages[0].text,
             QStringLiteral("LEVEL07.CK2 has changed since it was last saved. Do you want to "
                            "save it?"));
    QCOMPARE(m_Prompts->messages[1].text, CloseQuestion);
}

// The game loads at most 16,376 cells. Saving a larger level asks first;
// once answered Yes, the window saves it without asking again.
void tst_LevelEditorWindow::tooLargeForTheGameAsksOncePerWindow_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QList<int>>("answers");  // 1 Yes, 0 No, one per question
    QTest::addColumn<QList<bool>>("written"); // per save of three
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("cells");
    QTest::newRow("124 x 132 plays")
        << 124 << 132 << QList<int>{} << QList<bool>{1, 1, 1} << 0 << QString();
    QTest::newRow("128 x 128, yes")
        << 128 << 128 << QList<int>{1} << QList<bool>{1, 1, 1} << 1 << "16,384";
    QTest::newRow("128 x 128, no, then yes")
        << 128 << 128 << QList<int>{0, 1} << QList<bool>{0, 1, 1} << 2 << "16,384";
    QTest::newRow("170 x 170, no, no, no")
        << 170 << 170 << QList<int>{0, 0, 0} << QList<bool>{0, 0, 0} << 3 << "28,900";
}

void tst_LevelEditorWindow::tooLargeForTheGameAsksOncePerWindow() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QList<int>, answers);
    QFETCH(QList<bool>, written);
    QFETCH(int, questions);
    QFETCH(QString, cells);
    QTemporaryDir dir;
    const QString path = dir.filePath("LEVEL02.CK1");
    auto window = newPlayableWindow(*m_Host, qint16(width), qint16(height), 1, 2);
    leveledit::setFileName(*window, path);
    for (int answer : answers)
        m_Prompts->answers.push_back(answer ? Prompts::Answer::Yes : Prompts::Answer::No);
    for (int i = 0; i < 3; ++i) {
        QFile::remove(path);
        leveledit::setTile(*window, 1, 1, qint16(10 + i));
        leveledit::setModified(*window, true);
        QCOMPARE(window->Save(), bool(written[i]));
        QCOMPARE(QFileInfo::exists(path), bool(written[i]));
        QCOMPARE(window->IsModified(), !written[i]);
    }
    QCOMPARE(int(m_Prompts->messages.size()), questions);
    for (const auto& question : m_Prompts->messages) {
        QCOMPARE(question.text,
                 QStringLiteral("LEVEL02.CK1 is too large for the game to load: %1 cells, at "
                                "most 16,376.\r\nThe game shows garbage or stops when it loads "
                                "it. Save it anyway?")
                     .arg(cells));
        QCOMPARE(question.buttons, Prompts::Buttons::YesNo);
    }
}

GM_TEST_MAIN(tst_LevelEditorWindow)
#include "tst_LevelEditorWindow.moc"
