// Design strengths of the concrete and reinforcement grades (GB 50010-2010), indexed like the grade lists.
#pragma once

#include <array>
#include <optional>

#include "case/Grades.h"

namespace wall {

// N/mm². fc: design axial compressive strength (Table 4.1.4-1); ft: design tensile strength
// (Table 4.1.4-2); ftk: characteristic tensile strength (Table 4.1.3-2).
struct ConcreteStrength {
    float fc;
    float ft;
    float ftk;
};

// N/mm². fy: design tensile strength (Table 4.2.3-1); Es: modulus of elasticity (Table 4.2.5).
struct RebarStrength {
    float fy;
    float Es;
};

// C15 .. C80 in steps of 5, the order of kConcreteGrades.
constexpr std::array<ConcreteStrength, kConcreteGrades.size()> kConcreteStrengths = {{
    {7.2f, 0.91f, 1.27f},   // C15
    {9.6f, 1.10f, 1.54f},   // C20
    {11.9f, 1.27f, 1.78f},  // C25
    {14.3f, 1.43f, 2.01f},  // C30
    {16.7f, 1.57f, 2.20f},  // C35
    {19.1f, 1.71f, 2.39f},  // C40
    {21.1f, 1.80f, 2.51f},  // C45
    {23.1f, 1.89f, 2.64f},  // C50
    {25.3f, 1.96f, 2.74f},  // C55
    {27.5f, 2.04f, 2.85f},  // C60
    {29.7f, 2.09f, 2.93f},  // C65
    {31.8f, 2.14f, 2.99f},  // C70
    {33.8f, 2.18f, 3.05f},  // C75
    {35.9f, 2.22f, 3.11f},  // C80
}};

// HPB300, HRB335, HRB400, HRB500, the order of kRebarGrades.
constexpr std::array<RebarStrength, kRebarGrades.size()> kRebarStrengths = {{
    {270.0f, 210000.0f},  // HPB300
    {300.0f, 200000.0f},  // HRB335
    {360.0f, 200000.0f},  // HRB400
    {435.0f, 200000.0f},  // HRB500
}};

// The equivalent rectangular stress block (GB 50010-2010 §6.2.6) and the relative balanced depth
// (§6.2.7): α1 1.0 up to C50 and 0.94 at C80, β1 0.80 up to C50 and 0.74 at C80, linear between;
// εcu = 0.0033 − (fcu,k − 50)·10⁻⁵, not above 0.0033 (eq. 6.2.1-5); ξb = β1/(1 + fy/(Es·εcu))
// (eq. 6.2.7-1).
struct StressBlock {
    float alpha1 = 1;
    float beta1 = 0.8f;
    float epsilonCu = 0.0033f;
    float xiB = 0;
};

inline StressBlock StressBlockOf(int concreteGrade, const RebarStrength& rebar) {
    // fcu,k is the grade's number: C15 .. C80 in steps of 5.
    const float fcuk = 15 + 5 * static_cast<float>(concreteGrade);
    const float over = fcuk > 50 ? (fcuk - 50) / 30 : 0;
    StressBlock s;
    s.alpha1 = 1 - 0.06f * over;
    s.beta1 = 0.8f - 0.06f * over;
    s.epsilonCu = fcuk > 50 ? 0.0033f - (fcuk - 50) * 1e-5f : 0.0033f;
    s.xiB = s.beta1 / (1 + rebar.fy / (rebar.Es * s.epsilonCu));
    return s;
}

// The strengths of a grade index, or nothing for an index outside the list (a case file may carry one).
inline std::optional<ConcreteStrength> ConcreteOfGrade(int index) {
    if (index < 0 || index >= static_cast<int>(kConcreteStrengths.size())) return std::nullopt;
    return kConcreteStrengths[static_cast<size_t>(index)];
}

inline std::optional<RebarStrength> RebarOfGrade(int index) {
    if (index < 0 || index >= static_cast<int>(kRebarStrengths.size())) return std::nullopt;
    return kRebarStrengths[static_cast<size_t>(index)];
}

}  // namespace wall
