// Estimating the page count: lines and rows of measured heights stacked on pages.
#include "report/PageEstimate.h"

#include <algorithm>
#include <cmath>

#include "report/FieldResult.h"
#include "text/Utf8Text.h"

namespace wall {
namespace {

constexpr double kGridPitch = 15.6;    // the line grid's pitch (312 twentieths of a point)
constexpr double kTabStop = 21;        // default tab stops (420 twentieths of a point)
constexpr double kCellMargins = 10.8;  // left and right cell margins (108 each)
constexpr double kRuleHeight = 1.75;   // a paragraph rule and its distance from the text
// A page with a line grid holds this much less than its text height: the word processors set the
// first line's text lower than the top margin (about 6 pt in LibreOffice), and rows need a little
// room to spare.
constexpr double kGridLead = 8;

// Width of one character in ems: CJK and full-width forms one em, Latin letters and digits about
// half an em as Times New Roman sets them.
double CharWidth(char32_t c) {
    if (c >= 0x2E80) return 1.0;
    if (c == ' ') return 0.25;
    if (c >= '0' && c <= '9') return 0.5;
    if (c >= 'A' && c <= 'Z') return 0.67;
    if (c >= 'a' && c <= 'z') return 0.46;
    if (c < 0x80) return 0.33;
    return 0.6;
}

// The height a line of content this tall takes: whole grid lines when the page has a grid.
double LineHeight(double content, bool grid) {
    if (!grid) return content;
    return std::max(1.0, std::ceil(content / kGridPitch - 0.01)) * kGridPitch;
}

// Natural height of a text line in a font of `size` points, as the CJK fonts set it.
double TextHeight(double size) {
    return size * 1.45;
}

// Lays a paragraph's content into lines of `width`, giving each line's height.
class LineBreaker {
  public:
    LineBreaker(double width, bool grid) : m_width(width > 20 ? width : 20), m_grid(grid) {}

    void Text(const std::string& text, double size) {
        if (!text.empty()) Tall(TextHeight(size));
        for (std::size_t i = 0; i < text.size();) {
            const char32_t c = DecodeUtf8At(text, i);
            if (c == '\v') {
                EndLine();
                continue;
            }
            if (c == '\t') {
                double next = (std::floor(m_x / kTabStop + 1e-6) + 1) * kTabStop;
                if (next > m_width) {
                    EndLine();
                    next = kTabStop;
                }
                m_x = next;
                Tall(TextHeight(size));
                continue;
            }
            Box(CharWidth(c) * size, TextHeight(size));
        }
        Tall(TextHeight(size));
    }

    // Content that is not broken: a symbol, a formula, a picture.
    void Box(double w, double h) {
        if (m_x + w > m_width + 0.01 && m_x > 0) EndLine();
        m_x += w;
        Tall(h);
    }

    void Tall(double h) { m_height = std::max(m_height, h); }

    std::vector<double> Finish(double markSize) {
        if (m_height == 0) m_height = TextHeight(markSize);
        EndLine();
        return std::move(m_lines);
    }

  private:
    void EndLine() {
        m_lines.push_back(LineHeight(m_height > 0 ? m_height : TextHeight(10.5), m_grid));
        m_x = 0;
        m_height = 0;
    }

