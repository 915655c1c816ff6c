// Stacking lines and rows on pages of the document's geometry.
#include "pdf/PageLayout.h"

#include <algorithm>
#include <cmath>

namespace wall::pdf {
namespace {

constexpr double kCellMargin = 5.4;  // left and right cell margins
constexpr double kRowRules = 1.7;    // room for the rules between rows
constexpr double kRuleGap = 1;       // a paragraph rule's distance from the text
constexpr double kBorder = 0.5;      // border line width
constexpr double kDoubleGap = 1.0;   // between the two lines of a double border
// The word processors set the first line of a gridded page a little below the top margin, so a
// page holds a little less than its text height.
constexpr double kGridLead = 8;

struct LaidParagraph {
    const Paragraph* paragraph = nullptr;
    std::vector<Line> lines;
    std::vector<double> heights;
    double Height() const {
        double h = 0;
        for (double x : heights) h += x;
        return h;
    }
};

LaidParagraph Lay(const Paragraph& p, double width, bool grid, const PageNumbers& numbers = {}) {
    LaidParagraph out;
    out.paragraph = &p;
    out.lines = BreakLines(Pieces(p, numbers), width, MarkSize(p));
    for (const Line& l : out.lines) out.heights.push_back(LineHeight(l, grid));
    return out;
}

// Places the paragraph's lines from `top`; returns the bottom.
double Place(PageOps& page, const LaidParagraph& p, double left, double top, double width) {
    for (std::size_t k = 0; k < p.lines.size(); ++k) {
        PlaceLine(page, p.lines[k], left, top, width, p.heights[k], p.paragraph->alignment);
        top += p.heights[k];
    }
    return top;
}

struct LaidRow {
    std::vector<std::vector<LaidParagraph>> cells;
    std::vector<double> contentHeights;
    double height = 0;
};

struct LaidTable {
    const Table* table = nullptr;
    std::vector<double> columns;  // widths
    double left = 0, width = 0;
    std::vector<LaidRow> rows;
    bool heading = false;
};

LaidTable LayTable(const Table& t, double areaLeft, double areaWidth, bool grid) {
    LaidTable out;
    out.table = &t;
    if (t.rows.empty()) return out;
    for (const TableCell& c : t.rows.front().cells) {
        const double w = std::isfinite(c.widthPt) ? std::clamp<double>(c.widthPt, 0, 2000) : 0;
        out.columns.push_back(w);
        out.width += w;
    }
    out.left = areaLeft + (areaWidth - out.width) / 2;  // tables are centred
    out.heading = t.style == TableStyle::kRuled && t.rows.size() > 1;
    for (const TableRow& row : t.rows) {
        LaidRow r;
        for (std::size_t c = 0; c < row.cells.size() && c < out.columns.size(); ++c) {
            std::vector<LaidParagraph> cell;
            double h = 0;
            for (const Paragraph& p : row.cells[c].paragraphs) {
                cell.push_back(Lay(p, out.columns[c] - 2 * kCellMargin, grid));
                h += cell.back().Height();
            }
            r.cells.push_back(std::move(cell));
            r.contentHeights.push_back(h);
            r.height = std::max(r.height, h);
        }
        r.height += kRowRules;
        out.rows.push_back(std::move(r));
    }
    return out;
}

// One row at `top`, with its cell rules when the table is ruled.
void PlaceRow(PageOps& page, const LaidTable& t, std::size_t index, double top) {
    const LaidRow& row = t.rows[index];
    const TableRow& source = t.table->rows[index];
    double x = t.left;
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        double y = top + kRowRules / 2;
        const double spare = row.height - kRowRules - row.contentHeights[c];
        if (source.cells[c].verticalAlignment == CellAlignment::kCenter) y += spare / 2;
        if (source.cells[c].verticalAlignment == CellAlignment::kBottom) y += spare;
        for (const LaidParagraph& p : row.cells[c])
            y = Place(page, p, x + kCellMargin, y, t.columns[c] - 2 * kCellMargin);
        x += t.columns[c];
    }
    if (t.table->style != TableStyle::kRuled) return;
    // Inner rules: single lines between columns, and above every row but a page's first.
    x = t.left;
    for (std::size_t c = 0; c + 1 < t.columns.size(); ++c) {
        x += t.columns[c];
        page.rules.push_back({x, top, x, top + row.height, kBorder});
    }
    page.rules.push_back({t.left, top, t.left + t.width, top, kBorder});
}

// The double border around the part of a ruled table on one page.
void Frame(PageOps& page, const LaidTable& t, double top, double bottom) {
    const double l = t.left, r = t.left + t.width;
    for (double inset : {0.0, kDoubleGap + kBorder}) {
        page.rules.push_back({l - inset, top - inset, r + inset, top - inset, kBorder});
        page.rules.push_back({l - inset, bottom + inset, r + inset, bottom + inset, kBorder});
        page.rules.push_back({l - inset, top - inset, l - inset, bottom + inset, kBorder});
        page.rules.push_back({r + inset, top - inset, r + inset, bottom + inset, kBorder});
    }
}

class Pager {
  public:
    Pager(double top, double height) : m_top(top), m_height(std::max(height, 50.0)) {
        m_pages.emplace_back();
    }

