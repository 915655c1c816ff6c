// Office Math for an equation field: its code read as characters, fractions and scripts.
#include "report/OfficeMath.h"

#include <cmath>
#include <cstdio>

#include "report/DocxXml.h"
#include "report/FormulaAtoms.h"
#include "text/Format.h"

namespace wall {
namespace {

// A piece of a formula: one character still to be joined with its neighbours into a run, or
// finished XML (a fraction or a script with its base).
struct Unit {
    const FormulaAtom* atom = nullptr;
    std::string xml;
};

class MathEmitter {
  public:
    explicit MathEmitter(std::vector<FormulaAtom> atoms) : m_atoms(std::move(atoms)) {}

    std::string Formula() { return Sequence(FormulaStart(m_atoms), m_atoms.size()); }

  private:
    // The formula of atoms [b, e), blanks at both ends left out.
    std::string Sequence(std::size_t b, std::size_t e) {
        b = SkipBlanks(m_atoms, b, e);
        while (e > b && m_atoms[e - 1].Is(' ')) --e;
        std::vector<Unit> units;
        for (std::size_t i = b; i < e;) {
            std::size_t open = 0, comma = 0, close = 0;
            if (FractionAt(m_atoms, i, e, open, comma, close)) {
                units.push_back({nullptr, "<m:f><m:num>" + Sequence(open + 1, comma) + "</m:num><m:den>" +
                                              Sequence(comma + 1, close) + "</m:den></m:f>"});
                i = close + 1;
                continue;
            }
            const VerticalPosition position = m_atoms[i].format.position;
            if (position == VerticalPosition::kBaseline) {
                units.push_back({&m_atoms[i], {}});
                ++i;
                continue;
            }
            // A script is written right after its base: the character (or fraction) before it.
            std::size_t j = i;
            while (j < e && m_atoms[j].format.position == position) ++j;
            std::vector<Unit> base;
            if (!units.empty()) {
                base.push_back(std::move(units.back()));
                units.pop_back();
            }
            std::vector<Unit> script;
            for (std::size_t k = i; k < j; ++k) script.push_back({&m_atoms[k], {}});
            const bool sub = position == VerticalPosition::kSubscript;
            std::string xml = sub ? "<m:sSub><m:e>" : "<m:sSup><m:e>";
            xml += Join(base);
            xml += sub ? "</m:e><m:sub>" : "</m:e><m:sup>";
            xml += Join(script);
            xml += sub ? "</m:sub></m:sSub>" : "</m:sup></m:sSup>";
            units.push_back({nullptr, std::move(xml)});
            i = j;
        }
        return Join(units);
    }

    // The units in order, neighbouring characters of one format in one run.
    static std::string Join(const std::vector<Unit>& units) {
        std::string out;
        for (std::size_t i = 0; i < units.size();) {
            if (!units[i].atom) {
                out += units[i++].xml;
                continue;
            }
            const FormulaAtom& first = *units[i].atom;
            std::string text;
            std::size_t j = i;
            for (; j < units.size() && units[j].atom; ++j) {
                const FormulaAtom& a = *units[j].atom;
                if (!(a.format == first.format && a.font == first.font)) break;
                text += a.ch;
            }
            Run(out, first, text);
            i = j;
        }
        return out;
    }

    static void Run(std::string& out, const FormulaAtom& a, const std::string& text) {
        const CharFormat& f = a.format;
        // The style says how letters look: upright (p) or italic (i), each also bold.
        const char* style = f.bold ? (f.italic ? "bi" : "b") : (f.italic ? "i" : "p");
        out += Format("<m:r><m:rPr><m:sty m:val=\"%s\"/></m:rPr><w:rPr>", style);
        const std::string& font = a.font.empty() ? std::string("Cambria Math") : a.font;
        out += "<w:rFonts w:ascii=\"";
        XmlEscape(out, font);
        out += "\" w:hAnsi=\"";
        XmlEscape(out, font);
        out += "\"/>";
        if (f.color) out += Format("<w:color w:val=\"%06X\"/>", *f.color & 0xFFFFFFu);
        long halfPoints = std::isfinite(f.size) ? std::lround(f.size * 2) : 21;
        if (halfPoints < 2) halfPoints = 2;
        if (halfPoints > 3276) halfPoints = 3276;
        out += Format("<w:sz w:val=\"%ld\"/><w:szCs w:val=\"%ld\"/></w:rPr>", halfPoints, halfPoints);
        out += "<m:t xml:space=\"preserve\">";
        XmlEscape(out, text);
        out += "</m:t></m:r>";
    }

    std::vector<FormulaAtom> m_atoms;
};

}  // namespace

void AppendOfficeMath(std::string& out, const Field& field) {
    out += "<m:oMath>";
    out += MathEmitter(FormulaAtoms(field.code)).Formula();
    out += "</m:oMath>";
}

}  // namespace wall
