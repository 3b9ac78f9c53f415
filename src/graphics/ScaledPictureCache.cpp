#include "ScaledPictureCache.h"

#include <algorithm>

qint64 ScaledPictureCache::KeptPixels() const {
    const std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Pixels;
}

ScaledPictureCache::Entry ScaledPictureCache::Find(ZoomLevel zoom) {
    const std::lock_guard<std::mutex> lock(m_Mutex);
    const auto found = std::find_if(m_Kept.begin(), m_Kept.end(),
                                    [&](const Kept& k) { return k.zoom == zoom.Exponent(); });
    if (found == m_Kept.end())
        return nullptr;
    // The most recently used goes last.
    std::rotate(found, found + 1, m_Kept.end());
    return m_Kept.back().pictures;
}

ScaledPictureCache::Entry ScaledPictureCache::Keep(ZoomLevel zoom, qint64 pixels, Entry pictures) {
    const std::lock_guard<std::mutex> lock(m_Mutex);
    for (const Kept& k : m_Kept)
        if (k.zoom == zoom.Exponent())
            return k.pictures; // made meanwhile by another thread
    while (!m_Kept.empty() && m_Pixels + pixels > m_Budget) {
        m_Pixels -= m_Kept.front().pixels;
        m_Kept.erase(m_Kept.begin());
    }
    m_Kept.push_back({zoom.Exponent(), pixels, pictures});
    m_Pixels += pixels;
    return pictures;
}
