// wallcalc analyse: calculates a case and prints its results.
#include <cmath>
#include <iostream>
#include <string>

#include "Commands.h"
#include "Json.h"
#include "calc/CaseResult.h"
#include "calc/Quantities.h"
#include "calc/Verdict.h"

namespace wallcalc {
namespace {

// A factor or pressure that is not defined for the case is null, with the flag that says why.
void StabilityJson(Json& j, const wall::StabilityResult& s) {
    j["Kq"] = s.noOverturningTendency ? Json() : Json(s.Kq);
    j["KqWithLoad"] = s.noOverturningTendency ? Json() : Json(s.KqWithLoad);
    j["overturningWithoutLoad"] = s.overturningWithoutLoad;
    j["Kh"] = s.noSlidingTendency ? Json() : Json(s.Kh);
    j["B"] = s.B;
    j["e0"] = s.e0;
    j["sigmaMax"] = s.resultantOutsideBase ? Json() : Json(s.sigmaMax);
    j["sigmaMin"] = s.resultantOutsideBase ? Json() : Json(s.sigmaMin);
    j["overturningOk"] = s.overturningOk;
    j["slidingOk"] = s.slidingOk;
    j["foundationOk"] = s.foundationOk;
    j["noOverturningTendency"] = s.noOverturningTendency;
    j["noSlidingTendency"] = s.noSlidingTendency;
    j["resultantOutsideBase"] = s.resultantOutsideBase;
    j["eccentricityOk"] = s.eccentricityOk;
    // Bearing only when the case gives fa; pressures are null where the resultant leaves the base.
    j["fa"] = s.bearingChecked ? Json(s.fa) : Json();
    static constexpr const char* kBasis[] = {nullptr, "given", "5.2.4", "5.2.5"};
    const char* basis = kBasis[static_cast<int>(s.capacity.basis)];
    j["faBasis"] = basis ? Json(basis) : Json();
    j["pk"] = s.bearingChecked && !s.resultantOutsideBase ? Json(s.pk) : Json();
    j["pkmax"] = s.bearingChecked && !s.resultantOutsideBase ? Json(s.pkmax) : Json();
    j["bearingOk"] = s.bearingChecked ? Json(s.bearingOk) : Json();
}

Json SectionJson(const wall::SectionResult& s) {
    Json j;
    j["W1"] = s.W1;
    j["Zw1"] = s.Zw1;
    j["E"] = s.E;
    j["Ex"] = s.Ex;
    j["Ey"] = s.Ey;
    j["Zx"] = s.Zx;
    j["Zy"] = s.Zy;
    j["B1"] = s.B1;
    j["e1"] = s.e1;
    j["sigmaMax"] = s.sigmaMax;
    j["sigmaMin"] = s.sigmaMin;
    j["tau1"] = s.tau1;
    j["compressionOk"] = s.compressionOk;
    j["shearOk"] = s.shearOk;
    if (s.Fi > 0) {
        j["inertia"] = s.Fi;
        j["inertiaArm"] = s.Zfi;
        j["psi"] = s.psi;
    }
    return j;
}

// The earth and water pressure along the back, kPa per metre of vertical height: two points at a jump.
Json DiagramJson(const wall::PressureDiagram& d) {
    Json list = Json::array();
    for (const wall::DiagramNode& n : d)
        list.push_back(
            {{"depth", n.depth}, {"soil", static_cast<double>(n.soil) + n.load}, {"water", n.water}});
    return list;
}

Json WaterJson(const wall::WaterResult& w) {
    Json j;
    j["thrust"] = w.behind ? Json(std::hypot(w.PwX, w.PwY)) : Json(0);
    j["thrustX"] = w.PwX;
    j["thrustY"] = w.PwY;
    j["arm"] = w.behind ? Json(w.y) : Json();
    j["front"] = w.Pf;
    j["uplift"] = w.U;
    j["upliftArm"] = w.uplift ? Json(w.ux) : Json();
    return j;
}

Json GravityJson(const wall::WallCase& c, const wall::GravityWallResult& r) {
    Json j;
    j["wallType"] = c.wallType;
    j["theory"] = r.theory;
    j["W"] = r.W;
    j["Zw"] = r.Zw;
    j["Ex"] = r.pressure.Ex;
    j["Ey"] = r.pressure.Ey;
    j["Zx"] = r.pressure.Zx;
    j["Zy"] = r.pressure.Zy;
    j["E"] = r.pressure.E;
    j["soilThrustClipped"] = r.theory == wall::kRankine && r.rankine.E1Computed < 0;
    // Layered ground or water: the diagram and the water's thrusts (E, Ex, Ey stay the earth's).
    const wall::ThrustResult& t = r.theory == wall::kCoulomb ? r.coulomb.thrust : r.rankine.thrust;
    if (t.layerCount > 0 || r.water.front || r.water.uplift) {
        j["pressureDiagram"] = DiagramJson(t.diagram);
        j["water"] = WaterJson(r.water);
    }
    StabilityJson(j, r.stability);
    j["section"] = SectionJson(r.section);
    return j;
}

Json ShelfJson(const wall::WallCase& c, const wall::ShelfWallResult& r) {
    const wall::ShelfPressureResult& p = r.pressure;
    Json j;
    j["wallType"] = c.wallType;
    j["theory"] = wall::kCoulomb;  // a shelf wall always takes Coulomb's coefficient
    j["W"] = r.W;
    j["Zw"] = r.Zw;
    j["Ka1"] = p.Ka1;
    j["Ex"] = p.Ex;
    j["Ey"] = p.Ey;
    j["Zx"] = p.Zx;
    j["Zy"] = p.Zy;
    j["E"] = p.E1;
    j["Ka2"] = p.Ka2;
    j["lower"] = Json{{"E", p.E2}, {"Ex", p.E2x}, {"Ey", p.E2y}, {"Zx", p.Z2x}, {"Zy", p.Z2y}};
    j["extraWeight"] = p.extraWeight;
    j["extraWeightArm"] = p.extraWeightArm;
    if (p.layered || r.water.front || r.water.uplift) {
        // The upper back's diagram, then the lower back's below the platform.
        Json diagram = DiagramJson(p.upper.diagram);
        for (const Json& n : DiagramJson(p.lower.diagram)) {
            Json below = n;
            below["depth"] = n["depth"].get<double>() + p.h1;
            diagram.push_back(below);
        }
        j["pressureDiagram"] = diagram;
        Json water = WaterJson(r.water);
        if (r.water.lowerBehind)
            water["lower"] = Json{{"thrustX", r.water.Pw2X}, {"thrustY", r.water.Pw2Y}, {"arm", r.water.y2}};
        j["water"] = water;
    }
    StabilityJson(j, r.stability);
    j["section"] = SectionJson(r.section);
    return j;
}

// Plain listing: one "name value" line per scalar, nested objects prefixed with their name.
void PrintPlain(const Json& j, const std::string& prefix = {}) {
    for (auto it = j.begin(); it != j.end(); ++it) {
        if (it->is_object())
            PrintPlain(*it, prefix + it.key() + ".");
        else
            std::cout << prefix << it.key() << " " << it->dump() << "\n";
    }
}

Json StemLoadsJson(const wall::StemLoads& s) {
    return Json{{"soilThrust", s.soilThrust},       {"loadThrust", s.loadThrust},
                {"soilThrustArm", s.soilThrustArm}, {"loadThrustArm", s.loadThrustArm},
                {"thrustAngle", s.thrustAngle},     {"heelWeight", s.heelWeight},
                {"heelWeightArm", s.heelWeightArm}, {"heelLoad", s.heelLoad},
                {"heelLoadArm", s.heelLoadArm}};
}

// Null where the base resultant leaves the base and the value is not defined.
Json Pressure(const wall::BasePressures& p, float v) {
    return p.resultantOutsideBase ? Json() : Json(v);
}
Json Moment(const wall::BaseSlabResult& b, float v) {
    return b.PressuresKnown() ? Json(v) : Json();
}

Json CombinationJson(const wall::BasePressures& p) {
    return Json{{"Mv", p.Mv},
                {"Mh", p.Mh},
                {"G", p.G},
                {"e", p.e},
                {"contact", Pressure(p, p.contact)},
                {"sigmaMax", Pressure(p, p.sigmaMax)},
                {"sigmaMin", Pressure(p, p.sigmaMin)},
                {"pd", Pressure(p, p.pd)},
                {"pb", Pressure(p, p.pb)}};
}

// Each basic combination with its factors, the standard combination and the governing root moments.
Json BaseJson(const wall::BaseSlabResult& b) {
    Json design = Json::array();
    for (const wall::BasePressures& p : b.design) {
        Json j = CombinationJson(p);
        j["combination"] = p.factors.name;
        j["gammaG"] = p.factors.permanent;
        j["gammaQ"] = p.factors.variable;
        design.push_back(j);
    }
    return Json{{"design", design},
                {"standard", CombinationJson(b.standard)},
                {"Md", Moment(b, b.Md)},
                {"Mdk", Moment(b, b.Mdk)},
                {"heelCombination", wall::kBasicCombinations[b.heel.combination].name},
                {"Mb", Moment(b, b.Mb)},
                {"Mbk", Moment(b, b.Mbk)},
                {"toeCombination", wall::kBasicCombinations[b.toe.combination].name},
                {"resultantOutsideBase", !b.PressuresKnown()}};
}

template <size_t N>
Json SectionsJson(const std::array<wall::DesignedSection, N>& sections) {
    Json list = Json::array();
    for (const wall::DesignedSection& s : sections) {
        const wall::ReinforcementResult& r = s.result;
        list.push_back(
            Json{{"name", std::string(s.name)},
                 {"kind", r.kind == wall::SectionKind::kTee ? "tee" : "strip"},
                 {"h", r.h},
                 {"M", r.M},
                 {"Mk", r.Mk},
                 {"As", r.area},
                 {"bars", r.bars.found ? Json(wall::BarLabel(r.bars)) : Json()},
                 {"AsProvided", r.bars.found ? Json(r.bars.area) : Json()},
                 {"xi", r.designed ? Json(r.xi) : Json()},
                 {"xiB", r.designed ? Json(r.xiB) : Json()},
                 {"omega", r.crackWidth},
                 {"minimumRatio", r.minimumRatio},
                 {"rhoMin", r.minimumPercent},
                 {"V", s.shear.checked ? Json(s.shear.V) : Json()},
                 {"Vc", s.shear.checked ? Json(s.shear.beam ? s.shear.limit : s.shear.Vc) : Json()},
                 {"shearOk", s.shear.checked ? Json(s.shear.ok) : Json()},
                 {"stirrups", s.shear.checked && s.shear.stirrupsNeeded ? Json(s.shear.stirrups) : Json()},
                 {"designed", r.designed && r.crackLimitMet && r.bars.found}});
    }
    return list;
}

template <class Result>
Json ReinforcedJson(const wall::WallCase& c, const Result& r) {
    const wall::ImaginaryBackResult& b = r.back;
    Json j;
    j["wallType"] = c.wallType;
    j["theory"] = b.theory;
    j["W"] = b.W;
    j["Zw"] = b.Zw;
    j["Ex"] = b.Ex;
    j["Ey"] = b.Ey;
    j["Zx"] = b.Zx;
    j["Zy"] = b.Zy;
    j["E"] = b.E;
    j["soilThrustClipped"] = b.soilThrustClipped;
    j["extraWeight"] = b.W1;
    j["extraWeightArm"] = b.Zw1;
    if (b.thrust.layerCount > 0 || b.water.front || b.water.uplift) {
        j["pressureDiagram"] = DiagramJson(b.thrust.diagram);
        j["water"] = WaterJson(b.water);
    }
    StabilityJson(j, b.stability);
    Json rc = StemLoadsJson(b.loads);
    if (b.loads.waterThrust > 0) {
        rc["waterThrust"] = b.loads.waterThrust;
        rc["waterThrustArm"] = b.loads.waterThrustArm;
    }
    rc["Ka"] = b.Ka;
    rc["base"] = BaseJson(r.slab);
    rc["sections"] = SectionsJson(r.sections);
    j["rc"] = rc;
    return j;
}

// The overall slip: its factor against the required one and the critical circle, x from the toe and y
// above the base level there; null where the foundation soil's strength is not given.
Json OverallJson(const wall::OverallResult& o) {
    if (!o.checked) return Json();
    return Json{{"F", o.found ? Json(o.F) : Json()},
                {"required", o.required},
                {"ok", o.found && o.ok},
                {"centre", o.found ? Json::array({o.centreFromToeX, o.centreAboveBase}) : Json()},
                {"radius", o.found ? Json(o.circle.R) : Json()},
                {"kh", o.kh},
                {"circles", o.evaluated},
                {"method", "Bishop"}};
}

// The seismic combination: its angles and inertia coefficient, the seismic thrust, the inertia forces
// and their resultant's height, the checks against the seismic factors and faE; null where not asked.
Json SeismicJson(const wall::CaseResult& a) {
    if (!a.seismic) return Json();
    const wall::SeismicResult& e = *a.seismic;
    Json j;
    j["acceleration"] = e.acceleration;
    j["importance"] = e.importance;
    j["cz"] = e.cz;
    j["inertiaFactor"] = e.inertiaFactor;
    j["theta"] = e.angles.theta;
    j["thetaWater"] = e.angles.thetaWater;
    j["angleSource"] = e.angles.fromTable ? "table" : "given";
    j["zetaA"] = e.zetaA;
    j["faE"] = e.faE > 0 ? Json(e.faE) : Json();
    j["refusal"] = e.refusal.empty() ? Json() : Json(e.refusal);
    const wall::StabilityResult* s = e.Stability();
    if (!e.refusal.empty() || !s) return j;
    auto thrust = [&j](float E, float Ex, float Ey) {
        j["E"] = E;
        j["Ex"] = Ex;
        j["Ey"] = Ey;
    };
    if (e.gravity) thrust(e.gravity->pressure.E, e.gravity->pressure.Ex, e.gravity->pressure.Ey);
    if (e.shelf) {
        const wall::ShelfPressureResult& p = e.shelf->pressure;
        thrust(p.E1, p.Ex, p.Ey);
        j["lower"] = Json{{"E", p.E2}, {"Ex", p.E2x}, {"Ey", p.E2y}};
    }
    const wall::ImaginaryBackResult* b = e.cantilever    ? &e.cantilever->back
                                         : e.counterfort ? &e.counterfort->back
                                                         : nullptr;
    if (b) thrust(b->E, b->Ex, b->Ey);
    Json parts = Json::array();
    double F = 0, moment = 0;
    for (const wall::Action& x : s->actions) {
        if (!x.Inertia()) continue;
        parts.push_back(Json{{"symbol", x.fxSymbol}, {"F", x.Fx}, {"arm", x.y}});
        F += x.Fx;
        moment += static_cast<double>(x.Fx) * x.y;
    }
    j["inertia"] = static_cast<float>(F);
    j["inertiaArm"] = F > 0 ? Json(static_cast<float>(moment / F)) : Json();
    j["inertiaParts"] = parts;
    StabilityJson(j, *s);
    if (e.gravity) j["section"] = SectionJson(e.gravity->section);
    if (e.shelf) j["section"] = SectionJson(e.shelf->section);
    j["overall"] = OverallJson(e.overall);
    if (e.sections.empty()) return j;
    // Each reinforced section: its seismic design moment and the combination it is designed for.
    Json rc = Json::array();
    for (const wall::SeismicSection& x : e.sections) {
        const bool combined = x.how == wall::SeismicMoment::kCombined;
        Json one = {{"name", std::string(x.name)},
                    {"how", combined ? "combined" : "basicBound"},
                    {"Mk", combined ? Json(x.Mk) : Json()},
                    {"MkE", combined ? Json(x.MkE) : Json()},
                    {"Mi", combined ? Json(x.Mi) : Json()},
                    {"ME", x.ME},
                    {"gammaRE", wall::kGammaReFlexure},
                    {"MEreduced", x.MEreduced},
                    {"Mstatic", x.Mstatic},
                    {"governing", x.seismicGoverns ? "seismic" : "static"}};
        if (x.shear.checked) {
            const wall::ShearResult& v = x.shear;
            one["shear"] = {{"Vk", combined ? Json(x.Vk) : Json()},
                            {"VkE", combined ? Json(x.VkE) : Json()},
                            {"Vi", combined ? Json(x.Vi) : Json()},
                            {"VE", x.VE},
                            {"gammaRE", wall::kGammaReShear},
                            {"VEreduced", x.VEreduced},
                            {"capacity", v.beam ? v.limit : v.Vc},
                            {"stirrups", v.beam && v.stirrupsNeeded ? Json(v.stirrups) : Json()},
                            {"ok", v.ok}};
        }
        if (x.seismicGoverns) {
            one["As"] = x.design.area;
            one["bars"] = x.design.bars.found ? Json(wall::BarLabel(x.design.bars)) : Json();
            one["designed"] = x.design.designed && x.design.crackLimitMet && x.design.bars.found;
        }
        rc.push_back(one);
    }
    j["rc"] = rc;
    return j;
}

// Whether every check passes, the names of those that do not, and of those that warn.
Json VerdictJson(const wall::CaseResult& a) {
    Json failed = Json::array(), warnings = Json::array();
    for (const wall::CheckVerdict& v : wall::CaseChecks(a)) {
        if (!v.pass) failed.push_back(v.name);
        if (v.warning) warnings.push_back(v.name);
    }
    Json notChecked = Json::array();
    for (const wall::CheckVerdict& v : wall::NotChecked(a)) notChecked.push_back(v.name);
    return Json{
        {"allPass", failed.empty()}, {"failed", failed}, {"warnings", warnings}, {"notChecked", notChecked}};
}

Json Analyse(const wall::WallCase& c) {
    wall::CaseResult a = RequireResult(c);
    Json j = a.shelf         ? ShelfJson(c, *a.shelf)
             : a.cantilever  ? ReinforcedJson(c, *a.cantilever)
             : a.counterfort ? ReinforcedJson(c, *a.counterfort)
                             : GravityJson(c, *a.gravity);
    j["overall"] = OverallJson(a.overall);
    j["seismic"] = SeismicJson(a);
    j["verdict"] = VerdictJson(a);
    const wall::Quantities q = wall::CaseQuantities(c, a);
    j["quantities"] =
        Json{{"area", static_cast<float>(q.area)},
             {"volumePerMetre", static_cast<float>(q.volumePerMetre)},
             {"steelPerMetre", q.reinforced ? Json(static_cast<float>(q.steelPerMetre)) : Json()}};
    return j;
}

const RegisterCommand analyseCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("analyse", "analyse a case and print its results");
    auto file = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    cmd->add_option("file", *file, "case file")->required();
    cmd->add_flag("--json", *json, "print as JSON");
    cmd->callback([file, json] {
        Json j = Analyse(LoadCase(*file));
        if (*json)
            std::cout << j.dump() << "\n";
        else
            PrintPlain(j);
    });
});

}  // namespace
}  // namespace wallcalc
