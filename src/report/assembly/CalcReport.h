// The report of one case: title block, design data beside the sketch, the analysis, the message.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analysis/GravityWallAnalysis.h"
#include "analysis/KernelBlock.h"
#include "analysis/ShelfWallAnalysis.h"
#include "analysis/SketchLoads.h"
#include "case/WallCase.h"
#include "drawing/DrawingCanvas.h"
#include "rcdesign/CantileverDesign.h"
#include "rcdesign/CounterfortDesign.h"
#include "report/ReportWriter.h"

namespace wall {

// Client rectangle of the dialog's sketch area, pixels: the device of the sketch pictures.
struct SketchRect {
    int left = 0, top = 0, right = 399, bottom = 448;
};

// The results of a case's analysis, computed in full before anything is written, so that a case
// the analysis refuses writes nothing.
struct CaseAnalysis {
    int wallType = kCounterfort;
    std::optional<GravityWallResult> gravity;      // types 0 and 1
    std::optional<ShelfWallResult> shelf;          // type 2
    std::optional<CantileverResult> cantilever;    // type 3
    std::optional<CounterfortResult> counterfort;  // type 4
};

// Builds the outline into the block and runs the analysis of the case's wall type.
CaseAnalysis AnalyseCase(const WallCase& c, KernelBlock& kb);

// Validates the case and runs its analysis into `out`. Returns an empty text when the case can be
// reported, else the refusal: "无法计算：" followed by every reason, one per line.
std::string CalculateCase(const WallCase& c, KernelBlock& kb, CaseAnalysis& out);

// The loads the analysis's loading sketch draws (whole-wall values); the analysis must have a result.
const SketchLoads& LoadingSketchLoads(const CaseAnalysis& a);

// Why the analysis cannot be reported (an earth pressure without a result, a wall type without an
// analysis); empty when it can.
std::string AnalysisRefusal(const CaseAnalysis& a);

// What the report of a case works with besides the writer's host.
struct CaseReportInput {
    const WallCase& wallCase;
    const CaseAnalysis& analysis;
    KernelBlock& kb;
    DrawingCanvas& preview;     // the case's sketch, composed by the caller
    DrawingCanvas& loadSketch;  // recomposed by the analyses for their loading sketch
    SketchRect rect;
    std::filesystem::path drawingDir;  // where the loading-sketch drawings are written
};

class CalcReport : public ReportWriter {
  public:
    CalcReport(HostServices& host, CaseReportInput input);

    // Title block, section "一" with the design data and the sketch, the soil table, section "二"
    // with the analysis of the wall type, and the result message.
    void Generate() override;

    // The picture of a canvas at the insertion point, with the 1 % margin, at most `maxWidthPt` wide.
    void InsertCanvasPicture(DrawingCanvas& canvas, double maxWidthPt);

    // Composes the loading sketch, saves it as the drawing of the theory's name in the drawing
    // folder, lists it with the host and inserts it; then leaves the table and aligns left.
    void WriteLoadingSketch(const SketchLoads& loads);

    // Problems met while writing that did not stop the report (a drawing file not written).
    const std::vector<std::string>& Warnings() const { return m_warnings; }

  private:
    void WriteGravityAnalysis(const GravityWallResult& r);
    void WriteShelfAnalysis(const ShelfWallResult& r);
    void WriteImaginaryBack(const ImaginaryBackResult& r);
    void WriteCantileverAnalysis(const CantileverResult& r);
    void WriteCounterfortAnalysis(const CounterfortResult& r);

    CaseReportInput m_in;
    std::vector<std::string> m_warnings;
};

}  // namespace wall
