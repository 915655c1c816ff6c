// Measuring runs, formulas and pictures, and breaking them into lines as a word processor would:
// after blanks and between CJK characters, never before closing punctuation.
#include "pdf/LineLayout.h"

#include <algorithm>
#include <cmath>

#include "pdf/PdfFonts.h"
#include "report/FormulaTree.h"
#include "report/SymbolFont.h"
#include "text/Utf8Text.h"

namespace wall::pdf {
namespace {

constexpr double kGridPitch = 15.6;  // the document grid's line pitch
constexpr double kTabStop = 21;      // the default tab stops

// A line's text extends this far above and below the baseline, in ems: the CJK fonts' line height.
constexpr double kAscent = 1.1, kDescent = 0.35;
// Formula parts sit closer: the glyphs' own extent.
constexpr double kGlyphAscent = 0.88, kGlyphDescent = 0.25;

// The next default tab stop after `x`. Measured widths are a hair off the word processor's whole
// points, so a position within 0.1 pt of a stop counts as on it, and the tab goes on to the next.
double NextTabStop(double x) {
    return (std::floor((x + 0.1) / kTabStop) + 1) * kTabStop;
}

bool IsCjk(char32_t c) {
    return (c >= 0x2E80 && c < 0xA000) || (c >= 0xF900 && c < 0xFB00) || (c >= 0xFE30 && c < 0xFE50) ||
           (c >= 0xFF00 && c < 0xFFF0) || c >= 0x20000;
}

// No line starts with these, nor ends with the opening ones.
bool ClosesLine(char32_t c) {
    return std::u32string_view(U"，。、：；！？）》」』】〕〉”’％,.;:!?)]}%°").find(c) !=
           std::u32string_view::npos;
}
bool OpensLine(char32_t c) {
    return std::u32string_view(U"（《「『【〔〈“‘([{").find(c) != std::u32string_view::npos;
}

QString ToQString(std::u32string_view s) {
    return QString::fromUcs4(s.data(), static_cast<qsizetype>(s.size()));
}

// A piece of text in one format, its extent that of a line of its size.
Piece TextPiece(std::u32string_view text, const CharFormat& format) {
    Piece p;
    const QFont font = FontOf(format);
    const QString q = ToQString(text);
    p.width = Advance(font, q);
    const double own = SetSize(format), shift = BaselineShift(format);
    p.ascent = std::max(0.0, kAscent * own + shift);
    p.descent = std::max(0.0, kDescent * own - shift);
    p.ops.texts.push_back({0, -shift, q, font, ColourOf(format), p.width});
    p.first = text.front();
    p.last = text.back();
    p.size = own;
    return p;
}

bool IsIdeograph(char32_t c) {
    return (c >= 0x3400 && c < 0xA000) || (c >= 0xF900 && c < 0xFB00) || c >= 0x20000;
}
bool IsLatinOrDigit(char32_t c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= 0x370 && c < 0x400);
}

// A quarter em between ideographs and Latin letters or digits, as the word processors set
// Chinese text ("扶壁截面 1 配筋"): it goes to the earlier piece, and a line may break there.
void SpaceAsianFromLatin(std::vector<Piece>& pieces) {
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) {
        Piece &a = pieces[i], &b = pieces[i + 1];
        if (!a.first || !b.first) continue;
        if ((IsIdeograph(a.last) && IsLatinOrDigit(b.first)) ||
            (IsLatinOrDigit(a.last) && IsIdeograph(b.first))) {
            a.width += 0.25 * std::max(a.size, b.size);
            a.breakAfter = true;
        }
    }
}

