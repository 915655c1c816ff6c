// How an earth thrust was found, as report lines: the coefficient with its formula and values, the
// failure plane, the rule for the strip surcharge and the diagram's boundary values.
#pragma once

#include "analysis/EarthThrust.h"
#include "analysis/Ground.h"
#include "report/ReportWriter.h"

namespace wall {

// Coulomb's closed-form coefficient (angles in rad) with the angles put in, as `symbol`.
void WriteCoulombCoefficient(ReportWriter& w, const char* symbol, float phi, float alpha, float delta,
                             float beta, float value);

// The diagram's values at its nodes (soil, surcharge and water; a jump as "a→b") and its thrusts.
void WriteBoundaryValues(ReportWriter& w, const ThrustResult& t,
                         const char* soilSymbol = "WriteSubScript(E,1)");

// The derivation of a thrust on a back under the ground `g`, by the theory that found it (kCoulomb or
// kRankine); `ka` is the coefficient's symbol in markup.
void WriteThrustDerivation(ReportWriter& w, const ThrustResult& t, const GroundSurface& g, int theory,
                           const char* ka);

}  // namespace wall
