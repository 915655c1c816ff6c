// Golden files: compare, write the actual output beside the golden, or rewrite on request.
#include "GoldenFile.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

namespace wall::test {
namespace fs = std::filesystem;

::testing::AssertionResult MatchesGoldenFile(const std::string& actual, const fs::path& golden) {
    fs::path beside = golden;
    beside.replace_extension(".actual" + golden.extension().string());
    if (const char* update = std::getenv("WALL_UPDATE_GOLDEN"); update && std::string(update) == "1") {
        std::ofstream(golden, std::ios::binary) << actual;
        fs::remove(beside);
        std::cerr << "rewrote golden file " << golden.string() << "\n";
        return ::testing::AssertionSuccess() << "rewrote " << golden.string();
    }
    std::ifstream in(golden, std::ios::binary);
    std::stringstream expected;
    expected << in.rdbuf();
    if (in && expected.str() == actual) {
        fs::remove(beside);
        return ::testing::AssertionSuccess();
    }
    std::ofstream(beside, std::ios::binary) << actual;
    return ::testing::AssertionFailure()
           << "output differs from " << golden.string() << "; actual written to " << beside.string();
}

}  // namespace wall::test
