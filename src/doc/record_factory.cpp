#include "doc/record_factory.h"

#include "doc/keywords.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"

RecordItem makeRecordItem(int code, const std::string& line, LayoutTables& tables, LayoutStream& in)
{
    RecordItem item;
    switch (code) {
    default:
        break;
    }
    return item;
}
