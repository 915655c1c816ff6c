// The page-count estimate against page counts LibreOffice gave for the same documents.
#include <gtest/gtest.h>

#include <cstdlib>

#include "RecordingHost.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/CalcReport.h"
#include "report/PageEstimate.h"

namespace wall {
namespace {

// Lines of 10.5 pt text, some under the 24 pt title. Measured with LibreOffice 7.4 (headless
// conversion to PDF, pages counted with pdfinfo) on the report's page set-up: 44 lines fill a page
// and a 45th starts another; the title takes three lines' room.
TEST(PageEstimate, LinesAndTitle) {
    struct Row {
        bool title;
        int lines;
        int pages;
    };
    const Row rows[] = {{false, 44, 1}, {false, 45, 2}, {true, 41, 1}, {true, 42, 2}};
    for (const Row& r : rows) {
        Document doc = NewBlankDocument();
        doc.body.clear();
        if (r.title) {
            CharFormat f;
            f.bold = true;
            f.size = 24;
            f.font = "楷体_GB2312";
            doc.body.emplace_back(
                Paragraph{Alignment::kCenter, ParagraphRule::kNone, {TextRun{"挡土墙计算", f}}});
        }
        for (int i = 0; i < r.lines; ++i)
            doc.body.emplace_back(Paragraph{Alignment::kLeft,
                                            ParagraphRule::kNone,
                                            {TextRun{"第" + std::to_string(i) + "行文字 text", {}}}});
        EXPECT_EQ(EstimatePageCount(doc), r.pages)
            << r.lines << (r.title ? " lines and the title" : " lines");
    }
}

// Default reports of each wall type. The pages are LibreOffice 7.4's count of the .docx files that
// `wallcalc report` wrote when the estimate was made (Office Math equations); the estimate matched
// each of them then. Within one page is what the estimate promises, as the reports change.
TEST(PageEstimate, DefaultReports) {
    struct Row {
        int type;
        int theory;
        int pages;
    };
    const Row rows[] = {
        {kGravity, kCoulomb, 5},
        {kShelf, kRankine, 6},
        {kCantilever, kRankine, 10},
        {kCounterfort, kRankine, 19},
    };
    for (const Row& r : rows) {
        WallCase c = DefaultCase(r.type);
        c.soil.m_nTheory = r.theory;
        const CaseResult result = CalculateCase(c);
        ASSERT_TRUE(result.Accepted());
        test::RecordingHost host;
        CalcReport report(host, {c, result, SketchRect{}});
        report.SetConfig(ReportConfig{});
        report.Generate();
        EXPECT_LE(std::abs(EstimatePageCount(report.Doc()) - r.pages), 1) << "wall type " << r.type;
    }
}

}  // namespace
}  // namespace wall
