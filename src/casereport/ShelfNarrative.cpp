// The calculation part of a shelf (balance-weight) wall's report.
#include <algorithm>
#include <cmath>

#include "casereport/CalcReport.h"
#include "casereport/Formula.h"
#include "casereport/LayerNarrative.h"
#include "casereport/NarrativeLines.h"
#include "casereport/PressureNarrative.h"
#include "casereport/SectionNarrative.h"
#include "casereport/StabilityNarrative.h"

namespace wall {
namespace {

// The components and lever arms of one wall part's pressure; `part` is "1" (upper) or "2" (lower).
void Components(ReportWriter& w, const std::string& part, float Ex, float Ey, float Zx, float Zy) {
    w.WriteText("\t土压力x方向分量：WriteSubScript(E,a" + part + "x)=");
    w.WriteText(F("%.2fkN/m \n", Ex));
    w.WriteText("\t土压力y方向分量：WriteSubScript(E,a" + part + "y)=");
    w.WriteText(F("%.2fkN/m \n", Ey));
    w.WriteText("\t土压力x方向作用位置：WriteSubScript(Z," + part + "x)=");
    w.WriteText(F("%.2fm \n", Zx));
    w.WriteText("\t土压力y方向作用位置：WriteSubScript(Z," + part + "y)=");
    w.WriteText(F("%.2fm \n", Zy));
}

// ½·γ·a·b·Ka in symbols and values.
Expr Triangle(const ShelfPressureResult& p, const Expr& a, const Expr& b, const Expr& Ka) {
    return Fraction(K("1"), K("2")) * Q("γ", p.gamma) * a * b * Ka;
}

// The surcharge's part, where there is one, added to a thrust.
Expr WithSurcharge(const Expr& soil, const char* symbol, float Eq) {
    return std::fabs(Eq) < 0.005f ? soil : soil + Q(symbol, Eq);
}

// The strip's part on the lower wall by the extended back: its rise of the extended back's thrust,
// spread evenly over its band, of which the part below the platform.
void WriteLowerSurcharge(ReportWriter& w, const ShelfPressureResult& p) {
    w.WriteText(
        Format("\t面荷载产生的下段土压力按延长墙背法计算：下墙背延长至地面，面荷载使其试算楔体主动土压力增加"
               "ΔE=%.2f kN/m，沿墙背均匀分布在过荷载两端、平行于不计面荷载时的破裂面（θ=%.2f°）的直线与延长"
               "墙背的交点之间",
               static_cast<double>(p.riseE), static_cast<double>(p.plane) * 180 / 3.14159265358979));
    const double band = static_cast<double>(p.bandBottom) - p.bandTop;
    if (!(band > 1e-6)) {
        w.WriteText("；荷载位于该破裂面以外，增加的土压力全部计入下墙，作用于墙踵：\n");
        w.WriteText(F("\t\tWriteSubScript(E,q2)=ΔE=%.2f kN/m\n", p.Eq2));
        return;
    }
    const float below = std::max(p.bandTop, p.platformDepth);
    w.WriteText(Format("（距延长墙背顶z=%.2f至%.2f m），下墙取衡重台（z=%.2f m）以下的部分：\n",
                       static_cast<double>(p.bandTop), static_cast<double>(p.bandBottom),
                       static_cast<double>(p.platformDepth)));
    const Expr share = Fraction(Q("WriteSubScript(z,2)", p.bandBottom) - Q("WriteSubScript(z,p)", below),
                                Q("WriteSubScript(z,2)", p.bandBottom) - Q("WriteSubScript(z,1)", p.bandTop));
    WriteFormula(w, "WriteSubScript(E,q2)", share * Q("ΔE", p.riseE), F("%.2f", p.Eq2), " kN/m\n");
}

// The lower wall in layered ground or water: the weight above the platform as σ0, then each layer by
// its own coefficient.
void WriteLayeredLower(ReportWriter& w, const ShelfPressureResult& p, const WallCase& c) {
    w.WriteText(
        F("\t衡重台以上的土重作为均布荷载：WriteSubScript(σ,0)=ΣγWriteSubScript(h,i)=%.2f kPa", p.sigma0) +
        "（地下水位以下按水土分算或合算取重度）；下段各层取本层的库伦主动土压力系数，"
        "WriteSubScript(σ,a)=WriteSubScript(K,a)σ：\n");
    Expr total;
    for (int i = 0; i < p.lower.layerCount; ++i) {
        const ThrustResult::Layer& part = p.lower.layers[i];
        const int n = part.index + 1;
        const float phi = AsShown(c.soil.m_afLayer[part.index][kLayerFriction]);
        w.WriteText(Format("\t第%d层（下墙背顶以下z=%.2f～%.2f m）：φ=%.2f°\n", n,
                           static_cast<double>(part.top), static_cast<double>(part.bottom),
                           static_cast<double>(phi)));
        WriteCoulombCoefficient(w, Format("WriteSubScript(K,a2-%d)", n).c_str(),
                                static_cast<float>(phi * 3.14159265358979 / 180), p.alpha2, p.delta, p.beta2,
                                part.Ka);
        const std::string e = Format("WriteSubScript(E,2-%d)", n);
        w.WriteText("\t\t" + e + F("=%.2f kN/m（本层压力图面积）\n", part.soil));
        total = i == 0 ? Q(e, part.soil) : total + Q(e, part.soil);
    }
    WriteBoundaryValues(w, p.lower, "WriteSubScript(E,2s)");
    if (p.stripFactor > 1.0005f)
        w.WriteText(
            F("\t下段有主动土压力系数大于第1层的土层，面荷载部分按其比值放大%.3f倍。\n", p.stripFactor));
    if (std::fabs(p.Eq2) >= 0.005f) WriteLowerSurcharge(w, p);
    Heading(w, "\t下段的总主动土压力：");
    WriteFormula(w, "WriteSubScript(E,a2)", WithSurcharge(total, "WriteSubScript(E,q2)", p.Eq2),
                 F("%.2f", p.E2), "kN/m \n");
}

// Subsections (1) and (2) of the earth pressure: upper and lower wall.
void WriteShelfPressure(ReportWriter& w, const ShelfPressureResult& p, const GroundSurface& g,
                        const WallCase& c) {
    const Expr h1 = Q("WriteSubScript(h,1)", p.h1), h2 = Q("WriteSubScript(h,2)", p.h2);
    const Expr Ka1 = Q("WriteSubScript(K,a1)", p.Ka1, "%.3f"), Ka2 = Q("WriteSubScript(K,a2)", p.Ka2, "%.3f");

    w.WriteText("\t（1）上段主动土压力计算\n");
    if (p.upper.layerCount > 0) {
        WriteLayeredDerivation(w, p.upper, c, g, kCoulomb);
        w.WriteText(F("\t上段的总主动土压力：WriteSubScript(E,a1)=%.2fkN/m \n", p.E1));
    } else {
        WriteThrustDerivation(w, p.upper, g, kCoulomb, "WriteSubScript(K,a1)");
        if (std::fabs(p.Eq1) >= 0.005f)
            w.WriteText(F("\t面荷载产生的上段土压力：WriteSubScript(E,q1)=%.2fkN/m \n", p.Eq1));
        Heading(w, "\t上段的总主动土压力：");
        WriteFormula(w, "WriteSubScript(E,a1)",
                     WithSurcharge(Triangle(p, h1, h1, Ka1), "WriteSubScript(E,q1)", p.Eq1), F("%.2f", p.E1),
                     "kN/m \n");
    }
    Components(w, "1", p.Ex, p.Ey, p.Zx, p.Zy);

    w.WriteText("\t（2）下段主动土压力计算\n");
    if (p.layered) {
        WriteLayeredLower(w, p, c);
        Components(w, "2", p.E2x, p.E2y, p.Z2x, p.Z2y);
        w.WriteText(F("\t衡重台上的土重：WriteSubScript(W,s)=%.2f kN/m\n", p.extraWeight));
        w.WriteText(F("\t相对于趾点力臂：WriteSubScript(Z,ws)=%.2f m\n", p.extraWeightArm));
        return;
    }
    Heading(w, "\t按库伦理论公式计算主动土压力系数WriteSubScript(K,a2)：");
    WriteCoulombCoefficient(w, "WriteSubScript(K,a2)", p.phi, p.alpha2, p.delta, p.beta2, p.Ka2);
    if (std::fabs(p.Eq2) >= 0.005f) WriteLowerSurcharge(w, p);
    Heading(w, "\t下段的总主动土压力（上段填土作为均布荷载γWriteSubScript(h,1)）：");
    const Expr soil = Triangle(p, h2, h2, Ka2) + Q("γ", p.gamma) * h1 * h2 * Ka2;
    WriteFormula(w, "WriteSubScript(E,a2)", WithSurcharge(soil, "WriteSubScript(E,q2)", p.Eq2),
                 F("%.2f", p.E2), "kN/m \n");
    Components(w, "2", p.E2x, p.E2y, p.Z2x, p.Z2y);
    w.WriteText(F("\t衡重台上的土重：WriteSubScript(W,s)=%.2f kN/m\n", p.extraWeight));
    w.WriteText(F("\t相对于趾点力臂：WriteSubScript(Z,ws)=%.2f m\n", p.extraWeightArm));
}

}  // namespace

void CalcReport::WriteShelfAnalysis(const ShelfWallResult& r) {
    SetAlignment(0);
    Heading(*this, "1、挡土墙自重计算");
    ResultLine(*this, "挡土墙总重：W=", "%.2f kN/m", r.W);
    ResultLine(*this, "挡土墙重力荷载作用位置：WriteSubScript(Z,w)=", "%.2f m", r.Zw);
    Heading(*this, "\n2、土压力计算");
    WriteText(
        "\t以衡重台为界分成两段计算，上段主动土压力为WriteSubScript(E,a1)，下段主动土压力为WriteSubScript(E,"
        "a2)。\n");
    WriteShelfPressure(*this, r.pressure, GroundOf(m_in.wallCase.soil), m_in.wallCase);
    WriteWaterActions(*this, r.water);
    // Layered ground or water: both backs' pressures, the lower below the platform.
    // (The two together may hold more nodes than one diagram: then the upper one alone.)
    const bool both = r.pressure.layered && !r.pressure.both.Overflowed();
    WriteLoadingSketch(both ? &r.pressure.both : &r.pressure.upper.diagram);
    // The line feed of the stability computation.
    WriteText("\n");
    WriteStabilityReport(*this, r.stability);
    Heading(*this, "6、墙身应力验算");
    WriteSectionStressReport(*this, r.section, SectionLabels::kShelf);
    if (r.platform.checked) WritePlatformReport(*this, r.platform);
}

}  // namespace wall
