#include "track/cornu.h"

#include <cmath>
#include <vector>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "mesh/gl_messages.h"
#include "track/curved_track.h"
#include "track/joint_outline.h"
#include "track/straight_track.h"

Cornu::Cornu(const std::string& line, LayoutTables& tables, LayoutStream& in)
    : Cornu(line, tables, in, 0.0, "CORNU")
{
}

Cornu::Cornu(const std::string& line, LayoutTables& tables, LayoutStream& in, double startLength,
             const char* keyword)
    : CTrackObj(tables)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    readHeader(t);
    outline.setProfile(tables.profile(scale));
    length = startLength;
    readBody(in, keyword);
}

Cornu::~Cornu()
{
    destroySegments(segments);
}

void Cornu::readBodyLine(const std::string& line)
{
    if (line.empty())
        return;
    const char first = line[0];
    if (first == 'C')
        addPiece(new CurvedTrack(line));
    else if (first == 'S' && line.size() > 1 && line[1] == ' ')
        addPiece(new StraightTrack(line));
    else if (first == 'T' || first == 'E')
        addEnd(line);
}

void Cornu::addPiece(TurnOutItem* piece)
{
    piece->assignProfile(*tables, scale);
    pushSegment(segments, piece);
    length += piece->length;
}

// Two end lines joined to the same item would share one record; the second
// becomes an open end of its own so that the chain keeps two ends.
void Cornu::addEnd(const std::string& line)
{
    EndPoint record(line);
    record.applyProfile(tables->profile(scale));
    record.owner = number;
    record.other = record.connection;
    int end = tables->registerEnd(record);
    for (int known : ends) {
        if (known == end) {
            record.other = -1;
            end = tables->registerEnd(record);
            break;
        }
    }
    ends.push_back(end);
}

int Cornu::pieceCount() const
{
    int n = 0;
    for (const TurnOutItem* p = segments; p; p = p->next)
        ++n;
    return n;
}

double Cornu::lengthBetween(int, int)
{
    double sum = 0.0;
    for (const TurnOutItem* p = segments; p; p = p->next)
        sum += p->length;
    return sum > 0.001 ? sum : 0.001;
}

Point3 Cornu::centre()
{
    const auto& points = tables->endPoints;
    if (ends.size() >= 2) {
        const Point3& p = points[static_cast<std::size_t>(ends[0])].position;
        const Point3& q = points[static_cast<std::size_t>(ends[1])].position;
        centrePoint = {(p.x + q.x) / 2, (p.y + q.y) / 2, (p.z + q.z) / 2};
    } else if (ends.size() == 1) {
        centrePoint = points[static_cast<std::size_t>(ends[0])].position;
    }
    return centrePoint;
}

void Cornu::assignElevations()
{
    if (!segments)
        return;
    // Without two ends the chain lies level at its one end's height (or 0,
    // from the newest piece's start); a chain of no length lies level too.
    Point3 c = segments->start;
    c.z = 0.0;
    double z1 = 0.0;
    if (!ends.empty()) {
        c = tables->endPoints[static_cast<std::size_t>(ends[0])].position;
        z1 = ends.size() >= 2 ? tables->endPoints[static_cast<std::size_t>(ends[1])].position.z : c.z;
    }
    double k = length > 0 ? (z1 - c.z) / length : 0.0;
    if (!std::isfinite(k))
        k = 0.0;

    std::vector<TurnOutItem*> pieces;
    for (TurnOutItem* p = segments; p; p = p->next)
        pieces.push_back(p);
    std::vector<bool> visited(pieces.size(), false);
    double h = c.z;
    auto distance = [&](const Point3& p) {
        return (p.x - c.x) * (p.x - c.x) + (p.y - c.y) * (p.y - c.y) + (p.z - h) * (p.z - h);
    };
    for (std::size_t pass = 0; pass < pieces.size(); ++pass) {
        std::size_t best = pieces.size();
        bool atStart = true;
        double nearest = 0.0;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (visited[i])
                continue;
            const double ds = distance(pieces[i]->start), de = distance(pieces[i]->end);
            if (best == pieces.size() || ds < nearest) {
                best = i, atStart = true, nearest = ds;
            }
            if (de < nearest) {
                best = i, atStart = false, nearest = de;
            }
        }
        TurnOutItem& p = *pieces[best];
        visited[best] = true;
        Point3& near = atStart ? p.start : p.end;
        Point3& far = atStart ? p.end : p.start;
        near.z = h;
        far.z = h + p.length * k;
        c = far;
        h = far.z;
    }
}

void Cornu::initDraw(OutlineVertices& vertices)
{
    if (!segments) {
        showGlMessage("Cornu::initDraw(): should only have one track item\n");
        return;
    }
    outline.setProfile(tables->profile(scale));
    const Placement placement = identityPlacement();
    assignElevations();
    OutlineMerger merger(vertices, *tables, number);
    const int colour = tables->layerColors[layer];
    for (TurnOutItem* p = segments; p; p = p->next) {
        p->updateGrade();
        p->buildMeshes(placement, vertices, colour);
        merger.addEndDiscs(*p);
    }
    mergeOutlines(merger);
    for (int e : ends)
        merger.addEndDisc(outline, tables->endPoints[static_cast<std::size_t>(e)].position);
    if (!ends.empty()) {
        Point3 sum;
        for (int e : ends) {
            const Point3& q = tables->endPoints[static_cast<std::size_t>(e)].position;
            sum.x += q.x, sum.y += q.y, sum.z += q.z;
        }
        const double n = static_cast<double>(ends.size());
        centrePoint = {sum.x / n, sum.y / n, sum.z / n};
    }
}

// Each of the four polygon sets of the item is the union of that set of all
// its pieces.
void Cornu::mergeOutlines(OutlineMerger& merger)
{
    copyOutline(segments->outline, outline);
    for (TurnOutItem* p = segments->next; p; p = p->next) {
        merger.unite(outline.footprint, p->outline.footprint);
        merger.unite(outline.clearance, p->outline.clearance);
        merger.unite(outline.embankmentTop, p->outline.embankmentTop);
        merger.unite(outline.embankmentBottom, p->outline.embankmentBottom);
    }
}

void Cornu::buildDisplayLists(OutlineVertices& vertices)
{
    outline.buildLists(vertices, tables->layerColors[layer]);
}
