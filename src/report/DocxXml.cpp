// Office Open XML for the report: paragraphs, runs, symbols, fields, tables, pictures, page set-up.
#include "report/DocxXml.h"

#include <cmath>
#include <cstdio>

#include "report/FieldResult.h"
#include "report/OfficeMath.h"
#include "text/Format.h"

namespace wall {
namespace {

constexpr const char* kNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";
constexpr const char* kMathNamespace =
    " xmlns:m=\"http://schemas.openxmlformats.org/officeDocument/2006/math\"";

constexpr const char* kXmlDecl = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

long Twips(double pt) {
    return std::lround(pt * 20);
}
long Emu(double pt) {
    return std::lround(pt * 12700);
}

void RunProperties(std::string& out, const CharFormat& f, const std::string& fontOverride = {}) {
    out += "<w:rPr>";
    const std::string& font = fontOverride.empty() ? f.font : fontOverride;
    if (!font.empty()) {
        out += "<w:rFonts w:ascii=\"";
        XmlEscape(out, font);
        out += "\" w:hAnsi=\"";
        XmlEscape(out, font);
        out += "\" w:eastAsia=\"";
        XmlEscape(out, font);
        out += "\" w:cs=\"";
        XmlEscape(out, font);
        out += "\"/>";
    }
    if (f.bold) out += "<w:b/><w:bCs/>";
    if (f.italic) out += "<w:i/><w:iCs/>";
    if (f.color) out += Format("<w:color w:val=\"%06X\"/>", *f.color & 0xFFFFFFu);
    long halfPoints = std::isfinite(f.size) ? std::lround(f.size * 2) : 21;
    if (halfPoints < 2) halfPoints = 2;
    if (halfPoints > 3276) halfPoints = 3276;
    out += Format("<w:sz w:val=\"%ld\"/><w:szCs w:val=\"%ld\"/>", halfPoints, halfPoints);
    if (f.underline) out += "<w:u w:val=\"single\"/>";
    if (f.position == VerticalPosition::kSubscript) out += "<w:vertAlign w:val=\"subscript\"/>";
    if (f.position == VerticalPosition::kSuperscript) out += "<w:vertAlign w:val=\"superscript\"/>";
    out += "</w:rPr>";
}

// Text with tabs and manual line breaks, inside one run.
void RunText(std::string& out, std::string_view text, const char* element) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t brk = text.find_first_of("\t\v", pos);
        std::string_view piece = text.substr(pos, brk == text.npos ? text.npos : brk - pos);
        if (!piece.empty()) {
            out += "<w:";
            out += element;
            out += " xml:space=\"preserve\">";
            XmlEscape(out, piece);
            out += "</w:";
            out += element;
            out += ">";
        }
        if (brk == text.npos) break;
        out += text[brk] == '\t' ? "<w:tab/>" : "<w:br/>";
        pos = brk + 1;
    }
}

void TextRunXml(std::string& out, const TextRun& t, const char* element = "t") {
    if (t.text.empty()) return;
    out += "<w:r>";
    RunProperties(out, t.format);
    RunText(out, t.text, element);
    out += "</w:r>";
}

void SymbolRunXml(std::string& out, const SymbolRun& s) {
    out += "<w:r>";
    RunProperties(out, s.format);
    out += "<w:sym w:font=\"";
    XmlEscape(out, s.font);
    out += Format("\" w:char=\"%04X\"/>", static_cast<unsigned>(s.code));
    out += "</w:r>";
}

void CodeRunXml(std::string& out, const CodeRun& run, const char* element) {
    if (const auto* t = std::get_if<TextRun>(&run))
        TextRunXml(out, *t, element);
    else
        SymbolRunXml(out, std::get<SymbolRun>(run));
}

void FieldCharXml(std::string& out, const CharFormat& f, const char* type) {
    out += "<w:r>";
    RunProperties(out, f);
    out += "<w:fldChar w:fldCharType=\"";
    out += type;
    out += "\"/></w:r>";
}

