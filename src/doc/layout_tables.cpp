#include "doc/layout_tables.h"

#include <cmath>
#include <cstdarg>
#include <cwchar>

void LayoutTables::reset()
{
    layerNames.clear();
    layerVisible.clear();
    layerColors.clear();
    layersUsed.clear();
    bounds.fill(0.0);
    loadMessages.clear();
    endPoints.clear();
    itemsByNumber.clear();
    vrmlColours.clear();
    endKeys.clear();
}

void LayoutTables::requireLayer(int itemNumber, int layer)
{
    if (layerNames.count(layer))
        return;
    addMessage(L"Item %d: Layer %d undefined ", itemNumber, layer);
    layerNames[layer] = std::to_string(layer) + " - undefined";
    layerVisible[layer] = false;
}

namespace {

std::pair<int, int> joinedKey(int first, int second)
{
    if (second >= 1 && second < first)
        return {second, first};
    return {first, second};
}

} // namespace

int LayoutTables::findEnd(int first, int second) const
{
    auto it = endKeys.find(joinedKey(first, second));
    return it == endKeys.end() ? -1 : it->second;
}

int LayoutTables::registerEnd(EndPoint record)
{
    std::pair<int, int> key;
    if (record.other >= 1) {
        key = joinedKey(record.owner, record.other);
    } else {
        key = {record.owner, record.other};
        while (endKeys.count(key))
            --key.second;
    }
    record.owner = key.first;
    record.other = key.second;
    const Point3 p = record.position;
    const double h = record.halfBottomWidth;
    const double v = record.embankmentHeight + 0.01;

    auto found = endKeys.find(key);
    int number;
    if (found == endKeys.end()) {
        number = static_cast<int>(endPoints.size());
        endKeys.emplace(key, number);
        endPoints.push_back(std::move(record));
    } else {
        number = found->second;
    }

    const double distance = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
    if (!(distance <= 5000.0)) {
        addMessage(L"Item %d: endpoint out of range at (x:%.2lf y:%.2lf)", key.first, p.x, p.y);
        return number;
    }
    const std::array<double, 6> box = {p.x - h, p.y - h, p.z - v, p.x + h, p.y + h, p.z + v};
    if (endPoints.size() == 1) {
        bounds = box;
    } else {
        for (int i = 0; i < 3; ++i) {
            bounds[i] = std::min(bounds[i], box[i]);
            bounds[i + 3] = std::max(bounds[i + 3], box[i + 3]);
        }
    }
    return number;
}

void LayoutTables::addMessage(const wchar_t* format, ...)
{
    wchar_t buf[1024];
    va_list args;
    va_start(args, format);
    const int n = std::vswprintf(buf, sizeof buf / sizeof buf[0], format, args);
    va_end(args);
    loadMessages.emplace_back(n < 0 ? std::wstring(L"(message too long)") : std::wstring(buf, n));
}

std::string narrowText(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        out.push_back(c >= 0 && c < 256 ? static_cast<char>(c) : '?');
    return out;
}

std::wstring widenText(const std::string& text)
{
    std::wstring out;
    out.reserve(text.size());
    for (unsigned char c : text)
        out.push_back(static_cast<wchar_t>(c));
    return out;
}

void LayoutTables::addMessageText(const std::string& text)
{
    loadMessages.push_back(widenText(text));
}
