// The .docx output: XML of symbols, fields, page set-up, header and footer, tables; saving and its failures.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "ReportTestSupport.h"
#include "ScratchDir.h"
#include "report/DocxWriter.h"
#include "report/DocxXml.h"
#include "report/ReportWriter.h"

namespace wall {
namespace {

namespace fs = std::filesystem;

// Positions of the pieces in order; npos when one is missing or out of order.
bool InOrder(const std::string& xml, std::initializer_list<std::string_view> pieces) {
    std::size_t pos = 0;
    for (std::string_view p : pieces) {
        pos = xml.find(p, pos);
        if (pos == std::string::npos) {
            ADD_FAILURE() << "missing or out of order: " << p;
            return false;
        }
        pos += p.size();
    }
    return true;
}

TEST(ReportDocx, SymbolsAsInsertedSymbols) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteText("a×b e>B/6 △");
    const std::string xml = DocumentXml(w.Doc());
    // Character 180 of "Symbol" is stored as F000 + 180 = F0B4; 47 as F02F; 68 as F044.
    EXPECT_NE(xml.find("<w:sym w:font=\"Symbol\" w:char=\"F0B4\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:sym w:font=\"Symbol\" w:char=\"F02F\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:sym w:font=\"Symbol\" w:char=\"F044\"/>"), std::string::npos);
    EXPECT_EQ(w.PlainText(), "a×b e>B/6 Δ\n");
}

TEST(ReportDocx, FieldEquationIsAComplexFieldWithAFractionResult) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteEquation("EQ \\F(WriteSubScript(B,1),2)");
    const std::string xml = DocumentXml(w.Doc(), EquationStyle::kField);
    EXPECT_EQ(xml.find("<m:oMath>"), std::string::npos);
    EXPECT_EQ(xml.find("xmlns:m="), std::string::npos);
    EXPECT_TRUE(InOrder(
        xml,
        {"<w:fldChar w:fldCharType=\"begin\"/>", "<w:instrText xml:space=\"preserve\">EQ \\F(B</w:instrText>",
         "<w:vertAlign w:val=\"subscript\"/></w:rPr><w:instrText xml:space=\"preserve\">1<",
         "<w:instrText xml:space=\"preserve\">,2)</w:instrText>", "<w:fldChar w:fldCharType=\"separate\"/>",
         "<w:t xml:space=\"preserve\">(B</w:t>",
         "<w:vertAlign w:val=\"subscript\"/></w:rPr><w:t xml:space=\"preserve\">1</w:t>",
         "<w:t xml:space=\"preserve\">)/(2)</w:t>", "<w:fldChar w:fldCharType=\"end\"/>"}));
    EXPECT_EQ(w.PlainText(), "(B1)/(2)\n");
}

// The formulas of a document's XML with the run properties left out and each math run as
// <m:r>text</m:r>: the structure in the element names of the Office Math markup.
std::string MathSkeleton(const std::string& xml) {
    std::string out;
    for (std::size_t b = xml.find("<m:oMath>"); b != std::string::npos; b = xml.find("<m:oMath>", b)) {
        const std::size_t e = xml.find("</m:oMath>", b) + 10;
        std::string m = xml.substr(b, e - b);
        m = std::regex_replace(m, std::regex("<m:rPr>.*?</m:rPr>|<w:rPr>.*?</w:rPr>"), "");
        m = std::regex_replace(m, std::regex("<m:t xml:space=\"preserve\">(.*?)</m:t>"), "$1");
        out += m;
        b = e;
    }
    return out;
}

