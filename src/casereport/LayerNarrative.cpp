// Layered ground and water as report lines.
#include "casereport/LayerNarrative.h"

#include <cmath>

#include "casereport/Formula.h"
#include "casereport/NarrativeLines.h"
#include "casereport/PressureNarrative.h"

namespace wall {
namespace {

constexpr double kDegree = 180 / 3.14159265358979323846;

}  // namespace

void WriteLayeredDerivation(ReportWriter& w, const ThrustResult& t, const WallCase& c, const GroundSurface& g,
                            int theory) {
    const CaseSettings& s = c.settings;
    w.WriteText(Format("\t墙后土层%d层，深度z自墙背顶点向下计。", LayersInUse(c.soil)));
    if (s.HasWaterBehind())
        w.WriteText(Format(s.waterCombined != 0
                               ? "地下水位在墙顶以下%.2f m，水土合算：水位以下取饱和重度γsat，"
                                 "不另计水压力（GB 50007-2011 第9.3.3条）。\n"
                               : "地下水位在墙顶以下%.2f m，水土分算：水位以下取有效重度"
                                 "γ'=γsat-γw（γw=%.2f kN/m³），另计静水压力。\n",
                           static_cast<double>(s.waterBehind), static_cast<double>(s.waterUnitWeight)));
    else
        w.WriteText("\n");
    w.WriteText(
        theory == kCoulomb
            ? "\t第一个土层界面或地下水位以上按单层土用试算楔体法计算；以下各层以其上的土重为均布荷载σ，"
              "取本层的库伦主动土压力系数：WriteSubScript(σ,a)=WriteSubScript(K,a)σ（GB 50007-2011 "
              "附录L的分层方法）；面荷载沿上部破裂面的方向向下，取qWriteSubScript(K,a)。\n"
            : "\t各层以其上的土重为均布荷载σ，取本层的朗肯主动土压力系数：WriteSubScript(σ,a)="
              "WriteSubScript(K,a)σ-2c√WriteSubScript(K,a)，小于零取零；面荷载取qWriteSubScript(K,a)。\n");
    const double alpha = t.back.Angle(), beta = std::max(0.0, g.AngleAt(t.back.top.x));
    Expr total;
    for (int i = 0; i < t.layerCount; ++i) {
        const ThrustResult::Layer& part = t.layers[i];
        const float* row = c.soil.m_afLayer[part.index];
        const float gamma = AsShown(row[kLayerUnitWeight]), coh = AsShown(row[kLayerCohesion]);
        const float phi = AsShown(row[kLayerFriction]), sat = AsShown(row[kLayerSaturatedWeight]);
        const int n = part.index + 1;
        w.WriteText(Format("\t第%d层（z=%.2f～%.2f m）：γ=%.2f kN/m³，c=%.2f kPa，φ=%.2f°", n,
                           static_cast<double>(part.top), static_cast<double>(part.bottom),
                           static_cast<double>(gamma), static_cast<double>(coh), static_cast<double>(phi)) +
                    (sat > 0 ? Format("，γsat=%.2f kN/m³\n", static_cast<double>(sat)) : std::string("\n")));
        const std::string symbol = Format("WriteSubScript(K,a%d)", n);
        if (i == 0 && theory == kCoulomb) {
            w.WriteText("\t\t" + symbol + F("=%.3f（试算楔体，由填土部分的土压力反算）\n", part.Ka));
        } else if (theory == kCoulomb) {
            WriteCoulombCoefficient(w, symbol.c_str(), static_cast<float>(phi / kDegree),
                                    static_cast<float>(alpha), t.backfill.delta, static_cast<float>(beta),
                                    part.Ka);
        } else if (beta > 1e-6) {
            w.WriteText("\t\t" + symbol + F("=%.3f（地面倾斜，土压力平行于地面）\n", part.Ka));
        } else {
            WriteFormula(w, symbol, {"tan²(45°-φ/2)", Format("tan²(45°-%.2f°/2)", static_cast<double>(phi))},
                         F("%.3f", part.Ka), "\n");
        }
        const std::string e = Format("WriteSubScript(E,%d)", n);
        w.WriteText(
            "\t\t" + e + F("=%.2f kN/m（本层压力图面积", part.soil + part.load) +
            (part.load > 0.005f ? F("，其中面荷载部分%.2f kN/m）\n", part.load) : std::string("）\n")));
        total = i == 0 ? Q(e, part.soil + part.load) : total + Q(e, part.soil + part.load);
    }
    WriteBoundaryValues(w, t);
    if (t.layerCount < 2) return;
    Heading(w, "\t主动土压力（各层之和）：");
    WriteFormula(w, "WriteSubScript(E,a)", total, F("%.2f", t.E), " kN/m\n");
}

void WriteWaterActions(ReportWriter& w, const WaterResult& r) {
    if (!r.behind && !r.lowerBehind && !r.front && !r.uplift) return;
    Heading(w, "\t水压力：");
    const Expr gw = Q("WriteSubScript(γ,w)", r.gammaW);
    if (r.behind) {
        WriteFormula(w, "WriteSubScript(P,wx)",
                     Fraction(gw * Expr{"WriteSubScript(h,w)²", F("%.2f²", r.hBehind)}, K("2")),
                     F("%.2f", r.PwX), " kN/m（墙后静水压力的水平分量，垂直于墙背作用）\n");
        w.WriteText(F("\t\tWriteSubScript(P,wy)=%.2f kN/m，", r.PwY) +
                    F("WriteSubScript(X,w)=%.2f m，", r.x) + F("WriteSubScript(Y,w)=%.2f m\n", r.y));
    }
    if (r.lowerBehind) {
        // The lower back of a shelf: a trapezoid from the head at its top to the head at its foot.
        const Expr ha = Q("WriteSubScript(h,a)", r.h2Top), hb = Q("WriteSubScript(h,b)", r.h2Foot);
        WriteFormula(w, "WriteSubScript(P,w2x)", Fraction(gw * Brackets(ha + hb) * Brackets(hb - ha), K("2")),
                     F("%.2f", r.Pw2X), " kN/m（下墙背静水压力的水平分量，垂直于墙背作用）\n");
        w.WriteText(F("\t\tWriteSubScript(P,w2y)=%.2f kN/m，", r.Pw2Y) +
                    F("WriteSubScript(X,w2)=%.2f m，", r.x2) + F("WriteSubScript(Y,w2)=%.2f m\n", r.y2));
    }
    if (r.front) {
        WriteFormula(w, "WriteSubScript(P,f)",
                     Fraction(gw * Expr{"WriteSubScript(h,f)²", F("%.2f²", r.hf)}, K("2")), F("%.2f", r.Pf),
                     " kN/m（墙前水压力，指向填土，抗倾覆、抗滑移）\n");
        WriteFormula(w, "WriteSubScript(Y,f)", Fraction(Q("WriteSubScript(h,f)", r.hf), K("3")),
                     F("%.2f", r.hf / 3), " m\n");
    }
    if (r.uplift) {
        WriteFormula(
            w, "U",
            Fraction(gw * Brackets(Q("WriteSubScript(h,4)", r.h4) + Q("WriteSubScript(h,5)", r.h5)), K("2")) *
                Q("L", r.L),
            F("%.2f", r.U), " kN/m（基底扬压力，墙趾、墙踵处水头之间线性分布，垂直于基底）\n");
        w.WriteText(F("\t\tWriteSubScript(Z,u)=%.2f m，", r.ux) + F("WriteSubScript(Y,u)=%.2f m", r.uy) +
                    (std::fabs(r.Ux) > 0.005f ? F("，水平分量WriteSubScript(U,x)=%.2f kN/m\n", r.Ux)
                                              : std::string("\n")));
    }
}

}  // namespace wall
