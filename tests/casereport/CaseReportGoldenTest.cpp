// The plain text of each default case's whole report, kept as golden files. The files were read
// line by line against the report's definition when they were made; a change shows as a diff.
// On a difference the actual text is written beside the golden file; WALL_UPDATE_GOLDEN=1 rewrites
// the golden files after a deliberate change.
#include <gtest/gtest.h>

#include <filesystem>

#include "GoldenFile.h"
#include "RecordingHost.h"
#include "ScratchDir.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/WriteCaseReport.h"

using namespace wall;
namespace fs = std::filesystem;

namespace {

struct GoldenCase {
    const char* name;
    int type;
    int theory;
};

const GoldenCase kCases[] = {
    {"gravity-rankine", kGravity, kRankine},
    {"gravity-coulomb", kGravity, kCoulomb},
    {"semigravity-rankine", kSemiGravity, kRankine},
    {"semigravity-coulomb", kSemiGravity, kCoulomb},
    {"shelf", kShelf, kRankine},
    {"cantilever-rankine", kCantilever, kRankine},
    {"cantilever-coulomb", kCantilever, kCoulomb},
    {"counterfort-rankine", kCounterfort, kRankine},
    {"counterfort-coulomb", kCounterfort, kCoulomb},
};

struct ReportRun {
    std::string text;
    std::string echo;
    std::vector<std::string> drawings;
};

// The whole path a front end takes: calculation, then the report and its drawings in `dir`.
ReportRun RunReport(const WallCase& c, const fs::path& dir) {
    CaseResult result = CalculateCase(c);
    EXPECT_EQ(RefusalText(result), "");
    test::RecordingHost host;
    CaseReportJob job;
    job.folder = dir;
    job.config = ReportConfig{};
    CaseReportFiles files = WriteCaseReport(c, result, host, job);
    EXPECT_TRUE(files.saved) << files.error;
    EXPECT_TRUE(files.warnings.empty());
    return {files.plainText, host.echo, host.drawings};
}

class CaseReportGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CaseReportGolden, PlainTextMatchesGoldenFile) {
    const GoldenCase& g = GetParam();
    WallCase c = DefaultCase(g.type);
    c.soil.m_nTheory = g.theory;
    test::ScratchDir dir(std::string("golden-") + g.name);
    ReportRun run = RunReport(c, dir.path());

    // The loading sketch is written and listed under the theory's name (a shelf wall is Coulomb's).
    const char* sketchName = g.type == kShelf || g.theory == kCoulomb ? "1、按库伦土压力理论计算.kst"
                                                                      : "1、按朗肯土压力理论计算.kst";
    ASSERT_EQ(run.drawings.size(), 2u);
    EXPECT_EQ(run.drawings[0], sketchName);
    EXPECT_TRUE(fs::exists(dir / sketchName));

    EXPECT_TRUE(
        test::MatchesGoldenFile(run.text, fs::path(WALL_GOLDEN_DIR) / (std::string(g.name) + ".txt")));
}

INSTANTIATE_TEST_SUITE_P(DefaultCases, CaseReportGolden, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (ch == '-') ch = '_';
    return n;
});

// The host sees the banner, the first section and nothing of section two.
TEST(CaseReportEcho, FirstSectionOnly) {
    test::ScratchDir dir("echo");
    ReportRun run = RunReport(DefaultCase(kCounterfort), dir.path());
    const std::string stars(67, '*');
    EXPECT_EQ(run.echo.rfind(stars + "\n" + std::string(28, ' ') + "挡土墙计算\n" + stars + "\n\r\n", 0), 0u);
    EXPECT_NE(run.echo.find("\t挡土墙类型：扶壁式挡土墙\n"), std::string::npos);
    EXPECT_NE(run.echo.find("1    17.00    0.00    30.00"), std::string::npos);
    EXPECT_EQ(run.echo.find("计算结果"), std::string::npos);
    EXPECT_EQ(run.echo.find("土压力"), std::string::npos);
}

}  // namespace
