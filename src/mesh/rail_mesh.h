#pragma once

#include <array>
#include <utility>
#include <vector>

#include "doc/point3.h"

struct ScaleProfile;

// The vertex arrays of one track piece: its two rails, the sloping sides of
// its embankment and, for helix track, a rectangular tube around it. Each
// added cross-section is joined by triangles to earlier ones in three index
// lists per surface, one per level of detail (every section, every fifth,
// every tenth; the last section closes all three).
class RailMesh {
public:
    // Flags of addSection.
    static constexpr int LastSection = 1;
    static constexpr int HelixTrack = 2;
    // Entries of lastLinked.
    enum LinkList { Rails0 = 0, Rails1, Rails2, Embankment0, Embankment1, Embankment2 };

    // Fills the cross-section templates and the tube size. Sections already
    // added keep their vertices; later ones use the new templates.
    void setProfile(const ScaleProfile& profile);
    // Appends one cross-section at the centre-line point p (rail top height)
    // with the unit vector n across the track; colour is the layer colour
    // 0xRRGGBB.
    void addSection(Point3 p, Point3 n, int flags, int colour);

    // Draws the level's rail triangles (levels 0 and 1) and embankment
    // triangles (levels 0 to 2) from client-side vertex arrays, the
    // embankment in its layer colours when byLayer is set. Nothing for level
    // 3 and higher or a mesh without rail vertices.
    void drawArrays(int level, bool byLayer) const;
    // Draws the helix tube in the tunnel colour.
    void drawHelixFrame() const;

    int sectionCount = -1;
    std::vector<double> railVertices;
    std::vector<double> railNormals;
    std::vector<double> railColours;
    std::vector<double> embankmentVertices;
    std::vector<double> embankmentColours;
    std::vector<double> embankmentLayerColours;
    std::vector<double> embankmentNormals;
    std::array<std::vector<int>, 3> railIndices;
    std::array<std::vector<int>, 3> embankmentIndices;
    std::vector<std::pair<double, double>> railTemplate;       // (lateral offset, height)
    std::vector<std::pair<double, double>> embankmentTemplate; // (lateral offset, height)
    std::array<int, 6> lastLinked{};
    std::vector<double> helixFrameVertices;
    std::vector<int> helixFrameIndices;
    double tubeHalfWidth = 0;
    double tubeHeight = 0;

private:
    // The two triangles joining the quad at offset j of the section based at
    // a to the section based at b.
    static void addQuad(std::vector<int>& list, int a, int b, int j);
    void linkRails(int level, int section);
    void linkEmbankment(int level, int section, bool helix);
};
