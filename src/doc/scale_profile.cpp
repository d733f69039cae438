#include "doc/scale_profile.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

const std::vector<double> kDefaultMillimetres = {16.5, 2, 0.9, 9, 38, 59, 58, 72};

std::vector<double> toInches(const std::vector<double>& mm)
{
    std::vector<double> out;
    out.reserve(mm.size());
    for (double v : mm)
        out.push_back(v / 25.4);
    return out;
}

} // namespace

ScaleProfile::ScaleProfile() : name("default"), values(toInches(kDefaultMillimetres)) {}

ScaleProfile::ScaleProfile(std::string profileName, const std::vector<double>& millimetres)
    : name(std::move(profileName)),
      values(millimetres.size() < 8 ? toInches(kDefaultMillimetres) : toInches(millimetres))
{
}

bool parseProfileLine(const std::string& line, std::string& name, std::vector<double>& millimetres)
{
    if (line.empty() || line[0] == '#')
        return false;
    const std::string::size_type split = line.find_first_of(" \t");
    if (split == std::string::npos)
        return false;
    name = line.substr(0, split);
    millimetres.clear();
    const char* p = line.c_str() + split;
    for (;;) {
        while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f')
            ++p;
        if (*p == '\0')
            break;
        char* end = nullptr;
        errno = 0;
        float v = std::strtof(p, &end);
        if (end == p || (errno == ERANGE && std::isinf(v)) || !std::isfinite(v))
            break;
        millimetres.push_back(static_cast<double>(v));
        p = end;
    }
    return millimetres.size() >= 8;
}

void loadProfiles(ProfileMap& profiles, const std::string& folder)
{
    profiles["N"] = ScaleProfile("N", {9, 1.8, 0.8, 4, 20, 30, 32, 41});
    if (folder.empty())
        return;
    std::ifstream in(folder + "RavloViewer.cfg");
    if (!in)
        return;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::string name;
        std::vector<double> mm;
        if (parseProfileLine(line, name, mm))
            profiles[name] = ScaleProfile(name, mm);
    }
}

std::string programFolder()
{
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return {};
    std::string path(buf, static_cast<std::size_t>(n));
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return {};
    return path.substr(0, slash + 1);
}
