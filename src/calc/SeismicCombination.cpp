// The seismic combination: the same analysis on a block that carries the earthquake.
#include "calc/SeismicCombination.h"

#include <algorithm>

#include "calc/AnalyseWall.h"
#include "calc/FiniteResults.h"

namespace wall {

SeismicResult SeismicCombination(const WallCase& c, const WallResults& statics) {
    const CaseSettings& s = c.settings;
    SeismicResult r;
    r.angles = SeismicAnglesOf(s);
    r.acceleration = s.seismicAcceleration;
    r.importance = s.seismicImportance;
    r.cz = s.seismicCz;
    r.inertiaFactor = r.importance * r.cz * r.acceleration;
    r.zetaA = s.seismicBearingFactor;
    r.fa = s.fa;
    r.faE = s.fa > 0 ? r.zetaA * s.fa : 0;

    // The checks read their required values and fa from the case: the seismic ones take their place.
    WallCase e = c;
    e.settings.overturning = s.seismicOverturning;
    e.settings.sliding = s.seismicSliding;
    // The base's zone without contact at most a quarter of it (GB 50191-2012 §4.2.5, a regular
    // structure): e0 ≤ B/4, tighter than the case's limit where that is larger.
    e.settings.eccentricityLimit = std::min(s.eccentricityLimit, kSeismicEccentricityLimit);
    KernelBlock kb;
    constexpr double kRad = 3.14159265358979323846 / 180;
    kb.seismicTheta = r.angles.theta * kRad;
    kb.seismicThetaWater = r.angles.thetaWater * kRad;
    kb.inertiaFactor = r.inertiaFactor;
    kb.bearingFactor = r.zetaA;
    r.refusal = AnalyseWall(e, kb, r);
    if (r.refusal.empty()) r.refusal = NonFiniteResult(r);
    // fa may follow from the soil under the base, on the seismic analysis's own base width.
    if (const StabilityResult* st = r.Stability(); st && st->bearingChecked) {
        r.fa = st->capacity.fa;
        r.faE = st->fa;
    }
    if (!r.refusal.empty()) return r;
    if (r.cantilever && statics.cantilever)
        r.sections = SeismicSections(c, *statics.cantilever, *r.cantilever, r.inertiaFactor);
    if (r.counterfort && statics.counterfort)
        r.sections = SeismicSections(c, *statics.counterfort, *r.counterfort, r.inertiaFactor);
    return r;
}

}  // namespace wall
