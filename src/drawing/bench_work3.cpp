#include "drawing/bench_work3.h"

#include <vector>

#include "doc/tokenizer.h"
#include "drawing/describe_rows.h"
#include "drawing/line_geometry.h"

BenchWork3::BenchWork3(const std::string& line) : DrawItem(line)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    setColour(parseInt(tokenAt(t, 1)));
    width = parseFloat(tokenAt(t, 2));
    p1 = {parseFloat(tokenAt(t, 3)), parseFloat(tokenAt(t, 4)), 0.0};
    p2 = {parseFloat(tokenAt(t, 6)), parseFloat(tokenAt(t, 7)), 0.0};
    option = parseInt(tokenAt(t, 9));
}

Point3 BenchWork3::centre()
{
    return midpoint(p1, p2);
}

void BenchWork3::describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                          DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int top = addScaledPointRow(dialog, 0, "Pt 1:", p1, offset, f);
    top = addScaledPointRow(dialog, top, "Pt 2:", p2, offset, f);
    top = dialog.addNumberRow(top, "Length", distance3(p1, p2) * f);
    top = dialog.addNumberRow(top, "Line width", width * f);
    dialog.addTextRow(top, "Layer", layerName, 300);
    dialog.setTitle(describeTitle(number, " BenchWork"));
    dialog.show(host);
}
