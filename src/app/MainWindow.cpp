#include "MainWindow.h"

#include "CloseAllQuestion.h"
#include "DataFolder.h"
#include "EditGeometry.h"
#include "EditorFrame.h"
#include "EditorPlacement.h"
#include "EpisodeDock.h"
#include "EpisodeFolder.h"
#include "EpisodeModel.h"
#include "FileDialogs.h"
#include "FindDock.h"
#include "FindResults.h"
#include "GameFolderSettings.h"
#include "GameLimits.h"
#include "GamePathsDialog.h"
#include "GraphicsFolder.h"
#include "HelpMenu.h"
#include "Level.h"
#include "LevelCheckDock.h"
#include "LevelCheckModel.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "LevelFileDialogs.h"
#include "LevelFolders.h"
#include "LevelPropertiesDialog.h"
#include "MainStatusBar.h"
#include "MainWindowTitle.h"
#include "MenuKeys.h"
#include "NativePath.h"
#include "NewLevelDefaults.h"
#include "OverviewDock.h"
#include "PathText.h"
#include "Prompts.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "RecoveryDialog.h"
#include "RecoveryKeeper.h"
#include "Settings.h"
#include "SpriteCatalogue.h"
#include "WindowMenu.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QUrl>

#include <utility>

namespace {

// How long the status bar tells that the recent files could not be stored.
constexpr int RecentFilesMessageMs = 15000;
// How long the status bar tells that a recovery copy could not be written.
constexpr int RecoveryMessageMs = 15000;
// How long the status bar tells where Find Next went.
constexpr int FindMessageMs = 8000;

const QString PathsSection = QStringLiteral("Paths");
const QString WindowSection = QStringLiteral("Window");
const QString GeometryKey = QStringLiteral("Geometry");
const QString StateKey = QStringLiteral("State");

QString pathKey(int index) {
    return QStringLiteral("Keen %1").arg(index + 1);
}

// The folder of an episode's demo graphics: beside the program in a build,
// in share/gridmason when installed.
QString demoFolder(const QString& programFolder, int index) {
    return QDir(DemoDataFolder(programFolder))
        .filePath(QStringLiteral("graphics/keen%1").arg(index + 1));
}

// The local files among what is dragged; other addresses are not levels
// this program can write back.
QStringList droppedFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files << url.toLocalFile();
    }
    return files;
}

// Takes from the sub-window's own menu every key that one of the editor's
// menus owns.
void YieldKeys(QMdiSubWindow& subWindow, const LevelEditorWindow& editor) {
    QList<QKeySequence> owned;
    for (const QMenu* menu : editor.Menus()) {
        for (const QAction* action : menu->actions())
            owned << action->shortcuts();
    }
    if (subWindow.systemMenu() == nullptr)
        return;
    for (QAction* action : subWindow.systemMenu()->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        keys.removeIf([&](const QKeySequence& key) { return owned.contains(key); });
        action->setShortcuts(keys);
    }
}

// A settings file that cannot be read is told once, with the reason, before
// anything asks for what it would have held.
void TellUnreadableSettings(QWidget* owner) {
    const IoResult readable = Settings::CheckFile();
    if (!readable)
        Prompts::Current().Message(
            owner,
            readable.error +
                MainWindow::tr("\r\nGridmason starts without the settings stored in it, and "
                               "cannot store new ones there until the file is replaced."),
            QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_ProgramFolder(QCoreApplication::applicationDirPath()) {
    m_Title = new MainWindowTitle(*this);
    m_MdiArea = new QMdiArea(this);
    setCentralWidget(m_MdiArea);
    CreateMenus();
    m_StatusBar = new MainStatusBar(this);
    setStatusBar(m_StatusBar);
    m_CheckDock = new LevelCheckDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_CheckDock);
    // Until Level, Check Level asks for it (or the last session left it open).
    m_CheckDock->hide();
    connect(m_CheckDock, &LevelCheckDock::CellChosen, this, &MainWindow::showCheckedCell);
    connect(m_CheckDock, &QDockWidget::visibilityChanged, this,
            &MainWindow::checkDockShownOrHidden);
    m_EpisodeDock = new EpisodeDock(this);
    addDockWidget(Qt::RightDockWidgetArea, m_EpisodeDock);
    // Until File, Open Episode Folder or Window, Episode Panel asks for it
    // (or the last session left it open).
    m_EpisodeDock->hide();
    // The dock's own toggle takes the dock's title, which names the folder.
    auto* episodePanel = new QAction(tr("E&pisode Panel"), this);
    episodePanel->setObjectName(QStringLiteral("episodePanelAction"));
    episodePanel->setCheckable(true);
    connect(episodePanel, &QAction::triggered, this, [this](bool shown) {
        m_EpisodeDock->setVisible(shown);
        if (shown)
            GiveEpisodePanelRoom();
    });
    // The dock reports hiding while the main window is destroyed: the tick
    // follows it without reaching back into this window.
    connect(m_EpisodeDock, &QDockWidget::visibilityChanged, episodePanel,
            [dock = m_EpisodeDock, episodePanel] { episodePanel->setChecked(!dock->isHidden()); });
    m_WindowMenu->AddPanel(episodePanel);
    m_StatusBar->addPermanentWidget(m_EpisodeDock->ProgressBar());
    connect(m_EpisodeDock, &EpisodeDock::levelActivated, this, &MainWindow::OpenLevelFile);
    connect(m_EpisodeDock, &EpisodeDock::levelSelected, this, &MainWindow::MarkEpisodeLevel);
    m_FindDock = new FindDock(this);
    addDockWidget(Qt::BottomDockWidgetArea, m_FindDock);
    // Until Edit, Find Tile or Value asks for it.
    m_FindDock->hide();
    connect(m_FindDock, &FindDock::searchRequested, this, &MainWindow::RunFind);
    connect(m_FindDock, &FindDock::rowChosen, this, [this](int row) { GoToFound(row); });
    // Closed, with the check dock closed too: the cells it marked are
    // marked no more.
    connect(m_FindDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible)
            for (QMdiSubWindow* subWindow : m_MdiArea->subWindowList())
                FitInsideArea(subWindow);
        if (m_FindDock->isHidden() && m_CheckDock->isHidden())
            for (LevelEditorWindow* editor : Editors())
                editor->ClearMarkedCell();
    });
    // Always there, until the user closes it.
    m_OverviewDock = new OverviewDock(this);
    addDockWidget(Qt::RightDockWidgetArea, m_OverviewDock);
    setAcceptDrops(true);
    connect(m_MdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::showActiveEditor);
    NameParts();
    // Until RestorePlacement gives the size the user left it at.
    resize(900, 700);
}

