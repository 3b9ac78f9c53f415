#pragma once

#include <QString>
#include <vector>

class Level;

// Which open levels a test run writes into the game's copy beside the one
// tested, so that a change to the map and to a level are tried together:
// the modified open levels of the same episode from the tested level's
// folder, under their own game names. The level tested keeps its number
// (it wins over an open level of that number); levels never saved, saved
// elsewhere or under names the game does not read stay out, as the game
// would not find them.
class GameTestLevels {
public:
    struct Open {
        QString file; // "" for a level never saved
        bool modified = false;
        const Level* level = nullptr;
    };

    struct Written {
        int number = 0;
        const Level* level = nullptr;
    };

    // Sorted by number, one per number.
    static std::vector<Written> Others(const QString& testedFile, int episode, int testedNumber,
                                       const std::vector<Open>& open);
};
