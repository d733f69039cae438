#pragma once

#include "command_line.h"

// Runs the program as a window: the main frame with its view of the one
// document, opening the layout named on the command line. Returns the exit
// code; a named layout that cannot be opened ends the program with 2.
int runWindow(int argc, char** argv, const CommandLine& c);
