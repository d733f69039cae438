#include "mesh/rail_mesh.h"

#include "doc/scale_profile.h"

namespace {

// The rail shades, in single precision: outer side, head, inner side of the
// left rail, then the same for the right rail.
const float kRailShades[6][3] = {{0.2f, 0.2f, 0.4f}, {0.6f, 0.6f, 0.6f}, {0.4f, 0.4f, 0.5f},
                                 {0.4f, 0.4f, 0.5f}, {0.6f, 0.6f, 0.6f}, {0.2f, 0.2f, 0.4f}};
// The embankment shades: lit edges and the darker foot.
const double kBallastShades[4][3] = {
    {0.718, 0.726, 0.684}, {0.558, 0.531, 0.5}, {0.558, 0.531, 0.5}, {0.718, 0.726, 0.684}};

void push(std::vector<double>& array, double x, double y, double z)
{
    array.push_back(x);
    array.push_back(y);
    array.push_back(z);
}

void pushPoint(std::vector<double>& array, const Point3& p, const Point3& n, double offset, double height)
{
    push(array, p.x + offset * n.x, p.y + offset * n.y, p.z + offset * n.z + height);
}

bool joinsAtLevel(int level, int section, bool last)
{
    if (level == 0 || last)
        return true;
    return section % (level == 1 ? 5 : 10) == 0;
}

} // namespace

void RailMesh::setProfile(const ScaleProfile& profile)
{
    const double g = profile.gauge(), w = profile.railWidth(), r = profile.railHeight();
    railTemplate = {{-g / 2 - w, -r}, {-g / 2 - w, 0}, {-g / 2 - w, 0}, {-g / 2, 0},
                    {-g / 2, 0},      {-g / 2, -r},    {g / 2, -r},     {g / 2, 0},
                    {g / 2, 0},       {g / 2 + w, 0},  {g / 2 + w, 0},  {g / 2 + w, -r}};
    const double top = profile.embankmentTopWidth() / 2, bottom = profile.embankmentBottomWidth() / 2;
    const double e = profile.embankmentHeight();
    embankmentTemplate = {{top, -r}, {bottom, -e}, {-bottom, -e}, {-top, -r}};
    tubeHalfWidth = profile.tunnelWidth() / 2;
    tubeHeight = profile.tunnelHeight();
}

void RailMesh::addSection(Point3 p, Point3 n, int flags, int colour)
{
    const int s = sectionCount;
    const bool last = (flags & LastSection) != 0;
    const bool helix = (flags & HelixTrack) != 0;
    const Point3 minusN{-n.x, -n.y, -n.z};
    const Point3 up{0, 0, 1};

    for (const auto& [offset, height] : railTemplate)
        pushPoint(railVertices, p, n, offset, height);
    const Point3 railNormalOrder[6] = {minusN, minusN, up, up, n, n};
    for (int rail = 0; rail < 2; ++rail)
        for (int i = 0; i < 6; ++i) {
            push(railNormals, railNormalOrder[i].x, railNormalOrder[i].y, railNormalOrder[i].z);
            push(railColours, kRailShades[i][0], kRailShades[i][1], kRailShades[i][2]);
        }

    if (helix) {
        const double R = tubeHalfWidth, U = tubeHeight;
        pushPoint(helixFrameVertices, p, n, -R, 0);
        pushPoint(helixFrameVertices, p, n, -R, U);
        pushPoint(helixFrameVertices, p, n, R, U);
        pushPoint(helixFrameVertices, p, n, R, 0);
        if (s >= 0)
            for (int i = 0; i < 3; ++i)
                addQuad(helixFrameIndices, 4 * lastLinked[Embankment0], 4 * (s + 1), i);
    }

    for (const auto& [offset, height] : embankmentTemplate)
        pushPoint(embankmentVertices, p, n, offset, height);
    const Point3 embankmentNormalOrder[4] = {n, up, n, up};
    for (int i = 0; i < 4; ++i) {
        push(embankmentNormals, embankmentNormalOrder[i].x, embankmentNormalOrder[i].y,
             embankmentNormalOrder[i].z);
        push(embankmentColours, kBallastShades[i][0], kBallastShades[i][1], kBallastShades[i][2]);
        push(embankmentLayerColours, ((colour >> 16) & 255) / 255.0, ((colour >> 8) & 255) / 255.0,
             (colour & 255) / 255.0);
    }

    if (s < 0) {
        sectionCount = 0;
        return;
    }
    for (int level = 0; level < 3; ++level)
        if (joinsAtLevel(level, s, last))
            linkRails(level, s + 1);
    for (int level = 0; level < 3; ++level)
        if (joinsAtLevel(level, s, last))
            linkEmbankment(level, s + 1, helix);
    sectionCount = s + 1;
}

void RailMesh::addQuad(std::vector<int>& list, int a, int b, int j)
{
    list.insert(list.end(), {a + j, b + j, b + j + 1, a + j, b + j + 1, a + j + 1});
}

void RailMesh::linkRails(int level, int section)
{
    int& linked = lastLinked[Rails0 + level];
    const int a = 12 * linked, b = 12 * section;
    for (int i = 0; i < 6; ++i)
        addQuad(railIndices[level], a, b, 2 * i);
    linked = section;
}

void RailMesh::linkEmbankment(int level, int section, bool helix)
{
    int& linked = lastLinked[Embankment0 + level];
    const int a = 4 * linked, b = 4 * section;
    std::vector<int>& list = embankmentIndices[level];
    if (helix) {
        // The foot between vertices 1 and 2, the top between 3 and 0.
        list.insert(list.end(), {a + 1, b + 1, b + 2, a + 1, b + 2, a + 2});
        list.insert(list.end(), {a + 3, b + 3, b, a + 3, b, a});
    }
    addQuad(list, a, b, 0);
    addQuad(list, a, b, 2);
    linked = section;
}
