// The page texts' number readings.
#include <gtest/gtest.h>

#include <cmath>

#include "case/LeadingNumber.h"

using namespace wall;

namespace {

struct Row {
    const char* text;
    double value;
};

TEST(LeadingNumber, ReadsTheLongestDecimalPrefix) {
    const Row rows[] = {
        {"1.5m", 1.5},    {"abc", 0},    {"", 0},        {"  2.25", 2.25}, {"-0.25", -0.25},
        {"+3", 3},        {"1e2x", 100}, {"1e", 1},      {"1.e-1", 0.1},   {".5", 0.5},
        {"-.5kPa", -0.5}, {"12,5", 12},  {"1.2.3", 1.2}, {"- 1", 0},       {"0x10", 0},
        {"inf", 0},       {"\t7\n", 7},  {"3E+1", 30},   {"1e+", 1},       {".", 0},
    };
    for (const Row& r : rows) EXPECT_DOUBLE_EQ(LeadingNumber(r.text), r.value) << r.text;
}

TEST(LeadingNumber, HugeExponentReadsAsInfinity) {
    EXPECT_TRUE(std::isinf(LeadingNumber("1e999")));
    EXPECT_EQ(LeadingNumber("1e-999"), 0.0);
}

TEST(WholeNumber, DialogsTakeOnlyANumber) {
    struct Case {
        const char* text;
        bool accepted;
        double value;
    };
    const Case cases[] = {
        {"10", true, 10},     {" 0.2 ", true, 0.2}, {"0", true, 0},     {"0.00", true, 0}, {"", false, 0},
        {"  ", false, 0},     {"abc", false, 0},    {"1.5m", false, 0}, {".0", false, 0},  {"-0", false, 0},
        {"-1.5", true, -1.5}, {"1e3", true, 1000},  {".5", true, 0.5},
    };
    for (const Case& c : cases) {
        std::optional<double> v = WholeNumber(c.text);
        EXPECT_EQ(v.has_value(), c.accepted) << c.text;
        if (v && c.accepted) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
}

}  // namespace
