// Which slot a callback name selects: upper-cased substring tests, LOADMENUFILE before EXRTFTEXTOUT
// before EXCLOSEDOC, first match wins.
#include <gtest/gtest.h>

#include <string>

#include "host/CallbackTable.h"

namespace wall {
namespace {

TEST(CallbackName, MatchesByUpperCasedSubstringInFixedOrder) {
    struct Row {
        const char* name;
        CallbackKind kind;
    };
    const Row rows[] = {
        {"EXRTFTEXTOUT", CallbackKind::kTextOut},
        {"ExRtfTextOut", CallbackKind::kTextOut},
        {"exrtftextout", CallbackKind::kTextOut},
        {"EXCLOSEDOC", CallbackKind::kCloseDoc},
        {"ExCloseDoc", CallbackKind::kCloseDoc},
        {"exclosedoc", CallbackKind::kCloseDoc},
        {"LoadMenuFile", CallbackKind::kLoadMenuFile},
        // Other characters around the keyword do not matter.
        {"_ExCloseDoc@0", CallbackKind::kCloseDoc},
        {"挡土墙ExRtfTextOut挡土墙", CallbackKind::kTextOut},
        // Several keywords: the earlier test wins, wherever the keyword stands in the name.
        {"ExCloseDocExRtfTextOut", CallbackKind::kTextOut},
        {"ExRtfTextOutExCloseDoc", CallbackKind::kTextOut},
        {"ExRtfTextOut_LoadMenuFile", CallbackKind::kLoadMenuFile},
        {"loadmenufile+exclosedoc", CallbackKind::kLoadMenuFile},
        // Near misses and nothing.
        {"ExRtfTextOu", CallbackKind::kNone},
        {"Ex CloseDoc", CallbackKind::kNone},
        {"ＥＸCLOSEDOC", CallbackKind::kNone},  // full-width letters are not upper-cased ASCII
        {"EXIT", CallbackKind::kNone},
        {"", CallbackKind::kNone},
        {nullptr, CallbackKind::kNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name != nullptr ? row.name : "(null)");
        EXPECT_EQ(MatchCallbackName(row.name), row.kind);
    }
}

TEST(CallbackName, LongNamesAreCopiedWhole) {
    // The keyword sits past any fixed buffer a host-side copy might use.
    std::string name(10000, 'x');
    name += "exclosedoc";
    EXPECT_EQ(MatchCallbackName(name.c_str()), CallbackKind::kCloseDoc);
}

}  // namespace
}  // namespace wall
