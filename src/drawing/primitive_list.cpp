#include "drawing/primitive_list.h"

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "drawing/bench_work3.h"
#include "drawing/circle3.h"
#include "drawing/curved_line3.h"
#include "drawing/line3.h"
#include "drawing/poly_line3.h"
#include "drawing/text3.h"
#include "track/track_obj.h"

PrimitiveList::~PrimitiveList()
{
    while (head_) {
        DrawItem* item = head_;
        head_ = item->next;
        delete item;
    }
}

void PrimitiveList::pushFront(DrawItem* item)
{
    item->next = head_;
    head_ = item;
}

DrawItem* makePrimitive(const std::string& line)
{
    switch (line.empty() ? '\0' : line[0]) {
    case 'A':
        return new CurvedLine3(line);
    case 'B':
        return new BenchWork3(line);
    case 'F':
    case 'Y':
        return new PolyLine3(line);
    case 'G':
        return new Circle3(line);
    case 'L':
    case 'Q':
        return new Line3(line);
    case 'Z':
        return new Text3(line);
    default:
        return nullptr;
    }
}

namespace {

void dispatchBodyLine(const std::string& line, PrimitiveList& primitives, BodyKind kind)
{
    const char letter = line[0];
    if (letter == 'M' || (letter == 'D' && kind == BodyKind::Structure))
        return;
    if (DrawItem* item = makePrimitive(line)) {
        primitives.pushFront(item);
        return;
    }
    DrawItem* newest = primitives.head();
    if (newest && newest->acceptsPoints)
        newest->addPoint(line);
}

} // namespace

void readPrimitiveBody(LayoutStream& in, PrimitiveList& primitives, BodyKind kind, LayoutTables& tables,
                       const char* keyword, int number)
{
    std::string raw;
    while (in.good()) {
        if (!in.readLine(raw))
            break;
        const std::string line = trimLeft(raw);
        if (line == "END" || line == "END$SEGS")
            break;
        if (line.empty())
            continue;
        try {
            dispatchBodyLine(line, primitives, kind);
        } catch (const ParseError& e) {
            tables.addMessageText(recordMessage(in.lineNumber(), keyword, number, e.what()));
        }
    }
}
