// The toe of a semi-gravity wall as a plain masonry or concrete cantilever: its bending tension at the
// face.
#pragma once

#include "analysis/Stability.h"
#include "analysis/geometry/WallOutline.h"
#include "case/WallCase.h"

namespace wall {

// The toe projects B1 from the face, H1 deep at its edge and H2 at the face (the root). The base
// pressure under it (characteristic, as the stability check found it) bends it up against its own
// weight: M = ∫ p·(B1 − x) dx − γ·B1²·(2H1 + H2)/6, σt = 6M/H2². No tensile strength of its own is
// entered; the masonry's flexural tension across the bed joints equals its shear strength (GB
// 50003-2011 Table 3.2.2), so σt is compared with the allowable shear stress [τ].
struct ToeResult {
    bool checked = false;  // a semi-gravity wall with a toe and base pressures
    float B1 = 0, H1 = 0, H2 = 0, gamma = 0;
    // The pressure at the toe's edge and at the face. `linear`: the whole toe bears and p is linear
    // between them; otherwise the contact ends under the toe and M is integrated over the contact.
    bool linear = true;
    float pEdge = 0, pRoot = 0;
    float Mp = 0;      // of the pressure, kN·m/m
    float Mw = 0;      // of the toe's weight
    float M = 0;       // Mp − Mw
    float sigmaT = 0;  // 6M/H2², kPa: the lower face's tension; below 0 the upper face's
    float allow = 0;   // [τ]
    bool ok = false;
};

ToeResult CheckSemiGravityToe(const WallCase& c, const StabilityResult& s);

// A shelf wall's platform where it overhangs the lower back (the lower back leaning in under it): a
// cantilever L = X6 − X5 long whose depth grows from 0 at the platform's edge to h2 over the lower
// back's foot. The soil standing on it up to the ground, the part of the strip on it (unfavourable
// here, so counted) and its own weight bend its upper face into tension at the root: σt = 6M/h2²,
// compared with [τ] as the toe's is.
struct PlatformResult {
    bool checked = false;  // the lower back leans in under the platform
    float L = 0, h2 = 0;
    float Ms = 0;  // the soil on it, kN·m/m
    float Mq = 0;  // the strip on it
    float Mw = 0;  // its own weight: γ·L·h2/2 at L/3
    float M = 0;
    float sigmaT = 0, allow = 0;
    bool ok = false;
};

PlatformResult CheckShelfPlatform(const WallCase& c, const WallOutline& o);

}  // namespace wall
