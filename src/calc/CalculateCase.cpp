// Validation, then the analysis sequence of the case's wall type.
#include "calc/CalculateCase.h"

#include "analysis/SeismicAngles.h"
#include "calc/AnalyseWall.h"
#include "calc/FiniteResults.h"
#include "calc/SeismicCombination.h"

namespace wall {

void AddOverall(const WallCase& c, CaseResult& r) {
    if (!r.Accepted()) return;
    r.overall = OverallStability(c, 0, c.settings.overall);
    // Under earthquake kh = Ci·Cz·A/g on each slice: GB 50330-2013 §5.2.6's 0.25·A/g for Ci = 1.
    if (r.seismic && r.seismic->refusal.empty())
        r.seismic->overall = OverallStability(c, r.seismic->inertiaFactor, c.settings.seismicOverall);
}

CaseResult CalculateCase(const WallCase& c, const CalculateOptions& options) {
    CaseResult r;
    r.wallType = c.wallType;
    r.seismicAsked = SeismicAnglesOf(c.settings).asked;
    r.findings = ValidateCase(c);
    if (!r.findings.empty()) return r;
    KernelBlock kb;
    r.analysisRefusal = AnalyseWall(c, kb, r);
    // An infinite or undefined number must never reach a report or pass a check.
    if (r.analysisRefusal.empty()) r.analysisRefusal = NonFiniteResult(r);
    if (!r.Accepted()) return r;
    // The seismic combination beside the static one, which it leaves as it is.
    if (r.seismicAsked) r.seismic = SeismicCombination(c, r);
    if (options.overall) AddOverall(c, r);
    return r;
}

std::string RefusalText(const CaseResult& r) {
    if (r.Accepted()) return {};
    std::string text = "无法计算：";
    if (!r.analysisRefusal.empty()) return text + r.analysisRefusal;
    // A message that begins with its field's name is not prefixed with it again.
    for (const Finding& f : r.findings)
        text += "\n  " + (f.message.rfind(f.field, 0) == 0 ? f.message : f.field + "：" + f.message);
    return text;
}

}  // namespace wall
