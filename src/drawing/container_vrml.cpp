#include "drawing/container_vrml.h"

#include <numbers>

#include "doc/layout_tables.h"

std::ostream& writeContainerFrame(std::ostream& out, const ContainerFrame& frame,
                                  const PrimitiveList& primitives, LayoutTables& tables)
{
    out << "\n#________________________________\n";
    out << "Transform { # (T" << frame.number << ") " << frame.kind << " " << frame.name << "\n";
    out << " translation " << frame.originX << " " << frame.sequence * 0.001 << " " << 0.0 - frame.originY
        << "\n rotation 0 -1 0 " << frame.angle * std::numbers::pi / 180 << "\n children [\n";
    double h = frame.sequence * 0.001;
    for (DrawItem* p = primitives.head(); p; p = p->next) {
        const bool defined = tables.vrmlColours.count(p->colour) != 0;
        p->writeVrml(out, h, defined);
        // Benchwork writes nothing, so its colour stays undefined.
        if (p->writesVrml())
            tables.vrmlColours.insert(p->colour);
        h += 0.00005;
    }
    out << " ]\n} # (T" << frame.number << ")\n";
    return out;
}
