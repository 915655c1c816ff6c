// Little-endian reading and writing of drawing-file records, with bounds checks on reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace wall {

// Either writes into its own buffer or reads from a given one. Every read checks what remains and
// returns false instead of reading past the end; a failed read leaves the stream failed.
class DrawingFileStream {
  public:
    DrawingFileStream() = default;  // writing
    explicit DrawingFileStream(std::span<const uint8_t> in) : m_in(in), m_reading(true) {}

    bool writing() const { return !m_reading; }
    bool failed() const { return m_failed; }
    std::size_t remaining() const { return m_in.size() - m_pos; }
    const std::vector<uint8_t>& bytes() const { return m_out; }

    // Each writes the value or reads it, as the stream does.
    bool Io(int16_t& v);
    bool Io(int32_t& v);
    bool Io(float& v);
    bool Io(uint8_t& v);
    // Writes `text`'s bytes, or reads `n` bytes into it.
    bool IoBytes(std::string& text, std::size_t n);

  private:
    bool Take(void* dst, std::size_t n);
    void Put(const void* src, std::size_t n);

    std::span<const uint8_t> m_in;
    std::size_t m_pos = 0;
    std::vector<uint8_t> m_out;
    bool m_reading = false;
    bool m_failed = false;
};

}  // namespace wall
