// The built plug-in, loaded as a host loads it: registration, ignored codes and names, null input.
#include <gtest/gtest.h>

#include <string>

#include "PluginFixture.h"
#include "host/SubstituteHost.h"

namespace hosttest {
namespace {

class RealPlugin : public PluginFixture {
  protected:
    void SetUp() override {
        // A plug-in with the Qt dialog may stay loaded after dlclose; the tests that need a fresh
        // callback table run only on the plug-in without it.
        expectUnload_ = WALL_PLUGIN_USES_PLACEHOLDER;
        Load(WALL_PLUGIN_PATH);
    }
};

// Code 1 registers exactly one command: "KESTRO_QUARN" under the token "$KS_QURN".
TEST_F(RealPlugin, LoadRegistersTheCommandOnce) {
    EXPECT_EQ(Call(wall::kEntryLoad, nullptr), 0);
    ASSERT_EQ(PellodDevCommandCount(), 1);
    EXPECT_STREQ(PellodDevCommandToken(0), "$KS_QURN");
    EXPECT_STREQ(PellodDevCommandName(0), "KESTRO_QUARN");
    EXPECT_NE(PellodDevCommandHandler(0), nullptr);
}

// Unload, idle, host quit and unknown codes return 0 and change nothing, even when their data
// would be meaningful to codes 15 or 27.
TEST_F(RealPlugin, OtherCodesChangeNothing) {
    const int codes[] = {2, 3, 4, 0, -1, 5, 14, 16, 26, 28, 1000};
    HostCallbackRecord closeB{"ExCloseDoc", AsData(CloseDocB)};
    char command[] = "KESTRO_QUARN";
    for (int code : codes) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Call(code, nullptr), 0);
        EXPECT_EQ(Call(code, command), 0);
        EXPECT_EQ(Call(code, &closeB), 0);
    }
    EXPECT_EQ(PellodDevCommandCount(), 0);
    EXPECT_EQ(TarnicDevDrawingCount(), 0);
    EXPECT_TRUE(Events().empty());
}

// The command name is compared byte for byte: other spellings do not run the dialog, so no
// close-document call follows.
TEST_F(RealPlugin, OtherCommandNamesAreIgnored) {
    Call(wall::kEntryLoad, nullptr);
    HandIn("ExCloseDoc", AsData(CloseDocA));
    for (const char* name :
         {"kestro_quarn", "Kestro_Quarn", "KESTRO_QUAR", "KESTRO_QUARN ", " KESTRO_QUARN", "$KS_QURN", ""}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Run(name), 0);
        EXPECT_EQ(PellodDevRunCommand(name), -1);  // the host has no command of that name either
    }
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(PellodDevCommandCount(), 1);
}

// Null data for codes 15 and 27 and records with a null name or function are ignored.
TEST_F(RealPlugin, NullDataAndRecordsAreIgnored) {
    EXPECT_EQ(Call(wall::kEntryRunCommand, nullptr), 0);
    EXPECT_EQ(Call(wall::kEntryHandInCallback, nullptr), 0);
    EXPECT_EQ(HandIn(nullptr, AsData(CloseDocA)), 0);
    EXPECT_EQ(HandIn("ExCloseDoc", nullptr), 0);
    EXPECT_EQ(HandIn(nullptr, nullptr), 0);
    EXPECT_TRUE(Events().empty());
}

#if WALL_PLUGIN_USES_PLACEHOLDER
// Without the dialog every run ends as "取消": the close-document callback is called once per run,
// through code 15 and through the handler the host registered alike.
TEST_F(RealPlugin, CancelledRunCallsCloseDocumentOnce) {
    Call(wall::kEntryLoad, nullptr);
    HandIn("ExCloseDoc", AsData(CloseDocA));
    EXPECT_EQ(Run("KESTRO_QUARN"), 0);
    EXPECT_EQ(Events(), std::vector<std::string>{"closeA"});
    EXPECT_EQ(PellodDevRunCommand("KESTRO_QUARN"), 0);
    EXPECT_EQ(Events(), (std::vector<std::string>{"closeA", "closeA"}));
}

// A run without a close-document callback just ends; a null record does not remove the callback.
TEST_F(RealPlugin, MissingCloseDocumentIsSkipped) {
    Call(wall::kEntryLoad, nullptr);
    EXPECT_EQ(Run("KESTRO_QUARN"), 0);
    EXPECT_TRUE(Events().empty());
    HandIn("ExCloseDoc", AsData(CloseDocA));
    HandIn("ExCloseDoc", nullptr);
    Run("KESTRO_QUARN");
    EXPECT_EQ(Events(), std::vector<std::string>{"closeA"});
}
#endif

}  // namespace
}  // namespace hosttest
