// Reinforcement, crack-width and base-slab report lines.
#include "casereport/RcNarrative.h"

#include <cmath>

#include "casereport/Formula.h"
#include "casereport/NarrativeLines.h"

namespace wall {
namespace {

// The symbols of one load combination.
struct CombinationText {
    const char* mv;  // label of the moment of the vertical forces
    const char* mh;
    const char* g;
    const char* pd;
    const char* pb;
    const char* Mv;  // symbols
    const char* Mh;
    const char* G;
};

constexpr CombinationText kDesign = {
    "\t竖向力引起的弯矩设计值：Mv=",
    "\t水平力引起的弯矩设计值：Mh=",
    "\t总竖向力设计值：G=",
    "\t墙踵板根部点的地基压力设计值：\n",
    "\t墙趾板根部点的地基压力设计值：\n",
    "Mv",
    "Mh",
    "G",
};

constexpr CombinationText kStandard = {
    "\t竖向力引起的弯矩标准值：Mvk=",
    "\t水平力引起的弯矩标准值：Mhk=",
    "\t总竖向力标准值：Gk=",
    "\t墙踵板根部点的地基压力标准值：\n",
    "\t墙趾板根部点的地基压力标准值：\n",
    "Mvk",
    "Mhk",
    "Gk",
};

// The pressures at the roots: linear over the whole base, or over the contact length 3(B/2 − e) from
// the edge the resultant leans to where part of the base lifts off (GB 50007-2011 §5.2.2).
void WriteRootPressures(ReportWriter& w, const BaseSlabResult& s, const BasePressures& p,
                        const CombinationText& t) {
    const Expr B = Q("B", s.B), B1 = Q("WriteSubScript(B,1)", s.B1), B2 = Q("WriteSubScript(B,2)", s.B2);
    const Expr max = Q("WriteSubScript(σ,max)", p.sigmaMax), min = Q("WriteSubScript(σ,min)", p.sigmaMin);
    if (!p.zeroStressZone) {
        // σmax at the edge the resultant leans to, σmin at the other.
        const Expr spread = Brackets(max - min);
        const Expr heelShare = p.towardsHeel ? Fraction(B - B2, B) : Fraction(B2, B);
        const Expr toeShare = p.towardsHeel ? Fraction(B1, B) : Fraction(B - B1, B);
        w.WriteText(t.pd);
        WriteFormula(w, "pd", min + spread * heelShare, F("%.2f", p.pd), " kPa\n");
        w.WriteText(t.pb);
        WriteFormula(w, "pb", min + spread * toeShare, F("%.2f", p.pb), " kPa\n");
        return;
    }
    const Expr Lc = Q("WriteSubScript(L,c)", p.contact);
    w.WriteText(p.towardsHeel ? "\t基底自墙踵端起的受压长度：\n" : "\t基底自墙趾端起的受压长度：\n");
    WriteFormula(w, "WriteSubScript(L,c)", K("3") * Brackets(Fraction(B, K("2")) - Q("e", p.e)),
                 F("%.2f", p.contact), " m\n");
    // Distance of each root from the loaded edge, and the pressure there.
    auto root = [&](const char* label, const char* symbol, const Expr& distance, float value) {
        w.WriteText(label);
        if (value > 0)
            WriteFormula(w, symbol, max * Brackets(K("1") - Fraction(distance, Lc)), F("%.2f", value),
                         " kPa\n");
        else
            w.WriteText(Format("\t\t%s=0（该处位于受压长度以外，基底与地基脱开）\n", symbol));
    };
    root(t.pd, "pd", p.towardsHeel ? B2 : B - B2, p.pd);
    root(t.pb, "pb", p.towardsHeel ? B - B1 : B1, p.pb);
}

void WriteCombination(ReportWriter& w, const BaseSlabResult& s, const BasePressures& p,
                      const CombinationText& t) {
    w.WriteText(t.mv);
    w.WriteText(F("%.2f kN·m/m \n", p.Mv));
    w.WriteText(t.mh);
    w.WriteText(F("%.2f kN·m/m \n", p.Mh));
    w.WriteText(t.g);
    w.WriteText(F("%.2f kN/m \n", p.G));
    if (!(p.G > 0)) {
        w.WriteText("\t总竖向力不大于零，墙体脱离地基，求不出基底压力，底板无法进行配筋计算！\n");
        return;
    }
    const Expr B = Q("B", s.B), G = Q(t.G, p.G), e = Q("e", p.e);
    const Expr half = Fraction(B, K("2")), arm = Fraction(Q(t.Mv, p.Mv) - Q(t.Mh, p.Mh), G);
    Heading(w, "\t偏心距：");
    WriteFormula(w, "e", s.B / 2 - (p.Mv - p.Mh) / p.G >= 0 ? half - arm : arm - half, F("%.2f", p.e),
                 " m \n");
    if (p.resultantOutsideBase) {
        w.WriteText("\t∵e≥B/2\n\t∴基底合力作用点位于基底以外，求不出基底压力，底板无法进行配筋计算！\n");
        return;
    }
    WriteBaseStresses(w, G, e, s.B, p.zeroStressZone, p.sigmaMax, p.sigmaMin,
                      {"\t∵e>B/6\n\t∴基底地基土出现零应力区，最大应力值：", "\t基底最大应力值：",
                       "\t基底压力最小值：", " kPa\n"});
    WriteRootPressures(w, s, p, t);
}

}  // namespace

void WriteShearResult(ReportWriter& w, const ShearResult& s) {
    if (!s.checked) return;
    const char* factors = kBasicCombinations[s.combination].name;
    if (!s.beam) {
        w.WriteText(Format("\t斜截面受剪（%s）：V=", factors) + Compared(std::fabs(s.V), s.Vc) + " kN/m");
        w.WriteText(F(s.ok ? "≤0.7WriteSubScript(β,h)WriteSubScript(f,t)bWriteSubScript(h,0)=%.2f kN/m"
                           : "＞0.7WriteSubScript(β,h)WriteSubScript(f,t)bWriteSubScript(h,0)=%.2f kN/m",
                      s.Vc) +
                    F("（WriteSubScript(β,h)=%.3f，GB 50010-2010 第6.3.3条）", s.betaH) +
                    (s.ok ? "，满足！\n" : "，不满足！需加大板厚或配置抗剪钢筋\n"));
        return;
    }
    w.WriteText(Format("\t斜截面受剪（%s）：V=", factors) + Compared(std::fabs(s.V), s.limit) + " kN" +
                F(s.sectionOk ? "≤WriteSubScript(β,c)WriteSubScript(f,c)bWriteSubScript(h,0)限值%.2f kN（GB "
                                "50010-2010 第6.3.1条），截面尺寸满足\n"
                              : "＞WriteSubScript(β,c)WriteSubScript(f,c)bWriteSubScript(h,0)限值%.2f kN（GB "
                                "50010-2010 第6.3.1条），截面尺寸不满足！\n",
                  s.limit));
    if (s.stirrupsNeeded)
        w.WriteText(
            F("\t\tV＞0.7WriteSubScript(f,t)bWriteSubScript(h,0)=%.2f kN，需按计算配置箍筋：", s.Vc) +
            F("WriteSubScript(A,sv)/s=%.2f WriteSupScript(mm,2)/m（GB 50010-2010 第6.3.4、9.2.9条）\n",
              s.stirrups));
    else
        w.WriteText(
            F("\t\tV≤0.7WriteSubScript(f,t)bWriteSubScript(h,0)=%.2f kN，按构造配置箍筋（GB 50010-2010 "
              "第6.3.4条）\n",
              s.Vc));
}

void WriteReinforcementResult(ReportWriter& w, const ReinforcementResult& r) {
    if (!r.loadsKnown) {
        w.WriteText(std::string(kNoBasePressureText));
        return;
    }
    if (!r.gradesKnown) {
        w.WriteText(std::string(kUnknownGradeText));
        return;
    }
    if (!r.designed) {
        w.WriteText(std::string(kNotDesignableText));
        return;
    }
    // The ratio of the area the moment needs, on the whole depth, against the clause's minimum.
    if (r.minimumRatio) {
        w.WriteText("\t抗弯拉筋构造配筋：配筋率ρ=");
        w.WriteText(Compared(r.ratio, r.minimumPercent) + "%");
        w.WriteText(
            F("＜WriteSubScript(ρ,min)=%.2f%%（GB 50010-2010 第8.5.1条），", r.minimumPercent) +
            F("取WriteSubScript(A,s)=WriteSubScript(ρ,min)bh=%.2f WriteSupScript(mm,2)\n", r.minimumArea));
    } else {
        w.WriteText(F("\t配筋率ρ=%.2f%%", r.ratio) +
                    F("≥WriteSubScript(ρ,min)=%.2f%%（GB 50010-2010 第8.5.1条）\n", r.minimumPercent));
    }
    if (!r.crackLimitMet) {
        w.WriteText(std::string(kCrackLimitNotMetText));
        return;
    }
    w.WriteText("\t当钢筋配筋面积");
    w.WriteSubScript("A", "s");
    w.WriteText(F("=%.2f", r.area));
    w.WriteSupScript("mm", "2");
    w.WriteText("时，最大裂缝宽度\n\t\t\t");
    w.WriteText("WriteSubScript(ω,max)=");
    w.WriteText(Compared(r.crackWidth, r.crackLimit) + " mm");
    w.WriteText(F("≤%.2f mm\n", r.crackLimit));
}

void WriteBaseSlabReport(ReportWriter& w, const BaseSlabResult& s) {
    Heading(w, "\n2）底板截面强度验算");
    for (const BasePressures& p : s.design) {
        w.WriteText(
            Format(" 按承载能力极限状态下荷载效应的基本组合 %s（%s）\n", p.factors.name, p.factors.source));
        WriteCombination(w, s, p, kDesign);
    }
    w.WriteText(" 按正常使用极限状态下荷载效应的标准组合\n");
    WriteCombination(w, s, s.standard, kStandard);
}

}  // namespace wall
