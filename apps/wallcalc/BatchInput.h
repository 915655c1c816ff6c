// The inputs of `wallcalc batch`: a JSON Lines file of cases, a CSV of field values over a base
// case, or a folder of case files, handed out in chunks so a huge input is never held whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BatchRows.h"
#include "case/WallCase.h"

namespace wallcalc {

enum class BatchInputKind { kJsonLines, kCsv, kFolder };

// One input: a JSON Lines line, a CSV data row or a case file's path, and the id its row carries.
struct BatchItem {
    BatchId id;
    std::string text;
    bool tooLong = false;  // a line beyond kMaxBatchLine: its row is refused, the text not kept
};

// The longest line of a CSV or JSON Lines input, as long as the largest case file.
inline constexpr std::size_t kMaxBatchLine = 4 << 20;

class BatchInput {
  public:
    // Opens IN as `kind`: the folder is listed (hidden files, folders and `skip` left out), the
    // CSV's header read and its names checked. Throws CommandError when IN cannot be read.
    BatchInput(const std::filesystem::path& in, BatchInputKind kind, const wall::WallCase& base,
               const std::filesystem::path& skip);

    // Replaces `items` with up to `count` further inputs, in input order; false when none are left.
    // Blank lines are no inputs. Throws CommandError when reading fails.
    bool Next(std::vector<BatchItem>& items, std::size_t count);

    // How much of the input has been handed out, 0 to 1.
    double Fraction() const;

    // The case of an item; returns why it cannot be read, or an empty string. Safe to call from
    // several threads at once.
    std::string CaseOf(const BatchItem& item, wall::WallCase& out) const;

  private:
    bool NextLine(std::string& line, bool* tooLong = nullptr);

    std::filesystem::path m_in;
    BatchInputKind m_kind;
    wall::WallCase m_base;
    std::ifstream m_stream;
    std::uintmax_t m_size = 0;
    std::uintmax_t m_read = 0;
    long m_lineNumber = 0;
    std::vector<std::string> m_fields;  // the CSV header's field names
    std::vector<std::string> m_files;   // the folder's case files, by name
    std::size_t m_nextFile = 0;
};

}  // namespace wallcalc
