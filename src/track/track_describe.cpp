#include "track/track_describe.h"

#include <string>

#include "doc/describe.h"
#include "doc/layout_tables.h"
#include "track/track_obj.h"

double lengthFactor(const CDescribe& dialog)
{
    return dialog.centimetres ? 2.54 : 1.0;
}

int addEndRows(CDescribe& dialog, const CTrackObj& item)
{
    const double f = lengthFactor(dialog);
    int top = 0;
    for (std::size_t i = 0; i < item.ends.size(); ++i) {
        const int e = item.ends[i];
        Point3 p;
        if (e >= 0 && static_cast<std::size_t>(e) < item.tables->endPoints.size())
            p = item.tables->endPoints[static_cast<std::size_t>(e)].position;
        top = dialog.addPointRow(top, "Pt " + std::to_string(i + 1) + ":", p.x * f, p.y * f, p.z * f);
    }
    return top;
}

int addLayerRow(CDescribe& dialog, int top, const CTrackObj& item)
{
    return dialog.addTextRow(top, "Layer", item.tables->layerNames[item.layer], 300);
}
