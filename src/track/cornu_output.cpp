// Drawing, VRML output and properties rows of Cornu and Bezier track.
#include <cmath>
#include <string>

#include "doc/layout_tables.h"
#include "mesh/mesh_vrml.h"
#include "mesh/rail_mesh.h"
#include "track/cornu.h"
#include "track/joint.h"
#include "track/turn_out_item.h"

void Cornu::draw(int flags, CGL3DText&, Point3)
{
    const bool byLayer = (flags & ColourByLayer) != 0;
    for (TurnOutItem* p = segments; p; p = p->next)
        if (p->rails)
            p->rails->drawArrays(0, byLayer);
    outline.drawBody(byLayer);
    if (visible == 0 && (flags & DrawTunnels))
        outline.drawTunnel();
}

void Cornu::drawDirect(int flags, CGL3DText&, Point3, OutlineVertices& vertices)
{
    const bool byLayer = (flags & ColourByLayer) != 0;
    for (TurnOutItem* p = segments; p; p = p->next)
        if (p->rails)
            p->rails->drawArrays(0, byLayer);
    outline.drawBodyDirect(vertices, byLayer);
    if (visible == 0 && (flags & DrawTunnels))
        outline.drawTunnelDirect(vertices);
}

std::ostream& Cornu::writeVrml(std::ostream& out, OutlineVertices& vertices)
{
    out << "\n#________________________________\n";
    out << "Transform { # (T" << number << ") Cornu\n";
    out << " children [\n";
    for (TurnOutItem* p = segments; p; p = p->next) {
        p->writeVrml(out, vertices, 0);
        if (p == segments && visible == 0)
            writeHidden(out, outline, vertices);
        writeEmbankment(out, "TRACK_EMBANKMENT", p->outline.embankmentTop, p->outline.embankmentBottom,
                        vertices);
    }
    out << " ]\n} # (T" << number << ")\n";
    return out;
}

void Cornu::fillRows(CDescribe& d) const
{
    const double f = d.centimetres ? 2.54 : 1.0;
    int top = addEndPointRows(d, *tables, ends, 0);
    d.setTitle(itemTitle(number) + kindText());
    if (ends.size() == 2) {
        top = d.addNumberRow(top, "Length", length * f);
        // A chain without pieces, or a piece of no length, has no grade to
        // show: it reads as level.
        const double grade = segments ? segments->grade : 0.0;
        top = d.addNumberRow(top, "Grade", std::isfinite(grade) ? grade : 0.0);
    }
    top = d.addIntegerRow(top, "Segments", pieceCount());
    for (const TurnOutItem* p = segments; p; p = p->next) {
        const bool curve = !p->line.empty() && p->line[0] == 'C';
        top = d.addNumberRow(top, curve ? "Curve L:" : "Straight L:", p->length * f);
        top = d.addPointRow(top - 5, "p1:", p->start.x * f, p->start.y * f, p->start.z * f);
        top = d.addPointRow(top - 5, "p2:", p->end.x * f, p->end.y * f, p->end.z * f) + 5;
    }
    d.addTextRow(top, "Layer", tables->layerNames[layer], 300);
}

void Cornu::describe(bool centimetres, DescribeHost& host)
{
    CDescribe dialog;
    dialog.centimetres = centimetres;
    fillRows(dialog);
    dialog.show(host);
}
