#pragma once

#include <string>
#include <utility>
#include <vector>

#include "drawing/structure.h"

// One segment of a Bezier line's chain and the segments joined at its ends.
struct ChainLink {
    DrawItem* segment = nullptr; // not owned
    int neighbour[2] = {-1, -1};
    int neighbourEnd[2] = {-1, -1};
    double length = 0.0;
};

// A BZRLIN record: a line made of a chain of segments whose heights can be
// re-graded evenly between the chain's two free ends.
class Bzrln : public Structure {
public:
    Bzrln(const std::string& line, LayoutTables& tables, LayoutStream& in);

    void describe(bool centimetres, DescribeHost& host) override;
    void buildGeometry() override;

    // Gives the segments heights growing linearly with the length walked from
    // the first free end (at startPoint's height) to endPoint's height.
    void regradeChain();

    std::vector<ChainLink> links;
    double totalLength = 0.0;
    std::vector<std::pair<int, int>> freeEnds;
    Point3 startPoint;
    Point3 endPoint;

private:
    void joinLinks();
};
