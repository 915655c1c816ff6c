// The case file's byte layout, round trips and the handling of short, long and corrupt files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "ScratchDir.h"
#include "case/CaseDefaults.h"
#include "case/CaseFile.h"

using namespace wall;
namespace fs = std::filesystem;

namespace {

uint32_t U32At(const std::vector<uint8_t>& b, size_t off) {
    return b[off] | (b[off + 1] << 8) | (b[off + 2] << 16) | (static_cast<uint32_t>(b[off + 3]) << 24);
}
float F32At(const std::vector<uint8_t>& b, size_t off) {
    return std::bit_cast<float>(U32At(b, off));
}

class TempDir : public ::testing::Test {
  protected:
    test::ScratchDir scratch_{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    const fs::path& dir_ = scratch_.path();
};

std::vector<uint8_t> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& p, const std::vector<uint8_t>& b) {
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

TEST(CaseFileLayout, DefaultCounterfortImage) {
    std::vector<uint8_t> b = EncodeCase(DefaultCase());
    ASSERT_EQ(b.size(), 3336u);
    const uint8_t head[8] = {0x0C, 0xDF, 0x32, 0x01, 0x04, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(b.data(), head, 8), 0);
    for (size_t off = 3336 - 400; off < 3336; off += 4) {
        ASSERT_EQ(b[off], 0x0C);
        ASSERT_EQ(b[off + 1], 0xDF);
        ASSERT_EQ(b[off + 2], 0x32);
        ASSERT_EQ(b[off + 3], 0x01);
    }
    // Soil scalars from offset 8; the tables at 48 (layers) and 1648 (slope).
    EXPECT_EQ(U32At(b, 8), 5u);
    EXPECT_EQ(U32At(b, 12), 4u);
    EXPECT_EQ(F32At(b, 20), 10.0f);
    EXPECT_EQ(F32At(b, 24), 4.0f);
    EXPECT_EQ(U32At(b, 28), 1u);
    EXPECT_EQ(U32At(b, 44), 2u);
    EXPECT_EQ(F32At(b, 48), 17.0f);
    EXPECT_EQ(F32At(b, 48 + 8), 30.0f);
    EXPECT_EQ(F32At(b, 48 + 32), 17.0f);  // layer row 2
    EXPECT_EQ(F32At(b, 1648), 5.0f);
    EXPECT_EQ(F32At(b, 1652), 1.0f);
    EXPECT_EQ(F32At(b, 1648 + 24), 5.0f);  // slope row 2
}

TEST(CaseFileLayout, EveryWallFieldAtItsOffset) {
    WallCase c;
    CRetainingWall& w = c.wall;
    // Distinct values so a swapped pair shows.
    w.m_fToeWidth = 1;
    w.m_fHeelWidth = 2;
    w.m_fToeHeight = 3;
    w.m_fHeelHeight = 4;
    w.m_fTopWidth = 5;
    w.m_fAllowCompress = 6;
    w.m_fWallFriction = 7;
    w.m_fBackSlope = 8;
    w.m_fBaseSlope = 9;
    w.m_fFrontSlope = 10;
    w.m_fHeight = 11;
    w.m_fUnitWeight = 12;
    w.m_fAllowShear = 13;
    w.m_fBaseFriction = 14;
    w.m_fCfThickness = 15;
    w.m_fCfSpacing = 16;
    w.m_fLowerBackSlope = 17;
    w.m_nRebarGrade = 3;
    w.m_nConcreteGrade = 13;
    w.m_fBarDiameter = 20;
    w.m_fCover = 21;
    w.m_fCrackLimit = 22;
    std::vector<uint8_t> b = EncodeCase(c);
    struct Off {
        size_t offset;
        float value;
    };
    const Off floats[] = {{2848, 8},  {2852, 9},  {2856, 10}, {2860, 5},  {2864, 1},  {2868, 2},  {2872, 15},
                          {2876, 6},  {2880, 7},  {2884, 11}, {2888, 3},  {2892, 4},  {2896, 16}, {2900, 12},
                          {2904, 13}, {2908, 14}, {2912, 17}, {2916, 20}, {2928, 22}, {2932, 21}};
    for (const Off& o : floats) EXPECT_EQ(F32At(b, o.offset), o.value) << o.offset;
    EXPECT_EQ(U32At(b, 2920), 3u);
    EXPECT_EQ(U32At(b, 2924), 13u);
    EXPECT_EQ(U32At(b, 2936), 20111116u);
}

TEST_F(TempDir, RoundTripKeepsEveryValue) {
    for (int type = 0; type < kWallTypeCount; ++type) {
        WallCase c = DefaultCase(type);
        c.soil.m_nSlopeSegs = 2;
        c.soil.m_nSlopeRows = 3;
        c.soil.m_afSlope[1][0] = 3.25f;
        c.soil.m_afLayer[0][1] = 12.5f;
        c.wall.m_fHeight = 1.236f;
        fs::path p = dir_ / "case.挡土墙计算";
        ASSERT_TRUE(WriteCaseFile(p, c).ok());
        EXPECT_EQ(fs::file_size(p), 3336u);
        WallCase back;
        ASSERT_TRUE(ReadCaseFile(p, back).ok());
        EXPECT_EQ(EncodeCase(back), EncodeCase(c));
        EXPECT_EQ(back.wallType, type);
        EXPECT_EQ(back.wall.m_fHeight, 1.236f);
    }
}

TEST_F(TempDir, ShortFileIsRefusedAndChangesNothing) {
    std::vector<uint8_t> b = EncodeCase(DefaultCase(kGravity));
    b.resize(3335);
    fs::path p = dir_ / "short.挡土墙计算";
    WriteAll(p, b);
    WallCase c = DefaultCase(kShelf);
    CaseIoResult r = ReadCaseFile(p, c);
    EXPECT_EQ(r.status, CaseIoStatus::kShortFile);
    EXPECT_EQ(r.message, "试图越过其尾端对 " + p.string() + " 进行读写。");
    EXPECT_EQ(c.wallType, kShelf);
    EXPECT_EQ(EncodeCase(c), EncodeCase(DefaultCase(kShelf)));
}

TEST_F(TempDir, LongerFileReadsTheFirst3336Bytes) {
    std::vector<uint8_t> b = EncodeCase(DefaultCase(kSemiGravity));
    b.insert(b.end(), 100, 0xFF);
    fs::path p = dir_ / "long";
    WriteAll(p, b);
    WallCase c;
    ASSERT_TRUE(ReadCaseFile(p, c).ok());
    EXPECT_EQ(c.wallType, kSemiGravity);
}

TEST(CaseFileDecode, CorruptImagesAreRefused) {
    struct Corruption {
        const char* what;
        size_t offset;
        uint32_t value;
        const char* mentions;
    };
    const Corruption rows[] = {
        {"marker", 0, 20111117u, "20111117"},
        {"wall type 5", 4, 5u, "挡土墙类型 5"},
        {"wall type -1", 4, 0xFFFFFFFFu, "挡土墙类型 -1"},
        {"no segments", 32, 0u, "坡面线段数 0"},
        {"three segments", 32, 3u, "坡面线段数 3"},
        {"rebar grade 4", 2920, 4u, "钢筋级别序号 4"},
        {"concrete grade 14", 2924, 14u, "混凝土强度等级序号 14"},
        {"concrete grade -1", 2924, 0xFFFFFFFFu, "混凝土强度等级序号 -1"},
        {"theory 2", 28, 2u, "土压力计算方法 2"},
    };
    for (const Corruption& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<uint8_t> b = EncodeCase(DefaultCase());
        for (int i = 0; i < 4; ++i) b[row.offset + i] = static_cast<uint8_t>(row.value >> (8 * i));
        WallCase c = DefaultCase(kGravity);
        CaseIoResult r = DecodeCase(b, "x.挡土墙计算", c);
        EXPECT_EQ(r.status, CaseIoStatus::kInvalid);
        EXPECT_NE(r.message.find(row.mentions), std::string::npos) << r.message;
        EXPECT_NE(r.message.find("x.挡土墙计算"), std::string::npos);
        EXPECT_EQ(c.wallType, kGravity);
    }
}

TEST_F(TempDir, MissingFileCannotBeOpened) {
    WallCase c;
    CaseIoResult r = ReadCaseFile(dir_ / "none", c);
    EXPECT_EQ(r.status, CaseIoStatus::kCannotOpen);
    EXPECT_EQ(r.cause, 2);
}

TEST_F(TempDir, FailedWriteLeavesTheOldFileAndNoLeftovers) {
    fs::path good = dir_ / "good.挡土墙计算";
    ASSERT_TRUE(WriteCaseFile(good, DefaultCase(kGravity)).ok());
    // A path through a regular file cannot be created: bad path, nothing written anywhere.
    CaseIoResult r = WriteCaseFile(good / "inner", DefaultCase());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.cause, 3);
    EXPECT_EQ(r.message, "3");
    // A missing folder: file not found.
    r = WriteCaseFile(dir_ / "missing" / "x", DefaultCase());
    EXPECT_EQ(r.cause, 2);
    WallCase back;
    ASSERT_TRUE(ReadCaseFile(good, back).ok());
    EXPECT_EQ(back.wallType, kGravity);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST(CaseFileErrors, CauseNumbersOfCommonFailures) {
    EXPECT_EQ(CauseFromErrno(ENOSPC), 13);
    EXPECT_EQ(CauseFromErrno(EACCES), 5);
    EXPECT_EQ(CauseFromErrno(ENOENT), 2);
}

TEST_F(TempDir, FixedCopiesCreateTheirFolders) {
    std::string work = (dir_ / "work").string() + "/";
    fs::path item = dir_ / "item";
    fs::create_directories(item);
    WallCase c = DefaultCase(kCantilever);
    ASSERT_TRUE(WriteFixedCopies(c, work, item).ok());
    fs::path first = dir_ / "work" / "MOVA" / "SYSTEM" / "MovaTool.挡土墙计算";
    fs::path second = item / "MovaTool.挡土墙计算";
    EXPECT_EQ(ReadAll(first), EncodeCase(c));
    EXPECT_EQ(ReadAll(second), EncodeCase(c));
}

TEST(CaseFileNames, ExtensionRule) {
    EXPECT_EQ(WithCaseExtension("/tmp/a").string(), "/tmp/a.挡土墙计算");
    EXPECT_EQ(WithCaseExtension("/tmp/a.dat").string(), "/tmp/a.dat");
    EXPECT_EQ(WithCaseExtension("/tmp/a.挡土墙计算").string(), "/tmp/a.挡土墙计算");
}

}  // namespace
