// Reading the three kinds of batch input.
#include "BatchInput.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include "Commands.h"
#include "case/CaseFields.h"
#include "case/CaseFile.h"
#include "case/CaseJson.h"
#include "case/CaseSettings.h"
#include "case/FieldTable.h"
#include "fileio/AtomicFile.h"
#include "text/Format.h"

namespace wallcalc {
namespace {

namespace fs = std::filesystem;

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// The cells of a CSV line: separated by commas, a cell in double quotes may hold commas and doubled
// quotes; blanks around an unquoted cell are dropped. Nothing when a quote is left open.
std::optional<std::vector<std::string>> CsvCells(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t i = 0;
    while (true) {
        std::string cell;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size()) return std::nullopt;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += line[i++];
            }
            while (i < line.size() && line[i] != ',') ++i;
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            cell = Trimmed(line.substr(i, end - i));
            i = end;
        }
        cells.push_back(std::move(cell));
        if (i >= line.size()) return cells;
        ++i;  // the comma
    }
}

bool Blank(std::string_view line) {
    return Trimmed(line).empty();
}

}  // namespace

BatchInput::BatchInput(const fs::path& in, BatchInputKind kind, const wall::WallCase& base,
                       const fs::path& skip)
    : m_in(in), m_kind(kind), m_base(base) {
    std::error_code ec;
    if (kind == BatchInputKind::kFolder) {
        for (fs::directory_iterator it(in, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            std::error_code typeError;
            if (name.empty() || name[0] == '.' || !it->is_regular_file(typeError)) continue;
            if (!skip.empty() && fs::equivalent(it->path(), skip, typeError)) continue;
            m_files.push_back(name);
        }
        if (ec)
            throw CommandError{"无法读取文件夹 " + in.string() + "：" +
                               wall::FileErrorText(ec.value(), wall::FileAccess::kRead)};
        std::sort(m_files.begin(), m_files.end());
        return;
    }
    m_stream.open(in, std::ios::binary);
    if (!m_stream)
        throw CommandError{"无法打开 " + in.string() + "：" +
                           wall::FileErrorText(errno, wall::FileAccess::kRead)};
    m_size = fs::file_size(in, ec);
    if (ec) m_size = 0;
    if (kind != BatchInputKind::kCsv) return;

    std::string header;
    while (NextLine(header) && Blank(header)) {
    }
    if (Blank(header)) throw CommandError{in.string() + " 是空的：CSV 的第一行应为字段名"};
    std::optional<std::vector<std::string>> names = CsvCells(header);
    if (!names) throw CommandError{in.string() + " 的表头有未闭合的引号"};
    // Every column must be one `set` takes, or every row would be refused for it.
    for (std::size_t i = 0; i < names->size(); ++i)
        if (std::string fault = wall::FieldNameFault((*names)[i]); !fault.empty())
            throw CommandError{in.string() + " 表头第 " + std::to_string(i + 1) + " 列“" + (*names)[i] +
                               "”不能设置：" + fault};
    m_fields = std::move(*names);
}

bool BatchInput::NextLine(std::string& line, bool* tooLong) {
    // A line is read up to kMaxBatchLine bytes; the rest of a longer one is skipped unread, so one line
    // cannot take the memory.
    line.clear();
    std::streambuf* in = m_stream.rdbuf();
    bool any = false, cut = false;
    std::size_t skipped = 0;
    for (int ch; (ch = in->sbumpc()) != std::char_traits<char>::eof();) {
        any = true;
        if (ch == '\n') break;
        if (line.size() < kMaxBatchLine)
            line.push_back(static_cast<char>(ch));
        else {
            cut = true;
            ++skipped;
        }
    }
    if (!any) return false;
    if (tooLong) *tooLong = cut;
    if (cut) line.clear();
    m_read += line.size() + skipped + 1;
    ++m_lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // A byte-order mark, as some spreadsheets write one, does not belong to the first line.
    if (m_lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    return true;
}

bool BatchInput::Next(std::vector<BatchItem>& items, std::size_t count) {
    items.clear();
    if (m_kind == BatchInputKind::kFolder) {
        for (; m_nextFile < m_files.size() && items.size() < count; ++m_nextFile)
            items.push_back(BatchItem{{m_files[m_nextFile], false}, (m_in / m_files[m_nextFile]).string()});
        return !items.empty();
    }
    std::string line;
    bool tooLong = false;
    while (items.size() < count && NextLine(line, &tooLong)) {
        if (!tooLong && Blank(line)) continue;
        items.push_back(BatchItem{{std::to_string(m_lineNumber), true}, std::move(line), tooLong});
        line = std::string();
    }
    return !items.empty();
}

double BatchInput::Fraction() const {
    if (m_kind == BatchInputKind::kFolder)
        return m_files.empty() ? 1.0 : static_cast<double>(m_nextFile) / static_cast<double>(m_files.size());
    return m_size == 0 ? 1.0 : std::min(1.0, static_cast<double>(m_read) / static_cast<double>(m_size));
}

std::string BatchInput::CaseOf(const BatchItem& item, wall::WallCase& out) const {
    if (item.tooLong) return wall::Format("这一行超过 %zu 字节，不是一个工况", kMaxBatchLine);
    switch (m_kind) {
        case BatchInputKind::kFolder: {
            wall::CaseIoResult r = wall::ReadCaseFile(item.text, out);
            return r.ok() ? std::string() : r.message;
        }
        case BatchInputKind::kJsonLines: {
            std::string fault = wall::CaseFromJsonText(item.text, out);
            return fault.empty() ? fault : "无法读取工况：" + fault;
        }
        case BatchInputKind::kCsv:
            break;
    }
    std::optional<std::vector<std::string>> cells = CsvCells(item.text);
    if (!cells) return "这一行有未闭合的引号";
    if (cells->size() != m_fields.size())
        return "这一行有 " + std::to_string(cells->size()) + " 个值，表头有 " +
               std::to_string(m_fields.size()) + " 个字段名";
    wall::WallCase c = m_base;
    for (std::size_t i = 0; i < cells->size(); ++i) {
        if (Blank((*cells)[i])) continue;  // an empty cell keeps the base case's value
        if (std::string err = wall::SetCaseField(c, m_fields[i], (*cells)[i]); !err.empty()) return err;
    }
    out = c;
    return {};
}

}  // namespace wallcalc
