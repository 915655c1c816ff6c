// Reading and writing the case file, byte for byte, little-endian on every host.
#include "case/CaseFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <type_traits>
#include <vector>

#include "case/CaseFields.h"
#include "case/CaseJson.h"
#include "case/FieldTable.h"
#include "fileio/AtomicFile.h"
#include "text/Format.h"

namespace wall {
namespace {

constexpr std::size_t kItems = kCaseFileSize / 4;

uint32_t ItemAt(std::span<const uint8_t> bytes, std::size_t item) {
    uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(bytes[4 * item + i]) << (8 * i);
    return v;
}

// The four bytes of a scalar field, floats bit for bit.
uint32_t FieldBits(const WallCase& c, const CaseField& f) {
    return VisitField(c, f, 0, []<class T>(const T& v) {
        if constexpr (std::is_same_v<T, float>)
            return std::bit_cast<uint32_t>(v);
        else
            return static_cast<uint32_t>(v);
    });
}

void SetFieldBits(WallCase& c, const CaseField& f, uint32_t bits) {
    VisitField(c, f, 0, [bits]<class T>(T& v) {
        if constexpr (std::is_same_v<T, float>)
            v = std::bit_cast<float>(bits);
        else
            v = static_cast<int32_t>(bits);
    });
}

// The tables are stored whole, columns without a field included, from the slot of their column 0.
template <class Table>
std::size_t TableItem(Table CSoil::*table) {
    return static_cast<std::size_t>(FieldOf(table, 0).fileSlot);
}

std::string ShortFileMessage(const std::string& path) {
    std::string msg = "试图越过其尾端对 %1 进行读写。";
    return msg.replace(msg.find("%1"), 2, path);
}

}  // namespace

std::vector<uint8_t> EncodeCase(const WallCase& c) {
    // What no field holds (the first item and the last 100) is the marker.
    std::vector<uint32_t> items(kItems, static_cast<uint32_t>(kCaseMarker));
    for (const CaseField& f : CaseFieldTable())
        if (f.column < 0) items[static_cast<std::size_t>(f.fileSlot)] = FieldBits(c, f);
    std::size_t item = TableItem(&CSoil::m_afLayer);
    for (const auto& row : c.soil.m_afLayer)
        for (float v : row) items[item++] = std::bit_cast<uint32_t>(v);
    item = TableItem(&CSoil::m_afSlope);
    for (const auto& row : c.soil.m_afSlope)
        for (float v : row) items[item++] = std::bit_cast<uint32_t>(v);
    std::vector<uint8_t> out;
    out.reserve(kCaseFileSize);
    for (uint32_t v : items)
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return out;
}

CaseIoResult DecodeCase(std::span<const uint8_t> bytes, const std::string& path, WallCase& out) {
    if (bytes.size() < kCaseFileSize) return {CaseIoStatus::kShortFile, 14, ShortFileMessage(path), {}};
    const int32_t marker = static_cast<int32_t>(ItemAt(bytes, 0));
    if (marker != kCaseMarker)
        return {CaseIoStatus::kInvalid,
                6,
                Format("%s 不是挡土墙计算数据文件：文件标记为 %d，应为 20111116。", path.c_str(), marker),
                {}};
    WallCase c;
    for (const CaseField& f : CaseFieldTable())
        if (f.column < 0) SetFieldBits(c, f, ItemAt(bytes, static_cast<std::size_t>(f.fileSlot)));
    std::size_t item = TableItem(&CSoil::m_afLayer);
    for (auto& row : c.soil.m_afLayer)
        for (float& v : row) v = std::bit_cast<float>(ItemAt(bytes, item++));
    item = TableItem(&CSoil::m_afSlope);
    for (auto& row : c.soil.m_afSlope)
        for (float& v : row) v = std::bit_cast<float>(ItemAt(bytes, item++));
    // The 100 trailing markers are not checked.
    if (std::string range = CheckCaseRanges(c); !range.empty())
        return {
            CaseIoStatus::kInvalid, 6, Format("%s 的数据不能使用：%s。", path.c_str(), range.c_str()), {}};
    out = c;
    return {};
}

int CauseFromErrno(int err) {
    switch (err) {
        case 0:
            return 0;
        case ENOENT:
            return 2;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return 3;
        case EMFILE:
        case ENFILE:
            return 4;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return 5;
        case ENOSPC:
        case EDQUOT:
            return 13;
        case EIO:
            return 10;
        default:
            return 1;
    }
}

namespace {

// A case read whole whose values leave their fields' ranges: it opens, and says which.
CaseIoResult OutOfRangeWarning(const std::filesystem::path& path, const WallCase& c) {
    CaseIoResult r;
    const std::vector<DomainFinding> found = DomainFindings(c);
    if (found.empty()) return r;
    r.warning = path.string() + " 中有超出范围的值，计算前请改正：";
    for (std::size_t i = 0; i < found.size(); ++i) r.warning += (i ? "；" : "") + found[i].message;
    return r;
}

}  // namespace

CaseIoResult ReadCaseFile(const std::filesystem::path& path, WallCase& out) {
    std::error_code ec;
    // A folder opens as a stream and fails only when read.
    const int err0 = std::filesystem::is_directory(path, ec) ? EISDIR : 0;
    // A writer of this file rewriting it in place (it has hard links) finishes first.
    const FileLock lock(path, false);
    std::ifstream in;
    if (!err0) in.open(path, std::ios::binary);
    if (err0 || !in) {
        const int err = err0 ? err0 : errno;
        return {
            CaseIoStatus::kCannotOpen,
            CauseFromErrno(err),
            Format("无法打开 %s：%s", path.string().c_str(), FileErrorText(err, FileAccess::kRead).c_str()),
            {}};
    }
    std::vector<uint8_t> bytes(kCaseFileSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    const std::string_view head(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!in.bad() && LooksLikeJson(head)) {
        // A text case is small; anything past a few megabytes is not one.
        constexpr std::size_t kMaxText = 4 << 20;
        std::string text(head);
        char chunk[65536];
        while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
            text.append(chunk, static_cast<std::size_t>(in.gcount()));
            if (text.size() > kMaxText)
                return {CaseIoStatus::kInvalid, 0, path.string() + " 太大，不是工况文件", {}};
        }
        if (in.bad())
            return {CaseIoStatus::kIoError, 10, "读取 " + path.string() + " 时出错",
                    path.string() + ": read error"};
        if (std::string fault = CaseFromJsonText(text, out); !fault.empty())
            return {CaseIoStatus::kInvalid, 0, "无法读取工况文件 " + path.string() + "：" + fault, {}};
        return OutOfRangeWarning(path, out);
    }
    if (in.bad())
        return {CaseIoStatus::kIoError, 10, "读取 " + path.string() + " 时出错",
                path.string() + ": read error"};
    CaseIoResult r = DecodeCase(bytes, path.string(), out);
    return r.ok() ? OutOfRangeWarning(path, out) : r;
}

int WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                        std::string* reason) {
    const int err = ReplaceFileAtomically(path, bytes);
    if (err == 0) return 0;
    if (reason) *reason = FileErrorText(err);
    return CauseFromErrno(err) == 0 ? 1 : CauseFromErrno(err);
}

