#pragma once

// Shared pieces of the editor window tests: a host that stands in for the
// main window, holding small graphics sets built in memory, and helpers that
// open a real editor window on it the way the main window does.
//
//   EditorTestHost host;
//   auto window = editortest::newWindow(host, 100, 60, 1, 1);
//   QTest::mouseClick(drive(*window).canvas(), Qt::LeftButton, {}, editortest::at(5, 5));

#include "EditorDriver.h"
#include "EditorHost.h"
#include "InfoOverlay.h"
#include "LevelEditorWindow.h"
#include "LevelEdits.h"
#include "PictureBox.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"
#include "editor/EditorDriver.h"
#include "graphics/GraphicsFixtures.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <memory>

namespace editortest {

// A tile sheet of 13 x 20 tiles (260, enough for every episode's wall and
// fill tiles) whose pixels say which tile and which pixel they come from:
// fixtures::tilePixel(n, px, py).
inline QImage tileSheet() {
    return fixtures::tileSheet(13 * 16, 20 * 16);
}

// A sheet of the same kind holding as many tiles as the game's own sheet of
// `episode` (611, 689, 624 tiles: 47, 53, 48 rows of 13), so that the
// level checker finds every tile of a real level in it.
inline QImage gameSizedTileSheet(int episode) {
    static const int rows[3] = {47, 53, 48};
    return fixtures::tileSheet(13 * 16, rows[episode - 1] * 16);
}

inline std::shared_ptr<const TileSet> makeTiles(const QImage& sheet = tileSheet()) {
    auto tiles = std::make_shared<TileSet>();
    tiles->LoadFromImage(sheet);
    return tiles;
}

// An episode's sprites from fixtures::episodeSprites (sprite i is
// fixtures::spriteSize(i) and coloured by fixtures::spritePixel).
inline std::shared_ptr<const SpriteSet> makeSprites(int episode) {
    auto sprites = std::make_shared<SpriteSet>();
    const fixtures::MemorySource source = fixtures::episodeSprites(episode);
    Surface scratch;
    sprites->LoadFromSource(static_cast<qint16>(episode), source, scratch);
    return sprites;
}

// What a sprite selector or box shows for pixel (px, py) of fixture sprite
// picture `id`: the sprite's colour, or white where it is see-through.
inline QRgb spriteOnWhite(int id, int px, int py) {
    return fixtures::spriteClear(id, px, py) ? 0xFFFFFFFF : fixtures::spritePixel(id, px, py);
}

// The middle of cell (cx, cy) on the canvas at 1x zoom, with the view at
// its origin.
inline QPoint at(int cx, int cy) {
    constexpr int Cell = 16;
    return QPoint(cx * Cell + Cell / 2, cy * Cell + Cell / 2);
}

// A move while QTest's buttons are held.
inline void drag(QWidget* widget, QPoint pos, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseEvent(QTest::MouseMove, widget, Qt::NoButton, modifiers, pos);
}

// A mouse event of `type` at `pos` with exactly the buttons given, whatever
// QTest thinks is held: `button` pressed or released, `buttons` held.
inline void mouse(QWidget* widget, QEvent::Type type, QPointF pos, Qt::MouseButton button,
                  Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

// A move with no button held (QTest would only move the pointer).
inline void hover(QWidget* widget, QPoint pos, Qt::KeyboardModifiers modifiers = {}) {
    mouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, modifiers);
}

// A wheel turn of `angle` eighths of a degree, or a touchpad's move of
// `pixels`, over `pos`.
inline void wheel(QWidget* canvas, QPoint pos, QPoint angle, Qt::KeyboardModifiers modifiers = {},
                  QPoint pixels = {}) {
    QWheelEvent event(QPointF(pos), canvas->mapToGlobal(QPointF(pos)), pixels, angle, Qt::NoButton,
                      modifiers, pixels.isNull() ? Qt::NoScrollPhase : Qt::ScrollUpdate, false);
    QApplication::sendEvent(canvas, &event);
}

// What the canvas shows with the view at (sx, sy), drawn whole and
// independently of what the canvas drew so far.
inline QImage canvasAt(LevelEditorWindow& window, int sx, int sy) {
    Surface reference(drive(window).canvas()->ScaleWidth(), drive(window).canvas()->ScaleHeight());
    reference.SetBackColor(drive(window).canvas()->surface().BackColor());
    reference.Cls();
    const ZoomLevel zoom = window.CanvasZoom();
    window.Document().level().Display(reference, qint16(sx), qint16(sy), window.Tiles(),
                                      window.Sprites(), zoom);
    if (window.ShowsInfoValues())
        InfoOverlay::Draw(reference, window.Document().level(), sx, sy,
                          window.Tiles().RenderWidth(zoom), window.Tiles().RenderHeight(zoom));
    return reference.image();
}

// The canvas shows exactly the level as it now is.
inline bool canvasShowsLevel(LevelEditorWindow& window) {
    return drive(window).canvas()->Picture() ==
           canvasAt(window, drive(window).scrollX()->value(), drive(window).scrollY()->value());
}

} // namespace editortest

