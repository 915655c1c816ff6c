// wallcalc fields: every field of a case with its name, dialog label, unit and domain.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "Json.h"
#include "case/CaseSettings.h"
#include "case/FieldTable.h"
#include "text/Format.h"

namespace wallcalc {
namespace {

// The name as `wallcalc set` takes it; a table column's cells take the row for r.
std::string SetName(const wall::CaseField& f) {
    if (f.column < 0) return std::string(f.name);
    return wall::Format("%.*s[r][%d]", static_cast<int>(f.name.size()), f.name.data(), f.column);
}

const char* PlaceName(wall::FieldPlace p) {
    switch (p) {
        case wall::FieldPlace::kHidden:
            return "hidden";
        case wall::FieldPlace::kTypeList:
            return "typeList";
        case wall::FieldPlace::kOverall:
            return "overall";
        case wall::FieldPlace::kToe:
            return "toe";
        case wall::FieldPlace::kHeel:
            return "heel";
        case wall::FieldPlace::kMaterials:
            return "materials";
        case wall::FieldPlace::kRebarDialog:
            return "rebarDialog";
        case wall::FieldPlace::kSoilPage:
            return "soilPage";
        case wall::FieldPlace::kSlopeGrid:
            return "slopeGrid";
        case wall::FieldPlace::kLayerGrid:
            return "layerGrid";
    }
    return "";
}

// A list of allowed values; a long run of consecutive ones is shortened to its ends.
std::string AllowedText(std::span<const int32_t> allowed) {
    const bool run = allowed.back() - allowed.front() + 1 == static_cast<int32_t>(allowed.size());
    if (run && allowed.size() > 5)
        return wall::Format("{%d, %d, …, %d}", allowed[0], allowed[1], allowed.back());
    std::string text = "{";
    for (std::size_t i = 0; i < allowed.size(); ++i) text += (i ? ", " : "") + std::to_string(allowed[i]);
    return text + "}";
}

std::string DomainText(const wall::CaseField& f) {
    if (f.derived) return "计算值，不能设置";
    const wall::FieldDomain& d = f.domain;
    if (!d.allowed.empty()) return AllowedText(d.allowed);
    const bool integer = wall::IsIntegerField(f);
    if (d.lower.kind == wall::BoundKind::kNone && d.upper.kind == wall::BoundKind::kNone)
        return integer ? "整数" : "(-∞, +∞)";
    std::string text = integer ? "整数 " : "";
    if (d.lower.kind == wall::BoundKind::kNone)
        text += "(-∞";
    else
        text += wall::Format("%s%g", d.lower.kind == wall::BoundKind::kOpen ? "(" : "[", d.lower.value);
    if (d.upper.kind == wall::BoundKind::kNone)
        text += ", +∞)";
    else
        text += wall::Format(", %g%s", d.upper.value, d.upper.kind == wall::BoundKind::kOpen ? ")" : "]");
    return text;
}

// Terminal columns of a UTF-8 text: the CJK characters and full-width forms take two.
std::size_t DisplayWidth(std::string_view s) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        uint32_t cp = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                          (cp >= 0xFFE0 && cp <= 0xFFE6);
        width += wide ? 2 : 1;
        i += n;
    }
    return width;
}

std::string Padded(const std::string& s, std::size_t width) {
    const std::size_t w = DisplayWidth(s);
    return s + std::string(width > w ? width - w : 0, ' ');
}

void PrintTable() {
    using Row = std::vector<std::string>;
    std::vector<Row> rows = {{"名称", "标签", "单位", "取值范围"}};
    for (const wall::CaseField& f : wall::CaseFieldTable()) {
        rows.push_back({SetName(f), *f.label ? f.label : "（对话框不显示）", f.unit, DomainText(f)});
        // The label some types' pages show instead, on its own line under the field.
        for (const wall::TypeLabel& t : f.typeLabels)
            rows.push_back({"",
                            "  " + std::string(wall::kWallTypeNames[static_cast<std::size_t>(t.wallType)]) +
                                "：" + t.label,
                            "", ""});
    }
    // The settings a binary case file cannot hold: the text format and `set` take them.
    for (const wall::CaseSettingInfo& k : wall::CaseSettingInfos())
        rows.push_back({std::string(k.name), k.title, k.unit, k.range});
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const Row& r : rows)
        for (std::size_t i = 0; i < r.size(); ++i) widths[i] = std::max(widths[i], DisplayWidth(r[i]));
    for (const Row& r : rows) {
        std::string line;
        for (std::size_t i = 0; i < r.size(); ++i)
            line += i + 1 < r.size() ? Padded(r[i], widths[i] + 2) : r[i];
        while (!line.empty() && line.back() == ' ') line.pop_back();
        std::cout << line << "\n";
    }
    std::cout << wall::Format("\nr：表格行号，m_afSlope 为 0～%d，m_afLayer 为 0～%d。\n",
                              wall::kSlopeRowsMax - 1, wall::kLayerRowsMax - 1)
              << "checks.*、foundation.*、water.* 只存于文本格式（.wall.json）；可不给出的项用 none 取消。\n";
}

Json BoundJson(const wall::Bound& b) {
    if (b.kind == wall::BoundKind::kNone) return nullptr;
    Json j;
    j["value"] = b.value;
    j["closed"] = b.kind == wall::BoundKind::kClosed;
    return j;
}

Json TableJson() {
    Json all = Json::array();
    for (const wall::CaseField& f : wall::CaseFieldTable()) {
        Json j;
        j["name"] = std::string(f.name);
        if (f.column >= 0) j["column"] = f.column;
        j["label"] = f.label;
        Json typeLabels = Json::array();
        for (const wall::TypeLabel& t : f.typeLabels)
            typeLabels.push_back({{"wallType", t.wallType}, {"label", t.label}});
        j["typeLabels"] = typeLabels;
        j["unit"] = f.unit;
        j["integer"] = wall::IsIntegerField(f);
        j["format"] =
            f.decimals == wall::kShortestForm ? std::string("%g") : wall::Format("%%.%df", f.decimals);
        j["fileOffset"] = 4 * f.fileSlot;
        j["control"] = f.control;
        j["place"] = PlaceName(f.place);
        Json types = Json::array();
        for (int t = 0; t < wall::kWallTypeCount; ++t)
            if (wall::ShownForType(f, t)) types.push_back(t);
        j["wallTypes"] = types;
        j["derived"] = f.derived;
        Json domain;
        domain["lower"] = BoundJson(f.domain.lower);
        domain["upper"] = BoundJson(f.domain.upper);
        if (!f.domain.allowed.empty())
            domain["allowed"] = std::vector<int32_t>(f.domain.allowed.begin(), f.domain.allowed.end());
        j["domain"] = domain;
        all.push_back(j);
    }
    return all;
}

const RegisterCommand fieldsCommand([](CLI::App& app) {
    auto* cmd =
        app.add_subcommand("fields", "list every case field: name for `set`, dialog label, unit, domain");
    auto json = std::make_shared<bool>(false);
    cmd->add_flag("--json", *json, "print as JSON, with decimals, file offsets, controls and wall types");
    cmd->callback([json] {
        if (*json)
            std::cout << TableJson().dump() << "\n";
        else
            PrintTable();
    });
});

}  // namespace
}  // namespace wallcalc
