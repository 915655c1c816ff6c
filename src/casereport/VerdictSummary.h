// The report's closing section: every check in one table, and one sentence.
#pragma once

#include <string>
#include <vector>

#include "calc/Quantities.h"
#include "calc/Verdict.h"
#include "report/ReportWriter.h"

namespace wall {

// "全部验算满足。" (with checks left out: "已验算项目全部满足；未验算：" and their titles), or
// "以下验算不满足：" followed by the failed checks' titles; then "请注意：" and the titles of the
// warnings, if any.
std::string VerdictSentence(const std::vector<CheckVerdict>& checks,
                            const std::vector<CheckVerdict>& notChecked = {});

// The verdict heading ("7、验算结论", or 8 after the seismic section): a ruled table of check, computed
// value, required value and "满足", "不满足", "警告" or "未验算", then the sentence.
void WriteVerdictSummary(ReportWriter& w, const std::vector<CheckVerdict>& checks,
                         const std::vector<CheckVerdict>& notChecked, const Quantities& q,
                         const char* heading = "\n7、验算结论");

}  // namespace wall