// The main window's part, as an editor window sees it: it counts the File
// commands handed to it and serves the sets of the three episodes, with
// the small test sheet or sheets of the game's size.
class EditorTestHost : public EditorHost {
public:
    enum class Sheets { Small, GameSized };

    explicit EditorTestHost(Sheets sheets = Sheets::Small) {
        for (int i = 0; i < 3; ++i) {
            m_Tiles[i] = editortest::makeTiles(sheets == Sheets::Small
                                                   ? editortest::tileSheet()
                                                   : editortest::gameSizedTileSheet(i + 1));
            m_Sprites[i] = editortest::makeSprites(i + 1);
        }
    }

    int newCalls = 0;
    int openCalls = 0;
    int exitCalls = 0;
    int setPathsCalls = 0;

    void newLevel() override { ++newCalls; }
    void openLevels() override { ++openCalls; }
    void exitProgram() override { ++exitCalls; }
    void setPaths() override { ++setPathsCalls; }
    std::shared_ptr<const TileSet> TileSets(int index) const override { return m_Tiles[index]; }
    std::shared_ptr<const SpriteSet> SpriteSets(int index) const override {
        return m_Sprites[index];
    }
    QWidget* HostWindow() override { return &m_Window; }
    QString LevelFolder() const override { return levelFolder; }
    // Where Save As starts for a level without a folder of its own.
    QString levelFolder;

private:
    std::shared_ptr<const TileSet> m_Tiles[3];
    std::shared_ptr<const SpriteSet> m_Sprites[3];
    QWidget m_Window;
};

namespace editortest {

// Waits until the window is on the (offscreen) screen and its first paint,
// which draws the canvas and the palettes, has run.
inline void exposed(QWidget& window) {
    if (QTest::qWaitForWindowExposed(&window))
        QCoreApplication::processEvents();
}

// The main window's road to a new level's window: sets, level, Display.
// The window is `width` x `height` pixels (outer size, no frame offscreen).
inline std::unique_ptr<LevelEditorWindow> newWindow(EditorTestHost& host, qint16 w, qint16 h,
                                                    qint16 episode, qint16 number, int width = 600,
                                                    int height = 480) {
    auto window = std::make_unique<LevelEditorWindow>(host);
    window->resize(width, height);
    window->SetTiles(host.TileSets(episode - 1));
    window->SetSprites(host.SpriteSets(episode - 1));
    window->NewLevel(w, h, episode, number);
    window->Display();
    exposed(*window);
    return window;
}

// The same with Keen's start placed (leveledit::placeStart), not as an
// edit: a level that saves without the question about errors.
inline std::unique_ptr<LevelEditorWindow>
newPlayableWindow(EditorTestHost& host, qint16 w, qint16 h, qint16 episode, qint16 number) {
    auto window = newWindow(host, w, h, episode, number);
    leveledit::placeStart(*window);
    return window;
}

// The same for a level file; nullptr when it does not load.
inline std::unique_ptr<LevelEditorWindow> openWindow(EditorTestHost& host, const QString& fileName,
                                                     int width = 600, int height = 480) {
    auto window = std::make_unique<LevelEditorWindow>(host);
    window->resize(width, height);
    const int episode = qBound(1, int(Level::EpisodeFromFileName(fileName)), 3);
    window->SetTiles(host.TileSets(episode - 1));
    window->SetSprites(host.SpriteSets(episode - 1));
    if (!window->LoadLevel(fileName))
        return nullptr;
    window->Display();
    exposed(*window);
    return window;
}

// The window's menus in a menu bar of its own, as the main window shows
// them, and the window active: their shortcut keys then reach it.
inline bool installMenuBar(LevelEditorWindow& window) {
    auto* bar = new QMenuBar(&window);
    for (QMenu* menu : window.Menus())
        bar->addMenu(menu);
    bar->show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// A 600 x 480 window on a new level with tiles 7 (left) and 9 (right) and
// sprite 4 selected, none of which a new level holds.
struct EditingWindow {
    EditorTestHost host;
    std::unique_ptr<LevelEditorWindow> window;
    explicit EditingWindow(qint16 w = 100, qint16 h = 60, qint16 episode = 1, qint16 number = 1) {
        window = newWindow(host, w, h, episode, number);
        window->SetSelectedTile(0, 7);
        window->SetSelectedTile(1, 9);
        window->SetSelectedSprite(4);
    }
    LevelEditorWindow& operator*() { return *window; }
    LevelEditorWindow* operator->() { return window.get(); }
};

} // namespace editortest
