#pragma once

class CDescribe;
class CTrackObj;

// Rows every track item shows: a point row per end ("Pt 1:", "Pt 2:", ...)
// from position 0, and the layer's name at the end. Lengths are converted
// to centimetres when the dialog's unit says so.
int addEndRows(CDescribe& dialog, const CTrackObj& item);
int addLayerRow(CDescribe& dialog, int top, const CTrackObj& item);

// 2.54 when the dialog shows centimetres, else 1.
double lengthFactor(const CDescribe& dialog);
