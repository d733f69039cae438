#pragma once

#include <utility>
#include <vector>

#include "doc/elevation_solver.h"

struct EndPoint;

// One shortest-track search from a start end towards the ends of known
// height, with its tables kept between searches so that repeated searches
// over a large network do not allocate. The search order and tie rules:
// nearest end first, the smaller end number among equal distances; an equal
// distance replaces the recorded predecessor; the steepest candidate wins,
// the larger end number among equal grades.
class ElevationSearch {
public:
    // Takes a compact copy of the links, heights and known flags of the ends.
    explicit ElevationSearch(const std::vector<EndPoint>& ends);

    // Tells the search that an end's height became known (or changed).
    void markKnown(int end, double z)
    {
        known[end] = 1;
        height[end] = z;
    }

    // With a range holding the height of every end of known height, the
    // search stops once no end farther away can beat the steepest climb
    // found: the result is the same, the ends beyond are not visited.
    struct HeightRange {
        double low;
        double high;
    };
    ElevationPath run(int start, const HeightRange* range = nullptr);

    // The ends the last search recorded a distance for: its result can only
    // change when one of them changes its height or becomes known.
    const std::vector<int>& recorded() const { return touched; }
    // The distance the last search recorded for one of those ends: never
    // more than its distance in any later search, as ends only ever become
    // known (which stops the search there).
    double recordedDistance(int end) const { return dist[end]; }

private:
    bool isRecorded(int end) const { return stamp[end] == generation; }
    void record(int end, double distance, int predecessor);

    // The links of end e are targets/weights[first[e]] to [first[e + 1]].
    std::vector<std::size_t> first;
    std::vector<int> targets;
    std::vector<double> weights;
    std::vector<char> known;
    std::vector<double> height;
    std::vector<double> dist;
    std::vector<int> prev;
    std::vector<unsigned> stamp;
    std::vector<unsigned> done;
    unsigned generation = 0;
    std::vector<std::pair<double, int>> heap;
    std::vector<int> touched;
};
