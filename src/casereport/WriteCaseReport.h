// Writing a calculated case's report with its drawings into a folder, for every front end.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/CaseResult.h"
#include "case/CaseFile.h"
#include "casereport/CalcReport.h"
#include "host/HostServices.h"
#include "report/ReportConfig.h"

namespace wall {

// Writes a document as PDF: the front ends supply it (the dialog links the PDF writer, the command
// line opens it on demand), so the report itself needs no graphics library.
using PdfWriterFunction =
    std::function<bool(const Document& doc, const std::string& title, const std::string& creator,
                       std::vector<uint8_t>& out, std::string* error)>;

struct CaseReportJob {
    std::filesystem::path folder = ".";      // the report when `file` is empty, and the drawings
    std::filesystem::path file;              // the report's own path, when named
    std::string sketchTitle = kDialogTitle;  // the case's sketch drawing is "<title>计算简图"
    // The host's fixed drawing names in `folder` (the dialog and the plug-in), or drawings beside
    // the report named after it, "<report name>_<drawing name>", so two reports never share one.
    bool drawingsNamedAfterReport = false;
    SketchRect rect;                     // the sketch area the pictures are fitted to
    std::optional<ReportConfig> config;  // default: report.conf of the user's configuration
    // The formats: the .docx, and the PDF through `pdfWriter`. With both, the PDF goes beside the
    // .docx under its name; with the PDF alone, `file` names it.
    bool docx = true;
    bool pdf = false;
    PdfWriterFunction pdfWriter;
};

struct CaseReportFiles {
    bool saved = false;                           // the report was written
    std::filesystem::path report;                 // the report written, or the one that failed
    std::filesystem::path pdf;                    // the PDF beside the .docx, when written
    std::vector<std::filesystem::path> drawings;  // the drawings written
    std::string error;                            // why there is no report
    std::vector<std::string> warnings;            // what went wrong without stopping the report
    bool drawingsMissing = false;                 // a drawing could not be saved: the report is incomplete
    std::string plainText;                        // the report as plain text
};

// Writes the report of `result` (refused cases give only `error`) as .docx and or PDF (a PDF beside
// the .docx that cannot be written is a warning), then, once the report is saved,
// the loading sketch and the case's sketch as drawings. A drawing is listed with the host only
// after it was saved; a report that could not be saved leaves no drawing behind.
CaseReportFiles WriteCaseReport(const WallCase& c, const CaseResult& result, HostServices& host,
                                const CaseReportJob& job);

}  // namespace wall
