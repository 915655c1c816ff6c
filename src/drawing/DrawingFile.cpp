// The drawing file: five counts, then line, polyline, circle, arc and text records.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "case/CaseFile.h"
#include "drawing/DrawingCanvas.h"
#include "fileio/AtomicFile.h"
#include "text/Format.h"

namespace wall {
namespace {

// Smallest record of each kind: with an empty text or no vertices.
constexpr std::size_t kLineRecord = 30, kPlineRecord = 22, kCircleRecord = 30, kArcRecord = 38,
                      kTextRecord = 47;

template <class T>
void PurgeErased(DrawingCanvas::List<T>& list) {
    for (std::size_t i = list.size(); i-- > 0;)
        if (list[i]->m_nErased) list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
}

template <class T>
void WriteBackwards(DrawingCanvas::List<T>& list, DrawingFileStream& ar) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->ReadWrite(ar);
}

template <class T>
bool ReadRecords(int32_t count, DrawingCanvas::List<T>& list, DrawingFileStream& ar) {
    for (int32_t i = 0; i < count; ++i) {
        auto e = std::make_unique<T>();
        if (!e->ReadWrite(ar)) return false;
        list.push_back(std::move(e));
    }
    return true;
}

template <class T>
void Append(DrawingCanvas::List<T>& to, DrawingCanvas::List<T>& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

}  // namespace

bool DrawingCanvas::Serialize(DrawingFileStream& ar) {
    if (ar.writing()) {
        PurgeErased(m_lines);
        PurgeErased(m_polylines);
        PurgeErased(m_circles);
        PurgeErased(m_arcs);
        PurgeErased(m_texts);
        int32_t counts[5] = {static_cast<int32_t>(m_lines.size()), static_cast<int32_t>(m_polylines.size()),
                             static_cast<int32_t>(m_circles.size()), static_cast<int32_t>(m_arcs.size()),
                             static_cast<int32_t>(m_texts.size())};
        for (int32_t& n : counts) ar.Io(n);
        WriteBackwards(m_lines, ar);
        WriteBackwards(m_polylines, ar);
        WriteBackwards(m_circles, ar);
        WriteBackwards(m_arcs, ar);
        WriteBackwards(m_texts, ar);
        return true;
    }
    int32_t counts[5] = {};
    for (int32_t& n : counts)
        if (!ar.Io(n) || n < 0) return false;
    // Every record takes at least its fixed part: refuse counts the bytes cannot hold before
    // allocating anything.
    const std::size_t minimum[5] = {kLineRecord, kPlineRecord, kCircleRecord, kArcRecord, kTextRecord};
    std::size_t need = 0;
    for (int k = 0; k < 5; ++k) {
        if (static_cast<std::size_t>(counts[k]) > ar.remaining() / minimum[k]) return false;
        need += static_cast<std::size_t>(counts[k]) * minimum[k];
    }
    if (need > ar.remaining()) return false;
    DrawingCanvas read;
    if (!ReadRecords(counts[0], read.m_lines, ar) || !ReadRecords(counts[1], read.m_polylines, ar) ||
        !ReadRecords(counts[2], read.m_circles, ar) || !ReadRecords(counts[3], read.m_arcs, ar) ||
        !ReadRecords(counts[4], read.m_texts, ar))
        return false;
    Append(m_lines, read.m_lines);
    Append(m_polylines, read.m_polylines);
    Append(m_circles, read.m_circles);
    Append(m_arcs, read.m_arcs);
    Append(m_texts, read.m_texts);
    return true;
}

DrawingIoResult DrawingCanvas::SaveToFile(const std::filesystem::path& path) {
    DrawingFileStream ar;
    Serialize(ar);
    std::string reason;
    int cause = WriteFileAtomically(path, ar.bytes(), &reason);
    if (cause == 0) return {};
    // The file error shows its cause number.
    return {cause, Format("%d", cause), path.string() + ": " + reason, reason};
}

DrawingIoResult DecodeDrawing(std::span<const uint8_t> bytes, const std::string& name,
                              DrawingCanvas& canvas) {
    DrawingFileStream ar(bytes);
    DrawingCanvas read;
    if (bytes.size() < 20)
        return {14, Format("%s 不是完整的绘图文件：只有 %zu 字节。", name.c_str(), bytes.size()), name, {}};
    if (!read.Serialize(ar))
        return {
            6, Format("%s 不是有效的绘图文件：记录数目或记录内容与文件长度不符。", name.c_str()), name, {}};
    if (ar.remaining() != 0)
        return {
            6,
            Format("%s 不是有效的绘图文件：最后一个记录之后还有 %zu 字节。", name.c_str(), ar.remaining()),
            name,
            {}};
    Append(canvas.Lines(), read.Lines());
    Append(canvas.Polylines(), read.Polylines());
    Append(canvas.Circles(), read.Circles());
    Append(canvas.Arcs(), read.Arcs());
    Append(canvas.Texts(), read.Texts());
    return {};
}

DrawingIoResult ReadDrawingFile(const std::filesystem::path& path, DrawingCanvas& canvas) {
    std::error_code ec;
    // A folder opens as a stream and fails only when read.
    const int err0 = std::filesystem::is_directory(path, ec) ? EISDIR : 0;
    std::ifstream in;
    if (!err0) in.open(path, std::ios::binary);
    if (err0 || !in) {
        const int err = err0 ? err0 : errno;
        return {
            CauseFromErrno(err) ? CauseFromErrno(err) : 1,
            Format("无法打开 %s：%s", path.string().c_str(), FileErrorText(err, FileAccess::kRead).c_str()),
            path.string(), FileErrorText(err, FileAccess::kRead)};
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return {10, "读取 " + path.string() + " 时出错", path.string() + ": read error", "读取出错"};
    return DecodeDrawing(bytes, path.string(), canvas);
}

}  // namespace wall
