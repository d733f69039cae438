#pragma once

#include <string>

#include "drawing/gl_3d_text.h"

// Draws bitmap text at the current raster position from 256 display lists,
// one per character code.
class CGLText {
public:
    virtual ~CGLText() = default;
    void drawText(const std::string& text) const;

    unsigned listBase = 0;
};

// Builds the bitmap glyphs of "Arial" at the given character height (pixels)
// for codes 0 to 254 into 256 new display lists. Needs a current context.
void createFont(CGLText& text, int height);
// Builds the extruded outline glyphs of "Arial" (em height 1, depth 0.1) for
// codes 0 to 254 with their metrics. Needs a current context.
void createFont(CGL3DText& text, int height);
// Builds the bitmap glyphs of the system font into the lists base ... base + 254.
void buildSystemFontBitmaps(unsigned base);

// The Unicode character of an 8-bit code in the Windows ANSI code page; 0
// for the codes it leaves undefined.
char16_t ansiToUnicode(unsigned char code);
