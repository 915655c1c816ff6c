// Byte transfer of the drawing-file stream; the host order is little-endian, as the file's.
#include "drawing/DrawingFileStream.h"

#include <bit>
#include <cstring>

namespace wall {

static_assert(std::endian::native == std::endian::little, "drawing files are little-endian");

bool DrawingFileStream::Take(void* dst, std::size_t n) {
    if (m_failed || remaining() < n) {
        m_failed = true;
        return false;
    }
    if (n) std::memcpy(dst, m_in.data() + m_pos, n);
    m_pos += n;
    return true;
}

void DrawingFileStream::Put(const void* src, std::size_t n) {
    const auto* p = static_cast<const uint8_t*>(src);
    m_out.insert(m_out.end(), p, p + n);
}

bool DrawingFileStream::Io(int16_t& v) {
    if (m_reading) return Take(&v, sizeof v);
    Put(&v, sizeof v);
    return true;
}

bool DrawingFileStream::Io(int32_t& v) {
    if (m_reading) return Take(&v, sizeof v);
    Put(&v, sizeof v);
    return true;
}

bool DrawingFileStream::Io(float& v) {
    if (m_reading) return Take(&v, sizeof v);
    Put(&v, sizeof v);
    return true;
}

bool DrawingFileStream::Io(uint8_t& v) {
    if (m_reading) return Take(&v, sizeof v);
    Put(&v, sizeof v);
    return true;
}

bool DrawingFileStream::IoBytes(std::string& text, std::size_t n) {
    if (!m_reading) {
        Put(text.data(), text.size());
        return true;
    }
    if (m_failed || remaining() < n) {
        m_failed = true;
        return false;
    }
    text.assign(reinterpret_cast<const char*>(m_in.data() + m_pos), n);
    m_pos += n;
    return true;
}

}  // namespace wall
