// The section of a case as the slip analysis sees it, and the search of its critical circle.
#include "analysis/OverallStability.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "analysis/KernelBlock.h"
#include "analysis/LoadKernelBlock.h"
#include "analysis/SoilProfile.h"
#include "analysis/geometry/WallOutline.h"

namespace wall {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180;
// The wall is not cut: circles go round it, as through rock.
constexpr SlipStrength kWallStrength = {1000, 40 * kDegree};

struct Material {
    double gamma = 0;  // total unit weight, kN/m³ (0: air)
    SlipStrength strength;
};

// The case's section: what lies at any point, and the levels where that changes down a vertical.
class Section {
  public:
    explicit Section(const WallCase& c) {
        KernelBlock kb;
        kb.outline = BuildWallOutline(c);
        LoadKernelBlock(c, kb);
        o_ = kb.outline;
        profile_ = ProfileOf(kb, 0);
        ground_ = GroundOf(c.soil);
        const CaseSettings& s = c.settings;
        gammaWall_ = c.wall.m_fUnitWeight;
        gammaW_ = s.waterUnitWeight;
        foundation_ = {s.foundationGamma, {s.foundationCohesion, s.foundationFriction * kDegree}};
        yFront_ = o_.y[4] + s.foundationDepth;
        // The water behind, or the front's level where there is none behind.
        if (s.HasWaterBehind())
            yWater_ = -s.waterBehind;
        else if (s.HasWaterFront())
            yWater_ = o_.y[4] + s.waterFront;
        const double H = std::max(1.0f, c.wall.m_fHeight);
        xMin_ = o_.x[4] - 2 * H;
        xMax_ = std::max<double>(o_.x[5], o_.x[6]) + 3 * H;
    }

    double xMin() const { return xMin_; }
    double xMax() const { return xMax_; }
    double BaseBelow() const { return std::min(o_.y[4], o_.y[5]); }
    double ToeX() const { return o_.x[4]; }
    double ToeY() const { return o_.y[4]; }

    // Where the section changes abruptly along x.
    std::vector<double> Breaks() const {
        std::vector<double> b(std::begin(o_.x), std::end(o_.x));
        for (int i = 0; i < ground_.count; ++i) b.push_back(ground_.points[i].x);
        if (ground_.strip.Present()) b.insert(b.end(), {ground_.strip.from, ground_.strip.to});
        std::vector<double> in;
        for (double x : b)
            if (std::isfinite(x) && x > xMin_ && x < xMax_) in.push_back(x);
        std::sort(in.begin(), in.end());
        in.erase(
            std::unique(in.begin(), in.end(), [](double a, double c) { return std::fabs(a - c) < 1e-9; }),
            in.end());
        return in;
    }

    Material At(double x, double y) const {
        if (InWall(x, y)) return {gammaWall_, kWallStrength};
        const double wet = y < yWater_ ? gammaW_ : 0.0;
        if (y < BaseLevel(x)) return {foundation_.gamma + wet, foundation_.strength};
        if (x < FrontFaceX(y)) {
            if (y <= yFront_) return {foundation_.gamma + wet, foundation_.strength};
            return {};
        }
        if (y > ground_.HeightAt(std::max(x, static_cast<double>(o_.x[0]))) || (x < o_.x[0] && y > 0))
            return {};
        const double depth = -y;
        const SoilLayer& l = profile_.At(depth);
        const double gamma = profile_.water && depth > profile_.waterDepth ? l.gammaSat : l.soil.gamma;
        return {gamma, {l.soil.cohesion, l.soil.phi}};
    }

    // The levels at which the material may change down the vertical at x, highest first.
    int Levels(double x, std::array<double, 40>& out) const {
        int n = 0;
        auto add = [&](double y) {
            if (std::isfinite(y) && n < static_cast<int>(out.size())) out[n++] = y;
        };
        for (int i = 0; i < 8; ++i) {
            const int j = (i + 1) % 8;
            const double xa = o_.x[i], xb = o_.x[j];
            if ((x - xa) * (x - xb) <= 0 && xa != xb)
                add(o_.y[i] + (o_.y[j] - o_.y[i]) * (x - xa) / (xb - xa));
        }
        add(ground_.HeightAt(std::max(x, static_cast<double>(o_.x[0]))));
        add(0);
        add(yFront_);
        add(BaseLevel(x));
        add(yWater_);
        for (int i = 0; i + 1 < profile_.count; ++i) add(-profile_.layers[i].bottom);
        if (profile_.water) add(-profile_.waterDepth);
        std::sort(out.begin(), out.begin() + n, std::greater<>());
        return n;
    }

    double Surcharge(double x) const {
        const StripLoad& s = ground_.strip;
        return s.Present() && x >= s.from && x <= s.to ? s.q : 0.0;
    }

    double yWater() const { return yWater_; }
    double gammaW() const { return gammaW_; }

