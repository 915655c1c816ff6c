// "优化尺寸" on the wall pages: the case sized with its type's default fields and bounds, and the
// texts the dialog shows of the result.
#pragma once

#include <QString>

#include "case/WallCase.h"
#include "sizing/SizeWall.h"

namespace wallui {

// The step of the grid the dialog sizes on, m.
constexpr double kSizeStep = 0.05;

// The wall type's default fields, each from the least value its range and its constructive minimum
// allow to the wall height.
wall::SizeRequest DefaultSizeRequest(const wall::WallCase& c);

// The question after a size was found: each varied field by its label with its unit, old → new (an
// old value below its constructive minimum said so), the cross-section area old → new, the governing
// check, the constructive minimums applied with the code that asks each (and any dimension kept below
// its minimum), then "是否采用这些尺寸？".
QString ProposalText(const wall::WallCase& base, const wall::SizeRequest& request,
                     const wall::SizeOutcome& outcome);

// The message when no grid point passes: that nothing was found, the constructive minimums applied,
// then what still fails at the largest candidate (each failing check by its title, or why it could not
// be calculated).
QString NoSizeText(const wall::WallCase& base, const wall::SizeRequest& request,
                   const wall::SizeOutcome& outcome);

}  // namespace wallui
