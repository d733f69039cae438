#pragma once

#include <map>
#include <string>

// Record codes of the layout file's keywords.
enum RecordCode {
    RecVersion = 0,
    RecTitle1,
    RecTitle2,
    RecMapScale,
    RecRoomSize,
    RecScale,
    RecLayers,
    RecTurnout,
    RecJoint,
    RecCurve,
    RecStraight,
    RecTurnTable,
    RecBezier,
    RecBzrlin,
    RecCornu,
    RecNote,
    RecBlock,
    RecControl,
    RecSensor,
    RecSignal,
    RecStructure,
    RecDraw,
    RecEnd
};

// The keyword table, shared by the whole program and filled once.
const std::map<std::string, int>& keywordCodes();