void AddTextPieces(std::vector<Piece>& out, const std::string& utf8, const CharFormat& format) {
    const std::u32string text = Utf8ToUtf32(utf8);
    std::size_t i = 0;
    auto flushWord = [&](std::size_t from, std::size_t to) {
        if (from < to) out.push_back(TextPiece(std::u32string_view(text).substr(from, to - from), format));
    };
    std::size_t word = 0;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        const bool special = c == ' ' || c == '\t' || c == '\v' || c == '\n' || c == '\r' || IsCjk(c);
        if (!special) continue;
        flushWord(word, i);
        word = i + 1;
        if (c == ' ') {
            Piece p = TextPiece(U" ", format);
            p.blank = true;
            p.breakAfter = true;
            out.push_back(std::move(p));
        } else if (c == '\t') {
            Piece p;
            p.tab = true;
            const double size = PointSize(format);
            p.ascent = kAscent * size;
            p.descent = kDescent * size;
            out.push_back(std::move(p));
        } else if (c == '\v' || c == '\n' || c == '\r') {
            Piece p;
            p.lineBreak = true;
            out.push_back(std::move(p));
        } else {
            // A line may end after a CJK character (and after the word before it), but not before
            // closing punctuation nor after opening punctuation.
            if (!out.empty() && !ClosesLine(c) && !out.back().blank) {
                const char32_t prev = i > 0 ? text[i - 1] : 0;
                if (!OpensLine(prev)) out.back().breakAfter = true;
            }
            out.push_back(TextPiece(std::u32string_view(text).substr(i, 1), format));
        }
    }
    flushWord(word, text.size());
}

// Adds `ops` moved by (dx, dy) to `to`. Text that continues the last text in one font and colour
// on its baseline joins it as one string, so that text extraction finds words whole.
void AddMoved(PageOps& to, const PageOps& ops, double dx, double dy) {
    for (TextOp t : ops.texts) {
        t.x += dx;
        t.y += dy;
        if (!to.texts.empty()) {
            TextOp& last = to.texts.back();
            if (last.y == t.y && std::abs(last.x + last.advance - t.x) < 0.01 && last.font == t.font &&
                last.colour == t.colour) {
                last.text += t.text;
                last.advance += t.advance;
                continue;
            }
        }
        to.texts.push_back(std::move(t));
    }
    for (RuleOp r : ops.rules) {
        r.x1 += dx;
        r.x2 += dx;
        r.y1 += dy;
        r.y2 += dy;
        to.rules.push_back(r);
    }
    for (PictureOp pic : ops.pictures) {
        pic.x += dx;
        pic.y += dy;
        to.pictures.push_back(pic);
    }
}

// A formula set as a box: text runs side by side, fractions stacked about the math axis.
Piece FormulaBox(const std::vector<FormulaNode>& nodes) {
    Piece box;
    for (const FormulaNode& n : nodes) {
        if (!n.fraction) {
            const QFont font = FontOf(n.run.format);
            const QString q = ToQString(Utf8ToUtf32(n.run.text));
            const double w = Advance(font, q), shift = BaselineShift(n.run.format);
            const double size = SetSize(n.run.format);
            box.ops.texts.push_back({box.width, -shift, q, font, ColourOf(n.run.format), w});
            box.ascent = std::max(box.ascent, kGlyphAscent * size + shift);
            box.descent = std::max(box.descent, kGlyphDescent * size - shift);
            box.width += w;
            box.size = std::max(box.size, PointSize(n.run.format));
            continue;
        }
        const Piece num = FormulaBox(n.numerator), den = FormulaBox(n.denominator);
        const double largest = std::max(num.size, den.size), size = largest > 0 ? largest : 10.5;
        box.size = std::max(box.size, largest);
        const double axis = 0.25 * size, gap = 0.12 * size, pad = 0.1 * size;
        const double bar = std::max(num.width, den.width) + 2 * pad;
        const double numBase = -axis - gap - num.descent, denBase = -axis + gap + den.ascent;
        AddMoved(box.ops, num.ops, box.width + (bar - num.width) / 2, numBase);
        AddMoved(box.ops, den.ops, box.width + (bar - den.width) / 2, denBase);
        box.ops.rules.push_back({box.width + pad / 2, -axis, box.width + bar - pad / 2, -axis, 0.04 * size});
        box.ascent = std::max(box.ascent, -numBase + num.ascent);
        box.descent = std::max(box.descent, denBase + den.descent);
        box.width += bar;
    }
    return box;
}

}  // namespace

