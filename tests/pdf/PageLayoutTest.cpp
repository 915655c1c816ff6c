// Pages of the PDF report: long ruled tables, paragraphs kept with what follows, fractions.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "pdf/PageLayout.h"

namespace wall::pdf {
namespace {

Paragraph Text(const std::string& s, bool keepWithNext = false) {
    Paragraph p;
    p.content.push_back(TextRun{s, {}});
    p.keepWithNext = keepWithNext;
    return p;
}

TableCell Cell(const std::string& s) {
    TableCell c;
    c.widthPt = 100;
    c.paragraphs.push_back(Text(s));
    return c;
}

Table Ruled(int rows) {
    Table t;
    t.style = TableStyle::kRuled;
    t.rows.push_back(TableRow{{Cell("项目"), Cell("数值")}});
    for (int r = 1; r <= rows; ++r) t.rows.push_back(TableRow{{Cell("r" + std::to_string(r)), Cell("1.00")}});
    return t;
}

bool Shows(const PageOps& page, const QString& text) {
    for (const TextOp& t : page.texts)
        if (t.text == text) return true;
    return false;
}

TEST(PageLayout, LongTableRepeatsItsHeadingAndKeepsRowsWhole) {
    Document doc = NewBlankDocument();
    doc.body.emplace(doc.body.begin(), std::in_place_type<Table>, Ruled(120));
    const std::vector<PageOps> pages = LayoutPages(doc);
    ASSERT_GE(pages.size(), 3u);
    int rowsSeen = 0;
    for (const PageOps& page : pages) {
        EXPECT_TRUE(Shows(page, "项目"));
        for (int r = 1; r <= 120; ++r) rowsSeen += Shows(page, QString("r%1").arg(r));
    }
    EXPECT_EQ(rowsSeen, 120);  // each row on exactly one page
    // A row and its values share a baseline.
    for (const TextOp& t : pages[1].texts) {
        if (t.text == "r60") {
            EXPECT_TRUE(std::any_of(pages[1].texts.begin(), pages[1].texts.end(),
                                    [&](const TextOp& v) { return v.text == "1.00" && v.y == t.y; }));
        }
    }
}

TEST(PageLayout, ParagraphsKeptWithNextMoveTogether) {
    // One-grid-line paragraphs on a page of 44 lines (697.9 pt less the grid's lead, 15.6 pt a
    // line): a heading, a label and a formula's first line, the first two kept with what follows.
    // The heading goes over when the whole run does not fit, as the word processors move it.
    struct Row {
        int fill;
        bool keepHeading, keepLabel;
        bool headingOver;
    } rows[] = {
        {42, false, false, false},  // nothing kept
        {43, true, false, true},    // heading and label need two lines, one is left
        {42, true, false, false},   // heading and label fit
        {42, true, true, true},     // heading, label and formula need three lines, two are left
        {41, true, true, false},    // the run fits
    };
    for (const Row& r : rows) {
        Document doc = NewBlankDocument();
        doc.body.clear();
        for (int i = 0; i < r.fill; ++i) doc.body.push_back(Text("第" + std::to_string(i) + "行"));
        doc.body.push_back(Text("标题", r.keepHeading));
        doc.body.push_back(Text("说明", r.keepLabel));
        doc.body.push_back(Text("公式"));
        doc.body.push_back(Text(""));
        const std::vector<PageOps> pages = LayoutPages(doc);
        ASSERT_EQ(pages.size(), 2u) << r.fill;
        EXPECT_EQ(Shows(pages[1], "标题"), r.headingOver) << r.fill << r.keepHeading << r.keepLabel;
    }
}

TEST(PageLayout, FractionStacksNumeratorOverBarOverDenominator) {
    Document doc = NewBlankDocument();
    Field f;
    f.code.push_back(TextRun{"EQ \\F(Ea,2)", {}});
    std::get<Paragraph>(doc.body.back()).content.push_back(f);
    const std::vector<PageOps> pages = LayoutPages(doc);
    ASSERT_EQ(pages.size(), 1u);
    const PageOps& page = pages[0];
    double num = 0, den = 0;
    for (const TextOp& t : page.texts) {
        if (t.text == "Ea") num = t.y;
        if (t.text == "2") den = t.y;
    }
    ASSERT_EQ(page.rules.size(), 1u);
    const RuleOp& bar = page.rules[0];
    EXPECT_LT(num, bar.y1);
    EXPECT_GT(den - 8, bar.y1);  // the denominator's glyphs hang below the bar
    EXPECT_FALSE(Shows(page, "EQ"));
}

}  // namespace
}  // namespace wall::pdf

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
