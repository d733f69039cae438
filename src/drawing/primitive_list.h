#pragma once

#include <string>

#include "doc/layout_stream.h"
#include "drawing/draw_item.h"

struct LayoutTables;

// The primitives of one container, newest first, owned by the list and
// deleted head first.
class PrimitiveList {
public:
    PrimitiveList() = default;
    PrimitiveList(const PrimitiveList&) = delete;
    PrimitiveList& operator=(const PrimitiveList&) = delete;
    ~PrimitiveList();

    DrawItem* head() const { return head_; }
    bool empty() const { return head_ == nullptr; }
    // Links a new primitive at the head; the list takes ownership.
    void pushFront(DrawItem* item);

private:
    DrawItem* head_ = nullptr;
};

// Which container a body belongs to: a "D" line is a point line only in a drawing.
enum class BodyKind { Structure, Drawing };

// The primitive for a body line by its first letter, or null when the letter
// starts no primitive. Throws ParseError for a field that does not convert.
DrawItem* makePrimitive(const std::string& line);

// Reads the body of a STRUCTURE, BZRLIN or DRAW record up to "END" or
// "END$SEGS": primitive lines become primitives, other lines go to the newest
// primitive when it takes points. A line that does not convert becomes a load
// message naming the record and item; reading goes on.
void readPrimitiveBody(LayoutStream& in, PrimitiveList& primitives, BodyKind kind, LayoutTables& tables,
                       const char* keyword, int number);
