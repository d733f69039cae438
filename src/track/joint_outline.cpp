#include "track/joint_outline.h"

#include <exception>
#include <string>

#include "doc/layout_tables.h"
#include "track/turn_out_item.h"

bool OutlineMerger::unite(ZPaths& target, const ZPaths& add)
{
    try {
        target = OutlineMesh::unitePaths(target, add, vertices_);
        return true;
    } catch (const std::exception& e) {
        if (!reported_)
            tables_.addMessageText("Item " + std::to_string(itemNumber_) + ": track outline not merged (" +
                                   e.what() + ")");
        reported_ = true;
        return false;
    }
}

void OutlineMerger::addEndDisc(OutlineMesh& mesh, const Point3& at)
{
    const ZPaths disc = mesh.endDisc(at, vertices_, 16);
    unite(mesh.clearance, disc);
}

void OutlineMerger::addEndDiscs(TurnOutItem& piece)
{
    addEndDisc(piece.outline, piece.start);
    addEndDisc(piece.outline, piece.end);
}

void copyOutline(const OutlineMesh& from, OutlineMesh& to)
{
    to.footprint = from.footprint;
    to.clearance = from.clearance;
    to.embankmentTop = from.embankmentTop;
    to.embankmentBottom = from.embankmentBottom;
}
