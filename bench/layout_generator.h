#pragma once

#include <string>

// A synthetic layout of the given number of track items: straight track laid
// out row by row and joined end to end into one network, with every
// hundredth end given a height, on two layers, plus a few ignored records.
std::string generateLayout(int items, int seed);

// Writes generateLayout(items, seed) to a file in the temporary folder and
// returns its path.
std::string writeGeneratedLayout(int items, int seed);
