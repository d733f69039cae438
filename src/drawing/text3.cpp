#include "drawing/text3.h"

#include <GL/gl.h>
#include <numbers>
#include <vector>

#include "doc/tokenizer.h"
#include "drawing/describe_rows.h"
#include "drawing/gl_3d_text.h"

Text3::Text3(const std::string& line) : DrawItem(line)
{
    const std::vector<std::string> t = LineTokenizer(line).splitTokens(" \t");
    setColour(parseInt(tokenAt(t, 1)));
    position = {parseFloat(tokenAt(t, 2)), parseFloat(tokenAt(t, 3))};
    angle = parseFloat(tokenAt(t, 4));
    fontSize = parseFloat(tokenAt(t, 6));
    text = tokenAt(t, 7);
}

void Text3::draw(CGL3DText& renderer)
{
    applyColour();
    glPushMatrix();
    glPushAttrib(GL_CURRENT_BIT);
    glTranslated(0, 0, 0.1);
    glRotated(angle, 0, 0, -1);
    const double s = fontSize / 72.0;
    glScaled(s, s, 1);
    renderer.drawText(0, text);
    glPopAttrib();
    glPopMatrix();
}

void Text3::describe(int number, Point3 offset, const std::string& layerName, bool centimetres,
                     DescribeHost& host)
{
    const double f = unitFactor(centimetres);
    CDescribe dialog;
    dialog.centimetres = centimetres;
    int top = dialog.addNumberRow(0, "Origin: X", (position.x + offset.x) * f);
    top = dialog.addNumberRow(top - 8, "Y", (position.y + offset.y) * f);
    top = dialog.addNumberRow(top, "Font size", fontSize);
    top = dialog.addTextRow(top, "Text", text, 300);
    dialog.addTextRow(top, "Layer", layerName, 300);
    dialog.setTitle(describeTitle(number, " Text"));
    dialog.show(host);
}

void Text3::writeVrml(std::ostream& out, double height, bool defined)
{
    // Quotes and backslashes are escaped so that any text stays one VRML string.
    std::string escaped;
    for (char c : text) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    out << "  Transform { # Text --\n"
        << "  translation 0 " << height + 0.01 << " 0\n   rotation 0 -1 0 " << angle * std::numbers::pi / 180
        << "\n   children [\n"
        << "    Transform {\n"
        << "     rotation -1 0 0 " << std::numbers::pi / 2 << "\n     children [\n"
        << "      Shape{\n";
    if (defined) {
        out << "       appearance USE C" << colour << "\n";
    } else {
        out << "       appearance DEF C" << colour << " Appearance{\n        material Material{\n"
            << "         emissiveColor 0 0 0\n"
            << "         diffuseColor  0 0 0\n"
            << "        }\n       }\n";
    }
    out << "       geometry Text{\n"
        << "        string [\"" << escaped << "\"]\n"
        << "        fontStyle FontStyle {style \"BOLD\" size " << fontSize / 72 << "}\n"
        << "       }\n      }\n"
        << "     ]\n    }\n"
        << "   ]\n  }\n";
}
