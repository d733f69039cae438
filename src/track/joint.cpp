#include "track/joint.h"

#include <cmath>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "mesh/gl_messages.h"
#include "mesh/mesh_vrml.h"
#include "mesh/rail_mesh.h"
#include "track/joint_outline.h"
#include "track/straight_track.h"

Joint::Joint(const std::string& line, LayoutTables& tables, LayoutStream& in) : CTrackObj(tables)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    readHeader(t);
    readBody(in, "JOINT");
}

Joint::~Joint()
{
    destroySegments(segments);
}

StraightTrack* Joint::piece() const
{
    return static_cast<StraightTrack*>(segments);
}

double Joint::lengthBetween(int endA, int endB)
{
    const auto& ends = tables->endPoints;
    const auto count = static_cast<int>(ends.size());
    if (endA < 0 || endB < 0 || endA >= count || endB >= count)
        return 0.001;
    const Point3& p = ends[static_cast<std::size_t>(endA)].position;
    const Point3& q = ends[static_cast<std::size_t>(endB)].position;
    const double d = std::hypot(p.x - q.x, p.y - q.y);
    return d > 0.001 ? d : 0.001;
}

void squaredNormals(const Point3& start, const Point3& end, double angleA, double angleB, Point3& s,
                    Point3& t)
{
    const double a = angleA * M_PI / 180.0;
    const double b = angleB * M_PI / 180.0;
    s = {-std::cos(a), std::sin(a), 0.0};
    t = {-std::cos(b), std::sin(b), 0.0};
    Point3 d{end.x - start.x, end.y - start.y, end.z - start.z};
    const double distance = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (distance > 0) {
        d.x /= distance;
        d.y /= distance;
    }
    if (d.x * s.y - d.y * s.x < 0)
        s = {-s.x, -s.y, 0.0};
    if (d.x * t.y - d.y * t.x < 0)
        t = {-t.x, -t.y, 0.0};
}

void Joint::initDraw(OutlineVertices& vertices)
{
    if (segments) {
        showGlMessage("Joint::initDraw(): should only have one track item\n");
        return;
    }
    if (ends.size() < 2) {
        // Nothing to lay; an end alone still gives the item a place.
        if (!ends.empty())
            centrePoint = tables->endPoints[static_cast<std::size_t>(ends[0])].position;
        tables->addMessage(L"Item %d: Easement needs two end points, none drawn ", number);
        return;
    }
    outline.setProfile(tables->profile(scale));
    buildPiece(vertices);
}

void Joint::buildPiece(OutlineVertices& vertices)
{
    const EndPoint& a = tables->endPoints[static_cast<std::size_t>(ends[0])];
    const EndPoint& b = tables->endPoints[static_cast<std::size_t>(ends[1])];
    auto* p = new StraightTrack();
    p->assignProfile(*tables, scale);
    p->setEnds(a.position, b.position);
    const double dx = b.position.x - a.position.x, dy = b.position.y - a.position.y;
    const double dz = b.position.z - a.position.z;
    length = std::sqrt(dx * dx + dy * dy + dz * dz);
    centrePoint = {(a.position.x + b.position.x) / 2, (a.position.y + b.position.y) / 2,
                   (a.position.z + b.position.z) / 2};
    squaredNormals(p->start, p->end, a.angle, b.angle, p->startNormal, p->endNormal);
    p->length = lengthBetween(ends[0], ends[1]);
    if (std::hypot(dx, dy) < 0.0001)
        tables->addMessage(L"Item %d: Zero length track found ", number);
    pushSegment(segments, p);
    p->updateGrade();
    p->buildMeshes(identityPlacement(), vertices, tables->layerColors[layer]);
    OutlineMerger(vertices, *tables, number).addEndDiscs(*p);
    copyOutline(p->outline, outline);
}

void Joint::buildDisplayLists(OutlineVertices& vertices)
{
    outline.buildLists(vertices, tables->layerColors[layer]);
}

void Joint::draw(int flags, CGL3DText&, Point3)
{
    StraightTrack* p = piece();
    if (!p)
        return;
    const bool byLayer = (flags & ColourByLayer) != 0;
    if (p->rails)
        p->rails->drawArrays(0, byLayer);
    outline.drawBody(byLayer);
    if (visible == 0 && (flags & DrawTunnels))
        outline.drawTunnel();
}

void Joint::drawDirect(int flags, CGL3DText&, Point3, OutlineVertices& vertices)
{
    StraightTrack* p = piece();
    if (!p)
        return;
    const bool byLayer = (flags & ColourByLayer) != 0;
    if (p->rails)
        p->rails->drawArrays(0, byLayer);
    outline.drawBodyDirect(vertices, byLayer);
    if (visible == 0 && (flags & DrawTunnels))
        outline.drawTunnelDirect(vertices);
}

std::ostream& Joint::writeVrml(std::ostream& out, OutlineVertices& vertices)
{
    out << "\n#________________________________\n";
    out << "Transform { # (T" << number << ") Joint\n";
    out << " children [\n";
    if (StraightTrack* p = piece()) {
        p->writeVrml(out, vertices, 0);
        if (visible == 0)
            writeHidden(out, outline, vertices);
        writeEmbankment(out, "TRACK_EMBANKMENT", p->outline.embankmentTop, p->outline.embankmentBottom,
                        vertices);
    }
    out << " ]\n} # (T" << number << ")\n";
    return out;
}

int addEndPointRows(CDescribe& d, const LayoutTables& tables, const std::vector<int>& ends, int top)
{
    const double f = d.centimetres ? 2.54 : 1.0;
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const Point3& p = tables.endPoints[static_cast<std::size_t>(ends[i])].position;
        top = d.addPointRow(top, "Pt " + std::to_string(i + 1) + ":", p.x * f, p.y * f, p.z * f);
    }
    return top;
}

void Joint::fillRows(CDescribe& d) const
{
    const double f = d.centimetres ? 2.54 : 1.0;
    int top = addEndPointRows(d, *tables, ends, 0);
    d.setTitle(itemTitle(number) + " Easment Track");
    // Before initDraw, or without two ends, there is no piece to measure.
    if (const StraightTrack* p = piece()) {
        top = d.addNumberRow(top, "Length", p->length * f);
        top = d.addNumberRow(top, "Grade", p->grade);
    }
    d.addTextRow(top, "Layer", tables->layerNames[layer], 300);
}

void Joint::describe(bool centimetres, DescribeHost& host)
{
    CDescribe dialog;
    dialog.centimetres = centimetres;
    fillRows(dialog);
    dialog.show(host);
}