    // Whether `h` more fits below what the page holds (an empty page takes anything).
    bool Fits(double h) const { return m_used == 0 || m_used + h <= m_height + 0.01; }
    void NewPage() {
        m_pages.emplace_back();
        m_used = 0;
    }
    double Y() const { return m_top + m_used; }
    double Height() const { return m_height; }
    void Advance(double h) { m_used += h; }
    PageOps& Page() { return m_pages.back(); }
    std::vector<PageOps> Take() { return std::move(m_pages); }

  private:
    double m_top, m_height;
    double m_used = 0;
    std::vector<PageOps> m_pages;
};

void PlaceTable(Pager& pager, const LaidTable& t) {
    if (t.rows.empty()) return;
    const bool ruled = t.table->style == TableStyle::kRuled;
    double frameTop = pager.Y();
    bool open = false;
    auto closeFrame = [&] {
        if (ruled && open) Frame(pager.Page(), t, frameTop, pager.Y());
        open = false;
    };
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        double need = t.rows[r].height;
        if (t.heading && r == 0) need += t.rows[1].height;
        if (!pager.Fits(need)) {
            closeFrame();
            pager.NewPage();
        }
        if (!open) {
            frameTop = pager.Y();
            open = true;
            if (t.heading && r > 0) {  // the heading repeats
                PlaceRow(pager.Page(), t, 0, pager.Y());
                pager.Advance(t.rows[0].height);
            }
        }
        PlaceRow(pager.Page(), t, r, pager.Y());
        pager.Advance(t.rows[r].height);
    }
    closeFrame();
}

// The height of what must stay with a paragraph kept with the block after it.
double FirstUnit(const Block& next, double left, double width, bool grid) {
    if (const auto* p = std::get_if<Paragraph>(&next)) {
        LaidParagraph laid = Lay(*p, width, grid);
        return laid.heights.empty() ? 0 : laid.heights.front();
    }
    const LaidTable t = LayTable(std::get<Table>(next), left, width, grid);
    if (t.rows.empty()) return 0;
    return t.rows[0].height + (t.heading ? t.rows[1].height : 0);
}

// Header paragraphs down from `top`, footer paragraphs up to `bottom`, with their rules.
double PlaceStory(PageOps& page, const std::vector<LaidParagraph>& story, double left, double width,
                  double y) {
    for (const LaidParagraph& p : story) {
        if (p.paragraph->rule == ParagraphRule::kAbove) {
            y += kRuleGap;
            page.rules.push_back({left, y, left + width, y, kBorder});
            y += kRuleGap;
        }
        y = Place(page, p, left, y, width);
        if (p.paragraph->rule == ParagraphRule::kBelow) {
            y += kRuleGap;
            page.rules.push_back({left, y, left + width, y, kBorder});
            y += kRuleGap;
        }
    }
    return y;
}

