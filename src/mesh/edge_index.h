#pragma once

#include <cstddef>
#include <vector>

#include "mesh/zpaths.h"

// The edges of closed polygon sets with a uniform grid over them, to find the
// edges that pass near a point.
class EdgeIndex {
public:
    struct Edge {
        ZPoint a;
        ZPoint b;
    };

    // Indexes every edge of every path (the last point joins the first);
    // edges of zero length are left out.
    void addPaths(const ZPaths& paths);
    // Builds the grid; call after the last addPaths.
    void build();

    // The edges passing within the distance of the point (in plan units).
    std::vector<const Edge*> edgesNear(const ZPoint& p, double distance) const;
    // The two edges whose crossing lies nearest the point, tried first among
    // the edges within about one unit and then further out. Returns false
    // when fewer than two edges exist; with only one crossing candidate
    // near, the nearest other edge completes the pair.
    bool crossingAt(const ZPoint& p, Edge& first, Edge& second) const;

    const std::vector<Edge>& edges() const { return edges_; }

private:
    std::size_t cellOf(std::size_t column, std::size_t row) const { return row * columns_ + column; }
    void insert(std::size_t edge);
    std::vector<const Edge*> nearestByScan(const ZPoint& p, std::size_t count) const;

    std::vector<Edge> edges_;
    std::vector<std::vector<std::size_t>> cells_;
    double minX_ = 0, minY_ = 0, cellSize_ = 1;
    std::size_t columns_ = 0, rows_ = 0;
};

// Distance in plan units from the point to the segment.
double distanceToEdge(const ZPoint& p, const EdgeIndex::Edge& e);
