// Comparison of a writer's output with a golden file kept in the source tree.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace wall::test {

// Compares `actual` with the golden file. On a difference the actual text is written beside the
// golden as <name>.actual<ext> and the assertion fails naming both files; a match removes a stale
// .actual file. With WALL_UPDATE_GOLDEN=1 in the environment the golden file is rewritten instead,
// and the result names it.
::testing::AssertionResult MatchesGoldenFile(const std::string& actual, const std::filesystem::path& golden);

}  // namespace wall::test
