// Title block, page set-up, header and footer, tables and pictures on the document model.
#include <gtest/gtest.h>

#include <limits>

#include "ReportTestSupport.h"
#include "report/ReportWriter.h"

namespace wall {
namespace {

using test::Describe;

TEST(ReportLayout, TitleBlockParagraphsAndFormats) {
    NullHostServices host;
    ReportWriter w(host);
    w.SetTitle("挡土墙计算");
    ReportConfig config;
    config.organisation = "某设计院";
    config.productFamily = "结构计算软件";
    config.address = "某路1号";
    config.email = "a@b.c";
    config.telephone = "010-1";
    config.fax = "010-2";
    w.SetConfig(config);
    w.WriteTitleBlock();
    const auto& body = w.Doc().body;
    // title, empty, line 1, empty, line 2, empty, line 3 (审核, 审定), empty, then the paragraph
    // writing continues in.
    ASSERT_EQ(body.size(), 9u);
    const auto& title = std::get<Paragraph>(body[0]);
    EXPECT_EQ(title.alignment, Alignment::kCenter);
    const auto& run = std::get<TextRun>(title.content.at(0));
    EXPECT_EQ(run.text, "挡土墙计算");
    EXPECT_TRUE(run.format.bold);
    EXPECT_EQ(run.format.font, "楷体_GB2312");
    EXPECT_FLOAT_EQ(run.format.size, 24);
    EXPECT_TRUE(std::get<Paragraph>(body[1]).content.empty());
    EXPECT_EQ(Describe(std::get<Paragraph>(body[2])),
              "公司名称_______________项目名称_______________构件编号_______________");
    EXPECT_TRUE(std::get<Paragraph>(body[3]).content.empty());
    EXPECT_EQ(Describe(std::get<Paragraph>(body[4])),
              "设 计 人_______________校 对 人_______________日    期_______________");
    EXPECT_EQ(Describe(std::get<Paragraph>(body[6])),
              "审 核 人_______________审 定 人_______________日    期_______________");
    // The identification lines keep the default format.
    const auto& line = std::get<TextRun>(std::get<Paragraph>(body[2]).content.at(0));
    EXPECT_FALSE(line.format.bold);
    EXPECT_FLOAT_EQ(line.format.size, 10.5f);
    EXPECT_EQ(std::get<Paragraph>(body[2]).alignment, Alignment::kLeft);

    const Document& doc = w.Doc();
    ASSERT_EQ(doc.header.size(), 1u);
    EXPECT_EQ(doc.header[0].rule, ParagraphRule::kBelow);
    EXPECT_EQ(Describe(doc.header[0]), "某设计院  结构计算软件");
    ASSERT_EQ(doc.footer.size(), 2u);
    EXPECT_EQ(doc.footer[0].rule, ParagraphRule::kAbove);
    EXPECT_EQ(Describe(doc.footer[0]), "地址：某路1号  E-mail：a@b.c  \v电话：010-1  传真：010-2  ");
    // Under the rule's paragraph, the page number: centred, without a rule.
    EXPECT_EQ(doc.footer[1].rule, ParagraphRule::kNone);
    EXPECT_EQ(doc.footer[1].alignment, Alignment::kCenter);
    EXPECT_EQ(Describe(doc.footer[1]), "第 [PAGE] 页 共 [NUMPAGES] 页");
    // Page geometry in points.
    EXPECT_DOUBLE_EQ(doc.page.width, 593.5);
    EXPECT_DOUBLE_EQ(doc.page.height, 841.9);
    EXPECT_DOUBLE_EQ(doc.page.marginLeft, 89.85);
    EXPECT_DOUBLE_EQ(doc.page.headerDistance, 42.55);
    EXPECT_DOUBLE_EQ(doc.page.footerDistance, 29.75);
    EXPECT_TRUE(doc.page.lineGrid);

    // Writing goes on in the main text after the block, in the default format.
    w.WriteSectionHeading("一", "设计资料");
    EXPECT_EQ(Describe(std::get<Paragraph>(w.Doc().body[8])), "一<宋体>、设计资料");
}

TEST(ReportLayout, LayoutTableCellsAndLeaving) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteSectionHeading("一", "设计资料");
    w.AddLayoutTable(1, 223.6f, 201.9f);
    w.SetAlignment(0);
    w.WriteText("\t挡土墙类型：扶壁式挡土墙\n\t挡土墙的高度：8.00 m");
    w.NextCell(1);
    Picture pic{PictureFormat::kPng, {1, 2, 3}, 200, 150};
    w.PastePicture(pic);
    w.LeaveTable();
    w.SetAlignment(0);
    w.WriteText("\n3.土层信息:\n");

