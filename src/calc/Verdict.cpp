// The verdicts the analyses computed, gathered in one list.
#include "calc/Verdict.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "analysis/Stability.h"
#include "analysis/WallSection.h"
#include "text/Format.h"

namespace wall {
namespace {

// A check's key and title, under the earthquake prefixed: "seismicOverturning", "地震作用下的抗倾覆稳定".
struct Naming {
    bool seismic = false;
    std::string Key(const char* name) const {
        if (!seismic) return name;
        std::string key = std::string("seismic") + name;
        key[7] = static_cast<char>(key[7] - 'a' + 'A');
        return key;
    }
    std::string Title(const char* title) const {
        return (seismic ? "地震作用下的" : "") + std::string(title);
    }
};

void Stability(std::vector<CheckVerdict>& out, const StabilityResult& s, const Naming& n = {}) {
    CheckVerdict& q = out.emplace_back(CheckVerdict{n.Key("overturning"), n.Title("抗倾覆稳定"), "Kq", s.Kq,
                                                    "≥", s.requiredOverturning, s.overturningOk});
    if (s.noOverturningTendency)
        q.note = "倾覆力矩不大于零，无倾覆趋势";
    else if (!(s.resistingMoment > 0))
        q.note = "抗倾覆力矩不大于零";
    CheckVerdict& h = out.emplace_back(CheckVerdict{n.Key("sliding"), n.Title("抗滑移稳定"), "Kh", s.Kh, "≥",
                                                    s.requiredSliding, s.slidingOk});
    if (s.noSlidingTendency)
        h.note = "滑动力不大于零，无滑移趋势";
    else if (!(s.resistingForce > 0))
        h.note = "抗滑力不大于零";
    CheckVerdict& e = out.emplace_back(CheckVerdict{n.Key("eccentricity"), n.Title("基底合力偏心距"), "e0",
                                                    s.e0, "≤", s.eccentricityLimit * s.B, s.eccentricityOk});
    if (!(s.N > 0))
        e.note = "基底法向合力不大于零，墙体脱离地基";
    else if (s.resultantOutsideBase)
        e.note = "合力作用点位于基底以外";
    if (!s.bearingChecked) return;
    const bool known = !s.resultantOutsideBase;
    CheckVerdict pk{
        n.Key("bearing"), n.Title("地基承载力"), "pk", s.pk, "≤", s.fa, known && StressPasses(s.pk, s.fa)};
    CheckVerdict pkmax{n.Key("bearingMax"), n.Title("地基承载力（偏心荷载）"),          "pkmax", s.pkmax, "≤",
                       1.2 * s.fa,          known && StressPasses(s.pkmax, 1.2f * s.fa)};
    if (!known) pk.note = pkmax.note = "合力作用点位于基底以外，求不出基底压力";
    out.push_back(std::move(pk));
    out.push_back(std::move(pkmax));
    // fa from ck and φk is written for e ≤ 0.033·b (GB 50007-2011 §5.2.5): beyond, the engineer decides.
    const BearingCapacity& cap = s.capacity;
    if (cap.basis == BearingBasis::kFromStrength && known) {
        CheckVerdict& c =
            out.emplace_back(CheckVerdict{n.Key("bearingCondition"), n.Title("地基承载力公式适用条件"), "e0",
                                          cap.e, "≤", 0.033 * cap.bStrength, true});
        c.warning = !cap.strengthCondition;
    }
}

void Section(std::vector<CheckVerdict>& out, const SectionResult& s, const Naming& n = {}) {
    out.push_back({n.Key("compression"), n.Title("墙身截面法向应力"), "σmax", s.sigmaMax, "≤",
                   s.allowCompress, s.compressionOk});
    out.push_back({n.Key("shear"), n.Title("墙身截面切向应力"), "τ1", s.tau1, "≤", s.allowShear, s.shearOk});
    if (s.sigmaMin < 0)
        out.push_back({n.Key("tension"), n.Title("墙身截面拉应力"), "σmin", s.sigmaMin, "≥", 0, true, true});
}

// A slab against its concrete's share; the counterfort against its section's limit, the stirrups it
// needs named. Under the earthquake V is γRE·VE.
void Shear(std::vector<CheckVerdict>& out, std::string_view name, const ShearResult& sh, const Naming& n) {
    if (!sh.checked) return;
    CheckVerdict& q = out.emplace_back(CheckVerdict{
        n.Key("section") + "." + std::string(name) + ".shear", n.Title((SectionTitle(name) + "抗剪").c_str()),
        n.seismic ? "γREVE" : "V", std::fabs(sh.V), "≤", sh.beam ? sh.limit : sh.Vc, sh.ok});
    if (sh.beam && sh.stirrupsNeeded)
        q.note = Format("需配箍筋 Asv/s=%.0f mm²/m", static_cast<double>(sh.stirrups));
}

template <class Range>
void Sections(std::vector<CheckVerdict>& out, const Range& sections, const Naming& n = {}) {
    for (const DesignedSection& d : sections) {
        const ReinforcementResult& r = d.result;
        CheckVerdict& v = out.emplace_back(CheckVerdict{
            n.Key("section") + "." + std::string(d.name),
            n.Title((SectionTitle(d.name) + "配筋及裂缝").c_str()), "ωmax", r.crackWidth, "≤", r.crackLimit,
            r.loadsKnown && r.gradesKnown && r.designed && r.crackLimitMet && r.bars.found});
        v.area = r.bars.found ? r.bars.area : r.area;
        v.bars = BarLabel(r.bars);
        if (!r.loadsKnown)
            v.note = "基底合力在基底以外，求不出基底压力";
        else if (!r.gradesKnown)
            v.note = "混凝土或钢筋等级不在可选范围内";
        else if (r.overReinforced)
            v.note = "截面超筋（ξ＞ξb）";
        else if (!r.designed)
            v.note = "截面无法配筋";
        else if (!r.crackLimitMet)
            v.note = "裂缝宽度无法满足限值";
        else if (!r.bars.found)
            v.note = r.kind == SectionKind::kTee ? "扶壁腹板内放不下所需钢筋" : "所需钢筋超过双排Φ32@100";
        Shear(out, d.name, d.shear, n);
    }
}

// The flexural tension at the root of a semi-gravity wall's toe and of a shelf's platform.
void Toe(std::vector<CheckVerdict>& out, const ToeResult& t, const Naming& n = {}) {
    if (t.checked)
        out.push_back({n.Key("toe"), n.Title("墙趾根部弯曲拉应力"), "σt", t.sigmaT, "≤", t.allow, t.ok});
}

void Platform(std::vector<CheckVerdict>& out, const PlatformResult& p, const Naming& n = {}) {
    if (p.checked)
        out.push_back(
            {n.Key("platform"), n.Title("衡重台悬臂弯曲拉应力"), "σt", p.sigmaT, "≤", p.allow, p.ok});
}

// The overall slip, where the foundation soil's strength is given; no circle found fails.
void Overall(std::vector<CheckVerdict>& out, const OverallResult& o, const Naming& n = {}) {
    if (!o.checked) return;
    CheckVerdict& v = out.emplace_back(CheckVerdict{n.Key("overall"), n.Title("整体稳定（圆弧滑动）"), "K",
                                                    o.F, "≥", o.required, o.found && o.ok});
    if (!o.found) v.note = "未找到通过基底以下的滑动圆弧";
}

// The seismic combination's checks under their own names; one that could not be analysed fails.
void Seismic(std::vector<CheckVerdict>& out, const SeismicResult& e) {
    const Naming n{true};
    if (!e.refusal.empty()) {
        CheckVerdict& v = out.emplace_back(CheckVerdict{"seismic", "地震作用下的验算", "", 0, "", 0, false});
        v.note = e.refusal;
        return;
    }
    if (const StabilityResult* s = e.Stability()) Stability(out, *s, n);
    if (e.gravity) {
        Section(out, e.gravity->section, n);
        Toe(out, e.gravity->toe, n);
    }
    Overall(out, e.overall, n);
    if (e.shelf) {
        Section(out, e.shelf->section, n);
        Platform(out, e.shelf->platform, n);
    }
    // A reinforced section the seismic moment governs, as redesigned for it.
    std::vector<DesignedSection> governed;
    for (const SeismicSection& s : e.sections)
        if (s.seismicGoverns) governed.push_back({s.name, s.design});
    Sections(out, governed, n);
    for (const SeismicSection& s : e.sections) Shear(out, s.name, s.shear, n);
}

}  // namespace

std::string SectionTitle(std::string_view name) {
    static const std::pair<std::string_view, const char*> titles[] = {
        {"stem", "立板底截面"},          {"toe", "墙趾板根部"},           {"heel", "墙踵板根部"},
        {"panelSpan", "墙面板水平跨中"}, {"panelEnds", "墙面板水平支座"}, {"panelPositive", "墙面板竖向跨中"},
        {"panelFoot", "墙面板竖向底端"}, {"heelSpan", "墙踵板跨中"},      {"heelEnds", "墙踵板支座"},
        {"counterfort1", "扶壁截面1"},   {"counterfort2", "扶壁截面2"},   {"counterfort3", "扶壁截面3"}};
    for (const auto& [key, title] : titles)
        if (key == name) return title;
    return std::string(name);
}

std::vector<CheckVerdict> NotChecked(const CaseResult& r) {
    std::vector<CheckVerdict> out;
    if (!r.Accepted()) return out;
    const StabilityResult* s = r.Stability();
    if (s && !s->bearingChecked) {
        CheckVerdict& v = out.emplace_back(CheckVerdict{"bearing", "地基承载力", "pk", 0, "≤", 0, true});
        v.note = "未给出fa或地基土参数，未验算";
    }
    if (!r.overall.checked) {
        CheckVerdict& v =
            out.emplace_back(CheckVerdict{"overall", "整体稳定（圆弧滑动）", "K", 0, "≥", 0, true});
        v.note = "未给出地基土的ck、φk，未验算";
    }
    return out;
}

std::vector<CheckVerdict> CaseChecks(const CaseResult& r) {
    std::vector<CheckVerdict> out;
    if (!r.Accepted()) return out;
    if (r.gravity) {
        Stability(out, r.gravity->stability);
        Section(out, r.gravity->section);
        Toe(out, r.gravity->toe);
    }
    if (r.shelf) {
        Stability(out, r.shelf->stability);
        Section(out, r.shelf->section);
        Platform(out, r.shelf->platform);
    }
    if (r.cantilever) {
        Stability(out, r.cantilever->back.stability);
        Sections(out, r.cantilever->sections);
    }
    if (r.counterfort) {
        Stability(out, r.counterfort->back.stability);
        Sections(out, r.counterfort->sections);
    }
    Overall(out, r.overall);
    if (r.seismic) Seismic(out, *r.seismic);
    return out;
}

}  // namespace wall