void FieldXml(std::string& out, const Field& field) {
    CharFormat f;
    if (!field.code.empty()) std::visit([&](const auto& r) { f = r.format; }, field.code.front());
    f.position = VerticalPosition::kBaseline;
    FieldCharXml(out, f, "begin");
    for (const CodeRun& r : field.code) CodeRunXml(out, r, "instrText");
    FieldCharXml(out, f, "separate");
    for (const CodeRun& r : FieldResultRuns(field)) CodeRunXml(out, r, "t");
    FieldCharXml(out, f, "end");
}

// PAGE shows 1 until the word processor lays the pages out; NUMPAGES the estimated count.
void PageFieldXml(std::string& out, const PageField& field, int pageCount) {
    const bool total = field.kind == PageFieldKind::kNumPages;
    out += total ? "<w:fldSimple w:instr=\" NUMPAGES \">" : "<w:fldSimple w:instr=\" PAGE \">";
    TextRunXml(out, TextRun{total ? std::to_string(pageCount) : "1", field.format});
    out += "</w:fldSimple>";
}

void PictureXml(std::string& out, const MediaPart& media, int id) {
    const Picture& p = *media.picture;
    const long cx = Emu(p.widthPt), cy = Emu(p.heightPt);
    out += "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">";
    out += Format("<wp:extent cx=\"%ld\" cy=\"%ld\"/>", cx, cy);
    out += "<wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/>";
    out += Format("<wp:docPr id=\"%d\" name=\"图片 %d\"/>", id, id);
    out += "<wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/></wp:cNvGraphicFramePr>";
    out += "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">";
    out += Format("<pic:pic><pic:nvPicPr><pic:cNvPr id=\"%d\" name=\"%s\"/><pic:cNvPicPr/></pic:nvPicPr>", id,
                  media.name.c_str());
    out += "<pic:blipFill><a:blip r:embed=\"" + media.relId +
           "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>";
    out += Format(
        "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"%ld\" cy=\"%ld\"/></a:xfrm>"
        "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr></pic:pic>",
        cx, cy);
    out += "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
}

const char* AlignmentValue(Alignment a) {
    switch (a) {
        case Alignment::kCenter:
            return "center";
        case Alignment::kRight:
            return "right";
        case Alignment::kJustify:
            return "both";
        default:
            return "left";
    }
}

// Emits the document's parts in order; pictures are numbered as they come.
struct Emitter {
    const std::vector<MediaPart>* media = nullptr;
    EquationStyle equations = EquationStyle::kOfficeMath;
    int pageCount = 1;
    std::size_t nextPicture = 0;
    std::string out;

    // keepNext: the paragraph stays on the page of the one that follows it.
    void Paragraph(const wall::Paragraph& p, bool keepNext = false) {
        out += "<w:p><w:pPr>";
        if (keepNext || p.keepWithNext) out += "<w:keepNext/>";
        if (p.rule == ParagraphRule::kBelow) {
            out +=
                "<w:pBdr><w:bottom w:val=\"single\" w:sz=\"6\" w:space=\"1\" w:color=\"000000\"/></w:pBdr>";
        } else if (p.rule == ParagraphRule::kAbove) {
            out += "<w:pBdr><w:top w:val=\"single\" w:sz=\"6\" w:space=\"1\" w:color=\"000000\"/></w:pBdr>";
        }
        out += "<w:jc w:val=\"";
        out += AlignmentValue(p.alignment);
        out += "\"/></w:pPr>";
        for (const Inline& item : p.content) {
            if (const auto* t = std::get_if<TextRun>(&item))
                TextRunXml(out, *t);
            else if (const auto* s = std::get_if<SymbolRun>(&item))
                SymbolRunXml(out, *s);
            else if (const auto* f = std::get_if<Field>(&item)) {
                if (equations == EquationStyle::kOfficeMath)
                    AppendOfficeMath(out, *f);
                else
                    FieldXml(out, *f);
            } else if (const auto* pf = std::get_if<PageField>(&item))
                PageFieldXml(out, *pf, pageCount);
            else if (media && nextPicture < media->size()) {
                PictureXml(out, (*media)[nextPicture], static_cast<int>(nextPicture + 1));
                ++nextPicture;
            }
        }
        out += "</w:p>";
    }

