// The plug-in's command handler and callback table, driven through a probe dialog step that uses
// every host service and ends with the result the test chooses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PluginFixture.h"
#include "host/SubstituteHost.h"

namespace hosttest {
namespace {

using Strings = std::vector<std::string>;

class ProbePlugin : public PluginFixture {
  protected:
    void SetUp() override {
        Load(WALL_PROBE_PLUGIN_PATH);
        setResult_ = reinterpret_cast<void (*)(int)>(Symbol("ProbeSetDialogResult"));
        runCount_ = reinterpret_cast<int (*)()>(Symbol("ProbeRunCount"));
        ASSERT_NE(setResult_, nullptr);
        ASSERT_NE(runCount_, nullptr);
        Call(wall::kEntryLoad, nullptr);
    }
    std::string Text(const char* which) { return std::string(which) + ":设计资料\n"; }

    void (*setResult_)(int) = nullptr;
    int (*runCount_)() = nullptr;
};

// "取消" (2) calls the close-document callback once; a completed "计算" (1) does not. Any result
// other than 1 counts as not calculated.
TEST_F(ProbePlugin, CloseDocumentOnlyWithoutCalculation) {
    struct Row {
        int result;
        int closeCalls;
    };
    const Row rows[] = {{2, 1}, {1, 0}, {0, 1}, {-1, 1}};
    HandIn("ExCloseDoc", AsData(CloseDocA));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.result);
        Events().clear();
        setResult_(row.result);
        Run("KESTRO_QUARN");
        EXPECT_EQ(Events(), Strings(row.closeCalls, "closeA"));
    }
    EXPECT_EQ(runCount_(), 4);
}

// Hand-ins are matched on the upper-cased name by substring, in the order LOADMENUFILE,
// EXRTFTEXTOUT, EXCLOSEDOC; the first match wins. Each row hands in one record with TextOutB or
// CloseDocB (whichever the name should select) over the A callbacks and checks which ones a run
// then reaches.
TEST_F(ProbePlugin, HandInNameRules) {
    struct Row {
        const char* name;
        bool isTextOut;  // hand in TextOutB (else CloseDocB)
        Strings expected;
    };
    const Row rows[] = {
        {"ExCloseDoc", false, {"textA:设计资料\n", "closeB"}},
        {"exclosedoc", false, {"textA:设计资料\n", "closeB"}},  // lower case is upper-cased first
        {"EXCLOSEDOC", false, {"textA:设计资料\n", "closeB"}},
        {"HostExCloseDocument", false, {"textA:设计资料\n", "closeB"}},
        {"exrtftextout", true, {"textB:设计资料\n", "closeA"}},
        {"My_ExRtfTextOut_v2", true, {"textB:设计资料\n", "closeA"}},
        // Both names: taken as the text-out callback only.
        {"ExRtfTextOut+ExCloseDoc", true, {"textB:设计资料\n", "closeA"}},
        {"ExCloseDoc+ExRtfTextOut", true, {"textB:设计资料\n", "closeA"}},
        // LOADMENUFILE wins over the others: neither callback changes.
        {"LoadMenuFile_ExRtfTextOut", true, {"textA:设计资料\n", "closeA"}},
        {"ExCloseDoc.LOADMENUFILE", false, {"textA:设计资料\n", "closeA"}},
        // Not a keyword: ignored.
        {"ExRtfText", true, {"textA:设计资料\n", "closeA"}},
        {"EX_CLOSEDOC", false, {"textA:设计资料\n", "closeA"}},
        {"", false, {"textA:设计资料\n", "closeA"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        HandIn("ExRtfTextOut", AsData(TextOutA));
        HandIn("ExCloseDoc", AsData(CloseDocA));
        HandIn(row.name, row.isTextOut ? AsData(TextOutB) : AsData(CloseDocB));
        Events().clear();
        Run("KESTRO_QUARN");
        EXPECT_EQ(Events(), row.expected);
    }
}

// A later hand-in of the same kind replaces the earlier one; a LOADMENUFILE callback is kept but
// never called.
TEST_F(ProbePlugin, LaterHandInsReplaceEarlierOnes) {
    HandIn("LOADMENUFILE", AsData(LoadMenuFile));
    HandIn("ExRtfTextOut", AsData(TextOutA));
    HandIn("ExCloseDoc", AsData(CloseDocA));
    Run("KESTRO_QUARN");
    HandIn("EXRTFTEXTOUT", AsData(TextOutB));
    HandIn("exclosedoc", AsData(CloseDocB));
    Run("KESTRO_QUARN");
    EXPECT_EQ(Events(), (Strings{Text("textA"), "closeA", Text("textB"), "closeB"}));
}

// Without callbacks a run echoes nothing and closes nothing, but still registers its drawing.
TEST_F(ProbePlugin, MissingCallbacksAreSkipped) {
    Run("KESTRO_QUARN");
    EXPECT_TRUE(Events().empty());
    ASSERT_EQ(TarnicDevDrawingCount(), 1);
    EXPECT_STREQ(TarnicDevDrawingName(0), "挡土墙计算计算简图");
}

// Records with a null name or function change nothing: the callbacks handed in before stay.
TEST_F(ProbePlugin, NullRecordsKeepEarlierCallbacks) {
    HandIn("ExRtfTextOut", AsData(TextOutA));
    HandIn("ExCloseDoc", AsData(CloseDocA));
    HandIn("ExRtfTextOut", nullptr);
    HandIn("ExCloseDoc", nullptr);
    HandIn(nullptr, AsData(CloseDocB));
    Call(wall::kEntryHandInCallback, nullptr);
    Call(wall::kEntryRunCommand, nullptr);
    EXPECT_EQ(runCount_(), 0);
    Run("KESTRO_QUARN");
    EXPECT_EQ(Events(), (Strings{Text("textA"), "closeA"}));
}

// The handler the host registered and code 15 end in the same run; lower case runs nothing.
TEST_F(ProbePlugin, RegisteredHandlerRunsTheSameCommand) {
    HandIn("ExCloseDoc", AsData(CloseDocA));
    ASSERT_EQ(PellodDevCommandCount(), 1);
    HostCommandHandler handler = PellodDevCommandHandler(0);
    EXPECT_EQ(handler("kestro_quarn"), 0);
    EXPECT_EQ(handler(nullptr), 0);
    EXPECT_EQ(runCount_(), 0);
    EXPECT_EQ(handler("KESTRO_QUARN"), 0);
    Run("KESTRO_QUARN");
    EXPECT_EQ(runCount_(), 2);
    EXPECT_EQ(Events(), (Strings{"closeA", "closeA"}));
}

// The dialog sees the host's paths through its services; the work path gains its separator.
TEST_F(ProbePlugin, DialogSeesTheHostPaths) {
    auto workPath = reinterpret_cast<const char* (*)()>(Symbol("ProbeWorkPath"));
    auto itemPath = reinterpret_cast<const char* (*)()>(Symbol("ProbeItemWorkPath"));
    TarnicDevSetWorkPath("/srv/工程/work");
    TarnicDevSetItemWorkPath("/srv/工程/item 1");
    Run("KESTRO_QUARN");
    EXPECT_STREQ(workPath(), "/srv/工程/work/");
    EXPECT_STREQ(itemPath(), "/srv/工程/item 1");
    // A host that gives no paths: empty texts, no crash.
    TarnicDevSetWorkPath(nullptr);
    TarnicDevSetItemWorkPath(nullptr);
    Run("KESTRO_QUARN");
    EXPECT_STREQ(workPath(), "");
    EXPECT_STREQ(itemPath(), "");
}

}  // namespace
}  // namespace hosttest
