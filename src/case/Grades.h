// The concrete and reinforcement grade lists; the case stores indices into them.
#pragma once

#include <array>
#include <string_view>

namespace wall {

constexpr std::array<std::string_view, 14> kConcreteGrades = {
    "C15", "C20", "C25", "C30", "C35", "C40", "C45", "C50", "C55", "C60", "C65", "C70", "C75", "C80"};

constexpr std::array<std::string_view, 4> kRebarGrades = {"HPB300", "HRB335", "HRB400", "HRB500"};

}  // namespace wall
