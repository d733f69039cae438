#pragma once

#include <utility>
#include <vector>

struct LayoutTables;

// The best climb found from one start end: its grade (-1 when no end of
// known height was reached) and the ends from the start to the end reached,
// each with its interpolated height.
struct ElevationPath {
    double grade = -1.0;
    std::vector<std::pair<int, double>> path;
};

// Fills every end's neighbour list with the ends one item leads to and the
// track length between them.
void buildNeighbours(LayoutTables& tables);

// The steepest stretch from start to an end of known height.
ElevationPath solveFrom(const LayoutTables& tables, int start);

// Gives every end connected to ends of known height a height.
void solveElevations(LayoutTables& tables);
