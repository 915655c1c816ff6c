// The writer's rendering of markup, equations, headings and format state, checked on the document model.
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "report/ReportWriter.h"

namespace wall {
namespace {

using test::Describe;
using test::LastWrittenParagraph;

std::string WrittenText(std::string_view text) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteText(text);
    return Describe(std::get<Paragraph>(w.Doc().body.back()));
}

std::string WrittenEquation(std::string_view code) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteEquation(code);
    const auto& p = std::get<Paragraph>(w.Doc().body.back());
    if (p.content.size() != 1 || !std::holds_alternative<Field>(p.content[0])) return "not one field";
    return Describe(std::get<Field>(p.content[0]).code);
}

// Expected renderings worked out by hand from the markup rules: symbol numbers become F000 + n in
// "Symbol"; the bands are base > 13 / script >= 13 for running-text subscripts and base > 10 /
// script >= 10 for running-text superscripts and for every keyword in equations.
TEST(ReportWriterMarkup, RunningTextRendering) {
    struct Row {
        const char* in;
        const char* out;
    };
    const Row rows[] = {
        {"e>B/6", "e>B{Symbol:F02F}6"},
        {"a*b", "a{Symbol:F0B4}b"},
        {"a×b", "a{Symbol:F0B4}b"},
        {"△h", "{Symbol:F044}h"},
        {"+-5", "±5"},
        {"x>=1<=2", "x≥1≤2"},
        {"WriteSubScript(M,端)", "M_{端}"},
        {"WriteSubScript(σ,max)=", "σ_{max}="},
        {"WriteSubScript(B)", "B"},  // empty subscript: nothing typed for it
        {"WriteSubScript(h,2)", "h_{2}"},
        {"WriteSubScript(E,1y)", "E_{1y}"},
        {"WriteSubScript(115,max)", "{Symbol:F073}_{max}"},
        {"WriteSubScript(10,x)", "10_{x}"},
        {"WriteSubScript(13,x)", "13_{x}"},             // base band edge: 13 is text
        {"WriteSubScript(14,x)", "{Symbol:F00E}_{x}"},  // 14 is a character
        {"WriteSubScript(x,12)", "x_{12}"},             // script 12 is text in running text
        {"WriteSubScript(x,13)", "x_{{Symbol:F00D}}"},  // script band edge: 13 is a character
        {"WriteSupScript(10,2)", "10^{2}"},             // superscript base band edge: 10 is text
        {"WriteSupScript(11,2)", "{Symbol:F00B}^{2}"},
        {"WriteSupScript(x,9)", "x^{9}"},
        {"WriteSupScript(x,10)", "x^{{Symbol:F00A}}"},
        {"WriteSubScript(-100,a)", "-100_{a}"},
        {"WriteSubScript1(M,x)", "/M/_{x}"},
        {"WriteSupScript1(E,2)", "/E/^{2}"},
        {"WriteSubScript1(WriteSymbBOOLl(115),max)", "/{Symbol:F073}/_{max}"},
        {"WriteSubScript(WriteSymbBOOLl(115),max)", "{Symbol:F073}_{max}"},
        {"WriteSymbBOOLl(183)", "{Symbol:F0B7}"},
        {"WriteSymbBOOLl(12289,宋体)", "<宋体>、"},
        {"WriteSymbBOOLl(12289,宋体,1)", "<宋体>、"},
        {"一WriteSymbBOOLl(41378,宋体,0)", "一<宋体>、"},  // 0xA1A2 is "、" in GBK
        {"无关键字", "无关键字"},
    };
    for (const Row& r : rows) EXPECT_EQ(WrittenText(r.in), r.out) << "input: " << r.in;
}

TEST(ReportWriterMarkup, ScriptMinusHundredIsACharacter) {
    // Script band: value <= -100 is a character number; -100 is 0xFF9C as the word processor's
    // signed 16-bit form, not a symbol-font position, so it is set as that character.
    NullHostServices host;
    ReportWriter w(host);
    w.WriteText("WriteSupScript(m,-100)");
    const auto& p = std::get<Paragraph>(w.Doc().body.back());
    ASSERT_EQ(p.content.size(), 2u);
    const auto& script = std::get<TextRun>(p.content[1]);
    EXPECT_EQ(script.format.font, "Symbol");
    EXPECT_EQ(script.text, "\uFF9C");
    EXPECT_EQ(script.format.position, VerticalPosition::kSuperscript);
}

TEST(ReportWriterMarkup, EquationCodeRuns) {
    struct Row {
        const char* in;
        const char* out;
    };
    const Row rows[] = {
        {"EQ \\F(WriteSubScript(B,1),2)", "EQ \\F(B_{1},2)"},
        {"EQ \\F(B,2)", "EQ \\F(B,2)"},
        {"EQ \\F(B/2-WriteSubScript(e,0),W)", "EQ \\F(B{Symbol:F02F}2-e_{0},W)"},
        {"EQ "
         "\\F(WWriteSubScript(Z,w)+WriteSubScript(E,y)WriteSubScript(Z,x),WriteSubScript(E,x)WriteSubScript("
         "Z,y))",
         "EQ \\F(WZ_{w}+E_{y}Z_{x},E_{x}Z_{y})"},
        {"EQ \\F(WriteSubScript(x,12),2)", "EQ \\F(x_{{Symbol:F00C}},2)"},  // 12 is a character here
        {"EQ \\F(WriteSubScript(x,9),2)", "EQ \\F(x_{9},2)"},
        {"EQ \\F(WriteSubScript(11,a),2)", "EQ \\F({Symbol:F00B}_{a},2)"},
        {"EQ \\F(WriteSubScript(10,a),2)", "EQ \\F(10_{a},2)"},
        {"EQ \\F(a*b,2)", "EQ \\F(a{Symbol:F0B4}b,2)"},
        // In an equation a symbol keyword always uses "Symbol", whatever font it names.
        {"EQ \\F(WriteSymbBOOLl(115,宋体,0),2)", "EQ \\F({Symbol:F073},2)"},
    };
    for (const Row& r : rows) EXPECT_EQ(WrittenEquation(r.in), r.out) << "input: " << r.in;
}

