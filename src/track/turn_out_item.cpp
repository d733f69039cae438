#include "track/turn_out_item.h"

#include <cmath>
#include <cstdio>

#include <GL/gl.h>

#include "drawing/gl_3d_text.h"

void TurnOutItem::fitHeights(const std::vector<Point3>& points)
{
    // The nearest point in plan gives the height; of equally near points the
    // lower one wins.
    auto nearestHeight = [&points](const Point3& p, double current) {
        bool found = false;
        double best = 0.0;
        double height = current;
        for (const Point3& q : points) {
            const double d = std::hypot(q.x - p.x, q.y - p.y);
            if (!found || d < best || (d == best && q.z < height)) {
                found = true;
                best = d;
                height = q.z;
            }
        }
        return height;
    };
    start.z = nearestHeight(start, start.z);
    end.z = nearestHeight(end, end.z);
    updateGrade();
}

void TurnOutItem::updateGrade()
{
    middle.z = (start.z + end.z) / 2.0;
    grade = std::fabs((end.z - start.z) / length) * 100.0;
}

std::string gradeLabelText(double grade)
{
    if (!std::isfinite(grade))
        return "infinity";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f%%", grade);
    return text;
}

void TurnOutItem::drawGradeLabel(CGL3DText& text, double lift) const
{
    if (!(grade > 0.05))
        return;
    glPushMatrix();
    glTranslated(middle.x, middle.y, middle.z + lift);
    glRotated(90.0, 0.0, 0.0, 1.0);
    glColor3d(0.0, 0.0, 1.0);
    text.drawText(0.5, gradeLabelText(grade));
    glPopMatrix();
}

void pushSegment(TurnOutItem*& head, TurnOutItem* segment)
{
    segment->next = head;
    head = segment;
}

void destroySegments(TurnOutItem*& head)
{
    while (head) {
        TurnOutItem* segment = head;
        head = segment->next;
        delete segment;
    }
}
