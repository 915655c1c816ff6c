// A checker puts the printed values into the printed formula and must get the printed result. Every
// substituted line of a report is evaluated here with each printed value widened to the interval it
// was rounded from; the printed result must lie in that range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "ReportText.h"
#include "ScratchDir.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/WriteCaseReport.h"

namespace wall {
namespace {

struct Interval {
    double lo = 0, hi = 0;
};

Interval operator+(Interval a, Interval b) {
    return {a.lo + b.lo, a.hi + b.hi};
}
Interval operator-(Interval a, Interval b) {
    return {a.lo - b.hi, a.hi - b.lo};
}
Interval operator*(Interval a, Interval b) {
    const double p[] = {a.lo * b.lo, a.lo * b.hi, a.hi * b.lo, a.hi * b.hi};
    return {*std::min_element(p, p + 4), *std::max_element(p, p + 4)};
}
Interval operator/(Interval a, Interval b) {
    EXPECT_TRUE(b.lo > 0 || b.hi < 0) << "a divisor that may be zero";
    return a * Interval{1 / b.hi, 1 / b.lo};
}

// A printed number and the interval it was rounded from; a number without decimals is exact.
Interval Number(const std::string& text) {
    const double v = std::stod(text);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return {v, v};
    const double half = 0.5 * std::pow(10.0, -static_cast<int>(text.size() - point - 1));
    return {v - half, v + half};
}

// + - × /, √, ², 10⁶, cos, sin, tan of degrees and brackets over printed numbers, as the report writes its
// substituted formulas.
class Evaluator {
  public:
    explicit Evaluator(std::string text) : s_(std::move(text)) {}
    // Reads the longest expression at the start; `rest` is what follows it.
    bool Evaluate(Interval& out, std::string& rest) {
        out = Sum();
        rest = s_.substr(at_);
        return ok_;
    }

  private:
    bool Take(std::string_view token) {
        if (s_.compare(at_, token.size(), token) != 0) return false;
        at_ += token.size();
        return true;
    }
    Interval Sum() {
        Interval v = Product();
        for (;;) {
            if (Take("+"))
                v = v + Product();
            else if (Take("-"))
                v = v - Product();
            else
                return v;
        }
    }
    Interval Product() {
        Interval v = Factor();
        for (;;) {
            if (Take("×"))
                v = v * Factor();
            else if (Take("/"))
                v = v / Factor();
            else
                return v;
        }
    }
    // A power: a factor, squared by a trailing "²".
    Interval Factor() {
        Interval v = Base();
        while (Take("²")) v = v * v;
        return v;
    }
    Interval Base() {
        if (Take("-")) return Interval{0, 0} - Factor();
        if (Take("10⁶")) return {1e6, 1e6};
        // cos, sin, tan (and their squares) of an angle in degrees; over so short an interval they are
        // monotonic, so the ends bound the value.
        static const struct {
            const char* name;
            double (*f)(double);
            bool squared;
        } functions[] = {{"cos²", [](double x) { return std::cos(x); }, true},
                         {"sin²", [](double x) { return std::sin(x); }, true},
                         {"tan²", [](double x) { return std::tan(x); }, true},
                         {"cos", [](double x) { return std::cos(x); }, false},
                         {"sin", [](double x) { return std::sin(x); }, false},
                         {"tan", [](double x) { return std::tan(x); }, false}};
        for (const auto& fn : functions)
            if (Take(fn.name)) {
                const Interval a = Factor();
                const double k = 3.14159265358979323846 / 180;
                double lo = fn.f(a.lo * k), hi = fn.f(a.hi * k);
                if (fn.squared) lo *= lo, hi *= hi;
                return {std::min(lo, hi), std::max(lo, hi)};
            }
        if (Take("√")) {
            const Interval v = Factor();
            return {std::sqrt(std::max(0.0, v.lo)), std::sqrt(std::max(0.0, v.hi))};
        }
        if (Take("(")) {
            const Interval v = Sum();
            ok_ = ok_ && Take(")");
            return v;
        }
        const std::size_t start = at_;
        while (at_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[at_])) || s_[at_] == '.'))
            ++at_;
        if (at_ == start) {
            ok_ = false;
            return {};
        }
        const Interval v = Number(s_.substr(start, at_ - start));
        Take("°");
        return v;
    }
    std::string s_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// Checks every line "  =<substituted>=<result>…" of a report; returns how many it checked.
