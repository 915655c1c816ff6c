// Reading report.conf and composing the page header and footer texts from it.
#include "report/ReportConfig.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "text/Utf8Text.h"

namespace wall {
namespace {

std::string Trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(" \t\r");
    if (b == s.npos) return {};
    std::size_t e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

void AppendItem(std::string& line, const char* label, const std::string& value) {
    if (value.empty()) return;
    line += label;
    line += "：";
    line += value;
    line += "  ";
}

}  // namespace

std::filesystem::path DefaultReportConfigPath() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg) return std::filesystem::path(xdg) / "wallcalc" / "report.conf";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".config" / "wallcalc" / "report.conf";
}

ReportConfigResult ParseReportConfig(std::string_view text, std::string_view sourceName) {
    ReportConfigResult result;
    std::string clean = CleanUtf8(text);
    std::istringstream in(clean);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::string t = Trim(line);
        if (t.empty() || t[0] == '#') continue;
        std::size_t eq = t.find('=');
        auto warn = [&](const std::string& what) {
            result.warnings.push_back(std::string(sourceName) + ":" + std::to_string(number) + ": " + what);
        };
        if (eq == std::string::npos) {
            warn("不是 key=value 形式，已忽略");
            continue;
        }
        std::string key = Trim(std::string_view(t).substr(0, eq));
        std::string value = Trim(std::string_view(t).substr(eq + 1));
        for (char& c : value)
            if (c == '\t' || c == '\v') c = ' ';
        ReportConfig& c = result.config;
        if (key == "organisation")
            c.organisation = value;
        else if (key == "product_family")
            c.productFamily = value;
        else if (key == "address")
            c.address = value;
        else if (key == "email")
            c.email = value;
        else if (key == "telephone")
            c.telephone = value;
        else if (key == "fax")
            c.fax = value;
        else if (key == "equations" && (value == "math" || value == "field"))
            c.equations = value == "math" ? EquationStyle::kOfficeMath : EquationStyle::kField;
        else if (key == "pdf" && (value == "yes" || value == "no"))
            c.pdf = value == "yes";
        else if (key == "pdf")
            warn("pdf 只能是 yes 或 no，\"" + value + "\" 已忽略");
        else if (key == "equations")
            warn("equations 只能是 math 或 field，\"" + value + "\" 已忽略");
        else
            warn("未知的键 \"" + key + "\"，已忽略");
    }
    return result;
}

ReportConfigResult LoadReportConfig(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ReportConfigResult r;
        r.warnings.push_back(path.string() + ": 无法读取，使用默认值");
        return r;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseReportConfig(text.str(), path.string());
}

std::string HeaderBanner(const ReportConfig& config) {
    if (config.organisation.empty()) return config.productFamily;
    if (config.productFamily.empty()) return config.organisation;
    return config.organisation + "  " + config.productFamily;
}

std::string FooterLine1(const ReportConfig& config) {
    std::string line;
    AppendItem(line, "地址", config.address);
    AppendItem(line, "E-mail", config.email);
    return line;
}

std::string FooterLine2(const ReportConfig& config) {
    std::string line;
    AppendItem(line, "电话", config.telephone);
    AppendItem(line, "传真", config.fax);
    return line;
}

}  // namespace wall
