#pragma once

#include <exception>

#include "mesh/outline_vertex.h"

class CTrackObj;
class TurnOutItem;

// Rounds the segment's clearance off with discs at its start and end and
// then gives its four polygon sets to the item, replacing the item's. When
// the polygon clipper refuses the coordinates (a point too far out) the item
// keeps its sets as they were and a load message names the item.
void adoptSegmentOutline(CTrackObj& item, TurnOutItem& segment, OutlineVertices& vertices);

// The load message for an outline the clipper refused.
void reportOutlineFailure(CTrackObj& item, const std::exception& error);
