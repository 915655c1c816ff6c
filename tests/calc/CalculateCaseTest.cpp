// The calculation of a case: how a refusal reads, and that an accepted case has a result.
#include <gtest/gtest.h>

#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"

namespace wall {
namespace {

// The message names the field by its label and unit once, then the bound and the value.
TEST(CalculateCase, RefusalNamesTheFieldOnce) {
    WallCase c = DefaultCase(kShelf);
    c.wall.m_fToeWidth = -3;
    CaseResult r = CalculateCase(c);
    EXPECT_FALSE(r.shelf);
    EXPECT_EQ(RefusalText(r), "无法计算：\n  墙趾宽度B1(m) 应不小于 0，当前为 -3");
    c.wall.m_fToeWidth = 0;  // a wall without a toe is a real wall
    r = CalculateCase(c);
    EXPECT_TRUE(r.Accepted());
    EXPECT_TRUE(r.shelf);
}

}  // namespace
}  // namespace wall
