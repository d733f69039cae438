#include "elevation_reference.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <queue>

ElevationPath referenceSolveFrom(const std::vector<EndPoint>& ends, int s)
{
    using Entry = std::pair<double, int>;
    std::map<int, std::pair<double, int>> recorded; // end -> (distance, previous)
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
    std::priority_queue<Entry> candidates;
    const auto known = [&](int e) { return ends[e].elevationDefined; };
    const auto z = [&](int e) { return ends[e].position.z; };

    recorded[s] = {0.0, -1};
    queue.push({0.0, s});
    while (!queue.empty()) {
        const auto [d, u] = queue.top();
        queue.pop();
        if (d > recorded[u].first)
            continue;
        if (known(u) && u != s) {
            candidates.push({std::fabs(z(u) - z(s)) / recorded[u].first, u});
            continue;
        }
        for (const auto& [v, w] : ends[u].neighbours) {
            const auto it = recorded.find(v);
            if (it != recorded.end() && d + w > it->second.first)
                continue;
            if (known(v) && known(u))
                continue;
            recorded[v] = {d + w, u};
            queue.push({d + w, v});
        }
    }
    ElevationPath result;
    if (candidates.empty())
        return result;
    const auto [grade, c] = candidates.top();
    const double slope = known(s) ? (z(c) - z(s)) / recorded[c].first : 0.0;
    for (int n = c; n != -1; n = recorded[n].second)
        result.path.insert(result.path.begin(), {n, recorded[n].first * slope + z(s)});
    result.grade = grade;
    return result;
}

void referenceSolveElevations(std::vector<EndPoint>& ends)
{
    const int count = static_cast<int>(ends.size());
    std::vector<int> defined;
    for (int i = 0; i < count; ++i)
        if (ends[i].elevationDefined)
            defined.push_back(i);
    if (defined.empty())
        return;

    for (;;) {
        ElevationPath best;
        bool first = true;
        for (int s : defined) {
            ElevationPath r = referenceSolveFrom(ends, s);
            if (first || r.grade > best.grade || (r.grade == best.grade && best.path < r.path))
                best = r;
            first = false;
        }
        if (!(best.grade >= 0))
            break;
        for (const auto& [n, h] : best.path) {
            ends[n].elevationDefined = true;
            ends[n].position.z = static_cast<double>(static_cast<float>(h));
            defined.push_back(n);
        }
        std::sort(defined.begin(), defined.end());
        defined.erase(std::unique(defined.begin(), defined.end()), defined.end());
    }

    for (int i = 0; i < count; ++i) {
        if (ends[i].elevationDefined)
            continue;
        const ElevationPath r = referenceSolveFrom(ends, i);
        if (!(r.grade >= 0))
            continue;
        const double z = static_cast<double>(static_cast<float>(ends[r.path.back().first].position.z));
        for (const auto& [n, h] : r.path) {
            ends[n].elevationDefined = true;
            ends[n].position.z = z;
        }
    }
}