TEST(ReportWriterFormat, ResetOnlyAfterKeywords) {
    NullHostServices host;
    ReportWriter w(host);
    w.Font().size = 14;
    w.Font().bold = true;
    w.Font().italic = true;
    w.WriteText("abc");
    // No keyword: typed in the format in force (italic switched off first), nothing reset.
    const auto& plain = std::get<TextRun>(std::get<Paragraph>(w.Doc().body.back()).content[0]);
    EXPECT_FLOAT_EQ(plain.format.size, 14);
    EXPECT_TRUE(plain.format.bold);
    EXPECT_FALSE(plain.format.italic);
    EXPECT_FLOAT_EQ(w.Font().size, 14);
    EXPECT_TRUE(w.Font().bold);

    w.Font().color = 0xFF0000;
    w.Font().underline = true;
    w.WriteText("WriteSubScript(a,b)");
    EXPECT_FLOAT_EQ(w.Font().size, 10.5f);
    EXPECT_FALSE(w.Font().bold);
    EXPECT_FALSE(w.Font().underline);
    EXPECT_FALSE(w.Font().color.has_value());
    EXPECT_EQ(w.Font().position, VerticalPosition::kBaseline);
    // The scripted runs kept the size in force while they were typed.
    const auto& p = std::get<Paragraph>(w.Doc().body.back());
    EXPECT_FLOAT_EQ(std::get<TextRun>(p.content.back()).format.size, 14);

    w.Font().size = 12;
    w.WriteEquation("EQ \\F(a,b)");
    EXPECT_FLOAT_EQ(w.Font().size, 12);  // no keyword in the code: no reset
    w.WriteEquation("EQ \\F(WriteSubScript(a,1),b)");
    EXPECT_FLOAT_EQ(w.Font().size, 10.5f);
}

TEST(ReportWriterText, LineFeedsEndParagraphsAndTextFollowsFields) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteText("\t挡土墙总重：W=");
    w.WriteEquation("EQ \\F(B,2)");
    w.WriteText("=1.00 m\n第二行\r\n");
    const auto& body = w.Doc().body;
    ASSERT_EQ(body.size(), 3u);
    EXPECT_EQ(Describe(std::get<Paragraph>(body[0])), "\t挡土墙总重：W=[EQ \\F(B,2)]=1.00 m");
    EXPECT_EQ(Describe(std::get<Paragraph>(body[1])), "第二行");
    EXPECT_TRUE(std::get<Paragraph>(body[2]).content.empty());
    EXPECT_EQ(w.PlainText(), "\t挡土墙总重：W=(B)/(2)=1.00 m\n第二行\n");
}

TEST(ReportWriterText, InvalidUtf8IsReplaced) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteText(std::string("a\xff\xfe b\x01", 6));
    EXPECT_EQ(Describe(std::get<Paragraph>(w.Doc().body.back())), "a\uFFFD\uFFFD b");
}

TEST(ReportWriterHeading, NumberCommaTitleIn14Points) {
    NullHostServices host;
    ReportWriter w(host);
    w.Font().size = 12;
    w.WriteSectionHeading("一", "设计资料");
    const Paragraph& heading = LastWrittenParagraph(w.Doc());
    EXPECT_EQ(Describe(heading), "一<宋体>、设计资料");
    for (const Inline& item : heading.content) EXPECT_FLOAT_EQ(std::get<TextRun>(item).format.size, 14);
    EXPECT_FLOAT_EQ(w.Font().size, 12);  // restored
    EXPECT_EQ(w.PlainText(), "一、设计资料\n");

    ReportWriter w2(host);
    w2.WriteSectionHeading("", "计算结果");
    EXPECT_EQ(Describe(LastWrittenParagraph(w2.Doc())), "计算结果");
}

TEST(ReportWriterScripted, SixteenMembersCalledDirectly) {
    NullHostServices host;
    ReportWriter w(host);
    w.WriteSubScript("A", "s");
    w.WriteSupScript("mm", "2");
    w.WriteScripted(Script::kSub, BaseStyle::kItalic, 115, "max");
    w.WriteScripted(Script::kSuper, BaseStyle::kUpright, "x", 180);
    w.WriteScripted(Script::kSub, BaseStyle::kItalic, 68, 47);
    EXPECT_EQ(Describe(std::get<Paragraph>(w.Doc().body.back())),
              "A_{s}mm^{2}/{Symbol:F073}/_{max}x^{{Symbol:F0B4}}/{Symbol:F044}/_{{Symbol:F02F}}");
}

}  // namespace
}  // namespace wall
