// The report writer's text operations: typing, markup, equations, headings, echo, saving.
#include "report/ReportWriter.h"

#include <cstdlib>
#include <utility>

#include "report/DocxWriter.h"
#include "report/Markup.h"
#include "report/SymbolFont.h"
#include "text/Gbk.h"
#include "text/Utf8Text.h"

namespace wall {
namespace {

constexpr int kBannerWidth = 67;

std::string Trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == s.npos) return {};
    std::size_t e = s.find_last_not_of(" \t");
    return std::string(s.substr(b, e - b + 1));
}

// Whether a base or script value names a symbol character rather than text. The bands differ
// between equations and running text, and in running text between sub- and superscripts.
bool BaseIsSymbol(int v, bool equation, bool subscript) {
    int upper = (!equation && subscript) ? 13 : 10;
    return v > upper || v < -100;
}
bool ScriptIsSymbol(int v, bool equation, bool subscript) {
    int upper = (!equation && subscript) ? 13 : 10;
    return v >= upper || v <= -100;
}

}  // namespace

ReportWriter::ReportWriter(HostServices& host) : m_host(host), m_doc(NewBlankDocument()) {}

void ReportWriter::Echo(std::string_view text) {
    m_host.TextOut(std::string(text));
}

std::vector<Paragraph>& ReportWriter::CurrentStory() {
    if (m_story == Story::kHeader) {
        if (m_doc.header.empty()) m_doc.header.push_back(Paragraph{Alignment::kCenter, {}, {}});
        return m_doc.header;
    }
    if (m_story == Story::kFooter) {
        if (m_doc.footer.empty()) m_doc.footer.push_back(Paragraph{});
        return m_doc.footer;
    }
    auto& table = std::get<Table>(m_doc.body[m_tableBlock]);
    return table.rows[m_row].cells[m_column].paragraphs;
}

Paragraph& ReportWriter::CurrentParagraph() {
    if (m_story == Story::kMain && !m_inTable) return std::get<Paragraph>(m_doc.body.back());
    return CurrentStory().back();
}

void ReportWriter::Append(Inline item) {
    if (m_openField) {
        if (auto* t = std::get_if<TextRun>(&item)) {
            if (!m_openField->code.empty()) {
                if (auto* last = std::get_if<TextRun>(&m_openField->code.back());
                    last && last->format == t->format) {
                    last->text += t->text;
                    return;
                }
            }
            m_openField->code.emplace_back(std::move(*t));
        } else if (auto* s = std::get_if<SymbolRun>(&item)) {
            m_openField->code.emplace_back(std::move(*s));
        }
        return;
    }
    auto& content = CurrentParagraph().content;
    if (auto* t = std::get_if<TextRun>(&item); t && !content.empty()) {
        if (auto* last = std::get_if<TextRun>(&content.back()); last && last->format == t->format) {
            last->text += t->text;
            return;
        }
    }
    content.push_back(std::move(item));
}

void ReportWriter::TypeParagraph() {
    if (m_openField) return;  // a field code has no paragraphs
    Paragraph next;
    next.alignment = CurrentParagraph().alignment;
    next.rule = CurrentParagraph().rule;
    if (m_story == Story::kMain && !m_inTable) {
        m_doc.body.emplace_back(std::move(next));
    } else {
        CurrentStory().push_back(std::move(next));
    }
}

