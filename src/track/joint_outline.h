#pragma once

#include "mesh/outline_mesh.h"
#include "mesh/outline_vertex.h"
#include "mesh/zpaths.h"

class TurnOutItem;
struct LayoutTables;

// Polygon unions of one item's initDraw. The clipping refuses coordinates
// outside its range; the set concerned then stays as it was and the item gets
// one load message, however many unions fail.
class OutlineMerger {
public:
    OutlineMerger(OutlineVertices& vertices, LayoutTables& tables, int itemNumber)
        : vertices_(vertices), tables_(tables), itemNumber_(itemNumber)
    {
    }

    // target = target united with add; false (target unchanged) when refused.
    bool unite(ZPaths& target, const ZPaths& add);
    // Unites discs around the piece's start and then its end into its clearance.
    void addEndDiscs(TurnOutItem& piece);
    // Unites a disc around a point into the mesh's clearance.
    void addEndDisc(OutlineMesh& mesh, const Point3& at);

private:
    OutlineVertices& vertices_;
    LayoutTables& tables_;
    int itemNumber_;
    bool reported_ = false;
};

// Copies the four polygon sets (footprint, clearance, embankment top and foot).
void copyOutline(const OutlineMesh& from, OutlineMesh& to);
