#pragma once

#include <ostream>
#include <string>

#include "doc/describe.h"
#include "doc/layout_stream.h"
#include "track/track_obj.h"

class OutlineMerger;
class TurnOutItem;
struct LayoutTables;

// Track laid as a Cornu spiral, carried by the layout file as a chain of
// straight and curved pieces. The height difference between the first two
// ends is spread along the chain by length; the pieces' outlines are merged
// into one.
class Cornu : public CTrackObj {
public:
    // Reads a CORNU record: the common header, then the "S"/"C" piece lines
    // and the end lines of the body.
    Cornu(const std::string& line, LayoutTables& tables, LayoutStream& in);
    ~Cornu() override;

    void describe(bool centimetres, DescribeHost& host) override;
    // The midpoint of the first two ends (stored in centrePoint).
    Point3 centre() override;
    void draw(int flags, CGL3DText& text, Point3 eye) override;
    void drawDirect(int flags, CGL3DText& text, Point3 eye, OutlineVertices& vertices) override;
    // The sum of the pieces' lengths, at least 0.001; the ends do not matter.
    double lengthBetween(int endA, int endB) override;
    void buildDisplayLists(OutlineVertices& vertices) override;
    void initDraw(OutlineVertices& vertices) override;
    std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) override;
    void readBodyLine(const std::string& line) override;

    // Fills the rows of the properties dialog in the dialog's unit.
    void fillRows(CDescribe& dialog) const;
    // Gives every piece end a height so that the chain climbs evenly by
    // length from the first end to the second.
    void assignElevations();
    int pieceCount() const;

    // Owned pieces, newest first (the piece read last at the head).
    TurnOutItem* segments = nullptr;

protected:
    // For a derived record: its starting length and its keyword for messages.
    Cornu(const std::string& line, LayoutTables& tables, LayoutStream& in, double startLength,
          const char* keyword);
    // The kind text of the dialog title, starting with a blank.
    virtual std::string kindText() const { return " Cornu"; }

private:
    void addPiece(TurnOutItem* piece);
    void addEnd(const std::string& line);
    void mergeOutlines(OutlineMerger& merger);
};
