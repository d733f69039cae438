#pragma once

#include <vector>

#include "doc/point3.h"
#include "mesh/outline_vertex.h"
#include "mesh/placement.h"
#include "mesh/zpaths.h"

class CTrackObj;
struct ScaleProfile;

// The plan-view polygon sets around one track item or piece: tunnel roof,
// clearance, embankment top and foot, each vertex carrying its 3-D record.
class OutlineMesh {
public:
    void setProfile(const ScaleProfile& profile);
    void addSection(Point3 c, Point3 n, OutlineVertices& vertices, const Placement& placement);
    ZPaths endDisc(Point3 c, OutlineVertices& vertices, int count) const;
    // Union and difference with the even-odd rule; every output point keeps
    // its input vertex index or gets a new record. Throw Clipper's exception
    // for coordinates outside its range.
    static ZPaths unitePaths(const ZPaths& a, const ZPaths& b, OutlineVertices& vertices);
    static ZPaths subtractPaths(const ZPaths& a, const ZPaths& b, OutlineVertices& vertices);

    std::vector<CTrackObj*> linkedItems;
    ZPaths footprint;
    ZPaths clearance;
    ZPaths embankmentTop;
    ZPaths embankmentBottom;
    unsigned tunnelList = 0;
    unsigned bodyList = 0;
    std::vector<double> crossSection;
    std::vector<std::vector<double>> wallEdges;
    double layerColour[3] = {0, 0, 0};
};
