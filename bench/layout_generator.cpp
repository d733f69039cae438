#include "layout_generator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr double kStep = 5.0;
constexpr double kRowGap = 6.0;

// The joints of the track: rows of equal steps, alternately eastward and
// westward, joined at their ends into one serpentine that fills a square
// around the origin (as a real layout fills its room, and as a fitted view
// frames it).
struct Serpentine {
    explicit Serpentine(int items)
        : perRow(std::max(2, static_cast<int>(std::lround(std::sqrt(items * kRowGap / kStep)))))
    {
        const int rows = items / (perRow + 1) + 1;
        west = -perRow * kStep / 2;
        south = -rows * kRowGap / 2;
    }
    // The k-th joint.
    void joint(int k, double& x, double& y) const
    {
        const int row = k / (perRow + 1);
        const int col = k % (perRow + 1);
        x = (row % 2 == 0 ? col : perRow - col) * kStep + west;
        y = row * kRowGap + south;
    }
    bool sameRow(int a, int b) const { return a / (perRow + 1) == b / (perRow + 1); }

    int perRow;
    double west = 0.0;
    double south = 0.0;
};

void endLine(std::ostringstream& out, const Serpentine& track, int other, int k, std::mt19937& rng)
{
    double x, y;
    track.joint(k, x, y);
    char buf[160];
    if (other > 0)
        std::snprintf(buf, sizeof buf, "\tT %d %.4f %.4f 90.0", other, x, y);
    else
        std::snprintf(buf, sizeof buf, "\tE %.4f %.4f 90.0", x, y);
    out << buf;
    if (k % 100 == 0) {
        std::uniform_int_distribution<int> h(0, 20);
        std::snprintf(buf, sizeof buf, " 9 0 0 %.3f", h(rng) * 0.25);
        out << buf;
    }
    out << "\n";
}

// Item i joins joints i - 1 and i; every third item whose two joints lie in
// one row is a curve of radius 20 bowing away from the row's direction of
// travel, so that it runs clockwise from its first end to its second.
bool isCurve(const Serpentine& track, int i)
{
    return i % 3 == 0 && track.sameRow(i - 1, i);
}

void curveHeader(std::ostringstream& out, const Serpentine& track, int i, int layer, int visible)
{
    constexpr double radius = 20.0;
    double x0, y0, x1, y1;
    track.joint(i - 1, x0, y0);
    track.joint(i, x1, y1);
    // Eastward rows bow to the south, westward rows to the north.
    const double offset = std::sqrt(radius * radius - (kStep / 2) * (kStep / 2));
    const double cy = x1 > x0 ? y0 - offset : y0 + offset;
    char buf[160];
    std::snprintf(buf, sizeof buf, "CURVE %d %d 0 0 0 N %d %.4f %.4f 0 %.1f 0\n", i, layer, visible,
                  (x0 + x1) / 2, cy, radius);
    out << buf;
}

} // namespace

std::string generateLayout(int items, int seed)
{
    std::mt19937 rng(static_cast<unsigned>(seed));
    const Serpentine track(items);
    std::ostringstream out;
    out << "VERSION 3 0\nTITLE1 \"generated\"\nSCALE N\n";
    out << "LAYERS 0 1 0 0 3355443 0 0 0 0 \"Main\"\n";
    out << "LAYERS 1 1 0 0 10040115 0 0 0 0 \"Hidden\"\n";
    for (int i = 1; i <= items; ++i) {
        const int layer = (i % 10 == 0) ? 1 : 0;
        const int visible = (i % 10 == 0) ? 0 : 1;
        if (isCurve(track, i))
            curveHeader(out, track, i, layer, visible);
        else
            out << "STRAIGHT " << i << " " << layer << " 0 0 0 N " << visible << " 0 0 0 0\n";
        endLine(out, track, i > 1 ? i - 1 : -1, i - 1, rng);
        endLine(out, track, i < items ? i + 1 : -1, i, rng);
        out << "\tEND$SEGS\n";
        if (i % 1000 == 0)
            out << "NOTE " << i << " 0 0 \"note\"\nEND\n";
    }
    out << "END$TRACKS\n";
    return out.str();
}

std::string writeGeneratedLayout(int items, int seed)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("ravlo_generated_" + std::to_string(items) + "_" + std::to_string(seed) + ".mrv");
    std::ofstream(path, std::ios::binary) << generateLayout(items, seed);
    return path.string();
}
