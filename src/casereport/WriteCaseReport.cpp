// The report first, then its drawings, each announced to the host once it exists.
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
    CalcReport report(host, {c, result, job.rect});
    if (job.config) {
        report.SetConfig(*job.config);
    } else {
        ReportConfigResult config = LoadReportConfig(DefaultReportConfigPath());
        out.warnings = config.warnings;
        report.SetConfig(config.config);
    }
    report.Generate();
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

    std::filesystem::path folder = job.folder;
    std::string prefix;
    if (job.drawingsNamedAfterReport) {
        folder = saved.path.parent_path();
        prefix = saved.path.stem().string() + "_";
    }
    auto save = [&](DrawingCanvas& canvas, const std::string& name) {
        const std::filesystem::path path = folder / (prefix + name);
        DrawingIoResult r = canvas.SaveToFile(path);
        if (!r.ok()) {
            out.warnings.push_back("无法保存图形文件 " + path.string() + "：" + r.reason);
            return;
        }
        out.drawings.push_back(path);
        host.AddDrawingName(path.filename().string());
    };
    // The loading sketch's drawing is the sketch as composed, without the picture's corner marks;
    // the case's sketch is saved as the report pictured it.
    DrawingCanvas loadingSketch;
    ComposeReportSketch(loadingSketch, c, LoadingSketchLoads(result));
    save(loadingSketch, LoadingSketchName(c));
    save(report.Preview(), SketchDrawingName(job.sketchTitle));
    return out;
}

}  // namespace wall
