#pragma once

#include <array>
#include <string>

// Draws text as extruded glyph polygons from 256 display lists (one per
// character code). The lists and metrics are made by the view's font builder
// on its rendering context; drawing needs only OpenGL.
class CGL3DText {
public:
    struct GlyphMetrics {
        float blackBoxX = 0, blackBoxY = 0;
        float originX = 0, originY = 0;
        float cellIncX = 0, cellIncY = 0;
    };

    virtual ~CGL3DText() = default;

    // Sum of the advances of the characters (code 255 counts 0).
    double textWidth(const std::string& text) const;
    // Draws the text with its left end at -width * alignment on the x axis.
    void drawText(double alignment, const std::string& text) const;

    std::array<GlyphMetrics, 256> metrics{};
    unsigned listBase = 0;
};
