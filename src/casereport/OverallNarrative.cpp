// The report's section on the overall slip.
#include <cmath>

#include "casereport/CalcReport.h"
#include "casereport/NarrativeLines.h"
#include "drawing/SlipSketch.h"

namespace wall {

void CalcReport::WriteOverallAnalysis(const OverallResult& o, const std::string& heading) {
    const CaseSettings& s = m_in.wallCase.settings;
    Heading(*this, heading);
    WriteText(
        Format("\t按简化Bishop法（圆弧滑动面，不计条间剪力）验算墙体连同地基的整体稳定（GB 50007-2011 "
               "第6.7.5条，GB 50330-2013 第5.2.3条）：滑动圆弧通过基底以下，圆心在网格上搜索，每个圆心取若干"
               "切于基底以下的半径，再局部细化，共计算%d个圆弧。\n",
               o.evaluated));
    WriteText(Format(
        "\t地基土：γ=%.2f kN/m³，WriteSubScript(c,k)=%.2f kPa，WriteSubScript(φ,k)=%.2f°，"
        "墙前地面在墙底以上%.2f m；墙体计入其重量而不被切穿，填土各层、地下水和面荷载按其参数计入土条。\n",
        s.foundationGamma, s.foundationCohesion, s.foundationFriction, s.foundationDepth));
    if (o.kh > 0)
        WriteText(
            Format("\t每个土条另加水平地震作用WriteSubScript(k,h)W，WriteSubScript(k,h)=WriteSubScript(C,i)"
                   "WriteSubScript(C,z)(A/g)=%.3f（GB 50330-2013 第5.2.6条），作用于土条中部，指向墙前。\n",
                   o.kh));
    WriteText(
        "\t\tK=Σ[(cb+(W-ub)tanφ)/WriteSubScript(m,α)]/"
        "Σ[Wsinα+WriteSubScript(k,h)W(WriteSubScript(y,c)-WriteSubScript("
        "y,i))/R]，WriteSubScript(m,α)=cosα+sinαtanφ/K\n");
    if (!o.found) {
        WriteText("\t未找到通过基底以下的滑动圆弧，整体稳定验算不满足！\n");
        return;
    }
    DrawingCanvas& sketch = o.kh > 0 ? m_seismicSlipSketch : m_slipSketch;
    ComposeSlipSketch(sketch, m_in.wallCase, o);
    InsertCanvasPicture(sketch, 413.8);
    TypeParagraph();
    LeaveTable();
    SetAlignment(0);
    WriteText(Format("\t最危险滑动圆弧：圆心距墙趾水平%.2f m、高于墙底%.2f m，半径R=%.2f m\n",
                     o.centreFromToeX, o.centreAboveBase, o.circle.R));
    // A handful of the circle's slices, evenly picked: a summary for the reader, not the whole sum.
    const std::size_t n = o.slices.size();
    const std::size_t rows = std::min<std::size_t>(n, 8);
    if (rows > 0) {
        Heading(*this, Format("\t最危险圆弧的部分土条（共%zu条，x自墙趾量起）：", n));
        static constexpr std::array<float, 7> kWidths = {58, 50, 56, 70, 56, 56, 56};
        AddTable(static_cast<int>(rows) + 1, 7, kWidths, 20);
        SetAlignment(1);
        const std::array<const char*, 7> head = {"x (m)",   "b (m)",   "α (°)", "W (kN/m)",
                                                 "u (kPa)", "c (kPa)", "φ (°)"};
        for (int col = 0; col < 7; ++col) {
            TypeText(head[col]);
            NextCell(col == 6 ? 0 : 1);
        }
        for (std::size_t i = 0; i < rows; ++i) {
            const SlipSliceSummary& k = o.slices[rows > 1 ? i * (n - 1) / (rows - 1) : 0];
            const std::array<std::string, 7> row = {Format("%.2f", k.x - o.toeX),
                                                    Format("%.2f", k.width),
                                                    Format("%.1f", k.alpha * 180 / 3.14159265358979),
                                                    Format("%.2f", k.W),
                                                    Format("%.2f", k.u),
                                                    Format("%.2f", k.c),
                                                    Format("%.1f", k.phi * 180 / 3.14159265358979)};
            for (int col = 0; col < 7; ++col) {
                WriteText(row[col]);
                if (!(i + 1 == rows && col == 6)) NextCell(col == 6 ? 0 : 1);
            }
        }
        LeaveTable();
        SetAlignment(0);
    }
    const char* what = o.kh > 0 ? "地震作用下的整体稳定" : "整体稳定";
    WriteText(Format(o.ok ? "\t%s安全系数K=%.2f≥[K]=%.2f   %s验算满足！\n"
                          : "\t%s安全系数K=%.2f＜[K]=%.2f   %s验算不满足！\n",
                     what, static_cast<double>(o.F), static_cast<double>(o.required), what));
}

}  // namespace wall