    double m_width;
    bool m_grid;
    double m_x = 0;
    double m_height = 0;
    std::vector<double> m_lines;
};

// Width and height of a formula: a fraction stacks its parts; other code is one line.
void MeasureRuns(const std::vector<CodeRun>& runs, double& width, double& size, bool& scripts) {
    for (const CodeRun& r : runs) {
        if (const auto* t = std::get_if<TextRun>(&r)) {
            size = std::max(size, static_cast<double>(t->format.size));
            const bool script = t->format.position != VerticalPosition::kBaseline;
            scripts = scripts || script;
            const double scale = script ? 0.7 : 1.0;
            for (std::size_t i = 0; i < t->text.size();)
                width += CharWidth(DecodeUtf8At(t->text, i)) * t->format.size * scale;
        } else {
            const auto& s = std::get<SymbolRun>(r);
            size = std::max(size, static_cast<double>(s.format.size));
            width += 0.6 * s.format.size;
        }
    }
}

void FormulaBox(LineBreaker& lines, const Field& field) {
    double size = 0;
    bool numScripts = false, denScripts = false;
    if (std::optional<FractionParts> parts = SplitFraction(field)) {
        double wn = 0, wd = 0;
        MeasureRuns(parts->numerator, wn, size, numScripts);
        MeasureRuns(parts->denominator, wd, size, denScripts);
        if (size == 0) size = 10.5;
        // Two lines of formula text and the bar; a subscript hangs each part a little lower.
        const double em = size / 10.5;
        const double h = (28 + (numScripts ? 2.5 : 0) + (denScripts ? 2.5 : 0)) * em;
        lines.Box(std::max(wn, wd) + 0.3 * size, h);
        return;
    }
    double w = 0;
    MeasureRuns(field.code, w, size, numScripts);
    if (size == 0) size = 10.5;
    lines.Box(w, TextHeight(size));
}

std::vector<double> ParagraphLines(const Paragraph& p, double width, bool grid) {
    LineBreaker lines(width, grid);
    double markSize = 10.5;
    for (const Inline& item : p.content) {
        if (const auto* t = std::get_if<TextRun>(&item)) {
            lines.Text(t->text, t->format.size);
            markSize = t->format.size;
        } else if (const auto* s = std::get_if<SymbolRun>(&item)) {
            lines.Box(0.6 * s->format.size, TextHeight(s->format.size));
        } else if (const auto* f = std::get_if<Field>(&item)) {
            FormulaBox(lines, *f);
        } else if (const auto* pic = std::get_if<Picture>(&item)) {
            lines.Box(pic->widthPt, pic->heightPt);
        } else if (const auto* pf = std::get_if<PageField>(&item)) {
            lines.Box(pf->format.size, TextHeight(pf->format.size));
        }
    }
    return lines.Finish(markSize);
}

double Sum(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return s;
}

double RowHeight(const TableRow& row, bool grid) {
    double h = 0;
    for (const TableCell& cell : row.cells) {
        double ch = 0;
        for (const Paragraph& p : cell.paragraphs)
            ch += Sum(ParagraphLines(p, cell.widthPt - kCellMargins, grid));
        h = std::max(h, ch);
    }
    return h + 1.7;  // the rules between rows
}

// Stacks lines and rows on pages.
class Pages {
  public:
    explicit Pages(double height) : m_height(height > 50 ? height : 50) {}

    // Places an item of height h; `keep` more is kept on the same page with it.
    void Place(double h, double keep = 0) {
        if (m_y > 0 && m_y + h + keep > m_height + 0.01) NewPage();
        m_y += h;
        while (m_y > m_height + 0.01) {  // taller than a page: it runs on
            m_y -= m_height;
            ++m_count;
        }
    }
    void NewPage() {
        ++m_count;
        m_y = 0;
    }
    double Used() const { return m_y; }
    double Height() const { return m_height; }
    int Count() const { return m_count; }

  private:
    double m_height;
    double m_y = 0;
    int m_count = 1;
};

}  // namespace

int EstimatePageCount(const Document& doc) {
    const PageSetup& pg = doc.page;
    const double width = pg.width - pg.marginLeft - pg.marginRight - pg.gutter;
    const bool grid = pg.lineGrid;
    // A header or footer taller than its margin pushes the main text away.
    auto story = [&](const std::vector<Paragraph>& paragraphs, double distance) {
        double h = distance;
        for (const Paragraph& p : paragraphs)
            h += Sum(ParagraphLines(p, width, false)) + (p.rule == ParagraphRule::kNone ? 0 : kRuleHeight);
        return h;
    };
    const double top = std::max(pg.marginTop, story(doc.header, pg.headerDistance));
    const double bottom = std::max(pg.marginBottom, story(doc.footer, pg.footerDistance));
    Pages pages(pg.height - top - bottom - (grid ? kGridLead : 0));
    for (std::size_t i = 0; i < doc.body.size(); ++i) {
        if (const auto* p = std::get_if<Paragraph>(&doc.body[i])) {
            // A paragraph before a table keeps its last line with the first row (and a heading
            // row with the row under it).
            std::vector<double> lines = ParagraphLines(*p, width, grid);
            double keep = 0;
            if (i + 1 < doc.body.size()) {
                if (const auto* t = std::get_if<Table>(&doc.body[i + 1]); t && !t->rows.empty()) {
                    keep = RowHeight(t->rows[0], grid);
                    if (t->style == TableStyle::kRuled && t->rows.size() > 1)
                        keep += RowHeight(t->rows[1], grid);
                }
            }
            for (std::size_t k = 0; k < lines.size(); ++k)
                pages.Place(lines[k], k + 1 == lines.size() ? keep : 0);
            continue;
        }
        const Table& t = std::get<Table>(doc.body[i]);
        const bool heading = t.style == TableStyle::kRuled && t.rows.size() > 1;
        double headingHeight = 0;
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const double h = RowHeight(t.rows[r], grid);
            if (heading && r == 0) {
                headingHeight = h;
                pages.Place(h, RowHeight(t.rows[1], grid));
                continue;
            }
            if (pages.Used() > 0 && pages.Used() + h > pages.Height() + 0.01) {
                pages.NewPage();
                if (heading) pages.Place(headingHeight);  // the heading repeats
            }
            pages.Place(h);
        }
    }
    return pages.Count();
}

}  // namespace wall
