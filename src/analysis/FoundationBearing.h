// The foundation's bearing value fa: given, or from the soil under the base (GB 50007-2011 §5.2.4, §5.2.5).
#pragma once

#include "case/WallCase.h"

namespace wall {

enum class BearingBasis { kNone, kGiven, kFromFak, kFromStrength };

// GB 50007-2011 Table 5.2.5: the bearing factors by φk (every 2° from 0° to 40°), as printed.
struct BearingFactorRow {
    float phi, Mb, Md, Mc;
};
inline constexpr BearingFactorRow kBearingFactorTable[] = {
    {0, 0.00f, 1.00f, 3.14f},  {2, 0.03f, 1.12f, 3.32f},   {4, 0.06f, 1.25f, 3.51f},
    {6, 0.10f, 1.39f, 3.71f},  {8, 0.14f, 1.55f, 3.93f},   {10, 0.18f, 1.73f, 4.17f},
    {12, 0.23f, 1.94f, 4.42f}, {14, 0.29f, 2.17f, 4.69f},  {16, 0.36f, 2.43f, 5.00f},
    {18, 0.43f, 2.72f, 5.31f}, {20, 0.51f, 3.06f, 5.66f},  {22, 0.61f, 3.44f, 6.04f},
    {24, 0.80f, 3.87f, 6.45f}, {26, 1.10f, 4.37f, 6.90f},  {28, 1.40f, 4.93f, 7.40f},
    {30, 1.90f, 5.59f, 7.95f}, {32, 2.60f, 6.35f, 8.55f},  {34, 3.40f, 7.21f, 9.22f},
    {36, 4.20f, 8.25f, 9.97f}, {38, 5.00f, 9.44f, 10.80f}, {40, 5.80f, 10.84f, 11.73f}};

// Mb, Md, Mc at φk (degrees, 0…40), interpolated linearly between the table's rows.
BearingFactorRow BearingFactorsAt(float phiK);

// How fa was found, with every value its formula prints.
struct BearingCapacity {
    BearingBasis basis = BearingBasis::kNone;
    float fa = 0;  // kPa; 0 under kNone
    float b = 0;  // the base width as the clause takes it (held to 3…6 m under §5.2.4; ≤ 6 m, sand ≥ 3 m)
    float B = 0;  // the base width itself
    float gamma = 0, gammaM = 0, d = 0;
    // §5.2.4: fa = fak + ηb·γ·(b − 3) + ηd·γm·(d − 0.5), the depth term only for d > 0.5 m.
    bool fromFak = false;
    float fak = 0, etaB = 0, etaD = 0, faFak = 0;
    // §5.2.5: fa = Mb·γ·b + Md·γm·d + Mc·ck, written for e ≤ 0.033·b.
    bool fromStrength = false;
    BearingFactorRow factors{};
    float ck = 0, bStrength = 0, faStrength = 0;
    bool sandRule = false;          // a sand's b below 3 m taken as 3 m
    float e = 0;                    // the eccentricity the condition is read at
    bool strengthCondition = true;  // e ≤ 0.033·b; else the clause's condition is not met (a warning)
};

// The case's fa (a given value wins), or from fak, or from ck and φk; with both routes the smaller,
// on the safe side. B: the base width; e: the resultant's eccentricity on it.
BearingCapacity FoundationBearing(const CaseSettings& s, float B, float e);

}  // namespace wall
