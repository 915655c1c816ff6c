// Writing a calculated case's report with its drawings into a folder, for every front end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calc/CaseResult.h"
#include "case/CaseFile.h"
#include "casereport/CalcReport.h"
#include "host/HostServices.h"
#include "report/ReportConfig.h"

namespace wall {

struct CaseReportJob {
    std::filesystem::path folder = ".";      // the report when `file` is empty, and the drawings
    std::filesystem::path file;              // the report's own path, when named
    std::string sketchTitle = kDialogTitle;  // the case's sketch drawing is "<title>计算简图"
    // The host's fixed drawing names in `folder` (the dialog and the plug-in), or drawings beside
    // the report named after it, "<report name>_<drawing name>", so two reports never share one.
    bool drawingsNamedAfterReport = false;
    SketchRect rect;                     // the sketch area the pictures are fitted to
    std::optional<ReportConfig> config;  // default: report.conf of the user's configuration
};

struct CaseReportFiles {
    bool saved = false;                           // the report was written
    std::filesystem::path report;                 // the report written, or the one that failed
    std::vector<std::filesystem::path> drawings;  // the drawings written
    std::string error;                            // why there is no report
    std::vector<std::string> warnings;            // what went wrong without stopping the report
    std::string plainText;                        // the report as plain text
};

// Writes the report of `result` (refused cases give only `error`) as .docx, then, once it is saved,
// the loading sketch and the case's sketch as drawings. A drawing is listed with the host only
// after it was saved; a report that could not be saved leaves no drawing behind.
CaseReportFiles WriteCaseReport(const WallCase& c, const CaseResult& result, HostServices& host,
                                const CaseReportJob& job);

}  // namespace wall
