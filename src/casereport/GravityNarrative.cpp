// The calculation part of a gravity or semi-gravity wall's report.
#include "casereport/CalcReport.h"
#include "casereport/LayerNarrative.h"
#include "casereport/NarrativeLines.h"
#include "casereport/PressureNarrative.h"
#include "casereport/SectionNarrative.h"
#include "casereport/StabilityNarrative.h"

namespace wall {

void CalcReport::WriteGravityAnalysis(const GravityWallResult& r) {
    WriteText(r.theory == kCoulomb ? "按库伦土压力理论计算，计算过程如下：\n\n"
                                   : "按朗肯土压力理论计算，计算过程如下：\n\n");
    SetAlignment(0);
    Heading(*this, "1、挡土墙自重计算");
    ResultLine(*this, "挡土墙总重：W=", "%.2f kN/m", r.W);
    ResultLine(*this, "挡土墙重力荷载作用位置：WriteSubScript(Z,w)=", "%.2f m", r.Zw);
    // The heading's line feed is the one the stability computation writes.
    WriteText("\n2、土压力计算");
    WriteText("\n");
    WriteLoadingSketch(r.theory == kCoulomb ? &r.coulomb.thrust.diagram : &r.rankine.thrust.diagram);
    LeaveTable();
    SetAlignment(0);
    const ThrustResult& thrust = r.theory == kCoulomb ? r.coulomb.thrust : r.rankine.thrust;
    if (thrust.layerCount > 0)
        WriteLayeredDerivation(*this, thrust, m_in.wallCase, GroundOf(m_in.wallCase.soil), r.theory);
    else
        WriteThrustDerivation(*this, thrust, GroundOf(m_in.wallCase.soil), r.theory, "WriteSubScript(K,a)");
    if (r.theory == kRankine && r.rankine.E1Computed < 0) ClippedThrustLine(*this, r.rankine.E1Computed);
    ResultLine(*this, "土压力总值：WriteSubScript(E,a)=", "%.2f kN/m", r.pressure.E);
    ResultLine(*this, "土压力x方向分量：WriteSubScript(E,x)=", "%.2f kN/m", r.pressure.Ex);
    ResultLine(*this, "土压力y方向分量：WriteSubScript(E,y)=", "%.2f kN/m", r.pressure.Ey);
    ResultLine(*this, "土压力x方向作用位置：WriteSubScript(Z,x)=", "%.2f m", r.pressure.Zx);
    ResultLine(*this, "土压力y方向作用位置：WriteSubScript(Z,y)=", "%.2f m", r.pressure.Zy);
    if (r.theory == kRankine && r.rankine.load.Ws > 0) {
        // The strip standing over the back face: a variable load of its own.
        ResultLine(*this, "墙背上的面荷载：WriteSubScript(W,q)=", "%.2f kN/m", r.rankine.load.Ws);
        ResultLine(*this, "相对于趾点力臂：WriteSubScript(Z,wq)=", "%.2f m", r.rankine.load.xs);
    }
    WriteWaterActions(*this, r.water);
    WriteStabilityReport(*this, r.stability);
    Heading(*this, "6、墙身应力验算");
    WriteSectionStressReport(*this, r.section, SectionLabels::kGravity);
    if (r.toe.checked) WriteToeReport(*this, r.toe);
}

}  // namespace wall