    void Table(const wall::Table& t) {
        const bool ruled = t.style == TableStyle::kRuled;
        const auto& firstRow = t.rows.front().cells;
        long total = 0;
        for (const TableCell& c : firstRow) total += Twips(c.widthPt);
        out += "<w:tbl><w:tblPr>";
        if (ruled) out += "<w:tblStyle w:val=\"ReportRuledTable\"/>";
        out += Format("<w:tblW w:w=\"%ld\" w:type=\"dxa\"/><w:jc w:val=\"center\"/>", total);
        if (ruled) {
            out +=
                "<w:tblBorders><w:top w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
                "<w:left w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
                "<w:bottom w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
                "<w:right w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
                "<w:insideH w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
                "<w:insideV w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/></w:tblBorders>";
        } else {
            out +=
                "<w:tblBorders><w:top w:val=\"nil\"/><w:left w:val=\"nil\"/><w:bottom w:val=\"nil\"/>"
                "<w:right w:val=\"nil\"/><w:insideH w:val=\"nil\"/><w:insideV w:val=\"nil\"/></w:tblBorders>";
        }
        out += "<w:tblLayout w:type=\"fixed\"/>";
        out +=
            "<w:tblLook w:val=\"04A0\" w:firstRow=\"1\" w:lastRow=\"0\" w:firstColumn=\"1\" "
            "w:lastColumn=\"0\""
            " w:noHBand=\"0\" w:noVBand=\"1\"/></w:tblPr><w:tblGrid>";
        for (const TableCell& c : firstRow) out += Format("<w:gridCol w:w=\"%ld\"/>", Twips(c.widthPt));
        out += "</w:tblGrid>";
        // Rows are never split across pages. The first row of a ruled table is its heading: it is
        // repeated on every page the table runs onto and never left alone at the foot of a page.
        const bool heading = ruled && t.rows.size() > 1;
        for (std::size_t r = 0; r < t.rows.size(); ++r) {
            const TableRow& row = t.rows[r];
            const bool headingRow = heading && r == 0;
            out += headingRow ? "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"
                              : "<w:tr><w:trPr><w:cantSplit/></w:trPr>";
            for (const TableCell& cell : row.cells) {
                out += Format("<w:tc><w:tcPr><w:tcW w:w=\"%ld\" w:type=\"dxa\"/>", Twips(cell.widthPt));
                if (cell.verticalAlignment == CellAlignment::kCenter) out += "<w:vAlign w:val=\"center\"/>";
                if (cell.verticalAlignment == CellAlignment::kBottom) out += "<w:vAlign w:val=\"bottom\"/>";
                out += "</w:tcPr>";
                if (cell.paragraphs.empty()) out += "<w:p/>";
                for (const wall::Paragraph& p : cell.paragraphs) Paragraph(p, headingRow);
                out += "</w:tc>";
            }
            out += "</w:tr>";
        }
        out += "</w:tbl>";
    }
};

std::string StoryPart(const char* root, const std::vector<Paragraph>& paragraphs, EquationStyle equations,
                      int pageCount) {
    Emitter e;
    e.equations = equations;
    e.pageCount = pageCount;
    e.out = kXmlDecl;
    e.out += Format("<w:%s%s%s>", root, kNamespaces,
                    equations == EquationStyle::kOfficeMath ? kMathNamespace : "");
    if (paragraphs.empty()) e.out += "<w:p/>";
    for (const Paragraph& p : paragraphs) e.Paragraph(p);
    e.out += Format("</w:%s>", root);
    return e.out;
}

const char* Extension(PictureFormat f) {
    switch (f) {
        case PictureFormat::kEmf:
            return "emf";
        case PictureFormat::kJpeg:
            return "jpeg";
        default:
            return "png";
    }
}

}  // namespace

void XmlEscape(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
}

std::vector<MediaPart> CollectMedia(const Document& doc) {
    std::vector<MediaPart> media;
    auto scan = [&](const Paragraph& p) {
        for (const Inline& item : p.content) {
            if (const auto* pic = std::get_if<Picture>(&item)) {
                MediaPart m;
                m.picture = pic;
                m.name = Format("media/image%zu.%s", media.size() + 1, Extension(pic->format));
                m.relId = Format("rIdImage%zu", media.size() + 1);
                media.push_back(std::move(m));
            }
        }
    };
    for (const Block& b : doc.body) {
        if (const auto* p = std::get_if<Paragraph>(&b)) {
            scan(*p);
            continue;
        }
        for (const TableRow& row : std::get<Table>(b).rows)
            for (const TableCell& cell : row.cells)
                for (const Paragraph& p : cell.paragraphs) scan(p);
    }
    return media;
}

