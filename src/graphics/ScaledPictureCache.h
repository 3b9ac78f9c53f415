#pragma once

#include "ZoomLevel.h"

#include <QImage>

#include <memory>
#include <mutex>
#include <vector>

// The pictures of one tile or sprite set scaled to the zooms its views draw
// it at: made on first use and shared by every view of the set, on any
// thread. All zooms together stay within one budget of pixels: a zoom that
// needs room drops the zooms used longest ago, and pictures larger than the
// whole budget are never kept (the set then draws from its own pictures).
// Pictures handed out stay valid for as long as their holder keeps them,
// also once the cache has dropped them.
class ScaledPictureCache {
public:
    using Pictures = std::vector<QImage>;
    using Entry = std::shared_ptr<const Pictures>;

    // 16 M pixels, 64 MB: a sheet of a thousand tiles at zoom 3, or the
    // game's sprites and their masks at zoom 3 (about 6.4 M pixels) with
    // the smaller zooms beside them.
    static constexpr qint64 DefaultBudget = qint64(1) << 24;

    explicit ScaledPictureCache(qint64 budget = DefaultBudget) : m_Budget(budget) {}
    ScaledPictureCache(const ScaledPictureCache&) = delete;
    ScaledPictureCache& operator=(const ScaledPictureCache&) = delete;

    // The pictures for `zoom`: those kept, or those `make()` gives, whose
    // size `pixels()` tells beforehand. Null when they would not fit the
    // budget or `make` gave nothing (out of memory). `make` runs without
    // the lock, so that a thread scaling one zoom keeps no other waiting.
    template <typename Size, typename Make> Entry Get(ZoomLevel zoom, Size pixels, Make make) {
        if (Entry kept = Find(zoom))
            return kept;
        const qint64 size = pixels();
        if (size > m_Budget)
            return nullptr;
        Pictures made = make();
        if (made.empty())
            return nullptr;
        return Keep(zoom, size, std::make_shared<const Pictures>(std::move(made)));
    }

    // The pixels kept now.
    qint64 KeptPixels() const;

private:
    struct Kept {
        int zoom;
        qint64 pixels;
        Entry pictures;
    };

    // The pictures kept for `zoom`, now the most recently used; null if none.
    Entry Find(ZoomLevel zoom);
    // Keeps `pictures` for `zoom` unless another thread kept some first, and
    // returns the ones kept.
    Entry Keep(ZoomLevel zoom, qint64 pixels, Entry pictures);

    const qint64 m_Budget;
    mutable std::mutex m_Mutex;
    std::vector<Kept> m_Kept; // least recently used first
    qint64 m_Pixels = 0;      // of all of m_Kept
};
