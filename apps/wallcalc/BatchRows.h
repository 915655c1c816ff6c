// The rows `wallcalc batch` writes: one case's key results, its checks and, for a case that was
// refused or could not be read, the reason, as a CSV line or a JSON Lines object.
#pragma once

#include <string>

#include "calc/CaseResult.h"
#include "case/WallCase.h"

namespace wallcalc {

enum class BatchFormat { kCsv, kJsonLines };

// How a row names its input: the input's line number, or a case file's name.
struct BatchId {
    std::string text;
    bool lineNumber = false;
};

// The CSV header line (with its line feed); empty for JSON Lines.
std::string BatchHeader(BatchFormat format);

// The row of a case that was read: its results, or the reasons it was refused.
std::string BatchRow(BatchFormat format, const BatchId& id, const wall::WallCase& c,
                     const wall::CaseResult& r);

// The row of an input that could not be read as a case.
std::string UnreadableRow(BatchFormat format, const BatchId& id, const std::string& reason);

}  // namespace wallcalc
