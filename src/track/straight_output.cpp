// Drawing and VRML output of straight track.
#include <cmath>

#include "doc/layout_tables.h"
#include "mesh/mesh_vrml.h"
#include "mesh/rail_mesh.h"
#include "track/rail_output.h"
#include "track/straight.h"
#include "track/straight_track.h"

namespace {

double distance(const Point3& a, const Point3& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

} // namespace

void Straight::drawWith(int flags, CGL3DText& text, Point3 eye, OutlineVertices* direct)
{
    if (!segments)
        return;
    const bool byLayer = (flags & ColourByLayer) != 0;
    segments->rails->drawArrays(0, byLayer);
    if (direct)
        outline.drawBodyDirect(*direct, byLayer);
    else
        outline.drawBody(byLayer);
    if (visible == 0 && (flags & DrawTunnels)) {
        if (direct)
            outline.drawTunnelDirect(*direct);
        else
            outline.drawTunnel();
    }
    if ((flags & DrawGrades) && distance(eye, centrePoint) < 100.0)
        segments->drawGradeLabel(text, tables->profile(scale).gauge());
}

void Straight::draw(int flags, CGL3DText& text, Point3 eye)
{
    drawWith(flags, text, eye, nullptr);
}

void Straight::drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices)
{
    drawWith(flags, text, eye, &vertices);
}

void Straight::buildDisplayLists(OutlineVertices& vertices)
{
    outline.buildLists(vertices, tables->layerColors[layer]);
}

std::ostream& Straight::writeVrml(std::ostream& out, OutlineVertices& vertices)
{
    out << "\n#________________________________\n";
    out << "Transform { #Straight (T" << number << ")\n";
    out << " children [\n";
    if (segments) {
        const Point3 c = centre();
        out << "LOD { range [200]  center " << c.x << " " << c.z << " " << -c.y << " level [\n";
        out << " Group{children[";
        segments->writeVrml(out, vertices, 0);
        out << " ]\n}";
        out << " Shape{}\n]}\n";
        if (visible == 0)
            writeHidden(out, outline, vertices);
        writeEmbankment(out, "TRACK_EMBANKMENT", segments->outline.embankmentTop,
                        segments->outline.embankmentBottom, vertices);
    }
    out << " ]\n} # (T" << number << ")\n";
    return out;
}
