// The report document as plain text, as `wallcalc report --text` and the tests read it.
#include "report/DocxWriter.h"
#include "report/FieldResult.h"
#include "report/SymbolFont.h"
#include "text/Utf8Text.h"

namespace wall {
namespace {

void SymbolText(std::string& out, const SymbolRun& s) {
    // Only "Symbol" has a known map; other symbol fonts' pictures have no text.
    const char32_t c = StoredSymbolToUnicode(s.font, s.code);
    AppendUtf8(out, c == 0 ? U'?' : c);
}

void RunsText(std::string& out, const std::vector<CodeRun>& runs) {
    for (const CodeRun& r : runs) {
        if (const auto* t = std::get_if<TextRun>(&r))
            out += t->text;
        else
            SymbolText(out, std::get<SymbolRun>(r));
    }
}

std::string ParagraphText(const Paragraph& p) {
    std::string out;
    for (const Inline& item : p.content) {
        if (const auto* t = std::get_if<TextRun>(&item))
            out += t->text;
        else if (const auto* s = std::get_if<SymbolRun>(&item))
            SymbolText(out, *s);
        else if (const auto* f = std::get_if<Field>(&item))
            RunsText(out, FieldResultRuns(*f));
    }
    for (char& c : out)
        if (c == '\v') c = '\n';
    return out;
}

}  // namespace

std::string PlainText(const Document& doc) {
    std::string out;
    for (std::size_t i = 0; i < doc.body.size(); ++i) {
        const Block& b = doc.body[i];
        if (const auto* p = std::get_if<Paragraph>(&b)) {
            // The empty paragraph that ends every document is where writing would go on, not a line.
            if (i + 1 == doc.body.size() && p->content.empty()) break;
            out += ParagraphText(*p);
            out += '\n';
            continue;
        }
        for (const TableRow& row : std::get<Table>(b).rows) {
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                if (c > 0) out += "    ";
                const auto& paragraphs = row.cells[c].paragraphs;
                for (std::size_t k = 0; k < paragraphs.size(); ++k) {
                    if (k > 0) out += '\n';
                    out += ParagraphText(paragraphs[k]);
                }
            }
            out += '\n';
        }
    }
    return out;
}

}  // namespace wall
