// fa from the soil under the base by GB 50007-2011 §5.2.4 and §5.2.5.
#include "analysis/FoundationBearing.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace wall {

BearingFactorRow BearingFactorsAt(float phiK) {
    const float phi = std::clamp(phiK, 0.0f, 40.0f);
    const auto* rows = std::begin(kBearingFactorTable);
    const std::size_t n = std::size(kBearingFactorTable);
    std::size_t i = 0;
    while (i + 2 < n && phi > rows[i + 1].phi) ++i;
    const BearingFactorRow& a = rows[i];
    const BearingFactorRow& b = rows[i + 1];
    const float t = (phi - a.phi) / (b.phi - a.phi);
    return {phi, a.Mb + t * (b.Mb - a.Mb), a.Md + t * (b.Md - a.Md), a.Mc + t * (b.Mc - a.Mc)};
}

BearingCapacity FoundationBearing(const CaseSettings& s, float B, float e) {
    BearingCapacity r;
    r.B = B;
    r.e = e;
    if (s.fa > 0) {
        r.basis = BearingBasis::kGiven;
        r.fa = s.fa;
        return r;
    }
    r.gamma = s.foundationGamma;
    r.gammaM = s.foundationGammaM;
    r.d = s.foundationDepth;
    if (s.foundationFak > 0) {
        r.fromFak = true;
        r.fak = s.foundationFak;
        r.etaB = s.foundationEtaB;
        r.etaD = s.foundationEtaD;
        r.b = std::clamp(B, 3.0f, 6.0f);
        // The corrections add only beyond 3 m of width and 0.5 m of depth (§5.2.4).
        r.faFak = r.fak + r.etaB * r.gamma * (r.b - 3) + r.etaD * r.gammaM * std::max(r.d - 0.5f, 0.0f);
    }
    if (s.HasFoundationStrength()) {
        r.fromStrength = true;
        r.ck = s.foundationCohesion;
        r.factors = BearingFactorsAt(s.foundationFriction);
        r.bStrength = std::min(B, 6.0f);
        r.sandRule = s.foundationSand != 0 && r.bStrength < 3;
        if (r.sandRule) r.bStrength = 3;
        r.faStrength =
            r.factors.Mb * r.gamma * r.bStrength + r.factors.Md * r.gammaM * r.d + r.factors.Mc * r.ck;
        r.strengthCondition = !(e > 0.033f * r.bStrength + 1e-6f);
    }
    if (r.fromFak && (!r.fromStrength || r.faFak <= r.faStrength)) {
        r.basis = BearingBasis::kFromFak;
        r.fa = r.faFak;
    } else if (r.fromStrength) {
        r.basis = BearingBasis::kFromStrength;
        r.fa = r.faStrength;
    }
    return r;
}

}  // namespace wall
