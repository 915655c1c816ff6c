// The report's section on the seismic combination.
#include <cmath>

#include "analysis/EarthThrust.h"
#include "calc/Verdict.h"
#include "casereport/CalcReport.h"
#include "casereport/Formula.h"
#include "casereport/NarrativeLines.h"
#include "casereport/PressureNarrative.h"
#include "casereport/SectionNarrative.h"
#include "casereport/StabilityNarrative.h"

namespace wall {
namespace {

constexpr double kDegree = 180 / 3.14159265358979323846;

std::string Deg(double deg) {
    return deg < 0 ? Format("(%.2f°)", deg) : Format("%.2f°", deg);
}

// The intensity an acceleration of the code's table stands for (GB 50011-2010 Table 3.2.2).
std::string Intensity(float a) {
    struct Row {
        float a;
        const char* text;
    };
    static constexpr Row kRows[] = {{0.05f, "6度"}, {0.10f, "7度"},          {0.15f, "7度（0.15g）"},
                                    {0.20f, "8度"}, {0.30f, "8度（0.30g）"}, {0.40f, "9度"}};
    for (const Row& r : kRows)
        if (std::fabs(a - r.a) < 1e-4f) return Format("抗震设防烈度%s", r.text);
    return "不在规范分档内";
}

// The seismic-angle coefficient of the first layer, Coulomb's formula with φ − θ and δ + θ over cosθ
// (Mononobe–Okabe with kh = tanθ, kv = 0). Degrees in, the coefficient out.
double SeismicCoefficient(double phi, double alpha, double delta, double beta, double theta) {
    const double r = 1 / kDegree;
    const double A = std::sin((phi + delta) * r) * std::sin((phi - theta - beta) * r) /
                     (std::cos((alpha + delta + theta) * r) * std::cos((alpha - beta) * r));
    if (!(A >= 0)) return std::nan("");
    const double c = std::cos(alpha * r);
    return std::pow(std::cos((phi - theta - alpha) * r), 2) /
           (std::cos(theta * r) * c * c * std::cos((alpha + delta + theta) * r) *
            std::pow(1 + std::sqrt(A), 2));
}

void WriteCoefficient(ReportWriter& w, double phi, double alpha, double delta, double beta, double theta) {
    const double r = 1 / kDegree;
    const double A = std::sin((phi + delta) * r) * std::sin((phi - theta - beta) * r) /
                     (std::cos((alpha + delta + theta) * r) * std::cos((alpha - beta) * r));
    const double K = SeismicCoefficient(phi, alpha, delta, beta, theta);
    if (!std::isfinite(K)) return;
    const std::string p = Deg(phi), a = Deg(alpha), d = Deg(delta), b = Deg(beta), t = Deg(theta);
    const std::string Av = Format("%.4f", A);
    WriteFormula(w, "A",
                 {"sin(φ+δ)sin(φ-θ-β)/(cos(α+δ+θ)cos(α-β))", "sin(" + p + "+" + d + ")×sin(" + p + "-" + t +
                                                                 "-" + b + ")/(cos(" + a + "+" + d + "+" + t +
                                                                 ")×cos(" + a + "-" + b + "))"},
                 Av, "\n");
    WriteFormula(w, "WriteSubScript(K,aE)",
                 {"cos²(φ-θ-α)/(cosθ·cos²α·cos(α+δ+θ)·(1+√A)²)", "cos²(" + p + "-" + t + "-" + a + ")/(cos" +
                                                                     t + "×cos²" + a + "×cos(" + a + "+" + d +
                                                                     "+" + t + ")×(1+√" + Av + ")²)"},
                 Format("%.3f", K), "\n");
}

}  // namespace

void CalcReport::WriteSeismicAnalysis(const SeismicResult& e, const std::string& heading) {
    const WallCase& c = m_in.wallCase;
    Heading(*this, heading);
    const SeismicAngles& an = e.angles;
    WriteText(
        Format("\t设计基本地震加速度A=%.2fg（%s），", e.acceleration, Intensity(e.acceleration).c_str()) +
        Format("地震角：水上θ=%.1f°，水下WriteSubScript(θ,w)=%.1f°", an.theta, an.thetaWater) +
        (an.fromTable ? "（GB 50023-2009 表4.2.9）\n" : "（按给定值）\n"));
    WriteText(Format("\t重要性修正系数WriteSubScript(C,i)=%.2f，综合影响系数WriteSubScript(C,z)=%.2f\n",
                     e.importance, e.cz));
    if (!e.refusal.empty()) {
        WriteText("\t" + e.refusal + "地震作用下的验算不满足。\n");
        return;
    }
    WriteText(
        "\t地震土压力按地震角法计算（GB 50023-2009 "
        "第4.2.9条）：库伦公式中以φ-θ代替φ、δ+θ代替δ，填土重度和面荷载除以cosθ；地下水位以下用"
        "WriteSubScript(θ,w)及有效重度。无黏性土时与Mononobe-Okabe公式（WriteSubScript(k,h)=tanθ，"
        "WriteSubScript(k,v)=0）相同。\n");
    WriteText(
        "\t地震土压力的作用方向仍取实际的墙背摩擦角（不加θ）：水平分量较大、竖向分量较小，偏于安全。\n");

    // The thrust of the seismic analysis, with its loading sketch and diagram.
    const ThrustResult* t =
        e.gravity ? (e.gravity->theory == kCoulomb ? &e.gravity->coulomb.thrust : &e.gravity->rankine.thrust)
        : e.shelf ? &e.shelf->pressure.upper
        : e.cantilever ? &e.cantilever->back.thrust
                       : &e.counterfort->back.thrust;
    const PressureDiagram* diagram = &t->diagram;
    if (e.shelf && e.shelf->pressure.layered && !e.shelf->pressure.both.Overflowed())
        diagram = &e.shelf->pressure.both;
    WriteSketchPair(m_seismicSketch, m_seismicPressure, LoadingSketchLoads(e), diagram,
                    "地震作用下的土压力分布图");

    const bool rankine = (e.gravity && e.gravity->theory == kRankine) ||
                         ((e.cantilever || e.counterfort) && c.soil.m_nTheory != kCoulomb);
    const GroundSurface g = GroundOf(c.soil);
    const double phi = AsShown(c.soil.m_afLayer[0][kLayerFriction]);
    const double beta = std::max(0.0, g.AngleAt(t->back.top.x) * kDegree);
    Heading(*this, rankine ? "\t第一层土的地震主动土压力系数（朗肯：竖直墙背，δ=β的库伦系数代入地震角）："
                           : "\t第一层土的地震主动土压力系数（库伦公式代入地震角）：");
    if (rankine)
        WriteCoefficient(*this, phi, 0, beta, beta, an.theta);
    else
        WriteCoefficient(*this, phi, t->back.Angle() * kDegree, c.wall.m_fWallFriction, beta, an.theta);
    if (rankine && c.soil.m_afLayer[0][kLayerCohesion] > 0)
        WriteText("\t黏聚力项按静力时的数值扣除（不随地震角改变）。\n");
    if (rankine && t->groundRatio > 1)
        WriteText(Format("\t远处坡面比墙顶处更陡：填土部分乘以按地震角法（δ=β+θ）试算楔体所得之比r=%.4f。\n",
                         static_cast<double>(t->groundRatio)));
    WriteText("\t其余各土层、水下部分和面荷载按同一方法分别计算，得地震土压力沿墙背的分布：\n");
    WriteBoundaryValues(*this, *t, "WriteSubScript(E,1E)");
    if (e.gravity) {
        const PressureLines& p = e.gravity->pressure;
        ResultLine(*this, "地震土压力总值：WriteSubScript(E,aE)=", "%.2f kN/m", p.E);
        ResultLine(*this, "x方向分量：WriteSubScript(E,x)=", "%.2f kN/m", p.Ex);
        ResultLine(*this, "y方向分量：WriteSubScript(E,y)=", "%.2f kN/m", p.Ey);
        ResultLine(*this, "x方向作用位置：WriteSubScript(Z,x)=", "%.2f m", p.Zx);
        ResultLine(*this, "y方向作用位置：WriteSubScript(Z,y)=", "%.2f m", p.Zy);
    } else if (e.shelf) {
        const ShelfPressureResult& p = e.shelf->pressure;
        ResultLine(*this, "上墙地震土压力：WriteSubScript(E,a1E)=", "%.2f kN/m", p.E1);
        ResultLine(*this, "下墙地震土压力：WriteSubScript(E,a2E)=", "%.2f kN/m", p.E2);
    } else {
        const ImaginaryBackResult& b = e.cantilever ? e.cantilever->back : e.counterfort->back;
        ResultLine(*this, "假想墙背上的地震土压力：WriteSubScript(E,aE)=", "%.2f kN/m", b.E);
        ResultLine(*this, "x方向分量：WriteSubScript(E,x)=", "%.2f kN/m", b.Ex);
        ResultLine(*this, "y方向分量：WriteSubScript(E,y)=", "%.2f kN/m", b.Ey);
    }

    // The inertia of the wall and of the soil it carries, each at its centroid.
    const StabilityResult& s = *e.Stability();
    Heading(*this, "\t水平地震作用（作用于各自重心，F=WriteSubScript(C,i)WriteSubScript(C,z)(A/g)G）：");
    for (const Action& a : s.actions) {
        if (!a.Inertia()) continue;
        // The weight the force comes from: the wall's, or the soil's it carries.
        const char* what = a.fxSymbol == std::string_view("Fw")   ? "墙身"
                           : a.fxSymbol == std::string_view("Fs") ? "衡重台上土体"
                           : a.fxSymbol == std::string_view("F1") ? "墙踵板上土体"
                                                                  : "墙背上方土体";
        const float G = a.Fx / e.inertiaFactor;
        WriteText(Format("\t\t%s：", what) + Symbol(a.fxSymbol) +
                  Format("=%.2f×%.2f×%.2f×%.2f=%.2f kN/m，", e.importance, e.cz, e.acceleration, G, a.Fx) +
                  Symbol(a.ySymbol) + F("=%.2f m\n", a.y));
    }
    WriteText(
        "\t地震作用下基底零应力区的面积不大于基底面积的25%（GB 50191-2012 "
        "第4.2.5条），偏心距限值不大于0.25B；"
        "基底压力按地震作用效应标准组合（GB 50011-2010 第4.2.2条）。\n");
    WriteStabilityReport(*this, s,
                         {"（1）地震作用下的抗倾覆稳定验算", "\n（2）地震作用下的抗滑移稳定验算",
                          "\n（3）地震作用下的地基验算", true});
    if (e.gravity || e.shelf) {
        Heading(*this, "（4）地震作用下的墙身应力验算");
        WriteSectionStressReport(*this, e.gravity ? e.gravity->section : e.shelf->section,
                                 e.gravity ? SectionLabels::kGravity : SectionLabels::kShelf);
        if (e.gravity && e.gravity->toe.checked) WriteToeReport(*this, e.gravity->toe);
        if (e.shelf && e.shelf->platform.checked) WritePlatformReport(*this, e.shelf->platform);
        WriteText("\n");
    }
    if (e.overall.checked) WriteOverallAnalysis(e.overall, "（5）地震作用下的整体稳定验算");
    if (!e.sections.empty()) WriteSeismicSections(e);
}

}  // namespace wall

