#include "FindingGroup.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using Key = std::tuple<int, int, QString>;

Key keyOf(const Finding& finding) {
    return {int(finding.severity), int(finding.kind), finding.message};
}

} // namespace

std::vector<FindingGroup> FindingGroup::Group(const std::vector<Finding>& findings) {
    std::vector<FindingGroup> groups;
    // Where each key's group stands in `groups`: a level may hold thousands
    // of findings.
    std::map<Key, size_t> index;
    for (const Finding& finding : findings) {
        const Key key = keyOf(finding);
        const auto [found, added] = index.try_emplace(key, groups.size());
        if (added)
            groups.push_back({finding.severity, finding.kind, finding.message, {}});
        if (finding.HasCell())
            groups[found->second].cells.emplace_back(finding.x, finding.y);
    }
    // Errors first: they keep the level from playing, and a few of them
    // must not hide among many warnings; notes, the mildest, last.
    std::stable_sort(groups.begin(), groups.end(),
                     [](const FindingGroup& a, const FindingGroup& b) {
                         return int(a.severity) < int(b.severity);
                     });
    return groups;
}
