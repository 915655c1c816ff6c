// Setting fields by name through the field table, and the range check of a case.
#include "case/CaseFields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>

#include "case/CaseDefaults.h"
#include "case/CaseSettings.h"
#include "case/LeadingNumber.h"
#include "text/Format.h"

namespace wall {
namespace {

using W = CRetainingWall;
using S = CSoil;

// Reads "name[r][c]" into r and c; false if the text is not of that form.
bool ParseIndexed(std::string_view text, std::string_view name, int& r, int& c) {
    if (text.substr(0, name.size()) != name) return false;
    std::string_view rest = text.substr(name.size());
    // "[row][column]", each a decimal int; one beyond int is no index (so out of the table's range).
    auto index = [&rest](int& out) {
        if (rest.empty() || rest.front() != '[') return false;
        rest.remove_prefix(1);
        long long value = 0;
        const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
        if (end == rest.data() || end == rest.data() + rest.size() || *end != ']') return false;
        out = ec == std::errc{} && value >= INT32_MIN && value <= INT32_MAX ? static_cast<int>(value)
                                                                            : INT32_MAX;
        rest.remove_prefix(static_cast<std::size_t>(end - rest.data()) + 1);
        return true;
    };
    return index(r) && index(c) && rest.empty();
}

// An integer field takes only a whole number.
std::optional<int32_t> AsInteger(double v) {
    if (!std::isfinite(v) || v != std::floor(v) || v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
}

// The table column field a cell name addresses, with its row and column; nullptr when the name is
// no cell of a table.
const CaseField* ParseCell(std::string_view name, int& row, int& column) {
    for (const CaseField& f : CaseFieldTable())
        if (f.column >= 0 && ParseIndexed(name, f.name, row, column)) return &f;
    return nullptr;
}

}  // namespace

std::vector<DomainFinding> DomainFindings(const WallCase& c) {
    std::vector<DomainFinding> out;
    const int t = c.wallType;
    const int layers = LayersInUse(c.soil);
    for (const CaseField& f : CaseFieldTable()) {
        if (f.derived || f.place == FieldPlace::kHidden || !ShownForType(f, t) || !f.domain.allowed.empty())
            continue;
        // The tables are read as the slope page shows them, as the analyses read them.
        const int rows = f.place == FieldPlace::kSlopeGrid ? std::clamp(c.soil.m_nSlopeSegs, 0, kSlopeRowsMax)
                         : f.place == FieldPlace::kLayerGrid ? layers
                                                             : 1;
        for (int r = 0; r < rows; ++r) {
            const double v =
                f.column < 0 ? FieldValue(c, f) : AsShown(static_cast<float>(FieldValue(c, f, r)));
            if (std::string fault = DomainFault(f, t, v); !fault.empty())
                out.push_back({FieldTitle(f, t), fault});
        }
    }
    return out;
}

std::string CheckCaseRanges(const WallCase& c) {
    // In this order: a file with several faults is refused for the first. A grade is stored as its
    // position in the list.
    const struct {
        const CaseField& field;
        const char* suffix;
    } checks[] = {{FieldOf(&WallCase::wallType), ""},
                  {FieldOf(&S::m_nSlopeSegs), ""},
                  {FieldOf(&S::m_nTheory), ""},
                  {FieldOf(&W::m_nRebarGrade), "序号"},
                  {FieldOf(&W::m_nConcreteGrade), "序号"}};
    for (const auto& check : checks) {
        const double v = FieldValue(c, check.field);
        if (InDomain(check.field.domain, v)) continue;
        const std::span<const int32_t> allowed = check.field.domain.allowed;
        return Format("%s%s %d 超出范围 %d～%d", check.field.label, check.suffix, static_cast<int>(v),
                      allowed.front(), allowed.back());
    }
    return {};
}

std::string FieldNameFault(std::string_view name) {
    if (IsCaseSettingName(name)) return {};
    int row = 0, column = 0;
    if (const CaseField* table = ParseCell(name, row, column)) {
        const TableShape shape = ShapeOf(*table);
        const CaseField* field = FindCaseField(table->name, column);
        if (row < 0 || row >= shape.rows || column < 0 || column >= shape.columns)
            return Format("%.*s 的行列号超出范围：行 0～%d，列 0～%d", int(table->name.size()),
                          table->name.data(), shape.rows - 1, shape.columns - 1);
        if (field && field->derived)
            return Format("%.*s 的第 2、3 列（坡线长度、仰角）由第 0、1 列算出，请设置第 0、1 列",
                          int(table->name.size()), table->name.data());
        return {};
    }
    if (FindCaseField(name)) return {};
    return Format("没有名为“%.*s”的字段（wallcalc fields 列出全部字段）", int(name.size()), name.data());
}

std::string SetCaseField(WallCase& c, std::string_view name, std::string_view valueText) {
    // A setting that may be absent is taken away by an empty value or "none".
    if (IsCaseSettingName(name) && (valueText.empty() || valueText == "none"))
        return ClearCaseSetting(c.settings, name);
    if (std::string fault = FieldNameFault(name); !fault.empty()) return fault;
    std::optional<double> parsed = StrictNumber(valueText);
    if (!parsed)
        return Format("%.*s 的值“%.*s”不是一个数", int(name.size()), name.data(), int(valueText.size()),
                      valueText.data());
    // The value is checked as it is stored: a float. One too small for a float would be stored as 0 (or
    // as a denormal) and pass a check of "greater than 0" that the stored value fails.
    if ((*parsed != 0 || WrittenNonZero(valueText)) && std::fabs(*parsed) < std::numeric_limits<float>::min())
        return Format("%.*s 的值 %s 太小，单精度数不能保存（绝对值应不小于 %g，或为 0）", int(name.size()),
                      name.data(), Abridged(valueText).c_str(),
                      static_cast<double>(std::numeric_limits<float>::min()));
    if (IsCaseSettingName(name)) return SetCaseSetting(c.settings, name, *parsed);
    const double v = *parsed;
    WallCase next = c;

    std::string err;
    int row = 0, column = 0;
    if (const CaseField* table = ParseCell(name, row, column)) {
        // The name is known good: a cell within its table, not a derived column.
        if (const CaseField* field = FindCaseField(table->name, column))
            err = DomainFault(*field, c.wallType, v);
        else if (!(std::fabs(v) <= std::numeric_limits<float>::max()))
            err = Format("%.*s[%d][%d] 超出单精度数的范围，当前为 %g", int(table->name.size()),
                         table->name.data(), row, column, v);
        if (err.empty())
            // A column the table has no field for is stored as well, so the case file keeps it.
            VisitField(
                next, *table, row,
                [&](auto& cell) { cell = static_cast<std::remove_reference_t<decltype(cell)>>(v); }, column);
    } else if (const CaseField* field = FindCaseField(name)) {
        if (std::string fault = DomainFault(*field, c.wallType, v); !fault.empty()) return fault;
        VisitField(next, *field, 0, [&]<class T>(T& value) {
            if constexpr (std::is_same_v<T, float>) {
                value = static_cast<float>(v);
            } else if (std::optional<int32_t> i = AsInteger(v)) {
                value = *i;
            } else {
                err = Format("%.*s 应为整数", int(name.size()), name.data());
            }
        });
        // The slope grid has one header row above the segments.
        if (field == &FieldOf(&S::m_nSlopeSegs)) next.soil.m_nSlopeRows = next.soil.m_nSlopeSegs + 1;
        if (field == &FieldOf(&S::m_nSlopeRows)) {
            next.soil.m_nSlopeSegs = next.soil.m_nSlopeRows - 1;
            if (next.soil.m_nSlopeSegs < 1 || next.soil.m_nSlopeSegs > 2)
                err = Format("m_nSlopeRows 应为 2 或 3（坡面线段数加表头一行），当前为 %d",
                             next.soil.m_nSlopeRows);
        }
    }
    if (!err.empty()) return err;
    if (std::string range = CheckCaseRanges(next); !range.empty()) return range;
    // Another wall type's dimensions mean nothing to this one: it opens with its own, as the
    // dialog's type list does, and the slope page stays.
    if (next.wallType != c.wallType) next.wall = DefaultWall(next.wallType);
    UpdateSlopeDerived(next.soil);
    c = next;
    return {};
}

}  // namespace wall
