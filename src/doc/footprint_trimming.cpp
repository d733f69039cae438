// Neighbouring tunnels share their roofs: each track's footprint loses those
// of the items at its ends, and those items are linked so that their
// clearances are cut out of each other's walls.
#include <cmath>
#include <vector>

#include "doc/document.h"
#include "track/track_obj.h"

namespace {

int farItemNumber(const LayoutTables& tables, int end, int itemNumber)
{
    const EndPoint& r = tables.endPoints[static_cast<std::size_t>(end)];
    return r.owner == itemNumber ? r.other : r.owner;
}

// A ZPaths difference that leaves the target unchanged (and says so) when
// Clipper refuses the coordinates.
void subtractInto(ZPaths& target, const ZPaths& cut, OutlineVertices& vertices, LayoutTables& tables,
                  int itemNumber)
{
    try {
        target = OutlineMesh::subtractPaths(target, cut, vertices);
    } catch (const std::exception& e) {
        tables.addMessageText("Item " + std::to_string(itemNumber) + ": tunnel outline not trimmed (" +
                              e.what() + ")");
    }
}

} // namespace

void CRavloViewerDoc::trimFootprints()
{
    for (CTrackObj* t = trackItems; t; t = t->nextTrack()) {
        std::vector<CTrackObj*> seen;
        for (int e : t->ends) {
            if (e < 0 || static_cast<std::size_t>(e) >= tables.endPoints.size())
                continue;
            const int far = farItemNumber(tables, e, t->number);
            if (far < 0)
                continue;
            CTrackObj* k = tables.item(far);
            if (!k || k->outline.footprint.empty())
                continue;
            CTrackObj* x = nullptr;
            if (k->length < 1.0 && k->ends.size() == 2 &&
                std::fabs(t->centre().z - k->centre().z) < tables.profile(k->scale).tunnelHeight()) {
                const int beyond = farItemNumber(tables, k->ends[0], k->number);
                x = beyond != t->number ? tables.item(beyond)
                                        : tables.item(farItemNumber(tables, k->ends[1], k->number));
            }
            subtractInto(t->outline.footprint, k->outline.footprint, outlineVertices, tables, t->number);
            for (CTrackObj* p : seen) {
                k->outline.linkedItems.push_back(p);
                p->outline.linkedItems.push_back(k);
                subtractInto(k->outline.footprint, p->outline.footprint, outlineVertices, tables, k->number);
                if (x) {
                    x->outline.linkedItems.push_back(p);
                    p->outline.linkedItems.push_back(x);
                }
            }
            seen.push_back(k);
            if (x)
                seen.push_back(x);
        }
    }
}
