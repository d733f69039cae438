#include "drawing/bzrln.h"

#include <cmath>

#include "doc/layout_tables.h"
#include "doc/tokenizer.h"
#include "drawing/describe_rows.h"
#include "drawing/line_geometry.h"

Bzrln::Bzrln(const std::string& line, LayoutTables& tables, LayoutStream& in) : Structure(tables)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    number = parseInt(tokenAt(t, 1));
    layer = parseInt(tokenAt(t, 2));
    scale = tokenAt(t, 6);
    parseInt(tokenAt(t, 7));
    tables.requireLayer(number, layer);
    readPrimitiveBody(in, primitives, BodyKind::Structure, tables, "BZRLIN", number);
}

void Bzrln::buildGeometry()
{
    totalLength = 0.0;
    primitiveCount = 0;
    links.clear();
    freeEnds.clear();
    for (DrawItem* p = primitives.head(); p; p = p->next) {
        ChainLink link;
        link.segment = p;
        link.length = p->length();
        links.push_back(link);
        totalLength += link.length;
        p->buildGeometry();
        ++primitiveCount;
    }
    joinLinks();
    if (freeEnds.size() >= 2) {
        startPoint = links[freeEnds[0].first].segment->endPosition(freeEnds[0].second);
        endPoint = links[freeEnds[1].first].segment->endPosition(freeEnds[1].second);
    }
}

void Bzrln::joinLinks()
{
    const int count = static_cast<int>(links.size());
    for (int i = 0; i < count; ++i) {
        bool joined = false;
        for (int j = i + 1; j < count && !joined; ++j) {
            for (int pair = 0; pair < 4 && !joined; ++pair) {
                const int k = pair / 2;
                const int e = pair % 2;
                const Point3 a = links[i].segment->endPosition(k);
                const Point3 b = links[j].segment->endPosition(e);
                if (distance3(a, b) < 0.001) {
                    links[i].neighbour[k] = j;
                    links[i].neighbourEnd[k] = e;
                    links[j].neighbour[e] = i;
                    links[j].neighbourEnd[e] = k;
                    joined = true;
                }
            }
        }
        for (int end = 0; end < 2; ++end)
            if (links[i].neighbour[end] == -1)
                freeEnds.emplace_back(i, end);
    }
}

void Bzrln::regradeChain()
{
    if (freeEnds.empty())
        return;
    // A chain of no length has no grade: every segment takes the start height.
    const double slope = totalLength != 0.0 ? (endPoint.z - startPoint.z) / totalLength : 0.0;
    int i = freeEnds[0].first;
    int e = freeEnds[0].second;
    double z = startPoint.z;
    std::vector<bool> visited(links.size(), false);
    while (i >= 0 && i < static_cast<int>(links.size()) && !visited[i]) {
        visited[i] = true;
        ChainLink& link = links[i];
        link.segment->setEndHeight(e, z);
        z += link.length * slope;
        link.segment->setEndHeight(1 - e, z);
        link.segment->buildGeometry();
        const int nextEnd = link.neighbourEnd[1 - e];
        i = link.neighbour[1 - e];
        e = nextEnd;
    }
}

void Bzrln::describe(bool centimetres, DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int top = dialog.addIntegerRow(0, "# Segments", primitiveCount);
    top = dialog.addNumberRow(top, "Length", totalLength * f);
    std::vector<Point3> ends{startPoint, endPoint};
    top = dialog.addPointEdits(top, ends);
    dialog.setTitle(describeTitle(number, " Bzrlin"));
    dialog.addTextRow(top, "Layer", tables->layerNames[layer], 300);
    if (!dialog.show(host))
        return;
    startPoint = ends[0];
    endPoint = ends[1];
    regradeChain();
}
