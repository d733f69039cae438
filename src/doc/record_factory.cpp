#include "doc/record_factory.h"

#include "doc/keywords.h"
#include "drawing/bzrln.h"
#include "drawing/draw.h"
#include "drawing/structure.h"
#include "drawing/xobj.h"
#include "track/curve.h"
#include "track/straight.h"
#include "track/track_obj.h"
#include "track/turnout.h"
#include "track/turntable.h"
#include "track/joint.h"
#include "track/cornu.h"
#include "track/bezier.h"

RecordItem makeRecordItem(int code, const std::string& line, LayoutTables& tables, LayoutStream& in)
{
    RecordItem item;
    switch (code) {
    case RecTurnTable:
        item.track = std::make_unique<TurnTable>(line, tables, in);
        break;
    case RecJoint:
        item.track = std::make_unique<Joint>(line, tables, in);
        break;
    case RecCornu:
        item.track = std::make_unique<Cornu>(line, tables, in);
        break;
    case RecBezier:
        item.track = std::make_unique<Bezier>(line, tables, in);
        break;
    case RecStructure:
        item.other = std::make_unique<Structure>(line, tables, in);
        break;
    case RecBzrlin:
        item.other = std::make_unique<Bzrln>(line, tables, in);
        break;
    case RecDraw:
        item.other = std::make_unique<Draw>(line, tables, in);
        break;
    case RecStraight:
        item.track = std::make_unique<Straight>(line, tables, in);
        break;
    case RecCurve:
        item.track = std::make_unique<Curve>(line, tables, in);
        break;
    case RecTurnout:
        item.track = std::make_unique<Turnout>(line, tables, in);
        break;
    default:
        break;
    }
    return item;
}
