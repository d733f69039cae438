#pragma once

#include <array>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "doc/end_point.h"
#include "doc/scale_profile.h"

class CTrackObj;

// Everything the record constructors of one layout fill: layers, bounds, load
// messages, the shared end records and the item numbers. Lookups by key insert
// a default entry when the key is missing, as the maps' operator[] does.
struct LayoutTables {
    ProfileMap profiles;
    std::map<int, std::string> layerNames;
    std::map<int, bool> layerVisible;
    std::map<int, int> layerColors;
    std::map<int, bool> layersUsed;
    std::array<double, 6> bounds{};
    int itemSerial = 0;
    std::vector<std::wstring> loadMessages;
    std::vector<EndPoint> endPoints;
    std::map<int, CTrackObj*> itemsByNumber;
    std::set<int> vrmlColours;
    std::map<std::pair<int, int>, int> endKeys;

    // Empties every per-file table; profiles and itemSerial stay.
    void reset();

    // Reports and defines a layer that no LAYERS record named.
    void requireLayer(int itemNumber, int layer);

    // The profile of a scale; an unknown scale gets the default profile.
    const ScaleProfile& profile(const std::string& scale) { return profiles[scale]; }

    // Registers an end record, sharing one record per connection; returns its number.
    int registerEnd(EndPoint record);
    // The end number of a key (normalised like a joined end), or -1.
    int findEnd(int first, int second) const;
    // The item for a number, or null (the lookup leaves an empty entry).
    CTrackObj* item(int number) { return itemsByNumber[number]; }

    // Appends a load message made from a printf-style wide format.
    void addMessage(const wchar_t* format, ...);
    // Appends an 8-bit text as a load message, byte by byte.
    void addMessageText(const std::string& text);
};

// Widens 8-bit text byte by byte.
std::wstring widenText(const std::string& text);

// A wide load message as 8-bit text (the program's files are 8-bit; messages
// hold only ASCII apart from what a layout's own texts bring in).
std::string narrowText(const std::wstring& text);