bool IsTextCasePath(const std::filesystem::path& path) {
    return path.extension() == ".json";
}

CaseIoResult WriteCaseFile(const std::filesystem::path& path, const WallCase& c) {
    const bool text = IsTextCasePath(path);
    std::vector<uint8_t> bytes;
    if (text) {
        const std::string json = CaseToJsonText(c);
        bytes.assign(json.begin(), json.end());
    } else {
        bytes = EncodeCase(c);
    }
    std::string reason;
    int cause = WriteFileAtomically(path, bytes, &reason);
    if (cause == 0) {
        CaseIoResult done;
        if (!text && HasTextOnlyInputs(c))
            done.warning = path.string() +
                           "：二进制工况文件不能保存验算系数、地基参数、地下水和地震参数，这些输入未保存（请"
                           "存为 .wall.json）";
        return done;
    }
    CaseIoStatus status =
        (cause == 2 || cause == 3 || cause == 5) ? CaseIoStatus::kCannotOpen : CaseIoStatus::kIoError;
    // The message is the cause number, as the file error shows it; `detail` says more.
    return {status, cause, Format("%d", cause), path.string() + ": " + reason};
}

std::filesystem::path WorkPathCopy(const std::string& workPath) {
    // The host's work path ends with a separator; the name is appended directly.
    return std::filesystem::path(workPath + "MOVA/SYSTEM/MovaTool." + kDialogTitle);
}

std::filesystem::path CurrentDirCopy(const std::filesystem::path& currentDir) {
    return currentDir / (std::string("MovaTool.") + kDialogTitle);
}

CaseIoResult WriteFixedCopies(const WallCase& c, const std::string& workPath,
                              const std::filesystem::path& currentDir) {
    CaseIoResult first;
    for (const std::filesystem::path& p : {WorkPathCopy(workPath), CurrentDirCopy(currentDir)}) {
        std::error_code ec;
        if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
        CaseIoResult r = WriteCaseFile(p, c);
        if (!r.ok() && first.ok()) first = r;
    }
    return first;
}

std::filesystem::path WithCaseExtension(const std::filesystem::path& chosen) {
    if (chosen.has_extension()) return chosen;
    std::filesystem::path p = chosen;
    p += std::string(".") + kDialogTitle;
    return p;
}

}  // namespace wall
