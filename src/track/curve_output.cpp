// Drawing and VRML output of curved and helix track.
#include <cmath>

#include "doc/layout_tables.h"
#include "mesh/mesh_vrml.h"
#include "mesh/rail_mesh.h"
#include "track/curve.h"
#include "track/rail_output.h"
#include "track/turn_out_item.h"

void Curve::drawWith(int flags, CGL3DText& text, Point3 eye, OutlineVertices* direct)
{
    if (!segments)
        return;
    const double d = std::sqrt((eye.x - centrePoint.x) * (eye.x - centrePoint.x) +
                               (eye.y - centrePoint.y) * (eye.y - centrePoint.y) +
                               (eye.z - centrePoint.z) * (eye.z - centrePoint.z));
    const bool byLayer = (flags & ColourByLayer) != 0;
    segments->rails->drawArrays(direct ? 0 : detailLevel(d), byLayer);
    if (direct)
        outline.drawBodyDirect(*direct, byLayer);
    else
        outline.drawBody(byLayer);
    if (visible == 0 && (flags & DrawTunnels)) {
        if (isHelix())
            segments->rails->drawHelixFrame();
        else if (direct)
            outline.drawTunnelDirect(*direct);
        else
            outline.drawTunnel();
    }
    if ((flags & DrawGrades) && d < 100.0)
        segments->drawGradeLabel(text, tables->profile(scale).gauge());
}

void Curve::draw(int flags, CGL3DText& text, Point3 eye)
{
    drawWith(flags, text, eye, nullptr);
}

void Curve::drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices)
{
    drawWith(flags, text, eye, &vertices);
}

void Curve::buildDisplayLists(OutlineVertices& vertices)
{
    outline.buildLists(vertices, tables->layerColors[layer]);
}

std::ostream& Curve::writeVrml(std::ostream& out, OutlineVertices& vertices)
{
    out << "\n#________________________________\n";
    out << "Transform { #Curve (T" << number << ")\n";
    out << " children [\n";
    if (segments) {
        const Point3 c = centre();
        out << " LOD { range [100,200]  center " << c.x << " " << c.z << " " << -c.y << " level [\n";
        out << "  Group{children[ #High resolution\n";
        segments->writeVrml(out, vertices, 0);
        out << "  ]}\n";
        out << "  Group{children[ #Medium resolution\n";
        segments->writeVrml(out, vertices, 1);
        out << "  ]}\n";
        out << "  Group{children[ #Low resolution\n";
        segments->writeVrml(out, vertices, 2);
        out << "  ]}\n";
        out << " ]\n }\n";
        if (visible == 0) {
            if (isHelix())
                writeHelixFrame(out, *segments->rails);
            else
                writeHidden(out, outline, vertices);
        }
        if (!isHelix())
            writeEmbankment(out, "TRACK_EMBANKMENT", segments->outline.embankmentTop,
                            segments->outline.embankmentBottom, vertices);
    }
    out << " ]\n} # (T" << number << ")\n";
    return out;
}
