#pragma once

#include <set>
#include <utility>
#include <vector>

#include "doc/elevation_search.h"

struct EndPoint;

// Heights fixed by the solver are kept at single precision.
inline double singlePrecision(double value)
{
    return static_cast<double>(static_cast<float>(value));
}

// The first phase of the elevation solver: round after round, the steepest
// climb from any end of known height to another is fixed, until none is left.
//
// Every start's best climb is kept between rounds. When a climb is fixed, a
// start whose search recorded one of its ends gets an upper bound for its new
// grade instead of a new search: the fixed end's height difference over the
// distance recorded (distances only grow as ends become known). A start is
// searched again only when its bound reaches the top of the ranking. This
// gives exactly the climbs of searching from every known end in every round.
class ClimbRanking {
public:
    explicit ClimbRanking(std::vector<EndPoint>& ends);
    void run();

private:
    struct StartResult {
        ElevationPath climb;
        unsigned version = 0;
        double key = -1.0; // grade, or an upper bound while stale
        bool stale = false;
    };
    struct Watcher {
        int start;
        unsigned version;
        double distance;
    };

    void refresh(int s);
    void setKey(int s, double key);
    void fix(const std::vector<std::pair<int, double>>& path);

    std::vector<EndPoint>& ends;
    ElevationSearch search;
    std::vector<StartResult> results;
    // For every end, the starts whose last search recorded it.
    std::vector<std::vector<Watcher>> watchers;
    std::set<std::pair<double, int>> ranking;
    ElevationSearch::HeightRange range{0.0, 0.0};
};
