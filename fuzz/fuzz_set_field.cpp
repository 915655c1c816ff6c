// Fuzzes `set`'s NAME=VALUE: any assignment is refused with a reason or leaves a sound case
// (RoundTrip.h): what `set` stores, every reader takes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "RoundTrip.h"
#include "case/CaseDefaults.h"
#include "case/CaseFields.h"
#include "case/CaseJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the wall type; the rest is NAME=VALUE.
    const int type = data[0] % wall::kWallTypeCount;
    const std::string_view assignment(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t eq = assignment.find('=');
    if (eq == std::string_view::npos) return 0;
    wall::WallCase c = wall::DefaultCase(type);
    const std::string fault = wall::SetCaseField(c, assignment.substr(0, eq), assignment.substr(eq + 1));
    if (!fault.empty()) return 0;
    wall::AbortUnlessSound(c);
    return 0;
}
