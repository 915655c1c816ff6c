// Wall-body section: weight and pressure above it, eccentricity, normal and shear stresses.
#include "casereport/SectionNarrative.h"

#include "casereport/NarrativeLines.h"

namespace wall {
namespace {

struct LabelSet {
    const char* weight;
    const char* weightArm;
    const char* total;
    const char* x;
    const char* y;
    const char* xArm;
    const char* yArm;
    const char* force;  // format of the pressure values
};

constexpr LabelSet kGravityLabels = {
    "\t截面上部墙体重：WriteSubScript(W,1)=",       "\t挡土墙重力荷载作用位置：WriteSubScript(Z,1w)=",
    "\t截面上部土压力总值：WriteSubScript(E,1a)=",  "\t土压力x方向分量：WriteSubScript(E,1x)=",
    "\t土压力y方向分量：WriteSubScript(E,1y)=",     "\t土压力x方向作用位置：WriteSubScript(Z,1x)=",
    "\t土压力y方向作用位置：WriteSubScript(Z,1y)=", "%.2f kN/m",
};

constexpr LabelSet kShelfLabels = {
    "\t截面上部墙体重：W1=",
    "\t挡土墙重力荷载作用位置：WriteSubScript(Z1,w)=",
    "\t截面上部土压力总值：WriteSubScript(E1,a)=",
    "\t土压力x方向分量：WriteSubScript(E1,x)=",
    "\t土压力y方向分量：WriteSubScript(E1,y)=",
    "\t土压力x方向作用位置：WriteSubScript(Z1,x)=",
    "\t土压力y方向作用位置：WriteSubScript(Z1,y)=",
    "%.2f kN/m",
};

// A result line: a tab (inside the label), the label, the value and a line feed, in one call.
void Line(ReportWriter& w, const char* label, const char* fmt, float v) {
    w.WriteText(std::string(label) + F(fmt, v) + "\n");
}

}  // namespace

void WriteSectionStressReport(ReportWriter& w, const SectionResult& s, SectionLabels labels) {
    const LabelSet& l = labels == SectionLabels::kShelf ? kShelfLabels : kGravityLabels;
    w.WriteText(s.cut == SectionCut::kAtHalfHeight ? "\t取距离墙顶二分之一墙高处截面进行应力验算\n"
                                                   : "\t取墙身断面形状突变处截面进行应力验算\n");

    w.WriteText("\t(1) 截面上部挡土墙自重计算\n");
    Line(w, l.weight, "%.2f kN/m", s.W1);
    Line(w, l.weightArm, "%.2f m", s.Zw1);

    w.WriteText("\t(2) 截面上部主动土压力计算\n");
    Line(w, l.total, l.force, s.E);
    Line(w, l.x, l.force, s.Ex);
    Line(w, l.y, l.force, s.Ey);
    Line(w, l.xArm, "%.2f m", s.Zx);
    Line(w, l.yArm, "%.2f m", s.Zy);

    w.WriteText("\t(3) 截面上的合力偏心距\n\t\t\tWriteSubScript(e,1)=");
    w.WriteEquation("EQ \\F(WriteSubScript(B,1),2)");
    w.WriteText("-");
    w.WriteEquation(
        "EQ "
        "\\F(WriteSubScript(W,1)WriteSubScript(Z,1w)+WriteSubScript(E,1y)WriteSubScript(Z,1x)-WriteSubScript("
        "E,1x)"
        "WriteSubScript(Z,1y),WriteSubScript(W,1)+WriteSubScript(E,1y))");
    w.WriteText(F("=%.2f m", s.e1) + "\n");

    w.WriteText("\t(4) 截面上的法向应力验算\n");
    w.WriteText("\t\t\tWriteSubScript(σ,max)=");
    w.WriteEquation("EQ \\F(WriteSubScript(W,1)+WriteSubScript(E,1y),WriteSubScript(B,1))");
    w.WriteText("(1+");
    w.WriteEquation("EQ \\F(6WriteSubScript(e,1),WriteSubScript(B,1))");
    w.WriteText(")=");
    w.WriteText(Compared(s.sigmaMax, s.allowCompress) + " kPa");
    w.WriteText(StressPasses(s.sigmaMax, s.allowCompress)
                    ? F("≤[σ]=%.2f kPa    满足要求！\n", s.allowCompress)
                    : F("＞[σ]=%.2f kPa    不满足要求！\n", s.allowCompress));
    w.WriteText("\t\t\tWriteSubScript(σ,min)=");
    w.WriteEquation("EQ \\F(WriteSubScript(W,1)+WriteSubScript(E,1y),WriteSubScript(B,1))");
    w.WriteText("(1-");
    w.WriteEquation("EQ \\F(6WriteSubScript(e,1),WriteSubScript(B,1))");
    w.WriteText(")=");
    w.WriteText(F("%.2f kPa\n", s.sigmaMin));
    // Masonry takes next to no tension: the reader must see it, the summary warns of it.
    if (s.sigmaMin < 0) w.WriteText("\t截面出现拉应力。\n");

    w.WriteText("\t(5) 截面上的切向应力验算\n");
    w.WriteText("\t\t\tWriteSubScript(τ,1)=");
    w.WriteEquation("EQ \\F(WriteSubScript(E,1x),WriteSubScript(B,1))");
    w.WriteText("=");
    w.WriteText(Compared(s.tau1, s.allowShear) + " kPa");
    w.WriteText(StressPasses(s.tau1, s.allowShear) ? F("≤[τ]=%.2f kPa    满足要求！", s.allowShear)
                                                   : F("＞[τ]=%.2f kPa    不满足要求！", s.allowShear));
}

}  // namespace wall
