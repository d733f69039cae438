#include "track/track_outline.h"

#include "doc/layout_tables.h"
#include "track/track_obj.h"
#include "track/turn_out_item.h"

void reportOutlineFailure(CTrackObj& item, const std::exception& error)
{
    item.tables->addMessageText("Item " + std::to_string(item.number) + ": track outline not built (" +
                                error.what() + ")");
}

void adoptSegmentOutline(CTrackObj& item, TurnOutItem& segment, OutlineVertices& vertices)
{
    OutlineMesh& from = segment.outline;
    try {
        ZPaths clearance = from.clearance;
        for (const Point3& p : {segment.start, segment.end})
            clearance = OutlineMesh::unitePaths(clearance, from.endDisc(p, vertices, 16), vertices);
        from.clearance = clearance;
    } catch (const std::exception& e) {
        reportOutlineFailure(item, e);
        return;
    }
    item.outline.footprint = from.footprint;
    item.outline.clearance = from.clearance;
    item.outline.embankmentTop = from.embankmentTop;
    item.outline.embankmentBottom = from.embankmentBottom;
}