  private:
    bool InWall(double x, double y) const {
        bool in = false;
        for (int i = 0, j = 7; i < 8; j = i++) {
            const double xi = o_.x[i], yi = o_.y[i], xj = o_.x[j], yj = o_.y[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    }
    // The base line from the toe to the heel, level beyond.
    double BaseLevel(double x) const {
        const double x4 = o_.x[4], x5 = o_.x[5];
        if (x <= x4 || !(x5 > x4)) return o_.y[4];
        if (x >= x5) return o_.y[5];
        return o_.y[4] + (o_.y[5] - o_.y[4]) * (x - x4) / (x5 - x4);
    }
    // The front face through P1 and P2, down to the toe.
    double FrontFaceX(double y) const {
        const double x1 = o_.x[1], y1 = o_.y[1], x2 = o_.x[2], y2 = o_.y[2];
        if (y <= y2 || !(y1 > y2)) return std::min<double>(x2, o_.x[3]) > o_.x[4] ? x2 : o_.x[4];
        return x2 + (x1 - x2) * (y - y2) / (y1 - y2);
    }

    WallOutline o_;
    SoilProfile profile_;
    GroundSurface ground_;
    Material foundation_;
    double gammaWall_ = 24, gammaW_ = 10;
    double yFront_ = 0, yWater_ = -std::numeric_limits<double>::infinity();
    double xMin_ = 0, xMax_ = 0;
};

// A vertical's stress as a piecewise-linear function of the level: the top and below it the levels with
// the stress there and the unit weight under them.
struct Column {
    double x = 0, top = 0;
    int n = 0;
    std::array<double, 40> level{}, sigma{}, gamma{};

    double StressAt(double y) const {
        if (y >= top) return sigma[0];
        for (int i = 0; i < n; ++i)
            if (i + 1 == n || y >= level[i + 1]) return sigma[i] + gamma[i] * (level[i] - y);
        return sigma[0];
    }
};

Column ColumnAt(const Section& s, double x) {
    std::array<double, 40> levels{};
    const int m = s.Levels(x, levels);
    Column c;
    c.x = x;
    // The top: the first level below which there is material.
    double top = levels[m - 1];
    for (int i = 0; i < m; ++i) {
        const double below = i + 1 < m ? (levels[i] + levels[i + 1]) / 2 : levels[i] - 1;
        if (s.At(x, below).gamma > 0) {
            top = levels[i];
            break;
        }
    }
    c.top = top;
    double sigma = s.Surcharge(x);
    for (int i = 0; i < m; ++i) {
        if (levels[i] > top + 1e-12) continue;
        const double below = i + 1 < m ? (levels[i] + levels[i + 1]) / 2 : levels[i] - 1;
        const double g = s.At(x, below).gamma;
        c.level[c.n] = levels[i];
        c.sigma[c.n] = sigma;
        c.gamma[c.n] = g;
        ++c.n;
        if (i + 1 < m) sigma += g * (levels[i] - levels[i + 1]);
    }
    return c;
}

// The columns on a fine grid with two beside each break, so that a lookup never blends across a step.
struct Columns {
    std::vector<Column> list;

    const Column* Pair(double x, double& t) const {
        auto it =
            std::lower_bound(list.begin(), list.end(), x, [](const Column& c, double v) { return c.x < v; });
        if (it == list.begin()) {
            t = 0;
            return &*it;
        }
        if (it == list.end()) {
            t = 0;
            return &list.back();
        }
        const Column* b = &*it;
        const Column* a = b - 1;
        t = (x - a->x) / (b->x - a->x);
        return a;
    }
    double Top(double x) const {
        double t = 0;
        const Column* a = Pair(x, t);
        if (t == 0) return a->top;
        return a->top + t * ((a + 1)->top - a->top);
    }
    double Stress(double x, double y) const {
        double t = 0;
        const Column* a = Pair(x, t);
        if (t == 0) return a->StressAt(y);
        return (1 - t) * a->StressAt(y) + t * (a + 1)->StressAt(y);
    }
};

}  // namespace

SlipGround SlipGroundOf(const WallCase& c) {
    auto section = std::make_shared<Section>(c);
    auto columns = std::make_shared<Columns>();
    const std::vector<double> breaks = section->Breaks();
    std::vector<double> xs;
    const int n = 600;
    for (int i = 0; i <= n; ++i) xs.push_back(section->xMin() + (section->xMax() - section->xMin()) * i / n);
    for (double b : breaks) xs.insert(xs.end(), {b - 1e-6, b + 1e-6});
    std::sort(xs.begin(), xs.end());
    for (double x : xs) columns->list.push_back(ColumnAt(*section, x));
    SlipGround g;
    g.xMin = section->xMin();
    g.xMax = section->xMax();
    g.breaks = breaks;
    g.top = [columns](double x) { return columns->Top(x); };
    g.verticalStress = [columns](double x, double y) { return columns->Stress(x, y); };
    g.strength = [section](double x, double y) { return section->At(x, y).strength; };
    g.porePressure = [section](double, double y) {
        return section->gammaW() * std::max(0.0, section->yWater() - y);
    };
    return g;
}

OverallResult OverallStability(const WallCase& c, double kh, float required) {
    OverallResult r;
    r.kh = kh;
    r.required = required;
    if (!c.settings.HasFoundationStrength()) return r;
    r.checked = true;
    const Section section(c);
    SlipSearch s;
    s.below = section.BaseBelow();
    s.kh = kh;
    const SlipResult found = SearchCriticalCircle(SlipGroundOf(c), s);
    r.evaluated = found.evaluated;
    r.toeX = section.ToeX();
    r.baseY = section.ToeY();
    r.found = found.found;
    if (!r.found) return r;
    r.F = static_cast<float>(found.F);
    r.circle = found.circle;
    r.centreFromToeX = found.circle.xc - r.toeX;
    r.centreAboveBase = found.circle.yc - r.baseY;
    r.slices = found.slices;
    r.ok = std::isfinite(found.F) && (r.F > required || std::fabs(r.F - required) < 1e-5f);
    return r;
}

}  // namespace wall
