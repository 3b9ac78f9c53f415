#pragma once

#include "BitmapSource.h"
#include "EditorHost.h"
#include "LevelEditorWindow.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QEvent>
#include <QImage>
#include <QScrollBar>

class PictureBox;

// What the editor benchmarks share: the canvas size every figure is measured
// on, the baseline they are divided by, and a host with graphics the size of
// an episode's.
namespace BenchFixtures {

constexpr int CanvasWidth = 1600;
constexpr int CanvasHeight = 1000;

// Seconds of one plain copy of a canvas-sized image: the baseline, as an
// average over many calls, or as the fastest of `calls` single calls for
// figures that are fastest calls too.
double canvasCopySeconds();
double fastestCanvasCopySeconds(int calls);

// A sheet of `count` distinct tiles of 16 x 16, 13 to a row, in many
// colours, as the exported sheets of the episodes are laid out.
QImage tileSheet(int count);

// Sprite bitmaps of three frames (picture, mask, unused) for every name,
// 16 to 40 pixels across, their corners see-through.
class GeneratedSprites : public BitmapSource {
public:
    IoResult Load(const QString& name, QImage& image) const override;
};

} // namespace BenchFixtures

// The main window's part for an editor window under measurement: a sheet of
// 611 distinct tiles, 13 to a row, as episode 1's, and (unless told not to)
// generated sprites of varied sizes for every catalogue entry.
class BenchHost : public EditorHost {
public:
    explicit BenchHost(bool withSprites = true);
    void newLevel() override {}
    void openLevels() override {}
    void exitProgram() override {}
    void setPaths() override {}
    std::shared_ptr<const TileSet> TileSets(int) const override { return m_Tiles; }
    std::shared_ptr<const SpriteSet> SpriteSets(int) const override { return m_Sprites; }
    QWidget* HostWindow() override { return nullptr; }
    const EpisodeTileBehaviour* TileBehaviours() const override { return tables; }
    // The tile behaviour tables the window is given; none unless set.
    const EpisodeTileBehaviour* tables = nullptr;

private:
    std::shared_ptr<TileSet> m_Tiles = std::make_shared<TileSet>();
    std::shared_ptr<SpriteSet> m_Sprites = std::make_shared<SpriteSet>();
};

// An editor window on a new episode-1 level of `width` x `height` cells,
// shown with a canvas of the benchmarks' size.
struct BenchWindow {
    BenchHost host;
    LevelEditorWindow form{host};
    BenchWindow(int width, int height, bool withSprites = true);
};

namespace BenchFixtures {

// The parts of an editor window's canvas, by their object names.
PictureBox* picture(const QWidget& window);
QScrollBar* scrollX(const QWidget& window);
QScrollBar* scrollY(const QWidget& window);

// Sends a real mouse event of `type` at `pos` of `target`.
void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons);

} // namespace BenchFixtures
