// Leading-number and whole-number readings of typed texts.
#include "case/LeadingNumber.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace wall {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest decimal-number prefix of `s` (0 if none).
size_t NumberPrefix(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < s.size() && IsDigit(s[j])) ++j, ++expDigits;
        if (expDigits > 0) end = j;
    }
    return end;
}

// Converts a validated decimal number; independent of the C locale, which a Qt host may change.
double ToDouble(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Overflow reads as infinity and underflow as zero, as strtod reads them.
        bool negative = !s.empty() && s.front() == '-';
        bool tiny = s.find_first_of("eE") != std::string_view::npos && s[s.find_first_of("eE") + 1] == '-';
        v = tiny ? 0.0 : HUGE_VAL;
        if (negative) v = -v;
    }
    return v;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    std::string_view rest = text.substr(start);
    size_t n = NumberPrefix(rest);
    if (n == 0) return 0;
    return ToDouble(rest.substr(0, n));
}

std::optional<double> StrictNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    size_t end = text.size();
    while (end > start && IsBlank(text[end - 1])) --end;
    std::string_view core = text.substr(start, end - start);
    if (core.empty() || NumberPrefix(core) != core.size()) return std::nullopt;
    return ToDouble(core);
}

bool WrittenNonZero(std::string_view number) {
    return number.substr(0, number.find_first_of("eE")).find_first_of("123456789") != std::string_view::npos;
}

std::optional<double> WholeNumber(std::string_view text) {
    std::optional<double> v = StrictNumber(text);
    // The dialogs' float reading takes a zero only when it is written with a leading digit 0.
    if (v && *v == 0) {
        size_t start = text.find_first_not_of(" \t\n\r\v\f");
        if (text[start] != '0') return std::nullopt;
    }
    return v;
}

}  // namespace wall
