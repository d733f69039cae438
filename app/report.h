#pragma once

#include <string>

#include "command_line.h"

// --report: loads the layout and writes one JSON document describing it on
// standard output: load messages, layers, bounds, every track end and every
// item's properties rows as the properties dialog would show them. Exit
// status 0 without load messages, 1 with, 2 when the file cannot be read.
int runReport(const CommandLine& c);

// A JSON string literal of 8-bit text taken as Latin-1.
std::string jsonString(const std::string& text);
// The shortest text that reads back to the same double; null when not finite.
std::string jsonNumber(double value);
