// The drawing file byte for byte, reading as its mirror, refusal of malformed files, saving.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include "drawing/DrawingCanvas.h"

namespace wall {
namespace {

// Little-endian image of values, written out by hand from the record layouts.
struct Bytes {
    std::vector<uint8_t> v;
    Bytes& i16(int16_t x) { return raw(&x, 2); }
    Bytes& i32(int32_t x) { return raw(&x, 4); }
    Bytes& f32(float x) { return raw(&x, 4); }
    Bytes& u8(uint8_t x) { return raw(&x, 1); }
    Bytes& str(const char* s) { return raw(s, std::strlen(s)); }
    Bytes& raw(const void* p, std::size_t n) {
        v.insert(v.end(), static_cast<const uint8_t*>(p), static_cast<const uint8_t*>(p) + n);
        return *this;
    }
};

std::vector<uint8_t> Write(DrawingCanvas& canvas) {
    DrawingFileStream ar;
    canvas.Serialize(ar);
    return ar.bytes();
}

int32_t I32At(const std::vector<uint8_t>& b, std::size_t at) {
    int32_t v;
    std::memcpy(&v, b.data() + at, 4);
    return v;
}

TEST(DrawingFile, ThreeLinesAndTwoTextsAre213Bytes) {
    DrawingCanvas canvas;
    canvas.AddLine(28, 1, 0, 0, 1, 1);
    canvas.AddLine(28, 1, 2, 2, 3, 3);
    canvas.AddLine(24, 3, 7, 8, 9, 10);
    canvas.AddText(2, 0, 0, 0, 0, 600, 300, 0, "计", 3, 1);       // 2 GBK bytes
    canvas.AddText(2, 0, 0, 0, 0, 600, 300, 0, "BP=10.0", 3, 1);  // 7 bytes
    std::vector<uint8_t> b = Write(canvas);
    // 20 + 3·30 + (47 + 2) + (47 + 7) = 213.
    ASSERT_EQ(b.size(), 213u);
    EXPECT_EQ(I32At(b, 0), 3);
    EXPECT_EQ(I32At(b, 4), 0);
    EXPECT_EQ(I32At(b, 8), 0);
    EXPECT_EQ(I32At(b, 12), 0);
    EXPECT_EQ(I32At(b, 16), 2);
    // The last line added is the first record: colour 24, width 3, then x1 = 7.
    EXPECT_EQ(b[20], 24);
    EXPECT_EQ(b[24], 3);
    float x1;
    std::memcpy(&x1, b.data() + 34, 4);
    EXPECT_EQ(x1, 7.0f);
    // The texts follow last to first: the 7-byte one first, its length at 20 + 90 + 43.
    EXPECT_EQ(I32At(b, 153), 7);
}

TEST(DrawingFile, RecordLayouts) {
    DrawingCanvas canvas;
    canvas.AddLine(28, 1, 1.5f, 2.5f, 3.5f, 4.5f);
    canvas.AddCircle(1, 12, 2, 3, 1, -1, 10, 20, 30, 1);
    auto arc = std::make_unique<CArcTemp>();
    arc->m_nColour = 5, arc->m_nFillColour = 6, arc->m_nPenWidth = 7, arc->m_nPenStyle = 1,
    arc->m_nAttribute = 9;
    arc->m_nFilled = 0, arc->m_fCx = 1, arc->m_fCy = 2, arc->m_fR = 3, arc->m_fStart = 0.5f,
    arc->m_fEnd = 2.5f;
    canvas.Arcs().push_back(std::move(arc));
    canvas.AddText(22, 100, 200, 0, 0, 600, 300, 1, "计算", 3, 1);
    auto pl = std::make_unique<CPlineTemp>();
    pl->m_nColour = 3, pl->m_nClosed = 1, pl->m_vertices = {{1, 2, 3}, {4, 5, 6}};
    canvas.Polylines().push_back(std::move(pl));

    Bytes want;
    want.i32(1).i32(1).i32(1).i32(1).i32(1);
    // Line: common part (colour, fill 1, width, style 0, attribute 1, erased 0), x1 y1 x2 y2.
    want.i16(28).i16(1).i16(1).i16(0).i16(1).i32(0).f32(1.5f).f32(2.5f).f32(3.5f).f32(4.5f);
    // Polyline: common part, closed, count, vertices of three floats.
    want.i16(3).i16(0).i16(1).i16(0).i16(0).i32(0).i32(1).i32(2);
    want.f32(1).f32(2).f32(3).f32(4).f32(5).f32(6);
    // Circle: common part, filled, cx cy r (the draw flag is not stored).
    want.i16(1).i16(12).i16(2).i16(3).i16(1).i32(0).i32(1).f32(10).f32(20).f32(30);
    // Arc: as the circle, then start and end angles.
    want.i16(5).i16(6).i16(7).i16(1).i16(9).i32(0).i32(0).f32(1).f32(2).f32(3).f32(0.5f).f32(2.5f);
    // Text: common part (fill 1, width 1, style 1, attribute 1), x y direction glyph height width
    // gap, a zero byte, the byte length and the GBK bytes of "计算" (BC C6 CB E3).
    want.i16(22).i16(1).i16(1).i16(1).i16(1).i32(0);
    want.f32(100).f32(200).f32(0).f32(0).f32(600).f32(300).f32(1).u8(0).i32(4).str("\xBC\xC6\xCB\xE3");
    EXPECT_EQ(Write(canvas), want.v);
    // Record sizes: line 30, polyline 22 + 12·2, circle 30, arc 38, text 47 + 4.
    EXPECT_EQ(want.v.size(), 20u + 30 + 46 + 30 + 38 + 51);
}

TEST(DrawingFile, ReadingMirrorsWriting) {
    DrawingCanvas canvas;
    canvas.AddLine(28, 1, 0, 0, 5, 5);
    canvas.AddLine(24, 3, 1, 2, 3, 4);
    canvas.AddCircle(1, 1, 1, 1, 1, -1, 7, 8, 0, 0);
    canvas.AddText(21, 10, 20, 30, 0, 400, 250, 0, "Ey计", 2, 2);
    std::vector<uint8_t> bytes = Write(canvas);

    DrawingCanvas read;
    DrawingIoResult r = DecodeDrawing(bytes, "t.kst", read);
    ASSERT_TRUE(r.ok()) << r.message;
    ASSERT_EQ(read.Lines().size(), 2u);
    // Records are appended in file order, which is the written list from last to first.
    EXPECT_EQ(read.Lines()[0]->m_nColour, 24);
    EXPECT_EQ(read.Lines()[0]->m_fY2, 4);
    EXPECT_EQ(read.Lines()[1]->m_fX2, 5);
    ASSERT_EQ(read.Texts().size(), 1u);
    EXPECT_EQ(read.Texts()[0]->m_strText, "Ey\xBC\xC6");
    EXPECT_EQ(read.Texts()[0]->m_fGlyphAngle, 30);
    EXPECT_EQ(read.Circles()[0]->m_nDrawFlag, 0);  // not stored
    // Written again, the reversed lists give the records in reverse order but the same size.
    EXPECT_EQ(Write(read).size(), bytes.size());
}

TEST(DrawingFile, ErasedEntitiesArePurgedBeforeCounting) {
    DrawingCanvas canvas;
    canvas.AddLine(1, 1, 0, 0, 1, 1)->m_nErased = 1;
    canvas.AddLine(1, 1, 0, 0, 2, 2);
    canvas.AddText(1, 0, 0, 0, 0, 1, 1, 0, "x", 3, 1)->m_nErased = 1;
    std::vector<uint8_t> b = Write(canvas);
    EXPECT_EQ(I32At(b, 0), 1);
    EXPECT_EQ(I32At(b, 16), 0);
    EXPECT_EQ(b.size(), 50u);
    EXPECT_EQ(canvas.Lines().size(), 1u);
}

TEST(DrawingFile, MalformedFilesAreRefused) {
    auto counts = [](int32_t l, int32_t p, int32_t c, int32_t a, int32_t t) {
        Bytes b;
        b.i32(l).i32(p).i32(c).i32(a).i32(t);
        return b;
    };
    auto textHead = [](Bytes b, int32_t n) {
        b.i16(0).i16(0).i16(0).i16(0).i16(0).i32(0);
        for (int i = 0; i < 7; ++i) b.f32(0);
        b.u8(0).i32(n);
        return b;
    };
    auto plineHead = [](Bytes b, int32_t c) {
        b.i16(0).i16(0).i16(0).i16(0).i16(0).i32(0).i32(0).i32(c);
        return b;
    };
    const int32_t big = std::numeric_limits<int32_t>::max();
    struct Row {
        const char* name;
        std::vector<uint8_t> bytes;
    };
    const std::vector<Row> rows = {
        {"empty", {}},
        {"shorter than the counts", std::vector<uint8_t>(19, 0)},
        {"negative count", counts(-1, 0, 0, 0, 0).v},
        {"count beyond the file", counts(big, 0, 0, 0, 0).v},
        {"counts beyond the file together", counts(0, 0, 0, 0, 1).v},
        {"text longer than the file", textHead(counts(0, 0, 0, 0, 1), big).v},
        {"negative text length", textHead(counts(0, 0, 0, 0, 1), -5).v},
        {"text cut short", textHead(counts(0, 0, 0, 0, 1), 3).str("ab").v},
        {"vertex count beyond the file", plineHead(counts(0, 1, 0, 0, 0), big / 2).v},
        {"negative vertex count", plineHead(counts(0, 1, 0, 0, 0), -1).v},
        {"bytes after the last record", counts(0, 0, 0, 0, 0).u8(0).v},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        DrawingCanvas canvas;
        canvas.AddLine(1, 1, 0, 0, 1, 1);
        DrawingIoResult res = DecodeDrawing(r.bytes, "bad.kst", canvas);
        EXPECT_FALSE(res.ok());
        EXPECT_NE(res.message.find("bad.kst"), std::string::npos) << res.message;
        EXPECT_EQ(canvas.Lines().size(), 1u);  // unchanged
    }
    DrawingCanvas empty;
    EXPECT_TRUE(DecodeDrawing(counts(0, 0, 0, 0, 0).v, "empty.kst", empty).ok());
}

TEST(DrawingFile, SaveToFileIsAtomicAndReportsTheCause) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "drawing_save";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    DrawingCanvas canvas;
    canvas.AddLine(1, 1, 0, 0, 1, 1);
    const std::filesystem::path file = dir / "挡土墙计算计算简图";
    ASSERT_TRUE(canvas.SaveToFile(file).ok());
    EXPECT_EQ(std::filesystem::file_size(file), 50u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left

    DrawingCanvas read;
    ASSERT_TRUE(ReadDrawingFile(file, read).ok());
    EXPECT_EQ(read.Lines().size(), 1u);

    // A missing folder: file error cause 2 ("not found"), shown as its number.
    DrawingIoResult r = canvas.SaveToFile(dir / "missing" / "x.kst");
    EXPECT_EQ(r.cause, 2);
    EXPECT_EQ(r.message, "2");
    EXPECT_FALSE(ReadDrawingFile(dir / "missing" / "x.kst", read).ok());
}

}  // namespace
}  // namespace wall
