#include "doc/climb_ranking.h"

#include <algorithm>
#include <cmath>

#include "doc/end_point.h"

ClimbRanking::ClimbRanking(std::vector<EndPoint>& ends)
    : ends(ends), search(ends), results(ends.size()), watchers(ends.size())
{
}

void ClimbRanking::run()
{
    bool first = true;
    for (const EndPoint& e : ends)
        if (e.elevationDefined) {
            range.low = first ? e.position.z : std::min(range.low, e.position.z);
            range.high = first ? e.position.z : std::max(range.high, e.position.z);
            first = false;
        }
    for (int s = 0; s < static_cast<int>(ends.size()); ++s)
        if (ends[s].elevationDefined)
            refresh(s);
    while (!ranking.empty()) {
        // The steepest climb; among equal grades the larger start number,
        // which is where its path (starting with the start) compares larger.
        const int top = ranking.rbegin()->second;
        if (results[top].stale) {
            refresh(top);
            continue;
        }
        fix(results[top].climb.path);
    }
}

void ClimbRanking::fix(const std::vector<std::pair<int, double>>& climb)
{
    const std::vector<std::pair<int, double>> path = climb;
    std::vector<int> again;
    bool widened = false;
    for (const auto& [n, h] : path) {
        if (!ends[n].elevationDefined)
            again.push_back(n); // a new start
        ends[n].elevationDefined = true;
        const double z = singlePrecision(h);
        ends[n].position.z = z;
        search.markKnown(n, z);
        widened = widened || z < range.low || z > range.high;
        range.low = std::min(range.low, z);
        range.high = std::max(range.high, z);
    }
    for (const auto& [n, h] : path) {
        std::vector<Watcher>& list = watchers[n];
        std::size_t kept = 0;
        for (const Watcher& w : list) {
            if (results[w.start].version != w.version)
                continue; // from an earlier search of that start
            list[kept++] = w;
            if (w.start == n) {
                again.push_back(n); // the start's own height changed
                continue;
            }
            results[w.start].stale = true;
            const double bound = std::fabs(ends[n].position.z - ends[w.start].position.z) / w.distance;
            setKey(w.start, std::max(results[w.start].key, bound));
        }
        list.resize(kept);
    }
    // Rounding can carry a height just outside the known range (only when
    // heights were not single precision to begin with): the searches cut
    // short with the narrower range are redone.
    if (widened)
        for (int s = 0; s < static_cast<int>(ends.size()); ++s)
            if (ends[s].elevationDefined)
                again.push_back(s);
    std::sort(again.begin(), again.end());
    again.erase(std::unique(again.begin(), again.end()), again.end());
    for (int s : again)
        refresh(s);
}

void ClimbRanking::setKey(int s, double key)
{
    StartResult& r = results[s];
    if (r.key >= 0)
        ranking.erase({r.key, s});
    r.key = key;
    if (key >= 0)
        ranking.emplace(key, s);
}

void ClimbRanking::refresh(int s)
{
    StartResult& r = results[s];
    ++r.version;
    r.climb = search.run(s, &range);
    r.stale = false;
    setKey(s, r.climb.grade);
    for (int n : search.recorded())
        watchers[n].push_back(Watcher{s, r.version, search.recordedDistance(n)});
}
