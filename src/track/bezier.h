#pragma once

#include "track/cornu.h"

// Track laid along a Bezier curve, carried by the layout file as a chain of
// pieces like Cornu track. Its length starts at 0.001 instead of 0, so the
// chain's climb is spread over that slightly longer length.
class Bezier : public Cornu {
public:
    // Reads a BEZIER record (the same header and body as a CORNU record).
    Bezier(const std::string& line, LayoutTables& tables, LayoutStream& in)
        : Cornu(line, tables, in, 0.001, "BEZIER")
    {
    }

protected:
    std::string kindText() const override { return " Bezier"; }
};
