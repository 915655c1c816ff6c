// How an earth thrust was found, as report lines.
#include "casereport/PressureNarrative.h"

#include <cmath>

#include "case/WallCase.h"
#include "casereport/Formula.h"
#include "casereport/NarrativeLines.h"

namespace wall {
namespace {

constexpr double kDegree = 180 / 3.14159265358979323846;

// An angle in degrees as a formula prints it, in brackets when negative.
std::string Deg(double rad) {
    const double d = rad * kDegree;
    return d < 0 ? Format("(%.2f°)", d) : Format("%.2f°", d);
}

// Whether the ground over the failure wedge is one plane: no change of slope between the back's top
// and the point where the failure plane comes up.
bool PlanarOverWedge(const ThrustResult& t, const GroundSurface& g) {
    const Point top = t.back.top, foot = t.back.bottom;
    const double tanT = std::tan(static_cast<double>(t.planeAngle));
    const double beta = g.AngleAt(top.x);
    for (int i = 0; i < g.count; ++i) {
        const Point p = g.points[i];
        if (p.x <= top.x + 1e-9) continue;
        if (p.y <= foot.y + (p.x - foot.x) * tanT) break;  // the plane has come up before it
        if (std::fabs(g.AngleAt(p.x) - beta) > 1e-6) return false;
    }
    return true;
}

// The depths of the surcharge's band on the back, from the diagram.
bool LoadBand(const PressureDiagram& d, float& from, float& to) {
    bool any = false;
    for (int i = 1; i < d.size(); ++i)
        if (d[i - 1].load > 0 && d[i].load > 0 && d[i].depth > d[i - 1].depth) {
            if (!any) from = d[i - 1].depth;
            to = d[i].depth;
            any = true;
        }
    return any;
}

void WriteCoulomb(ReportWriter& w, const ThrustResult& t, const GroundSurface& g, const char* ka) {
    const Backfill& s = t.backfill;
    const double alpha = t.back.Angle();
    w.WriteText(F("\t填土：γ=%.2f kN/m³，", s.gamma) + F("φ=%.2f°，", static_cast<float>(s.phi * kDegree)) +
                F("δ=%.2f°；", static_cast<float>(s.delta * kDegree)) + F("墙背高度H=%.2f m，", t.height) +
                Format("墙背倾角α=%.2f°（自竖直线量起，墙背下端向填土一侧为正）\n", alpha * kDegree));
    w.WriteText(
        "\t按库伦理论用试算楔体法（Culmann）求主动土压力：破裂面通过墙踵，楔体上的填土和面荷载一并计入，"
        "取各试算楔体土压力的最大值。\n");
    w.WriteText(Format("\t破裂面与水平面的夹角：θ=%.2f°\n", t.planeAngle * kDegree));
    const bool planar = PlanarOverWedge(t, g);
    if (planar && !(t.load > 0)) {
        w.WriteText(Format("\t破裂楔体范围内地面为一平面（β=%.2f°），主动土压力系数按库伦公式：\n",
                           g.AngleAt(t.back.top.x) * kDegree));
        WriteCoulombCoefficient(w, ka, s.phi, static_cast<float>(alpha), s.delta,
                                static_cast<float>(g.AngleAt(t.back.top.x)), t.Ka);
    } else {
        w.WriteText(planar ? "\t破裂楔体上有面荷载，填土部分的主动土压力系数由其土压力反算：\n"
                           : "\t破裂楔体范围内地面为折线，主动土压力系数由填土部分的土压力反算：\n");
        WriteFormula(w, ka,
                     Fraction(K("2") * Q("WriteSubScript(E,1)", t.soil),
                              Q("γ", s.gamma) * Expr{"H²", F("%.2f²", t.height)}),
                     F("%.3f", t.Ka), "\n");
    }
    if (g.strip.Present())
        w.WriteText(t.load > 0
                        ? "\t面荷载：其土压力沿墙背分布在过荷载两端、平行于破裂面的直线与墙背的交点之间。\n"
                        : "\t面荷载位于破裂楔体以外，不产生土压力。\n");
    WriteBoundaryValues(w, t);
}

void WriteRankine(ReportWriter& w, const ThrustResult& t, const GroundSurface& g, const char* ka) {
    const Backfill& s = t.backfill;
    const double beta = g.AngleAt(t.back.top.x);
    const Expr KaE = Q(ka, t.Ka, "%.3f");
    w.WriteText(F("\t填土：γ=%.2f kN/m³，", s.gamma) + F("c=%.2f kPa，", s.cohesion) +
                F("φ=%.2f°；", static_cast<float>(s.phi * kDegree)) +
                F("墙背（竖直面）高度H=%.2f m，", t.height) +
                Format("墙顶处地面倾角β=%.2f°\n", beta * kDegree));
    const Expr H = Q("H", t.height), gamma = Q("γ", s.gamma), c = Q("c", s.cohesion);
    float sigma = 0;
    if (beta > 1e-6) {
        const std::string b = Deg(beta), p = Deg(s.phi);
        // The root first, so neither line runs past the page.
        const double m =
            std::sqrt(std::pow(std::cos(beta), 2) - std::pow(std::cos(static_cast<double>(s.phi)), 2));
        const std::string mv = Format("%.4f", m);
        WriteFormula(w, "m", {"√(cos²β-cos²φ)", "√(cos²(" + b + ")-cos²(" + p + "))"}, mv, "\n");
        WriteFormula(w, ka, {"(cosβ-m)/(cosβ+m)", "(cos(" + b + ")-" + mv + ")/(cos(" + b + ")+" + mv + ")"},
                     F("%.3f", t.Ka), "（土压力平行于地面）\n");
        const Expr cosB = {"cosβ", "cos(" + b + ")"};
        Expr e = gamma * H * KaE * cosB;
        sigma = static_cast<float>(s.gamma * t.height * t.Ka * std::cos(beta));
        if (s.cohesion > 0) {
            e = e - Brackets(K("1") - KaE) * Fraction(c, {"tanφ", "tan(" + p + ")"});
            sigma -= static_cast<float>((1 - t.Ka) * s.cohesion / std::tan(static_cast<double>(s.phi)));
        }
        Heading(w, "\t墙背底端的填土土压力强度：");
        WriteFormula(w, "WriteSubScript(σ,a)", e, F("%.2f", sigma), sigma < 0 ? " kPa＜0，取0\n" : " kPa\n");
    } else {
        WriteFormula(w, ka, {"tan²(45°-φ/2)", "tan²(45°-" + Deg(s.phi) + "/2)"}, F("%.3f", t.Ka), "\n");
        Expr e = gamma * H * KaE;
        sigma = s.gamma * t.height * t.Ka;
        if (s.cohesion > 0) {
            e = e - K("2") * c * Expr{"√WriteSubScript(K,a)", Format("√%.3f", static_cast<double>(t.Ka))};
            sigma -= 2 * s.cohesion * std::sqrt(t.Ka);
        }
        Heading(w, "\t墙背底端的填土土压力强度：");
        WriteFormula(w, "WriteSubScript(σ,a)", e, F("%.2f", sigma), sigma < 0 ? " kPa＜0，取0\n" : " kPa\n");
    }
    if (t.groundRatio > 1)
        w.WriteText(
            Format("\t远处坡面比墙顶处更陡：按试算楔体法（δ=β），实际地面与墙顶处坡面延伸所得楔体土压力之比"
                   "r=%.4f，填土部分的土压力强度乘以r（不小于按墙顶处坡面的朗肯值）。\n",
                   static_cast<double>(t.groundRatio)));
    if (g.strip.Present()) {
        float from = 0, to = 0;
        if (t.load > 0 && LoadBand(t.diagram, from, to))
            w.WriteText(
                Format("\t面荷载按局部荷载计算：WriteSubScript(σ,q)=qWriteSubScript(K,a)cosβ=%.2f×%.3f×%.4f=%"
                       ".2f "
                       "kPa，",
                       g.strip.q, static_cast<double>(t.Ka), std::cos(beta),
                       static_cast<double>(t.diagram.At(PressureDiagram::Part::kLoad, (from + to) / 2))) +
                Format("分布在自荷载两端按45°+φ/2=%.2f°向墙背所作直线与墙背的交点之间（z=%.2f至%.2f "
                       "m，GB 50330-2013 附录B.0.2）\n",
                       t.planeAngle * kDegree, static_cast<double>(from), static_cast<double>(to)));
        else
            w.WriteText("\t面荷载自其两端按45°+φ/2向下扩散后不到达墙背，不产生土压力。\n");
    }
    WriteBoundaryValues(w, t);
}

}  // namespace

void WriteBoundaryValues(ReportWriter& w, const ThrustResult& t, const char* soilSymbol) {
    Heading(w, "\t土压力沿墙背的分布（z为自墙背顶点向下的深度，压力按墙背竖直投影计，单位kPa）：");
    const PressureDiagram& d = t.diagram;
    // A value, or its jump where two nodes share a depth and the printed values differ.
    auto value = [](float above, float below) {
        const std::string a = F("%.2f", above), b = F("%.2f", below);
        return a == b ? a : a + "→" + b;
    };
    for (int i = 0; i < d.size(); ++i) {
        const DiagramNode& n = d[i];
        const DiagramNode& m = i + 1 < d.size() && d[i + 1].depth == n.depth ? d[i + 1] : n;
        std::string line = F("\t\tz=%.2f m：填土", n.depth) + value(n.soil, m.soil);
        const std::string load = value(n.load, m.load), water = value(n.water, m.water);
        if (load != "0.00") line += "，面荷载" + load;
        if (water != "0.00") line += "，水压力" + water;
        w.WriteText(line + "\n");
        if (&m != &n) ++i;
    }
    w.WriteText(
        Format("\t填土部分的土压力（压力图面积）：%s=%.2f kN/m", soilSymbol, static_cast<double>(t.soil)) +
        F("，面荷载部分：WriteSubScript(E,q)=%.2f kN/m", t.load) +
        F("，合力作用点距墙背顶点的深度z=%.2f m\n", t.depth));
}

void WriteCoulombCoefficient(ReportWriter& w, const char* symbol, float phi, float alpha, float delta,
                             float beta, float value) {
    const std::string p = Deg(phi), a = Deg(alpha), d = Deg(delta), b = Deg(beta);
    // The root's argument first, so neither line runs past the page.
    const double A =
        std::sin(static_cast<double>(phi) + delta) * std::sin(static_cast<double>(phi) - beta) /
        (std::cos(static_cast<double>(alpha) + delta) * std::cos(static_cast<double>(alpha) - beta));
    const std::string Av = Format("%.4f", A);
    WriteFormula(
        w, "A",
        {"sin(φ+δ)sin(φ-β)/(cos(α+δ)cos(α-β))", "sin(" + p + "+" + d + ")×sin(" + p + "-" + b + ")/(cos(" +
                                                    a + "+" + d + ")×cos(" + a + "-" + b + "))"},
        Av, "\n");
    const std::string sym = "cos²(φ-α)/(cos²α·cos(α+δ)·(1+√A)²)";
    // A lone argument needs no brackets of its own.
    const std::string aAlone = Format("%.2f°", alpha * kDegree);
    const std::string num =
        "cos²(" + p + "-" + a + ")/(cos²(" + aAlone + ")×cos(" + a + "+" + d + ")×(1+√" + Av + ")²)";
    WriteFormula(w, symbol, {sym, num}, F("%.3f", value), "\n");
}

void WriteThrustDerivation(ReportWriter& w, const ThrustResult& t, const GroundSurface& g, int theory,
                           const char* ka) {
    if (t.status != PressureStatus::kOk) return;
    if (theory == kCoulomb)
        WriteCoulomb(w, t, g, ka);
    else
        WriteRankine(w, t, g, ka);
}

}  // namespace wall
