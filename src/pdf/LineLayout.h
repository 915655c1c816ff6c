// Paragraphs broken into lines of measured pieces, and what each piece paints.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <vector>

#include "report/Document.h"

namespace wall::pdf {

// What a page shows, in points from the page's upper left corner.
struct TextOp {
    double x = 0, y = 0;  // the baseline's left end
    QString text;
    QFont font;
    QColor colour;
    double advance = 0;  // the text's width
};
struct RuleOp {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0.5;
};
struct PictureOp {
    double x = 0, y = 0, width = 0, height = 0;  // the upper left corner and the size
    const Picture* picture = nullptr;
};
struct PageOps {
    std::vector<TextOp> texts;
    std::vector<RuleOp> rules;
    std::vector<PictureOp> pictures;
};

// An unbreakable piece of a line: a word, a CJK character, a blank, a formula, a picture. Its ops
// are relative to the left end of its baseline.
struct Piece {
    double width = 0, ascent = 0, descent = 0;
    bool blank = false;            // a space: a line may break after it, and it vanishes at a line's end
    bool breakAfter = false;       // a line may break after this piece
    bool tab = false;              // advances to the next tab stop
    bool lineBreak = false;        // ends the line
    char32_t first = 0, last = 0;  // a text piece's first and last characters
    double size = 0;               // and its set size, points; a formula: its runs' largest size
    PageOps ops;
};

struct Line {
    std::vector<double> x;  // each piece's left end, from the line's start
    std::vector<Piece> pieces;
    double width = 0, ascent = 0, descent = 0;
};

// The page numbers that page fields show.
struct PageNumbers {
    int page = 1;
    int pages = 1;
};

// The pieces of a paragraph's content.
std::vector<Piece> Pieces(const Paragraph& paragraph, const PageNumbers& numbers);

// The pieces broken into lines no wider than `width` (a piece wider than a line gets one of its
// own). An empty paragraph gives one empty line of the height its mark would have.
std::vector<Line> BreakLines(std::vector<Piece> pieces, double width, double markSize);

// The height a line takes: its content, in whole lines of the page's grid when there is one.
double LineHeight(const Line& line, bool grid);

// Adds a line's ops to `page`, the line's top at `top`, aligned in [left, left + width).
void PlaceLine(PageOps& page, const Line& line, double left, double top, double width, double height,
               Alignment alignment);

// The size of the paragraph mark: the last run's size, 10.5 pt without runs.
double MarkSize(const Paragraph& paragraph);

}  // namespace wall::pdf
