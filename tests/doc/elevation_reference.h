#pragma once

#include <vector>

#include "doc/elevation_solver.h"
#include "doc/end_point.h"

// The elevation method written out step by step, with a balanced-tree map,
// binary heaps and a full search from every known end in every round. The
// tests compare the solver against it.
ElevationPath referenceSolveFrom(const std::vector<EndPoint>& ends, int start);
void referenceSolveElevations(std::vector<EndPoint>& ends);
