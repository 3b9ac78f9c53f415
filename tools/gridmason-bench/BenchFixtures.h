#pragma once

#include "EditorHost.h"
#include "SpriteSet.h"
#include "TileSet.h"

// What the editor benchmarks share: the canvas size every figure is measured
// on, the baseline they are divided by, and a host with graphics the size of
// an episode's.
namespace BenchFixtures {

constexpr int CanvasWidth = 1600;
constexpr int CanvasHeight = 1000;

// Seconds of one plain copy of a canvas-sized image: the baseline.
double canvasCopySeconds();

} // namespace BenchFixtures

// The main window's part for an editor window under measurement: a sheet of
// 611 distinct tiles, 13 to a row, as episode 1's, and (unless told not to)
// generated sprites of varied sizes for every catalogue entry.
class BenchHost : public EditorHost {
public:
    explicit BenchHost(bool withSprites = true);
    void mnuFileNew_Click() override {}
    void mnuFileOpen_Click() override {}
    void mnuFileExit_Click() override {}
    void mnuFileSetPaths_Click() override {}
    const TileSet& TileSets(int) const override { return m_Tiles; }
    const SpriteSet& SpriteSets(int) const override { return m_Sprites; }
    QWidget* HostWindow() override { return nullptr; }

private:
    TileSet m_Tiles;
    SpriteSet m_Sprites;
};