TEST(ReportDocx, EquationsAreOfficeMath) {
    struct Row {
        const char* code;
        const char* math;
    };
    const Row rows[] = {
        {"EQ \\F(WriteSubScript(B,1),2)",
         "<m:oMath><m:f><m:num><m:sSub><m:e><m:r>B</m:r></m:e><m:sub><m:r>1</m:r></m:sub></m:sSub></m:num>"
         "<m:den><m:r>2</m:r></m:den></m:f></m:oMath>"},
        // A script belongs to the one character before it.
        {"EQ \\F(W+WriteSubScript(E,y),B/2)",
         "<m:oMath><m:f><m:num><m:r>W+</m:r><m:sSub><m:e><m:r>E</m:r></m:e><m:sub><m:r>y</m:r></m:sub>"
         "</m:sSub></m:num><m:den><m:r>B/2</m:r></m:den></m:f></m:oMath>"},
        // Superscripts, and a Symbol character as its Unicode character (× is Symbol's 180).
        {"EQ \\F(WriteSupScript(E,2),a×b)",
         "<m:oMath><m:f><m:num><m:sSup><m:e><m:r>E</m:r></m:e><m:sup><m:r>2</m:r></m:sup></m:sSup></m:num>"
         "<m:den><m:r>a×b</m:r></m:den></m:f></m:oMath>"},
        // Nested fractions, text beside a fraction, brackets inside one.
        {"EQ \\F(1,\\F(a,b))",
         "<m:oMath><m:f><m:num><m:r>1</m:r></m:num><m:den><m:f><m:num><m:r>a</m:r></m:num><m:den>"
         "<m:r>b</m:r></m:den></m:f></m:den></m:f></m:oMath>"},
        {"EQ 2+\\F((W+Ey)μ,Ex)",
         "<m:oMath><m:r>2+</m:r><m:f><m:num><m:r>(W+Ey)μ</m:r></m:num><m:den><m:r>Ex</m:r></m:den></m:f>"
         "</m:oMath>"},
    };
    for (const Row& r : rows) {
        NullHostServices host;
        ReportWriter w(host);
        w.WriteEquation(r.code);
        const std::string xml = DocumentXml(w.Doc());
        EXPECT_EQ(MathSkeleton(xml), r.math) << r.code;
        EXPECT_EQ(xml.find("fldChar"), std::string::npos) << r.code;
    }
}

// Letters keep the style they were written in: m:sty "i" for an italic base, "p" for the rest; and
// the run's size (14 pt = 28 half points).
TEST(ReportDocx, OfficeMathStylesAndSize) {
    NullHostServices host;
    ReportWriter w(host);
    w.Font().size = 14;
    w.WriteEquation("EQ \\F(WriteSubScript1(E,y),WriteSubScript(B,1))");
    const std::string xml = DocumentXml(w.Doc());
    EXPECT_NE(xml.find("xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\""),
              std::string::npos);
    EXPECT_TRUE(
        InOrder(xml, {"<m:sty m:val=\"i\"/>", "<w:sz w:val=\"28\"/>", ">E</m:t>", "<m:sty m:val=\"p\"/>",
                      ">y</m:t>", "<m:sty m:val=\"p\"/>", ">B</m:t>", "<m:sty m:val=\"p\"/>", ">1</m:t>"}));
    EXPECT_EQ(w.PlainText(), "(Ey)/(B1)\n");
}

// Word is asked to update fields on opening only when there are EQ fields to update.
TEST(ReportDocx, UpdateFieldsOnlyForFieldEquations) {
    EXPECT_NE(SettingsPartXml(EquationStyle::kField).find("<w:updateFields w:val=\"true\"/>"),
              std::string::npos);
    EXPECT_EQ(SettingsPartXml(EquationStyle::kOfficeMath).find("updateFields"), std::string::npos);
}

// Fractions of the stability narrative, read back as (numerator)/(denominator) by hand.
TEST(ReportDocx, FieldResultsInPlainText) {
    struct Row {
        const char* code;
        const char* text;
    };
    const Row rows[] = {
        {"EQ \\F((W+Ey)μ,Ex)", "((W+Ey)μ)/(Ex)"},
        {"EQ \\F(W+WriteSubScript(E,y),B/2-WriteSubScript(e,0))", "(W+Ey)/(B/2-e0)"},
        {"EQ \\F(6WriteSubScript(e,0),B)", "(6e0)/(B)"},
        {" eq \\f( a , b ) ", "( a )/( b )"},
        {"EQ \\F(a,b)c", "EQ \\F(a,b)c"},  // not a lone fraction: the code is shown
        {"EQ \\R(2)", "EQ \\R(2)"},
    };
    for (const Row& r : rows) {
        NullHostServices host;
        ReportWriter w(host);
        w.WriteEquation(r.code);
        EXPECT_EQ(w.PlainText(), std::string(r.text) + "\n") << r.code;
    }
}

