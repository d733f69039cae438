#include "drawing/draw_item.h"

#include <GL/gl.h>

void DrawItem::setColour(int value)
{
    colour = value;
    red = static_cast<std::uint8_t>((value >> 16) & 0xFF);
    green = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    blue = static_cast<std::uint8_t>(value & 0xFF);
}

void DrawItem::applyColour() const
{
    glColor3ub(red, green, blue);
}
