#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "doc/point3.h"
#include "mesh/outline_mesh.h"
#include "mesh/outline_vertex.h"
#include "mesh/placement.h"

class CGL3DText;
class RailMesh;
struct LayoutTables;

// One piece of track geometry: a straight piece or a circular arc, with its
// rail and embankment arrays, its outline polygons, its grade and length.
// Pieces form a singly linked list owned by one track item, newest first.
class TurnOutItem {
public:
    TurnOutItem();
    // A piece read from an "S" or "C" body line keeps the line.
    explicit TurnOutItem(std::string bodyLine);
    virtual ~TurnOutItem();
    TurnOutItem(const TurnOutItem&) = delete;
    TurnOutItem& operator=(const TurnOutItem&) = delete;

    // Takes the heights of start and end from the nearest of the points (the
    // owner's ends in its own coordinates), then updates the grade. An empty
    // list leaves the heights as they are.
    virtual void fitHeights(const std::vector<Point3>& points);
    // Builds the rail arrays (in the piece's own coordinates) and the outline
    // polygons (placed by the matrix into layout coordinates).
    virtual void buildMeshes(const Placement& placement, OutlineVertices& vertices, int colour) {}
    // Writes the rail and embankment shapes of one level of detail.
    virtual std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices, int level);

    // Gives the scale's profile to the outline and the rail arrays.
    void assignProfile(LayoutTables& tables, const std::string& scaleName);
    // Middle height = mean of the end heights; grade = |rise / length| in percent.
    void updateGrade();
    // Draws the grade above the middle, lifted by the given height, when the
    // grade is above 0.05 percent.
    void drawGradeLabel(CGL3DText& text, double lift) const;

    std::string line;
    TurnOutItem* next = nullptr;
    int colour = 0;
    double width = 0.0;
    Point3 start;
    Point3 end;
    Point3 middle;
    std::unique_ptr<RailMesh> rails;
    OutlineMesh outline;
    double grade = 0.0;
    double length = 0.0;
};

// Puts a piece at the head of a list.
void pushSegment(TurnOutItem*& head, TurnOutItem* segment);
// Destroys every piece of a list (without recursion) and leaves the head null.
void destroySegments(TurnOutItem*& head);

// The text of a grade label: "2.00%", or "infinity" for a grade that is not finite.
std::string gradeLabelText(double grade);
