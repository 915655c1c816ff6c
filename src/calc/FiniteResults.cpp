// The quantities of each result record that are printed, checked for infinities and NaNs.
#include "calc/FiniteResults.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "text/Format.h"

namespace wall {
namespace {

using Quantities = std::initializer_list<std::pair<const char*, float>>;

// Collects the first non-finite quantity with the inputs a person should look at.
struct Scan {
    std::string fault;

    void Check(const char* inputs, Quantities qs) {
        if (!fault.empty()) return;
        for (const auto& [name, v] : qs) {
            if (std::isfinite(v)) continue;
            const std::string value = std::isnan(v) ? "NaN" : Format("%g", v);
            fault = Format("计算结果 %s 不是有限数（%s）：请检查%s", name, value.c_str(), inputs);
            return;
        }
    }
};

constexpr const char* kGeometry = "墙体的几何尺寸";
constexpr const char* kPressureInputs = "坡面、面荷载和填土参数（重度、粘聚力、内摩擦角）以及墙背摩擦角δ";
constexpr const char* kStabilityInputs = "墙底宽度、墙底与基土的摩擦系数μ和土压力";
constexpr const char* kReinforcedInputs = "墙趾、墙踵和扶壁的尺寸以及配筋计算参数";

void Stability(Scan& s, const StabilityResult& r) {
    for (const Action& a : r.actions)
        s.Check(a.Horizontal() ? kPressureInputs : kGeometry,
                {{a.fxSymbol, a.Fx}, {a.fySymbol, a.Fy}, {a.xSymbol, a.x}, {a.ySymbol, a.y}});
    s.Check(
        kStabilityInputs,
        {{"Kq", r.Kq}, {"Kh", r.Kh}, {"B", r.B}, {"e0", r.e0}, {"σmax", r.sigmaMax}, {"σmin", r.sigmaMin}});
}

void Section(Scan& s, const SectionResult& r) {
    s.Check(kGeometry, {{"W1", r.W1}, {"Zw1", r.Zw1}, {"B1", r.B1}});
    s.Check(kPressureInputs, {{"E1", r.E}, {"E1x", r.Ex}, {"E1y", r.Ey}, {"Z1x", r.Zx}, {"Z1y", r.Zy}});
    s.Check(kGeometry, {{"e1", r.e1}, {"σmax", r.sigmaMax}, {"σmin", r.sigmaMin}, {"τ1", r.tau1}});
}

void Back(Scan& s, const ImaginaryBackResult& b) {
    s.Check(kGeometry, {{"W", b.W}, {"Zw", b.Zw}, {"W1", b.W1}, {"Zw1", b.Zw1}});
    s.Check(kPressureInputs,
            {{"Ka", b.Ka}, {"E", b.E}, {"Ex", b.Ex}, {"Ey", b.Ey}, {"Zx", b.Zx}, {"Zy", b.Zy}});
    const StemLoads& l = b.loads;
    s.Check(kPressureInputs, {{"E1s", l.soilThrust},
                              {"Eqs", l.loadThrust},
                              {"z1", l.soilThrustArm},
                              {"zq", l.loadThrustArm},
                              {"W1", l.heelWeight},
                              {"Wq", l.heelLoad}});
    Stability(s, b.stability);
}

void Base(Scan& s, const BaseSlabResult& b) {
    for (const BasePressures* p : {&b.design[0], &b.design[1], &b.standard})
        s.Check(kReinforcedInputs, {{"Mv", p->Mv},
                                    {"Mh", p->Mh},
                                    {"G", p->G},
                                    {"e", p->e},
                                    {"σmax", p->sigmaMax},
                                    {"σmin", p->sigmaMin},
                                    {"pd", p->pd},
                                    {"pb", p->pb}});
    s.Check(kReinforcedInputs, {{"Md", b.Md}, {"Mdk", b.Mdk}, {"Mb", b.Mb}, {"Mbk", b.Mbk}});
}

// A section the design could not reinforce prints a sentence instead of its area and width.
template <std::size_t N>
void Sections(Scan& s, const std::array<DesignedSection, N>& sections) {
    for (const DesignedSection& d : sections) {
        const ReinforcementResult& r = d.result;
        s.Check(kReinforcedInputs, {{"M", r.M}, {"Mk", r.Mk}, {"h", r.h}});
        if (r.designed && r.crackLimitMet)
            s.Check(kReinforcedInputs, {{"As", r.area}, {"ωmax", r.crackWidth}, {"ξ", r.xi}});
    }
}

}  // namespace

std::string NonFiniteResult(const WallResults& r) {
    Scan s;
    if (r.gravity) {
        const GravityWallResult& g = *r.gravity;
        s.Check(kGeometry, {{"W", g.W}, {"Zw", g.Zw}});
        const PressureLines& p = g.pressure;
        s.Check(kPressureInputs, {{"E", p.E}, {"Ex", p.Ex}, {"Ey", p.Ey}, {"Zx", p.Zx}, {"Zy", p.Zy}});
        Stability(s, g.stability);
        Section(s, g.section);
    }
    if (r.shelf) {
        const ShelfWallResult& h = *r.shelf;
        const ShelfPressureResult& p = h.pressure;
        s.Check(kGeometry, {{"W", h.W}, {"Zw", h.Zw}});
        s.Check(kPressureInputs, {{"Ka1", p.Ka1},
                                  {"Ea1", p.E1},
                                  {"Ea1x", p.Ex},
                                  {"Ea1y", p.Ey},
                                  {"Z1x", p.Zx},
                                  {"Z1y", p.Zy},
                                  {"Ka2", p.Ka2},
                                  {"Ea2", p.E2},
                                  {"Ea2x", p.E2x},
                                  {"Ea2y", p.E2y},
                                  {"Z2x", p.Z2x},
                                  {"Z2y", p.Z2y},
                                  {"W1", p.extraWeight},
                                  {"Zw1", p.extraWeightArm}});
        Stability(s, h.stability);
        Section(s, h.section);
    }
    if (r.cantilever) {
        const CantileverResult& c = *r.cantilever;
        Back(s, c.back);
        s.Check(kReinforcedInputs, {{"M", c.M}, {"Mk", c.Mk}});
        Base(s, c.slab);
        Sections(s, c.sections);
    }
    if (r.counterfort) {
        const CounterfortResult& c = *r.counterfort;
        Back(s, c.back);
        s.Check(kReinforcedInputs, {{"σpj", c.sigmaPj},
                                    {"Q", c.panelQ},
                                    {"M", c.panelMidM},
                                    {"M", c.panelEndM},
                                    {"σ'", c.sigmaFoot},
                                    {"M", c.panelPosM},
                                    {"M", c.panelFootM},
                                    {"σw", c.sigmaW},
                                    {"Q", c.heelQ},
                                    {"M", c.heelMidM},
                                    {"M", c.heelEndM}});
        for (const CounterfortSection& f : c.counterfort)
            s.Check(kReinforcedInputs, {{"Hs", f.height}, {"BT", f.flangeWidth}, {"Q", f.Q}, {"M", f.M}});
        Base(s, c.slab);
        Sections(s, c.sections);
    }
    return s.fault;
}

}  // namespace wall
