// A report using every writer operation, opened with python-docx and converted to PDF by LibreOffice.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

#include "ReportTestSupport.h"
#include "report/ReportWriter.h"

namespace wall {
namespace {

namespace fs = std::filesystem;

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A small enhanced metafile: a 200 x 150 pixel frame with one diagonal, drawn with the default pen.
Picture SampleEmf() {
    std::vector<uint8_t> b;
    const std::array<std::array<int, 2>, 6> points{
        {{10, 10}, {190, 10}, {190, 140}, {10, 140}, {10, 10}, {190, 140}}};
    const uint32_t records = 1 + 1 + 5 + 1;
    const uint32_t total = 88 + 16 * 6 + 20;
    Put32(b, 1);  // EMR_HEADER
    Put32(b, 88);
    for (uint32_t v : {0u, 0u, 199u, 149u}) Put32(b, v);    // bounds, pixels
    for (uint32_t v : {0u, 0u, 5292u, 3969u}) Put32(b, v);  // frame, 0.01 mm at 96 dpi
    Put32(b, 0x464D4520);                                   // " EMF"
    Put32(b, 0x10000);
    Put32(b, total);
    Put32(b, records);
    Put32(b, 1);  // handles 1, reserved 0
    Put32(b, 0);  // description
    Put32(b, 0);
    Put32(b, 0);                                               // palette entries
    for (uint32_t v : {1024u, 768u, 271u, 203u}) Put32(b, v);  // device pixels and millimetres
    Put32(b, 27);                                              // EMR_MOVETOEX
    Put32(b, 16);
    Put32(b, static_cast<uint32_t>(points[0][0]));
    Put32(b, static_cast<uint32_t>(points[0][1]));
    for (std::size_t i = 1; i < points.size(); ++i) {
        Put32(b, 54);  // EMR_LINETO
        Put32(b, 16);
        Put32(b, static_cast<uint32_t>(points[i][0]));
        Put32(b, static_cast<uint32_t>(points[i][1]));
    }
    Put32(b, 14);  // EMR_EOF
    Put32(b, 20);
    Put32(b, 0);
    Put32(b, 16);
    Put32(b, 20);
    return Picture{PictureFormat::kEmf, b, 150, 112.5};
}

// A 1 x 1 red PNG.
Picture SamplePng() {
    const uint8_t png[] = {0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d,
                           0x49, 0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01,
                           0x08, 0x06, 0x00, 0x00, 0x00, 0x1f, 0x15, 0xc4, 0x89, 0x00, 0x00, 0x00,
                           0x0d, 0x49, 0x44, 0x41, 0x54, 0x78, 0xda, 0x63, 0xfc, 0xcf, 0xc0, 0x50,
                           0x0f, 0x00, 0x04, 0x85, 0x01, 0x80, 0x84, 0xa9, 0x8c, 0x21, 0x00, 0x00,
                           0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    return Picture{PictureFormat::kPng, std::vector<uint8_t>(std::begin(png), std::end(png)), 20, 20};
}

void WriteSample(ReportWriter& w) {
    w.SetTitle("挡土墙计算");
    ReportConfig config;
    config.organisation = "示例设计院";
    config.productFamily = "结构计算系列软件";
    config.address = "示例路1号";
    config.email = "info@example.com";
    config.telephone = "010-00000000";
    config.fax = "010-00000001";
    w.SetConfig(config);
    w.WriteTitleBlock();
    w.WriteSectionHeading("一", "设计资料");
    w.AddLayoutTable(1, 223.6f, 201.9f);
    w.SetAlignment(0);
    w.WriteText("1、挡土墙参数\n");
    w.WriteText("\t挡土墙类型：扶壁式挡土墙\n");
    w.WriteText("\t挡土墙的高度：8.00 m\n");
    w.WriteText("\t墙背面与挡土之间的摩擦角：δ=10 °\n");
    w.WriteText("\t墙底与基土的摩擦系数：μ=0.60\n");
    w.WriteText("\t面荷载值：BP=10.00 kPa");
    w.NextCell(1);
    w.PastePicture(SampleEmf());
    w.LeaveTable();
    w.SetAlignment(0);
    w.WriteText("\n4.土层信息:\n");
    w.SetAlignment(1);
    w.WriteText("土层参数表格\n");
    const float widths[] = {40.6f, 62.6f, 62.6f, 62.6f};
    w.AddTable(2, 4, widths, 36);
    w.SetAlignment(0);
    const char* cells[] = {"土层序号", "重度(kN/m3)", " 粘聚力 (kPa)", "内摩擦角(度)",
                           "1",        "18.00",       "10.00",         "30.00"};
    for (int i = 0; i < 8; ++i) {
        w.WriteText(cells[i]);
        if (i != 7) w.NextCell(1);
    }
    w.LeaveTable();
    w.SetAlignment(0);
    w.WriteSectionHeading("二", "计算结果");
    w.WriteText("3、抗倾覆稳定验算\n");
    w.WriteText("\t挡土墙抗倾覆稳定安全系数：\n\t\tWriteSubScript(K,q)=");
    w.WriteEquation(
        "EQ "
        "\\F(WWriteSubScript(Z,w)+WriteSubScript(E,y)WriteSubScript(Z,x),WriteSubScript(E,x)WriteSubScript(Z,"
        "y))");
    w.WriteText("=1.83 ");
    w.WriteText("≥1.6   抗倾覆稳定验算满足！\n");
    w.WriteText("\t基底合力的偏心距：\n\t\tWriteSubScript(e,0)=");
    w.WriteEquation("EQ \\F(B,2)");
    w.WriteText("-");
    w.WriteEquation("EQ \\F(W+WriteSubScript(E,y),B/2-WriteSubScript(e,0))");
    w.WriteText("=0.25 m\n");
    w.WriteText("\t∵WriteSubScript(e,0)<B/6  a*b  a×b  △h  +-5  x>=1\n");
    w.WriteText("\tWriteSubScript1(WriteSymbBOOLl(115),max)=123.45 kPa  WriteSupScript1(E,2)\n");
    w.WriteText("\t当钢筋配筋面积");
    w.WriteSubScript("A", "s");
    w.WriteText("=1234.56");
    w.WriteSupScript("mm", "2");
    w.WriteText("时，最大裂缝宽度\n");
    w.SetAlignment(1);
    w.PastePicture(SamplePng());
    w.WriteText("\n");
    w.SetAlignment(0);
    w.WriteResultMessage();
}

int RunShell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Capture(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    if (!pipe) return out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, pipe.get())) out += buf;
    return out;
}

// Keeps the output in $WALL_REPORT_SAMPLE_DIR when set, for looking at the pages.
fs::path OutputDir() {
    if (const char* keep = std::getenv("WALL_REPORT_SAMPLE_DIR")) return keep;
    return fs::temp_directory_path() / ("wall_report_sample_" + std::to_string(::getpid()));
}

TEST(ReportSample, OpensInPythonDocxAndLibreOffice) {
    test::RecordingHost host;
    ReportWriter w(host);
    WriteSample(w);
    const fs::path dir = OutputDir();
    fs::create_directories(dir);
    ReportSaveResult saved = w.Save(ReportTarget{{}, dir / "sample.docx"});
    ASSERT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(host.texts.back(), "\n生成详细结果文档：【" + (dir / "sample.docx").string() + "】");

    if (fs::exists("/usr/bin/python3") && RunShell("/usr/bin/python3 -c 'import docx' 2>/dev/null") == 0) {
        const std::string out = Capture("/usr/bin/python3 " WALL_REPORT_TEST_SCRIPTS "/check_docx.py '" +
                                        (dir / "sample.docx").string() + "'");
        EXPECT_NE(out.find("page 593.5 841.9"), std::string::npos) << out;
        EXPECT_NE(out.find("margins 72.0 72.0 89.85 89.85"), std::string::npos) << out;
        EXPECT_NE(out.find("distances 42.55 29.75"), std::string::npos) << out;
        EXPECT_NE(out.find("header 示例设计院  结构计算系列软件"), std::string::npos) << out;
        EXPECT_NE(out.find("tables 2"), std::string::npos) << out;
        EXPECT_NE(out.find("title 挡土墙计算 24.0 True"), std::string::npos) << out;
        EXPECT_NE(out.find("pictures 2"), std::string::npos) << out;
        EXPECT_NE(out.find("core 挡土墙计算 示例设计院"), std::string::npos) << out;
    }
    if (!fs::exists("/usr/bin/soffice")) {
        GTEST_SKIP() << "LibreOffice is not installed";
    }
    const fs::path profile = fs::temp_directory_path() / ("wall_lo_profile_" + std::to_string(::getpid()));
    const std::string cmd = "cd '" + dir.string() +
                            "' && timeout 180 /usr/bin/soffice -env:UserInstallation=file://" +
                            profile.string() + " --headless --convert-to pdf sample.docx >/dev/null 2>&1";
    EXPECT_EQ(RunShell(cmd), 0);
    EXPECT_TRUE(fs::exists(dir / "sample.pdf"));
    EXPECT_GT(fs::file_size(dir / "sample.pdf"), 1000u);
    if (fs::exists("/usr/bin/pdfinfo")) {
        // LibreOffice carries the document properties into the PDF.
        const std::string info = Capture("/usr/bin/pdfinfo '" + (dir / "sample.pdf").string() + "'");
        EXPECT_NE(info.find("挡土墙计算"), std::string::npos) << info;
        EXPECT_NE(info.find("示例设计院"), std::string::npos) << info;
    }
    std::error_code ec;
    fs::remove_all(profile, ec);
    if (!std::getenv("WALL_REPORT_SAMPLE_DIR")) fs::remove_all(dir, ec);
}

}  // namespace
}  // namespace wall
