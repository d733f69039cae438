#pragma once

#include "command_line.h"

// --export-vrml OUT.wrl LAYOUT: loads the layout and writes its VRML world as
// the window would right after opening it (base plane 0.2 inch below the
// layout, structures off). Exit status 0 on success; 2, with the reason on
// standard error, when the layout cannot be opened or the file not written.
int runExportVrml(const CommandLine& c);
