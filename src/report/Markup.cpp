// Normalisation, parsing and stripping of the report's formula markup.
#include "report/Markup.h"

#include <array>
#include <cctype>
#include <climits>
#include <utility>

namespace wall {
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        std::size_t hit = text.find(from, pos);
        if (hit == std::string::npos) break;
        out.append(text, pos, hit - pos);
        out.append(to);
        pos = hit + from.size();
    }
    if (pos == 0) return;
    out.append(text, pos, std::string::npos);
    text = std::move(out);
}

constexpr std::string_view kPrefix = "WriteZelq";
constexpr std::string_view kSymbolKeyword = "WriteZelqSymbBOOLl";

// Tested in this order, so the "1" forms win over their shorter prefixes.
constexpr std::array<std::pair<std::string_view, MarkupKind>, 5> kKeywords{{
    {"WriteZelqSubScript1", MarkupKind::kSubScript1},
    {"WriteZelqSubScript", MarkupKind::kSubScript},
    {"WriteZelqSupScript1", MarkupKind::kSupScript1},
    {"WriteZelqSupScript", MarkupKind::kSupScript},
    {kSymbolKeyword, MarkupKind::kSymbol},
}};

std::vector<std::string> SplitCommas(std::string_view list) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (true) {
        std::size_t comma = list.find(',', pos);
        parts.emplace_back(list.substr(pos, comma == std::string_view::npos ? list.npos : comma - pos));
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    return parts;
}

// The argument list from `pos` to the first ")" (consumed); the rest of the text when there is none.
std::string_view TakeArguments(std::string_view text, std::size_t& pos) {
    std::size_t close = text.find(')', pos);
    std::string_view args = text.substr(pos, close == text.npos ? text.npos : close - pos);
    pos = close == text.npos ? text.size() : close + 1;
    return args;
}

void AppendText(std::vector<MarkupToken>& tokens, std::string_view text) {
    if (text.empty()) return;
    if (!tokens.empty() && tokens.back().kind == MarkupKind::kText) {
        tokens.back().text.append(text);
        return;
    }
    MarkupToken t;
    t.text = std::string(text);
    tokens.push_back(std::move(t));
}

}  // namespace

void NormaliseMarkup(std::string& text) {
    ReplaceAll(text, ">=", "≥");
    ReplaceAll(text, "<=", "≤");
    ReplaceAll(text, "△", "WriteZelqSymbBOOLl(68)");
    ReplaceAll(text, "×", "WriteZelqSymbBOOLl(180)");
    ReplaceAll(text, "*", "WriteZelqSymbBOOLl(180)");
    ReplaceAll(text, "+-", "±");
    ReplaceAll(text, "/", "WriteZelqSymbBOOLl(47)");
    ReplaceAll(text, "WriteSymbBOOLl", "WriteZelqSymbBOOLl");
    ReplaceAll(text, "WriteSubScript", "WriteZelqSubScript");
    ReplaceAll(text, "WriteSupScript", "WriteZelqSupScript");
}

int MarkupNumber(std::string_view arg) {
    std::size_t i = 0;
    while (i < arg.size() && std::isspace(static_cast<unsigned char>(arg[i]))) ++i;
    bool negative = false;
    if (i < arg.size() && (arg[i] == '+' || arg[i] == '-')) negative = arg[i++] == '-';
    long long value = 0;
    for (; i < arg.size() && arg[i] >= '0' && arg[i] <= '9'; ++i) {
        value = value * 10 + (arg[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::vector<MarkupToken> ParseMarkup(std::string_view text) {
    std::vector<MarkupToken> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t hit = text.find(kPrefix, pos);
        if (hit == text.npos) {
            AppendText(tokens, text.substr(pos));
            break;
        }
        AppendText(tokens, text.substr(pos, hit - pos));
        std::string_view rest = text.substr(hit);
        const std::pair<std::string_view, MarkupKind>* keyword = nullptr;
        for (const auto& k : kKeywords) {
            if (rest.starts_with(k.first)) {
                keyword = &k;
                break;
            }
        }
        std::size_t open = keyword ? text.find('(', hit) : text.npos;
        if (!keyword || open == text.npos) {
            // Not a keyword the writer knows: the characters are typed as they stand.
            std::size_t len = keyword ? keyword->first.size() : kPrefix.size();
            AppendText(tokens, text.substr(hit, len));
            pos = hit + len;
            continue;
        }
        MarkupToken t;
        t.kind = keyword->second;
        pos = open + 1;
        if (t.kind == MarkupKind::kSymbol) {
            t.symbolArgs = SplitCommas(TakeArguments(text, pos));
        } else {
            if (text.substr(pos).starts_with(kSymbolKeyword)) {
                std::size_t nestedOpen = text.find('(', pos);
                if (nestedOpen != text.npos) {
                    std::size_t p = nestedOpen + 1;
                    t.hasNestedSymbol = true;
                    t.nestedSymbol = std::string(TakeArguments(text, p));
                    pos = p;
                }
            }
            std::string_view args = TakeArguments(text, pos);
            std::size_t comma = args.find(',');
            t.base = std::string(args.substr(0, comma));
            if (comma != args.npos) t.script = std::string(args.substr(comma + 1));
        }
        tokens.push_back(std::move(t));
    }
    return tokens;
}

std::string StripMarkup(std::string_view text) {
    // Each keyword occurrence loses the keyword, its "(", the "," between base and script and the
    // ")" closing the list; a nested symbol keyword and its ")" are kept, as symbols are echoed as
    // written. Commas and brackets outside the argument list are left alone.
    static constexpr std::array<std::string_view, 4> kCallerKeywords{"WriteSubScript1", "WriteSubScript",
                                                                     "WriteSupScript1", "WriteSupScript"};
    static constexpr std::string_view kCallerSymbol = "WriteSymbBOOLl";
    std::string out(text);
    for (std::string_view keyword : kCallerKeywords) {
        std::size_t from = 0;
        while (true) {
            std::size_t hit = out.find(keyword, from);
            if (hit == out.npos) break;
            out.erase(hit, keyword.size());
            from = hit;
            if (hit >= out.size() || out[hit] != '(') continue;
            out.erase(hit, 1);
            std::size_t listStart = hit;
            if (std::string_view(out).substr(listStart).starts_with(kCallerSymbol)) {
                std::size_t nestedClose = out.find(')', listStart);
                if (nestedClose != out.npos) listStart = nestedClose + 1;
            }
            std::size_t close = out.find(')', listStart);
            std::size_t comma = out.find(',', listStart);
            if (comma != out.npos && (close == out.npos || comma < close)) {
                out.erase(comma, 1);
                if (close != out.npos) --close;
            }
            if (close != out.npos) out.erase(close, 1);
        }
    }
    return out;
}

}  // namespace wall
