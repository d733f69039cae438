#pragma once

#include <string>
#include <vector>

// What the program was asked to do on its command line.
struct CommandLine {
    enum Mode { Window, Check, Report, ExportVrml, Render, Help, Version, Error } mode = Window;
    std::string layout;
    std::string output;
    bool inches = false;
    int width = 1280;
    int height = 800;
    std::string error;
};

CommandLine parseCommandLine(const std::vector<std::string>& args);
std::string usageText();
