// Fuzzes the text case reader: any bytes give a refusal or a sound case (RoundTrip.h): its written text
// reads back to the same case and text, and a value out of range is one the calculation refuses.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "RoundTrip.h"
#include "case/CaseJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    wall::WallCase c;
    const std::string fault = wall::CaseFromJsonText(text, c);
    if (!fault.empty()) return 0;
    wall::AbortUnlessSound(c);
    return 0;
}