std::vector<Piece> Pieces(const Paragraph& paragraph, const PageNumbers& numbers) {
    std::vector<Piece> out;
    for (const Inline& item : paragraph.content) {
        if (const auto* t = std::get_if<TextRun>(&item)) {
            AddTextPieces(out, t->text, t->format);
        } else if (const auto* s = std::get_if<SymbolRun>(&item)) {
            const char32_t c = StoredSymbolToUnicode(s->font, s->code);
            std::string text;
            AppendUtf8(text, c ? c : U'\uFFFD');
            CharFormat f = s->format;
            f.font.clear();
            AddTextPieces(out, text, f);
        } else if (const auto* f = std::get_if<Field>(&item)) {
            out.push_back(FormulaBox(ReadFormula(*f)));
        } else if (const auto* pic = std::get_if<Picture>(&item)) {
            Piece p;
            p.width = std::isfinite(pic->widthPt) ? std::clamp(pic->widthPt, 0.0, 2000.0) : 0;
            p.ascent = std::isfinite(pic->heightPt) ? std::clamp(pic->heightPt, 0.0, 2000.0) : 0;
            p.ops.pictures.push_back({0, -p.ascent, p.width, p.ascent, pic});
            out.push_back(std::move(p));
        } else if (const auto* pf = std::get_if<PageField>(&item)) {
            const int n = pf->kind == PageFieldKind::kPage ? numbers.page : numbers.pages;
            AddTextPieces(out, std::to_string(n), pf->format);
        }
    }
    SpaceAsianFromLatin(out);
    return out;
}

std::vector<Line> BreakLines(std::vector<Piece> pieces, double width, double markSize) {
    std::vector<Line> lines(1);
    std::size_t lastBreak = 0;  // pieces of the current line up to here may end it
    auto finish = [](Line& line) {
        while (!line.pieces.empty() && line.pieces.back().blank) {
            line.pieces.pop_back();
            line.x.pop_back();
        }
        line.width = line.pieces.empty() ? 0 : line.x.back() + line.pieces.back().width;
        for (const Piece& p : line.pieces) {
            line.ascent = std::max(line.ascent, p.ascent);
            line.descent = std::max(line.descent, p.descent);
        }
    };
    double x = 0;
    for (Piece& p : pieces) {
        Line* line = &lines.back();
        if (p.lineBreak) {
            finish(*line);
            if (line->pieces.empty()) {
                line->ascent = kAscent * markSize;
                line->descent = kDescent * markSize;
            }
            lines.emplace_back();
            x = 0;
            lastBreak = 0;
            continue;
        }
        if (p.tab) p.width = NextTabStop(x) - x;
        if (x + p.width > width + 0.01 && !p.blank && !line->pieces.empty()) {
            // Move what follows the last break opportunity to a new line.
            Line next;
            const std::size_t cut = lastBreak > 0 ? lastBreak : line->pieces.size();
            for (std::size_t k = cut; k < line->pieces.size(); ++k) {
                next.x.push_back(next.pieces.empty() ? 0 : next.x.back() + next.pieces.back().width);
                next.pieces.push_back(std::move(line->pieces[k]));
            }
            line->pieces.resize(cut);
            line->x.resize(cut);
            finish(*line);
            lines.push_back(std::move(next));
            line = &lines.back();
            x = line->pieces.empty() ? 0 : line->x.back() + line->pieces.back().width;
            lastBreak = 0;
            if (p.tab) p.width = NextTabStop(x) - x;
        }
        line->x.push_back(x);
        x += p.width;
        const bool canBreak = p.breakAfter || p.blank;
        line->pieces.push_back(std::move(p));
        if (canBreak) lastBreak = line->pieces.size();
    }
    finish(lines.back());
    for (Line& line : lines)
        if (line.ascent + line.descent == 0) {
            line.ascent = kAscent * markSize;
            line.descent = kDescent * markSize;
        }
    return lines;
}

double LineHeight(const Line& line, bool grid) {
    const double content = line.ascent + line.descent;
    if (!grid) return content;
    return std::max(1.0, std::ceil(content / kGridPitch - 0.01)) * kGridPitch;
}

void PlaceLine(PageOps& page, const Line& line, double left, double top, double width, double height,
               Alignment alignment) {
    double start = left;
    if (alignment == Alignment::kCenter) start += (width - line.width) / 2;
    if (alignment == Alignment::kRight) start += width - line.width;
    const double baseline = top + (height - line.ascent - line.descent) / 2 + line.ascent;
    for (std::size_t k = 0; k < line.pieces.size(); ++k)
        AddMoved(page, line.pieces[k].ops, start + line.x[k], baseline);
}

double MarkSize(const Paragraph& paragraph) {
    double size = 10.5;
    for (const Inline& item : paragraph.content)
        if (const auto* t = std::get_if<TextRun>(&item)) size = PointSize(t->format);
    return size;
}

}  // namespace wall::pdf
