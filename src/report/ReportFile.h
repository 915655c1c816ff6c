// Saving the report document: the file name after the caption, the atomic write, the failure message.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace wall {

// Where a report goes: a named file, or the next free <title><n>.docx in a folder.
struct ReportTarget {
    std::filesystem::path folder = ".";
    std::filesystem::path file;  // when not empty, the report is written exactly here
};

struct ReportSaveResult {
    bool ok = false;
    std::filesystem::path path;  // the file written, or the one that could not be written
    std::string message;         // on failure: "无法保存计算书 <path>：<reason>"
};

// The first <title><n>.docx, n = 1, 2, ..., not yet present in `folder`.
std::filesystem::path NextFreeReportPath(const std::filesystem::path& folder, std::string_view title);

// Writes `bytes` to the target through a temporary file in the same folder. A folder target takes
// the next free number and never replaces an existing file, even one that appears meanwhile.
ReportSaveResult SaveReportBytes(const ReportTarget& target, std::string_view title,
                                 std::span<const uint8_t> bytes);

}  // namespace wall
