#include "EpisodeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <map>

namespace {

constexpr int Episodes = 3;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Of two names of one level, the one to take: the game's own upper-case
// name, or else the first by name.
bool preferred(const QString& candidate, const QString& current) {
    const bool candidateUpper = candidate == candidate.toUpper();
    const bool currentUpper = current == current.toUpper();
    if (candidateUpper != currentUpper)
        return candidateUpper;
    return candidate < current;
}

// "episode 2 (3 levels)".
QString episodeCount(int episode, int levels) {
    return levels == 1 ? EpisodeFolder::tr("episode %1 (1 level)").arg(episode)
                       : EpisodeFolder::tr("episode %1 (%2 levels)").arg(episode).arg(levels);
}

} // namespace

bool EpisodeFolder::Parse(const QString& fileName, int& number, int& episode) {
    static const QRegularExpression pattern(QStringLiteral("^level([0-9]{2})\\.ck([1-3])$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    number = match.captured(1).toInt();
    episode = match.captured(2).toInt();
    return true;
}

QString EpisodeFolder::GameName(int number, int episode) {
    return QStringLiteral("LEVEL%1.CK%2").arg(number, 2, 10, QLatin1Char('0')).arg(episode);
}

const EpisodeFolder::Entry* EpisodeFolder::Find(int number) const {
    const auto found = std::find_if(m_Levels.begin(), m_Levels.end(),
                                    [number](const Entry& e) { return e.number == number; });
    return found == m_Levels.end() ? nullptr : &*found;
}

IoResult EpisodeFolder::Scan(const QString& folder, int episode, EpisodeFolder& out) {
    const QFileInfo info(folder);
    if (!info.isDir())
        return IoResult::failure(
            tr("\"%1\" is not a folder of levels: %2.")
                .arg(native(folder), info.exists() ? tr("it is a file") : tr("it does not exist")));
    QDir dir(info.absoluteFilePath());
    if (!info.isReadable() || !info.isExecutable())
        return IoResult::failure(
            tr("The folder \"%1\" cannot be read: permission denied.").arg(native(folder)));
    // Per episode, per number: the names found.
    std::map<int, std::map<int, QStringList>> found;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        int number = 0, e = 0;
        if (Parse(name, number, e))
            found[e][number] << name;
    }
    if (episode == 0) {
        // The episode with the most levels; the lowest on a tie.
        size_t most = 0;
        for (const auto& [e, levels] : found)
            if (levels.size() > most) {
                most = levels.size();
                episode = e;
            }
    }
    if (found[episode].empty())
        return IoResult::failure(
            episode >= 1 && episode <= Episodes
                ? tr("The folder \"%1\" holds no level of episode %2 (%3 ... %4).")
                      .arg(native(folder))
                      .arg(episode)
                      .arg(GameName(1, episode), GameName(90, episode))
                : tr("The folder \"%1\" holds no level files (LEVEL01.CK1 ... LEVEL90.CK3).")
                      .arg(native(folder)));

    EpisodeFolder result;
    result.m_Folder = dir.absolutePath();
    result.m_Episode = episode;
    QStringList notes;
    for (const auto& [number, names] : found[episode]) {
        QString name = names.front();
        for (const QString& other : names)
            if (preferred(other, name))
                name = other;
        for (const QString& other : names)
            if (other != name)
                notes << tr("%1 is left aside: it is level %2 again under another letter case, "
                            "and %3 is taken.")
                             .arg(other)
                             .arg(number)
                             .arg(name);
        result.m_Levels.push_back({number, name, dir.filePath(name)});
    }
    QStringList others;
    for (const auto& [e, levels] : found)
        if (e != episode && !levels.empty())
            others << episodeCount(e, int(levels.size()));
    if (!others.isEmpty())
        notes.prepend(
            tr("The folder also holds levels of %1; these show %2.")
                .arg(others.join(tr(" and ")), episodeCount(episode, int(result.m_Levels.size()))));
    result.m_Note = notes.join(QLatin1Char(' '));
    out = result;
    return IoResult::success();
}
