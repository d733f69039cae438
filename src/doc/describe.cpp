#include "doc/describe.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

double coordinate(const Point3& p, int column)
{
    return column == 0 ? p.x : column == 1 ? p.y : p.z;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the run of digits starting at i.
std::size_t digitRun(const std::string& s, std::size_t i)
{
    std::size_t n = 0;
    while (i + n < s.size() && isDigit(s[i + n]))
        ++n;
    return n;
}

} // namespace

int CDescribe::addRow(int kind, int top, const std::string& label, const std::string& value, int width)
{
    rows.push_back(DescribeRow{kind, top, label, value, width});
    return top + 30;
}

int CDescribe::addTextRow(int top, const std::string& label, const std::string& text, int width)
{
    return addRow(DescribeRow::LabelValue, top, label, text, width);
}

int CDescribe::addMessageRow(int top, const std::string& text)
{
    return addRow(DescribeRow::Message, top, text, std::string(), 500);
}

int CDescribe::addIntegerRow(int top, const std::string& label, int value)
{
    return addRow(DescribeRow::LabelValue, top, label, std::to_string(value), 100);
}

int CDescribe::addNumberRow(int top, const std::string& label, double value)
{
    return addRow(DescribeRow::LabelValue, top, label, formatNumber(value), 100);
}

int CDescribe::addPointRow(int top, const std::string& label, double x, double y, double z)
{
    const std::string text = "(" + formatNumber(x) + " , " + formatNumber(y) + " , " + formatNumber(z) + ")";
    return addRow(DescribeRow::LabelValue, top, label, text, 200);
}

int CDescribe::addPointEdits(int top, std::vector<Point3>& points)
{
    for (std::size_t k = 0; k < points.size(); ++k) {
        const int t = top + 30 * static_cast<int>(k);
        for (int column = 0; column < 3; ++column) {
            PointEdit edit;
            edit.point = &points[k];
            edit.column = column;
            edit.rect = EditRect{100 + 100 * column, t + 12, 195 + 100 * column, t + 32};
            edit.enabled = column == 2;
            pointEdits[100 + 3 * static_cast<int>(k) + column] = edit;
        }
    }
    return top + 30 * static_cast<int>(points.size());
}

int CDescribe::setBaseOption(bool checked, double value)
{
    offerBase = true;
    baseChecked = checked;
    baseValue = value;
    return 30;
}

bool CDescribe::baseOption(double& value) const
{
    if (!baseChecked)
        return false;
    value = baseValue;
    return true;
}

bool CDescribe::show(DescribeHost& host)
{
    open();
    readOnOk = true;
    if (!host.showModal(*this))
        return false;
    if (readOnOk)
        readBack();
    return true;
}

void CDescribe::open()
{
    maxRowTop = 0;
    for (const DescribeRow& row : rows)
        maxRowTop = std::max(maxRowTop, row.top);
    fieldTexts.clear();
    const double u = unitFactor();
    for (const auto& [id, edit] : pointEdits) {
        if (edit.column == 0)
            maxRowTop = std::max(maxRowTop, edit.rect.bottom + 2);
        const double shown = coordinate(pointOffset, edit.column) + coordinate(*edit.point, edit.column);
        fieldTexts[id] = formatNumber(shown * u);
    }
    fieldTexts[BaseFieldId] = formatNumber(baseValue * u);
}

std::string CDescribe::unitText() const
{
    return centimetres ? "[cm]" : "[inch]";
}

std::string CDescribe::pointLabel(int id)
{
    return "point " + std::to_string((id - 100) / 3 + 1);
}

std::string CDescribe::fieldText(int id) const
{
    const auto it = fieldTexts.find(id);
    return it == fieldTexts.end() ? std::string() : it->second;
}

void CDescribe::setFieldText(int id, const std::string& text)
{
    fieldTexts[id] = text;
}

int CDescribe::nextPointEditId(int id) const
{
    auto it = pointEdits.find(id);
    if (it == pointEdits.end())
        return -1;
    ++it;
    return it == pointEdits.end() ? pointEdits.begin()->first : it->first;
}

void CDescribe::readBack()
{
    const double u = unitFactor();
    double v = 0.0;
    for (auto& [id, edit] : pointEdits) {
        if (edit.column == 2 && parseTypedValue(fieldText(id), v))
            edit.point->z = v / u - pointOffset.z;
    }
    if (baseChecked && parseTypedValue(fieldText(BaseFieldId), v))
        baseValue = v / u;
}

std::string CDescribe::formatNumber(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

bool CDescribe::parseTypedValue(const std::string& text, double& value)
{
    if (text.empty() || !(isDigit(text[0]) || text[0] == '-'))
        return false;
    // The leading decimal number: sign, digits, decimal point, digits, and an
    // exponent only when digits follow its letter and optional sign.
    std::size_t end = text[0] == '-' ? 1 : 0;
    const std::size_t whole = digitRun(text, end);
    end += whole;
    std::size_t fraction = 0;
    if (end < text.size() && text[end] == '.') {
        fraction = digitRun(text, end + 1);
        end += 1 + fraction;
    }
    if (whole + fraction == 0) {
        value = 0.0;
        return true;
    }
    bool tinyWhenOutOfRange = false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        const std::size_t exponent = digitRun(text, e);
        if (exponent > 0) {
            tinyWhenOutOfRange = text[end + 1] == '-';
            end = e + exponent;
        }
    }
    double parsed = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + end, parsed);
    if (result.ec == std::errc::result_out_of_range && tinyWhenOutOfRange)
        parsed = text[0] == '-' ? -0.0 : 0.0;
    // A value beyond the range of a double would make an infinite height:
    // keep the height shown instead.
    else if (result.ec != std::errc() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}
