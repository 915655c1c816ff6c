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

// The formats: the PDF beside the .docx under its name, the PDF alone where the job names it, and
// a PDF writer that fails costing the .docx nothing but a warning (and, alone, the report).
TEST(WriteCaseReport, PdfBesideTheDocxOrAlone) {
    test::ScratchDir dir("write-report-pdf");
    const WallCase c = DefaultCase(kCantilever);
    const CaseResult result = CalculateCase(c);
    auto writer = [](bool works) {
        return [works](const Document& doc, const std::string& title, const std::string&,
                       std::vector<uint8_t>& out, std::string* error) {
            if (!works) return (*error = "缺少字体", false);
            EXPECT_EQ(title, "挡土墙计算");
            EXPECT_FALSE(doc.body.empty());
            out = {'%', 'P', 'D', 'F'};
            return true;
        };
    };
    struct Row {
        const char* name;
        bool docx;
        const char* file;  // named report, or the folder's next free one
        bool works;
        bool saved;
        const char* report;
        const char* pdf;  // beside the .docx
        int warnings;
    };
    const Row rows[] = {
        {"both", true, "", true, true, "挡土墙计算1.docx", "挡土墙计算1.pdf", 0},
        {"both, the PDF fails", true, "", false, true, "挡土墙计算2.docx", "", 1},
        {"the PDF alone", false, "r.pdf", true, true, "r.pdf", "", 0},
        {"the PDF alone fails", false, "s.pdf", false, false, "s.pdf", "", 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        test::RecordingHost host;
        CaseReportJob job = JobIn(dir.path());
        if (*r.file) job.file = dir / r.file;
        job.docx = r.docx;
        job.pdf = true;
        job.pdfWriter = writer(r.works);
        const CaseReportFiles files = WriteCaseReport(c, result, host, job);
        EXPECT_EQ(files.saved, r.saved) << files.error;
        EXPECT_EQ(files.report, dir / r.report);
        EXPECT_EQ(fs::exists(dir / r.report), r.saved);
        EXPECT_EQ(files.pdf, *r.pdf ? dir / r.pdf : fs::path());
        if (*r.pdf) {
            EXPECT_EQ(fs::file_size(dir / r.pdf), 4u);
        }
        EXPECT_EQ(files.warnings.size(), static_cast<std::size_t>(r.warnings));
        if (!r.saved) {
            EXPECT_NE(files.error.find("缺少字体"), std::string::npos) << files.error;
        }
    }
}

}  // namespace
}  // namespace wall
