// Reading a fraction out of an equation field's formatted code.
#include "report/FieldResult.h"

#include <string>
#include <utility>

namespace wall {
namespace {

// One character of the code with its format, or one symbol.
struct Atom {
    bool isSymbol = false;
    std::string ch;  // one UTF-8 character
    SymbolRun symbol;
    CharFormat format;
    bool Is(char c) const { return !isSymbol && ch.size() == 1 && ch[0] == c; }
};

std::vector<Atom> Atoms(const std::vector<CodeRun>& code) {
    std::vector<Atom> atoms;
    for (const CodeRun& run : code) {
        if (const auto* s = std::get_if<SymbolRun>(&run)) {
            Atom a;
            a.isSymbol = true;
            a.symbol = *s;
            atoms.push_back(std::move(a));
            continue;
        }
        const auto& t = std::get<TextRun>(run);
        for (std::size_t i = 0; i < t.text.size();) {
            std::size_t len = 1;
            unsigned char b = static_cast<unsigned char>(t.text[i]);
            if (b >= 0xF0)
                len = 4;
            else if (b >= 0xE0)
                len = 3;
            else if (b >= 0xC0)
                len = 2;
            Atom a;
            a.ch = t.text.substr(i, len);
            a.format = t.format;
            atoms.push_back(std::move(a));
            i += len;
        }
    }
    return atoms;
}

void AppendAtom(std::vector<CodeRun>& runs, const Atom& a) {
    if (a.isSymbol) {
        runs.emplace_back(a.symbol);
        return;
    }
    if (!runs.empty()) {
        if (auto* t = std::get_if<TextRun>(&runs.back()); t && t->format == a.format) {
            t->text += a.ch;
            return;
        }
    }
    runs.emplace_back(TextRun{a.ch, a.format});
}

void AppendRun(std::vector<CodeRun>& runs, const CodeRun& run) {
    if (const auto* t = std::get_if<TextRun>(&run); t && !runs.empty()) {
        if (auto* last = std::get_if<TextRun>(&runs.back()); last && last->format == t->format) {
            last->text += t->text;
            return;
        }
    }
    runs.push_back(run);
}

void AppendText(std::vector<CodeRun>& runs, const std::string& text, const CharFormat& format) {
    Atom a;
    a.format = format;
    for (char c : text) {
        a.ch = std::string(1, c);
        AppendAtom(runs, a);
    }
}

}  // namespace

std::optional<FractionParts> SplitFraction(const Field& field) {
    std::vector<Atom> atoms = Atoms(field.code);
    std::size_t i = 0;
    auto skipSpaces = [&] {
        while (i < atoms.size() && atoms[i].Is(' ')) ++i;
    };
    auto expect = [&](char upper) {
        if (i < atoms.size() && !atoms[i].isSymbol && atoms[i].ch.size() == 1 &&
            (atoms[i].ch[0] == upper || atoms[i].ch[0] == upper - 'A' + 'a')) {
            ++i;
            return true;
        }
        return false;
    };
    skipSpaces();
    if (!expect('E') || !expect('Q')) return std::nullopt;
    skipSpaces();
    if (!(i < atoms.size() && atoms[i].Is('\\'))) return std::nullopt;
    ++i;
    if (!expect('F')) return std::nullopt;
    skipSpaces();
    if (!(i < atoms.size() && atoms[i].Is('('))) return std::nullopt;
    ++i;
    int depth = 0;
    std::size_t comma = 0, close = 0;
    bool haveComma = false, haveClose = false;
    for (std::size_t k = i; k < atoms.size() && !haveClose; ++k) {
        if (atoms[k].Is('('))
            ++depth;
        else if (atoms[k].Is(')')) {
            if (depth == 0) {
                close = k;
                haveClose = true;
            } else {
                --depth;
            }
        } else if (atoms[k].Is(',') && depth == 0 && !haveComma) {
            comma = k;
            haveComma = true;
        }
    }
    if (!haveComma || !haveClose) return std::nullopt;
    for (std::size_t k = close + 1; k < atoms.size(); ++k)
        if (!atoms[k].Is(' ')) return std::nullopt;
    FractionParts parts;
    for (std::size_t k = i; k < comma; ++k) AppendAtom(parts.numerator, atoms[k]);
    for (std::size_t k = comma + 1; k < close; ++k) AppendAtom(parts.denominator, atoms[k]);
    return parts;
}

std::vector<CodeRun> FieldResultRuns(const Field& field) {
    std::optional<FractionParts> parts = SplitFraction(field);
    if (!parts) return field.code;
    // The brackets take the format of the runs' first character, so a fraction written in 14 pt
    // keeps its size; scripts never reach the brackets.
    CharFormat format;
    if (!field.code.empty()) {
        std::visit([&](const auto& r) { format = r.format; }, field.code.front());
    }
    format.position = VerticalPosition::kBaseline;
    format.italic = false;
    std::vector<CodeRun> runs;
    AppendText(runs, "(", format);
    for (const CodeRun& r : parts->numerator) AppendRun(runs, r);
    AppendText(runs, ")/(", format);
    for (const CodeRun& r : parts->denominator) AppendRun(runs, r);
    AppendText(runs, ")", format);
    return runs;
}

}  // namespace wall
