// Reinforcement, crack-width and base-slab report lines.
#include "casereport/RcNarrative.h"

#include <algorithm>
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
        Heading(w, std::string_view(t.pd).substr(0, std::string_view(t.pd).size() - 1));
        WriteFormula(w, "pd", min + spread * heelShare, F("%.2f", p.pd), " kPa\n");
        Heading(w, std::string_view(t.pb).substr(0, std::string_view(t.pb).size() - 1));
        WriteFormula(w, "pb", min + spread * toeShare, F("%.2f", p.pb), " kPa\n");
        return;
    }
    const Expr Lc = Q("WriteSubScript(L,c)", p.contact);
    Heading(w, p.towardsHeel ? "\t基底自墙踵端起的受压长度：" : "\t基底自墙趾端起的受压长度：");
    WriteFormula(w, "WriteSubScript(L,c)", K("3") * Brackets(Fraction(B, K("2")) - Q("e", p.e)),
                 F("%.2f", p.contact), " m\n");
    // Distance of each root from the loaded edge, and the pressure there.
    auto root = [&](const char* label, const char* symbol, const Expr& distance, float value) {
        Heading(w, std::string_view(label).substr(0, std::string_view(label).size() - 1));
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

namespace {

// A moment in kN·m as N·mm.
Expr Moment(const char* symbol, float value) {
    return {symbol, Format("%.2f×10⁶", static_cast<double>(value))};
}

// The section's b and h (a T-section's flange too).
void WriteSection(ReportWriter& w, const ReinforcementResult& r) {
    const bool tee = r.kind == SectionKind::kTee;
    const std::string section = tee ? F("\t截面：腹板宽b=%.0f mm，", r.b) + F("h=%.0f mm，", r.h * 1000) +
                                          F("翼缘宽WriteSubScript(b,f)'=%.0f mm，", r.bf * 1000) +
                                          F("翼缘厚WriteSubScript(h,f)'=%.0f mm", r.hf * 1000)
                                    : F("\t截面：b=%.0f mm，", r.b) + F("h=%.0f mm", r.h * 1000);
    w.WriteText(section + "\n");
}

// αs, ξ against ξb and As of M at an effective depth, in the rectangle's formulas (a T-section's
// as its clause gives them).
void WriteFlexure(ReportWriter& w, const ReinforcementResult& r, float as, float h0, float alphaS, float xi,
                  float area, const std::string& barNote) {
    w.WriteText(F("\t受拉钢筋合力点至截面边缘的距离：WriteSubScript(a,s)=%.2f mm", as) + barNote +
                F("，WriteSubScript(h,0)=h-WriteSubScript(a,s)=%.2f mm\n", h0));
    const Expr a1fc = N(r.alpha1, "%.2f") * Q("WriteSubScript(f,c)", r.fc);
    const Expr h0e = Q("WriteSubScript(h,0)", h0);
    const bool tee = r.kind == SectionKind::kTee;
    if (!tee) {
        WriteFormula(w, "WriteSubScript(α,s)",
                     Fraction(Moment("M", r.M), a1fc * Q("b", r.b, "%.0f") * Squared(h0e)), F("%.4f", alphaS),
                     "\n");
    } else if (r.inFlange) {
        Heading(
            w,
            "\t中和轴位于翼缘内，按宽度为WriteSubScript(b,f)'的矩形截面计算（GB 50010-2010 第6.2.11条）：");
        WriteFormula(
            w, "WriteSubScript(α,s)",
            Fraction(Moment("M", r.M), a1fc * Q("WriteSubScript(b,f)'", r.bf * 1000, "%.0f") * Squared(h0e)),
            F("%.4f", alphaS), "\n");
    } else {
        Heading(w, "\t中和轴位于腹板内，扣除翼缘挑出部分承担的弯矩（GB 50010-2010 第6.2.11条）：");
        w.WriteText(
            F("\t\tWriteSubScript(α,s)=(M-WriteSubScript(α,1)WriteSubScript(f,c)(WriteSubScript(b,f)'-b)"
              "WriteSubScript(h,f)'(WriteSubScript(h,0)-WriteSubScript(h,f)'/2))/(WriteSubScript(α,1)"
              "WriteSubScript(f,c)bWriteSupScript(WriteSubScript(h,0),2))=%.4f\n",
              alphaS));
    }
    const Expr xiExpr = K("1") - Root(K("1") - K("2") * Q("WriteSubScript(α,s)", alphaS, "%.4f"));
    WriteFormula(w, "ξ", xiExpr, F("%.4f", xi),
                 F(xi <= r.xiB ? "≤WriteSubScript(ξ,b)=%.3f\n" : "＞WriteSubScript(ξ,b)=%.3f\n", r.xiB));
    if (xi > r.xiB) return;
    if (!tee)
        WriteFormula(w, "WriteSubScript(A,s)",
                     Fraction(a1fc * Q("b", r.b, "%.0f") * Q("ξ", xi, "%.4f") * h0e,
                              Q("WriteSubScript(f,y)", r.fy, "%.0f")),
                     F("%.2f", area), " WriteSupScript(mm,2)\n");
    else
        w.WriteText(F(
            "\t\tWriteSubScript(A,s)=%.2f WriteSupScript(mm,2)（T形截面，计入扶壁斜截面受拉边的长度系数）\n",
            area));
}

// σs, ρte, ψ and ωmax of the chosen bars (GB 50010-2010 §7.1.2, §7.1.4).
void WriteCrackWidth(ReportWriter& w, const ReinforcementResult& r) {
    const float As = r.bars.area;
    Heading(w, F("\t裂缝宽度验算（GB 50010-2010 第7.1.2条，WriteSubScript(d,eq)=%.0f mm）：", r.deq));
    if (!(r.Mk > 0)) {
        w.WriteText("\t\t标准组合下截面不受拉，不产生裂缝。\n");
    } else {
        const Expr AsE = Q("WriteSubScript(A,s)", As), h0e = Q("WriteSubScript(h,0)", r.barH0);
        WriteFormula(w, "WriteSubScript(σ,s)",
                     Fraction(Moment("WriteSubScript(M,k)", r.Mk), K("0.87") * h0e * AsE),
                     F("%.2f", r.sigmaS), " N/mm²\n");
        const bool tee = r.kind == SectionKind::kTee;
        // Ate = 0.5·b·h: a counterfort's flange is in compression (GB 50010-2010 §7.1.2).
        const float raw = As / (0.5f * r.b * r.h * 1000);
        if (tee) w.WriteText("\t\t翼缘（墙面板）位于受压区，WriteSubScript(A,te)=0.5bh：\n");
        WriteFormula(w, "WriteSubScript(ρ,te)",
                     Fraction(AsE, K("0.5") * Q("b", r.b, "%.0f") * Q("h", r.h * 1000, "%.0f")),
                     F("%.4f", raw), raw < 0.01f ? "＜0.01，取WriteSubScript(ρ,te)=0.01\n" : "\n");
        const float psiRaw = 1.1f - 0.65f * r.ftk / (r.rhoTe * r.sigmaS);
        WriteFormula(w, "ψ",
                     K("1.1") - Fraction(K("0.65") * Q("WriteSubScript(f,tk)", r.ftk),
                                         Q("WriteSubScript(ρ,te)", r.rhoTe, "%.4f") *
                                             Q("WriteSubScript(σ,s)", r.sigmaS)),
                     F("%.4f", psiRaw),
                     psiRaw < 0.2f   ? "＜0.2，取ψ=0.2\n"
                     : psiRaw > 1.0f ? "＞1.0，取ψ=1.0\n"
                                     : "\n");
        WriteFormula(
            w, "WriteSubScript(ω,max)",
            K("1.9") * Q("ψ", r.psi, "%.4f") *
                Fraction(Q("WriteSubScript(σ,s)", r.sigmaS), Q("WriteSubScript(E,s)", r.Es, "%.0f")) *
                Brackets(K("1.9") * Q("WriteSubScript(c,s)", r.cover) +
                         Fraction(K("0.08") * Q("WriteSubScript(d,eq)", r.deq, "%.0f"),
                                  Q("WriteSubScript(ρ,te)", r.rhoTe, "%.4f"))),
            F("%.4f", r.crackWidth), " mm\n");
    }
    // The sentence the verdict table and earlier reports share.
    w.WriteText("\t当钢筋配筋面积");
    w.WriteSubScript("A", "s");
    w.WriteText(F("=%.2f", As));
    w.WriteSupScript("mm", "2");
    w.WriteText("时，最大裂缝宽度\n\t\t\t");
    w.WriteText("WriteSubScript(ω,max)=");
    w.WriteText(Compared(r.crackWidth, r.crackLimit) + " mm");
    w.WriteText(F("≤%.2f mm\n", r.crackLimit));
}

}  // namespace

void WriteMaterials(ReportWriter& w, const ReinforcementResult& r) {
    if (!r.gradesKnown) return;
    w.WriteText(F("\t材料：WriteSubScript(f,c)=%.2f N/mm²，", r.fc) +
                F("WriteSubScript(f,t)=%.2f N/mm²，", r.ft) + F("WriteSubScript(f,tk)=%.2f N/mm²；", r.ftk) +
                F("WriteSubScript(f,y)=%.0f N/mm²，", r.fy) + F("WriteSubScript(E,s)=%.0f N/mm²；", r.Es) +
                F("WriteSubScript(α,1)=%.2f，", r.alpha1) +
                F("WriteSubScript(ξ,b)=%.3f（GB 50010-2010 第6.2.6、6.2.7条）\n", r.xiB));
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
    if (r.overReinforced) {
        WriteSection(w, r);
        WriteFlexure(w, r, r.as, r.h0, r.alphaS, r.xi, 0, "");
        w.WriteText(std::string(kOverReinforcedText));
        return;
    }
    if (!r.designed) {
        w.WriteText(std::string(kNotDesignableText));
        return;
    }
    WriteSection(w, r);
    const bool bars = r.bars.found;
    const std::string barNote = bars ? Format("（按所选钢筋Φ%.0f%s）", static_cast<double>(r.bars.diameter),
                                              r.bars.rows > 1 ? "双排" : "")
                                     : "";
    WriteFlexure(w, r, bars ? r.barAs : r.as, bars ? r.barH0 : r.h0, bars ? r.barAlphaS : r.alphaS,
                 bars ? r.barXi : r.xi, bars ? r.barDesignArea : r.designArea, barNote);
    // The ratio of the area the moment needs, on the whole depth, against the clause's minimum.
    const float design = bars ? r.barDesignArea : r.designArea;
    const float ratio = 100 * design / (r.b * r.h * 1000);
    if (design < r.minimumArea) {
        w.WriteText("\t抗弯拉筋构造配筋：配筋率ρ=");
        w.WriteText(Compared(ratio, r.minimumPercent) + "%");
        w.WriteText(
            F("＜WriteSubScript(ρ,min)=%.2f%%（GB 50010-2010 第8.5.1条），", r.minimumPercent) +
            F("取WriteSubScript(A,s)=WriteSubScript(ρ,min)bh=%.2f WriteSupScript(mm,2)\n", r.minimumArea));
    } else {
        w.WriteText(F("\t配筋率ρ=%.2f%%", ratio) +
                    F("≥WriteSubScript(ρ,min)=%.2f%%（GB 50010-2010 第8.5.1条）\n", r.minimumPercent));
    }
    if (!r.crackLimitMet) {
        w.WriteText(std::string(kCrackLimitNotMetText));
        return;
    }
    if (r.passes > 0)
        w.WriteText(
            F("\t按裂缝宽度控制，所需钢筋面积增至WriteSubScript(A,s)=%.2f WriteSupScript(mm,2)\n", r.area));
    if (!bars) {
        w.WriteText(std::string(r.kind == SectionKind::kTee ? kNoTeeBarsText : kNoBarsText));
        return;
    }
    const char* per = r.kind == SectionKind::kTee ? "" : "/m";
    const float need = std::max({r.area, r.barDesignArea, r.minimumArea});
    w.WriteText("\t选配钢筋：" + BarLabel(r.bars) +
                F("，实配WriteSubScript(A,s)=%.2f WriteSupScript(mm,2)", r.bars.area) + per +
                F("≥%.2f WriteSupScript(mm,2)", need) + per + "\n");
    WriteCrackWidth(w, r);
    if (r.distribution.found)
        w.WriteText(F("\t分布钢筋（GB 50010-2010 第9.1.7条）：不小于受力钢筋的15%%及0.15%%bh，需%.2f "
                      "WriteSupScript(mm,2)/m，",
                      r.distributionArea) +
                    "选配" + BarLabel(r.distribution) +
                    F("（%.2f WriteSupScript(mm,2)/m）\n", r.distribution.area));
}

void WriteBaseSlabReport(ReportWriter& w, const BaseSlabResult& s) {
    Heading(w, "\n2）底板截面强度验算");
    const BaseLoads& l = s.loads;
    if (l.HasWater()) {
        // What the water adds to Mv, Mh and G, so the sums can be checked.
        w.WriteText(
            "\t水压力按永久荷载计（水位稳定，GB 50009-2012 第3.1.1条）：墙后水压力取WriteSubScript(γ,G)，"
            "墙前水压力和基底扬压力减轻地基压力，取1.0：\n");
        auto d = [](float v) { return static_cast<double>(v); };
        w.WriteText(
            Format("\t\tMv中计入WriteSubScript(γ,G)×%.2f×%.2f-%.2f×%.2f，", d(l.PwV), d(l.Pwx), d(l.U),
                   d(l.Xu)) +
            Format("Mh中计入WriteSubScript(γ,G)×%.2f×%.2f-%.2f×%.2f，", d(l.Pw), d(l.Pwy), d(l.Pf), d(l.Yf)) +
            Format("G中计入WriteSubScript(γ,G)×%.2f-%.2f\n", d(l.PwV), d(l.U)));
        if (l.U > 0)
            w.WriteText(
                Format("\t\t扬压力对墙踵板根部的弯矩%.2f kN·m/m、剪力%.2f kN/m，对墙趾板根部的弯矩%.2f "
                       "kN·m/m、剪力%.2f kN/m（与地基压力同向向上；有利取1.0，不利取WriteSubScript(γ,G)）\n",
                       d(s.heelUplift), d(s.heelUpliftForce), d(s.toeUplift), d(s.toeUpliftForce)));
    }
    for (const BasePressures& p : s.design) {
        Heading(w,
                Format(" 按承载能力极限状态下荷载效应的基本组合 %s（%s）", p.factors.name, p.factors.source));
        WriteCombination(w, s, p, kDesign);
    }
    Heading(w, " 按正常使用极限状态下荷载效应的标准组合");
    WriteCombination(w, s, s.standard, kStandard);
}

}  // namespace wall
