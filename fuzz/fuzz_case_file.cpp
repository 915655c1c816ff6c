// Fuzzes the case-file decoder: any bytes give a clear refusal or a case within its ranges that is
// also sound in the text format (RoundTrip.h: a NaN in an unused cell is written as 0 and reads back).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "RoundTrip.h"
#include "case/CaseFields.h"
#include "case/CaseFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    wall::WallCase c;
    wall::CaseIoResult r = wall::DecodeCase({data, size}, "fuzz", c);
    if (r.ok()) {
        if (!wall::CheckCaseRanges(c).empty()) std::abort();
        wall::AbortUnlessSound(c);
        // A decoded case encodes back to the same first 3336 bytes but for the trailing markers.
        std::vector<uint8_t> again = wall::EncodeCase(c);
        for (size_t i = 0; i < wall::kCaseFileSize - 400; ++i)
            if (again[i] != data[i]) std::abort();
    } else if (r.message.empty()) {
        std::abort();
    }
    return 0;
}
