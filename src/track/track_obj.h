#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "doc/layout_stream.h"
#include "mesh/outline_mesh.h"
#include "mesh/outline_vertex.h"
#include "mesh/placement.h"
#include "track/xbase.h"

class CGL3DText;

// Base of every track item: its ends, length, outline and centre, and the
// operations the document calls after loading, the view and the export use.
class CTrackObj : public CXBase {
public:
    using CXBase::CXBase;

    virtual void draw(int flags, CGL3DText& text, Point3 eye) {}
    virtual void drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices) {}
    virtual double lengthBetween(int endA, int endB) { return 0.001; }
    virtual void buildDisplayLists(OutlineVertices& vertices) {}
    virtual void initDraw(OutlineVertices& vertices) {}
    virtual std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) { return out; }
    // Registers a "T" or "E" end line; other lines are ignored.
    virtual void readBodyLine(const std::string& line);

    CTrackObj* nextTrack() const { return static_cast<CTrackObj*>(next); }

    std::vector<int> ends;
    double length = 0.0;
    OutlineMesh outline;
    Point3 centrePoint;

protected:
    // Reads the common header (number, layer, scale, visible) from the split
    // record line and checks the layer. Throws ParseError on a bad field.
    void readHeader(const std::vector<std::string>& tokens);
    // Reads body lines up to "END" or "END$SEGS", handing each to readBodyLine.
    // A line that cannot be read becomes a load message; reading goes on.
    void readBody(LayoutStream& in, const char* keyword);
};

// The load message for a line of a record that could not be read.
std::string recordMessage(int lineNumber, const std::string& keyword, int number, const std::string& why);

// Removes blanks, tabs, line feeds, carriage returns, vertical tabs and form
// feeds from the front of a line.
std::string trimLeft(const std::string& line);
