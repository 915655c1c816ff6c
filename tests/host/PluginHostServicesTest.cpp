// The plug-in's host services over the substitute common-data library and the text-out callback.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/CallbackTable.h"
#include "host/PluginHostServices.h"
#include "host/SubstituteHost.h"

namespace wall {
namespace {

std::vector<std::string> echoed;
int Echo(const char* text) {
    echoed.emplace_back(text);
    return 0;
}

class PluginHostServicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TarnicDevReset();
        echoed.clear();
        PluginCallbacks() = CallbackTable{};
    }
    void TearDown() override {
        TarnicDevReset();
        PluginCallbacks() = CallbackTable{};
    }
    PluginHostServices host_;
};

TEST_F(PluginHostServicesTest, WorkPathEndsWithSeparator) {
    struct Row {
        const char* given;  // null: the host gives no path
        const char* expected;
    };
    const Row rows[] = {
        {"/home/u/work/", "/home/u/work/"},
        {"/home/u/work", "/home/u/work/"},
        {"/home/u/工程", "/home/u/工程/"},
        {"/", "/"},
        {"", ""},
        {nullptr, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.given != nullptr ? row.given : "(null)");
        TarnicDevSetWorkPath(row.given);
        EXPECT_EQ(host_.WorkPath(), row.expected);
    }
}

TEST_F(PluginHostServicesTest, ItemWorkPathAsGiven) {
    TarnicDevSetItemWorkPath("/data/项目/item");
    EXPECT_EQ(host_.ItemWorkPath(), "/data/项目/item");
    TarnicDevSetItemWorkPath(nullptr);
    EXPECT_EQ(host_.ItemWorkPath(), "");
}

TEST_F(PluginHostServicesTest, DrawingNamesReachTheHostUnchanged) {
    const std::string names[] = {"挡土墙计算计算简图", "1、按库伦土压力理论计算.kst",
                                 "1、按朗肯土压力理论计算.kst"};
    for (const std::string& n : names) host_.AddDrawingName(n);
    ASSERT_EQ(TarnicDevDrawingCount(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(TarnicDevDrawingName(i), names[i]);
    EXPECT_EQ(TarnicDevDrawingName(3), nullptr);
}

TEST_F(PluginHostServicesTest, TextOutOnlyWithCallback) {
    host_.TextOut("不发送");
    EXPECT_TRUE(echoed.empty());
    HostCallbackRecord record{"ExRtfTextOut", reinterpret_cast<void*>(&Echo)};
    HandInCallback(PluginCallbacks(), &record);
    host_.TextOut("\n生成详细结果文档：");
    host_.TextOut("");
    EXPECT_EQ(echoed, (std::vector<std::string>{"\n生成详细结果文档：", ""}));
}

}  // namespace
}  // namespace wall
