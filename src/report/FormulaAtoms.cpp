// Reading an equation field's code as characters and finding its fractions.
#include "report/FormulaAtoms.h"

#include "report/SymbolFont.h"
#include "text/Utf8Text.h"

namespace wall {

std::vector<FormulaAtom> FormulaAtoms(const std::vector<CodeRun>& code) {
    std::vector<FormulaAtom> atoms;
    for (const CodeRun& run : code) {
        if (const auto* s = std::get_if<SymbolRun>(&run)) {
            FormulaAtom a;
            a.isText = false;
            a.format = s->format;
            char32_t c = StoredSymbolToUnicode(s->font, s->code);
            if (c == 0) {
                c = s->code;
                a.font = s->font;
            }
            AppendUtf8(a.ch, c);
            atoms.push_back(std::move(a));
            continue;
        }
        const auto& t = std::get<TextRun>(run);
        for (std::size_t i = 0; i < t.text.size();) {
            const std::size_t start = i;
            DecodeUtf8At(t.text, i);
            FormulaAtom a;
            a.ch = t.text.substr(start, i - start);
            if (a.ch == "\t" || a.ch == "\v") a.ch = " ";  // no tabs or breaks inside a formula
            a.format = t.format;
            atoms.push_back(std::move(a));
        }
    }
    return atoms;
}

std::size_t SkipBlanks(const std::vector<FormulaAtom>& atoms, std::size_t b, std::size_t e) {
    while (b < e && atoms[b].Is(' ')) ++b;
    return b;
}

std::size_t FormulaStart(const std::vector<FormulaAtom>& atoms) {
    std::size_t b = SkipBlanks(atoms, 0, atoms.size());
    if (b + 1 < atoms.size() && atoms[b].IsLetter('E') && atoms[b + 1].IsLetter('Q') &&
        (b + 2 == atoms.size() || atoms[b + 2].Is(' ') || atoms[b + 2].Is('\\')))
        b += 2;
    return b;
}

bool FractionAt(const std::vector<FormulaAtom>& atoms, std::size_t i, std::size_t e, std::size_t& open,
                std::size_t& comma, std::size_t& close) {
    if (!(i + 1 < e && atoms[i].Is('\\') && atoms[i + 1].IsLetter('F'))) return false;
    open = SkipBlanks(atoms, i + 2, e);
    if (open >= e || !atoms[open].Is('(')) return false;
    int depth = 0;
    bool haveComma = false;
    for (std::size_t k = open + 1; k < e; ++k) {
        if (atoms[k].Is('(')) {
            ++depth;
        } else if (atoms[k].Is(')')) {
            if (depth == 0) {
                close = k;
                return haveComma;
            }
            --depth;
        } else if (atoms[k].Is(',') && depth == 0 && !haveComma) {
            comma = k;
            haveComma = true;
        }
    }
    return false;
}

}  // namespace wall
