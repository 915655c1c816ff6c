// Overturning, sliding and base-pressure report lines.
#include "casereport/StabilityNarrative.h"

#include <cmath>

#include "analysis/WallSection.h"
#include "casereport/Formula.h"
#include "casereport/NarrativeLines.h"

namespace wall {
namespace {

// The sums the three checks are made of, in symbols and printed values.
struct Sums {
    Expr resisting;                // moment of the vertical forces about the toe
    Expr overturning;              // moment of the horizontal forces
    Expr vertical;                 // ΣG + ΣEy
    Expr horizontal;               // ΣEx
    bool horizontalIsSum = false;  // a shelf wall's two thrusts
    Expr baseResisting;            // with the favourable variable loads, for the base
    Expr baseVertical;
    Expr loads;     // those loads' moments alone
    Expr heldBack;  // moments of the surcharge's thrusts acting below the toe, left out of M0
    bool anyHeldBack = false;
};

// The terms in list order: every force's vertical part with its arm resists, every thrust's
// horizontal part with its height overturns. The water behind is a thrust; the water in front resists
// with its moment and against ΣEx; the uplift lessens the vertical forces and its moment overturns.
Sums SumsOf(const ActionList& actions) {
    Sums s;
    bool anyVertical = false, anyHorizontal = false, anyOverturning = false;
    bool anyBase = false, anyLoad = false;
    auto add = [](Expr& sum, bool& any, const Expr& term) {
        sum = any ? sum + term : term;
        any = true;
    };
    for (const Action& a : actions) {
        if (a.Inertia()) continue;  // horizontal only
        if (a.kind == ActionKind::kUplift) {
            const Expr u = Q(Symbol(a.fySymbol), -a.Fy);
            s.vertical = s.vertical - u;
            s.baseVertical = s.baseVertical - u;
            continue;
        }
        if (a.kind == ActionKind::kWaterFront) {
            const Expr moment = Q(Symbol(a.fxSymbol), -a.Fx) * Q(Symbol(a.ySymbol), a.y);
            add(s.resisting, anyVertical, moment);
            s.baseResisting = anyBase ? s.baseResisting + moment : moment;
            anyBase = true;
            continue;
        }
        const Expr v = Q(Symbol(a.fySymbol), a.Fy);
        const Expr moment = v * Q(Symbol(a.xSymbol), a.x);
        s.baseResisting = anyBase ? s.baseResisting + moment : moment;
        s.baseVertical = anyBase ? s.baseVertical + v : v;
        anyBase = true;
        if (a.FavourableVariable()) {
            add(s.loads, anyLoad, moment);
            continue;
        }
        s.resisting = anyVertical ? s.resisting + moment : moment;
        s.vertical = anyVertical ? s.vertical + v : v;
        anyVertical = true;
    }
    for (const Action& a : actions) {
        if (a.kind == ActionKind::kWaterFront) {
            s.horizontal = s.horizontal - Q(Symbol(a.fxSymbol), -a.Fx);
            s.horizontalIsSum = true;
            continue;
        }
        if (a.kind == ActionKind::kUplift) {
            add(s.overturning, anyOverturning, Q(Symbol(a.fySymbol), -a.Fy) * Q(Symbol(a.xSymbol), a.x));
            if (a.Fx != 0) {
                const Expr h = Q(Symbol(a.fxSymbol), a.Fx);
                s.overturning = s.overturning + h * Q(Symbol(a.ySymbol), a.y);
                s.horizontal = s.horizontal + h;
                s.horizontalIsSum = true;
            }
            continue;
        }
        if (!a.Horizontal() && !a.Inertia() && a.kind != ActionKind::kWaterBehind) continue;
        const Expr h = Q(Symbol(a.fxSymbol), a.Fx);
        s.horizontalIsSum = anyHorizontal;
        s.horizontal = anyHorizontal ? s.horizontal + h : h;
        const Expr moment = h * Q(Symbol(a.ySymbol), a.y);
        if (a.Overturns() || a.kind == ActionKind::kWaterBehind) {
            add(s.overturning, anyOverturning, moment);
        } else {
            add(s.heldBack, s.anyHeldBack, moment);
        }
        anyHorizontal = true;
    }
    return s;
}

constexpr const char* kResisting = "WriteSubScript(M,y)";    // moment resisting overturning
constexpr const char* kOverturning = "WriteSubScript(M,0)";  // overturning moment

std::string Verdict(float factor, double required, bool ok, const char* check) {
    return Compared(factor, required) + (ok ? Format(" ≥%g   %s验算满足！\n", required, check)
                                            : Format(" ＜%g   %s验算不满足！\n", required, check));
}

void Overturning(ReportWriter& w, const StabilityResult& s, const Sums& sums, const StabilityHeadings& h) {
    Heading(w, h.overturning);
    if (s.favourableLoads)
        w.WriteText(
            "\t面荷载的竖向作用（墙踵或墙背上的面荷载，面荷载土压力的竖向分量）对抗倾覆、抗滑移有利，"
            "按可变荷载有利时不计（GB 55001-2021 "
            "第3.1.13条），只计入基底压力；面荷载土压力的水平分量计入。\n");
    if (sums.anyHeldBack)
        w.WriteText(
            "\t面荷载土压力作用点低于墙趾，其对墙趾的力矩抗倾覆，按可变荷载有利时不计入倾覆力矩，"
            "只计入基底压力。\n");
    // The two moments are printed once, here; the factor and the eccentricity use their values.
    Heading(w, "\t抗倾覆力矩（对墙趾）：");
    WriteFormula(w, kResisting, sums.resisting, F("%.2f", s.resistingMoment), " kN·m/m\n");
    Heading(w, "\t倾覆力矩（对墙趾）：");
    WriteFormula(w, kOverturning, sums.overturning, F("%.2f", s.overturningMoment), " kN·m/m\n");
    // Where a driving or resisting action is not positive there is no factor: a sentence says why.
    if (s.noOverturningTendency) {
        w.WriteText("\t倾覆力矩不大于零，墙体无倾覆趋势，抗倾覆稳定验算满足！\n");
        return;
    }
    if (!(s.resistingMoment > 0)) {
        w.WriteText("\t抗倾覆力矩不大于零，墙体在自重下即向墙趾倾覆，抗倾覆稳定验算不满足！\n");
        return;
    }
    Heading(w, "\t挡土墙抗倾覆稳定安全系数：");
    const Expr factor = Fraction(Q(kResisting, s.resistingMoment), Q(kOverturning, s.overturningMoment));
    if (!s.overturningWithoutLoad) {
        WriteFormula(w, "WriteSubScript(K,q)", factor, "",
                     Verdict(s.Kq, s.requiredOverturning, s.overturningOk, "抗倾覆稳定"));
        return;
    }
    // Without the strip the trial wedge's plane lies elsewhere and the wall overturns more readily.
    WriteFormula(w, "WriteSubScript(K,q)", factor, F("%.2f", s.KqWithLoad), "\n");
    w.WriteText(
        "\t不计面荷载时破裂面位置改变，抗倾覆更不利；面荷载为可变荷载，有利时不计（GB 55001-2021 "
        "第3.1.13条），按不计面荷载验算：\n");
    for (const Action& a : s.unloaded) {
        if (!a.Horizontal()) continue;
        w.WriteText("\t\t" + Symbol(a.fxSymbol) + F("=%.2f kN/m，", a.Fx) + Symbol(a.fySymbol) +
                    F("=%.2f kN/m，", a.Fy) + Symbol(a.xSymbol) + F("=%.2f m，", a.x) + Symbol(a.ySymbol) +
                    F("=%.2f m\n", a.y));
    }
    const Sums u = SumsOf(s.unloaded);
    Heading(w, "\t不计面荷载的抗倾覆力矩：");
    WriteFormula(w, "WriteSubScript(M,y1)", u.resisting, F("%.2f", s.unloadedResisting), " kN·m/m\n");
    Heading(w, "\t不计面荷载的倾覆力矩：");
    WriteFormula(w, "WriteSubScript(M,01)", u.overturning, F("%.2f", s.unloadedOverturning), " kN·m/m\n");
    Heading(w, "\t挡土墙抗倾覆稳定安全系数（不计面荷载）：");
    WriteFormula(w, "WriteSubScript(K,q)",
                 Fraction(Q("WriteSubScript(M,y1)", s.unloadedResisting),
                          Q("WriteSubScript(M,01)", s.unloadedOverturning)),
                 "", Verdict(s.Kq, s.requiredOverturning, s.overturningOk, "抗倾覆稳定"));
}

void Sliding(ReportWriter& w, const StabilityResult& s, const Sums& sums, const StabilityHeadings& h) {
    Heading(w, h.sliding);
    const bool inclined = s.alpha0 != 0;
    if (inclined) {
        // The forces resolved normal to and along the inclined base.
        const Expr cosA = {"cosWriteSubScript(α,0)", Format("%.4f", std::cos(static_cast<double>(s.alpha0)))};
        const Expr sinA = {"sinWriteSubScript(α,0)", Format("%.4f", std::sin(static_cast<double>(s.alpha0)))};
        const Expr horizontal = sums.horizontalIsSum ? Brackets(sums.horizontal) : sums.horizontal;
        w.WriteText(Format("\t基底倾角：WriteSubScript(α,0)=%.2f°\n", s.alpha0 * 180 / 3.14159265358979));
        Heading(w, "\t基底法向合力：");
        WriteFormula(w, "N", Brackets(sums.vertical) * cosA + horizontal * sinA, F("%.2f", s.slidingNormal),
                     " kN/m\n");
        Heading(w, "\t沿基底的滑动力：");
        WriteFormula(w, "T", horizontal * cosA - Brackets(sums.vertical) * sinA, F("%.2f", s.slidingForce),
                     " kN/m\n");
    }
    if (s.noSlidingTendency) {
        w.WriteText(F("\t沿基底的滑动力为%.2f kN/m，不大于零，墙体无滑移趋势，抗滑移稳定验算满足！\n",
                      s.slidingForce));
        return;
    }
    if (!(s.resistingForce > 0)) {
        w.WriteText(F("\t基底的抗滑力为%.2f kN/m，不大于零，基底不能提供摩阻力，抗滑移稳定验算不满足！\n",
                      s.resistingForce));
        return;
    }
    Heading(w, "\t挡土墙抗滑移稳定安全系数：");
    const Expr e = inclined ? Fraction(Q("μ", s.mu) * Q("N", s.slidingNormal), Q("T", s.slidingForce))
                            : Fraction(Q("μ", s.mu) * Brackets(sums.vertical), sums.horizontal);
    WriteFormula(w, "WriteSubScript(K,h)", e, "",
                 Verdict(s.Kh, s.requiredSliding, s.slidingOk, "抗滑移稳定"));
}

// e0 against limit·B (GB 50007-2011 §6.7.5).
void Eccentricity(ReportWriter& w, const StabilityResult& s) {
    Heading(w, "\t基底合力偏心距的限值：");
    const float limit = s.eccentricityLimit * s.B;
    WriteFormula(w, "[e]", N(s.eccentricityLimit, "%g") * Q("B", s.B), F("%.2f", limit), " m\n");
    w.WriteText("\t\tWriteSubScript(e,0)=" + Compared(s.e0, limit) +
                (s.eccentricityOk ? F(" m≤[e]=%.2f m   偏心距验算满足！\n\n", limit)
                                  : F(" m＞[e]=%.2f m   偏心距验算不满足！\n\n", limit)));
}

// fa from the soil under the base: the clause's formula with its values, the table's factors, and where
// both routes are given the smaller; nothing for a given fa.
void WriteBearingCapacity(ReportWriter& w, const BearingCapacity& c) {
    if (c.basis == BearingBasis::kGiven || c.basis == BearingBasis::kNone) return;
    const Expr gamma = Q("γ", c.gamma), gammaM = Q("WriteSubScript(γ,m)", c.gammaM), d = Q("d", c.d);
    if (c.fromFak) {
        Heading(
            w,
            "\t修正后的地基承载力特征值（GB 50007-2011 第5.2.4条，b取3～6 m，d不大于0.5 m时不作深度修正）：");
        w.WriteText(F("\t\t基底宽度B=%.2f m，", c.B) + F("取b=%.2f m\n", c.b));
        const Expr depth = c.d > 0.5f ? Brackets(d - K("0.5")) : K("0");
        WriteFormula(w, c.fromStrength ? "WriteSubScript(f,a1)" : "WriteSubScript(f,a)",
                     Q("WriteSubScript(f,ak)", c.fak) +
                         Q("WriteSubScript(η,b)", c.etaB) * gamma * Brackets(Q("b", c.b) - K("3")) +
                         Q("WriteSubScript(η,d)", c.etaD) * gammaM * depth,
                     F("%.2f", c.faFak), " kPa\n");
    }
    if (c.fromStrength) {
        Heading(w, "\t由土的抗剪强度指标确定的地基承载力特征值（GB 50007-2011 第5.2.5条）：");
        w.WriteText(F("\t\tWriteSubScript(φ,k)=%.2f°，", c.factors.phi) + "查表5.2.5（线性插值）得" +
                    F("WriteSubScript(M,b)=%.3f，", c.factors.Mb) +
                    F("WriteSubScript(M,d)=%.3f，", c.factors.Md) +
                    F("WriteSubScript(M,c)=%.3f；", c.factors.Mc) + F("b=%.2f m", c.bStrength) +
                    (c.sandRule ? "（砂土，基底宽度小于3 m按3 m取值）\n" : "\n"));
        WriteFormula(w, c.fromFak ? "WriteSubScript(f,a2)" : "WriteSubScript(f,a)",
                     Q("WriteSubScript(M,b)", c.factors.Mb, "%.3f") * gamma * Q("b", c.bStrength) +
                         Q("WriteSubScript(M,d)", c.factors.Md, "%.3f") * gammaM * d +
                         Q("WriteSubScript(M,c)", c.factors.Mc, "%.3f") * Q("WriteSubScript(c,k)", c.ck),
                     F("%.2f", c.faStrength), " kPa\n");
        if (!c.strengthCondition)
            w.WriteText(
                F("\t\t注意：偏心距WriteSubScript(e,0)=%.2f m", c.e) +
                F("＞0.033b=%.3f m，不满足第5.2.5条的适用条件，请设计人判断。\n", 0.033f * c.bStrength));
    }
    if (c.fromFak && c.fromStrength) w.WriteText(F("\t\t两者取较小值：WriteSubScript(f,a)=%.2f kPa\n", c.fa));
}

// pk = N/B ≤ fa and pkmax = σmax ≤ 1.2·fa (GB 50007-2011 §5.2.1), characteristic values; under an
// earthquake against faE = ζa·fa (GB 50011-2010 §4.2.3, §4.2.4), which the result carries as its fa.
void Bearing(ReportWriter& w, const StabilityResult& s, const StabilityHeadings& h) {
    WriteBearingCapacity(w, s.capacity);
    if (h.seismic) {
        Heading(w, "\t地基抗震承载力验算（GB 50011-2010 第4.2.3、4.2.4条）：");
        WriteFormula(w, "WriteSubScript(f,aE)",
                     Q("WriteSubScript(ζ,a)", s.zetaA) * Q("WriteSubScript(f,a)", s.capacity.fa),
                     F("%.2f", s.fa), " kPa；以下WriteSubScript(f,a)取WriteSubScript(f,aE)\n");
    } else {
        Heading(w, F("\t地基承载力验算（修正后的地基承载力特征值WriteSubScript(f,a)=%.2f kPa）：", s.fa));
    }
    Heading(w, "\t轴心荷载作用时：");
    const bool pkOk = StressPasses(s.pk, s.fa), maxOk = StressPasses(s.pkmax, 1.2f * s.fa);
    WriteFormula(w, "WriteSubScript(p,k)", Fraction(Q("N", s.N), Q("B", s.B)), "",
                 Compared(s.pk, s.fa) + (pkOk ? F(" kPa≤WriteSubScript(f,a)=%.2f kPa   满足！\n", s.fa)
                                              : F(" kPa＞WriteSubScript(f,a)=%.2f kPa   不满足！\n", s.fa)));
    Heading(w, "\t偏心荷载作用时：");
    w.WriteText(Format("\t\t1.2WriteSubScript(f,a)=1.2×%.2f=%.2f kPa\n", static_cast<double>(s.fa),
                       static_cast<double>(1.2f * s.fa)));
    w.WriteText("\t\tWriteSubScript(p,kmax)=WriteSubScript(σ,max)=" + Compared(s.pkmax, 1.2f * s.fa) +
                (maxOk ? F(" kPa≤1.2WriteSubScript(f,a)=%.2f kPa   满足！\n\n", 1.2f * s.fa)
                       : F(" kPa＞1.2WriteSubScript(f,a)=%.2f kPa   不满足！\n\n", 1.2f * s.fa)));
}

void Foundation(ReportWriter& w, const StabilityResult& s, const Sums& sums, const StabilityHeadings& h) {
    const bool inclined = s.alpha0 != 0;
    Heading(w, h.foundation);
    w.WriteText(F("\t基底宽度：B=%.2f m\n", s.B));
    if (!inclined) {
        Heading(w, "\t基底法向合力：");
        WriteFormula(w, "N", sums.baseVertical, F("%.2f", s.N), " kN/m\n");
    } else if (s.favourableLoads) {
        w.WriteText(F("\t基底法向合力（计入面荷载）：N=%.2f kN/m\n", s.N));
    }
    if (s.favourableLoads) {
        Heading(w, "\t计入面荷载的竖向力矩：");
        WriteFormula(w, "WriteSubScript(M,y)'", Q(kResisting, s.resistingMoment) + sums.loads,
                     F("%.2f", s.baseMoment), " kN·m/m\n");
    }
    if (!(s.N > 0)) {
        // Without a compressive resultant there is no eccentricity to print.
        w.WriteText("\t基底法向合力不大于零，墙体脱离地基，地基验算不满足！\n\n");
        return;
    }
    const Expr half = Fraction(Q("B", s.B), K("2"));
    const Expr resisting =
        s.favourableLoads ? Q("WriteSubScript(M,y)'", s.baseMoment) : Q(kResisting, s.resistingMoment);
    if (sums.anyHeldBack) {
        Heading(w, "\t计入面荷载的倾覆力矩：");
        WriteFormula(w, "WriteSubScript(M,0)'", Q(kOverturning, s.overturningMoment) + sums.heldBack,
                     F("%.2f", s.baseOverturningMoment), " kN·m/m\n");
    }
    const Expr overturning = sums.anyHeldBack ? Q("WriteSubScript(M,0)'", s.baseOverturningMoment)
                                              : Q(kOverturning, s.overturningMoment);
    const Expr arm = Fraction(resisting - overturning, Q("N", s.N));
    const float moment = s.baseMoment - s.baseOverturningMoment;
    Heading(w, "\t基底合力的偏心距：");
    WriteFormula(w, "WriteSubScript(e,0)", s.B / 2 - moment / s.N >= 0 ? half - arm : arm - half,
                 F("%.2f", s.e0), " m\n\n");
    const Expr e0 = Q("WriteSubScript(e,0)", s.e0);
    if (s.resultantOutsideBase) {
        w.WriteText(F("\t∵WriteSubScript(e,0)≥B/2=%.2f m\n", s.B / 2));
        w.WriteText("\t∴基底合力作用点位于基底以外，地基不能平衡墙体荷载，地基验算不满足！\n\n");
        return;
    }
    Eccentricity(w, s);
    WriteBaseStresses(w, Q("N", s.N), e0, s.B, s.partialContact, s.sigmaMax, s.sigmaMin,
                      {"\t∵WriteSubScript(e,0)>B/6\n\t∴基底地基土出现零应力区，最大应力值：",
                       "\t∵WriteSubScript(e,0)≤B/6\n\t∴基底地基土不出现零应力区，最大应力值：",
                       "\t基底压力最小值：", " kPa\n\n"});
    if (s.bearingChecked)
        Bearing(w, s, h);
    else
        w.WriteText(
            "\t地基承载力：未给出修正后的地基承载力特征值WriteSubScript(f,a)"
            "或基底以下土的参数（WriteSubScript(f,ak)，"
            "或WriteSubScript(c,k)与WriteSubScript(φ,k)），未验算。\n\n");
}

}  // namespace

void WriteStabilityReport(ReportWriter& w, const StabilityResult& s, const StabilityHeadings& h) {
    const Sums sums = SumsOf(s.actions);
    // A thrust the surcharge has a part in enters the checks as its two parts.
    bool split = false;
    for (const Action& a : s.actions) split = split || a.kind == ActionKind::kSurchargeThrust;
    if (split) {
        Heading(w, "\t土压力分为填土部分和面荷载部分计入验算：");
        for (const Action& a : s.actions) {
            if (!a.Horizontal()) continue;
            w.WriteText(
                Format("\t\t%s：", a.kind == ActionKind::kSurchargeThrust ? "面荷载部分" : "填土部分") +
                Symbol(a.fxSymbol) + F("=%.2f kN/m，", a.Fx) + Symbol(a.fySymbol) + F("=%.2f kN/m，", a.Fy) +
                Symbol(a.xSymbol) + F("=%.2f m，", a.x) + Symbol(a.ySymbol) + F("=%.2f m\n", a.y));
        }
    }
    Overturning(w, s, sums, h);
    Sliding(w, s, sums, h);
    Foundation(w, s, sums, h);
}

}  // namespace wall
