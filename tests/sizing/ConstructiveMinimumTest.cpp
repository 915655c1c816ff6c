// The constructive minimums of sizing: a masonry wall's top width 0.5 m, a reinforced wall's stem top
// 0.2 m and base slabs 0.3 m (the codes' values, written out here rather than taken from the table).
// Over random walls the search never proposes less, a lower bound set below them (`--min`) lets it
// go below, a higher one is kept, and a wall already below its minimum starts from the minimum.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "case/CaseFields.h"
#include "sizing/SizeWall.h"

namespace wall {
namespace {

// What the codes ask, by wall type and field; 0 where nothing is asked.
double CodeMinimum(int type, std::string_view field) {
    const bool reinforced = type == kCantilever || type == kCounterfort;
    if (field == "m_fTopWidth") return reinforced ? 0.2 : 0.5;
    if (reinforced && (field == "m_fToeHeight" || field == "m_fHeelHeight")) return 0.3;
    return 0;
}

void Set(WallCase& c, const CaseField& f, double v) {
    VisitField(c, f, 0, [v](auto& x) { x = static_cast<std::remove_reference_t<decltype(x)>>(v); });
}

SizeRequest Request(const WallCase& c, const std::vector<std::string_view>& names, double step) {
    SizeRequest r;
    r.step = step;
    for (std::string_view n : names) r.fields.push_back(DefaultBounds(c, *FindCaseField(n), step));
    return r;
}

bool Passes(const WallCase& c) {
    const CaseResult r = CalculateCase(c);
    if (!r.Accepted()) return false;
    for (const CheckVerdict& v : CaseChecks(r))
        if (!v.pass) return false;
    return true;
}

// Each wall type with the slab thicknesses varied too where they have a minimum, on random heights,
// soils and surcharges: the default bounds never propose less than the code asks; lowering a bound to
// the range's own never gives a larger least area, and raising one gives at least the raised value.
TEST(ConstructiveMinimum, NeverProposedBelowAndMinOverridesIt) {
    std::mt19937 rng(20261214);
    std::uniform_real_distribution<double> unit(0, 1);
    int found = 0, below = 0;
    for (int k = 0; k < 10; ++k) {
        const int type = k % kWallTypeCount;
        WallCase c = DefaultCase(type);
        c.wall.m_fHeight = AsShown(static_cast<float>(4 + 4 * unit(rng)));
        c.soil.m_afLayer[0][kLayerFriction] = AsShown(static_cast<float>(28 + 8 * unit(rng)));
        c.soil.m_fLoadPressure = AsShown(static_cast<float>(20 * unit(rng)));
        std::vector<std::string_view> names = DefaultVariedFieldNames(type);
        if (type == kCounterfort) names.push_back("m_fHeelHeight");
        SCOPED_TRACE(testing::Message() << "type " << type << " H " << c.wall.m_fHeight);

        const SizeRequest byDefault = Request(c, names, 0.1);
        const SizeOutcome s = SizeWall(c, byDefault);
        if (!s.found) continue;
        ++found;
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_GE(s.values[i], CodeMinimum(type, names[i]) - 1e-6) << names[i];

        // --min down to what the range allows: the grid only grows.
        SizeRequest lowered = byDefault;
        for (VariedField& v : lowered.fields)
            v.min = v.field->domain.lower.kind == BoundKind::kOpen ? 0.1 : 0;
        const SizeOutcome l = SizeWall(c, lowered);
        ASSERT_TRUE(l.found);
        EXPECT_LE(l.area, s.area + 1e-9);
        for (std::size_t i = 0; i < names.size(); ++i)
            if (l.values[i] < CodeMinimum(type, names[i]) - 1e-6) ++below;

        // --min above the minimum: kept.
        SizeRequest raised = byDefault;
        const double extra = 0.1 * std::round(1 + 3 * unit(rng));
        for (VariedField& v : raised.fields)
            v.min = std::max(v.min, CodeMinimum(type, v.field->name)) + extra;
        for (VariedField& v : raised.fields) v.max = std::max(v.max, v.min);
        const SizeOutcome h = SizeWall(c, raised);
        if (!h.found) continue;
        EXPECT_GE(h.area, s.area - 1e-9);
        for (std::size_t i = 0; i < names.size(); ++i) EXPECT_GE(h.values[i], raised.fields[i].min - 1e-6);
    }
    EXPECT_GE(found, 8);
    // Somewhere the checks alone would have taken less than the codes allow.
    EXPECT_GT(below, 0);
}

// The 6 m gravity wall the checks alone would size to a 0.05 m top takes 0.5 m, and 0.05 m again only
// when told.
TEST(ConstructiveMinimum, SixMetreGravityWall) {
    WallCase c = DefaultCase(kGravity);
    c.wall.m_fHeight = 6;
    SizeRequest r = Request(c, {"m_fTopWidth"}, 0.05);
    ASSERT_NE(r.fields[0].constructive, nullptr);
    EXPECT_FALSE(BelowConstructive(r.fields[0]));
    const SizeOutcome s = SizeWall(c, r);
    ASSERT_TRUE(s.found);
    EXPECT_NEAR(s.values[0], 0.5, 1e-6);
    r.fields[0].min = 0.05;
    EXPECT_TRUE(BelowConstructive(r.fields[0]));
    const SizeOutcome low = SizeWall(c, r);
    ASSERT_TRUE(low.found);
    EXPECT_LT(low.values[0], 0.5);
}

// A wall already below its minimum, in a varied field and in one kept: the varied one starts from the
// minimum and takes the least passing grid value from there (each smaller one from the minimum up
// fails); the kept one is named.
TEST(ConstructiveMinimum, WallAlreadyBelowTheMinimum) {
    struct Row {
        int type;
        const char* field;  // set below its minimum and varied
        float value;
    };
    const Row rows[] = {{kGravity, "m_fTopWidth", 0.2f},
                        {kShelf, "m_fTopWidth", 0.3f},
                        {kCantilever, "m_fTopWidth", 0.15f},
                        {kCounterfort, "m_fToeHeight", 0.2f}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        WallCase c = DefaultCase(row.type);
        const CaseField& f = *FindCaseField(row.field);
        Set(c, f, row.value);
        const double least = CodeMinimum(row.type, row.field);
        const SizeRequest r = Request(c, {row.field}, 0.05);
        EXPECT_NEAR(r.fields[0].min, least, 1e-9);
        EXPECT_TRUE(UnmetMinimums(c, r).empty());
        const SizeOutcome s = SizeWall(c, r);
        ASSERT_TRUE(s.found);
        ASSERT_GE(s.values[0], least - 1e-6);
        for (double v = least; v < s.values[0] - 1e-6; v += 0.05) {
            WallCase smaller = c;
            Set(smaller, f, v);
            EXPECT_FALSE(Passes(smaller)) << v;
        }
        // Not varied: kept as it is, and said so.
        const SizeRequest other = Request(c, {row.type == kCounterfort ? "m_fToeWidth" : "m_fHeight"}, 0.05);
        const std::vector<ConstructiveMinimum> unmet = UnmetMinimums(c, other);
        ASSERT_EQ(unmet.size(), 1u);
        EXPECT_EQ(unmet[0].field, row.field);
        EXPECT_NEAR(unmet[0].value, least, 1e-9);
    }
}

}  // namespace
}  // namespace wall
