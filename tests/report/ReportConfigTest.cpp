// report.conf: parsing, warnings, the header banner and footer lines composed from it.
#include <gtest/gtest.h>

#include "report/ReportConfig.h"

namespace wall {
namespace {

TEST(ReportConfigFile, ParsesKeysAndReportsBadLines) {
    const char* text =
        "# organisation of the reports\n"
        "organisation = 示例设计院\n"
        "product_family=结构计算系列软件\r\n"
        "\n"
        "address=示例路1号\n"
        "email = info@example.com\n"
        "telephone=010-1\n"
        "fax=010-2\n"
        "colour=red\n"
        "just words\n"
        "equations = field\n"
        "equations = latex\n";
    ReportConfigResult r = ParseReportConfig(text, "report.conf");
    EXPECT_EQ(r.config.organisation, "示例设计院");
    EXPECT_EQ(r.config.productFamily, "结构计算系列软件");
    EXPECT_EQ(r.config.address, "示例路1号");
    EXPECT_EQ(r.config.email, "info@example.com");
    EXPECT_EQ(r.config.telephone, "010-1");
    EXPECT_EQ(r.config.fax, "010-2");
    EXPECT_EQ(r.config.equations, EquationStyle::kField);  // a bad value later leaves it as it was
    ASSERT_EQ(r.warnings.size(), 3u);
    EXPECT_EQ(r.warnings[0], "report.conf:9: 未知的键 \"colour\"，已忽略");
    EXPECT_EQ(r.warnings[1], "report.conf:10: 不是 key=value 形式，已忽略");
    EXPECT_EQ(r.warnings[2], "report.conf:12: equations 只能是 math 或 field，\"latex\" 已忽略");
    EXPECT_EQ(ParseReportConfig("").config.equations, EquationStyle::kOfficeMath);
}

TEST(ReportConfigFile, MissingFileGivesNeutralDefaults) {
    ReportConfigResult r = LoadReportConfig("/nonexistent/wallcalc/report.conf");
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(HeaderBanner(r.config), "");
    EXPECT_EQ(FooterLine1(r.config), "");
    EXPECT_EQ(FooterLine2(r.config), "");
}

TEST(ReportConfigFile, BannerAndFooterItems) {
    struct Row {
        ReportConfig config;
        const char* banner;
        const char* line1;
        const char* line2;
    };
    const Row rows[] = {
        {{"院", "软件", "路", "e@x", "1", "2"}, "院  软件", "地址：路  E-mail：e@x  ", "电话：1  传真：2  "},
        {{"院", "", "", "e@x", "", "2"}, "院", "E-mail：e@x  ", "传真：2  "},
        {{"", "软件", "", "", "", ""}, "软件", "", ""},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(HeaderBanner(r.config), r.banner);
        EXPECT_EQ(FooterLine1(r.config), r.line1);
        EXPECT_EQ(FooterLine2(r.config), r.line2);
    }
}

TEST(ReportConfigFile, DefaultPathFollowsXdg) {
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
    EXPECT_EQ(DefaultReportConfigPath(), std::filesystem::path("/tmp/xdg-test/wallcalc/report.conf"));
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DefaultReportConfigPath(), std::filesystem::path("/home/someone/.config/wallcalc/report.conf"));
}

}  // namespace
}  // namespace wall
