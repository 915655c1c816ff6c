// Setting the required factors and the foundation inputs by name.
#include "case/CaseSettings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "text/Format.h"

namespace wall {
namespace {

struct Setting {
    std::string_view name;
    const char* title;
    const char* unit;
    float CaseSettings::*member;
    double lower, upper;
    bool lowerIncluded;
    float absent;        // the value that means "not given"; NaN where it must be given
    bool whole = false;  // 0 or 1
};

constexpr float kMustGive = std::numeric_limits<float>::quiet_NaN();

constexpr Setting kSettings[] = {
    {"checks.overturning", "抗倾覆稳定安全系数要求值", "", &CaseSettings::overturning, 1, 10, true,
     kMustGive},
    {"checks.sliding", "抗滑移稳定安全系数要求值", "", &CaseSettings::sliding, 1, 10, true, kMustGive},
    {"foundation.fa", "地基承载力特征值fa(kPa)", "kPa", &CaseSettings::fa, 0, 1e5, true, 0},
    {"foundation.eccentricityLimit", "偏心距限值系数", "", &CaseSettings::eccentricityLimit, 0, 0.5, false,
     kMustGive},
    {"water.behind", "墙后水位距墙顶深度(m)", "m", &CaseSettings::waterBehind, 0, 1e3, true, -1},
    {"water.front", "墙前水位距墙底高度(m)", "m", &CaseSettings::waterFront, 0, 1e3, true, -1},
    {"water.unitWeight", "水的重度γw(kN/m3)", "kN/m3", &CaseSettings::waterUnitWeight, 0, 100, false,
     kMustGive},
    {"water.combined", "水土合算（1）或分算（0）", "", &CaseSettings::waterCombined, 0, 1, true, kMustGive,
     true},
    {"seismic.acceleration", "设计基本地震加速度A/g", "", &CaseSettings::seismicAcceleration, 0, 0.4, true,
     0},
    {"seismic.angle", "地震角θ(°)", "°", &CaseSettings::seismicAngle, 0, 15, true, -1},
    {"seismic.angleWater", "水下地震角θw(°)", "°", &CaseSettings::seismicAngleWater, 0, 15, true, -1},
    {"seismic.importance", "重要性修正系数Ci", "", &CaseSettings::seismicImportance, 0.5, 2, true, kMustGive},
    {"seismic.cz", "综合影响系数Cz", "", &CaseSettings::seismicCz, 0.1, 1, true, kMustGive},
    {"checks.seismicOverturning", "地震作用下抗倾覆稳定安全系数要求值", "", &CaseSettings::seismicOverturning,
     1, 10, true, kMustGive},
    {"checks.seismicSliding", "地震作用下抗滑移稳定安全系数要求值", "", &CaseSettings::seismicSliding, 1, 10,
     true, kMustGive},
    {"foundation.seismicFactor", "地基抗震承载力调整系数ζa", "", &CaseSettings::seismicBearingFactor, 1, 1.5,
     true, kMustGive},
    {"foundation.gamma", "基底以下土的重度γ(kN/m3)", "kN/m3", &CaseSettings::foundationGamma, 0, 40, false,
     kMustGive},
    {"foundation.gammaM", "基底以上土的加权平均重度γm(kN/m3)", "kN/m3", &CaseSettings::foundationGammaM, 0,
     40, false, kMustGive},
    {"foundation.depth", "基础埋置深度d(m)", "m", &CaseSettings::foundationDepth, 0, 100, true, kMustGive},
    {"foundation.fak", "地基承载力特征值fak(kPa)", "kPa", &CaseSettings::foundationFak, 0, 1e4, true, 0},
    {"foundation.etaB", "宽度修正系数ηb", "", &CaseSettings::foundationEtaB, 0, 3, true, kMustGive},
    {"foundation.etaD", "深度修正系数ηd", "", &CaseSettings::foundationEtaD, 1, 4.4, true, kMustGive},
    {"foundation.cohesion", "基底以下土的黏聚力标准值ck(kPa)", "kPa", &CaseSettings::foundationCohesion, 0,
     1e3, true, -1},
    {"foundation.friction", "基底以下土的内摩擦角标准值φk(°)", "°", &CaseSettings::foundationFriction, 0, 40,
     true, -1},
    {"foundation.sand", "基底以下为砂土（1）或否（0）", "", &CaseSettings::foundationSand, 0, 1, true,
     kMustGive, true},
    {"checks.overall", "整体稳定安全系数要求值", "", &CaseSettings::overall, 1, 3, true, kMustGive},
    {"checks.seismicOverall", "地震作用下整体稳定安全系数要求值", "", &CaseSettings::seismicOverall, 1, 3,
     true, kMustGive},
};

static_assert(std::size(kSettings) == kCaseSettingNames.size());

constexpr bool SameOrder() {
    for (std::size_t i = 0; i < kCaseSettingNames.size(); ++i)
        if (kSettings[i].name != kCaseSettingNames[i]) return false;
    return true;
}
static_assert(SameOrder(), "the settings table and the names in one order");

const Setting* Find(std::string_view name) {
    for (const Setting& k : kSettings)
        if (k.name == name) return &k;
    return nullptr;
}

}  // namespace

std::string SetCaseSetting(CaseSettings& s, std::string_view name, double v) {
    const Setting* k = Find(name);
    if (!k) return Format("未知的字段：%.*s", int(name.size()), name.data());
    if (k->whole && v != 0 && v != 1)
        return Format("%s（%.*s）应为 0 或 1，当前为 %g", k->title, int(name.size()), name.data(), v);
    const bool above = k->lowerIncluded ? v >= k->lower : v > k->lower;
    if (!above || !(v <= k->upper))
        return Format("%s（%.*s）应%s %g 且不大于 %g，当前为 %g", k->title, int(name.size()), name.data(),
                      k->lowerIncluded ? "不小于" : "大于", k->lower, k->upper, v);
    s.*k->member = static_cast<float>(v);
    return {};
}

std::string ClearCaseSetting(CaseSettings& s, std::string_view name) {
    const Setting* k = Find(name);
    if (!k) return Format("未知的字段：%.*s", int(name.size()), name.data());
    if (std::isnan(k->absent))
        return Format("%s（%.*s）必须给出数值", k->title, int(name.size()), name.data());
    s.*k->member = k->absent;
    return {};
}

std::array<CaseSettingInfo, kCaseSettingNames.size()> CaseSettingInfos() {
    std::array<CaseSettingInfo, kCaseSettingNames.size()> out;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const Setting& k = kSettings[i];
        std::string range = k.whole ? std::string("{0, 1}")
                                    : Format("%s%g, %g]", k.lowerIncluded ? "[" : "(", k.lower, k.upper);
        if (!std::isnan(k.absent)) range += "，可不给出";
        out[i] = {k.name, k.title, k.unit, range};
    }
    return out;
}

bool IsCaseSettingName(std::string_view name) {
    return std::find(kCaseSettingNames.begin(), kCaseSettingNames.end(), name) != kCaseSettingNames.end();
}

}  // namespace wall
