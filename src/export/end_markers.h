#pragma once

#include <ostream>

struct EndPoint;

// The marker of one track end in the VRML world: a buffer stop at an open end
// off a turntable, the rail end faces (turned inwards) at an end joined on a
// turntable, nothing at any other end. Numbers use the stream's current format.
void writeEndMarker(std::ostream& out, const EndPoint& r);

// The parts of the markers, each one complete Transform node.
void writeEmbankmentEndFace(std::ostream& out, const EndPoint& r);
void writeRailEndFaces(std::ostream& out, const EndPoint& r, bool turnedInwards);
void writeBufferStop(std::ostream& out, const EndPoint& r);
