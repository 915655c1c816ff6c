// The report, its loading sketch and the case's sketch, in the order a host expects them.
#include "casereport/WriteCaseReport.h"

#include "calc/CalculateCase.h"
#include "drawing/SketchFiles.h"

namespace wall {

CaseReportFiles WriteCaseReport(const WallCase& c, const CaseResult& result, HostServices& host,
                                const CaseReportJob& job) {
    CaseReportFiles out;
    if (!result.Accepted()) {
        out.error = RefusalText(result);
        return out;
    }
    CalcReport report(host, {c, result, job.rect, job.folder});
    if (job.config) {
        report.SetConfig(*job.config);
    } else {
        ReportConfigResult config = LoadReportConfig(DefaultReportConfigPath());
        out.warnings = config.warnings;
        report.SetConfig(config.config);
    }
    report.Generate();
    out.warnings.insert(out.warnings.end(), report.Warnings().begin(), report.Warnings().end());
    out.drawings = report.Drawings();
    out.plainText = report.PlainText();

    ReportTarget target;
    target.folder = job.folder;
    target.file = job.file;
    ReportSaveResult saved = report.Save(target);
    out.report = saved.path;
    if (!saved.ok) {
        out.error = saved.message;
        return out;
    }
    out.saved = true;

    // The case's sketch as the report pictured it.
    DrawingIoResult sketch = SaveSketchDrawing(report.Preview(), host, job.sketchTitle, job.folder);
    if (sketch.ok())
        out.drawings.push_back(job.folder / SketchDrawingName(job.sketchTitle));
    else
        out.warnings.push_back("无法保存计算简图：" + sketch.message + " " + sketch.detail);
    return out;
}

}  // namespace wall