int CheckSubstitutedLines(const std::string& report) {
    std::istringstream lines(report);
    std::string line;
    int checked = 0;
    while (std::getline(lines, line)) {
        const std::size_t first = line.find_first_not_of('\t');
        if (first == std::string::npos || line.compare(first, 3, "  =") != 0) continue;
        Interval value;
        std::string rest;
        const bool read = Evaluator(line.substr(first + 3)).Evaluate(value, rest);
        // A result may be negative (a masonry section's σmin in tension).
        const std::size_t digit = rest.size() > 2 && rest[1] == '-' ? 2 : 1;
        if (!read || !rest.starts_with('=') || rest.size() <= digit ||
            !std::isdigit(static_cast<unsigned char>(rest[digit]))) {
            ADD_FAILURE() << "cannot read: " << line;
            continue;
        }
        std::size_t used = 0;
        std::stod(rest.substr(1), &used);
        const Interval printed = Number(rest.substr(1, used));
        const double slack = 1e-6 * std::max(1.0, std::fabs(printed.lo));
        EXPECT_TRUE(value.lo <= printed.hi + slack && printed.lo - slack <= value.hi)
            << line << "\n  the printed values give " << value.lo << " .. " << value.hi;
        ++checked;
    }
    return checked;
}

TEST(FormulaReproduces, EverySubstitutedLineGivesItsPrintedResult) {
    struct Row {
        const char* name;
        int wallType, theory;
        float height;  // 0: the default
        float fa = 0;  // the bearing check's allowable pressure; 0: none
        // A strip far out on level ground whose trial wedge lifts the thrust: the wall without it is
        // checked for overturning (offset, width, q; 0: the default strip).
        float offset = 0, width = 0, q = 0;
        float run = 0, rise = 0;  // the ground's first segment under such a strip; 0: level to 4.42/7.87 m
        // Layered ground and water: layer 1's thickness (0: one layer), the water table's depth behind
        // and the water's height in front (below 0: none).
        float layer1 = 0, waterBehind = -1, waterFront = -1;
        float seismic = 0;  // A/g of the seismic combination; 0: none
        // The soil under the base: fak (0: none) and ck, φk (φk below 0: none), fa then from them.
        float fak = 0, ck = -1, phiK = -1;
    };
    const Row rows[] = {
        {"gravity, Rankine", kGravity, kRankine, 0},
        {"gravity, Coulomb", kGravity, kCoulomb, 0},
        {"semi-gravity, Rankine", kSemiGravity, kRankine, 0},
        {"shelf", kShelf, kCoulomb, 0},
        {"cantilever, Rankine", kCantilever, kRankine, 0},
        {"cantilever, Coulomb", kCantilever, kCoulomb, 0},
        {"counterfort, Rankine", kCounterfort, kRankine, 0},
        {"counterfort, Coulomb", kCounterfort, kCoulomb, 0},
        // Resultants beyond the middle third: the triangular distribution.
        {"high cantilever", kCantilever, kRankine, 9},
        {"high shelf", kShelf, kCoulomb, 9},
        // The bearing check's lines.
        {"gravity with fa", kGravity, kRankine, 0, 200},
        {"counterfort with fa", kCounterfort, kRankine, 0, 150},
        {"gravity, strip far out", kGravity, kCoulomb, 7.557f, 0, 5.1021f, 1.4863f, 32.923f},
        {"cantilever, strip far out", kCantilever, kCoulomb, 8.3735f, 0, 5.8808f, 1.1696f, 6.4389f},
        // The strip's band below the toe's level on the inclined base: its moment holds the wall and is
        // left out of M0, the base takes it.
        {"gravity, strip's thrust below the toe", kGravity, kRankine, 7.0947f, 0, 5.9055f, 2.4735f, 17.33f,
         1.05f, 0.17f},
        // The strip reaching the shelf's lower wall through the extended back.
        {"shelf, strip on the lower wall", kShelf, kCoulomb, 0, 0, 4, 6, 10, 7.87f, 0},
        // Two layers with water behind and in front, both theories.
        {"gravity, layers and water, Rankine", kGravity, kRankine, 0, 0, 0, 0, 0, 0, 0, 3, 4, 1.5f},
        {"gravity, layers and water, Coulomb", kGravity, kCoulomb, 0, 0, 0, 0, 0, 0, 0, 3, 4, 1.5f},
        // The seismic combination's lines, every type.
        {"gravity, earthquake", kGravity, kRankine, 0, 200, 0, 0, 0, 0, 0, 0, -1, -1, 0.2f},
        {"gravity, layers, water and earthquake", kGravity, kCoulomb, 0, 250, 0, 0, 0, 0, 0, 3, 4, 1.5f,
         0.3f},
        {"semi-gravity, earthquake", kSemiGravity, kRankine, 0, 0, 0, 0, 0, 0, 0, 0, -1, -1, 0.2f},
        {"shelf, earthquake", kShelf, kCoulomb, 0, 0, 0, 0, 0, 0, 0, 0, -1, -1, 0.3f},
        {"cantilever, earthquake", kCantilever, kCoulomb, 0, 150, 0, 0, 0, 0, 0, 0, -1, -1, 0.4f},
        {"counterfort, earthquake", kCounterfort, kRankine, 0, 150, 0, 0, 0, 0, 0, 0, -1, -1, 0.3f},
        // fa from the soil by both clauses, the smaller taken, with the earthquake's faE and the overall
        // slip.
        {"gravity, fa from the soil", kGravity, kRankine, 0, 0, 0, 0, 0, 0, 0, 0, -1, -1, 0.2f, 180, 15, 22},
        {"cantilever, fa from ck and φk", kCantilever, kCoulomb, 0, 0, 0, 0, 0, 0, 0, 0, -1, -1, 0, 0, 10,
         26},
    };
    test::ScratchDir dir("formula-reproduces");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WallCase c = DefaultCase(row.wallType);
        c.soil.m_nTheory = row.theory;
        if (row.height > 0) c.wall.m_fHeight = row.height;
        c.settings.fa = row.fa;
        if (row.layer1 > 0) {
            c.soil.m_afLayer[0][kLayerThickness] = row.layer1;
            c.soil.m_afLayer[0][kLayerSaturatedWeight] = 20;
            c.soil.m_afLayer[1][kLayerUnitWeight] = 19;
            c.soil.m_afLayer[1][kLayerCohesion] = 8;
            c.soil.m_afLayer[1][kLayerFriction] = 26;
            c.soil.m_afLayer[1][kLayerSaturatedWeight] = 21;
        }
        c.settings.waterBehind = row.waterBehind;
        c.settings.waterFront = row.waterFront;
        c.settings.seismicAcceleration = row.seismic;
        c.settings.foundationFak = row.fak;
        c.settings.foundationEtaB = row.fak > 0 ? 0.3f : 0;
        c.settings.foundationEtaD = row.fak > 0 ? 1.6f : 1;
        c.settings.foundationDepth = 1.2f;
        c.settings.foundationCohesion = row.phiK < 0 ? -1 : row.ck;
        c.settings.foundationFriction = row.phiK;
        if (row.q > 0) {
            c.soil.m_afSlope[0][kSlopeRun] = row.run > 0 ? row.run : row.wallType == kGravity ? 4.42f : 7.87f;
            c.soil.m_afSlope[0][kSlopeRise] = row.rise;
            UpdateSlopeRow(c.soil.m_afSlope[0]);
            c.soil.m_fLoadOffset = row.offset;
            c.soil.m_fLoadWidth = row.width;
            c.soil.m_fLoadPressure = row.q;
            const CaseResult r = CalculateCase(c);
            ASSERT_TRUE(r.Accepted());
            if (r.shelf) {
                EXPECT_GT(r.shelf->pressure.Eq2, 0);
            } else if (row.theory == kRankine) {
                const StabilityResult& s = r.gravity->stability;
                EXPECT_GT(s.overturningMoment, s.baseOverturningMoment);
            } else {
                EXPECT_TRUE(r.gravity ? r.gravity->stability.overturningWithoutLoad
                                      : r.cantilever->back.stability.overturningWithoutLoad);
            }
        }
        EXPECT_GE(CheckSubstitutedLines(test::ReportText(c, CalculateCase(c), dir.path())), 5);
    }
}

}  // namespace
}  // namespace wall