std::string DocumentPartXml(const Document& doc, const std::vector<MediaPart>& media,
                            EquationStyle equations) {
    Emitter e;
    e.media = &media;
    e.equations = equations;
    e.out.reserve(4096 + doc.body.size() * 256);
    e.out = kXmlDecl;
    e.out += Format("<w:document%s%s><w:body>", kNamespaces,
                    equations == EquationStyle::kOfficeMath ? kMathNamespace : "");
    for (std::size_t i = 0; i < doc.body.size(); ++i) {
        const Block& b = doc.body[i];
        // A table's caption or lead-in stays with the table.
        const bool beforeTable = i + 1 < doc.body.size() && std::holds_alternative<Table>(doc.body[i + 1]) &&
                                 !std::get<Table>(doc.body[i + 1]).rows.empty();
        if (const auto* p = std::get_if<Paragraph>(&b))
            e.Paragraph(*p, beforeTable);
        else if (!std::get<Table>(b).rows.empty())
            e.Table(std::get<Table>(b));
    }
    const PageSetup& pg = doc.page;
    e.out += "<w:sectPr>";
    if (!doc.header.empty()) e.out += "<w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>";
    if (!doc.footer.empty()) e.out += "<w:footerReference w:type=\"default\" r:id=\"rIdFooter\"/>";
    e.out += "<w:type w:val=\"nextPage\"/>";
    e.out += Format("<w:pgSz w:w=\"%ld\" w:h=\"%ld\"/>", Twips(pg.width), Twips(pg.height));
    e.out += Format(
        "<w:pgMar w:top=\"%ld\" w:right=\"%ld\" w:bottom=\"%ld\" w:left=\"%ld\" w:header=\"%ld\" "
        "w:footer=\"%ld\" w:gutter=\"%ld\"/>",
        Twips(pg.marginTop), Twips(pg.marginRight), Twips(pg.marginBottom), Twips(pg.marginLeft),
        Twips(pg.headerDistance), Twips(pg.footerDistance), Twips(pg.gutter));
    e.out += "<w:paperSrc w:first=\"0\" w:other=\"0\"/><w:cols w:space=\"425\"/><w:vAlign w:val=\"top\"/>";
    // Line grid: the pitch of a 10.5 pt line, as a new Chinese-language document has it.
    if (pg.lineGrid) e.out += "<w:docGrid w:type=\"lines\" w:linePitch=\"312\"/>";
    e.out += "</w:sectPr></w:body></w:document>";
    return e.out;
}

std::string HeaderPartXml(const Document& doc, EquationStyle equations, int pageCount) {
    return StoryPart("hdr", doc.header, equations, pageCount);
}
std::string FooterPartXml(const Document& doc, EquationStyle equations, int pageCount) {
    return StoryPart("ftr", doc.footer, equations, pageCount);
}

std::string StylesPartXml() {
    std::string s = kXmlDecl;
    s +=
        "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
        "<w:docDefaults><w:rPrDefault><w:rPr>"
        "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" w:eastAsia=\"宋体\" "
        "w:cs=\"Times New Roman\"/><w:kern w:val=\"2\"/><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/>"
        "<w:lang w:val=\"en-US\" w:eastAsia=\"zh-CN\" w:bidi=\"ar-SA\"/></w:rPr></w:rPrDefault>"
        "<w:pPrDefault><w:pPr><w:widowControl w:val=\"0\"/></w:pPr></w:pPrDefault></w:docDefaults>"
        "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"
        "<w:qFormat/></w:style>"
        "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
        "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/></w:style>"
        "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
        "<w:semiHidden/><w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar>"
        "<w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"108\" w:type=\"dxa\"/>"
        "<w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr>"
        "</w:style>"
        // The ruled table: double outer lines, single inner lines, the first row as heading.
        "<w:style w:type=\"table\" w:styleId=\"ReportRuledTable\"><w:name w:val=\"Report Ruled Table\"/>"
        "<w:basedOn w:val=\"TableNormal\"/><w:tblPr><w:tblBorders>"
        "<w:top w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:left w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:bottom w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:right w:val=\"double\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:insideH w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "<w:insideV w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>"
        "</w:tblBorders></w:tblPr></w:style>"
        "</w:styles>";
    return s;
}

