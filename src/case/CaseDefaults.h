// Default values of a new case and of each wall type's page.
#pragma once

#include "case/WallCase.h"

namespace wall {

// The wall record of a type as its page opens; fields the type does not use are zero.
// An unknown type gives an all-zero record.
CRetainingWall DefaultWall(int wallType);

// The slope, surcharge and soil page as it opens.
CSoil DefaultSoil();

// A new case of the given type (a run of the command starts with kCounterfort).
WallCase DefaultCase(int wallType = kCounterfort);

}  // namespace wall
