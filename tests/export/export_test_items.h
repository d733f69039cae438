#pragma once

#include <iomanip>
#include <memory>
#include <ostream>
#include <string>

#include "doc/document.h"
#include "drawing/xobj.h"
#include "track/track_obj.h"

// A track item for export tests: its ends come from "T"/"E" lines through the
// base readBodyLine, and its VRML is one comment line naming it. When
// switchesToFixed is set it first switches the stream to fixed notation with
// four decimals, as the mesh writers of real items do.
class MarkerTrackItem : public CTrackObj {
public:
    MarkerTrackItem(LayoutTables& tables, int itemNumber, int itemLayer, bool switchesToFixed)
        : CTrackObj(tables), switchesToFixed_(switchesToFixed)
    {
        number = itemNumber;
        layer = itemLayer;
    }

    std::ostream& writeVrml(std::ostream& out, OutlineVertices& vertices) override
    {
        if (switchesToFixed_)
            out << std::fixed << std::setprecision(4);
        return out << "  # track " << number << "\n";
    }

private:
    bool switchesToFixed_;
};

// A non-track item for export tests: writes one comment line naming it and
// how many colours were defined in the file before it.
class MarkerOtherItem : public CXObj {
public:
    MarkerOtherItem(LayoutTables& tables, int itemNumber, int itemLayer) : CXObj(tables)
    {
        number = itemNumber;
        layer = itemLayer;
    }

    std::ostream& writeVrml(std::ostream& out) override
    {
        out << "  # other " << number << " colours " << tables->vrmlColours.size() << "\n";
        tables->vrmlColours.insert(number);
        return out;
    }
};

// Builds a document by hand, the way the reader and post-load sequence leave
// it: items at the head of their lists, item numbers mapped.
class DocumentBuilder {
public:
    DocumentBuilder() : doc("/nonexistent-profile-folder") {}

    void layer(int n, bool visible) { doc.tables.layerVisible[n] = visible; }

    MarkerTrackItem& track(int number, int layer, std::initializer_list<const char*> endLines,
                           bool switchesToFixed = false)
    {
        auto* t = new MarkerTrackItem(doc.tables, number, layer, switchesToFixed);
        t->next = doc.trackItems;
        doc.trackItems = t;
        for (const char* line : endLines)
            t->readBodyLine(line);
        doc.tables.itemsByNumber[number] = t;
        return *t;
    }

    MarkerOtherItem& other(int number, int layer)
    {
        auto* o = new MarkerOtherItem(doc.tables, number, layer);
        o->next = doc.otherItems;
        doc.otherItems = o;
        return *o;
    }

    CRavloViewerDoc doc;
};
