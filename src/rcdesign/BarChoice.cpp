// Bars of usual sizes that provide a required area.
#include "rcdesign/BarChoice.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace wall {
namespace {

constexpr std::array<float, 10> kDiameters = {10, 12, 14, 16, 18, 20, 22, 25, 28, 32};
constexpr std::array<float, 6> kSpacings = {200, 180, 150, 125, 120, 100};
constexpr std::array<float, 5> kDistributionDiameters = {8, 10, 12, 14, 16};
constexpr std::array<float, 5> kDistributionSpacings = {250, 200, 150, 125, 100};

// By area; at equal area the fewer, larger bars.
bool Before(const BarLayout& a, const BarLayout& b) {
    if (a.area != b.area) return a.area < b.area;
    return a.diameter > b.diameter;
}

}  // namespace

std::string BarLabel(const BarLayout& l) {
    if (!l.found) return {};
    const std::string d = std::to_string(static_cast<int>(l.diameter));
    if (l.count > 0) return std::to_string(l.count) + "Φ" + d + (l.rows > 1 ? "（两排）" : "");
    const std::string one = "Φ" + d + "@" + std::to_string(static_cast<int>(l.spacing));
    return l.rows > 1 ? std::to_string(l.rows) + "×" + one : one;
}

float BarArea(float diameter) {
    return static_cast<float>(3.14159265358979 * diameter * diameter / 4);
}

std::span<const BarLayout> SlabBarLayouts() {
    // The same table for every section: built and sorted once.
    struct Table {
        std::array<BarLayout, kMaxBarLayouts> layouts{};
        int n = 0;
    };
    static const Table table = [] {
        Table t;
        for (int rows = 1; rows <= 2; ++rows)
            for (float d : kDiameters)
                for (float s : kSpacings) {
                    // Two layers only of the larger bars: a second layer of thin bars is not usual.
                    if (rows == 2 && d < 20) continue;
                    if (t.n < kMaxBarLayouts)
                        t.layouts[t.n++] = {true, d, s, rows, 0, rows * BarArea(d) * 1000 / s};
                }
        std::sort(t.layouts.begin(), t.layouts.begin() + t.n, Before);
        return t;
    }();
    return {table.layouts.data(), static_cast<std::size_t>(table.n)};
}

std::span<const BarLayout> CountedBarLayouts(float b, float cover) {
    // Every counterfort of a wall has the same web and cover: the last table is kept, per thread.
    struct Table {
        float b = -1, cover = -1;
        std::array<BarLayout, kMaxBarLayouts> layouts{};
        int n = 0;
    };
    thread_local Table table;
    if (table.b != b || table.cover != cover) {
        table.b = b;
        table.cover = cover;
        table.n = 0;
        for (float d : kDiameters) {
            if (d < 16) continue;
            const float clear = std::max(25.0f, d);
            // At most 16 bars are counted, so a web of any width (or none) fits 0 to 16 per layer.
            const float fit = std::floor((b - 2 * cover + clear) / (d + clear));
            const int perLayer = fit >= 16 ? 16 : fit > 0 ? static_cast<int>(fit) : 0;
            for (int count = 2; count <= 16 && count <= 2 * perLayer; ++count)
                if (table.n < kMaxBarLayouts)
                    table.layouts[table.n++] = {
                        true, d, 0, count > perLayer ? 2 : 1, count, count * BarArea(d)};
        }
        std::sort(table.layouts.begin(), table.layouts.begin() + table.n, Before);
    }
    return {table.layouts.data(), static_cast<std::size_t>(table.n)};
}

BarLayout DistributionBars(float mainArea, float h, float& required) {
    required = std::max(0.15f * mainArea, 0.0015f * 1000 * h);
    // The layouts by area, once; the first that provides the area.
    static const std::array<BarLayout, kDistributionDiameters.size() * kDistributionSpacings.size()> table =
        [] {
            std::array<BarLayout, kDistributionDiameters.size() * kDistributionSpacings.size()> t{};
            std::size_t n = 0;
            for (float d : kDistributionDiameters)
                for (float s : kDistributionSpacings) t[n++] = {true, d, s, 1, 0, BarArea(d) * 1000 / s};
            std::sort(t.begin(), t.end(), Before);
            return t;
        }();
    for (const BarLayout& l : table)
        if (l.area >= required) return l;
    return {};
}

}  // namespace wall