// Page geometry in twentieths of a point: 593.5 pt = 11870, 841.9 = 16838, 72 = 1440,
// 89.85 = 1797, 42.55 = 851, 29.75 = 595.
TEST(ReportDocx, PageSetupHeaderFooterAndTitle) {
    NullHostServices host;
    ReportWriter w(host);
    w.SetTitle("挡土墙计算");
    ReportConfig config;
    config.organisation = "某院";
    config.telephone = "1";
    w.SetConfig(config);
    w.WriteTitleBlock();
    const std::string xml = DocumentXml(w.Doc());
    EXPECT_NE(xml.find("<w:pgSz w:w=\"11870\" w:h=\"16838\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:pgMar w:top=\"1440\" w:right=\"1797\" w:bottom=\"1440\" w:left=\"1797\" "
                       "w:header=\"851\" w:footer=\"595\" w:gutter=\"0\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<w:docGrid w:type=\"lines\""), std::string::npos);
    EXPECT_TRUE(InOrder(xml, {"<w:jc w:val=\"center\"/>", "w:eastAsia=\"楷体_GB2312\"", "<w:b/>",
                              "<w:sz w:val=\"48\"/>", "挡土墙计算"}));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(WriteDocx(w.Doc(), bytes));
    const std::string zip(bytes.begin(), bytes.end());
    EXPECT_NE(zip.find("word/header1.xml"), std::string::npos);
    EXPECT_NE(zip.find("word/footer1.xml"), std::string::npos);
}

TEST(ReportDocx, TableWidthsAndStyles) {
    NullHostServices host;
    ReportWriter w(host);
    w.AddLayoutTable(1, 223.6f, 201.9f);
    w.LeaveTable();
    const float widths[] = {40.6f, 62.6f};
    w.AddTable(1, 2, widths, 36);
    const std::string xml = DocumentXml(w.Doc());
    // 223.6 pt = 4472 twips, 201.9 = 4038, 40.6 = 812, 62.6 = 1252.
    EXPECT_TRUE(
        InOrder(xml, {"<w:tblW w:w=\"8510\"", "<w:jc w:val=\"center\"/>", "<w:top w:val=\"nil\"/>",
                      "<w:gridCol w:w=\"4472\"/><w:gridCol w:w=\"4038\"/>", "<w:vAlign w:val=\"center\"/>"}));
    EXPECT_TRUE(InOrder(xml, {"<w:tblStyle w:val=\"ReportRuledTable\"/>", "<w:tblW w:w=\"2064\"",
                              "<w:gridCol w:w=\"812\"/><w:gridCol w:w=\"1252\"/>"}));
}

// A caption stays with its table, rows never split, and a ruled table's first row is a heading
// that repeats on each page and stays with the row under it.
TEST(ReportDocx, TablesKeepTogether) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteText("土层参数表格");
    const float widths[] = {40.6f, 62.6f};
    w.AddTable(2, 2, widths, 36);
    w.WriteText("序号");
    w.NextCell(1);
    w.WriteText("重度");
    w.NextCell(1);
    w.WriteText("1");
    w.LeaveTable();
    w.WriteText("说明\n");
    w.AddLayoutTable(1, 100, 100);
    const std::string xml = DocumentXml(w.Doc());
    EXPECT_TRUE(
        InOrder(xml, {"<w:keepNext/>", "土层参数表格", "<w:tbl>",
                      "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>", "<w:keepNext/>", "序号",
                      "<w:keepNext/>", "重度", "<w:tr><w:trPr><w:cantSplit/></w:trPr>", ">1<", "</w:tbl>"}));
    // Past the heading only the second table's lead-in keeps with the next; a borderless table has
    // no heading.
    const std::string rest = xml.substr(xml.find("重度"));
    EXPECT_TRUE(InOrder(rest, {"<w:keepNext/>", "说明", "<w:tbl>"}));
    EXPECT_EQ(rest.find("<w:keepNext/>"), rest.rfind("<w:keepNext/>"));
    EXPECT_EQ(rest.find("<w:tblHeader/>"), std::string::npos);
}