    const auto& body = w.Doc().body;
    ASSERT_EQ(body.size(), 5u);  // heading, table, the paragraph after it, "3.土层信息:", empty
    const auto& table = std::get<Table>(body[1]);
    EXPECT_EQ(table.style, TableStyle::kBorderless);
    ASSERT_EQ(table.rows.size(), 1u);
    ASSERT_EQ(table.rows[0].cells.size(), 2u);
    const auto& left = table.rows[0].cells[0];
    const auto& right = table.rows[0].cells[1];
    EXPECT_FLOAT_EQ(left.widthPt, 223.6f);
    EXPECT_FLOAT_EQ(right.widthPt, 201.9f);
    EXPECT_EQ(left.verticalAlignment, CellAlignment::kCenter);
    EXPECT_EQ(right.verticalAlignment, CellAlignment::kCenter);
    ASSERT_EQ(left.paragraphs.size(), 2u);
    EXPECT_EQ(left.paragraphs[0].alignment, Alignment::kLeft);
    EXPECT_EQ(Describe(left.paragraphs[1]), "\t挡土墙的高度：8.00 m");
    EXPECT_EQ(right.paragraphs[0].alignment, Alignment::kCenter);
    EXPECT_EQ(Describe(right.paragraphs[0]), "[pic]");
    EXPECT_EQ(Describe(std::get<Paragraph>(body[2])), "");
    EXPECT_EQ(std::get<Paragraph>(body[2]).alignment, Alignment::kLeft);
    EXPECT_EQ(Describe(std::get<Paragraph>(body[3])), "3.土层信息:");
}

TEST(ReportLayout, FormattedTableAfterTextAndGrowingRows) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteText("土层参数表格");  // no line feed: the table comes after this paragraph
    const float widths[] = {40.6f, 62.6f};
    w.AddTable(1, 2, widths, 36);
    w.WriteText("a");
    w.NextCell(1);
    w.WriteText("b");
    w.NextCell(2);  // past the last cell: a new row
    w.WriteText("c");
    const auto& body = w.Doc().body;
    ASSERT_EQ(body.size(), 3u);
    EXPECT_EQ(std::get<Paragraph>(body[0]).alignment, Alignment::kCenter);
    const auto& table = std::get<Table>(body[1]);
    EXPECT_EQ(table.style, TableStyle::kRuled);
    EXPECT_EQ(table.format, 36);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(Describe(table.rows[1].cells[0].paragraphs[0]), "c");
    EXPECT_EQ(table.rows[1].cells[0].paragraphs[0].alignment, Alignment::kRight);
    EXPECT_FLOAT_EQ(table.rows[1].cells[1].widthPt, 62.6f);
    EXPECT_EQ(w.PlainText(), "土层参数表格\na    b\nc    \n");
}

TEST(ReportLayout, BadTableAndPictureRequestsChangeNothing) {
    NullHostServices host;
    ReportWriter w(host);
    const float widths[] = {10};
    w.AddTable(0, 2, widths);
    w.AddTable(2, -1, widths);
    w.AddTable(100000, 100000, widths);
    w.PastePicture(Picture{PictureFormat::kPng, {}, 10, 10});
    w.PastePicture(Picture{PictureFormat::kPng, {1}, 0, 10});
    w.PastePicture(Picture{PictureFormat::kPng, {1}, 10, std::numeric_limits<double>::quiet_NaN()});
    w.SetAlignment(7);
    ASSERT_EQ(w.Doc().body.size(), 1u);
    EXPECT_TRUE(std::get<Paragraph>(w.Doc().body[0]).content.empty());
    EXPECT_EQ(std::get<Paragraph>(w.Doc().body[0]).alignment, Alignment::kLeft);
    // NextCell and LeaveTable outside a table only set the alignment.
    w.NextCell(2);
    w.LeaveTable();
    EXPECT_EQ(w.Doc().body.size(), 1u);
    EXPECT_EQ(std::get<Paragraph>(w.Doc().body[0]).alignment, Alignment::kRight);
}

}  // namespace
}  // namespace wall
