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
    explicit ElevationSearch(const std::vector<EndPoint>& ends);

    // With a range holding the height of every end of known height, the
    // search stops once no end farther away can beat the steepest climb
    // found: the result is the same, the ends beyond are not visited.
    struct HeightRange {
        double low;
        double high;
    };
    ElevationPath run(int start, const HeightRange* known = nullptr);

    // The ends the last search recorded a distance for: its result can only
    // change when one of them changes its height or becomes known.
    const std::vector<int>& recorded() const { return touched; }

private:
    bool isRecorded(int end) const { return stamp[end] == generation; }
    void record(int end, double distance, int predecessor);

    const std::vector<EndPoint>& ends;
    std::vector<double> dist;
    std::vector<int> prev;
    std::vector<unsigned> stamp;
    std::vector<unsigned> done;
    unsigned generation = 0;
    std::vector<std::pair<double, int>> heap;
    std::vector<int> touched;
};
