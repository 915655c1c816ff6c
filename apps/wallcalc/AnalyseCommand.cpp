// wallcalc analyse: runs the analysis of a masonry wall case and prints its results.
#include <iostream>
#include <string>

#include "Commands.h"
#include "Json.h"
#include "analysis/GravityWallAnalysis.h"
#include "analysis/KernelBlock.h"
#include "analysis/ShelfWallAnalysis.h"
#include "analysis/ValidateCase.h"
#include "drawing/WallOutline.h"

namespace wallcalc {
namespace {

void StabilityJson(Json& j, const wall::StabilityResult& s) {
    j["Kq"] = s.Kq;
    j["Kh"] = s.Kh;
    j["B"] = s.B;
    j["e0"] = s.e0;
    j["sigmaMax"] = s.sigmaMax;
    j["sigmaMin"] = s.sigmaMin;
    j["overturningOk"] = s.overturningOk;
    j["slidingOk"] = s.slidingOk;
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

Json Analyse(const wall::WallCase& c) {
    std::vector<wall::Finding> findings = wall::ValidateCase(c);
    if (!findings.empty()) {
        std::string message = "无法计算：";
        for (const wall::Finding& f : findings) message += "\n  " + f.field + "：" + f.message;
        throw CommandError{message};
    }
    if (c.wallType == wall::kCantilever || c.wallType == wall::kCounterfort)
        throw CommandError{"悬臂式挡土墙和扶壁式挡土墙的计算尚未提供"};

    wall::KernelBlock kb;
    wall::BuildWallOutline(c, kb);
    if (c.wallType == wall::kShelf) return ShelfJson(c, wall::ShelfWallAnalysis(c, kb));
    wall::GravityWallResult r = wall::GravityWallAnalysis(c, kb);
    if (r.status != wall::PressureStatus::kOk)
        throw CommandError{"无法计算：" + std::string(wall::PressureStatusMessage(r.status))};
    return GravityJson(c, r);
}

const RegisterCommand analyseCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("analyse", "analyse a gravity, semi-gravity or shelf wall case");
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
