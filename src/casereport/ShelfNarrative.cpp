// The calculation part of a shelf (balance-weight) wall's report.
#include "casereport/CalcReport.h"
#include "casereport/NarrativeLines.h"
#include "casereport/SectionNarrative.h"
#include "casereport/StabilityNarrative.h"

namespace wall {
namespace {

// "×" is set as the Symbol font's multiplication sign by the markup.
void Times(ReportWriter& w) {
    w.WriteText("×");
}

// "×γ×a×b×K" with the last factor followed by `end` ("=" or "+").
void Product(ReportWriter& w, float gamma, float a, float b, float K, const char* end) {
    Times(w);
    w.WriteText(F("%.2f", gamma));
    Times(w);
    w.WriteText(F("%.2f", a));
    Times(w);
    w.WriteText(F("%.2f", b));
    Times(w);
    w.WriteText(F("%.2f", K) + end);
}

// The components and lever arms of one wall part's pressure; `part` is "1" (upper) or "2" (lower).
void Components(ReportWriter& w, const std::string& part, float Ex, float Ey, float Zx, float Zy) {
    w.WriteText("\t土压力x方向分量：WriteSubScript(E,a" + part + "x)=");
    w.WriteText(F("%.2fkN/m \n", Ex));
    w.WriteText("\t土压力y方向分量：WriteSubScript(E,a" + part + "y)=");
    w.WriteText(F("%.2fkN/m \n", Ey));
    w.WriteText("\t土压力x方向作用位置：WriteSubScript(Z,x)=");
    w.WriteText(F("%.2fm \n", Zx));
    w.WriteText("\t土压力y方向作用位置：WriteSubScript(Z,y)=");
    w.WriteText(F("%.2fm \n", Zy));
}

// Subsections (1) and (2) of the earth pressure: upper and lower wall.
void WriteShelfPressure(ReportWriter& w, const ShelfPressureResult& p) {
    w.WriteText("\t(1)上段主动土压力计算\n");
    w.WriteText("\t按库伦理论公式计算主动土压力系数WriteSubScript(k,a1)\n\t\t");
    w.WriteText("WriteSubScript(k,a1)=");
    w.WriteText(F("%.2f \n", p.Ka1));
    w.WriteText("\t上段的总主动土压力：\n");
    w.WriteText("\t\tWriteSubScript(E,a1)=");
    w.WriteEquation("EQ \\F(1,2)");
    w.WriteText("γWriteSubScript(h,1)WriteSubScript(h,1)WriteSubScript(K,a1)=");
    w.WriteEquation("EQ \\F(1,2)");
    Product(w, p.gamma, p.h1, p.h1, p.Ka1, "=");
    w.WriteText(F("%.2fkN/m \n", p.E1));
    Components(w, "1", p.Ex, p.Ey, p.Zx, p.Zy);

    w.WriteText("\t(2)下段主动土压力计算\n");
    w.WriteText("\t按库伦理论公式计算主动土压力系数WriteSubScript(k,a2)\n\t\t");
    w.WriteText("WriteSubScript(k,a2)=");
    w.WriteText(F("%.2f \n", p.Ka2));
    w.WriteText("\t下段的总主动土压力：\n");
    w.WriteText("\t\tWriteSubScript(E,a2)=");
    w.WriteEquation("EQ \\F(1,2)");
    w.WriteText(
        "γWriteSubScript(h,2)WriteSubScript(h,2)WriteSubScript(K,a2)+γWriteSubScript(h,1)WriteSubScript(h,2)"
        "WriteSubScript(K,a2)=");
    w.WriteEquation("EQ \\F(1,2)");
    Product(w, p.gamma, p.h2, p.h2, p.Ka2, "+");
    // The second product starts without a sign: γ first, then ×h1×h2×Ka2.
    w.WriteText(F("%.2f", p.gamma));
    Times(w);
    w.WriteText(F("%.2f", p.h1));
    Times(w);
    w.WriteText(F("%.2f", p.h2));
    Times(w);
    w.WriteText(F("%.2f=", p.Ka2));
    w.WriteText(F("%.2fkN/m \n", p.E2));
    Components(w, "2", p.E2x, p.E2y, p.Z2x, p.Z2y);
}

}  // namespace

void CalcReport::WriteShelfAnalysis(const ShelfWallResult& r) {
    SetAlignment(0);
    WriteText("1、挡土墙自重计算\n");
    ResultLine(*this, "挡土墙总重：W=", "%.2f kN/m", r.W);
    ResultLine(*this, "挡土墙重力荷载作用位置：WriteSubScript(Z,w)=", "%.2f m", r.Zw);
    WriteText("\n2、土压力计算\n");
    WriteText(
        "\t以衡重台为界分成两段计算，上段主动土压力为WriteSubScript(E,a1),下段主动土压力为WriteSubScript(E,"
        "a2)。\n");
    WriteShelfPressure(*this, r.pressure);
    WriteLoadingSketch();
    // The line feed of the stability computation.
    WriteText("\n");
    WriteStabilityReport(*this, r.stability);
    WriteText("6、墙身应力验算\n");
    WriteSectionStressReport(*this, r.section, SectionLabels::kShelf);
}

}  // namespace wall
