// The issuing organisation's texts for the report's page header and footer, and how equations are
// stored, read from report.conf.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "report/DocxWriter.h"

namespace wall {

struct ReportConfig {
    std::string organisation;   // header banner, first part
    std::string productFamily;  // header banner, second part
    std::string address;
    std::string email;
    std::string telephone;
    std::string fax;
    EquationStyle equations = EquationStyle::kOfficeMath;  // "equations = math" or "field"
    bool pdf = false;  // "pdf = yes": the dialog's "计算" also writes the report as PDF
};

struct ReportConfigResult {
    ReportConfig config;
    std::vector<std::string> warnings;  // one per line that could not be used, naming file and line
};

// $XDG_CONFIG_HOME/wallcalc/report.conf, or ~/.config/wallcalc/report.conf.
std::filesystem::path DefaultReportConfigPath();

// Parses key=value lines (UTF-8; "#" starts a comment line; keys organisation, product_family,
// address, email, telephone, fax, equations, pdf). Unknown keys, malformed lines, an equations value
// other than math or field and a pdf value other than yes or no are reported and skipped.
ReportConfigResult ParseReportConfig(std::string_view text, std::string_view sourceName = "report.conf");

// Reads the file; a missing file gives the neutral defaults without a warning.
ReportConfigResult LoadReportConfig(const std::filesystem::path& path);

// The header banner: organisation and product family, separated by two spaces when both are set.
std::string HeaderBanner(const ReportConfig& config);

// The footer's two lines: address and e-mail, then telephone and fax; each item "label：value  ",
// items without a value left out.
std::string FooterLine1(const ReportConfig& config);
std::string FooterLine2(const ReportConfig& config);

}  // namespace wall
