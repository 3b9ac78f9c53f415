#include "GameTestLevels.h"

#include "EpisodeFolder.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// The folder as the file system knows it: a link or ".." names the same.
QString folderOf(const QFileInfo& file) {
    const QString canonical = QFileInfo(file.absolutePath()).canonicalFilePath();
    return canonical.isEmpty() ? file.absolutePath() : canonical;
}

// The file as the file system knows it; as written while it does not
// exist (a level whose file was deleted is still open).
QString pathOf(const QFileInfo& file) {
    const QString canonical = file.canonicalFilePath();
    return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
}

} // namespace

std::vector<GameTestLevels::Written> GameTestLevels::Others(const QString& testedFile, int episode,
                                                            int testedNumber,
                                                            const std::vector<Open>& open) {
    std::vector<Written> out;
    if (testedFile.isEmpty())
        return out;
    const QFileInfo tested(testedFile);
    const QString folder = folderOf(tested);
    for (const Open& level : open) {
        if (level.file.isEmpty() || !level.modified || level.level == nullptr)
            continue;
        const QFileInfo file(level.file);
        int number = 0;
        int fileEpisode = 0;
        if (pathOf(file) == pathOf(tested) ||
            !EpisodeFolder::Parse(file.fileName(), number, fileEpisode) || fileEpisode != episode ||
            number == testedNumber || folderOf(file) != folder)
            continue;
        const bool taken = std::any_of(out.begin(), out.end(),
                                       [number](const Written& w) { return w.number == number; });
        if (!taken)
            out.push_back({number, level.level});
    }
    std::sort(out.begin(), out.end(),
              [](const Written& a, const Written& b) { return a.number < b.number; });
    return out;
}
