// Normalisation, parsing, number reading and echo stripping of the formula markup.
#include <gtest/gtest.h>

#include "report/Markup.h"

namespace wall {
namespace {

// Expected texts follow the ten replacements of the markup, applied in order by hand.
TEST(ReportMarkup, NormalisationReplacesInOrder) {
    struct Row {
        const char* in;
        const char* out;
    };
    const Row rows[] = {
        {"e>B/6", "e>BWriteZelqSymbBOOLl(47)6"},
        {"a*b", "aWriteZelqSymbBOOLl(180)b"},
        {"a×b", "aWriteZelqSymbBOOLl(180)b"},
        {"+-5", "±5"},
        {"x>=1", "x≥1"},
        {"x<=1", "x≤1"},
        {"△h", "WriteZelqSymbBOOLl(68)h"},
        // ">=" goes before "*" and "/", so the result is a "≥" followed by the symbol keyword.
        {">=*", "≥WriteZelqSymbBOOLl(180)"},
        // The symbol keyword that "/" produces is not rewritten again by step 8.
        {"a/b*c", "aWriteZelqSymbBOOLl(47)bWriteZelqSymbBOOLl(180)c"},
        {"WriteSymbBOOLl(115)", "WriteZelqSymbBOOLl(115)"},
        {"WriteSubScript1(M,x)", "WriteZelqSubScript1(M,x)"},
        {"WriteSupScript(m,2)", "WriteZelqSupScript(m,2)"},
        {"无关键字的文字", "无关键字的文字"},
        {"", ""},
    };
    for (const Row& r : rows) {
        std::string text = r.in;
        NormaliseMarkup(text);
        EXPECT_EQ(text, r.out) << "input: " << r.in;
    }
}

// Hand-parsed token lists of the argument syntax.
TEST(ReportMarkup, ParsesKeywordsAndArguments) {
    auto tokens = ParseMarkup("x=WriteZelqSubScript(σ,max)+WriteZelqSymbBOOLl(12289,宋体,1)y");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[0].text, "x=");
    EXPECT_EQ(tokens[1].kind, MarkupKind::kSubScript);
    EXPECT_EQ(tokens[1].base, "σ");
    EXPECT_EQ(tokens[1].script, "max");
    EXPECT_EQ(tokens[2].text, "+");
    EXPECT_EQ(tokens[3].kind, MarkupKind::kSymbol);
    EXPECT_EQ(tokens[3].symbolArgs, (std::vector<std::string>{"12289", "宋体", "1"}));
    EXPECT_EQ(tokens[4].text, "y");

    // The "1" keywords are recognised before their shorter forms.
    tokens = ParseMarkup("WriteZelqSupScript1(E,2)");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].kind, MarkupKind::kSupScript1);

    // Without a comma the whole list is the base.
    tokens = ParseMarkup("WriteZelqSubScript(B)");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].base, "B");
    EXPECT_EQ(tokens[0].script, "");

    // Only the first comma splits: the script keeps the rest.
    tokens = ParseMarkup("WriteZelqSubScript(a,b,c)");
    EXPECT_EQ(tokens[0].script, "b,c");

    // A nested symbol leads the list; the base after it is empty.
    tokens = ParseMarkup("WriteZelqSubScript1(WriteZelqSymbBOOLl(115),max)=");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_TRUE(tokens[0].hasNestedSymbol);
    EXPECT_EQ(tokens[0].nestedSymbol, "115");
    EXPECT_EQ(tokens[0].base, "");
    EXPECT_EQ(tokens[0].script, "max");
    EXPECT_EQ(tokens[1].text, "=");
}

TEST(ReportMarkup, UnknownOrUnfinishedKeywordsStayText) {
    auto tokens = ParseMarkup("aWriteZelqFoo(1)");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].text, "aWriteZelqFoo(1)");
    tokens = ParseMarkup("WriteZelqSubScript");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].text, "WriteZelqSubScript");
    // A missing ")" ends the list at the end of the text.
    tokens = ParseMarkup("WriteZelqSubScript(a,b");
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].base, "a");
    EXPECT_EQ(tokens[0].script, "b");
}

// Values as the C library's atoi gives them.
TEST(ReportMarkup, NumbersReadLikeTheCLibrary) {
    struct Row {
        const char* in;
        int value;
    };
    const Row rows[] = {{"115", 115},
                        {" 47", 47},
                        {"1y", 1},
                        {"max", 0},
                        {"", 0},
                        {"-101", -101},
                        {"+12", 12},
                        {"σ", 0},
                        {"12.5", 12},
                        {"99999999999", 2147483647},
                        {"-99999999999", -2147483647 - 1}};
    for (const Row& r : rows) EXPECT_EQ(MarkupNumber(r.in), r.value) << r.in;
}

// Echo texts as the host shows them: 'WriteSubScript(σ,max)=' echoes as 'σmax='.
TEST(ReportMarkup, StripMarkupForTheEcho) {
    struct Row {
        const char* in;
        const char* out;
    };
    const Row rows[] = {
        {"WriteSubScript(σ,max)=", "σmax="},
        {"\tWriteSubScript(E,1y)=12.3", "\tE1y=12.3"},
        {"WriteSupScript1(E,2)+WriteSubScript1(M,x)", "E2+Mx"},
        {"WriteSymbBOOLl(115) a×b/c*d", "WriteSymbBOOLl(115) a×b/c*d"},
        {"WriteSubScript(a,b)WriteSubScript(c,d)", "abcd"},
        // Commas and brackets after the argument list are the caller's own text.
        {"WriteSubScript(B)=1, (x)", "B=1, (x)"},
        {"WriteSubScript1(WriteSymbBOOLl(115),max)=", "WriteSymbBOOLl(115)max="},
        {"无标记", "无标记"},
    };
    for (const Row& r : rows) EXPECT_EQ(StripMarkup(r.in), r.out) << r.in;
}

}  // namespace
}  // namespace wall
