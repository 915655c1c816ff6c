// Fuzzes the text case reader: any bytes give a refusal or a case whose written text reads back to the
// same case and the same text (a round trip is the identity once written).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "case/CaseJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    wall::WallCase c;
    const std::string fault = wall::CaseFromJsonText(text, c);
    if (!fault.empty()) return 0;
    const std::string written = wall::CaseToJsonText(c);
    wall::WallCase again;
    if (!wall::CaseFromJsonText(written, again).empty()) std::abort();
    if (wall::CaseToJsonText(again) != written) std::abort();
    return 0;
}
