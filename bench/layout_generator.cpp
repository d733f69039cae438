#include "layout_generator.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr int kPerRow = 300;
constexpr double kStep = 5.0;
constexpr double kRowGap = 6.0;

// The k-th joint of the serpentine: rows alternate direction.
void joint(int k, double& x, double& y)
{
    const int row = k / (kPerRow + 1);
    const int col = k % (kPerRow + 1);
    x = (row % 2 == 0 ? col : kPerRow - col) * kStep - 750.0;
    y = row * kRowGap - 1000.0;
}

void endLine(std::ostringstream& out, int item, int other, int k, std::mt19937& rng)
{
    double x, y;
    joint(k, x, y);
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

} // namespace

std::string generateLayout(int items, int seed)
{
    std::mt19937 rng(static_cast<unsigned>(seed));
    std::ostringstream out;
    out << "VERSION 3 0\nTITLE1 \"generated\"\nSCALE N\n";
    out << "LAYERS 0 1 0 0 3355443 0 0 0 0 \"Main\"\n";
    out << "LAYERS 1 1 0 0 10040115 0 0 0 0 \"Hidden\"\n";
    for (int i = 1; i <= items; ++i) {
        const int layer = (i % 10 == 0) ? 1 : 0;
        const int visible = (i % 10 == 0) ? 0 : 1;
        out << "STRAIGHT " << i << " " << layer << " 0 0 0 N " << visible << " 0 0 0 0\n";
        endLine(out, i, i > 1 ? i - 1 : -1, i - 1, rng);
        endLine(out, i, i < items ? i + 1 : -1, i, rng);
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
