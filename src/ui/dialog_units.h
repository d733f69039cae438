#pragma once

#include <QRect>
#include <QString>
#include <string>

// Dialog templates are laid out in dialog units of an 8-point dialog font:
// a horizontal unit is 1.5 pixels, a vertical one 1.625 pixels. Controls
// created at run time are placed in pixels directly.
QRect dialogUnitRect(int x, int y, int width, int height);

// A rectangle given by its left, top, right and bottom edges in pixels.
inline QRect edgeRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// Layout text (8-bit bytes from the file) for display: UTF-8 when the bytes
// are valid UTF-8, otherwise each byte as one Latin-1 character.
QString layoutText(const std::string& bytes);
