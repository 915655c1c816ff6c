// The wall-body section check of masonry walls.
#include "analysis/WallSection.h"

#include <algorithm>
#include <cmath>

#include "analysis/CoulombPressure.h"
#include "analysis/DoubleMath.h"
#include "analysis/Polygon.h"
#include "analysis/RankinePressure.h"

namespace wall {
namespace {

void SetVertex(KernelBlock& kb, int i, float x, float y) {
    kb.outline.x[i] = x;
    kb.outline.y[i] = y;
}

// Points of the back face (through P0, batter m) and of the front face (through P1, batter n).
float BackX(const WallCase& c, float y) {
    return -c.wall.m_fBackSlope * y;
}
float FrontX(const WallCase& c, const KernelBlock& kb, float y) {
    return c.wall.m_fFrontSlope * y - kb.topWidth;
}

// Front face down to the platform level: the shelf's upper wall.
void CutAtPlatform(const WallCase& c, KernelBlock& kb) {
    const float yc = kb.outline.y[7];
    kb.backHeight = std::fabs(kb.outline.y[6]);
    SetVertex(kb, 5, kb.outline.x[7], kb.outline.y[7]);
    SetVertex(kb, 6, kb.outline.x[7], kb.outline.y[7]);
    const float xf = FrontX(c, kb, yc);
    for (int i = 2; i <= 4; ++i) SetVertex(kb, i, xf, yc);
}

// Weight of the part above the section and, from the pressure already in the block, the
// eccentricity and stresses on the section.
void SectionStresses(const WallCase& c, KernelBlock& kb, SectionResult& r) {
    r.Ex = kb.pressureX;
    r.Ey = kb.pressureY;
    r.Zx = kb.armX;
    r.Zy = kb.armY;
    r.E = Sqrt(r.Ex * r.Ex + r.Ey * r.Ey);
    r.B1 = kb.outline.x[7] - kb.outline.x[2];
    float N = r.W1 + r.Ey;
    float M = r.Ey * r.Zx + r.W1 * r.Zw1 - r.Ex * r.Zy;
    float H = r.Ex;
    if (r.Fi > 0) {
        M -= r.Fi * r.Zfi;
        H += r.Fi;
    }
    if (r.Pw > 0) {
        // The water pushes on the part above like the soil; the joints are taken without pore pressure.
        N += r.PwY;
        M += r.PwY * r.Xw - r.Pw * r.Yw;
        H += r.Pw;
    }
    r.e1 = r.B1 / 2 - M / N;
    r.sigmaMax = (1 + 6 * r.e1 / r.B1) * N / r.B1;
    r.sigmaMin = (1 - 6 * r.e1 / r.B1) * N / r.B1;
    r.tau1 = H / r.B1;
    kb.eccentricity = r.e1;
    kb.stressMax = r.sigmaMax;
    kb.stressMin = r.sigmaMin;
    r.allowCompress = c.wall.m_fAllowCompress;
    r.allowShear = c.wall.m_fAllowShear;
    r.compressionOk = StressPasses(r.sigmaMax, r.allowCompress);
    r.shearOk = StressPasses(r.tau1, r.allowShear);
}

// The water part of a thrust on the back above the section, at its point from the section's front.
void WaterAbove(const KernelBlock& kb, const ThrustResult& t, SectionResult& r) {
    const ThrustPart w = WaterPartOf(t, {kb.outline.x[4], kb.outline.y[4]});
    r.Pw = w.Fx;
    r.PwY = w.Fy;
    r.Xw = w.x;
    r.Yw = w.y;
}

// The weight of the part above the section, and its inertia under an earthquake: the section lies
// hi = H − depth above the toe of a wall H high.
void WeightAbove(KernelBlock& kb, float H, SectionResult& r) {
    AreaCentroid ac = PolygonAreaCentroid(kb.outline.x, kb.outline.y, 8);
    r.W1 = ac.area * kb.wallUnitWeight;
    r.Zw1 = ac.cx + kb.outline.x[0] - kb.outline.x[3];
    if (kb.inertiaFactor > 0) {
        r.psi = InertiaDistribution(H, H - r.depth);
        r.Fi = r.psi * kb.inertiaFactor * r.W1;
        r.Zfi = ac.cy - kb.outline.y[4];
    }
    kb.wallWeight = r.W1;
    kb.wallWeightArm = r.Zw1;
}

}  // namespace

float InertiaDistribution(float H, float hi) {
    return H > 12 ? 1 + std::max(hi, 0.0f) / H : 1;
}

bool StressPasses(float stress, float allowed) {
    return std::isfinite(stress) && (stress < allowed || std::fabs(stress - allowed) < 1e-5);
}

SectionCut CutGravitySection(const WallCase& c, KernelBlock& kb) {
    const float H1 = c.wall.m_fToeHeight, H2 = c.wall.m_fHeelHeight;
    if (H1 > 1e-4f || H2 > 1e-4f) {
        const float y2 = kb.outline.y[2], y6 = kb.outline.y[6];
        if (std::fabs(y2) < std::fabs(y6) || std::fabs(y2 - y6) < 1e-5f) {
            // The foot of the front face is not lower than the heel top: cut there.
            const float yc = y2;
            kb.backHeight = std::fabs(y2);
            SetVertex(kb, 3, kb.outline.x[2], kb.outline.y[2]);
            SetVertex(kb, 4, kb.outline.x[2], kb.outline.y[2]);
            const float xb = BackX(c, yc);
            for (int i = 5; i <= 7; ++i) SetVertex(kb, i, xb, yc);
        } else {
            const float yc = kb.outline.y[7];
            kb.backHeight = std::fabs(y6);
            SetVertex(kb, 5, kb.outline.x[7], kb.outline.y[7]);
            SetVertex(kb, 6, kb.outline.x[7], kb.outline.y[7]);
            const float xf = FrontX(c, kb, yc);
            for (int i = 2; i <= 4; ++i) SetVertex(kb, i, xf, yc);
        }
        return SectionCut::kAtStep;
    }
    kb.backHeight = kb.backHeight / 2;
    const float yc = -kb.backHeight;
    const float xf = FrontX(c, kb, yc), xb = BackX(c, yc);
    for (int i = 2; i <= 4; ++i) SetVertex(kb, i, xf, yc);
    for (int i = 5; i <= 7; ++i) SetVertex(kb, i, xb, yc);
    return SectionCut::kAtHalfHeight;
}

SectionResult ChooseGravitySection(const WallCase& c, KernelBlock& kb) {
    SectionResult r;
    const float H = std::fabs(kb.outline.y[4]);
    r.cut = CutGravitySection(c, kb);
    r.depth = kb.backHeight;
    WeightAbove(kb, H, r);
    if (c.soil.m_nTheory == kCoulomb) {
        const CoulombResult p = CoulombActivePressure(c, kb);
        r.status = p.status;
        if (r.status != PressureStatus::kOk) return r;
        WaterAbove(kb, p.thrust, r);
    } else {
        const RankineResult p = RankineActivePressure(c, kb);
        r.status = p.status;
        if (r.status != PressureStatus::kOk) return r;
        WaterAbove(kb, p.thrust, r);
    }
    SectionStresses(c, kb, r);
    return r;
}

SectionResult ChooseShelfSection(const WallCase& c, KernelBlock& kb, float thrustHeight,
                                 const ThrustResult& upper) {
    SectionResult r;
    r.cut = SectionCut::kAtStep;
    const float H = std::fabs(kb.outline.y[4]);
    CutAtPlatform(c, kb);
    r.depth = kb.backHeight;
    WeightAbove(kb, H, r);
    // The upper-wall thrust acts at thrustHeight above the platform on the upper back face.
    kb.armY = thrustHeight;
    kb.armX = (kb.outline.x[7] - kb.outline.x[2]) - thrustHeight * Tan(kb.backAngle);
    WaterAbove(kb, upper, r);
    SectionStresses(c, kb, r);
    return r;
}

}  // namespace wall
