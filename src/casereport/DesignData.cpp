// Design data: every input of the case, restated before any result.
#include "casereport/DesignData.h"

#include <algorithm>
#include <array>

#include "case/Grades.h"
#include "casereport/NarrativeLines.h"
#include "text/Format.h"

namespace wall {
namespace {

// "\t" + label + value + "\n" as one writer call.
void Line(ReportWriter& w, const std::string& label, const std::string& value, bool lineFeed = true) {
    w.WriteText("\t" + label + value + (lineFeed ? "\n" : ""));
}

bool Is(int type, std::initializer_list<int> types) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

constexpr std::array<const char*, 6> kLayerTitles = {"土层序号",    "重度(kN/WriteSupScript(m,3))",
                                                     "粘聚力(kPa)", "内摩擦角(度)",
                                                     "厚度(m)",     "饱和重度(kN/WriteSupScript(m,3))"};

// Layers below the first, or a saturated weight: the table shows every layer with thickness and γsat.
bool Layered(const CSoil& soil) {
    return LayersInUse(soil) > 1 || AsShown(soil.m_afLayer[0][kLayerSaturatedWeight]) > 0;
}

}  // namespace

GridText LayerGridText(const CSoil& soil) {
    GridText g;
    if (Layered(soil)) {
        // Every layer in use; a thickness of 0 reads "—" (down past the base), as does γsat not given.
        const int n = LayersInUse(soil);
        g.rows = n + 1;
        g.columns = 6;
        for (int c = 0; c < g.columns; ++c) g.cells.push_back(kLayerTitles[static_cast<size_t>(c)]);
        for (int r = 0; r < n; ++r) {
            g.cells.push_back(std::to_string(r + 1));
            for (int c = 0; c < 5; ++c) {
                const float v = AsShown(soil.m_afLayer[r][c]);
                const bool dash = (c == kLayerThickness || c == kLayerSaturatedWeight) && !(v > 0);
                g.cells.push_back(dash ? std::string("—") : TwoDecimals(v));
            }
        }
        return g;
    }
    g.rows = 2;
    // The table control shows as many columns as the record says; the report has widths for seven.
    g.columns = std::clamp(soil.m_nLayerCols, 1, 7);
    for (int c = 0; c < g.columns; ++c)
        g.cells.push_back(c < static_cast<int>(kLayerTitles.size()) ? kLayerTitles[c] : "");
    for (int c = 0; c < g.columns; ++c)
        g.cells.push_back(c == 0 ? std::string("1") : TwoDecimals(AsShown(soil.m_afLayer[0][c - 1])));
    return g;
}

void WriteDesignData(ReportWriter& w, const WallCase& c) {
    const CRetainingWall& r = c.wall;
    const CSoil& s = c.soil;
    const int t = c.wallType;
    Heading(w, "1、挡土墙参数");
    Line(w, "挡土墙类型：", t >= 0 && t < kWallTypeCount ? std::string(kWallTypeNames[t]) : std::string());
    Line(w, "挡土墙的高度：", F("%.2f m", r.m_fHeight));
    Line(w, "挡土墙的顶宽：", F("%.2f m", r.m_fTopWidth));
    if (t == kCounterfort) {
        Line(w, "扶壁间距：", F("%.2f m", r.m_fCfSpacing));
        Line(w, "扶壁板厚：", F("%.2f m", r.m_fCfThickness));
    }
    if (Is(t, {kGravity, kSemiGravity, kShelf})) Line(w, "墙胸倾斜坡度： 1:", F("%.2f", r.m_fFrontSlope));
    if (t == kShelf) Line(w, "上墙背倾斜坡度： 1:", F("%.2f", r.m_fBackSlope));
    if (Is(t, {kGravity, kSemiGravity, kCantilever})) Line(w, "墙背倾斜坡度： 1:", F("%.2f", r.m_fBackSlope));
    if (Is(t, {kGravity, kShelf})) Line(w, "墙底逆坡坡度： ", F("%.2f:1", r.m_fBaseSlope));
    if (r.m_fToeHeight > 0.0001f) {
        Line(w, "\t墙趾宽度：", F("%.2f m", r.m_fToeWidth));
        Line(w, "\t墙趾高度：", F("%.2f m", r.m_fToeHeight));
    }
    if (r.m_fHeelHeight > 0.0001f && t != kSemiGravity) {
        Line(w, "\t墙踵宽度：", F("%.2f m", r.m_fHeelWidth));
        Line(w, "\t墙踵高度：", F("%.2f m", r.m_fHeelHeight));
    }
    Line(w, "墙体材料的容重：", F("%.2f kN/WriteSupScript(m,3)", r.m_fUnitWeight));
    Line(w, "墙背面与挡土之间的摩擦角：δ=", F("%.0f °", r.m_fWallFriction));
    Line(w, "墙底与基土的摩擦系数：μ=", F("%.2f", r.m_fBaseFriction));
    if (Is(t, {kGravity, kSemiGravity, kShelf})) {
        Line(w, "墙身砌体允许压应力：σ=", F("%.2f kPa", r.m_fAllowCompress));
        Line(w, "墙身砌体允许剪应力：τ=", F("%.2f kPa", r.m_fAllowShear));
    }
    if (Is(t, {kCantilever, kCounterfort})) {
        Heading(w, "2、配筋计算参数");
        Line(w, "混凝土强度等级：C", Format("%d", 15 + 5 * r.m_nConcreteGrade));
        bool gradeKnown = r.m_nRebarGrade >= 0 && r.m_nRebarGrade < static_cast<int>(kRebarGrades.size());
        Line(w, "钢筋级别：", gradeKnown ? std::string(kRebarGrades[r.m_nRebarGrade]) : std::string());
        Line(w, "裂缝计算钢筋等效直径：", F("%.2f mm", r.m_fBarDiameter));
        Line(w, "混凝土保护层厚度：", F("%.2f mm", r.m_fCover));
        Line(w, "裂缝控制宽度：", F("%.2f mm", r.m_fCrackLimit));
        Heading(w, "3、土坡及荷载参数");
    } else {
        Heading(w, "2、土坡及荷载参数");
    }
    Line(w, "坡面线段数：", Format("%d", s.m_nSlopeSegs));
    Line(w, "坡面序号\t水平长度(m)\t竖直长度(m)", "");
    for (int i = 1; i <= s.m_nSlopeSegs && i <= kSlopeRowsMax; ++i) {
        Line(w, "",
             Format("\t%d\t\t\t%0.2f\t\t\t%0.2f", i,
                    static_cast<double>(AsShown(s.m_afSlope[i - 1][kSlopeRun])),
                    static_cast<double>(AsShown(s.m_afSlope[i - 1][kSlopeRise]))));
    }
    Line(w, "面荷载距墙体水平距离：", F("%.2f m", s.m_fLoadOffset));
    Line(w, "面荷载分布宽度：", F("%.2f m", s.m_fLoadWidth));
    // The water, where there is some: the last line ends the paragraph without a line feed.
    const CaseSettings& water = c.settings;
    const bool behind = water.HasWaterBehind(), front = water.HasWaterFront();
    Line(w, "面荷载值：BP=", F("%.2f kPa", s.m_fLoadPressure), behind || front);
    if (behind)
        Line(w, "墙后水位：",
             Format("墙顶下%.2f m，%s", static_cast<double>(water.waterBehind),
                    water.waterCombined != 0 ? "水土合算" : "水土分算"),
             front);
    if (front) Line(w, "墙前水位：", Format("墙底上%.2f m", static_cast<double>(water.waterFront)), false);
}

void WriteSoilData(ReportWriter& w, const WallCase& c) {
    const bool reinforced = c.wallType == kCantilever || c.wallType == kCounterfort;
    w.SetAlignment(0);
    if (reinforced) w.WriteText("\n钢筋混凝土配筋计算依据：《混凝土结构设计规范》（GB 50010-2010）\n");
    Heading(w, reinforced ? "\n4、土层信息：" : "\n3、土层信息：");
    w.SetAlignment(1);
    Heading(w, "土层参数表格");
    GridText g = LayerGridText(c.soil);
    static constexpr float kWidths[7] = {58.0f, 88.0f, 80.0f, 84.0f, 62.6f, 62.6f, 70.5f};
    // The layered table's γsat header needs the room of a whole word.
    static constexpr float kLayeredWidths[6] = {58.0f, 82.0f, 70.0f, 80.0f, 54.0f, 100.0f};
    const float* widths = g.columns == 6 ? kLayeredWidths : kWidths;
    w.AddTable(g.rows, g.columns, std::span<const float>(widths, static_cast<size_t>(g.columns)), 36);
    w.SetAlignment(0);
    for (int r = 0; r < g.rows; ++r) {
        for (int col = 0; col < g.columns; ++col) {
            w.WriteText(Format("%s", g.At(r, col).c_str()));
            if (!(r == g.rows - 1 && col == g.columns - 1)) w.NextCell(1);
        }
    }
}

}  // namespace wall
