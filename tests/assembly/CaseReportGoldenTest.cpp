// The plain text of each default case's whole report, kept as golden files. The files were read
// line by line against the report's definition when they were made; a change shows as a diff.
// Set WALL_UPDATE_GOLDEN=1 to rewrite them after a deliberate change.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "RecordingHost.h"
#include "case/CaseDefaults.h"
#include "drawing/SketchComposition.h"
#include "report/assembly/CalcReport.h"

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

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct ReportRun {
    std::string text;
    std::string echo;
    std::vector<std::string> drawings;
};

ReportRun RunReport(const WallCase& c, const fs::path& dir) {
    KernelBlock kb;
    DrawingCanvas preview, sketch;
    ComposePreview(preview, c, kb);
    CaseAnalysis a = AnalyseCase(c, kb);
    EXPECT_EQ(AnalysisRefusal(a), "");
    RecordingHost host;
    CalcReport report(host, {c, a, kb, preview, sketch, SketchRect{}, dir});
    report.Generate();
    EXPECT_TRUE(report.Warnings().empty());
    return {report.PlainText(), host.echo, host.drawings};
}

class CaseReportGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(CaseReportGolden, PlainTextMatchesGoldenFile) {
    const GoldenCase& g = GetParam();
    WallCase c = DefaultCase(g.type);
    c.soil.m_nTheory = g.theory;
    fs::path dir = fs::temp_directory_path() / ("wallgolden-" + std::to_string(::getpid()) + "-" + g.name);
    fs::create_directories(dir);
    ReportRun run = RunReport(c, dir);

    // The loading sketch is written and listed under the theory's name (a shelf wall is Coulomb's).
    const char* sketchName = g.type == kShelf || g.theory == kCoulomb ? "1、按库伦土压力理论计算.kst"
                                                                      : "1、按朗肯土压力理论计算.kst";
    ASSERT_EQ(run.drawings.size(), 1u);
    EXPECT_EQ(run.drawings[0], sketchName);
    EXPECT_TRUE(fs::exists(dir / sketchName));
    fs::remove_all(dir);

    fs::path golden = fs::path(WALL_GOLDEN_DIR) / (std::string(g.name) + ".txt");
    if (std::getenv("WALL_UPDATE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << run.text;
        GTEST_SKIP() << "rewrote " << golden;
    }
    std::string expected = ReadFile(golden);
    if (run.text != expected) {
        fs::path actual = fs::current_path() / (std::string(g.name) + ".actual.txt");
        std::ofstream(actual, std::ios::binary) << run.text;
        FAIL() << "report text differs from " << golden << "; actual written to " << actual;
    }
}

INSTANTIATE_TEST_SUITE_P(DefaultCases, CaseReportGolden, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (ch == '-') ch = '_';
    return n;
});

// The host sees the banner, the first section and nothing of section two.
TEST(CaseReportEcho, FirstSectionOnly) {
    fs::path dir = fs::temp_directory_path() / ("wallecho-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ReportRun run = RunReport(DefaultCase(kCounterfort), dir);
    fs::remove_all(dir);
    const std::string stars(67, '*');
    EXPECT_EQ(run.echo.rfind(stars + "\n" + std::string(28, ' ') + "挡土墙计算\n" + stars + "\n\r\n", 0), 0u);
    EXPECT_NE(run.echo.find("\t挡土墙类型：扶壁式挡土墙\n"), std::string::npos);
    EXPECT_NE(run.echo.find("1    17.00    0.00    30.00"), std::string::npos);
    EXPECT_EQ(run.echo.find("计算结果"), std::string::npos);
    EXPECT_EQ(run.echo.find("土压力"), std::string::npos);
}

}  // namespace
