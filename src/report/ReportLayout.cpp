// The report writer's layout operations: title block, page set-up, header and footer, tables, pictures.
#include <cmath>

#include "report/ReportWriter.h"

namespace wall {
namespace {

constexpr const char* kIdentificationLine1 =
    "公司名称_______________项目名称_______________构件编号_______________\n";
constexpr const char* kIdentificationLine2 =
    "设 计 人_______________校 对 人_______________日    期_______________\n";
// The signatures a calculation needs before it is issued: checked, and approved.
constexpr const char* kIdentificationLine3 =
    "审 核 人_______________审 定 人_______________日    期_______________\n";

// More cells than any report table needs; a larger request is a caller's mistake.
constexpr long kMaxTableCells = 100000;

// Text width of the page, shared out when a caller gives fewer widths than columns.
constexpr float kTextWidth = 593.5f - 2 * 89.85f;

}  // namespace

Document NewBlankDocument() {
    Document doc;
    doc.body.emplace_back(Paragraph{});
    return doc;
}

void ReportWriter::NewDocument() {
    m_doc = NewBlankDocument();
    m_story = Story::kMain;
    m_inTable = false;
    m_openField = nullptr;
    m_savedPath.clear();
    m_resultMessagePending = false;
}

void ReportWriter::Generate() {
    WriteTitleBlock();
}

void ReportWriter::ApplyPageSetup() {
    m_doc.page = PageSetup{};
}

void ReportWriter::SetHeaderFooterRule(int header) {
    CurrentParagraph().rule = header ? ParagraphRule::kBelow : ParagraphRule::kAbove;
}

void ReportWriter::SeekView(Story story) {
    if (m_openField) return;
    m_story = story;
}

void ReportWriter::WriteTitleBlock() {
    SeekView(Story::kMain);
    TypeText(m_title);
    TypeParagraph();
    auto& first = std::get<Paragraph>(m_doc.body.front());
    first.alignment = Alignment::kCenter;
    for (Inline& item : first.content) {
        if (auto* t = std::get_if<TextRun>(&item)) {
            t->format.bold = true;
            t->format.font = "楷体_GB2312";
            t->format.size = 24;
        }
    }
    ApplyPageSetup();
    TypeParagraph();
    TypeText(kIdentificationLine1);
    TypeParagraph();
    TypeText(kIdentificationLine2);
    TypeParagraph();
    TypeText(kIdentificationLine3);
    TypeParagraph();

    // Header and footer text in the word processor's header size (9 pt); the main text's format
    // is restored afterwards.
    const CharFormat mainFormat = m_format;
    m_format = CharFormat{};
    m_format.size = 9;
    SeekView(Story::kHeader);
    SetHeaderFooterRule(1);
    TypeText(HeaderBanner(m_config));
    SeekView(Story::kFooter);
    SetHeaderFooterRule(0);
    // One paragraph with a line break, so the rule stays above the first line only.
    TypeText(FooterLine1(m_config) + "\v" + FooterLine2(m_config));
    // Under them the page number, centred: "第 N 页 共 M 页".
    TypeParagraph();
    CurrentParagraph().rule = ParagraphRule::kNone;
    CurrentParagraph().alignment = Alignment::kCenter;
    TypeText("第 ");
    Append(PageField{PageFieldKind::kPage, m_format});
    TypeText(" 页 共 ");
    Append(PageField{PageFieldKind::kNumPages, m_format});
    TypeText(" 页");
    SeekView(Story::kMain);
    m_format = mainFormat;
}

void ReportWriter::AddTable(int rows, int columns, std::span<const float> widths) {
    AddTable(rows, columns, widths, 0);
}

void ReportWriter::AddTable(int rows, int columns, std::span<const float> widths, int format) {
    if (m_openField || rows < 1 || columns < 1 || static_cast<long>(rows) * columns > kMaxTableCells) return;
    m_story = Story::kMain;
    m_inTable = false;
    auto& last = std::get<Paragraph>(m_doc.body.back());
    last.alignment = Alignment::kCenter;
    Table table;
    table.format = format;
    table.style = format == 0 ? TableStyle::kBorderless : TableStyle::kRuled;
    table.rows.resize(static_cast<std::size_t>(rows));
    for (TableRow& row : table.rows) {
        row.cells.resize(static_cast<std::size_t>(columns));
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            float w = c < widths.size() ? widths[c] : kTextWidth / static_cast<float>(columns);
            if (!std::isfinite(w) || w < 0) w = 0;
            row.cells[c].widthPt = w;
            row.cells[c].paragraphs.push_back(Paragraph{Alignment::kCenter, ParagraphRule::kNone, {}});
        }
    }
    // The table takes the place of an empty last paragraph, which then follows it; after a
    // paragraph with text it comes next, followed by a new empty paragraph.
    if (last.content.empty()) {
        m_doc.body.insert(m_doc.body.end() - 1, std::move(table));
        m_tableBlock = m_doc.body.size() - 2;
    } else {
        Paragraph after{last.alignment, ParagraphRule::kNone, {}};
        m_doc.body.emplace_back(std::move(table));
        m_tableBlock = m_doc.body.size() - 1;
        m_doc.body.emplace_back(std::move(after));
    }
    m_inTable = true;
    m_row = 0;
    m_column = 0;
    m_echoRows = rows;
    m_echoColumns = columns;
    m_echoCell = 0;
}

void ReportWriter::AddLayoutTable(int rows, float width1, float width2) {
    const float widths[2] = {width1, width2};
    AddTable(rows, 2, widths);
    if (!m_inTable) return;
    for (TableRow& row : std::get<Table>(m_doc.body[m_tableBlock]).rows)
        for (TableCell& cell : row.cells) cell.verticalAlignment = CellAlignment::kCenter;
}

void ReportWriter::NextCell(int alignment) {
    if (m_openField) return;
    if (m_inTable && m_story == Story::kMain) {
        auto& table = std::get<Table>(m_doc.body[m_tableBlock]);
        if (++m_column >= table.rows[m_row].cells.size()) {
            m_column = 0;
            if (++m_row >= table.rows.size()) {
                // Past the last cell the table grows by a row, as the Tab key does.
                TableRow row = table.rows.back();
                for (TableCell& cell : row.cells)
                    cell.paragraphs.assign(1, Paragraph{Alignment::kCenter, ParagraphRule::kNone, {}});
                table.rows.push_back(std::move(row));
            }
        }
        if (m_echoMode == 2) {
            if (++m_echoCell < m_echoColumns) {
                Echo("    ");
            } else {
                m_echoCell = 0;
                Echo("\r\n");
            }
        }
    }
    SetAlignment(alignment);
}

void ReportWriter::LeaveTable() {
    if (m_openField) return;
    if (m_echoMode == 2) Echo("\r\n\r\n");
    m_story = Story::kMain;
    m_inTable = false;
}

void ReportWriter::SetAlignment(int alignment) {
    if (alignment < 0 || alignment > 3) return;
    CurrentParagraph().alignment = static_cast<Alignment>(alignment);
}

void ReportWriter::PastePicture(const Picture& picture) {
    if (m_openField || picture.bytes.empty()) return;
    auto sane = [](double v) { return std::isfinite(v) && v > 0 && v < 1e5; };
    if (!sane(picture.widthPt) || !sane(picture.heightPt)) return;
    Append(picture);
}

}  // namespace wall
