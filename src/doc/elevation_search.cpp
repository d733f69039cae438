#include "doc/elevation_search.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "doc/end_point.h"

ElevationSearch::ElevationSearch(const std::vector<EndPoint>& ends)
    : first(ends.size() + 1, 0), known(ends.size()), height(ends.size()), dist(ends.size()),
      prev(ends.size()), stamp(ends.size(), 0), done(ends.size(), 0)
{
    for (std::size_t e = 0; e < ends.size(); ++e) {
        first[e + 1] = first[e] + ends[e].neighbours.size();
        known[e] = ends[e].elevationDefined ? 1 : 0;
        height[e] = ends[e].position.z;
    }
    targets.reserve(first.back());
    weights.reserve(first.back());
    for (const EndPoint& e : ends)
        for (const auto& [v, w] : e.neighbours) {
            targets.push_back(v);
            weights.push_back(w);
        }
}

void ElevationSearch::record(int end, double distance, int predecessor)
{
    if (!isRecorded(end)) {
        stamp[end] = generation;
        touched.push_back(end);
    }
    dist[end] = distance;
    prev[end] = predecessor;
}

ElevationPath ElevationSearch::run(int start, const HeightRange* range)
{
    ElevationPath result;
    touched.clear();
    if (start < 0 || start >= static_cast<int>(known.size()))
        return result;
    if (++generation == 0) { // the stamps wrapped round: forget them all
        std::fill(stamp.begin(), stamp.end(), 0);
        std::fill(done.begin(), done.end(), 0);
        generation = 1;
    }

    // Min-heap on (distance, end number): the smaller end first among equals.
    const auto later = std::greater<std::pair<double, int>>();
    heap.clear();
    record(start, 0.0, -1);
    heap.emplace_back(0.0, start);
    const bool startKnown = known[start] != 0;
    const double startZ = height[start];
    int best = -1;
    double bestGrade = 0.0;
    // The largest height difference any candidate can have from the start.
    const double maxRise =
        range ? std::max(std::fabs(range->high - startZ), std::fabs(range->low - startZ)) : 0.0;

    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), later);
        const auto [d, u] = heap.back();
        heap.pop_back();
        // An entry is out of date when a shorter way was recorded since. An
        // end reached twice over equally long ways is handled once: doing it
        // again would record the same distances and predecessors.
        if (d > dist[u] || done[u] == generation)
            continue;
        // Every end still to come lies at d or farther, so its grade is at
        // most maxRise / d (division rounds monotonically).
        if (range && best >= 0 && maxRise / d < bestGrade)
            break;
        done[u] = generation;
        const bool hereKnown = known[u] != 0;
        if (hereKnown && u != start) {
            const double grade = std::fabs(height[u] - startZ) / d;
            if (best < 0 || grade > bestGrade || (grade == bestGrade && u > best)) {
                best = u;
                bestGrade = grade;
            }
            continue;
        }
        for (std::size_t k = first[u]; k < first[u + 1]; ++k) {
            const int v = targets[k];
            const double reach = d + weights[k];
            if (isRecorded(v) && reach > dist[v])
                continue;
            if (hereKnown && known[v])
                continue;
            record(v, reach, u);
            heap.emplace_back(reach, v);
            std::push_heap(heap.begin(), heap.end(), later);
        }
    }

    if (best < 0)
        return result;
    const double slope = startKnown ? (height[best] - startZ) / dist[best] : 0.0;
    for (int n = best; n != -1; n = prev[n])
        result.path.emplace_back(n, dist[n] * slope + startZ);
    std::reverse(result.path.begin(), result.path.end());
    result.grade = bestGrade;
    return result;
}
