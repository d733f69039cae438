#pragma once

#include <string>

// A synthetic layout of the given number of track items: straight track and
// (every third item within a row) curves, laid out row by row in a square
// around the origin and joined end to end into one network, with every
// hundredth end given a height, on two layers, plus a few ignored records.
std::string generateLayout(int items, int seed);

// Writes generateLayout(items, seed) to a file in the temporary folder and
// returns its path.
std::string writeGeneratedLayout(int items, int seed);
