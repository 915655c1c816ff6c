// Order of a case's report and the pictures of its sketches.
#include "report/assembly/CalcReport.h"

#include <algorithm>

#include "analysis/ValidateCase.h"
#include "drawing/SketchComposition.h"
#include "drawing/SketchFiles.h"
#include "drawing/WallOutline.h"
#include "report/assembly/DesignData.h"

namespace wall {

CaseAnalysis AnalyseCase(const WallCase& c, KernelBlock& kb) {
    CaseAnalysis a;
    a.wallType = c.wallType;
    BuildWallOutline(c, kb);
    switch (c.wallType) {
        case kGravity:
        case kSemiGravity:
            a.gravity = GravityWallAnalysis(c, kb);
            break;
        case kShelf:
            a.shelf = ShelfWallAnalysis(c, kb);
            break;
        case kCantilever:
            a.cantilever = CantileverDesign(c, kb);
            break;
        case kCounterfort:
            a.counterfort = CounterfortDesign(c, kb);
            break;
        default:
            break;
    }
    return a;
}

std::string CalculateCase(const WallCase& c, KernelBlock& kb, CaseAnalysis& out) {
    std::vector<Finding> findings = ValidateCase(c);
    if (!findings.empty()) {
        std::string text = "无法计算：";
        for (const Finding& f : findings) text += "\n  " + f.field + "：" + f.message;
        return text;
    }
    out = AnalyseCase(c, kb);
    if (std::string refusal = AnalysisRefusal(out); !refusal.empty()) return "无法计算：" + refusal;
    return {};
}

const SketchLoads& LoadingSketchLoads(const CaseAnalysis& a) {
    static const SketchLoads none;
    if (a.gravity) return a.gravity->sketch;
    if (a.shelf) return a.shelf->sketch;
    if (a.cantilever) return a.cantilever->back.sketch;
    if (a.counterfort) return a.counterfort->back.sketch;
    return none;
}

std::string AnalysisRefusal(const CaseAnalysis& a) {
    if (a.gravity) {
        if (a.gravity->status != PressureStatus::kOk)
            return std::string(PressureStatusMessage(a.gravity->status));
        if (a.gravity->section.status != PressureStatus::kOk)
            return std::string(PressureStatusMessage(a.gravity->section.status));
        return {};
    }
    if (a.shelf || a.cantilever || a.counterfort) return {};
    return "该挡土墙类型的计算尚未提供。";
}

CalcReport::CalcReport(HostServices& host, CaseReportInput input) : ReportWriter(host), m_in(input) {}

void CalcReport::InsertCanvasPicture(DrawingCanvas& canvas, double maxWidthPt) {
    const SketchRect& r = m_in.rect;
    CanvasPicture p = CanvasPictureEmf(canvas, r.left, r.top, r.right, r.bottom);
    Picture pic;
    pic.format = PictureFormat::kEmf;
    pic.bytes = std::move(p.emf);
    // Pixels of the 96 dpi reference device to points; a picture wider than its place is scaled down.
    double w = p.widthPx * 0.75, h = p.heightPx * 0.75;
    if (w > maxWidthPt && w > 0) {
        h *= maxWidthPt / w;
        w = maxWidthPt;
    }
    pic.widthPt = w;
    pic.heightPt = h;
    PastePicture(pic);
}

void CalcReport::WriteLoadingSketch(const SketchLoads& loads) {
    const WallCase& c = m_in.wallCase;
    ComposeReportSketch(m_in.loadSketch, c, m_in.kb, loads.Ex, loads.Ey, loads.Zx, loads.Zy, loads.W,
                        loads.Zw);
    const std::string name = LoadingSketchName(c);
    DrawingIoResult saved = m_in.loadSketch.SaveToFile(m_in.drawingDir / name);
    if (!saved.ok())
        m_warnings.push_back("无法保存图形文件 " + name + "：" + saved.message + " " + saved.detail);
    Host().AddDrawingName(name);
    // The text width of the page: 593.5 - 2 x 89.85 pt.
    InsertCanvasPicture(m_in.loadSketch, 413.8);
    // The picture stands in a paragraph of its own, so the result lines start below it.
    TypeParagraph();
    LeaveTable();
    SetAlignment(0);
}

void CalcReport::Generate() {
    const WallCase& c = m_in.wallCase;
    SetScreenUpdating(true);
    ShowFieldCodes(true);
    SetTitle("挡土墙计算");
    WriteTitleBlock();

    WriteSectionHeading("一", "设计资料");
    AddLayoutTable(1, 223.6f, 201.9f);
    SetAlignment(0);
    WriteDesignData(*this, c);
    NextCell(1);
    // The right cell, less the cell's own margins.
    InsertCanvasPicture(m_in.preview, 201.9 - 10.8);
    LeaveTable();
    SetAlignment(0);
    WriteSoilData(*this, c);
    LeaveTable();
    SetAlignment(0);
    WriteSectionHeading("二", "计算结果");

    const CaseAnalysis& a = m_in.analysis;
    if (a.gravity) WriteGravityAnalysis(*a.gravity);
    if (a.shelf) WriteShelfAnalysis(*a.shelf);
    if (a.cantilever) WriteCantileverAnalysis(*a.cantilever);
    if (a.counterfort) WriteCounterfortAnalysis(*a.counterfort);

    WriteResultMessage();
    ShowFieldCodes(false);
    SetScreenUpdating(true);
    ClearUndo();
}

}  // namespace wall
