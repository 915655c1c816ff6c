// Validation, then the analysis sequence of the case's wall type.
#include "calc/CalculateCase.h"

#include "analysis/KernelBlock.h"
#include "analysis/PressureStatus.h"
#include "analysis/SeismicAngles.h"
#include "calc/FiniteResults.h"

namespace wall {
namespace {

void Analyse(const WallCase& c, CaseResult& r) {
    // The analyses share one working state, which starts from the case's outline.
    KernelBlock kb;
    kb.outline = BuildWallOutline(c);
    switch (c.wallType) {
        case kGravity:
        case kSemiGravity:
            r.gravity = GravityWallAnalysis(c, kb);
            if (r.gravity->status != PressureStatus::kOk)
                r.analysisRefusal = PressureStatusMessage(r.gravity->status);
            else if (r.gravity->section.status != PressureStatus::kOk)
                r.analysisRefusal = PressureStatusMessage(r.gravity->section.status);
            break;
        case kShelf:
            r.shelf = ShelfWallAnalysis(c, kb);
            if (r.shelf->pressure.status != PressureStatus::kOk)
                r.analysisRefusal = PressureStatusMessage(r.shelf->pressure.status);
            break;
        case kCantilever:
            r.cantilever = CantileverDesign(c, kb);
            if (r.cantilever->back.status != PressureStatus::kOk)
                r.analysisRefusal = PressureStatusMessage(r.cantilever->back.status);
            break;
        case kCounterfort:
            r.counterfort = CounterfortDesign(c, kb);
            if (r.counterfort->back.status != PressureStatus::kOk)
                r.analysisRefusal = PressureStatusMessage(r.counterfort->back.status);
            break;
        default:
            r.analysisRefusal = "该挡土墙类型的计算尚未提供。";
            break;
    }
}

}  // namespace

CaseResult CalculateCase(const WallCase& c) {
    CaseResult r;
    r.wallType = c.wallType;
    r.seismicAsked = SeismicAnglesOf(c.settings).asked;
    r.findings = ValidateCase(c);
    if (!r.findings.empty()) return r;
    Analyse(c, r);
    // An infinite or undefined number must never reach a report or pass a check.
    if (r.analysisRefusal.empty()) r.analysisRefusal = NonFiniteResult(r);
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
