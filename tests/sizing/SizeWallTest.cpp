// The sized wall passes, every neighbour one step smaller fails, and nothing smaller on the grid passes.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/CalculateCase.h"
#include "calc/Quantities.h"
#include "case/CaseDefaults.h"
#include "case/CaseFields.h"
#include "sizing/SizeWall.h"

namespace wall {
namespace {

bool Passes(const WallCase& c) {
    const CaseResult r = CalculateCase(c);
    if (!r.Accepted()) return false;
    for (const CheckVerdict& v : CaseChecks(r))
        if (!v.pass) return false;
    return true;
}

void Set(WallCase& c, const CaseField& f, double v) {
    VisitField(c, f, 0, [v](auto& x) { x = static_cast<std::remove_reference_t<decltype(x)>>(v); });
}

SizeRequest DefaultRequest(const WallCase& c, double step) {
    SizeRequest r;
    r.step = step;
    for (std::string_view n : DefaultVariedFieldNames(c.wallType))
        r.fields.push_back(DefaultBounds(c, *FindCaseField(n), step));
    return r;
}

TEST(SizeWall, SizedPassesAndEverySmallerNeighbourFails) {
    for (int type = 0; type < kWallTypeCount; ++type) {
        SCOPED_TRACE(type);
        const WallCase base = DefaultCase(type);
        const SizeRequest r = DefaultRequest(base, 0.1);
        const SizeOutcome s = SizeWall(base, r);
        ASSERT_TRUE(s.found);
        EXPECT_TRUE(Passes(s.sized));
        EXPECT_NEAR(s.area, SectionArea(s.sized), 1e-9);
        for (std::size_t i = 0; i < r.fields.size(); ++i) {
            const double smaller = s.values[i] - r.step;
            if (smaller < r.fields[i].min - 1e-9) continue;  // below the bound: off the grid
            WallCase c = s.sized;
            Set(c, *r.fields[i].field, smaller);
            EXPECT_TRUE(!DomainFindings(c).empty() || !Passes(c))
                << r.fields[i].field->name << " " << smaller;
        }
    }
}

// Every point of a coarse grid analysed: the least passing area is the one the search found.
TEST(SizeWall, SameAsBruteForceOnACoarseGrid) {
    for (int type : {kShelf, kCantilever, kCounterfort}) {
        SCOPED_TRACE(type);
        const WallCase base = DefaultCase(type);
        const SizeRequest r = DefaultRequest(base, 0.25);
        double least = INFINITY;
        // Every combination of the fields' grid values.
        auto visit = [&](auto& self, WallCase c, std::size_t i) -> void {
            if (i == r.fields.size()) {
                if (DomainFindings(c).empty() && Passes(c)) least = std::min(least, SectionArea(c));
                return;
            }
            for (double v = r.fields[i].min; v <= r.fields[i].max + 1e-9; v += r.step) {
                Set(c, *r.fields[i].field, v);
                self(self, c, i + 1);
            }
        };
        visit(visit, base, 0);
        const SizeOutcome s = SizeWall(base, r);
        ASSERT_TRUE(s.found);
        EXPECT_NEAR(s.area, least, 1e-9);
    }
}

// A higher wall never needs less: the sized areas of every default wall rise with its height. (Heights
// with no size on the grid are left out.)
TEST(SizeWall, AreaNeverDecreasesWithHeight) {
    for (int type = 0; type < kWallTypeCount; ++type) {
        SCOPED_TRACE(type);
        double previous = 0;
        int found = 0;
        for (float H = 4; H <= 10; H += 1) {  // the default shelf wall's upper wall is 3.18 m high
            WallCase c = DefaultCase(type);
            c.wall.m_fHeight = H;
            const SizeOutcome s = SizeWall(c, DefaultRequest(c, 0.1));
            if (!s.found) continue;
            ++found;
            EXPECT_GE(s.area, previous) << H;
            previous = s.area;
        }
        EXPECT_GE(found, 4);
    }
}

}  // namespace
}  // namespace wall
