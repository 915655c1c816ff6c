// The grid search of the least wall that passes.
#include "sizing/SizeWall.h"

#include <algorithm>
#include <cmath>

#include "calc/CalculateCase.h"
#include "calc/Quantities.h"
#include "case/CaseFields.h"
#include "sizing/GoverningCheck.h"
#include "text/Format.h"

namespace wall {
namespace {

void Set(WallCase& c, const CaseField& f, double v) {
    VisitField(c, f, 0, [v](auto& x) { x = static_cast<std::remove_reference_t<decltype(x)>>(v); });
}

struct Candidate {
    double area;
    std::vector<long> steps;
};

bool AllPass(const std::vector<CheckVerdict>& checks) {
    return std::all_of(checks.begin(), checks.end(), [](const CheckVerdict& v) { return v.pass; });
}

// The masonry wall's top width: the highway code's least top width of a mortared-rubble wall body
// (0.4 m for a concrete one, which the case cannot tell from masonry: `--min m_fTopWidth=0.4`).
constexpr ConstructiveMinimum kMasonry[] = {
    {"m_fTopWidth", 0.5, "JTG D30 挡土墙构造：浆砌片石墙身顶宽不小于 0.5 m，混凝土墙身 0.4 m"},
};
// The stem's (face panel's) top and the base slabs of a cantilever or counterfort wall.
constexpr ConstructiveMinimum kReinforced[] = {
    {"m_fTopWidth", 0.2, "GB 50330-2013 第12.3节：立板顶宽不小于 200 mm"},
    {"m_fToeHeight", 0.3, "公路挡土墙的构造做法：墙趾板厚度不小于 0.3 m，满足 GB 50330-2013 第12.3节"},
    {"m_fHeelHeight", 0.3, "公路挡土墙的构造做法：墙踵板厚度不小于 0.3 m，满足 GB 50330-2013 第12.3节"},
};

}  // namespace

std::span<const ConstructiveMinimum> ConstructiveMinimums(int wallType) {
    if (wallType == kCantilever || wallType == kCounterfort) return kReinforced;
    if (wallType == kGravity || wallType == kSemiGravity || wallType == kShelf) return kMasonry;
    return {};
}

const ConstructiveMinimum* FindConstructiveMinimum(int wallType, std::string_view field) {
    for (const ConstructiveMinimum& m : ConstructiveMinimums(wallType))
        if (m.field == field) return &m;
    return nullptr;
}

std::vector<ConstructiveMinimum> UnmetMinimums(const WallCase& c, const SizeRequest& request) {
    std::vector<ConstructiveMinimum> unmet;
    for (const ConstructiveMinimum& m : ConstructiveMinimums(c.wallType)) {
        const bool varied = std::any_of(request.fields.begin(), request.fields.end(),
                                        [&](const VariedField& v) { return v.field->name == m.field; });
        const CaseField* f = FindCaseField(m.field);
        if (!varied && f && FieldValue(c, *f) < m.value - 1e-6) unmet.push_back(m);
    }
    return unmet;
}

std::vector<std::string_view> DefaultVariedFieldNames(int wallType) {
    switch (wallType) {
        case kShelf:
            return {"m_fTopWidth", "m_fHeelWidth"};
        case kCantilever:
            // The stem's thickness too: its depth bounds the moment it can take (ξ ≤ ξb).
            return {"m_fTopWidth", "m_fToeWidth", "m_fHeelWidth"};
        case kCounterfort:
            return {"m_fToeWidth", "m_fHeelWidth"};
        case kSemiGravity:
            // The toe's depth at the face too: it bounds the toe's bending tension.
            return {"m_fTopWidth", "m_fHeelHeight"};
        default:
            return {"m_fTopWidth"};
    }
}

bool IsSizeableField(std::string_view name) {
    // The widths and thicknesses a designer chooses; the height, loads, soil and materials are given.
    static constexpr std::string_view kSizeable[] = {"m_fTopWidth",  "m_fToeWidth",   "m_fToeHeight",
                                                     "m_fHeelWidth", "m_fHeelHeight", "m_fCfThickness",
                                                     "m_fCfSpacing"};
    return std::find(std::begin(kSizeable), std::end(kSizeable), name) != std::end(kSizeable);
}

VariedField DefaultBounds(const WallCase& c, const CaseField& f, double step) {
    VariedField v{&f, 0, 0, FindConstructiveMinimum(c.wallType, f.name)};
    const Bound& lower = f.domain.lower;
    double min = lower.kind == BoundKind::kNone ? 0 : lower.value;
    // The first grid point the range allows, and not below the constructive minimum.
    double k = std::ceil(min / step - 1e-9);
    if (lower.kind == BoundKind::kOpen && k * step <= min + 1e-12) k += 1;
    if (v.constructive) k = std::max(k, std::ceil(v.constructive->value / step - 1e-9));
    v.min = k * step + 0.0;  // never -0
    // Up to the wall's height; a cantilever's stem up to a quarter of it (stems are a tenth or so), which
    // keeps the three-field grid within reach at the dialog's step; at least the least value, so a wall
    // too low for its minimum still tries the minimum.
    const bool stem = c.wallType == kCantilever && f.name == "m_fTopWidth";
    v.max = stem ? c.wall.m_fHeight / 4 : c.wall.m_fHeight;
    v.max = std::max<double>(v.max, FieldValue(c, f));
    v.max = std::max(std::floor(v.max / step + 1e-9) * step, v.min);
    return v;
}

double GridPoints(const SizeRequest& request) {
    double points = request.fields.empty() ? 0 : 1;
    for (const VariedField& v : request.fields)
        points *= std::max(
            0.0, std::floor(v.max / request.step + 1e-9) - std::ceil(v.min / request.step - 1e-9) + 1);
    return points;
}

SizeOutcome SizeWall(const WallCase& base, const SizeRequest& request) {
    SizeOutcome out;
    if (!(request.step > 0) || !(GridPoints(request) <= kMaxGridPoints)) {
        out.refusal = Format("网格的候选尺寸超过 %.0f 个，请加大步长或收窄范围", kMaxGridPoints);
        return out;
    }
    const double step = request.step;
    // Every grid point, with its area from the dimensions alone.
    std::vector<long> first, count;
    for (const VariedField& v : request.fields) {
        first.push_back(std::lround(std::ceil(v.min / step - 1e-9)));
        count.push_back(std::max(0L, std::lround(std::floor(v.max / step + 1e-9)) - first.back() + 1));
    }
    std::vector<Candidate> grid;
    std::vector<long> at(request.fields.size(), 0);
    const bool empty = std::any_of(count.begin(), count.end(), [](long n) { return n <= 0; });
    while (!empty && !request.fields.empty()) {
        WallCase c = base;
        for (std::size_t i = 0; i < at.size(); ++i)
            Set(c, *request.fields[i].field, (first[i] + at[i]) * step);
        // Only the varied fields change: the others are the base case's, refused or not as it is.
        bool inRange = true;
        for (std::size_t i = 0; i < at.size(); ++i) {
            const CaseField& f = *request.fields[i].field;
            inRange = inRange && DomainFault(f, c.wallType, FieldValue(c, f)).empty();
        }
        if (inRange) {
            const double area = SectionArea(c);
            if (std::isfinite(area)) grid.push_back({area, at});
        }
        std::size_t i = 0;
        while (i < at.size() && ++at[i] == count[i]) at[i++] = 0;
        if (i == at.size()) break;
    }
    std::sort(grid.begin(), grid.end(), [](const Candidate& a, const Candidate& b) {
        return a.area != b.area ? a.area < b.area : a.steps < b.steps;
    });
    out.candidates = static_cast<long>(grid.size());

    auto caseAt = [&](const Candidate& g, std::vector<double>& values) {
        WallCase c = base;
        values.clear();
        for (std::size_t i = 0; i < g.steps.size(); ++i) {
            values.push_back(static_cast<float>((first[i] + g.steps[i]) * step));
            Set(c, *request.fields[i].field, values.back());
        }
        return c;
    };
    for (const Candidate& g : grid) {
        std::vector<double> values;
        const WallCase c = caseAt(g, values);
        // The overall slip's search only for a wall that passes everything else.
        CaseResult r = CalculateCase(c, {.overall = false});
        ++out.analysed;
        if (!r.Accepted()) continue;
        std::vector<CheckVerdict> checks = CaseChecks(r);
        if (!AllPass(checks)) continue;
        AddOverall(c, r);
        checks = CaseChecks(r);
        if (!AllPass(checks)) continue;
        out.found = true;
        out.sized = c;
        out.values = values;
        out.area = g.area;
        out.governing = GoverningCheck(checks);
        out.checks = std::move(checks);
        return out;
    }
    // Nothing passes: what still fails at the largest candidate.
    if (!grid.empty()) {
        const WallCase c = caseAt(grid.back(), out.values);
        const CaseResult r = CalculateCase(c);
        out.area = grid.back().area;
        if (r.Accepted())
            out.checks = CaseChecks(r);
        else
            out.refusal = RefusalText(r);
    }
    return out;
}

}  // namespace wall
