#include "mesh/zclipper.h"

#include <polyclipping/clipper.hpp>

#include <unordered_map>

#include "mesh/edge_index.h"

namespace {

ClipperLib::Paths toClipper(const ZPaths& paths)
{
    ClipperLib::Paths out(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        out[i].reserve(paths[i].size());
        for (const ZPoint& p : paths[i])
            out[i].emplace_back(p.X, p.Y);
    }
    return out;
}

struct PlanKey {
    std::int64_t x, y;
    bool operator==(const PlanKey&) const = default;
};

struct PlanKeyHash {
    std::size_t operator()(const PlanKey& k) const
    {
        const std::uint64_t h = static_cast<std::uint64_t>(k.x) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h ^
                                        (static_cast<std::uint64_t>(k.y) + 0x7F4A7C159E3779B9ull + (h << 6)));
    }
};

using ZByPosition = std::unordered_map<PlanKey, std::int64_t, PlanKeyHash>;

void addVerticesTo(ZByPosition& zAt, const ZPaths& paths)
{
    for (const ZPath& path : paths)
        for (const ZPoint& p : path)
            zAt.emplace(PlanKey{p.X, p.Y}, p.Z);
}

} // namespace

ZPaths clipZPaths(const ZPaths& subject, const ZPaths& clip, ZClipOperation operation,
                  const ZFillFunction& fill)
{
    ClipperLib::Clipper clipper;
    clipper.AddPaths(toClipper(subject), ClipperLib::ptSubject, true);
    clipper.AddPaths(toClipper(clip), ClipperLib::ptClip, true);
    ClipperLib::Paths solution;
    clipper.Execute(operation == ZClipOperation::Union ? ClipperLib::ctUnion : ClipperLib::ctDifference,
                    solution, ClipperLib::pftEvenOdd, ClipperLib::pftEvenOdd);

    ZByPosition zAt;
    addVerticesTo(zAt, subject);
    addVerticesTo(zAt, clip);
    EdgeIndex edges; // built on the first new intersection point
    bool edgesBuilt = false;

    ZPaths result(solution.size());
    for (std::size_t i = 0; i < solution.size(); ++i) {
        result[i].reserve(solution[i].size());
        for (const ClipperLib::IntPoint& q : solution[i]) {
            ZPoint pt{q.X, q.Y, 0};
            if (auto found = zAt.find(PlanKey{q.X, q.Y}); found != zAt.end()) {
                pt.Z = found->second;
            } else {
                if (!edgesBuilt) {
                    edges.addPaths(subject);
                    edges.addPaths(clip);
                    edges.build();
                    edgesBuilt = true;
                }
                EdgeIndex::Edge e1, e2;
                if (edges.crossingAt(pt, e1, e2))
                    fill(e1.a, e1.b, e2.a, e2.b, pt);
            }
            result[i].push_back(pt);
        }
    }
    return result;
}
