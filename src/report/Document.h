// The report document in memory: paragraphs of formatted runs, symbols, fields, tables, pictures.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace wall {

enum class VerticalPosition { kBaseline, kSubscript, kSuperscript };

// Character format of a run, as the insertion point carries it.
struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    float size = 10.5f;  // points
    VerticalPosition position = VerticalPosition::kBaseline;
    std::optional<uint32_t> color;  // 0xRRGGBB; none = automatic
    std::string font;               // empty = the document's default font
    bool operator==(const CharFormat&) const = default;
};

// Text of one format. May hold tabs ('\t') and manual line breaks ('\v'); never paragraph marks.
struct TextRun {
    std::string text;  // UTF-8
    CharFormat format;
};

// One character of a symbol font, stored as the word processor stores an inserted symbol:
// `code` is the private-use code F000 + the character number for "Symbol".
struct SymbolRun {
    std::string font;
    char32_t code = 0;
    CharFormat format;
};

using CodeRun = std::variant<TextRun, SymbolRun>;

// A field whose code is a sequence of formatted runs (an equation field such as EQ \F(a,b)).
// The result shown before the word processor recomputes it is derived from the code.
struct Field {
    std::vector<CodeRun> code;
};

enum class PictureFormat { kEmf, kPng, kJpeg };

// An inline picture: the picture file's bytes and its size on the page.
struct Picture {
    PictureFormat format = PictureFormat::kPng;
    std::vector<uint8_t> bytes;
    double widthPt = 0;
    double heightPt = 0;
};

// A page-number field of the page header or footer: the number of the page it is shown on, or the
// number of pages of the document.
enum class PageFieldKind { kPage, kNumPages };

struct PageField {
    PageFieldKind kind = PageFieldKind::kPage;
    CharFormat format;
};

using Inline = std::variant<TextRun, SymbolRun, Field, Picture, PageField>;

enum class Alignment { kLeft = 0, kCenter = 1, kRight = 2, kJustify = 3 };

// A rule drawn across the paragraph: below it (page header) or above it (page footer).
enum class ParagraphRule { kNone, kBelow, kAbove };

struct Paragraph {
    Alignment alignment = Alignment::kLeft;
    ParagraphRule rule = ParagraphRule::kNone;
    std::vector<Inline> content;
    bool keepWithNext = false;  // stays on the page of the paragraph that follows
};

enum class CellAlignment { kTop, kCenter, kBottom };

struct TableCell {
    float widthPt = 0;
    CellAlignment verticalAlignment = CellAlignment::kTop;
    std::vector<Paragraph> paragraphs;  // at least one
};

struct TableRow {
    std::vector<TableCell> cells;
};

enum class TableStyle { kBorderless, kRuled };

struct Table {
    TableStyle style = TableStyle::kBorderless;
    int format = 0;  // the table format number the caller asked for (0 borderless, 36 ruled)
    std::vector<TableRow> rows;
};

using Block = std::variant<Paragraph, Table>;

// Page geometry in points.
struct PageSetup {
    double width = 593.5;
    double height = 841.9;
    double marginTop = 72;
    double marginBottom = 72;
    double marginLeft = 89.85;
    double marginRight = 89.85;
    double gutter = 0;
    double headerDistance = 42.55;
    double footerDistance = 29.75;
    bool lineGrid = true;  // document grid of lines
};

struct Document {
    PageSetup page;
    std::vector<Block> body;  // never empty: ends with a paragraph
    std::vector<Paragraph> header;
    std::vector<Paragraph> footer;
};

// A document holding one empty paragraph, the state of a new blank document.
Document NewBlankDocument();

}  // namespace wall
