#include "track/turnout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "doc/describe.h"
#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "track/curved_track.h"
#include "track/straight_track.h"
#include "track/track_describe.h"
#include "track/track_outline.h"

Turnout::Turnout(const std::string& line, LayoutTables& tables, LayoutStream& in) : CTrackObj(tables)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    readHeader(t);
    originX = parseDouble(tokenAt(t, 8));
    originY = parseDouble(tokenAt(t, 9));
    rotation = parseDouble(tokenAt(t, 11));
    // A record without a title keeps an empty name.
    if (t.size() > 12)
        name = t[12];
    length = 0.001;
    outline.setProfile(tables.profile(scale));
    readBody(in, "TURNOUT");
}

Turnout::~Turnout()
{
    destroySegments(segments);
}

void Turnout::readBodyLine(const std::string& line)
{
    if (line.empty())
        return;
    switch (line[0]) {
    case 'S':
    case 'C': {
        TurnOutItem* piece = line[0] == 'S' ? static_cast<TurnOutItem*>(new StraightTrack(line))
                                            : static_cast<TurnOutItem*>(new CurvedTrack(line));
        piece->assignProfile(*tables, scale);
        pushSegment(segments, piece);
        break;
    }
    case 'T':
    case 'E': {
        EndPoint record(line);
        record.applyProfile(tables->profile(scale));
        record.owner = number;
        record.other = record.connection;
        int e = tables->registerEnd(record);
        // Two ends joined to the same item stay two ends: the second becomes
        // an unconnected one of its own.
        if (std::find(ends.begin(), ends.end(), e) != ends.end()) {
            record.other = -1;
            e = tables->registerEnd(record);
        }
        ends.push_back(e);
        break;
    }
    default:
        break;
    }
}

double Turnout::lengthBetween(int endA, int endB)
{
    if (ends.size() > 2 || !segments)
        return 0.001;
    return segments->length >= 0.001 ? segments->length : 0.001;
}

Placement Turnout::placement() const
{
    const double r = rotation * std::numbers::pi / 180.0;
    const auto c = static_cast<float>(std::cos(r));
    const auto s = static_cast<float>(std::sin(r));
    Placement p = identityPlacement();
    p.m[0] = c;
    p.m[1] = -s;
    p.m[4] = s;
    p.m[5] = c;
    p.m[12] = static_cast<float>(originX);
    p.m[13] = static_cast<float>(originY);
    return p;
}

Placement invertPlacement(const Placement& p)
{
    // The upper 2x2 block is a rotation, so its inverse is its transpose; the
    // translation goes back through it.
    Placement q = identityPlacement();
    q.m[0] = p.m[0];
    q.m[1] = p.m[4];
    q.m[4] = p.m[1];
    q.m[5] = p.m[5];
    q.m[12] = -(q.m[0] * p.m[12] + q.m[4] * p.m[13]);
    q.m[13] = -(q.m[1] * p.m[12] + q.m[5] * p.m[13]);
    q.m[14] = -p.m[14];
    return q;
}

void Turnout::uniteSegmentOutlines(OutlineVertices& vertices)
{
    if (!segments && ends.empty())
        return;
    try {
        ZPaths sets[4];
        if (segments) {
            const OutlineMesh& first = segments->outline;
            sets[0] = first.footprint;
            sets[1] = first.clearance;
            sets[2] = first.embankmentTop;
            sets[3] = first.embankmentBottom;
            for (TurnOutItem* s = segments->next; s; s = s->next) {
                sets[0] = OutlineMesh::unitePaths(sets[0], s->outline.footprint, vertices);
                sets[1] = OutlineMesh::unitePaths(sets[1], s->outline.clearance, vertices);
                sets[2] = OutlineMesh::unitePaths(sets[2], s->outline.embankmentTop, vertices);
                sets[3] = OutlineMesh::unitePaths(sets[3], s->outline.embankmentBottom, vertices);
            }
        }
        for (int e : ends) {
            const Point3 p = tables->endPoints[static_cast<std::size_t>(e)].position;
            sets[1] = OutlineMesh::unitePaths(sets[1], outline.endDisc(p, vertices, 16), vertices);
        }
        outline.footprint = std::move(sets[0]);
        outline.clearance = std::move(sets[1]);
        outline.embankmentTop = std::move(sets[2]);
        outline.embankmentBottom = std::move(sets[3]);
    } catch (const std::exception& e) {
        reportOutlineFailure(*this, e);
    }
}

void Turnout::initDraw(OutlineVertices& vertices)
{
    const Placement place = placement();
    const Placement inverse = invertPlacement(place);
    std::vector<Point3> local;
    local.reserve(ends.size());
    for (int e : ends) {
        const Point3 p = tables->endPoints[static_cast<std::size_t>(e)].position;
        Point3 q = inverse.placePoint({p.x, p.y, 0.0});
        q.z = p.z;
        local.push_back(q);
    }
    for (TurnOutItem* s = segments; s; s = s->next)
        s->fitHeights(local);
    const int colour = tables->layerColors[layer];
    for (TurnOutItem* s = segments; s; s = s->next)
        s->buildMeshes(place, vertices, colour);
    uniteSegmentOutlines(vertices);

    // The centre is the mean of the ends; a turnout without ends sits at its origin.
    if (ends.empty()) {
        centrePoint = {originX, originY, 0.0};
        return;
    }
    Point3 sum;
    for (int e : ends) {
        const Point3& p = tables->endPoints[static_cast<std::size_t>(e)].position;
        sum.x += p.x;
        sum.y += p.y;
        sum.z += p.z;
    }
    const double n = static_cast<double>(ends.size());
    centrePoint = {sum.x / n, sum.y / n, sum.z / n};
}

void Turnout::describe(bool centimetres, DescribeHost& host)
{
    CDescribe dialog;
    dialog.centimetres = centimetres;
    const double f = lengthFactor(dialog);
    int top = addEndRows(dialog, *this);
    if (isSectional()) {
        dialog.setTitle(itemTitle(number) + " Sectional Track");
        if (segments) {
            top = dialog.addNumberRow(top, "Length", segments->length * f);
            top = dialog.addNumberRow(top, "Grade", segments->grade);
        }
    } else {
        dialog.setTitle(itemTitle(number) + " Turnout");
    }
    top = dialog.addTextRow(top, "Name", name, 300);
    addLayerRow(dialog, top, *this);
    dialog.show(host);
}
