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
    // Gives the new intersection point pt of the edges e1bot-e1top and
    // e2bot-e2top its own record: the plan position of pt, the mean height of
    // the four edge ends, and the normalised sum of their directions when all
    // four are roof vertices, (0, 0, 1, 0) otherwise.
    static void carryAttributes(const ZPoint& e1bot, const ZPoint& e1top, const ZPoint& e2bot,
                                const ZPoint& e2top, ZPoint& pt, OutlineVertices& vertices);

    // Builds tunnelList (roof, and walls where the footprint is not cut away
    // by its own or a linked item's clearance) and bodyList (embankment top
    // and foot); colour is the layer colour 0xRRGGBB.
    void buildLists(OutlineVertices& vertices, int colour);
    // Calls bodyList in the layer colour or the embankment colour.
    void drawBody(bool byLayer) const;
    // Calls tunnelList in the tunnel colour.
    void drawTunnel() const;
    // The same drawing without lists (printing).
    void drawBodyDirect(OutlineVertices& vertices, bool byLayer) const;
    void drawTunnelDirect(OutlineVertices& vertices);
    // The footprint minus its own clearance and every linked item's clearance:
    // where the tunnel has walls.
    ZPaths wallOutline(OutlineVertices& vertices) const;

    // Tunnel half width W, tunnel height H, rail height R, embankment top and
    // bottom half widths T and B, embankment height E, in that order.
    enum CrossSection {
        HalfTunnelWidth = 0,
        TunnelHeight,
        RailHeight,
        HalfTopWidth,
        HalfBottomWidth,
        EmbankmentHeight
    };

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
