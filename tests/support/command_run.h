#pragma once

// Runs the program as a script would: the arguments after the program's
// path, standard output collected, standard error sent to a file of the
// caller's choice, and the exit status.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct CommandRun {
    int status = -1;
    std::string out;
};

inline CommandRun runProgram(const std::string& args, const std::string& errorFile = "/dev/null")
{
    CommandRun r;
    const std::string command = std::string(RAVLO_EXE) + " " + args + " 2>" + errorFile;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p)
        return r;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        r.out.append(buf.data(), n);
    const int w = ::pclose(p);
    r.status = WIFEXITED(w) ? WEXITSTATUS(w) : -1;
    return r;
}
