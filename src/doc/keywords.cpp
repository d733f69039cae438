#include "doc/keywords.h"

const std::map<std::string, int>& keywordCodes()
{
    static const std::map<std::string, int> table = {
        {"VERSION", RecVersion},   {"TITLE1", RecTitle1},     {"TITLE2", RecTitle2},
        {"MAPSCALE", RecMapScale}, {"ROOMSIZE", RecRoomSize}, {"SCALE", RecScale},
        {"LAYERS", RecLayers},     {"TURNOUT", RecTurnout},   {"JOINT", RecJoint},
        {"CURVE", RecCurve},       {"STRAIGHT", RecStraight}, {"TURNTABLE", RecTurnTable},
        {"BEZIER", RecBezier},     {"BZRLIN", RecBzrlin},     {"CORNU", RecCornu},
        {"NOTE", RecNote},         {"BLOCK", RecBlock},       {"CONTROL", RecControl},
        {"SENSOR", RecSensor},     {"SIGNAL", RecSignal},     {"STRUCTURE", RecStructure},
        {"DRAW", RecDraw},         {"END", RecEnd},           {"END$SEGS", RecEnd},
        {"END$TRACKS", RecEnd},
    };
    return table;
}
