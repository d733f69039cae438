#include "drawing/draw.h"

#include <GL/gl.h>
#include <vector>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "drawing/container_vrml.h"
#include "drawing/placement2d.h"

Draw::Draw(const std::string& line, LayoutTables& tables, LayoutStream& in)
    : CXObj(tables), sequence(tables.itemSerial++)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    number = parseInt(tokenAt(t, 1));
    layer = parseInt(tokenAt(t, 2));
    originX = parseDouble(tokenAt(t, 6));
    originY = parseDouble(tokenAt(t, 7));
    angle = parseDouble(tokenAt(t, 9));
    tables.requireLayer(number, layer);
    readPrimitiveBody(in, primitives, BodyKind::Drawing, tables, "DRAW", number);
}

void Draw::buildGeometry()
{
    for (DrawItem* p = primitives.head(); p; p = p->next)
        p->buildGeometry();
}

Point3 Draw::centre()
{
    Point3 sum;
    int count = 0;
    for (DrawItem* p = primitives.head(); p; p = p->next) {
        const Point3 c = p->centre();
        sum.x += c.x;
        sum.y += c.y;
        sum.z += c.z;
        ++count;
    }
    const Point3 local = count ? Point3{sum.x / count, sum.y / count, sum.z / count} : Point3{};
    return placeLocalPoint(local, originX, originY, angle);
}

void Draw::drawPlaced(bool direct, CGL3DText& text)
{
    glPushMatrix();
    glTranslated(originX, originY, -0.01);
    glRotated(angle, 0, 0, -1);
    for (DrawItem* p = primitives.head(); p; p = p->next) {
        if (direct)
            p->drawDirect(text);
        else
            p->draw(text);
    }
    glPopMatrix();
}

void Draw::draw(bool, CGL3DText& text)
{
    drawPlaced(false, text);
}

void Draw::drawDirect(bool, CGL3DText& text)
{
    drawPlaced(true, text);
}

void Draw::describe(bool centimetres, DescribeHost& host)
{
    DrawItem* newest = primitives.head();
    if (!newest)
        return;
    newest->describe(number, Point3{originX, originY, 0.0}, tables->layerNames[layer], centimetres, host);
}

std::ostream& Draw::writeVrml(std::ostream& out)
{
    if (primitives.empty())
        return out;
    return writeContainerFrame(out, {number, "DRAW", name, originX, originY, angle, sequence}, primitives,
                               *tables);
}
