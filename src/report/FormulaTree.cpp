// The field code as characters, its fractions found by their brackets and top-level comma.
#include "report/FormulaTree.h"

#include "report/FormulaAtoms.h"

namespace wall {
namespace {

class FormulaReader {
  public:
    explicit FormulaReader(std::vector<FormulaAtom> atoms) : m_atoms(std::move(atoms)) {}

    std::vector<FormulaNode> Formula() { return Sequence(FormulaStart(m_atoms), m_atoms.size(), 0); }

  private:
    // The formula of atoms [b, e). Nesting is bounded so that a hostile code cannot exhaust the stack.
    std::vector<FormulaNode> Sequence(std::size_t b, std::size_t e, int depth) {
        b = SkipBlanks(m_atoms, b, e);
        while (e > b && m_atoms[e - 1].Is(' ')) --e;
        std::vector<FormulaNode> nodes;
        for (std::size_t i = b; i < e;) {
            std::size_t open = 0, comma = 0, close = 0;
            if (depth < 16 && FractionAt(m_atoms, i, e, open, comma, close)) {
                FormulaNode f;
                f.fraction = true;
                f.numerator = Sequence(open + 1, comma, depth + 1);
                f.denominator = Sequence(comma + 1, close, depth + 1);
                nodes.push_back(std::move(f));
                i = close + 1;
                continue;
            }
            const FormulaAtom& a = m_atoms[i++];
            // A symbol is set in the text's font; one without a Unicode equivalent cannot be.
            CharFormat format = a.format;
            if (!a.isText) format.font.clear();
            if (nodes.empty() || nodes.back().fraction || !(nodes.back().run.format == format))
                nodes.push_back(FormulaNode{TextRun{{}, format}, false, {}, {}});
            nodes.back().run.text += a.font.empty() ? a.ch : "\uFFFD";
        }
        return nodes;
    }

    std::vector<FormulaAtom> m_atoms;
};

}  // namespace

std::vector<FormulaNode> ReadFormula(const Field& field) {
    return FormulaReader(FormulaAtoms(field.code)).Formula();
}

}  // namespace wall
