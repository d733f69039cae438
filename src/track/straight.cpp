#include "track/straight.h"

#include <cmath>
#include <cstdio>

#include "doc/describe.h"
#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "mesh/gl_messages.h"
#include "track/straight_track.h"
#include "track/track_describe.h"
#include "track/track_outline.h"

namespace {

bool finitePoint(const Point3& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

} // namespace

Straight::Straight(const std::string& line, LayoutTables& tables, LayoutStream& in) : CTrackObj(tables)
{
    readHeader(LineTokenizer(line).splitTokens(" \t"));
    readBody(in, "STRAIGHT");
}

Straight::~Straight()
{
    destroySegments(segments);
}

StraightTrack* Straight::segment() const
{
    return static_cast<StraightTrack*>(segments);
}

Point3 Straight::centre()
{
    if (!segments)
        return centrePoint;
    const Point3& a = segments->start;
    const Point3& b = segments->end;
    return {(a.x + b.x) / 2.0, (a.y + b.y) / 2.0, (a.z + b.z) / 2.0};
}

double Straight::lengthBetween(int endA, int endB)
{
    const std::vector<EndPoint>& points = tables->endPoints;
    auto valid = [&points](int e) { return e >= 0 && static_cast<std::size_t>(e) < points.size(); };
    if (!valid(endA) || !valid(endB))
        return 0.001;
    const Point3& a = points[static_cast<std::size_t>(endA)].position;
    const Point3& b = points[static_cast<std::size_t>(endB)].position;
    const double d = std::hypot(b.x - a.x, b.y - a.y);
    return d >= 0.001 ? d : 0.001;
}

void Straight::initDraw(OutlineVertices& vertices)
{
    outline.setProfile(tables->profile(scale));
    if (segments) {
        char text[128];
        std::snprintf(text, sizeof text, "Straight::initDraw(): item T%d should only have one track item\n",
                      number);
        showGlMessage(text);
        return;
    }
    if (ends.size() < 2) {
        tables->addMessage(L"Item %d: Track needs two endpoints ", number);
        return;
    }
    auto* piece = new StraightTrack();
    pushSegment(segments, piece);
    piece->assignProfile(*tables, scale);

    const Point3 a = tables->endPoints[static_cast<std::size_t>(ends[0])].position;
    const Point3 b = tables->endPoints[static_cast<std::size_t>(ends[1])].position;
    piece->setEnds(a, b);
    length = piece->length = lengthBetween(ends[0], ends[1]);
    piece->updateGrade();
    if (std::hypot(b.x - a.x, b.y - a.y) < 0.0001)
        tables->addMessage(L"Item %d: Zero length track found ", number);
    centrePoint = piece->middle;
    if (!finitePoint(a) || !finitePoint(b)) {
        tables->addMessage(L"Item %d: Track position undefined ", number);
        return;
    }
    piece->buildMeshes(identityPlacement(), vertices, tables->layerColors[layer]);
    adoptSegmentOutline(*this, *piece, vertices);
}

void Straight::describe(bool centimetres, DescribeHost& host)
{
    CDescribe dialog;
    dialog.centimetres = centimetres;
    const double f = lengthFactor(dialog);
    int top = addEndRows(dialog, *this);
    dialog.setTitle(itemTitle(number) + " Straight Track");
    if (segments) {
        top = dialog.addNumberRow(top, "Length", segments->length * f);
        top = dialog.addNumberRow(top, "Grade", segments->grade);
    }
    addLayerRow(dialog, top, *this);
    dialog.show(host);
}
