#pragma once

#include <memory>
#include <string>

#include "doc/layout_stream.h"

struct LayoutTables;
class CTrackObj;
class CXObj;

// Builds the item of one record through its class's record constructor.
// Exactly one of the two results is set for an item keyword; both stay
// null for a code whose class this build does not know.
struct RecordItem {
    std::unique_ptr<CTrackObj> track;
    std::unique_ptr<CXObj> other;
};

RecordItem makeRecordItem(int code, const std::string& line, LayoutTables& tables, LayoutStream& in);
