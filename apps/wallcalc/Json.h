// JSON whose reals are single precision, so every value prints as the shortest text that reads
// back as the same float.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace wallcalc {

using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, float>;

}  // namespace wallcalc
