#pragma once

#include "mesh/zpaths.h"

// The filled outline of a drawing primitive: one polygon set whose points hold
// (x, y, z) in thousandths of an inch (Z is a height here, not a vertex
// index), and the display list compiled from it (0 = none yet).
struct Band {
    ZPaths paths;
    unsigned list = 0;
};

// Appends the point (truncated to thousandths) to the band's first path,
// creating that path when the band is empty.
void addBandPoint(Band& band, double x, double y, double z);

// Compiles the band's polygons, top and bottom side, with the colour given as
// three bytes into the band's display list. The list name is made once and
// reused; when no name can be had the message "OpenGL error: Can not create
// display list" is shown and nothing is compiled.
void buildBandList(Band& band, int red, int green, int blue);

// Draws the same polygons as buildBandList, without a list.
void drawBand(const Band& band, int red, int green, int blue);

// Calls the band's display list (list 0 draws nothing).
void callBandList(const Band& band);
