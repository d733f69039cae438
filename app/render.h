#pragma once

#include "command_line.h"

// --render OUT.png [--size WxH] LAYOUT: the layout after the view's initial
// update drawn off-screen and saved as a PNG picture. Exit 0 when written,
// 2 when the layout cannot be opened, no OpenGL context can be made or the
// picture cannot be written.
int runRender(const CommandLine& c);
