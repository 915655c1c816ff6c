// The host echo of the first section: banner, stripped text, table separators, result message.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "ReportTestSupport.h"
#include "ScratchDir.h"
#include "report/ReportWriter.h"

namespace wall {
namespace {

using test::RecordingHost;

// The banner worked out by hand: "挡土墙计算" is 10 GBK bytes, (67 - 10) / 2 = 28 spaces.
TEST(ReportEcho, BannerOfFirstSection) {
    struct Row {
        const char* title;
        std::size_t spaces;
        const char* shown;
    };
    const Row rows[] = {
        {"挡土墙计算", 28, "挡土墙计算"},
        {"挡土墙计算书", 30, "挡土墙"},  // "计算书" removed: 6 bytes, (67 - 6) / 2 = 30
        {"Wall", 31, "Wall"},            // (67 - 4) / 2 = 31, truncated
        {"", 33, ""},
    };
    for (const Row& r : rows) {
        RecordingHost host;
        ReportWriter w(host);
        w.SetTitle(r.title);
        EXPECT_EQ(w.EchoMode(), 1);
        w.WriteSectionHeading("一", "设计资料");
        EXPECT_EQ(w.EchoMode(), 2);
        const std::string stars(67, '*');
        std::vector<std::string> expected = {stars, "\n"};
        for (std::size_t i = 0; i < r.spaces; ++i) expected.push_back(" ");
        expected.insert(expected.end(), {r.shown, "\n", stars, "\n", "\r\n"});
        EXPECT_EQ(host.texts, expected) << r.title;
    }
}

TEST(ReportEcho, LongTitleGetsNoSpaces) {
    RecordingHost host;
    ReportWriter w(host);
    w.SetTitle(std::string(40, 'x') + "挡土墙挡土墙挡土墙挡土墙挡土墙");  // 70 bytes
    w.WriteSectionHeading("一", "设计资料");
    EXPECT_EQ(host.texts.size(), 7u);  // stars, \n, title, \n, stars, \n, \r\n
}

TEST(ReportEcho, FirstSectionOnlyAndStripped) {
    RecordingHost host;
    ReportWriter w(host);
    w.SetTitle("挡土墙计算");
    w.WriteText("标题前不回显\n");
    EXPECT_TRUE(host.texts.empty());
    w.WriteSectionHeading("一", "设计资料");
    host.texts.clear();
    w.WriteText("\tWriteSubScript(E,1y)=12.3");
    w.WriteEquation("EQ \\F(B,2)");  // equations are never echoed
    w.WriteText("\t墙背面与挡土之间的摩擦角：δ=10 °\n");
    EXPECT_EQ(host.texts, (std::vector<std::string>{"\tE1y=12.3", "\t墙背面与挡土之间的摩擦角：δ=10 °\n"}));
    host.texts.clear();
    w.WriteSectionHeading("二", "计算结果");
    EXPECT_EQ(w.EchoMode(), 1);
    w.WriteText("\t3、抗倾覆稳定验算\n");
    w.AddTable(1, 2, std::vector<float>{10, 10});
    w.NextCell(1);
    w.LeaveTable();
    EXPECT_TRUE(host.texts.empty());
    // A heading with another number leaves the mode as it is.
    w.SetEchoMode(2);
    w.WriteSectionHeading("三", "其他");
    EXPECT_EQ(w.EchoMode(), 2);
}

// The soil-layer table of the design data: four spaces between cells, "\r\n" after a row's last
// cell, "\r\n\r\n" when the table is left.
TEST(ReportEcho, TableSeparators) {
    RecordingHost host;
    ReportWriter w(host);
    w.WriteSectionHeading("一", "设计资料");
    host.texts.clear();
    const float widths[] = {40.6f, 62.6f, 62.6f, 62.6f};
    w.AddTable(2, 4, widths, 36);
    const char* cells[] = {"土层序号", "重度(kN/m3)", " 粘聚力 (kPa)", "内摩擦角(度)",
                           "1",        "18.00",       "10.00",         "30.00"};
    for (int i = 0; i < 8; ++i) {
        w.WriteText(cells[i]);
        if (i != 7) w.NextCell(1);
    }
    w.LeaveTable();
    std::vector<std::string> expected = {
        "土层序号", "    ", "重度(kN/m3)", "    ", " 粘聚力 (kPa)", "    ", "内摩擦角(度)", "\r\n",
        "1",        "    ", "18.00",       "    ", "10.00",         "    ", "30.00",        "\r\n\r\n"};
    EXPECT_EQ(host.texts, expected);
}

TEST(ReportEcho, ResultMessageNamesTheSavedFile) {
    test::ScratchDir scratch("echo");
    const std::filesystem::path& dir = scratch.path();
    RecordingHost host;
    ReportWriter w(host);
    w.SetTitle("挡土墙计算");
    w.WriteResultMessage();
    EXPECT_TRUE(host.texts.empty());  // held back until the file exists
    ReportSaveResult r = w.Save(ReportTarget{dir, {}});
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.path, dir / "挡土墙计算1.docx");
    EXPECT_EQ(w.Caption(), "挡土墙计算1");
    ASSERT_EQ(host.texts.size(), 1u);
    EXPECT_EQ(host.texts[0], "\n生成详细结果文档：【" + (dir / "挡土墙计算1.docx").string() + "】");

    // A report that cannot be saved never claims a document.
    RecordingHost host2;
    ReportWriter w2(host2);
    w2.SetTitle("挡土墙计算");
    w2.WriteResultMessage();
    EXPECT_FALSE(w2.Save(ReportTarget{dir / "missing", {}}).ok);
    EXPECT_TRUE(host2.texts.empty());
}

}  // namespace
}  // namespace wall
