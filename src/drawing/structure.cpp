#include "drawing/structure.h"

#include <GL/gl.h>
#include <algorithm>
#include <vector>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "drawing/container_vrml.h"
#include "drawing/describe_rows.h"
#include "drawing/gl_3d_text.h"
#include "drawing/placement2d.h"

namespace {

// A title with tabs as blanks and doubled double quotes as single ones.
std::string titleText(std::string raw)
{
    std::replace(raw.begin(), raw.end(), '\t', ' ');
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        out += raw[i];
        if (raw[i] == '"' && i + 1 < raw.size() && raw[i + 1] == '"')
            ++i;
    }
    return out;
}

} // namespace

Structure::Structure(LayoutTables& tables) : CXObj(tables), sequence(tables.itemSerial++) {}

Structure::Structure(const std::string& line, LayoutTables& tables, LayoutStream& in) : Structure(tables)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    number = parseInt(tokenAt(t, 1));
    layer = parseInt(tokenAt(t, 2));
    scale = tokenAt(t, 6);
    parseInt(tokenAt(t, 7));
    originX = parseDouble(tokenAt(t, 8));
    originY = parseDouble(tokenAt(t, 9));
    angle = parseDouble(tokenAt(t, 11));
    tables.requireLayer(number, layer);
    // A record without a title token gets an empty title.
    if (t.size() > 12)
        name = titleText(t[12]);
    readPrimitiveBody(in, primitives, BodyKind::Structure, tables, "STRUCTURE", number);
}

void Structure::buildGeometry()
{
    primitiveCount = 0;
    for (DrawItem* p = primitives.head(); p; p = p->next) {
        p->buildGeometry();
        ++primitiveCount;
    }
}

Point3 Structure::centre()
{
    DrawItem* newest = primitives.head();
    if (!newest)
        return placeLocalPoint({}, originX, originY, angle);
    const Point3 first = newest->centre();
    double minX = first.x, maxX = first.x, minY = first.y, maxY = first.y;
    for (DrawItem* p = newest->next; p; p = p->next) {
        const Point3 c = p->centre();
        minX = std::min(minX, c.x);
        maxX = std::max(maxX, c.x);
        minY = std::min(minY, c.y);
        maxY = std::max(maxY, c.y);
    }
    const Point3 local{(minX + maxX) / 2, (minY + maxY) / 2, first.z};
    return placeLocalPoint(local, originX, originY, angle);
}

void Structure::drawPlaced(bool direct, CGL3DText& text)
{
    glPushMatrix();
    glTranslated(originX, originY, 0);
    glRotated(angle, 0, 0, -1);
    for (DrawItem* p = primitives.head(); p; p = p->next) {
        if (direct)
            p->drawDirect(text);
        else
            p->draw(text);
    }
    glTranslated(0, 0, 1);
    text.drawText(0, name);
    glPopMatrix();
}

void Structure::draw(bool, CGL3DText& text)
{
    drawPlaced(false, text);
}

void Structure::drawDirect(bool, CGL3DText& text)
{
    drawPlaced(true, text);
}

void Structure::describe(bool centimetres, DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int top = dialog.addNumberRow(0, "Origin: X", originX * f);
    top = dialog.addNumberRow(top - 8, "Y", originY * f);
    top = dialog.addTextRow(top, "Name", name, 300);
    top = dialog.addIntegerRow(top, "# Segments", primitiveCount);
    dialog.setTitle(describeTitle(number, " Structure"));
    dialog.addTextRow(top, "Layer", tables->layerNames[layer], 300);
    dialog.show(host);
}

std::ostream& Structure::writeVrml(std::ostream& out)
{
    return writeContainerFrame(out, {number, "Structure", name, originX, originY, angle, sequence},
                               primitives, *tables);
}
