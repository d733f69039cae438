#pragma once

// The whole content of a file as bytes; empty when it cannot be read.

#include <fstream>
#include <sstream>
#include <string>

inline std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
