// Writing the report file: next free name after the caption, temporary file, rename or link.
#include "report/ReportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "fileio/AtomicFile.h"

namespace wall {
namespace {

// More numbered reports in one folder than anyone keeps; beyond it the folder is taken as full.
constexpr int kMaxReportNumber = 100000;

ReportSaveResult Failure(const std::filesystem::path& path, int err) {
    ReportSaveResult r;
    r.path = path;
    r.message = "无法保存计算书 " + path.string() + "：" + FileErrorText(err);
    return r;
}

std::filesystem::path NumberedPath(const std::filesystem::path& folder, std::string_view title, int n) {
    return folder / (std::string(title) + std::to_string(n) + ".docx");
}

}  // namespace

std::filesystem::path NextFreeReportPath(const std::filesystem::path& folder, std::string_view title) {
    for (int n = 1; n < kMaxReportNumber; ++n) {
        std::filesystem::path p = NumberedPath(folder, title, n);
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(p, ec))) return p;
    }
    return NumberedPath(folder, title, kMaxReportNumber);
}

ReportSaveResult SaveReportBytes(const ReportTarget& target, std::string_view rawTitle,
                                 std::span<const uint8_t> bytes) {
    if (!target.file.empty()) {
        if (int err = ReplaceFileAtomically(target.file, bytes)) return Failure(target.file, err);
        return ReportSaveResult{true, target.file, {}};
    }
    // A title is a file name here: separators would lead elsewhere.
    std::string title(rawTitle);
    for (char& c : title)
        if (c == '/' || c == '\0') c = '_';
    if (title.empty() || title == "." || title == "..") title = "report";
    const std::filesystem::path folder = target.folder.empty() ? std::filesystem::path(".") : target.folder;
    std::filesystem::path first = NextFreeReportPath(folder, title);
    std::string tmp;
    if (int err = WriteTemporaryFile(first, bytes, tmp)) return Failure(first, err);
    // link() never replaces: a report that appeared since the name was chosen keeps its file and
    // this one takes the next number.
    for (int n = 1; n < kMaxReportNumber; ++n) {
        std::filesystem::path p = NumberedPath(folder, title, n);
        if (::link(tmp.c_str(), p.c_str()) == 0) {
            ::unlink(tmp.c_str());
            return ReportSaveResult{true, p, {}};
        }
        int err = errno;
        if (err == EEXIST) continue;
        if (err == EPERM || err == ENOSYS || err == EOPNOTSUPP) {
            // File systems without hard links: rename after a last look.
            std::error_code ec;
            if (std::filesystem::exists(std::filesystem::symlink_status(p, ec))) continue;
            if (std::rename(tmp.c_str(), p.c_str()) == 0) return ReportSaveResult{true, p, {}};
            err = errno;
        }
        ::unlink(tmp.c_str());
        return Failure(p, err);
    }
    ::unlink(tmp.c_str());
    return Failure(NumberedPath(folder, title, kMaxReportNumber), EEXIST);
}

}  // namespace wall
