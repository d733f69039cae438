#pragma once

#include <string>

#include "doc/point3.h"

struct LayoutTables;
class DescribeHost;

// Draw flags passed to every item's drawing.
enum DrawFlags { DrawTunnels = 1, DrawGrades = 2, ColourByLayer = 4 };

// The root of every layout item, track or not.
class CXBase {
public:
    CXBase(LayoutTables& tables) : tables(&tables) {}
    CXBase(const CXBase&) = delete;
    CXBase& operator=(const CXBase&) = delete;

    // Fills the properties rows and shows them through the host.
    virtual void describe(bool centimetres, DescribeHost& host) {}
    virtual void reservedOperation() {}
    virtual Point3 centre() { return {}; }
    virtual ~CXBase() = default;

    std::string name;
    int number = 0;
    int layer = 0;
    std::string scale;
    LayoutTables* tables;
    CXBase* next = nullptr;
    int visible = 1;
};

// "T12" for item 12, "T-3" for item -3.
std::string itemTitle(int number);
