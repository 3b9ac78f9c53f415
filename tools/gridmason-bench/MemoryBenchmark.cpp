// The memory the editor holds with ten levels open at zoom 3: the resident
// size of this process (VmRSS) after the episode's graphics are loaded, and
// again once ten editor windows in a multiple-document area show their
// levels at zoom 3 with every view drawn (canvas, tile strip, selected
// tiles and sprite, both selectors and the level preview). The levels are
// the real episode-1 levels LEVEL01 to LEVEL08 and two made-up ones of the
// largest sizes the other episodes have (128 x 120 and 200 x 46); the
// graphics are the game's own when its files lie beside the project,
// otherwise sheets of the same size made here.
#include "BenchFixtures.h"
#include "Benchmark.h"

#include "EditorHost.h"
#include "GraphicsFolder.h"
#include "LevelDocument.h"
#include "LevelEditorWindow.h"
#include "PictureBox.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRegularExpression>

#include <malloc.h>
#include <memory>
#include <vector>

namespace {

constexpr int Windows = 10;
constexpr int ViewZoom = 3;

QString gameFolder() {
    return QDir(QStringLiteral(GM_SOURCE_DIR "/../shared/data/keen1-shareware")).absolutePath();
}

// The resident size of this process in kilobytes, after freed memory is
// given back to the system; -1 when it cannot be read.
qint64 residentKilobytes() {
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression rss(QStringLiteral("^VmRSS:\\s*(\\d+)\\s*kB"),
                                        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLongLong() : -1;
}

QString megabytes(qint64 kilobytes) {
    return QString::number(double(kilobytes) / 1024, 'f', 1) + QStringLiteral(" MB");
}

// The main window's part: episode 1's sets, from the game's files when
// they can be read.
class MemoryHost : public EditorHost {
public:
    MemoryHost() {
        Surface scratch;
        auto tiles = std::make_shared<TileSet>();
        auto sprites = std::make_shared<SpriteSet>();
        realGraphics = GraphicsFolder::LoadTiles(gameFolder(), 1, *tiles).ok &&
                       GraphicsFolder::LoadSprites(gameFolder(), 1, *sprites, scratch).ok;
        if (!realGraphics) {
            tiles = std::make_shared<TileSet>();
            tiles->LoadFromImage(BenchFixtures::tileSheet(611));
            sprites = std::make_shared<SpriteSet>();
            sprites->LoadFromSource(1, BenchFixtures::GeneratedSprites(), scratch);
        }
        m_Tiles = tiles;
        m_Sprites = sprites;
    }
    bool realGraphics = false;
    void newLevel() override {}
    void openLevels() override {}
    void exitProgram() override {}
    void setPaths() override {}
    std::shared_ptr<const TileSet> TileSets(int) const override { return m_Tiles; }
    std::shared_ptr<const SpriteSet> SpriteSets(int) const override { return m_Sprites; }
    QWidget* HostWindow() override { return nullptr; }

private:
    std::shared_ptr<const TileSet> m_Tiles;
    std::shared_ptr<const SpriteSet> m_Sprites;
};

// Opens level `index` of the ten in a new window of `area`, as the main
// window opens one; false when a real level cannot be read.
bool openLevel(QMdiArea& area, MemoryHost& host, int index, QTextStream& out) {
    auto* form = new LevelEditorWindow(host);
    QMdiSubWindow* sub = area.addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    form->SetTiles(host.TileSets(0));
    form->SetSprites(host.SpriteSets(0));
    if (index < 8) {
        const QString name = QStringLiteral("LEVEL%1.CK1").arg(index + 1, 2, 10, QLatin1Char('0'));
        const IoResult loaded = form->LoadLevel(QDir(gameFolder()).filePath(name));
        if (!loaded) {
            out << "cannot read " << name << ": " << loaded.error << "\n";
            return false;
        }
    } else {
        const bool square = index == 8;
        form->NewLevel(square ? 128 : 200, square ? 120 : 46, 1, qint16(index + 1));
        // Sprites scattered over the made-up level, as a real one has.
        const Level& level = form->Document().level();
        for (int y = 2; y < level.Height() - 2; y += 7)
            for (int x = 2; x < level.Width() - 2; x += 9)
                form->Document().SetCell(CellChange::InfoPlane, x, y, qint16(1 + (x + y) % 10));
    }
    form->Display();
    sub->resize(900, 650);
    sub->show();
    QApplication::processEvents();
    form->SetCanvasZoom(ViewZoom);
    // Every view drawn once, as a user looking through the window would.
    auto* previewButton = form->findChild<QWidget*>(QStringLiteral("levelPreviewButton"));
    BenchFixtures::sendMouse(previewButton, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton,
                             Qt::LeftButton);
    form->findChild<QWidget*>(QStringLiteral("levelPreview"))->repaint();
    BenchFixtures::sendMouse(previewButton, QEvent::MouseButtonRelease, QPoint(2, 2),
                             Qt::LeftButton, Qt::NoButton);
    for (const char* name : {"tileSelector", "spriteSelector"}) {
        auto* selector = form->findChild<QWidget*>(QLatin1String(name));
        selector->show();
        QApplication::processEvents();
        selector->repaint();
        selector->hide();
    }
    QApplication::processEvents();
    return true;
}

void run(QTextStream& out) {
    if (!QDir(gameFolder()).exists()) {
        out << "the game's files are not beside the project (" << gameFolder()
            << "): nothing measured\n";
        return;
    }
    const qint64 start = residentKilobytes();
    auto host = std::make_unique<MemoryHost>();
    const qint64 loaded = residentKilobytes();
    out << "graphics: " << (host->realGraphics ? "the game's own files" : "made here")
        << "; resident after loading them: " << megabytes(loaded) << " (at start "
        << megabytes(start) << ")\n";
    out.flush();
    {
        QMdiArea area;
        area.resize(1600, 1000);
        area.show();
        for (int i = 0; i < Windows; ++i)
            if (!openLevel(area, *host, i, out))
                return;
        const qint64 open = residentKilobytes();
        out << Windows << " windows at zoom " << ViewZoom
            << " (8 real levels, 128x120, 200x46): " << megabytes(open) << " resident, "
            << megabytes(open - loaded) << " more than with none, "
            << megabytes((open - loaded) / Windows) << " a window\n";
    }
    host.reset();
}

const Benchmark memoryBenchmark("memory", run, "resident memory with ten levels open at zoom 3");

} // namespace
