#include "drawing/vrml_format.h"

#include <iomanip>

namespace vrml {

void coordinate(std::ostream& out, double value)
{
    out << std::setw(9) << std::setprecision(4) << value;
}

void point(std::ostream& out, const Point3& p)
{
    coordinate(out, p.x);
    out << " ";
    coordinate(out, p.z);
    out << " ";
    // 0 - y rather than -y: a point on the x axis is written 0, not -0.
    coordinate(out, 0.0 - p.y);
}

namespace {

void channels(std::ostream& out, unsigned char red, unsigned char green, unsigned char blue, float scale)
{
    out << static_cast<float>(red) * scale << " " << static_cast<float>(green) * scale << " "
        << static_cast<float>(blue) * scale;
}

} // namespace

void colourAppearance(std::ostream& out, int colour, unsigned char red, unsigned char green,
                      unsigned char blue, bool defined, float emissiveScale, bool withTransparency)
{
    if (defined) {
        out << "     appearance USE C" << colour << "\n";
        return;
    }
    out << "     appearance DEF C" << colour << " Appearance{\n      material Material{\n";
    out << "       emissiveColor ";
    channels(out, red, green, blue, emissiveScale);
    out << "\n       diffuseColor ";
    channels(out, red, green, blue, 1.0f / 256.0f);
    out << "\n";
    if (withTransparency)
        out << "       transparency 0.0\n";
    out << "       shininess 0.0\n      }\n     }\n";
}

} // namespace vrml
