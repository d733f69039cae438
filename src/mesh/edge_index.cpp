#include "mesh/edge_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Edges are entered into every cell they pass within this many units of, so
// that a query up to this distance needs only the point's own cell.
constexpr double kCellMargin = 2.5;
constexpr std::size_t kMaxCellsPerAxis = 512;

struct Vec {
    double x, y;
};

Vec toVec(const ZPoint& p)
{
    return {static_cast<double>(p.X), static_cast<double>(p.Y)};
}

double distanceToSegment(Vec p, Vec a, Vec b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// How far the crossing of the two edges' lines lies from the point, counting
// also how far that crossing lies off either edge. Infinite for parallel edges.
double crossingScore(Vec p, const EdgeIndex::Edge& e, const EdgeIndex::Edge& f)
{
    const Vec a = toVec(e.a), b = toVec(e.b), c = toVec(f.a), d = toVec(f.b);
    const double rx = b.x - a.x, ry = b.y - a.y, sx = d.x - c.x, sy = d.y - c.y;
    const double denom = rx * sy - ry * sx;
    const double scale = std::hypot(rx, ry) * std::hypot(sx, sy);
    if (std::abs(denom) <= 1e-12 * scale)
        return std::numeric_limits<double>::infinity();
    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / denom;
    const Vec q{a.x + t * rx, a.y + t * ry};
    return std::hypot(q.x - p.x, q.y - p.y) + distanceToSegment(q, a, b) + distanceToSegment(q, c, d);
}

} // namespace

double distanceToEdge(const ZPoint& p, const EdgeIndex::Edge& e)
{
    return distanceToSegment(toVec(p), toVec(e.a), toVec(e.b));
}

void EdgeIndex::addPaths(const ZPaths& paths)
{
    for (const ZPath& path : paths) {
        for (std::size_t i = 0; i < path.size(); ++i) {
            const ZPoint& a = path[i];
            const ZPoint& b = path[(i + 1) % path.size()];
            if (a.X != b.X || a.Y != b.Y)
                edges_.push_back({a, b});
        }
    }
}

void EdgeIndex::build()
{
    cells_.clear();
    if (edges_.empty())
        return;
    double maxX = -std::numeric_limits<double>::infinity(), maxY = maxX;
    minX_ = minY_ = std::numeric_limits<double>::infinity();
    for (const Edge& e : edges_) {
        for (const ZPoint* p : {&e.a, &e.b}) {
            minX_ = std::min(minX_, static_cast<double>(p->X));
            minY_ = std::min(minY_, static_cast<double>(p->Y));
            maxX = std::max(maxX, static_cast<double>(p->X));
            maxY = std::max(maxY, static_cast<double>(p->Y));
        }
    }
    const double extent = std::max(maxX - minX_, maxY - minY_);
    const std::size_t perAxis = std::min(
        kMaxCellsPerAxis, static_cast<std::size_t>(std::sqrt(static_cast<double>(edges_.size()))) + 1);
    cellSize_ = std::max(2.0 * kCellMargin, extent / static_cast<double>(perAxis));
    columns_ = std::min(kMaxCellsPerAxis, static_cast<std::size_t>((maxX - minX_) / cellSize_) + 1);
    rows_ = std::min(kMaxCellsPerAxis, static_cast<std::size_t>((maxY - minY_) / cellSize_) + 1);
    cells_.assign(columns_ * rows_, {});
    for (std::size_t i = 0; i < edges_.size(); ++i)
        insert(i);
}

void EdgeIndex::insert(std::size_t edge)
{
    const Vec a = toVec(edges_[edge].a), b = toVec(edges_[edge].b);
    auto clampIndex = [this](double v, std::size_t count) {
        const double i = std::floor(v / cellSize_);
        return static_cast<std::size_t>(std::clamp(i, 0.0, static_cast<double>(count - 1)));
    };
    const std::size_t r0 = clampIndex(std::min(a.y, b.y) - kCellMargin - minY_, rows_);
    const std::size_t r1 = clampIndex(std::max(a.y, b.y) + kCellMargin - minY_, rows_);
    for (std::size_t r = r0; r <= r1; ++r) {
        // The part of the edge within this row (widened by the margin).
        double x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
        if (a.y != b.y && r0 != r1) {
            const double slabLo = minY_ + static_cast<double>(r) * cellSize_ - kCellMargin;
            const double slabHi = slabLo + cellSize_ + 2 * kCellMargin;
            const double t0 = std::clamp((slabLo - a.y) / (b.y - a.y), 0.0, 1.0);
            const double t1 = std::clamp((slabHi - a.y) / (b.y - a.y), 0.0, 1.0);
            const double xa = a.x + t0 * (b.x - a.x), xb = a.x + t1 * (b.x - a.x);
            x0 = std::min(xa, xb);
            x1 = std::max(xa, xb);
        }
        const std::size_t c0 = clampIndex(x0 - kCellMargin - minX_, columns_);
        const std::size_t c1 = clampIndex(x1 + kCellMargin - minX_, columns_);
        for (std::size_t c = c0; c <= c1; ++c)
            cells_[cellOf(c, r)].push_back(edge);
    }
}

std::vector<const EdgeIndex::Edge*> EdgeIndex::edgesNear(const ZPoint& p, double distance) const
{
    std::vector<const Edge*> near;
    if (edges_.empty())
        return near;
    if (cells_.empty() || distance > kCellMargin) {
        for (const Edge& e : edges_)
            if (distanceToEdge(p, e) <= distance)
                near.push_back(&e);
        return near;
    }
    auto clampIndex = [this](double v, std::size_t count) {
        const double i = std::floor(v / cellSize_);
        return static_cast<std::size_t>(std::clamp(i, 0.0, static_cast<double>(count - 1)));
    };
    const std::size_t c = clampIndex(static_cast<double>(p.X) - minX_, columns_);
    const std::size_t r = clampIndex(static_cast<double>(p.Y) - minY_, rows_);
    for (std::size_t i : cells_[cellOf(c, r)])
        if (distanceToEdge(p, edges_[i]) <= distance)
            near.push_back(&edges_[i]);
    return near;
}

std::vector<const EdgeIndex::Edge*> EdgeIndex::nearestByScan(const ZPoint& p, std::size_t count) const
{
    std::vector<const Edge*> all;
    all.reserve(edges_.size());
    for (const Edge& e : edges_)
        all.push_back(&e);
    count = std::min(count, all.size());
    std::partial_sort(
        all.begin(), all.begin() + static_cast<std::ptrdiff_t>(count), all.end(),
        [&p](const Edge* x, const Edge* y) { return distanceToEdge(p, *x) < distanceToEdge(p, *y); });
    all.resize(count);
    return all;
}

bool EdgeIndex::crossingAt(const ZPoint& p, Edge& first, Edge& second) const
{
    if (edges_.empty())
        return false;
    std::vector<const Edge*> candidates = edgesNear(p, 2.0);
    if (candidates.size() < 2)
        candidates = nearestByScan(p, 6);
    const Vec pv = toVec(p);
    double best = std::numeric_limits<double>::infinity();
    const Edge* e1 = candidates[0];
    const Edge* e2 = candidates.size() > 1 ? candidates[1] : candidates[0];
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        for (std::size_t j = i + 1; j < candidates.size(); ++j) {
            const double score = crossingScore(pv, *candidates[i], *candidates[j]);
            if (score < best) {
                best = score;
                e1 = candidates[i];
                e2 = candidates[j];
            }
        }
    }
    first = *e1;
    second = *e2;
    return true;
}
