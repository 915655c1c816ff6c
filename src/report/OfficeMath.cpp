// Office Math for an equation field: its code read as characters, fractions and scripts.
#include "report/OfficeMath.h"

#include <cmath>
#include <cstdio>

#include "report/DocxXml.h"
#include "report/SymbolFont.h"
#include "report/Utf8Text.h"
#include "text/Format.h"

namespace wall {
namespace {

// One character of the code with its format. A symbol's character is its Unicode equivalent; one
// without a known equivalent keeps its private-use code and names its font.
struct Atom {
    std::string ch;  // one UTF-8 character
    std::string font;
    CharFormat format;
    bool isText = true;  // typed text, not a symbol: only text makes up \F, brackets and commas
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
            const auto b = static_cast<unsigned char>(t.text[i]);
            const std::size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
            Atom a;
            a.ch = t.text.substr(i, len);
            if (a.ch == "\t" || a.ch == "\v") a.ch = " ";  // no tabs or breaks inside a formula
            a.format = t.format;
            atoms.push_back(std::move(a));
            i += len;
        }
    }
    return atoms;
}

// A piece of a formula: one character still to be joined with its neighbours into a run, or
// finished XML (a fraction or a script with its base).
struct Unit {
    const Atom* atom = nullptr;
    std::string xml;
};

class MathEmitter {
  public:
    explicit MathEmitter(std::vector<Atom> atoms) : m_atoms(std::move(atoms)) {}

    std::string Formula() {
        std::size_t b = SkipSpaces(0, m_atoms.size());
        // The EQ keyword names the field; the formula is what follows it.
        if (b + 1 < m_atoms.size() && m_atoms[b].IsLetter('E') && m_atoms[b + 1].IsLetter('Q') &&
            (b + 2 == m_atoms.size() || m_atoms[b + 2].Is(' ') || m_atoms[b + 2].Is('\\')))
            b += 2;
        return Sequence(b, m_atoms.size());
    }

  private:
    std::size_t SkipSpaces(std::size_t b, std::size_t e) const {
        while (b < e && m_atoms[b].Is(' ')) ++b;
        return b;
    }

    // Whether a fraction \F(num,den) starts at i and ends before e: its "(", top-level "," and ")".
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

    // The formula of atoms [b, e), blanks at both ends left out.
    std::string Sequence(std::size_t b, std::size_t e) {
        b = SkipSpaces(b, e);
        while (e > b && m_atoms[e - 1].Is(' ')) --e;
        std::vector<Unit> units;
        for (std::size_t i = b; i < e;) {
            std::size_t open = 0, comma = 0, close = 0;
            if (FractionAt(i, e, open, comma, close)) {
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
            const Atom& first = *units[i].atom;
            std::string text;
            std::size_t j = i;
            for (; j < units.size() && units[j].atom; ++j) {
                const Atom& a = *units[j].atom;
                if (!(a.format == first.format && a.font == first.font)) break;
                text += a.ch;
            }
            Run(out, first, text);
            i = j;
        }
        return out;
    }

    static void Run(std::string& out, const Atom& a, const std::string& text) {
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

    std::vector<Atom> m_atoms;
};

}  // namespace

void AppendOfficeMath(std::string& out, const Field& field) {
    out += "<m:oMath>";
    out += MathEmitter(Atoms(field.code)).Formula();
    out += "</m:oMath>";
}

}  // namespace wall
