#include "drawing/gl_3d_text.h"

#include <GL/gl.h>

double CGL3DText::textWidth(const std::string& text) const
{
    double w = 0;
    for (unsigned char c : text)
        if (c != 255)
            w += metrics[c].cellIncX;
    return w;
}

void CGL3DText::drawText(double alignment, const std::string& text) const
{
    if (text.empty())
        return;
    const double w = textWidth(text);
    glPushMatrix();
    glTranslated(-w * alignment, 0, 0);
    glPushAttrib(GL_LIST_BIT | GL_CURRENT_BIT);
    glListBase(listBase);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glPopAttrib();
    glPopMatrix();
}
