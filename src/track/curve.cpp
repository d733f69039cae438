#include "track/curve.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "doc/describe.h"
#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "mesh/gl_messages.h"
#include "track/curved_track.h"
#include "track/straight_track.h"
#include "track/track_describe.h"
#include "track/track_outline.h"

namespace {
constexpr double degrees = std::numbers::pi / 180.0;
}

double angleAround(double centreX, double centreY, const Point3& p)
{
    double dx = p.x - centreX;
    double dy = p.y - centreY;
    const double d = std::hypot(dx, dy);
    if (d != 0.0) {
        dx /= d;
        dy /= d;
    }
    return 90.0 - std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

Curve::Curve(const std::string& line, LayoutTables& tables, LayoutStream& in) : CTrackObj(tables)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    readHeader(t);
    centreX = parseDouble(tokenAt(t, 8));
    centreY = parseDouble(tokenAt(t, 9));
    radius = parseDouble(tokenAt(t, 11));
    turns = parseInt(tokenAt(t, 12));
    readBody(in, "CURVE");
}

Curve::~Curve()
{
    destroySegments(segments);
}

void Curve::readBodyLine(const std::string& line)
{
    if (line.empty() || (line[0] != 'E' && line[0] != 'T'))
        return;
    CTrackObj::readBodyLine(line);
    endAngles.push_back(
        angleAround(centreX, centreY, tables->endPoints[static_cast<std::size_t>(ends.back())].position));
}

double Curve::lengthBetween(int endA, int endB)
{
    if (endAngles.size() < 2)
        return 0.001;
    const double turned = std::fabs(endAngles[0] - endAngles[1]) + 360.0 * turns;
    const double length = static_cast<float>(turned * std::fabs(radius) * degrees);
    return length >= 0.001 ? length : 0.001;
}

bool Curve::canBuild(double d)
{
    if (endAngles.size() < 2) {
        tables->addMessage(L"Item %d: Track needs two endpoints ", number);
        return false;
    }
    if (turns < 0 || turns > maxTurns) {
        tables->addMessage(L"Item %d: Helix turns out of range ", number);
        return false;
    }
    if (!std::isfinite(d) || !std::isfinite(radius) || !std::isfinite(centreX) || !std::isfinite(centreY)) {
        tables->addMessage(L"Item %d: Track position undefined ", number);
        return false;
    }
    // A plain curve needs its ends apart, any curve a radius; a helix of
    // whole turns is built.
    if ((std::fabs(d) < 0.0001 && turns == 0) || std::fabs(radius) < 0.0001) {
        tables->addMessage(L"Item %d: Zero length track found ", number);
        return false;
    }
    return true;
}

void Curve::initDraw(OutlineVertices& vertices)
{
    if (segments) {
        char text[128];
        std::snprintf(text, sizeof text, "Curve::initDraw(): item T%d should only have one track item\n",
                      number);
        showGlMessage(text);
        return;
    }
    const double d = endAngles.size() >= 2 ? endAngles[1] - endAngles[0] : 0.0;
    if (!canBuild(d))
        return;
    const double dPrime = std::fabs(d) < 0.0001 ? 0.0 : (d < 0.0 ? d + 360.0 : d);
    const double total = 360.0 * turns + dPrime;
    // Under one step of 2 degrees (or no number at all) the curve is built as
    // a straight piece.
    const bool straightPiece = !(total >= 2.0);
    outline.setProfile(tables->profile(scale));

    const Point3 a = tables->endPoints[static_cast<std::size_t>(ends[0])].position;
    const Point3 b = tables->endPoints[static_cast<std::size_t>(ends[1])].position;
    TurnOutItem* piece = nullptr;
    if (straightPiece) {
        auto* straight = new StraightTrack();
        straight->assignProfile(*tables, scale);
        straight->setEnds(a, b);
        straight->length =
            std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) + (b.z - a.z) * (b.z - a.z));
        piece = straight;
    } else {
        auto* arc = new CurvedTrack();
        arc->turns = turns;
        arc->assignProfile(*tables, scale);
        arc->start = a;
        arc->end = b;
        arc->startAngle = endAngles[0];
        arc->centreX = centreX;
        arc->centreY = centreY;
        arc->radius = std::fabs(radius);
        arc->sweep = total;
        const Point3 m = arc->pointAt(endAngles[0] + total / 2.0);
        arc->middle.x = m.x;
        arc->middle.y = m.y;
        arc->length = arc->radius * total * degrees;
        piece = arc;
    }
    length = piece->length;
    pushSegment(segments, piece);
    piece->updateGrade();
    piece->buildMeshes(identityPlacement(), vertices, tables->layerColors[layer]);
    if (!isHelix())
        adoptSegmentOutline(*this, *piece, vertices);
    centrePoint = piece->middle;
}

void Curve::describe(bool centimetres, DescribeHost& host)
{
    CDescribe dialog;
    dialog.centimetres = centimetres;
    const double f = lengthFactor(dialog);
    int top = addEndRows(dialog, *this);
    dialog.setTitle(itemTitle(number) + (turns > 0 ? " Helix Track" : " Curved Track"));
    top = dialog.addNumberRow(top, "Center: X", centreX * f);
    top = dialog.addNumberRow(top - 8, "Y", centreY * f);
    top = dialog.addNumberRow(top, "Radius", radius * f);
    if (turns > 0)
        top = dialog.addIntegerRow(top, "Turns", turns);
    if (segments) {
        top = dialog.addNumberRow(top, "Length", segments->length * f);
        top = dialog.addNumberRow(top, "Grade", segments->grade);
    }
    addLayerRow(dialog, top, *this);
    dialog.show(host);
}
