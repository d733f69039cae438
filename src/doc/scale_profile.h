#pragma once

#include <map>
#include <string>
#include <vector>

// Track, embankment and tunnel dimensions of one model scale, in inches.
// The first eight values have fixed meanings; any further ones are kept unread.
struct ScaleProfile {
    enum Index {
        Gauge = 0,
        RailHeight,
        RailWidth,
        EmbankmentHeight,
        EmbankmentTopWidth,
        EmbankmentBottomWidth,
        TunnelWidth,
        TunnelHeight
    };

    std::string name;
    std::vector<double> values;

    // The default profile: "default", 16.5 mm gauge.
    ScaleProfile();
    // A named profile from values in millimetres; fewer than eight values give
    // the default dimensions.
    ScaleProfile(std::string name, const std::vector<double>& millimetres);

    double gauge() const { return values[Gauge]; }
    double railHeight() const { return values[RailHeight]; }
    double railWidth() const { return values[RailWidth]; }
    double embankmentHeight() const { return values[EmbankmentHeight]; }
    double embankmentTopWidth() const { return values[EmbankmentTopWidth]; }
    double embankmentBottomWidth() const { return values[EmbankmentBottomWidth]; }
    double tunnelWidth() const { return values[TunnelWidth]; }
    double tunnelHeight() const { return values[TunnelHeight]; }
};

using ProfileMap = std::map<std::string, ScaleProfile>;

// Fills the map with the built-in "N" profile and then the lines of
// "RavloViewer.cfg" in the given folder (nothing more when the folder is
// empty or the file cannot be read).
void loadProfiles(ProfileMap& profiles, const std::string& folder);

// Reads one configuration line; returns true and sets name and values
// (millimetres) when the line defines a profile.
bool parseProfileLine(const std::string& line, std::string& name, std::vector<double>& millimetres);

// The folder of the running program file, with a trailing separator, or ""
// when it cannot be found.
std::string programFolder();