std::string SettingsPartXml(EquationStyle equations) {
    std::string s = kXmlDecl;
    s += "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
         "<w:defaultTabStop w:val=\"420\"/><w:drawingGridVerticalSpacing w:val=\"156\"/>"
         "<w:characterSpacingControl w:val=\"compressPunctuation\"/>";
    // updateFields: Word recomputes the equation fields on opening; other readers show the result
    // stored with each field. Office Math needs no recomputing.
    if (equations == EquationStyle::kField) s += "<w:updateFields w:val=\"true\"/>";
    s += "<w:compat><w:compatSetting w:name=\"compatibilityMode\" "
         "w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
         "</w:settings>";
    return s;
}

std::string ContentTypesXml(const Document& doc) {
    std::string s = kXmlDecl;
    s += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
         "<Default Extension=\"emf\" ContentType=\"image/x-emf\"/>"
         "<Default Extension=\"png\" ContentType=\"image/png\"/>"
         "<Default Extension=\"jpeg\" ContentType=\"image/jpeg\"/>"
         "<Override PartName=\"/word/document.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
         "<Override PartName=\"/word/styles.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
         "<Override PartName=\"/word/settings.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
         "<Override PartName=\"/docProps/core.xml\" "
         "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
         "<Override PartName=\"/docProps/app.xml\" "
         "ContentType=\"application/vnd.openxmlformats-officedocument.extended-properties+xml\"/>";
    if (!doc.header.empty())
        s += "<Override PartName=\"/word/header1.xml\" "
             "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml\"/>";
    if (!doc.footer.empty())
        s += "<Override PartName=\"/word/footer1.xml\" "
             "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml\"/>";
    s += "</Types>";
    return s;
}

std::string PackageRelsXml() {
    std::string s = kXmlDecl;
    s += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" "
         "Target=\"word/document.xml\"/>"
         "<Relationship Id=\"rId2\" "
         "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties\" "
         "Target=\"docProps/core.xml\"/>"
         "<Relationship Id=\"rId3\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties\" "
         "Target=\"docProps/app.xml\"/></Relationships>";
    return s;
}

std::string CorePropertiesXml(const DocxOptions& options) {
    std::string s = kXmlDecl;
    s += "<cp:coreProperties"
         " xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\""
         " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\""
         " xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\""
         " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>";
    XmlEscape(s, options.title);
    s += "</dc:title><dc:creator>";
    XmlEscape(s, options.creator);
    s += "</dc:creator></cp:coreProperties>";
    return s;
}

std::string AppPropertiesXml() {
    std::string s = kXmlDecl;
    s += "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\""
         " xmlns:vt=\"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes\">"
         "<Application>wallcalc</Application></Properties>";
    return s;
}

std::string DocumentRelsXml(const Document& doc, const std::vector<MediaPart>& media) {
    constexpr const char* kRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    std::string s = kXmlDecl;
    s += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    s += Format("<Relationship Id=\"rIdStyles\" Type=\"%sstyles\" Target=\"styles.xml\"/>", kRel);
    s += Format("<Relationship Id=\"rIdSettings\" Type=\"%ssettings\" Target=\"settings.xml\"/>", kRel);
    if (!doc.header.empty())
        s += Format("<Relationship Id=\"rIdHeader\" Type=\"%sheader\" Target=\"header1.xml\"/>", kRel);
    if (!doc.footer.empty())
        s += Format("<Relationship Id=\"rIdFooter\" Type=\"%sfooter\" Target=\"footer1.xml\"/>", kRel);
    for (const MediaPart& m : media)
        s += Format("<Relationship Id=\"%s\" Type=\"%simage\" Target=\"%s\"/>", m.relId.c_str(), kRel,
                    m.name.c_str());
    s += "</Relationships>";
    return s;
}

}  // namespace wall
