// The field table against the records and the case file it describes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "case/CaseFile.h"
#include "case/FieldTable.h"

using namespace wall;

namespace {

using W = CRetainingWall;

// Counts the bytes a member covers, from its address in a record.
void Cover(std::vector<int>& bytes, const void* record, const void* member, std::size_t size) {
    const auto from =
        static_cast<std::size_t>(static_cast<const char*>(member) - static_cast<const char*>(record));
    for (std::size_t i = from; i < from + size && i < bytes.size(); ++i) ++bytes[i];
}

// Every byte of both records belongs to exactly one field (a table to its columns together), and no
// table column is listed twice.
TEST(FieldTable, EveryMemberOfBothRecordsOnce) {
    const WallCase c;
    std::vector<int> wall(sizeof(CRetainingWall)), soil(sizeof(CSoil));
    int wallTypes = 0;
    std::set<std::string_view> tables;
    std::set<std::pair<std::string_view, int>> columns;
    for (const CaseField& f : CaseFieldTable()) {
        std::visit(
            [&](auto m) {
                using M = decltype(m);
                if constexpr (std::is_same_v<M, int32_t WallCase::*>) {
                    ++wallTypes;
                } else if constexpr (std::is_same_v<M, float W::*> || std::is_same_v<M, int32_t W::*>) {
                    Cover(wall, &c.wall, &(c.wall.*m), sizeof(c.wall.*m));
                } else {
                    if (f.column < 0 || tables.insert(f.name).second)
                        Cover(soil, &c.soil, &(c.soil.*m), sizeof(c.soil.*m));
                }
            },
            f.member);
        if (f.column >= 0) {
            EXPECT_TRUE(columns.insert({f.name, f.column}).second) << f.name << f.column;
        }
    }
    EXPECT_EQ(wallTypes, 1);
    EXPECT_EQ(wall, std::vector<int>(sizeof(CRetainingWall), 1));
    EXPECT_EQ(soil, std::vector<int>(sizeof(CSoil), 1));
}

// The slots cover the 834 four-byte items of the case file once each, next to the first marker and
// the 100 trailing ones: the wall type at byte 4, the soil scalars from 8, the layer table at 48, the
// slope table at 1648 and the 22 wall fields from 2848 to 2932.
TEST(FieldTable, FileSlotsLayOutTheCaseFile) {
    std::vector<int> items(kCaseFileSize / 4);
    items[0] = 1;
    for (std::size_t i = items.size() - 100; i < items.size(); ++i) ++items[i];
    std::set<std::string_view> tables;
    int firstWall = 1 << 30, lastWall = -1;
    for (const CaseField& f : CaseFieldTable()) {
        if (f.column < 0) {
            ++items.at(static_cast<std::size_t>(f.fileSlot));
        } else if (tables.insert(f.name).second) {
            const TableShape shape = ShapeOf(f);
            const int first = f.fileSlot - f.column;
            for (int i = first; i < first + shape.rows * shape.columns; ++i)
                ++items.at(static_cast<std::size_t>(i));
        }
        if (std::holds_alternative<float W::*>(f.member) || std::holds_alternative<int32_t W::*>(f.member)) {
            firstWall = std::min(firstWall, f.fileSlot);
            lastWall = std::max(lastWall, f.fileSlot);
        }
    }
    EXPECT_EQ(items, std::vector<int>(kCaseFileSize / 4, 1));
    struct Row {
        int offset;
        int slot;
    };
    for (const Row& r :
         {Row{4, FieldOf(&WallCase::wallType).fileSlot}, Row{8, FieldOf(&CSoil::m_nSlopeCols).fileSlot},
          Row{28, FieldOf(&CSoil::m_nTheory).fileSlot}, Row{32, FieldOf(&CSoil::m_nSlopeSegs).fileSlot},
          Row{48 + 8, FieldOf(&CSoil::m_afLayer, kLayerFriction).fileSlot},
          Row{1648 + 4, FieldOf(&CSoil::m_afSlope, kSlopeRise).fileSlot}, Row{2848, firstWall},
          Row{2932, lastWall}}) {
        EXPECT_EQ(4 * r.slot, r.offset);
    }
}

// B2, H2 and the back batter are named after what they are on each type's page; the semi-gravity
// page has no B2.
TEST(FieldTable, LabelsFollowTheWallType) {
    struct Row {
        float W::*member;
        int type;
        const char* label;
    };
    const Row rows[] = {
        {&W::m_fHeelWidth, kGravity, "墙踵宽度B2(m)"},
        {&W::m_fHeelWidth, kShelf, "平台宽度B2(m)"},
        {&W::m_fHeelWidth, kCounterfort, "墙踵宽度B2(m)"},
        {&W::m_fHeelHeight, kGravity, "墙踵高度H2(m)"},
        {&W::m_fHeelHeight, kSemiGravity, "墙趾高度H2(m)"},
        {&W::m_fHeelHeight, kShelf, "上墙高度H2(m)"},
        {&W::m_fHeelHeight, kCantilever, "墙踵高度H2(m)"},
        {&W::m_fBackSlope, kCantilever, "墙背倾斜坡度(1:m)"},
        {&W::m_fBackSlope, kShelf, "上墙背倾斜坡度(1:m)"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        const CaseField& f = FieldOf(r.member);
        EXPECT_STREQ(FieldLabel(f, r.type), r.label);
        EXPECT_TRUE(ShownForType(f, r.type));
    }
    EXPECT_FALSE(ShownForType(FieldOf(&W::m_fHeelWidth), kSemiGravity));
}

}  // namespace
