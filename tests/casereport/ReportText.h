// The plain text of a case's report, written as a front end writes it (report and drawings in `dir`).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RecordingHost.h"
#include "calc/CalculateCase.h"
#include "casereport/WriteCaseReport.h"

namespace wall::test {

// Empty, with a test failure, when the case is refused or the report cannot be saved.
inline std::string ReportText(const WallCase& c, const CaseResult& r, const std::filesystem::path& dir) {
    EXPECT_TRUE(r.Accepted()) << RefusalText(r);
    RecordingHost host;
    CaseReportJob job;
    job.folder = dir;
    job.config = ReportConfig{};  // a fixed configuration keeps the user's report.conf out
    const CaseReportFiles files = WriteCaseReport(c, r, host, job);
    EXPECT_TRUE(files.saved) << files.error;
    return files.plainText;
}

}  // namespace wall::test
