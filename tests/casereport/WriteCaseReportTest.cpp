// Writing a case's report with its drawings: what lands in the folder and what the caller is told.
#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingHost.h"
#include "ScratchDir.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/WriteCaseReport.h"

namespace wall {
namespace {

namespace fs = std::filesystem;

// A fixed configuration keeps the user's report.conf out of the test.
CaseReportJob JobIn(const fs::path& folder) {
    CaseReportJob job;
    job.folder = folder;
    job.config = ReportConfig{};
    return job;
}

TEST(WriteCaseReport, ReportAndBothDrawingsInTheFolder) {
    test::ScratchDir dir("write-report");
    test::RecordingHost host;
    WallCase c = DefaultCase(kGravity);
    c.soil.m_nTheory = kCoulomb;
    CaseReportFiles files = WriteCaseReport(c, CalculateCase(c), host, JobIn(dir.path()));
    ASSERT_TRUE(files.saved) << files.error;
    EXPECT_EQ(files.report, dir / "挡土墙计算1.docx");
    EXPECT_TRUE(fs::exists(files.report));
    const std::vector<fs::path> drawings = {dir / "1、按库伦土压力理论计算.kst", dir / "挡土墙计算计算简图"};
    EXPECT_EQ(files.drawings, drawings);
    for (const fs::path& d : drawings) EXPECT_TRUE(fs::exists(d)) << d;
    EXPECT_EQ(host.drawings, (std::vector<std::string>{"1、按库伦土压力理论计算.kst", "挡土墙计算计算简图"}));
    EXPECT_TRUE(files.warnings.empty());
    EXPECT_NE(files.plainText.find("计算结果"), std::string::npos);

    // The report's picture adds eight invisible corner circles to its canvas. The loading sketch's
    // drawing holds the sketch alone; the case's sketch drawing has always kept them.
    DrawingCanvas loading, sketch;
    ASSERT_TRUE(ReadDrawingFile(drawings[0], loading).ok());
    ASSERT_TRUE(ReadDrawingFile(drawings[1], sketch).ok());
    EXPECT_EQ(loading.Circles().size(), 0u);
    EXPECT_EQ(sketch.Circles().size(), 8u);
}

// A refused case and a report that cannot be saved both say why, and claim no report.
TEST(WriteCaseReport, FailuresAreReportedNotClaimed) {
    test::ScratchDir dir("write-report-fail");
    WallCase refused = DefaultCase(kGravity);
    refused.wall.m_fHeight = 0;
    struct Row {
        const char* name;
        WallCase wallCase;
        fs::path file;
        const char* errorPart;
    };
    const Row rows[] = {
        {"refused case", refused, {}, "无法计算："},
        {"missing folder for the report", DefaultCase(kGravity), dir / "missing" / "r.docx",
         "无法保存计算书"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        test::RecordingHost host;
        CaseReportJob job = JobIn(dir.path());
        job.file = r.file;
        CaseReportFiles files = WriteCaseReport(r.wallCase, CalculateCase(r.wallCase), host, job);
        EXPECT_FALSE(files.saved);
        EXPECT_NE(files.error.find(r.errorPart), std::string::npos) << files.error;
        EXPECT_FALSE(fs::exists(dir / "挡土墙计算计算简图"));
        EXPECT_TRUE(host.echo.find("生成详细结果文档") == std::string::npos);
    }
}

}  // namespace
}  // namespace wall
