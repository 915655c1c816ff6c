// The report of one case: title block, design data beside the sketch, the analysis, the message.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/PressureDiagram.h"
#include "calc/CaseResult.h"
#include "case/WallCase.h"
#include "drawing/DrawingCanvas.h"
#include "drawing/SketchComposition.h"
#include "report/ReportWriter.h"

namespace wall {

// Client rectangle of the dialog's sketch area, pixels: the device of the sketch pictures.
struct SketchRect {
    int left = 0, top = 0, right = 399, bottom = 448;
};

// The loads the loading sketch of an accepted case draws (whole-wall values).
SketchLoads LoadingSketchLoads(const WallResults& r);

// What the report of a case works with besides the writer's host.
struct CaseReportInput {
    const WallCase& wallCase;
    const CaseResult& result;  // accepted
    SketchRect rect;
};

class CalcReport : public ReportWriter {
  public:
    CalcReport(HostServices& host, CaseReportInput input);

    // Title block, section "一" with the design data and the sketch, the soil table, section "二"
    // with the analysis of the wall type, and the result message.
    void Generate() override;

    // The case's sketch as the report pictured it (with its corner marks), for saving as a drawing
    // once the report exists.
    DrawingCanvas& Preview() { return m_preview; }

  private:
    // The picture of a canvas at the insertion point, with the 1 % margin, at most `maxWidthPt` wide.
    void InsertCanvasPicture(DrawingCanvas& canvas, double maxWidthPt);

    // Composes the loading sketch and inserts it, with the pressure diagram of the back beside it when
    // one is given; then leaves the table and aligns left.
    void WriteLoadingSketch(const PressureDiagram* diagram = nullptr);

    void WriteGravityAnalysis(const GravityWallResult& r);
    void WriteShelfAnalysis(const ShelfWallResult& r);
    void WriteImaginaryBack(const ImaginaryBackResult& r);
    void WriteCantileverAnalysis(const CantileverResult& r);
    void WriteCounterfortAnalysis(const CounterfortResult& r);
    // "地震作用下的验算": the angles, the seismic thrust and its coefficient, the inertia forces on the
    // seismic loading sketch, the checks, and the sections of a reinforced-concrete wall.
    void WriteSeismicAnalysis(const SeismicResult& e, const std::string& heading);
    // "整体稳定验算": the method, the foundation soil, the critical circle on its sketch, a few of its
    // slices and the factor against the required one (under earthquake with kh on each slice).
    void WriteOverallAnalysis(const OverallResult& o, const std::string& heading);
    void WriteSeismicSections(const SeismicResult& e);
    // A loading sketch with the pressure diagram beside it (when there is one) and the diagram's caption.
    void WriteSketchPair(DrawingCanvas& sketch, DrawingCanvas& pressure, const SketchLoads& loads,
                         const PressureDiagram* diagram, const char* caption);

    CaseReportInput m_in;
    DrawingCanvas m_preview;
    DrawingCanvas m_loadSketch;
    DrawingCanvas m_pressureSketch;
    DrawingCanvas m_seismicSketch;
    DrawingCanvas m_slipSketch;
    DrawingCanvas m_seismicSlipSketch;
    DrawingCanvas m_seismicPressure;
};

}  // namespace wall
