// The rail arrays and outline polygons of the track segments, and their
// VRML shapes.
#include <cmath>
#include <numbers>
#include <utility>

#include "doc/layout_tables.h"
#include "mesh/rail_mesh.h"
#include "track/curved_track.h"
#include "track/rail_output.h"
#include "track/straight_track.h"

TurnOutItem::TurnOutItem() : rails(std::make_unique<RailMesh>()) {}

TurnOutItem::TurnOutItem(std::string bodyLine)
    : line(std::move(bodyLine)), rails(std::make_unique<RailMesh>())
{
}

TurnOutItem::~TurnOutItem() = default;

void TurnOutItem::assignProfile(LayoutTables& tables, const std::string& scaleName)
{
    const ScaleProfile& profile = tables.profile(scaleName);
    outline.setProfile(profile);
    rails->setProfile(profile);
}

std::ostream& TurnOutItem::writeVrml(std::ostream& out, OutlineVertices& vertices, int level)
{
    return writeVrmlShapes(out, *rails, level);
}

namespace {

Point3 negated(const Point3& n)
{
    return {-n.x, -n.y, -n.z};
}

} // namespace

void StraightTrack::buildMeshes(const Placement& placement, OutlineVertices& vertices, int colour)
{
    if (std::hypot(startNormal.x, startNormal.y) < 0.001)
        return;
    rails->addSection(start, startNormal, 0, colour);
    rails->addSection(end, endNormal, 1, colour);
    outline.addSection(start, startNormal, vertices, placement);
    outline.addSection(end, endNormal, vertices, placement);
    outline.addSection(end, negated(endNormal), vertices, placement);
    outline.addSection(start, negated(startNormal), vertices, placement);
}

void CurvedTrack::buildMeshes(const Placement& placement, OutlineVertices& vertices, int colour)
{
    const double total = totalSweep();
    if (!std::isfinite(total) || !std::isfinite(radius) || total < 0.0)
        return;
    // An arc read from a "C" line goes round at most once; a helix at most
    // as many turns as fit in maxSteps steps of 2 degrees. Anything beyond
    // that is a broken piece and gets no meshes: coarser steps would fold
    // its outline into a star whose clipping never ends.
    if (turns == 0 && total > 360.0)
        return;
    // One step per 2 degrees, at least one.
    const double wanted = std::floor(total / 2.0);
    if (wanted > maxSteps)
        return;
    const int steps = wanted < 1.0 ? 1 : static_cast<int>(wanted);
    const double step = total / steps;
    const int helix = total > 360.0 ? 2 : 0;

    std::vector<std::pair<Point3, Point3>> inner;
    inner.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        Point3 p;
        if (i == 0) {
            p = start;
        } else if (i == steps) {
            p = end;
        } else {
            const double a = (startAngle + i * step) * std::numbers::pi / 180.0;
            p = {centreX + radius * std::sin(a), centreY + radius * std::cos(a),
                 start.z + (end.z - start.z) * i / steps};
        }
        Point3 m{p.x - centreX, p.y - centreY, 0.0};
        const double d = std::hypot(m.x, m.y);
        if (d > 0.0) {
            m.x /= d;
            m.y /= d;
        }
        rails->addSection(p, m, (i == steps ? 1 : 0) | helix, colour);
        outline.addSection(p, m, vertices, placement);
        inner.emplace_back(p, negated(m));
    }
    for (auto it = inner.rbegin(); it != inner.rend(); ++it)
        outline.addSection(it->first, it->second, vertices, placement);
}
