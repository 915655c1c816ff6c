// wallcalc new, show and set: creating, printing and editing case files.
#include <iostream>
#include <map>

#include "Commands.h"
#include "Json.h"
#include "case/CaseDefaults.h"
#include "case/CaseFields.h"
#include "text/Format.h"

namespace wallcalc {
namespace {

Json CaseJson(const wall::WallCase& c) {
    Json j;
    j["wallType"] = c.wallType;
    Json w;
    for (const wall::WallField& f : wall::WallFieldsInRecordOrder()) {
        if (std::holds_alternative<int32_t wall::CRetainingWall::*>(f.member))
            w[std::string(f.name)] = static_cast<int32_t>(wall::GetWallField(c.wall, f));
        else
            w[std::string(f.name)] = static_cast<float>(wall::GetWallField(c.wall, f));
    }
    j["wall"] = w;
    Json s;
    for (const wall::SoilField& f : wall::SoilScalarFields()) {
        if (std::holds_alternative<int32_t wall::CSoil::*>(f.member))
            s[std::string(f.name)] = static_cast<int32_t>(wall::GetSoilField(c.soil, f));
        else
            s[std::string(f.name)] = static_cast<float>(wall::GetSoilField(c.soil, f));
    }
    Json slope = Json::array();
    for (const auto& row : c.soil.m_afSlope)
        slope.push_back(std::vector<float>(std::begin(row), std::end(row)));
    Json layer = Json::array();
    for (const auto& row : c.soil.m_afLayer)
        layer.push_back(std::vector<float>(std::begin(row), std::end(row)));
    s["m_afSlope"] = slope;
    s["m_afLayer"] = layer;
    j["soil"] = s;
    return j;
}

// Prints the fields a person reads: every scalar, the slope segments in use and the first layer.
void PrintCase(const wall::WallCase& c) {
    std::cout << "wallType " << c.wallType;
    if (c.wallType >= 0 && c.wallType < wall::kWallTypeCount)
        std::cout << " " << wall::kWallTypeNames[c.wallType];
    std::cout << "\n";
    for (const wall::WallField& f : wall::WallFieldsInRecordOrder())
        std::cout << f.name << " " << wall::Format("%g", wall::GetWallField(c.wall, f)) << "\n";
    for (const wall::SoilField& f : wall::SoilScalarFields())
        std::cout << f.name << " " << wall::Format("%g", wall::GetSoilField(c.soil, f)) << "\n";
    for (int r = 0; r < c.soil.m_nSlopeSegs && r < wall::kSlopeRowsMax; ++r) {
        const float* row = c.soil.m_afSlope[r];
        std::cout << wall::Format("m_afSlope[%d] %g %g %g %g\n", r, row[0], row[1], row[2], row[3]);
    }
    const float* layer = c.soil.m_afLayer[0];
    std::cout << wall::Format("m_afLayer[0] %g %g %g\n", layer[0], layer[1], layer[2]);
}

const RegisterCommand newCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("new", "write the default case of a wall type");
    auto type = std::make_shared<int>(wall::kCounterfort);
    auto out = std::make_shared<std::string>();
    std::map<std::string, int> types(WallTypeOptions().begin(), WallTypeOptions().end());
    cmd->add_option("--type", *type, "wall type")->transform(CLI::CheckedTransformer(types));
    cmd->add_option("-o,--output", *out, "case file to write")->required();
    cmd->callback([type, out] { SaveCase(*out, wall::DefaultCase(*type)); });
});

const RegisterCommand showCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("show", "print every field of a case file");
    auto file = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    cmd->add_option("file", *file, "case file")->required();
    cmd->add_flag("--json", *json, "print as JSON");
    cmd->callback([file, json] {
        wall::WallCase c = LoadCase(*file);
        if (*json)
            std::cout << CaseJson(c).dump() << "\n";
        else
            PrintCase(c);
    });
});

const RegisterCommand setCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("set", "change fields of a case file: NAME=VALUE ...");
    auto file = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    cmd->add_option("file", *file, "case file")->required();
    cmd->add_option("assignments", *assignments, "NAME=VALUE")->required();
    cmd->callback([file, assignments] {
        wall::WallCase c = LoadCase(*file);
        for (const std::string& a : *assignments) {
            size_t eq = a.find('=');
            if (eq == std::string::npos) throw CommandError{"\"" + a + "\" is not NAME=VALUE"};
            std::string err = wall::SetCaseField(c, a.substr(0, eq), a.substr(eq + 1));
            if (!err.empty()) throw CommandError{err};
        }
        SaveCase(*file, c);
    });
});

}  // namespace
}  // namespace wallcalc
