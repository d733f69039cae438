#pragma once

#include "command_line.h"

// The modes that need no window. Each returns the program's exit status.
int runCheck(const CommandLine& c);
