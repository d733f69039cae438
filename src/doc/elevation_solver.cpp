#include "doc/elevation_solver.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "doc/climb_ranking.h"
#include "doc/elevation_search.h"
#include "doc/layout_tables.h"
#include "track/track_obj.h"

namespace {

// Appends to end r's neighbours the ends of one item other than r's own end
// self, each with the track length between. Lengths below 0.001 inch (or not numbers) count as 0.001:
// a zero or negative length would let the searches go round in circles.
void addNeighboursThrough(LayoutTables& tables, CTrackObj& item, int r, int self)
{
    const int count = static_cast<int>(tables.endPoints.size());
    for (int e : item.ends) {
        if (e == self || e < 0 || e >= count)
            continue;
        double length = item.lengthBetween(e, self);
        if (!(length >= 0.001) || !std::isfinite(length))
            length = 0.001;
        tables.endPoints[r].neighbours.emplace_back(e, length);
    }
}

CTrackObj* findItem(const LayoutTables& tables, int number)
{
    const auto it = tables.itemsByNumber.find(number);
    return it == tables.itemsByNumber.end() ? nullptr : it->second;
}

// True when every link from a to b has a link back from b to a, so that
// ends reach each other both ways.
bool linksGoBothWays(const std::vector<EndPoint>& ends)
{
    std::vector<std::pair<int, int>> links;
    for (int a = 0; a < static_cast<int>(ends.size()); ++a)
        for (const auto& [b, w] : ends[a].neighbours)
            links.emplace_back(a, b);
    std::vector<std::pair<int, int>> back;
    back.reserve(links.size());
    for (const auto& [a, b] : links)
        back.emplace_back(b, a);
    std::sort(links.begin(), links.end());
    links.erase(std::unique(links.begin(), links.end()), links.end());
    std::sort(back.begin(), back.end());
    back.erase(std::unique(back.begin(), back.end()), back.end());
    return links == back;
}

// The groups of ends still without a height, joined by links either way:
// group[i] is the group number of end i, or -1 for an end of known height.
// hasKnown[g] tells whether group g touches an end of known height.
std::vector<int> unknownGroups(const std::vector<EndPoint>& ends, std::vector<char>& hasKnown,
                               std::vector<std::vector<int>>& members, std::vector<int>& borders)
{
    const int count = static_cast<int>(ends.size());
    std::vector<std::vector<int>> undirected(count);
    for (int a = 0; a < count; ++a)
        for (const auto& [b, w] : ends[a].neighbours) {
            undirected[a].push_back(b);
            undirected[b].push_back(a);
        }
    std::vector<int> group(count, -1);
    hasKnown.clear();
    members.clear();
    borders.clear();
    std::vector<int> stack;
    for (int i = 0; i < count; ++i) {
        if (ends[i].elevationDefined || group[i] >= 0)
            continue;
        const int g = static_cast<int>(members.size());
        members.emplace_back();
        std::set<int> known;
        group[i] = g;
        stack.push_back(i);
        while (!stack.empty()) {
            const int u = stack.back();
            stack.pop_back();
            members[g].push_back(u);
            for (int v : undirected[u]) {
                if (ends[v].elevationDefined)
                    known.insert(v);
                else if (group[v] < 0) {
                    group[v] = g;
                    stack.push_back(v);
                }
            }
        }
        hasKnown.push_back(!known.empty());
        borders.push_back(known.size() == 1 ? *known.begin() : -1);
    }
    return group;
}

// Phase 2: dead ends and loops hanging from one end of known height lie level
// with it.
void levelDeadEnds(std::vector<EndPoint>& ends)
{
    std::vector<char> hasKnown;
    std::vector<std::vector<int>> members;
    std::vector<int> borders;
    const std::vector<int> group = unknownGroups(ends, hasKnown, members, borders);

    // With links going both ways, phase 1 leaves no group of unknown ends
    // between two different known ends. Every search from such a group
    // reaches only its one known end (or ends already levelled to it), so
    // the whole group takes that end's height; that end is rounded too.
    if (linksGoBothWays(ends)) {
        bool allSingle = true;
        for (std::size_t g = 0; g < members.size(); ++g)
            if (hasKnown[g] && borders[g] < 0)
                allSingle = false;
        if (allSingle) {
            for (std::size_t g = 0; g < members.size(); ++g) {
                if (borders[g] < 0)
                    continue;
                EndPoint& known = ends[borders[g]];
                known.position.z = singlePrecision(known.position.z);
                for (int n : members[g]) {
                    ends[n].elevationDefined = true;
                    ends[n].position.z = known.position.z;
                }
            }
            return;
        }
    }

    // Otherwise search from every end still without a height, in order,
    // skipping groups that touch no known end (their searches find nothing).
    ElevationSearch search(ends);
    for (int i = 0; i < static_cast<int>(ends.size()); ++i) {
        if (ends[i].elevationDefined || !hasKnown[group[i]])
            continue;
        const ElevationPath r = search.run(i);
        if (!(r.grade >= 0))
            continue;
        const double z = singlePrecision(ends[r.path.back().first].position.z);
        for (const auto& [n, h] : r.path) {
            ends[n].elevationDefined = true;
            ends[n].position.z = z;
            search.markKnown(n, z);
        }
    }
}

} // namespace

void buildNeighbours(LayoutTables& tables)
{
    for (int r = 0; r < static_cast<int>(tables.endPoints.size()); ++r) {
        EndPoint& record = tables.endPoints[r];
        record.neighbours.clear();
        CTrackObj* owner = findItem(tables, record.owner);
        if (!owner)
            continue;
        int self = tables.findEnd(record.owner, record.other);
        if (self < 0)
            self = r;
        const int otherNumber = record.other;
        addNeighboursThrough(tables, *owner, r, self);
        if (otherNumber >= 0)
            if (CTrackObj* other = findItem(tables, otherNumber))
                addNeighboursThrough(tables, *other, r, self);
    }
}

ElevationPath solveFrom(const LayoutTables& tables, int start)
{
    ElevationSearch search(tables.endPoints);
    return search.run(start);
}

void solveElevations(LayoutTables& tables)
{
    std::vector<EndPoint>& ends = tables.endPoints;
    if (std::none_of(ends.begin(), ends.end(), [](const EndPoint& e) { return e.elevationDefined; }))
        return;
    ClimbRanking(ends).run();
    levelDeadEnds(ends);
}
