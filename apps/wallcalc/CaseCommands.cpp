// wallcalc new, show and set: creating, printing and editing case files.
#include <iostream>
#include <map>

#include "Commands.h"
#include "Json.h"
#include "case/CaseDefaults.h"
#include "case/CaseFields.h"
#include "case/CaseFile.h"
#include "case/CaseJson.h"
#include "case/CaseSettings.h"
#include "case/FieldTable.h"
#include "text/Format.h"

namespace wallcalc {
namespace {

// A value followed by its unit, when it has one.
std::string WithUnit(double v, const wall::CaseField& f) {
    std::string text = wall::Format("%g", v);
    if (*f.unit) text += std::string(" ") + f.unit;
    return text;
}

// The cells of a table row in the columns the table has fields for, each with its unit.
std::string RowWithUnits(const wall::WallCase& c, std::string_view table, int row) {
    std::string text;
    for (const wall::CaseField& f : wall::CaseFieldTable())
        if (f.name == table && f.column >= 0) text += " " + WithUnit(wall::FieldValue(c, f, row), f);
    return text;
}

// Prints the fields a person reads: every scalar with its unit, the slope segments and the layers in
// use, the settings.
void PrintCase(const wall::WallCase& c) {
    std::cout << "wallType " << c.wallType;
    if (c.wallType >= 0 && c.wallType < wall::kWallTypeCount)
        std::cout << " " << wall::kWallTypeNames[c.wallType];
    std::cout << "\n";
    for (const wall::CaseField* f : wall::WallFieldsInRecordOrder())
        std::cout << f->name << " " << WithUnit(wall::FieldValue(c, *f), *f) << "\n";
    for (const wall::CaseField* f : wall::SoilScalarsInRecordOrder())
        std::cout << f->name << " " << WithUnit(wall::FieldValue(c, *f), *f) << "\n";
    for (int r = 0; r < c.soil.m_nSlopeSegs && r < wall::kSlopeRowsMax; ++r)
        std::cout << "m_afSlope[" << r << "]" << RowWithUnits(c, "m_afSlope", r) << "\n";
    for (int r = 0; r < wall::LayersInUse(c.soil); ++r)
        std::cout << "m_afLayer[" << r << "]" << RowWithUnits(c, "m_afLayer", r) << "\n";
    const wall::CaseSettings& s = c.settings;
    std::cout << "checks.overturning " << s.overturning << "\nchecks.sliding " << s.sliding
              << "\nfoundation.fa " << (s.fa > 0 ? wall::Format("%g kPa", s.fa) : std::string("-"))
              << "\nfoundation.eccentricityLimit " << s.eccentricityLimit << "\n";
    if (s.HasWaterBehind() || s.HasWaterFront()) {
        std::cout << "water.behind " << (s.HasWaterBehind() ? wall::Format("%g m", s.waterBehind) : "-")
                  << "\nwater.front " << (s.HasWaterFront() ? wall::Format("%g m", s.waterFront) : "-")
                  << "\nwater.unitWeight " << s.waterUnitWeight << " kN/m3\nwater.combined "
                  << s.waterCombined << "\n";
    }
}

const RegisterCommand newCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand("new", "write the default case of a wall type");
    auto type = std::make_shared<int>(wall::kCounterfort);
    auto out = std::make_shared<std::string>();
    std::map<std::string, int> types(WallTypeOptions().begin(), WallTypeOptions().end());
    cmd->add_option("--type", *type, "wall type")->transform(CLI::CheckedTransformer(types));
    auto force = std::make_shared<bool>(false);
    cmd->add_option("-o,--output", *out, "case file to write")->required();
    cmd->add_flag("--force", *force, "replace an existing file");
    cmd->callback([type, out, force] {
        RefuseToReplace(*out, *force);
        SaveCase(*out, wall::DefaultCase(*type));
    });
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
            std::cout << wall::CaseToJson(c).dump() << "\n";
        else
            PrintCase(c);
    });
});

const RegisterCommand setCommand([](CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "set", "change fields of a case file: NAME=VALUE ... (`wallcalc fields` lists the names)");
    auto file = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    cmd->add_option("file", *file, "case file")->required();
    cmd->add_option("assignments", *assignments, "NAME=VALUE")->required();
    // The names and units come from the field table, so the help cannot fall behind it.
    std::string names = "\nFields (unit):";
    for (const wall::CaseField& f : wall::CaseFieldTable()) {
        if (f.derived) continue;
        names += "\n  " + std::string(f.name);
        if (f.column >= 0) names += "[r][" + std::to_string(f.column) + "]";
        if (*f.unit) names += std::string(" (") + f.unit + ")";
    }
    for (std::string_view n : wall::kCaseSettingNames)
        names += "\n  " + std::string(n) + (n == "foundation.fa" ? " (kPa; 0: none)" : "");
    cmd->footer(names);
    cmd->callback([file, assignments] {
        wall::WallCase c = LoadCase(*file);
        for (const std::string& a : *assignments) {
            size_t eq = a.find('=');
            if (eq == std::string::npos) throw CommandError{"“" + a + "”不是 名称=值 的形式"};
            const int type = c.wallType;
            std::string err = wall::SetCaseField(c, a.substr(0, eq), a.substr(eq + 1));
            if (!err.empty()) throw CommandError{err};
            if (c.wallType != type)
                std::cerr << "wallcalc: 挡土墙类型改为" << wall::kWallTypeNames[c.wallType]
                          << "：墙体参数取该类型的默认值，坡体信息保留。\n";
        }
        SaveCase(*file, c);
    });
});

const RegisterCommand convertCommand([](CLI::App& app) {
    auto* cmd =
        app.add_subcommand("convert", "convert a case file between the binary and the text (.json) format");
    auto from = std::make_shared<std::string>();
    auto to = std::make_shared<std::string>();
    auto force = std::make_shared<bool>(false);
    cmd->add_option("from", *from, "case file, either format")->required();
    cmd->add_option("to", *to, "case file to write: .json for text, any other name for binary")->required();
    cmd->add_flag("--force", *force, "replace an existing file");
    cmd->callback([from, to, force] {
        const wall::WallCase c = LoadCase(*from);
        RefuseToReplace(*to, *force);
        if (wall::IsTextCasePath(*to))
            for (const std::string& name : wall::UnwritableValues(c))
                std::cerr << "wallcalc: 警告：" << name
                          << " 不是有限数或小于单精度数的最小正规数，文本格式中写为 0\n";
        SaveCase(*to, c);
    });
});

}  // namespace
}  // namespace wallcalc
