#include "mesh/outline_mesh.h"

#include <cmath>

#include "doc/scale_profile.h"
#include "mesh/zclipper.h"

namespace {

struct Vector4 {
    double x, y, z, w;
};

// M · (x, y, z, w) with M in column-major order.
Vector4 place(const Placement& m, double x, double y, double z, double w)
{
    const double* e = m.m;
    return {e[0] * x + e[4] * y + e[8] * z + e[12] * w, e[1] * x + e[5] * y + e[9] * z + e[13] * w,
            e[2] * x + e[6] * y + e[10] * z + e[14] * w, e[3] * x + e[7] * y + e[11] * z + e[15] * w};
}

// Appends the record and its point to the first path of the set.
void addVertex(ZPaths& set, OutlineVertices& vertices, const OutlineVertex& v)
{
    vertices.push_back(v);
    if (set.empty())
        set.emplace_back();
    set.front().push_back(
        {toThousandths(v.x), toThousandths(v.y), static_cast<std::int64_t>(vertices.size() - 1)});
}

OutlineVertex vertexAt(const Vector4& position, const Vector4& direction)
{
    return {position.x,  position.y,  position.z,  position.w,
            direction.x, direction.y, direction.z, direction.w};
}

// The record a polygon point refers to; a point with an index outside the
// table reads as a vertex with no direction.
OutlineVertex recordOf(const ZPoint& p, const OutlineVertices& vertices)
{
    if (p.Z < 0 || static_cast<std::size_t>(p.Z) >= vertices.size())
        return {};
    return vertices[static_cast<std::size_t>(p.Z)];
}

ZPaths clipOutlines(const ZPaths& a, const ZPaths& b, ZClipOperation operation, OutlineVertices& vertices)
{
    return clipZPaths(
        a, b, operation,
        [&vertices](const ZPoint& e1bot, const ZPoint& e1top, const ZPoint& e2bot, const ZPoint& e2top,
                    ZPoint& pt) { OutlineMesh::carryAttributes(e1bot, e1top, e2bot, e2top, pt, vertices); });
}

} // namespace

void OutlineMesh::setProfile(const ScaleProfile& profile)
{
    crossSection = {profile.tunnelWidth() / 2,
                    profile.tunnelHeight(),
                    profile.railHeight(),
                    profile.embankmentTopWidth() / 2,
                    profile.embankmentBottomWidth() / 2,
                    profile.embankmentHeight()};
}

void OutlineMesh::addSection(Point3 c, Point3 n, OutlineVertices& vertices, const Placement& placement)
{
    if (crossSection.size() < 6)
        return; // no profile yet: nothing to build from
    const double W = crossSection[HalfTunnelWidth], H = crossSection[TunnelHeight],
                 R = crossSection[RailHeight];
    const double T = crossSection[HalfTopWidth], B = crossSection[HalfBottomWidth],
                 E = crossSection[EmbankmentHeight];
    const Vector4 roofDown{0, 0, -1, 0}, up{0, 0, 1, 0};

    addVertex(footprint, vertices,
              vertexAt(place(placement, c.x + W * n.x, c.y + W * n.y, c.z + W * n.z + H, 1), roofDown));
    const double cw = 0.99 * W;
    addVertex(clearance, vertices,
              vertexAt(place(placement, c.x + cw * n.x, c.y + cw * n.y, c.z + cw * n.z + H, 1), up));
    const Vector4 slope = place(placement, (B - T) * n.x, (B - T) * n.y, (B - T) * n.z + R - E, 0);
    addVertex(embankmentTop, vertices,
              vertexAt(place(placement, c.x + T * n.x, c.y + T * n.y, c.z + T * n.z - R, 1), slope));
    addVertex(embankmentBottom, vertices,
              vertexAt(place(placement, c.x + B * n.x, c.y + B * n.y, c.z + B * n.z - E, 1), slope));
}

ZPaths OutlineMesh::endDisc(Point3 c, OutlineVertices& vertices, int count) const
{
    ZPaths disc;
    if (crossSection.size() < 6 || count <= 0)
        return disc;
    const double H = crossSection[TunnelHeight];
    const double r = 0.99 * crossSection[HalfTunnelWidth];
    const double step = 2 * M_PI / count, cs = std::cos(step), sn = std::sin(step);
    const Vector4 up{0, 0, 1, 0};
    double u = r, v = 0;
    addVertex(disc, vertices, vertexAt({c.x + u, c.y + v, c.z + H, 1}, up));
    for (int i = 0; i < count; ++i) {
        const double nu = u * cs - v * sn;
        v = u * sn + v * cs;
        u = nu;
        addVertex(disc, vertices, vertexAt({c.x + u, c.y + v, c.z + H, 1}, up));
    }
    return disc;
}

ZPaths OutlineMesh::unitePaths(const ZPaths& a, const ZPaths& b, OutlineVertices& vertices)
{
    return clipOutlines(a, b, ZClipOperation::Union, vertices);
}

ZPaths OutlineMesh::subtractPaths(const ZPaths& a, const ZPaths& b, OutlineVertices& vertices)
{
    return clipOutlines(a, b, ZClipOperation::Difference, vertices);
}

void OutlineMesh::carryAttributes(const ZPoint& e1bot, const ZPoint& e1top, const ZPoint& e2bot,
                                  const ZPoint& e2top, ZPoint& pt, OutlineVertices& vertices)
{
    const OutlineVertex ends[4] = {recordOf(e1bot, vertices), recordOf(e1top, vertices),
                                   recordOf(e2bot, vertices), recordOf(e2top, vertices)};
    OutlineVertex v;
    v.x = pt.X / 1000.0;
    v.y = pt.Y / 1000.0;
    v.w = 1;
    bool allRoof = true;
    double sum[4] = {0, 0, 0, 0};
    for (const OutlineVertex& e : ends) {
        v.z += e.z / 4;
        allRoof = allRoof && e.dz < -0.5;
        sum[0] += e.dx;
        sum[1] += e.dy;
        sum[2] += e.dz;
        sum[3] += e.dw;
    }
    if (allRoof) {
        const double length =
            std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2] + sum[3] * sum[3]);
        const double f = length > 0 ? 1 / length : 1;
        v.dx = sum[0] * f;
        v.dy = sum[1] * f;
        v.dz = sum[2] * f;
        v.dw = sum[3] * f;
    } else {
        v.dz = 1;
    }
    vertices.push_back(v);
    pt.Z = static_cast<std::int64_t>(vertices.size() - 1);
}
