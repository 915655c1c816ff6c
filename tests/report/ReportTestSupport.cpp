// The compact run notation of the report tests.
#include "ReportTestSupport.h"

#include <cstdio>

namespace wall::test {
namespace {

std::string Wrap(std::string s, const CharFormat& f) {
    if (f.italic) s = "/" + s + "/";
    if (f.position == VerticalPosition::kSubscript) s = "_{" + s + "}";
    if (f.position == VerticalPosition::kSuperscript) s = "^{" + s + "}";
    return s;
}

std::string One(const TextRun& t) {
    return Wrap((t.format.font.empty() ? "" : "<" + t.format.font + ">") + t.text, t.format);
}

std::string One(const SymbolRun& s) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(s.code));
    return Wrap("{" + s.font + ":" + hex + "}", s.format);
}

}  // namespace

std::string Describe(const std::vector<CodeRun>& runs) {
    std::string out;
    for (const CodeRun& r : runs) {
        if (const auto* t = std::get_if<TextRun>(&r))
            out += One(*t);
        else
            out += One(std::get<SymbolRun>(r));
    }
    return out;
}

std::string Describe(const Paragraph& p) {
    std::string out;
    for (const Inline& item : p.content) {
        if (const auto* t = std::get_if<TextRun>(&item))
            out += One(*t);
        else if (const auto* s = std::get_if<SymbolRun>(&item))
            out += One(*s);
        else if (const auto* f = std::get_if<Field>(&item))
            out += "[" + Describe(f->code) + "]";
        else if (const auto* pf = std::get_if<PageField>(&item))
            out += pf->kind == PageFieldKind::kPage ? "[PAGE]" : "[NUMPAGES]";
        else
            out += "[pic]";
    }
    return out;
}

const Paragraph& LastWrittenParagraph(const Document& doc) {
    const auto& last = std::get<Paragraph>(doc.body.back());
    if (last.content.empty() && doc.body.size() > 1) {
        if (const auto* p = std::get_if<Paragraph>(&doc.body[doc.body.size() - 2])) return *p;
    }
    return last;
}

}  // namespace wall::test