void ReportWriter::TypeText(std::string_view raw) {
    std::string text = CleanUtf8(raw);
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t brk = text.find_first_of("\r\n", pos);
        std::string_view piece = std::string_view(text).substr(pos, brk == text.npos ? text.npos : brk - pos);
        if (!piece.empty()) Append(TextRun{std::string(piece), m_format});
        if (brk == text.npos) break;
        if (m_openField) {
            Append(TextRun{" ", m_format});
        } else {
            TypeParagraph();
        }
        // "\r\n" is one paragraph mark.
        pos = brk + ((text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n') ? 2 : 1);
    }
}

void ReportWriter::AppendSymbolCode(const std::string& font, char32_t code) {
    SymbolRun s;
    s.font = font;
    s.code = code;
    s.format = m_format;
    Append(std::move(s));
}

void ReportWriter::InsertSymbol(int n, std::string_view fontName, bool unicode) {
    std::string font = fontName.empty() ? std::string("Symbol") : std::string(fontName);
    // Negative numbers are the word processor's signed 16-bit form of codes above 0x7FFF.
    if (n < 0 && n >= -32768) n &= 0xFFFF;
    if (IsSymbolFont(font)) {
        if (n >= 0 && n <= 0xFF) {
            AppendSymbolCode(font, 0xF000 + static_cast<char32_t>(n));
            return;
        }
        if (n >= 0xF000 && n <= 0xF0FF) {
            AppendSymbolCode(font, static_cast<char32_t>(n));
            return;
        }
    }
    std::string text;
    if (!unicode && n > 0xFF && n <= 0xFFFF) {
        const char gbk[2] = {static_cast<char>(n >> 8), static_cast<char>(n & 0xFF)};
        text = GbkToUtf8(std::string_view(gbk, 2));
    } else if (n >= 0x20 && n <= 0x10FFFF) {
        AppendUtf8(text, static_cast<char32_t>(n));
    } else {
        AppendUtf8(text, 0xFFFD);  // no printable character has this number
    }
    CharFormat saved = m_format;
    m_format.font = font;
    Append(TextRun{CleanUtf8(text), m_format});
    m_format = saved;
}

void ReportWriter::ResetCharFormat() {
    m_format.bold = false;
    m_format.underline = false;
    m_format.size = 10.5f;
    m_format.position = VerticalPosition::kBaseline;
    m_format.color.reset();
}

void ReportWriter::WriteScriptPart(std::string_view text, int symbol, bool isSymbol) {
    if (isSymbol) {
        InsertSymbol(symbol, "Symbol", true);
    } else {
        TypeText(text);
    }
}

void ReportWriter::WriteScriptedImpl(Script script, BaseStyle style, std::string_view baseText,
                                     int baseSymbol, bool baseIsSymbol, std::string_view scriptText,
                                     int scriptSymbol, bool scriptIsSymbol) {
    const bool italic = style == BaseStyle::kItalic;
    m_format.position = VerticalPosition::kBaseline;
    if (italic)
        m_format.italic = true;
    else
        m_format.italic = false;
    WriteScriptPart(baseText, baseSymbol, baseIsSymbol);
    if (italic) m_format.italic = false;
    m_format.position =
        script == Script::kSub ? VerticalPosition::kSubscript : VerticalPosition::kSuperscript;
    WriteScriptPart(scriptText, scriptSymbol, scriptIsSymbol);
    m_format.position = VerticalPosition::kBaseline;
}

void ReportWriter::WriteScripted(Script script, BaseStyle style, std::string_view base,
                                 std::string_view scriptText) {
    WriteScriptedImpl(script, style, base, 0, false, scriptText, 0, false);
}
void ReportWriter::WriteScripted(Script script, BaseStyle style, int baseSymbol,
                                 std::string_view scriptText) {
    WriteScriptedImpl(script, style, {}, baseSymbol, true, scriptText, 0, false);
}
void ReportWriter::WriteScripted(Script script, BaseStyle style, std::string_view base, int scriptSymbol) {
    WriteScriptedImpl(script, style, base, 0, false, {}, scriptSymbol, true);
}
void ReportWriter::WriteScripted(Script script, BaseStyle style, int baseSymbol, int scriptSymbol) {
    WriteScriptedImpl(script, style, {}, baseSymbol, true, {}, scriptSymbol, true);
}

// Types a normalised text, rendering its keywords through the scripted members.
void ReportWriter::WriteMarkup(std::string_view normalised, bool equation) {
    for (const MarkupToken& t : ParseMarkup(normalised)) {
        if (t.kind == MarkupKind::kText) {
            TypeText(t.text);
            continue;
        }
        if (t.kind == MarkupKind::kSymbol) {
            int number = t.symbolArgs.empty() ? 0 : MarkupNumber(t.symbolArgs[0]);
            if (equation) {
                InsertSymbol(number, "Symbol", true);
                continue;
            }
            std::string font = t.symbolArgs.size() > 1 ? Trim(t.symbolArgs[1]) : std::string();
            bool unicode = true;
            if (t.symbolArgs.size() > 2) unicode = std::strtol(t.symbolArgs[2].c_str(), nullptr, 10) != 0;
            InsertSymbol(number, font.empty() ? "Symbol" : font, unicode);
            continue;
        }
        const bool italic = t.kind == MarkupKind::kSubScript1 || t.kind == MarkupKind::kSupScript1;
        const bool sub = t.kind == MarkupKind::kSubScript1 || t.kind == MarkupKind::kSubScript;
        if (t.hasNestedSymbol) {
            if (italic) m_format.italic = true;
            InsertSymbol(MarkupNumber(t.nestedSymbol), "Symbol", true);
            if (italic) m_format.italic = false;
        }
        const Script script = sub ? Script::kSub : Script::kSuper;
        const BaseStyle style = italic ? BaseStyle::kItalic : BaseStyle::kUpright;
        const int baseValue = MarkupNumber(t.base);
        const int scriptValue = MarkupNumber(t.script);
        const bool baseSym = BaseIsSymbol(baseValue, equation, sub);
        const bool scriptSym = ScriptIsSymbol(scriptValue, equation, sub);
        if (baseSym && scriptSym)
            WriteScripted(script, style, baseValue, scriptValue);
        else if (baseSym)
            WriteScripted(script, style, baseValue, std::string_view(t.script));
        else if (scriptSym)
            WriteScripted(script, style, std::string_view(t.base), scriptValue);
        else
            WriteScripted(script, style, std::string_view(t.base), std::string_view(t.script));
    }
}

void ReportWriter::WriteText(std::string_view text) {
    if (m_echoMode == 2) Echo(StripMarkup(text));
    m_format.italic = false;
    std::string normalised(text);
    NormaliseMarkup(normalised);
    if (normalised.find("WriteZelq") == std::string::npos) {
        TypeText(normalised);
        return;
    }
    WriteMarkup(normalised, false);
    ResetCharFormat();
}

void ReportWriter::WriteEquation(std::string_view fieldCode) {
    std::string normalised(fieldCode);
    NormaliseMarkup(normalised);
    if (m_openField) return;  // no field inside a field code
    Append(Field{});
    auto& content = CurrentParagraph().content;
    m_openField = &std::get<Field>(content.back());
    const bool keywords = normalised.find("WriteZelq") != std::string::npos;
    WriteMarkup(normalised, true);
    m_openField = nullptr;
    // Writing continues right after the field, in the story and cell it was written in.
    if (keywords) ResetCharFormat();
}

void ReportWriter::WriteSectionHeading(std::string_view number, std::string_view title) {
    if (number == "一") {
        m_echoMode = 2;
        std::string bannerTitle = m_title;
        for (std::size_t p; (p = bannerTitle.find("计算书")) != std::string::npos;) bannerTitle.erase(p, 9);
        bannerTitle = Trim(bannerTitle);
        const std::string stars(kBannerWidth, '*');
        Echo(stars);
        Echo("\n");
        const long spaces = (kBannerWidth - static_cast<long>(GbkLength(bannerTitle))) / 2;
        for (long i = 0; i < spaces; ++i) Echo(" ");
        Echo(bannerTitle);
        Echo("\n");
        Echo(stars);
        Echo("\n");
        Echo("\r\n");
    } else if (number == "二") {
        m_echoMode = 1;
    }
    const float size = m_format.size;
    if (!number.empty()) {
        m_format.size = 14;
        TypeText(number);
        InsertSymbol(12289, "宋体", true);
    }
    m_format.size = 14;
    TypeText(title);
    m_format.size = 14;
    TypeParagraph();
    m_format.size = size;
}

void ReportWriter::WriteResultMessage() {
    if (m_savedPath.empty()) {
        m_resultMessagePending = true;
        return;
    }
    m_host.TextOut("\n生成详细结果文档：【" + m_savedPath.string() + "】");
}

std::string ReportWriter::Caption() const {
    return m_savedPath.empty() ? m_title : m_savedPath.stem().string();
}

ReportSaveResult ReportWriter::Save(const ReportTarget& target) {
    std::vector<uint8_t> bytes;
    std::string error;
    DocxOptions options;
    options.equations = m_config.equations;
    options.title = m_title;
    options.creator = m_config.organisation;
    if (!WriteDocx(m_doc, bytes, &error, options)) {
        ReportSaveResult r;
        r.path = target.file.empty() ? target.folder : target.file;
        r.message = "无法保存计算书 " + r.path.string() + "：" + error;
        return r;
    }
    ReportSaveResult r = SaveReportBytes(target, m_title, bytes);
    if (r.ok) {
        m_savedPath = r.path;
        if (m_resultMessagePending) {
            m_resultMessagePending = false;
            WriteResultMessage();
        }
    }
    return r;
}

std::string ReportWriter::PlainText() const {
    return wall::PlainText(m_doc);
}

}  // namespace wall
