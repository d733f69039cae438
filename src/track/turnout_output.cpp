// Drawing and VRML output of turnouts and sectional track.
#include <cmath>
#include <numbers>

#include <GL/gl.h>

#include "doc/layout_tables.h"
#include "mesh/mesh_vrml.h"
#include "mesh/rail_mesh.h"
#include "track/rail_output.h"
#include "track/turn_out_item.h"
#include "track/turnout.h"

void Turnout::drawWith(int flags, CGL3DText& text, Point3 eye, OutlineVertices* direct)
{
    const double d = std::sqrt((eye.x - centrePoint.x) * (eye.x - centrePoint.x) +
                               (eye.y - centrePoint.y) * (eye.y - centrePoint.y) +
                               (eye.z - centrePoint.z) * (eye.z - centrePoint.z));
    const bool byLayer = (flags & ColourByLayer) != 0;
    const int level = direct ? 0 : detailLevel(d);
    const bool labels = isSectional() && (flags & DrawGrades) && d < 100.0;
    const double lift = tables->profile(scale).gauge();

    glPushMatrix();
    glTranslated(originX, originY, 0.0);
    glRotated(rotation, 0.0, 0.0, -1.0);
    for (TurnOutItem* s = segments; s; s = s->next) {
        s->rails->drawArrays(level, byLayer);
        if (labels)
            s->drawGradeLabel(text, lift);
    }
    glPopMatrix();

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
}

void Turnout::draw(int flags, CGL3DText& text, Point3 eye)
{
    drawWith(flags, text, eye, nullptr);
}

void Turnout::drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices)
{
    drawWith(flags, text, eye, &vertices);
}

void Turnout::buildDisplayLists(OutlineVertices& vertices)
{
    outline.buildLists(vertices, tables->layerColors[layer]);
}

std::ostream& Turnout::writeVrml(std::ostream& out, OutlineVertices& vertices)
{
    const Point3 c = centre();
    const double r = rotation * std::numbers::pi / 180.0;
    out << "\n#________________________________\n";
    out << "# (T" << number << ") " << name << "\n";
    out << "Transform {\n"
        << " children [\n";
    writeEmbankment(out, "TRACK_EMBANKMENT", outline.embankmentTop, outline.embankmentBottom, vertices);
    if (visible == 0)
        writeHidden(out, outline, vertices);
    out << " ]\n}\n";
    out << "LOD { range [100,200]  center " << c.x << " " << c.z << " " << -c.y << " level [\n";
    static const char* const labels[3] = {") High Resolution\n", ") Medium Resolution\n",
                                          ") Low Resolution\n"};
    for (int level = 0; level < 3; ++level) {
        out << "Transform { # (T" << number << labels[level] << " translation " << originX << " 0 "
            << -originY << "\n rotation 0 -1 0 " << r << "\n children [\n";
        for (TurnOutItem* s = segments; s; s = s->next)
            s->writeVrml(out, vertices, level);
        out << " ]\n}\n";
    }
    out << " ]\n} # (T" << number << ")\n";
    return out;
}