// docProps: the title, the organisation as author, the application; listed as the package's parts.
TEST(ReportDocx, DocumentProperties) {
    DocxOptions options;
    options.title = "挡土墙计算";
    options.creator = "示例 & 设计院";
    const std::string core = CorePropertiesXml(options);
    EXPECT_TRUE(
        InOrder(core, {"<dc:title>挡土墙计算</dc:title>", "<dc:creator>示例 &amp; 设计院</dc:creator>"}));
    EXPECT_NE(AppPropertiesXml().find("<Application>wallcalc</Application>"), std::string::npos);
    NullHostServices host;
    ReportWriter w(host);
    EXPECT_NE(ContentTypesXml(w.Doc()).find(
                  "<Override PartName=\"/docProps/core.xml\" "
                  "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"),
              std::string::npos);
    EXPECT_NE(ContentTypesXml(w.Doc()).find(
                  "<Override PartName=\"/docProps/app.xml\" "
                  "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>"),
              std::string::npos);
    EXPECT_TRUE(InOrder(
        PackageRelsXml(),
        {"Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
         "Target=\"docProps/core.xml\"",
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties\" "
         "Target=\"docProps/app.xml\""}));
}

TEST(ReportDocx, SavingNamesAndNumbers) {
    test::ScratchDir dir("report-save");
    NullHostServices host;
    ReportWriter w(host);
    w.SetTitle("挡土墙计算");
    w.WriteText("x\n");
    std::ofstream(dir.path() / "挡土墙计算1.docx") << "someone else's";
    ReportSaveResult a = w.Save(ReportTarget{dir.path(), {}});
    ASSERT_TRUE(a.ok) << a.message;
    EXPECT_EQ(a.path.filename(), "挡土墙计算2.docx");
    ReportSaveResult b = w.Save(ReportTarget{dir.path(), {}});
    EXPECT_EQ(b.path.filename(), "挡土墙计算3.docx");
    EXPECT_EQ(fs::file_size(dir.path() / "挡土墙计算1.docx"), 14u);  // never replaced
    ReportSaveResult c = w.Save(ReportTarget{{}, dir.path() / "named.docx"});
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.path, dir.path() / "named.docx");
    // No temporary files are left.
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) {
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
        ++files;
    }
    EXPECT_EQ(files, 4);
}

TEST(ReportDocx, SavingFailuresNameThePathAndReason) {
    test::ScratchDir dir("report-fail");
    NullHostServices host;
    ReportWriter w(host);
    w.SetTitle("挡土墙计算");
    struct Row {
        ReportTarget target;
        const char* reason;
    };
    std::ofstream(dir.path() / "plainfile") << "x";
    std::vector<Row> rows = {
        {ReportTarget{dir.path() / "missing", {}}, "文件夹不存在"},
        {ReportTarget{{}, dir.path() / "missing" / "r.docx"}, "文件夹不存在"},
        {ReportTarget{dir.path() / "plainfile", {}}, "路径中有不是文件夹的部分"},
    };
    const bool root = ::geteuid() == 0;
    if (!root) {
        fs::create_directories(dir.path() / "locked");
        fs::permissions(dir.path() / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        rows.push_back({ReportTarget{dir.path() / "locked", {}}, "没有写入权限"});
    }
    for (const Row& r : rows) {
        ReportSaveResult res = w.Save(r.target);
        EXPECT_FALSE(res.ok);
        EXPECT_NE(res.message.find("无法保存计算书 "), std::string::npos) << res.message;
        EXPECT_NE(res.message.find(r.reason), std::string::npos) << res.message;
        const fs::path named = r.target.file.empty() ? r.target.folder : r.target.file.parent_path();
        EXPECT_NE(res.message.find(named.string()), std::string::npos) << res.message;
    }
    if (!root) {
        EXPECT_TRUE(fs::is_empty(dir.path() / "locked"));
    }
}

}  // namespace
}  // namespace wall
