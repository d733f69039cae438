#pragma once

#include <ostream>

#include "track/xbase.h"

class CGL3DText;

// Base of the non-track items: structures, Bezier lines and drawings.
class CXObj : public CXBase {
public:
    using CXBase::CXBase;

    virtual void draw(bool flag, CGL3DText& text) {}
    virtual void drawDirect(bool flag, CGL3DText& text) {}
    virtual void buildGeometry() {}
    virtual std::ostream& writeVrml(std::ostream& out) { return out; }

    CXObj* nextOther() const { return static_cast<CXObj*>(next); }
};
