// Fuzzes the batch inputs: a CSV of field values (header and rows) or a JSON Lines file of cases. Any
// bytes give a refused header, refused rows or cases that are sound (RoundTrip.h), never an abort.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "BatchInput.h"
#include "Commands.h"
#include "RoundTrip.h"
#include "case/CaseDefaults.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // The first byte picks the kind of input; the rest is the file. The file lives in memory and is
    // read through its /proc name, as the batch reads any path.
    const auto kind =
        data[0] % 2 == 0 ? wallcalc::BatchInputKind::kCsv : wallcalc::BatchInputKind::kJsonLines;
    const int fd = memfd_create("batch", 0);
    if (fd < 0) return 0;
    for (std::size_t at = 1; at < size;) {
        const ssize_t n = write(fd, data + at, size - at);
        if (n <= 0) break;
        at += static_cast<std::size_t>(n);
    }
    try {
        wallcalc::BatchInput input("/proc/self/fd/" + std::to_string(fd), kind, wall::DefaultCase(), {});
        std::vector<wallcalc::BatchItem> items;
        while (input.Next(items, 16))
            for (const wallcalc::BatchItem& item : items)
                if (wall::WallCase c; input.CaseOf(item, c).empty()) wall::AbortUnlessSound(c);
    } catch (const wallcalc::CommandError&) {
        // A header that names no field: the batch is refused before any row.
    }
    close(fd);
    return 0;
}
