// Order of a case's report and the pictures of its sketches.
#include "casereport/CalcReport.h"

#include <algorithm>

#include "casereport/DesignData.h"
#include "casereport/NarrativeLines.h"
#include "casereport/VerdictSummary.h"
#include "drawing/PressureSketch.h"
#include "drawing/SketchFiles.h"

namespace wall {

// The loading sketch draws the whole wall's actions: the wall weight and the thrusts (a shelf wall's
// second thrust is its lower wall's).
SketchLoads LoadingSketchLoads(const WallResults& r) {
    const StabilityResult* s = r.Stability();
    SketchLoads l;
    if (!s) return l;
    // Each thrust whole: a surcharge's part joins the soil's part before it, at their resultant.
    for (const Action& a : s->actions)
        if (a.Inertia() && l.inertiaCount < static_cast<int>(l.inertia.size()))
            l.inertia[static_cast<size_t>(l.inertiaCount++)] = {a.Fx, a.x, a.y, a.fxSymbol};
    ThrustPart thrusts[2];
    int n = -1;
    for (const Action& a : s->actions) {
        if (a.kind == ActionKind::kWallWeight) {
            l.W = a.Fy;
            l.Zw = a.x;
        }
        if (!a.Horizontal()) continue;
        if (a.kind == ActionKind::kEarthPressure && ++n >= 2) break;
        if (n < 0) continue;
        ThrustPart& t = thrusts[n];
        const float Fx = t.Fx + a.Fx, Fy = t.Fy + a.Fy;
        t.y = Fx != 0 ? (t.Fx * t.y + a.Fx * a.y) / Fx : a.y;
        t.x = Fy != 0 ? (t.Fy * t.x + a.Fy * a.x) / Fy : a.x;
        t.Fx = Fx;
        t.Fy = Fy;
    }
    if (n >= 0) {
        l.Ex = thrusts[0].Fx;
        l.Ey = thrusts[0].Fy;
        l.Zx = thrusts[0].x;
        l.Zy = thrusts[0].y;
    }
    if (n >= 1) {
        l.hasLower = true;
        l.lowerEx = thrusts[1].Fx;
        l.lowerEy = thrusts[1].Fy;
        l.lowerZx = thrusts[1].x;
        l.lowerZy = thrusts[1].y;
    }
    return l;
}

CalcReport::CalcReport(HostServices& host, CaseReportInput input) : ReportWriter(host), m_in(input) {
    ComposePreview(m_preview, m_in.wallCase);
}

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

void CalcReport::WriteLoadingSketch(const PressureDiagram* diagram) {
    WriteSketchPair(m_loadSketch, m_pressureSketch, LoadingSketchLoads(m_in.result), diagram, "土压力分布图");
}

void CalcReport::WriteSketchPair(DrawingCanvas& sketch, DrawingCanvas& pressure, const SketchLoads& loads,
                                 const PressureDiagram* diagram, const char* caption) {
    ComposeReportSketch(sketch, m_in.wallCase, loads);
    if (diagram && diagram->size() > 1) {
        // The sketch and the diagram side by side across the text width of the page (593.5 − 2 × 89.85
        // pt), each less its cell's margins.
        ComposePressureDiagram(pressure, *diagram);
        AddLayoutTable(1, 263.8f, 150.0f);
        SetAlignment(1);
        InsertCanvasPicture(sketch, 263.8 - 10.8);
        NextCell(1);
        InsertCanvasPicture(pressure, 150.0 - 10.8);
        TypeParagraph();
        WriteText(caption);
        LeaveTable();
        SetAlignment(0);
        return;
    }
    // The text width of the page: 593.5 - 2 x 89.85 pt.
    InsertCanvasPicture(sketch, 413.8);
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
    InsertCanvasPicture(m_preview, 201.9 - 10.8);
    LeaveTable();
    SetAlignment(0);
    WriteSoilData(*this, c);
    LeaveTable();
    SetAlignment(0);
    WriteSectionHeading("二", "计算结果");

    const CaseResult& a = m_in.result;
    if (a.gravity) WriteGravityAnalysis(*a.gravity);
    if (a.shelf) WriteShelfAnalysis(*a.shelf);
    if (a.cantilever) WriteCantileverAnalysis(*a.cantilever);
    if (a.counterfort) WriteCounterfortAnalysis(*a.counterfort);
    // The sections after the static checks take the next numbers.
    int number = 7;
    auto next = [&number](const char* title) { return Format("\n%d、%s", number++, title); };
    if (a.overall.checked) WriteOverallAnalysis(a.overall, next("整体稳定验算"));
    if (a.seismic) WriteSeismicAnalysis(*a.seismic, next("地震作用下的验算"));
    const SeismicAngles angles = SeismicAnglesOf(c.settings);
    if (angles.intensitySix) {
        Heading(*this, next("地震作用"));
        WriteText(
            "\t设计基本地震加速度0.05g（抗震设防烈度6度）：按GB 50011-2010 "
            "第5.1.6条，6度时可不进行截面抗震验算，"
            "挡土墙不作地震作用下的验算。\n");
    }
    WriteVerdictSummary(*this, CaseChecks(a), NotChecked(a), CaseQuantities(c, a), next("验算结论").c_str());

    WriteResultMessage();
    ShowFieldCodes(false);
    SetScreenUpdating(true);
    ClearUndo();
}

}  // namespace wall