double StoryHeight(const std::vector<LaidParagraph>& story) {
    double h = 0;
    for (const LaidParagraph& p : story)
        h += p.Height() + (p.paragraph->rule == ParagraphRule::kNone ? 0 : 2 * kRuleGap);
    return h;
}

// What must stay on the page with paragraph `i`, kept with the block after it: a run of
// paragraphs each kept with the next goes whole (as the word processors move it), down to the
// first unit of the block that ends the run. A run taller than a page breaks after its first.
double KeptHeight(const std::vector<Block>& body, std::size_t i, double left, double width, bool grid,
                  double pageHeight) {
    const double first = FirstUnit(body[i + 1], left, width, grid);
    double h = 0;
    std::size_t j = i + 1;
    for (; j < body.size(); ++j) {
        const auto* p = std::get_if<Paragraph>(&body[j]);
        if (!p || !p->keepWithNext || j + 1 == body.size()) break;
        h += Lay(*p, width, grid).Height();
        if (h > pageHeight) return first;
    }
    h += FirstUnit(body[j], left, width, grid);
    return h > pageHeight ? first : h;
}

std::vector<LaidParagraph> LayStory(const std::vector<Paragraph>& paragraphs, double width,
                                    const PageNumbers& numbers) {
    std::vector<LaidParagraph> out;
    for (const Paragraph& p : paragraphs) out.push_back(Lay(p, width, false, numbers));
    return out;
}

}  // namespace

std::vector<PageOps> LayoutPages(const Document& doc) {
    const PageSetup& pg = doc.page;
    const double left = pg.marginLeft + pg.gutter;
    const double width = std::max(20.0, pg.width - pg.marginLeft - pg.marginRight - pg.gutter);
    const bool grid = pg.lineGrid;
    // A header or footer taller than its margin pushes the text away.
    const double headerHeight = StoryHeight(LayStory(doc.header, width, {}));
    const double footerHeight = StoryHeight(LayStory(doc.footer, width, {}));
    const double top = std::max(pg.marginTop, pg.headerDistance + headerHeight);
    const double bottom = std::max(pg.marginBottom, pg.footerDistance + footerHeight);
    Pager pager(top, pg.height - top - bottom - (grid ? kGridLead : 0));

    for (std::size_t i = 0; i < doc.body.size(); ++i) {
        if (const auto* t = std::get_if<Table>(&doc.body[i])) {
            PlaceTable(pager, LayTable(*t, left, width, grid));
            continue;
        }
        const Paragraph& p = std::get<Paragraph>(doc.body[i]);
        const LaidParagraph laid = Lay(p, width, grid);
        double keep = 0;
        if (i + 1 < doc.body.size() && p.keepWithNext)
            keep = KeptHeight(doc.body, i, left, width, grid, pager.Height());
        else if (i + 1 < doc.body.size() && std::holds_alternative<Table>(doc.body[i + 1]))
            keep = FirstUnit(doc.body[i + 1], left, width, grid);
        // A paragraph kept with the next moves whole; others break between lines.
        if (p.keepWithNext && !pager.Fits(laid.Height() + keep)) pager.NewPage();
        for (std::size_t k = 0; k < laid.lines.size(); ++k) {
            const double h = laid.heights[k] + (k + 1 == laid.lines.size() ? keep : 0);
            if (!pager.Fits(h)) pager.NewPage();
            PlaceLine(pager.Page(), laid.lines[k], left, pager.Y(), width, laid.heights[k], p.alignment);
            pager.Advance(laid.heights[k]);
        }
    }

    std::vector<PageOps> pages = pager.Take();
    const int count = static_cast<int>(pages.size());
    for (int n = 0; n < count; ++n) {
        const PageNumbers numbers{n + 1, count};
        PageOps& page = pages[static_cast<std::size_t>(n)];
        PlaceStory(page, LayStory(doc.header, width, numbers), left, width, pg.headerDistance);
        const std::vector<LaidParagraph> footer = LayStory(doc.footer, width, numbers);
        PlaceStory(page, footer, left, width, pg.height - pg.footerDistance - StoryHeight(footer));
    }
    return pages;
}

}  // namespace wall::pdf