namespace wall {
namespace {

// γRE·VE against the slab's concrete share, or the counterfort's section limit and stirrups.
void WriteSeismicShear(CalcReport& w, const SeismicSection& s) {
    const ShearResult& v = s.shear;
    if (!v.checked) return;
    const char* unit = v.beam ? " kN" : " kN/m";
    if (s.how == SeismicMoment::kCombined)
        WriteFormula(w, "WriteSubScript(V,E)",
                     N(kGammaGSeismic, "%.1f") * Q("WriteSubScript(V,k)", s.Vk) +
                         N(kGammaEh, "%.1f") *
                             Brackets(Q("WriteSubScript(V,kE)", s.VkE) - Q("WriteSubScript(V,k)", s.Vk)) +
                         N(kGammaEh, "%.1f") * Q("WriteSubScript(V,i)", s.Vi),
                     F("%.2f", s.VE), std::string(unit) + "\n");
    else
        w.WriteText(F("\t\tWriteSubScript(V,E)=%.2f", s.VE) + unit + "（地震作用下的底板基本组合剪力）\n");
    if (!v.beam) {
        WriteFormula(
            w, "WriteSubScript(γ,RE)WriteSubScript(V,E)",
            N(kGammaReShear, "%.2f") * Q("WriteSubScript(V,E)", s.VE), F("%.2f", s.VEreduced),
            F(v.ok ? " kN/m≤0.7WriteSubScript(β,h)WriteSubScript(f,t)bWriteSubScript(h,0)=%.2f kN/m"
                   : " kN/m＞0.7WriteSubScript(β,h)WriteSubScript(f,t)bWriteSubScript(h,0)=%.2f kN/m",
              v.Vc) +
                "（GB 50010-2010 第6.3.3条），" + (v.ok ? "满足！\n" : "不满足！需加大板厚或配置抗剪钢筋\n"));
        return;
    }
    const char* k = s.spanRatio > 2.5f ? "0.20" : "0.15";
    WriteFormula(w, "WriteSubScript(γ,RE)WriteSubScript(V,E)",
                 N(kGammaReShear, "%.2f") * Q("WriteSubScript(V,E)", s.VE), F("%.2f", s.VEreduced),
                 Format(v.sectionOk ? " kN≤%sWriteSubScript(β,c)WriteSubScript(f,c)bWriteSubScript(h,0)"
                                    : " kN＞%sWriteSubScript(β,c)WriteSubScript(f,c)bWriteSubScript(h,0)",
                        k) +
                     F("=%.2f kN", v.limit) + F("（跨高比%.2f，GB 50010-2010 第11.3.3条），", s.spanRatio) +
                     (v.sectionOk ? "截面尺寸满足\n" : "截面尺寸不满足！\n"));
    if (v.stirrupsNeeded)
        w.WriteText(
            F("\t\tWriteSubScript(γ,RE)WriteSubScript(V,E)＞0.6×0.7WriteSubScript(f,t)bWriteSubScript(h,0)"
              "=%.2f kN，需按计算配置箍筋：",
              v.Vc) +
            F("WriteSubScript(A,sv)/s=%.2f WriteSupScript(mm,2)/m（GB 50010-2010 第11.3.4、9.2.9条）\n",
              v.stirrups));
    else
        w.WriteText(
            F("\t\tWriteSubScript(γ,RE)WriteSubScript(V,E)≤0.6×0.7WriteSubScript(f,t)bWriteSubScript(h,0)"
              "=%.2f kN，按构造配置箍筋（GB 50010-2010 第11.3.4条）\n",
              v.Vc));
}

}  // namespace

void CalcReport::WriteSeismicSections(const SeismicResult& e) {
    Heading(*this,
            Format("\n（4）地震作用下的截面设计（GB 50011-2010 第5.4.1、5.4.2条：WriteSubScript(γ,G)=%.1f，"
                   "WriteSubScript(γ,Eh)=%.1f，承载力抗震调整系数WriteSubScript(γ,RE)：受弯%.2f，受剪%.2f）",
                   kGammaGSeismic, kGammaEh, kGammaReFlexure, kGammaReShear));
    WriteText(
        "\t立板、墙面板和扶壁：WriteSubScript(M,E)=WriteSubScript(γ,G)WriteSubScript(M,k)+WriteSubScript(γ,"
        "Eh)"
        "(WriteSubScript(M,kE)-WriteSubScript(M,k))+WriteSubScript(γ,Eh)WriteSubScript(M,i)，"
        "WriteSubScript(M,k)、WriteSubScript(M,kE)为静力和地震作用下土压力（含水压力、面荷载）的标准值弯矩，"
        "WriteSubScript(M,i)"
        "为截面以上混凝土水平地震作用的弯矩；剪力WriteSubScript(V,E)"
        "同样组合；面荷载全部计入重力荷载代表值（偏于安全）。\n");
    WriteText(
        "\t底板：由地震作用下的基底压力按基本组合计算（不利作用的分项系数不小于1.3，有利时取1.0），"
        "不小于规范组合值，偏于安全。\n");
    WriteText(
        "\t各截面按静力组合设计值M与WriteSubScript(γ,RE)WriteSubScript(M,E)的较大者配筋；"
        "裂缝宽度仍按静力组合验算。\n");
    for (const SeismicSection& s : e.sections) {
        Heading(*this, "\t" + SectionTitle(s.name) + "：");
        if (s.how == SeismicMoment::kCombined)
            WriteFormula(*this, "WriteSubScript(M,E)",
                         N(kGammaGSeismic, "%.1f") * Q("WriteSubScript(M,k)", s.Mk) +
                             N(kGammaEh, "%.1f") *
                                 Brackets(Q("WriteSubScript(M,kE)", s.MkE) - Q("WriteSubScript(M,k)", s.Mk)) +
                             N(kGammaEh, "%.1f") * Q("WriteSubScript(M,i)", s.Mi),
                         F("%.2f", s.ME), " kN·m\n");
        else
            WriteText(F("\t\tWriteSubScript(M,E)=%.2f kN·m（地震作用下的底板基本组合弯矩）\n", s.ME));
        WriteFormula(*this, "WriteSubScript(γ,RE)WriteSubScript(M,E)",
                     N(kGammaReFlexure, "%.2f") * Q("WriteSubScript(M,E)", s.ME), F("%.2f", s.MEreduced),
                     s.seismicGoverns ? F(" kN·m＞M=%.2f kN·m，按地震作用组合配筋：\n", s.Mstatic)
                                      : F(" kN·m≤M=%.2f kN·m，按静力组合配筋。\n", s.Mstatic));
        if (s.seismicGoverns) {
            const ReinforcementResult& d = s.design;
            if (!d.designed || !d.crackLimitMet)
                WriteText(d.overReinforced ? std::string(kOverReinforcedText)
                                           : std::string("\t\t截面无法配筋！\n"));
            else if (!d.bars.found)
                WriteText(std::string(d.kind == SectionKind::kTee ? kNoTeeBarsText : kNoBarsText));
            else
                WriteText(Format("\t\tWriteSubScript(A,s)=%.2f mm²，选配%s（实配%.2f mm²），ξ=%.3f\n", d.area,
                                 BarLabel(d.bars).c_str(), d.bars.area, d.barXi));
        }
        WriteSeismicShear(*this, s);
    }
}

}  // namespace wall