// The area and the dock outlive this part of the window and report the
// editors closing and the dock hiding as they go; nothing here may answer
// that any more.
MainWindow::~MainWindow() {
    disconnect(m_MdiArea, nullptr, this, nullptr);
    disconnect(m_CheckDock, nullptr, this, nullptr);
    disconnect(m_EpisodeDock, nullptr, this, nullptr);
    disconnect(m_FindDock, nullptr, this, nullptr);
}

void MainWindow::CreateMenus() {
    m_FileMenu = new QMenu(tr("&File"), this);
    m_NewAction = m_FileMenu->addAction(tr("&New"));
    m_NewAction->setShortcuts(MenuKeys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    m_OpenAction = m_FileMenu->addAction(tr("&Open"));
    m_OpenAction->setShortcuts(MenuKeys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    m_OpenEpisodeAction = m_FileMenu->addAction(tr("Open &Episode Folder..."));
    m_OpenEpisodeAction->setObjectName(QStringLiteral("openEpisodeFolderAction"));
    m_RecentMenu = new RecentFilesMenu(this);
    m_FileMenu->addMenu(m_RecentMenu);
    m_FileMenu->addSeparator();
    m_SaveAllAction = m_FileMenu->addAction(tr("Sa&ve All"));
    m_SaveAllAction->setObjectName(QStringLiteral("saveAllAction"));
    m_SaveAllAction->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    m_CloseAllAction = m_FileMenu->addAction(tr("Close A&ll"));
    m_CloseAllAction->setObjectName(QStringLiteral("closeAllAction"));
    // The editors' File menus hold the same actions; their keys work in
    // every window.
    addActions({m_SaveAllAction, m_CloseAllAction});
    connect(m_OpenEpisodeAction, &QAction::triggered, this, &MainWindow::openEpisodeFolder);
    connect(m_SaveAllAction, &QAction::triggered, this, &MainWindow::saveAll);
    connect(m_CloseAllAction, &QAction::triggered, this, &MainWindow::closeAll);
    m_FileMenu->addSeparator();
    m_SetPathsAction = m_FileMenu->addAction(tr("Set &Paths"));
    m_FileMenu->addSeparator();
    m_ExitAction = m_FileMenu->addAction(tr("E&xit"));
    m_ExitAction->setShortcuts(MenuKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    connect(m_NewAction, &QAction::triggered, this, &MainWindow::newLevel);
    connect(m_OpenAction, &QAction::triggered, this, &MainWindow::openLevels);
    connect(m_SetPathsAction, &QAction::triggered, this, &MainWindow::setPaths);
    connect(m_ExitAction, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(m_RecentMenu, &RecentFilesMenu::FileChosen, this, &MainWindow::openRecentFile);
    m_WindowMenu = new WindowMenu(m_MdiArea, this);
    m_HelpMenu = new HelpMenu([this] { return menuBar()->actions(); },
                              [this] { return DocumentationFolder(m_ProgramFolder); }, this);
    ShowMenus({m_FileMenu, m_WindowMenu});
}

// Names for tests and accessibility tools; an editor window has a File
// menu and actions of its own, hence the "main" names.
void MainWindow::NameParts() {
    const std::pair<QObject*, const char*> parts[] = {
        {m_MdiArea, "mdiArea"},
        {m_FileMenu, "mainFileMenu"},
        {m_NewAction, "mainNewAction"},
        {m_OpenAction, "mainOpenAction"},
        {m_SetPathsAction, "mainSetPathsAction"},
        {m_ExitAction, "mainExitAction"},
        {m_RecentMenu, "recentFilesMenu"},
        {m_WindowMenu, "windowMenu"},
        {m_HelpMenu, "helpMenu"},
        {m_StatusBar, "mainStatusBar"},
    };
    for (const auto& [object, name] : parts)
        object->setObjectName(QLatin1String(name));
}

QString MainWindow::GraphicsFolder(int index) const {
    return index >= 0 && index < 3 ? m_Paths[index] : QString();
}

// ---- Start-up ----

bool MainWindow::Start() {
    TellUnreadableSettings(this);
    SeedDemoPaths();
    if (!LoadPaths()) {
        close();
        return false;
    }
    LoadGraphics();
    return true;
}

bool MainWindow::SeedDemoPaths() {
    if (QFileInfo::exists(Settings::FilePath()))
        return false;
    for (int i = 0; i < 3; ++i) {
        if (!QFileInfo(demoFolder(m_ProgramFolder, i)).isDir())
            return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (!Settings::Write(PathsSection, pathKey(i), demoFolder(m_ProgramFolder, i)))
            return false;
    }
    return true;
}

bool MainWindow::LoadPaths() {
    bool complete = true;
    for (int i = 0; i < 3; ++i) {
        m_Paths[i] = Settings::Read(PathsSection, pathKey(i));
        complete = complete && !m_Paths[i].isEmpty();
    }
    return complete ? true : AskForPaths();
}

bool MainWindow::AskForPaths() {
    QString chosen[3];
    {
        GamePathsDialog dialog(this);
        for (int i = 0; i < 3; ++i)
            dialog.setGraphicsFolder(i + 1, m_Paths[i]);
        Prompts::Current().RunModal(dialog);
        if (dialog.result() != QDialog::Accepted)
            return false;
        for (int i = 0; i < 3; ++i)
            chosen[i] = dialog.graphicsFolder(i + 1);
    }
    IoResult saved;
    for (int i = 0; i < 3; ++i) {
        m_Paths[i] = chosen[i];
        const IoResult stored = Settings::Write(PathsSection, pathKey(i), m_Paths[i]);
        if (saved && !stored)
            saved = stored;
    }
    if (!saved) {
        Prompts::Current().Message(
            this,
            tr("The paths could not be stored. %1\r\nThey are used until the "
               "program ends.")
                .arg(saved.error),
            QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
    }
    LoadGraphics();
    return true;
}

bool MainWindow::LoadTileSets() {
    // New sets, never the old ones changed: a window, or work on another
    // thread, still drawing with the old ones keeps them until it lets go.
    for (auto& set : m_TileSets)
        set = std::make_shared<const TileSet>();
    for (int i = 0; i < 3; ++i) {
        auto set = std::make_shared<TileSet>();
        const IoResult loaded = GraphicsFolder::LoadTiles(m_Paths[i], i + 1, *set);
        m_TileSets[i] = std::move(set);
        if (!Remember(loaded, i))
            return false;
    }
    return true;
}

bool MainWindow::LoadSpriteSets() {
    for (auto& set : m_SpriteSets)
        set = std::make_shared<const SpriteSet>();
    for (int i = 0; i < 3; ++i) {
        auto set = std::make_shared<SpriteSet>();
        const IoResult loaded =
            GraphicsFolder::LoadSprites(m_Paths[i], i + 1, *set, m_SpriteScratch);
        m_SpriteSets[i] = std::move(set);
        if (!Remember(loaded, i))
            return false;
    }
    return true;
}

bool MainWindow::Remember(const IoResult& loaded, int index) {
    if (!loaded &&
        GraphicsFolder::Classify(m_Paths[index], index + 1) == GraphicsFolder::Kind::GameFiles)
        m_GameFilesError = loaded.error;
    return loaded.ok;
}

void MainWindow::LoadTileBehaviours() {
    bool changed = false;
    for (int episode = 1; episode <= EpisodeTileBehaviour::Episodes; ++episode) {
        if (!m_TileBehaviours.Update(episode, GameFolderSettings::Read(episode),
                                     m_Paths[episode - 1]))
            continue;
        changed = true;
        for (LevelEditorWindow* editor : Editors())
            if (editor->Document().level().Episode() == episode)
                editor->TakeTileBehaviour();
    }
    // The check dock's rules follow the new table at once.
    if (changed && m_CheckDock)
        m_CheckDock->Model().CheckNow();
}

void MainWindow::LoadGraphics() {
    m_GameFilesError.clear();
    LoadTileBehaviours();
    if (LoadTileSets() && LoadSpriteSets())
        return;
    QString text = tr("One or more of the image paths did not contain the required images!\r\n"
                      "Please re-enter the paths.");
    // A damaged game file deserves its name and the reason, which the
    // fixed text cannot give.
    if (!m_GameFilesError.isEmpty())
        text += QStringLiteral("\r\n\r\n") + m_GameFilesError;
    Prompts::Current().Message(this, text, QString(), Prompts::Buttons::Ok,
                               Prompts::Icon::Critical);
    setPaths();
}

void MainWindow::setPaths() {
    QString before[3];
    std::copy(std::begin(m_Paths), std::end(m_Paths), std::begin(before));
    if (!AskForPaths())
        return;
    RefreshEditors(before);
    GiveEpisodeGraphics();
}

void MainWindow::RefreshEditors(const QString (&before)[3]) {
    for (LevelEditorWindow* editor : Editors()) {
        const int index = editor->Document().level().Episode() - 1;
        if (index < 0 || index > 2 || m_Paths[index] == before[index])
            continue;
        // A set that failed to load is empty; the window keeps drawing
        // with the graphics it has rather than with grey boxes.
        if (TileSets(index)->Count() == 0 || SpriteSets(index)->Count() == 0)
            continue;
        editor->TakeNewGraphics(TileSets(index), SpriteSets(index));
    }
}

// ---- Sets ----

std::shared_ptr<const TileSet> MainWindow::TileSets(int index) const {
    if (index >= 0 && index < 3 && m_TileSets[index])
        return m_TileSets[index];
    return std::make_shared<const TileSet>();
}

std::shared_ptr<const SpriteSet> MainWindow::SpriteSets(int index) const {
    if (index >= 0 && index < 3 && m_SpriteSets[index])
        return m_SpriteSets[index];
    return std::make_shared<const SpriteSet>();
}

// ---- Editor windows ----

LevelEditorWindow* MainWindow::OpenEditor(int episode,
                                          const std::function<IoResult(LevelEditorWindow&)>& fill,
                                          RecoveryEntry adopted) {
    auto* subWindow = new EditorFrame;
    subWindow->setAttribute(Qt::WA_DeleteOnClose);
    auto* editor = new LevelEditorWindow(*this);
    subWindow->setWidget(editor);
    editor->SetTiles(TileSets(episode - 1));
    editor->SetSprites(SpriteSets(episode - 1));
    const IoResult result = fill(*editor);
    if (!result) {
        delete subWindow;
        Prompts::Current().Message(this, result.error, QString(), Prompts::Buttons::Ok,
                                   Prompts::Icon::Exclamation);
        return nullptr;
    }
    KeepRecoveryCopies(*editor, std::move(adopted));
    // The recent files are offered in every File menu, the Overview in
    // every View menu.
    editor->AddFileSubmenu(m_RecentMenu);
    editor->AddFileActions({m_OpenEpisodeAction}, {m_SaveAllAction, m_CloseAllAction});
    editor->AddViewAction(m_OverviewDock->toggleViewAction());
    m_EpisodeDock->Model().Follow(&editor->Document());
    // The sub-window's own Close also claims Ctrl+W; a key with two owners
    // does nothing, so the editor's File, Close keeps it.
    YieldKeys(*subWindow, *editor);
    const int open = m_MdiArea->subWindowList().size();
    m_MdiArea->addSubWindow(subWindow);
    // Cascaded, and fully inside the visible part of the area.
    subWindow->setGeometry(EditorPlacement::NextWindow(
        m_MdiArea->viewport()->size(), open,
        QSize(EditGeometry::MinOuterWidth, EditGeometry::MinOuterHeight)));
    subWindow->show();
    editor->Display();
    m_MdiArea->setActiveSubWindow(subWindow);
    return editor;
}

void MainWindow::KeepRecoveryCopies(LevelEditorWindow& editor, RecoveryEntry adopted) {
    LevelDocument& document = editor.Document();
    auto* keeper = adopted.id.isEmpty()
                       ? new RecoveryKeeper(document, m_Recovery, &document)
                       : new RecoveryKeeper(document, m_Recovery, std::move(adopted), &document);
    connect(&editor, &LevelEditorWindow::changesDiscarded, keeper, &RecoveryKeeper::Discard);
    // Written in the background: a failure is told without stopping the
    // user, and tried again.
    connect(keeper, &RecoveryKeeper::failed, this, [this](const QString& message) {
        m_StatusBar->showMessage(message, RecoveryMessageMs);
    });
}

QList<LevelEditorWindow*> MainWindow::Editors() const {
    QList<LevelEditorWindow*> editors;
    for (QMdiSubWindow* subWindow : m_MdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* editor = qobject_cast<LevelEditorWindow*>(subWindow->widget()))
            editors << editor;
    }
    return editors;
}

std::vector<LevelEditorWindow*> MainWindow::EpisodeEditors(const LevelEditorWindow& editor) const {
    std::vector<LevelEditorWindow*> others;
    const qint16 episode = editor.Document().level().Episode();
    for (LevelEditorWindow* other : Editors()) {
        if (other != &editor && other->Document().level().Episode() == episode)
            others.push_back(other);
    }
    return others;
}

LevelEditorWindow* MainWindow::ActiveEditor() const {
    QMdiSubWindow* window = m_MdiArea->currentSubWindow();
    return window ? qobject_cast<LevelEditorWindow*>(window->widget()) : nullptr;
}

QString MainWindow::LevelFolder() const {
    const QString last = LevelFolders::Last();
    return last.isEmpty() ? DemoDataFolder(m_ProgramFolder) + QStringLiteral("/levels") : last;
}

void MainWindow::newLevel() {
    int episode = 0;
    int width = 0;
    int height = 0;
    bool mapLevel = false;
    {
        LevelPropertiesDialog dialog(this);
        const LevelEditorWindow* active = ActiveEditor();
        const NewLevelDefaults defaults = NewLevelDefaults::FromSettings(
            active ? active->Document().level().Episode() : 0,
            QSize(LevelPropertiesDialog::MinWidth, LevelPropertiesDialog::MinHeight),
            QSize(LevelPropertiesDialog::MaxWidth, LevelPropertiesDialog::MaxHeight));
        dialog.setEpisode(defaults.episode);
        dialog.offerSize(defaults.size.width(), defaults.size.height());
        Prompts::Current().RunModal(dialog);
        if (dialog.result() != QDialog::Accepted)
            return;
        episode = dialog.chosenEpisode();
        width = dialog.chosenWidth();
        height = dialog.chosenHeight();
        mapLevel = dialog.isMapLevel();
    }
    NewLevelDefaults::RememberEpisode(episode);
    NewLevelDefaults::RememberSize(QSize(width, height));
    OpenEditor(episode, [&](LevelEditorWindow& editor) {
        editor.NewLevel(qint16(width), qint16(height), qint16(episode),
                        mapLevel ? GameLimits::MapLevelNumber : 1);
        return IoResult::success();
    });
}

void MainWindow::openLevels() {
    const LevelEditorWindow* active = ActiveEditor();
    const QString folder =
        LevelFolders::ForOpening(active ? active->FileName() : QString(), LevelFolder());
    OpenFiles(LevelFileDialogs::ChooseToOpen(this, folder));
}

LevelEditorWindow* MainWindow::EditorOf(const QString& fileName) const {
    // The same file under another name (a link, "..", "./") is the same.
    const QFileInfo wanted(fileName);
    for (LevelEditorWindow* editor : Editors()) {
        if (!editor->FileName().isEmpty() && QFileInfo(editor->FileName()) == wanted)
            return editor;
    }
    return nullptr;
}

LevelEditorWindow* MainWindow::OpenLevelFile(const QString& name) {
    const QString fileName = PathText::Slashed(name);
    // A level already open is brought to the front rather than opened in a
    // second window, whose saves would overwrite the first's.
    if (LevelEditorWindow* open = EditorOf(fileName)) {
        auto* subWindow = qobject_cast<QMdiSubWindow*>(open->parentWidget());
        if (subWindow && subWindow->isMinimized())
            subWindow->showNormal();
        m_MdiArea->setActiveSubWindow(subWindow);
        AddRecentFile(open->FileName());
        return open;
    }
    // The level's episode is the last character of its name: .ck1 to .ck3.
    const int episode = Level::EpisodeFromFileName(fileName);
    if (episode < 1 || episode > 3) {
        Prompts::Current().Message(
            this,
            tr("%1\r\ncannot be opened: a level file's name must end in 1, 2 or 3, "
               "the number of its episode.")
                .arg(QDir::toNativeSeparators(fileName)),
            QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
        return nullptr;
    }
    LevelEditorWindow* editor =
        OpenEditor(episode, [&](LevelEditorWindow& editor) { return editor.LoadLevel(fileName); });
    if (editor) {
        AddRecentFile(fileName);
        LevelFolders::Remember(fileName);
        NewLevelDefaults::RememberEpisode(episode);
        // The first level opened while no episode is shown brings its
        // folder into the Episode panel; later ones leave it as it is.
        // The panel stays as the user left it, shown or hidden.
        if (!m_EpisodeDock->HasFolder())
            ShowEpisode(QFileInfo(fileName).absolutePath(), episode, false);
        else
            MarkEpisodeLevel(m_EpisodeDock->SelectedNumber());
    }
    return editor;
}

void MainWindow::exitProgram() {
    close();
}

// Every editor window is asked in turn, the active one first; the first that keeps its level
// (Cancel, or a save that did not happen) stops the program from closing.
void MainWindow::closeEvent(QCloseEvent* event) {
    const QList<QMdiSubWindow*> windows =
        m_MdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (!(*it)->close()) {
            event->ignore();
            return;
        }
    }
    // A window never shown (paths cancelled at the start) has no place to
    // keep, and a first start must not leave a settings file behind.
    if (isVisible())
        SavePlacement();
    event->accept();
}

// ---- Recovery copies ----

void MainWindow::OfferRecovery() {
    std::vector<RecoveryEntry> entries = m_Recovery.ClaimOrphans();
    if (entries.empty())
        return;
    RecoveryDialog::Choice choice = RecoveryDialog::Choice::KeepForLater;
    std::vector<int> ticked;
    {
        RecoveryDialog dialog(entries, this);
        Prompts::Current().RunModal(dialog);
        choice = dialog.Chosen();
        ticked = dialog.Ticked();
    }
    if (choice == RecoveryDialog::Choice::KeepForLater)
        return;
    const bool restore = choice == RecoveryDialog::Choice::Restore;
    QStringList problems;
    for (const int index : ticked) {
        RecoveryEntry& entry = entries[size_t(index)];
        const IoResult done = restore ? RestoreEntry(entry) : m_Recovery.Remove(entry.id);
        if (!done)
            problems << done.error;
    }
    // The copies not ticked, and those that failed, stay for the next start
    // once `entries` lets their locks go.
    if (problems.isEmpty())
        return;
    const QString text = restore ? tr("These levels could not be restored; their recovery "
                                      "copies are kept for the next start:")
                                 : tr("These recovery copies could not be deleted:");
    Prompts::Current().Message(
        this, text + QStringLiteral("\r\n\r\n") + problems.join(QStringLiteral("\r\n")), QString(),
        Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
}

IoResult MainWindow::RestoreEntry(RecoveryEntry& entry) {
    Level level;
    const IoResult read = m_Recovery.Read(entry, level);
    if (!read)
        return read;
    // Read before the entry moves into the window: the arguments are
    // evaluated in no fixed order.
    const QString file = entry.originalFile;
    const int episode = entry.episode;
    OpenEditor(
        episode,
        [&](LevelEditorWindow& editor) {
            editor.RestoreLevel(level, file);
            return IoResult::success();
        },
        std::move(entry));
    return IoResult::success();
}

// ---- Window placement ----

void MainWindow::RestorePlacement() {
    const QByteArray geometry =
        QByteArray::fromBase64(Settings::Read(WindowSection, GeometryKey).toLatin1());
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const QSize size = available.size() * 4 / 5;
        setGeometry(QRect(available.center() - QPoint(size.width() / 2, size.height() / 2), size));
    }
    restoreState(QByteArray::fromBase64(Settings::Read(WindowSection, StateKey).toLatin1()));
}

// A failed write loses only the placement, which is a convenience.
void MainWindow::SavePlacement() {
    Settings::Write(WindowSection, GeometryKey, QString::fromLatin1(saveGeometry().toBase64()));
    Settings::Write(WindowSection, StateKey, QString::fromLatin1(saveState().toBase64()));
}

// ---- Menus ----

void MainWindow::ShowMenus(const QList<QMenu*>& menus) {
    menuBar()->clear();
    for (QMenu* menu : menus)
        menuBar()->addMenu(menu);
    // Help stands last, beside the main window's menus and an editor's alike.
    menuBar()->addMenu(m_HelpMenu);
}

// While an editor window is active its menus stand in the menu bar in
// place of the main window's own. When the area reports no active window
// (the program lost the focus, or the active one is closing) the menus of
// the editor that was active last and is still open stay; the main
// window's own come back when no editor is left.
void MainWindow::showActiveEditor(QMdiSubWindow* window) {
    const auto open = [](QMdiSubWindow* w) {
        return w != nullptr && w->widget() != nullptr && !w->widget()->isHidden();
    };
    if (!open(window)) {
        window = nullptr;
        const QList<QMdiSubWindow*> recent =
            m_MdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
        for (auto it = recent.crbegin(); it != recent.crend() && window == nullptr; ++it) {
            if (open(*it))
                window = *it;
        }
    }
    auto* editor = window ? qobject_cast<LevelEditorWindow*>(window->widget()) : nullptr;
    ShowMenus((editor ? editor->Menus() : QList<QMenu*>{m_FileMenu}) << m_WindowMenu);
    m_StatusBar->SetEditor(editor);
    m_Title->Follow(editor);
    m_CheckDock->Follow(editor);
    m_OverviewDock->Follow(editor);
}

// ---- Check dock ----

void MainWindow::ShowLevelCheck(LevelEditorWindow& editor) {
    m_CheckDock->Follow(&editor);
    m_CheckDock->CheckAndShow();
}

void MainWindow::showCheckedCell(LevelEditorWindow* editor, int x, int y) {
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(editor->parentWidget())) {
        m_MdiArea->setActiveSubWindow(subWindow);
        FitInsideArea(subWindow);
    }
    editor->ShowCell(x, y);
}

void MainWindow::checkDockShownOrHidden(bool visible) {
    if (visible) {
        for (QMdiSubWindow* subWindow : m_MdiArea->subWindowList())
            FitInsideArea(subWindow);
        return;
    }
    if (!m_CheckDock->isHidden())
        return;
    for (LevelEditorWindow* editor : Editors())
        editor->ClearMarkedCell();
}

// ---- Find dock ----

void MainWindow::ShowFind(LevelEditorWindow& editor) {
    if (editor.Mode() == 0)
        m_FindDock->Prepare(CellFinder::Plane::Tiles, editor.SelectedTile(0));
    else
        m_FindDock->Prepare(CellFinder::Plane::Info,
                            SpriteCatalogue::InfoForSprite(editor.SelectedSprite()));
}

void MainWindow::RunFind(CellFinder::Plane plane, qint16 value, bool wholeFolder) {
    LevelEditorWindow* active = ActiveEditor();
    if (active == nullptr) {
        m_FindDock->ShowOutcome(tr("No level is open."));
        return;
    }
    FindResults& results = m_FindDock->Results();
    if (!wholeFolder) {
        results.SearchLevel(plane, value, active->Document());
        m_FindDock->ShowOutcome(results.Summary());
        return;
    }
    QList<const LevelDocument*> open;
    for (const LevelEditorWindow* editor : Editors())
        open << &editor->Document();
    const IoResult searched = results.SearchFolder(plane, value, active->Document(), open);
    QString outcome = searched ? results.Summary() : searched.error;
    if (active->FileName().isEmpty())
        outcome +=
            QLatin1Char('\n') + tr("A level never saved has no folder: only it was searched.");
    if (!results.Failures().isEmpty())
        outcome += QLatin1Char('\n') + results.Failures().join(QLatin1Char('\n'));
    m_FindDock->ShowOutcome(outcome);
}

bool MainWindow::GoToFound(int row, const QString& before) {
    FindResults& results = m_FindDock->Results();
    const QString line = results.index(row).data().toString();
    LevelEditorWindow* editor = nullptr;
    if (const LevelDocument* document = results.DocumentOf(row)) {
        for (LevelEditorWindow* open : Editors())
            if (&open->Document() == document)
                editor = open;
    } else if (!results.FileOf(row).isEmpty()) {
        editor = OpenLevelFile(results.FileOf(row));
    }
    const QPoint cell = results.CellOf(row);
    QString problem;
    if (editor == nullptr)
        problem = tr("The level of %1 is no longer open.").arg(line);
    else if (cell.x() >= editor->Document().level().Width() ||
             cell.y() >= editor->Document().level().Height())
        // The level was made smaller since the search.
        problem = tr("%1 lies outside the level now.").arg(line);
    if (!problem.isEmpty()) {
        m_StatusBar->showMessage(problem, FindMessageMs);
        return false;
    }
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(editor->parentWidget())) {
        if (subWindow->isMinimized())
            subWindow->showNormal();
        m_MdiArea->setActiveSubWindow(subWindow);
        FitInsideArea(subWindow);
    }
    editor->ShowCell(cell.x(), cell.y());
    results.SetCurrent(row);
    m_FindDock->ShowRow(row);
    const QString where = tr("Cell %1 of %2: %3").arg(row + 1).arg(results.rowCount()).arg(line);
    m_StatusBar->showMessage(before.isEmpty() ? where : before + QLatin1Char(' ') + where,
                             FindMessageMs);
    return true;
}

void MainWindow::FindNext(LevelEditorWindow& editor, bool forward) {
    FindResults& results = m_FindDock->Results();
    if (!results.Searched()) {
        ShowFind(editor);
        return;
    }
    const FindResults::Step step = results.Next(forward, editor.FileName());
    if (step.row < 0) {
        m_StatusBar->showMessage(results.Summary(), FindMessageMs);
        return;
    }
    QString wrapped;
    if (step.wrapped)
        wrapped = forward ? tr("Past the last cell found, back to the first.")
                          : tr("Before the first cell found, round to the last.");
    GoToFound(step.row, wrapped);
}

void MainWindow::FitInsideArea(QMdiSubWindow* window) {
    if (window->isMaximized() || window->isMinimized())
        return;
    window->setGeometry(
        EditorPlacement::Inside(window->geometry(), m_MdiArea->viewport()->size(),
                                QSize(EditGeometry::MinOuterWidth, EditGeometry::MinOuterHeight)));
}

// ---- Opening files by name ----

void MainWindow::OpenFiles(const QStringList& fileNames) {
    for (const QString& name : fileNames) {
        if (!name.isEmpty())
            OpenLevelFile(NativePath::Absolute(PathText::Slashed(name)));
    }
}

void MainWindow::LevelSaved(const QString& fileName) {
    AddRecentFile(fileName);
    LevelFolders::Remember(fileName);
}

// Opened and saved levels alike go to the front of the recent files. The
// list is a convenience and the level itself was opened or saved, so a
// settings file that cannot be written is told in the status bar rather
// than in a message box.
void MainWindow::AddRecentFile(const QString& fileName) {
    const IoResult stored = RecentFiles::Add(fileName);
    if (!stored)
        m_StatusBar->showMessage(
            tr("The list of recent files could not be stored. %1").arg(stored.error),
            RecentFilesMessageMs);
    m_RecentMenu->Rebuild();
}

void MainWindow::openRecentFile(const QString& fileName) {
    const QString file = PathText::Slashed(fileName);
    if (QFileInfo::exists(file)) {
        OpenLevelFile(file);
        return;
    }
    const IoResult removed = RecentFiles::Remove(fileName);
    m_RecentMenu->Rebuild();
    const QString what =
        removed
            ? tr("It has been removed from the list of recent files.")
            : tr("It could not be removed from the list of recent files. %1").arg(removed.error);
    Prompts::Current().Message(
        this, tr("%1\r\nno longer exists. %2").arg(QDir::toNativeSeparators(fileName), what),
        QString(), Prompts::Buttons::Ok, Prompts::Icon::Exclamation);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList files = droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over: a message box inside it would hold up
    // the program the files were dragged from.
    QMetaObject::invokeMethod(
        this, [this, files] { OpenFiles(files); }, Qt::QueuedConnection);
}

// ---- The episode ----

void MainWindow::openEpisodeFolder() {
    const LevelEditorWindow* active = ActiveEditor();
    const QString start =
        m_EpisodeDock->HasFolder()
            ? m_EpisodeDock->Model().Folder()
            : LevelFolders::ForOpening(active ? active->FileName() : QString(), LevelFolder());
    // The folder is picked by any level in it, as Set Paths picks a
    // graphics folder by any of its files.
    const QString level = FileDialogs::ChooseFileToOpen(
        this, tr("Open Episode Folder: choose any level of the episode"), start,
        tr("Keen Levels|Level??.ck1;Level??.ck2;Level??.ck3|All Files|*"), true);
    if (level.isEmpty())
        return;
    const QFileInfo chosen(level);
    int number = 0;
    int episode = 0;
    const IoResult shown =
        ShowEpisode(chosen.absolutePath(),
                    EpisodeFolder::Parse(chosen.fileName(), number, episode) ? episode : 0);
    if (!shown)
        Prompts::Current().Message(this, shown.error, QString(), Prompts::Buttons::Ok,
                                   Prompts::Icon::Exclamation);
}

IoResult MainWindow::ShowEpisode(const QString& folder, int episode, bool reveal) {
    const IoResult shown = m_EpisodeDock->ShowFolder(folder, episode);
    if (!shown)
        return shown;
    GiveEpisodeGraphics();
    if (reveal) {
        m_EpisodeDock->show();
        m_EpisodeDock->raise();
        GiveEpisodePanelRoom();
    }
    MarkEpisodeLevel(m_EpisodeDock->SelectedNumber());
    return shown;
}

// Shown above the overview in the same column, the panel's thumbnails get
// most of its height: the overview's picture is small anyway.
void MainWindow::GiveEpisodePanelRoom() {
    if (m_EpisodeDock->isFloating() || m_OverviewDock->isFloating() || m_OverviewDock->isHidden() ||
        dockWidgetArea(m_EpisodeDock) != dockWidgetArea(m_OverviewDock))
        return;
    const int column = m_EpisodeDock->height() + m_OverviewDock->height();
    resizeDocks({m_EpisodeDock, m_OverviewDock}, {column * 2 / 3, column / 3}, Qt::Vertical);
}

void MainWindow::GiveEpisodeGraphics() {
    const int episode = m_EpisodeDock->Model().Episode();
    if (episode < 1 || episode > 3)
        return;
    m_EpisodeDock->Model().SetGraphics(*TileSets(episode - 1), *SpriteSets(episode - 1));
}

void MainWindow::OpenLevelFromMap(const QString& fileName) {
    OpenLevelFile(fileName);
}

QImage MainWindow::LevelThumbnail(const QString& fileName) const {
    const EpisodeModel& model = m_EpisodeDock->Model();
    const QString wanted = QFileInfo(fileName).absoluteFilePath();
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex at = model.index(row);
        if (at.data(EpisodeModel::FilePathRole).toString() == wanted)
            return at.data(EpisodeModel::ThumbnailRole).value<QImage>();
    }
    return {};
}

void MainWindow::MarkEpisodeLevel(int number) {
    const QString folder = m_EpisodeDock->Model().Folder();
    for (LevelEditorWindow* editor : Editors()) {
        const bool ofEpisode =
            !folder.isEmpty() && !editor->FileName().isEmpty() &&
            QFileInfo(QFileInfo(editor->FileName()).absolutePath()) == QFileInfo(folder);
        editor->MarkMapLevel(ofEpisode ? number : 0);
    }
}

void MainWindow::saveAll() {
    const QList<LevelEditorWindow*> editors = Editors();
    std::vector<bool> modified;
    for (const LevelEditorWindow* editor : editors)
        modified.push_back(editor->IsModified());
    CloseAllQuestion::SaveEach(modified, [&](int i) { return editors[i]->Save(); });
}

void MainWindow::closeAll() {
    const QList<LevelEditorWindow*> editors = Editors();
    QStringList names;
    std::vector<bool> modified;
    for (const LevelEditorWindow* editor : editors) {
        modified.push_back(editor->IsModified());
        if (editor->IsModified())
            names << editor->DocumentName();
    }
    switch (CloseAllQuestion::Ask(this, names)) {
    case CloseAllQuestion::Outcome::Cancel:
        return;
    case CloseAllQuestion::Outcome::Save:
        if (!CloseAllQuestion::SaveEach(modified, [&](int i) { return editors[i]->Save(); }))
            return;
        break;
    case CloseAllQuestion::Outcome::Close:
        break;
    }
    // Nothing unsaved is left but what the user chose to discard.
    for (LevelEditorWindow* editor : editors)
        editor->CloseDiscardingChanges();
}
