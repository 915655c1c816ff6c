// Field tables of the case records and setting fields by name.
#include "case/CaseFields.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

#include "case/Grades.h"
#include "case/LeadingNumber.h"
#include "text/Format.h"

namespace wall {
namespace {

using W = CRetainingWall;
using S = CSoil;

const std::array<WallField, 22> kRecordOrder = {{
    {"m_fToeWidth", &W::m_fToeWidth},
    {"m_fHeelWidth", &W::m_fHeelWidth},
    {"m_fToeHeight", &W::m_fToeHeight},
    {"m_fHeelHeight", &W::m_fHeelHeight},
    {"m_fTopWidth", &W::m_fTopWidth},
    {"m_fAllowCompress", &W::m_fAllowCompress},
    {"m_fWallFriction", &W::m_fWallFriction},
    {"m_fBackSlope", &W::m_fBackSlope},
    {"m_fBaseSlope", &W::m_fBaseSlope},
    {"m_fFrontSlope", &W::m_fFrontSlope},
    {"m_fHeight", &W::m_fHeight},
    {"m_fUnitWeight", &W::m_fUnitWeight},
    {"m_fAllowShear", &W::m_fAllowShear},
    {"m_fBaseFriction", &W::m_fBaseFriction},
    {"m_fCfThickness", &W::m_fCfThickness},
    {"m_fCfSpacing", &W::m_fCfSpacing},
    {"m_fLowerBackSlope", &W::m_fLowerBackSlope},
    {"m_nRebarGrade", &W::m_nRebarGrade},
    {"m_nConcreteGrade", &W::m_nConcreteGrade},
    {"m_fBarDiameter", &W::m_fBarDiameter},
    {"m_fCover", &W::m_fCover},
    {"m_fCrackLimit", &W::m_fCrackLimit},
}};

const std::array<WallField, 22> kFileOrder = {{
    {"m_fBackSlope", &W::m_fBackSlope},
    {"m_fBaseSlope", &W::m_fBaseSlope},
    {"m_fFrontSlope", &W::m_fFrontSlope},
    {"m_fTopWidth", &W::m_fTopWidth},
    {"m_fToeWidth", &W::m_fToeWidth},
    {"m_fHeelWidth", &W::m_fHeelWidth},
    {"m_fCfThickness", &W::m_fCfThickness},
    {"m_fAllowCompress", &W::m_fAllowCompress},
    {"m_fWallFriction", &W::m_fWallFriction},
    {"m_fHeight", &W::m_fHeight},
    {"m_fToeHeight", &W::m_fToeHeight},
    {"m_fHeelHeight", &W::m_fHeelHeight},
    {"m_fCfSpacing", &W::m_fCfSpacing},
    {"m_fUnitWeight", &W::m_fUnitWeight},
    {"m_fAllowShear", &W::m_fAllowShear},
    {"m_fBaseFriction", &W::m_fBaseFriction},
    {"m_fLowerBackSlope", &W::m_fLowerBackSlope},
    {"m_fBarDiameter", &W::m_fBarDiameter},
    {"m_nRebarGrade", &W::m_nRebarGrade},
    {"m_nConcreteGrade", &W::m_nConcreteGrade},
    {"m_fCrackLimit", &W::m_fCrackLimit},
    {"m_fCover", &W::m_fCover},
}};

const std::array<SoilField, 10> kSoilScalars = {{
    {"m_nSlopeCols", &S::m_nSlopeCols},
    {"m_nLayerCols", &S::m_nLayerCols},
    {"m_fLoadOffset", &S::m_fLoadOffset},
    {"m_fLoadPressure", &S::m_fLoadPressure},
    {"m_fLoadWidth", &S::m_fLoadWidth},
    {"m_nTheory", &S::m_nTheory},
    {"m_nSlopeSegs", &S::m_nSlopeSegs},
    {"m_nSlopeLabels", &S::m_nSlopeLabels},
    {"m_nLayerLabels", &S::m_nLayerLabels},
    {"m_nSlopeRows", &S::m_nSlopeRows},
}};

// Reads "name[r][c]" into r and c; false if the text is not of that form.
bool ParseIndexed(std::string_view text, std::string_view name, int& r, int& c) {
    if (text.substr(0, name.size()) != name) return false;
    std::string rest(text.substr(name.size()));
    int consumed = 0;
    if (std::sscanf(rest.c_str(), "[%d][%d]%n", &r, &c, &consumed) != 2) return false;
    return consumed == static_cast<int>(rest.size());
}

// An integer field takes only a whole number.
std::optional<int32_t> AsInteger(double v) {
    if (!std::isfinite(v) || v != std::floor(v) || v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}

}  // namespace

std::span<const WallField> WallFieldsInRecordOrder() { return kRecordOrder; }
std::span<const WallField> WallFieldsInFileOrder() { return kFileOrder; }
std::span<const SoilField> SoilScalarFields() { return kSoilScalars; }

double GetWallField(const CRetainingWall& w, const WallField& f) {
    return std::visit([&](auto m) { return static_cast<double>(w.*m); }, f.member);
}

double GetSoilField(const CSoil& s, const SoilField& f) {
    return std::visit([&](auto m) { return static_cast<double>(s.*m); }, f.member);
}

std::string CheckCaseRanges(const WallCase& c) {
    if (c.wallType < 0 || c.wallType >= kWallTypeCount)
        return Format("挡土墙类型 %d 超出范围 0～4", c.wallType);
    if (c.soil.m_nSlopeSegs < 1 || c.soil.m_nSlopeSegs > 2)
        return Format("坡面线段数 %d 超出范围 1～2", c.soil.m_nSlopeSegs);
    if (c.soil.m_nTheory != kCoulomb && c.soil.m_nTheory != kRankine)
        return Format("土压力计算方法 %d 超出范围 0～1", c.soil.m_nTheory);
    if (c.wall.m_nRebarGrade < 0 || c.wall.m_nRebarGrade >= static_cast<int>(kRebarGrades.size()))
        return Format("钢筋级别序号 %d 超出范围 0～3", c.wall.m_nRebarGrade);
    if (c.wall.m_nConcreteGrade < 0 || c.wall.m_nConcreteGrade >= static_cast<int>(kConcreteGrades.size()))
        return Format("混凝土强度等级序号 %d 超出范围 0～13", c.wall.m_nConcreteGrade);
    return {};
}

std::string SetCaseField(WallCase& c, std::string_view name, std::string_view valueText) {
    std::optional<double> parsed = StrictNumber(valueText);
    if (!parsed) return Format("%.*s: \"%.*s\" is not a number", int(name.size()), name.data(),
                               int(valueText.size()), valueText.data());
    double v = *parsed;
    WallCase next = c;

    auto setInt = [&](int32_t& field) -> std::string {
        std::optional<int32_t> i = AsInteger(v);
        if (!i) return Format("%.*s takes a whole number", int(name.size()), name.data());
        field = *i;
        return {};
    };

    std::string err;
    bool found = false;
    int r = 0, col = 0;
    if (name == "wallType") {
        found = true;
        err = setInt(next.wallType);
    } else if (ParseIndexed(name, "m_afSlope", r, col)) {
        found = true;
        if (r < 0 || r >= kSlopeRowsMax || col < 0 || col >= kSlopeColumns)
            err = "m_afSlope index out of range [0..49][0..5]";
        else if (col == kSlopeLength || col == kSlopeAngle)
            err = "m_afSlope columns 2 and 3 follow from columns 0 and 1; set those instead";
        else
            next.soil.m_afSlope[r][col] = static_cast<float>(v);
    } else if (ParseIndexed(name, "m_afLayer", r, col)) {
        found = true;
        if (r < 0 || r >= kLayerRowsMax || col < 0 || col >= kLayerColumns)
            err = "m_afLayer index out of range [0..49][0..7]";
        else
            next.soil.m_afLayer[r][col] = static_cast<float>(v);
    } else {
        for (const WallField& f : kRecordOrder) {
            if (f.name != name) continue;
            found = true;
            if (auto* fm = std::get_if<float W::*>(&f.member))
                next.wall.*(*fm) = static_cast<float>(v);
            else
                err = setInt(next.wall.*std::get<int32_t W::*>(f.member));
        }
        for (const SoilField& f : kSoilScalars) {
            if (f.name != name) continue;
            found = true;
            if (auto* fm = std::get_if<float S::*>(&f.member))
                next.soil.*(*fm) = static_cast<float>(v);
            else
                err = setInt(next.soil.*std::get<int32_t S::*>(f.member));
        }
        if (name == "m_nSlopeSegs" && err.empty()) next.soil.m_nSlopeRows = next.soil.m_nSlopeSegs + 1;
        if (name == "m_nSlopeRows" && err.empty()) next.soil.m_nSlopeSegs = next.soil.m_nSlopeRows - 1;
    }
    if (!found) return Format("unknown field \"%.*s\"", int(name.size()), name.data());
    if (!err.empty()) return err;
    if (std::string range = CheckCaseRanges(next); !range.empty()) return range;
    UpdateSlopeDerived(next.soil);
    c = next;
    return {};
}

}  // namespace wall
