// The report pictures replayed from their metafiles: the same calls as painting the canvas
// directly, for every wall type's preview and loading sketch.
#include <gtest/gtest.h>

#include "RecordingDevice.h"
#include "calc/CalculateCase.h"
#include "case/CaseDefaults.h"
#include "casereport/CalcReport.h"
#include "drawing/EmfDevice.h"
#include "drawing/EmfPlayer.h"
#include "drawing/SketchComposition.h"

namespace wall {
namespace {

// A device that hands every call to two others.
class Tee : public DrawingDevice {
  public:
    Tee(DrawingDevice& a, DrawingDevice& b) : m_a(a), m_b(b) {}
    void SetPen(const Pen& p) override { m_a.SetPen(p), m_b.SetPen(p); }
    void SetBrush(const Brush& b) override { m_a.SetBrush(b), m_b.SetBrush(b); }
    void SetRasterOp(RasterOp op) override { m_a.SetRasterOp(op), m_b.SetRasterOp(op); }
    void SetFont(const Font& f) override { m_a.SetFont(f), m_b.SetFont(f); }
    void SetTextColour(Rgb c) override { m_a.SetTextColour(c), m_b.SetTextColour(c); }
    void FillRect(int l, int t, int r, int b, Rgb c) override {
        m_a.FillRect(l, t, r, b, c), m_b.FillRect(l, t, r, b, c);
    }
    void Line(DevicePoint f, DevicePoint t) override { m_a.Line(f, t), m_b.Line(f, t); }
    void Arc(int l, int t, int r, int b, DevicePoint s, DevicePoint e) override {
        m_a.Arc(l, t, r, b, s, e), m_b.Arc(l, t, r, b, s, e);
    }
    void Ellipse(int l, int t, int r, int b) override { m_a.Ellipse(l, t, r, b), m_b.Ellipse(l, t, r, b); }
    void Polygon(std::span<const DevicePoint> p) override { m_a.Polygon(p), m_b.Polygon(p); }
    void InvertPolygon(std::span<const DevicePoint> p) override {
        m_a.InvertPolygon(p), m_b.InvertPolygon(p);
    }
    void Polyline(std::span<const DevicePoint> p) override { m_a.Polyline(p), m_b.Polyline(p); }
    void Char(DevicePoint at, std::string_view s, bool d) override { m_a.Char(at, s, d), m_b.Char(at, s, d); }

  private:
    DrawingDevice &m_a, &m_b;
};

void ExpectSameCalls(const std::vector<RecordedCall>& direct, const std::vector<RecordedCall>& replayed) {
    ASSERT_EQ(direct.size(), replayed.size());
    for (std::size_t i = 0; i < direct.size(); ++i) {
        const RecordedCall &a = direct[i], &b = replayed[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(a.what, b.what);
        EXPECT_EQ(a.points, b.points);
        EXPECT_EQ(a.text, b.text);
        EXPECT_EQ(a.doubleByte, b.doubleByte);
        if (a.what == "char") {
            EXPECT_EQ(a.font.height, b.font.height);
            EXPECT_EQ(a.font.charWidth, b.font.charWidth);
            EXPECT_EQ(a.font.escapement, b.font.escapement);
            EXPECT_EQ(a.font.face, b.font.face);
            EXPECT_EQ(a.textColour, b.textColour);
        } else if (a.what != "fill" && a.what != "invert") {
            EXPECT_EQ(a.pen.colour, b.pen.colour);
            EXPECT_EQ(a.pen.width, b.pen.width);
            EXPECT_EQ(a.pen.style, b.pen.style);
        }
        if (a.what == "polygon" || a.what == "ellipse") {  // only shapes are filled
            EXPECT_EQ(a.brush.hollow, b.brush.hollow);
            if (!a.brush.hollow) {
                EXPECT_EQ(a.brush.colour, b.brush.colour);
            }
        }
    }
}

TEST(EmfPlayer, ReplaysEveryPreviewAndLoadingSketch) {
    for (int type = 0; type < kWallTypeCount; ++type) {
        SCOPED_TRACE(type);
        const WallCase c = DefaultCase(type);
        const CaseResult result = CalculateCase(c);
        DrawingCanvas preview, loading;
        ComposePreview(preview, c);
        ComposeReportSketch(loading, c, LoadingSketchLoads(result));
        for (DrawingCanvas* canvas : {&preview, &loading}) {
            RecordingDevice direct, replayed;
            EmfDevice emf;
            Tee tee(direct, emf);
            emf.BeginPicture(400, 449);
            PaintPreview(*canvas, tee, 400, 449);
            emf.EndPicture();
            ASSERT_TRUE(PlayEmf(emf.Bytes(), replayed));
            ExpectSameCalls(direct.calls, replayed.calls);
            const EmfBounds b = ReadEmfBounds(emf.Bytes());
            EXPECT_LE(b.left, b.right);
        }
    }
}

TEST(EmfPlayer, RefusesWhatIsNotAMetafileAndStopsAtATruncatedRecord) {
    RecordingDevice device;
    const std::vector<uint8_t> junk(200, 0x41);
    EXPECT_FALSE(PlayEmf(junk, device));
    EXPECT_LT(ReadEmfBounds(junk).right, ReadEmfBounds(junk).left);

    EmfDevice emf;
    emf.BeginPicture(10, 10);
    emf.Line({0, 0}, {5, 5});
    emf.Line({1, 1}, {9, 9});
    emf.EndPicture();
    std::vector<uint8_t> cut = emf.Bytes();
    cut.resize(cut.size() - 40);  // into the second line's records
    EXPECT_TRUE(PlayEmf(cut, device));
    EXPECT_EQ(device.calls.size(), 1u);
}

}  // namespace
}  // namespace wall
