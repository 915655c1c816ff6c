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
    auto pdfBytes = [&](std::vector<uint8_t>& bytes, std::string& reason) {
        if (!job.pdfWriter) {
            reason = "此程序未包含 PDF 输出";
            return false;
        }
        return job.pdfWriter(report.Doc(), report.Title(), report.Config().organisation, bytes, &reason);
    };
    ReportSaveResult saved;
    if (job.docx) {
        saved = report.Save(target);
    } else {
        std::vector<uint8_t> bytes;
        std::string reason;
        if (pdfBytes(bytes, reason)) {
            saved = SaveReportBytes(target, report.Title(), bytes);
        } else {
            saved.path = target.file.empty() ? target.folder : target.file;
            saved.message = "无法保存计算书 " + saved.path.string() + "：" + reason;
        }
    }
    out.report = saved.path;
    if (!saved.ok) {
        out.error = saved.message;
        return out;
    }
    out.saved = true;
    if (job.docx && job.pdf) {
        ReportTarget beside;
        beside.file = saved.path;
        beside.file.replace_extension(".pdf");
        std::vector<uint8_t> bytes;
        std::string reason;
        if (!pdfBytes(bytes, reason)) {
            out.warnings.push_back("无法保存 PDF 计算书 " + beside.file.string() + "：" + reason);
        } else if (ReportSaveResult pdf = SaveReportBytes(beside, report.Title(), bytes); pdf.ok) {
            out.pdf = pdf.path;
        } else {
            out.warnings.push_back(pdf.message);
        }
    }

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
            out.drawingsMissing = true;
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
