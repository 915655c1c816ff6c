// Setting the required factors and the foundation inputs by name.
#include "case/CaseSettings.h"

#include <algorithm>

#include "text/Format.h"

namespace wall {
namespace {

struct Setting {
    std::string_view name;
    const char* title;
    float CaseSettings::*member;
    double lower, upper;
    bool lowerIncluded;
};

constexpr Setting kSettings[] = {
    {"checks.overturning", "抗倾覆稳定安全系数要求值", &CaseSettings::overturning, 1, 10, true},
    {"checks.sliding", "抗滑移稳定安全系数要求值", &CaseSettings::sliding, 1, 10, true},
    {"foundation.fa", "地基承载力特征值fa(kPa)", &CaseSettings::fa, 0, 1e5, true},
    {"foundation.eccentricityLimit", "偏心距限值系数", &CaseSettings::eccentricityLimit, 0, 0.5, false},
};

}  // namespace

std::string SetCaseSetting(CaseSettings& s, std::string_view name, double v) {
    for (const Setting& k : kSettings) {
        if (k.name != name) continue;
        const bool above = k.lowerIncluded ? v >= k.lower : v > k.lower;
        if (!above || !(v <= k.upper))
            return Format("%s（%.*s）应%s %g 且不大于 %g，当前为 %g", k.title, int(name.size()), name.data(),
                          k.lowerIncluded ? "不小于" : "大于", k.lower, k.upper, v);
        s.*k.member = static_cast<float>(v);
        return {};
    }
    return Format("未知的字段：%.*s", int(name.size()), name.data());
}

bool IsCaseSettingName(std::string_view name) {
    return std::find(kCaseSettingNames.begin(), kCaseSettingNames.end(), name) != kCaseSettingNames.end();
}

}  // namespace wall
