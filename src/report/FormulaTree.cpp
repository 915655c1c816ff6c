// The field code as characters, its fractions found by their brackets and top-level comma.
#include "report/FormulaTree.h"

#include "report/SymbolFont.h"
#include "report/Utf8Text.h"

namespace wall {
namespace {

struct Atom {
    std::string ch;
    CharFormat format;
    bool isText = true;  // only typed text makes up \F, brackets and commas
    bool Is(char c) const { return isText && ch.size() == 1 && ch[0] == c; }
    bool IsLetter(char upper) const { return Is(upper) || Is(static_cast<char>(upper - 'A' + 'a')); }
};

std::vector<Atom> Atoms(const std::vector<CodeRun>& code) {
    std::vector<Atom> atoms;
    for (const CodeRun& run : code) {
        if (const auto* s = std::get_if<SymbolRun>(&run)) {
            Atom a;
            a.isText = false;
            a.format = s->format;
            a.format.font.clear();
            const char32_t c = StoredSymbolToUnicode(s->font, s->code);
            AppendUtf8(a.ch, c ? c : U'\uFFFD');
            atoms.push_back(std::move(a));
            continue;
        }
        const auto& t = std::get<TextRun>(run);
        for (std::size_t i = 0; i < t.text.size();) {
            const auto b = static_cast<unsigned char>(t.text[i]);
            const std::size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            Atom a;
            a.ch = t.text.substr(i, len);
            if (a.ch == "\t" || a.ch == "\v") a.ch = " ";
            a.format = t.format;
            atoms.push_back(std::move(a));
            i += len;
        }
    }
    return atoms;
}

class FormulaReader {
  public:
    explicit FormulaReader(std::vector<Atom> atoms) : m_atoms(std::move(atoms)) {}

    std::vector<FormulaNode> Formula() {
        std::size_t b = SkipSpaces(0, m_atoms.size());
        if (b + 1 < m_atoms.size() && m_atoms[b].IsLetter('E') && m_atoms[b + 1].IsLetter('Q') &&
            (b + 2 == m_atoms.size() || m_atoms[b + 2].Is(' ') || m_atoms[b + 2].Is('\\')))
            b += 2;
        return Sequence(b, m_atoms.size(), 0);
    }

  private:
    std::size_t SkipSpaces(std::size_t b, std::size_t e) const {
        while (b < e && m_atoms[b].Is(' ')) ++b;
        return b;
    }

    bool FractionAt(std::size_t i, std::size_t e, std::size_t& open, std::size_t& comma,
                    std::size_t& close) const {
        if (!(i + 1 < e && m_atoms[i].Is('\\') && m_atoms[i + 1].IsLetter('F'))) return false;
        open = SkipSpaces(i + 2, e);
        if (open >= e || !m_atoms[open].Is('(')) return false;
        int depth = 0;
        bool haveComma = false;
        for (std::size_t k = open + 1; k < e; ++k) {
            if (m_atoms[k].Is('(')) {
                ++depth;
            } else if (m_atoms[k].Is(')')) {
                if (depth == 0) {
                    close = k;
                    return haveComma;
                }
                --depth;
            } else if (m_atoms[k].Is(',') && depth == 0 && !haveComma) {
                comma = k;
                haveComma = true;
            }
        }
        return false;
    }

    // The formula of atoms [b, e). Nesting is bounded so that a hostile code cannot exhaust the stack.
    std::vector<FormulaNode> Sequence(std::size_t b, std::size_t e, int depth) {
        b = SkipSpaces(b, e);
        while (e > b && m_atoms[e - 1].Is(' ')) --e;
        std::vector<FormulaNode> nodes;
        for (std::size_t i = b; i < e;) {
            std::size_t open = 0, comma = 0, close = 0;
            if (depth < 16 && FractionAt(i, e, open, comma, close)) {
                FormulaNode f;
                f.fraction = true;
                f.numerator = Sequence(open + 1, comma, depth + 1);
                f.denominator = Sequence(comma + 1, close, depth + 1);
                nodes.push_back(std::move(f));
                i = close + 1;
                continue;
            }
            const Atom& a = m_atoms[i++];
            if (nodes.empty() || nodes.back().fraction || !(nodes.back().run.format == a.format))
                nodes.push_back(FormulaNode{TextRun{{}, a.format}, false, {}, {}});
            nodes.back().run.text += a.ch;
        }
        return nodes;
    }

    std::vector<Atom> m_atoms;
};

}  // namespace

std::vector<FormulaNode> ReadFormula(const Field& field) {
    return FormulaReader(Atoms(field.code)).Formula();
}

}  // namespace wall
