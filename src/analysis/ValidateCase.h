// Refusal of the inputs that leave a wall's analysis undefined.
#pragma once

#include <string>
#include <vector>

#include "case/WallCase.h"

namespace wall {

// One fault of the input: the field by its page label and what is wrong with it.
struct Finding {
    std::string field;
    std::string message;
    std::string other = {};  // a relation between two fields: the field `field` is compared with
};

// The inputs whose results would be infinite or undefined: a height or width of zero or less, a
// slope steeper than the soil's friction angle where the pressure formula takes the root of a
// negative number, a zero friction angle where a formula divides by it, a heel or lower back face
// that cannot meet the base; for reinforced-concrete walls a crack limit of zero or less and a
// counterfort spacing not larger than its thickness. Unusual but computable inputs (a negative
// batter, no cohesion, no surcharge) pass. An empty list means the case can be analysed.
std::vector<Finding> ValidateCase(const WallCase& c);

// The relations between fields alone (H1 below H, the heel's height below H, a heel for reinforced
// walls, δ within φ, the counterforts' spacing beyond their thickness, the water and seismic
// settings), whatever the fields' own ranges: what the dialog marks while the user types.
std::vector<Finding> RelationFindings(const WallCase& c);

}  // namespace wall
