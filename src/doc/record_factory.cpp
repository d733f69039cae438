#include "doc/record_factory.h"

#include "doc/keywords.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"
#include "track/turntable.h"

RecordItem makeRecordItem(int code, const std::string& line, LayoutTables& tables, LayoutStream& in)
{
    RecordItem item;
    switch (code) {
    case RecTurnTable: item.track = std::make_unique<TurnTable>(line, tables, in); break;
    default:
        break;
    }
    return item;
}
