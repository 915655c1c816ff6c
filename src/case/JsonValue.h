// JSON whose reals are single precision, so every value prints as the shortest text that reads back
// as the same float, and whose objects keep their keys in the order written.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace wall {

using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t,
                                  std::uint64_t, float>;

}  // namespace wall
