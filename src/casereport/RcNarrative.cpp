// Reinforcement, crack-width and base-slab report lines.
#include "casereport/RcNarrative.h"

#include "casereport/NarrativeLines.h"

namespace wall {
namespace {

struct CombinationText {
    const char* mv;
    const char* mh;
    const char* g;
    const char* eccentricity;  // the second fraction of e
    const char* zeroStress;    // G over B/2 - e
    const char* trapezoid;     // G over B
    const char* pd;
    const char* pb;
};

constexpr CombinationText kDesign = {
    "\t竖向力引起的弯矩设计值：Mv=",
    "\t水平力引起的弯矩设计值：Mh=",
    "\t总竖向力设计值：G=",
    "EQ \\F(Mv-Mh,G)",
    "EQ \\F(G,B/2-e)",
    "EQ \\F(G,B)",
    "\t墙踵板根部点的地基压力设计值：pd=",
    "\t墙趾板根部点的地基压力设计值：pb=",
};

constexpr CombinationText kStandard = {
    "\t竖向力引起的弯矩标准值：Mvk=",
    "\t水平力引起的弯矩标准值：Mhk=",
    "\t总竖向力标准值：Gk=",
    "EQ \\F(Mvk-Mhk,Gk)",
    "EQ \\F(Gk,B/2-e)",
    "EQ \\F(Gk,B)",
    "\t墙踵板根部点的地基压力标准值：pd=",
    "\t墙趾板根部点的地基压力标准值：pb=",
};

void WriteCombination(ReportWriter& w, const BasePressures& p, const CombinationText& t) {
    w.WriteText(t.mv);
    w.WriteText(F("%.2f kN·m/m \n", p.Mv));
    w.WriteText(t.mh);
    w.WriteText(F("%.2f kN·m/m \n", p.Mh));
    w.WriteText(t.g);
    w.WriteText(F("%.2f kN/m \n", p.G));
    if (!(p.G > 0)) {
        w.WriteText("\t总竖向力不大于零，墙体脱离地基，求不出基底压力，底板无法进行配筋计算！\n");
        return;
    }
    w.WriteText("\t偏心距：e=");
    w.WriteEquation("EQ \\F(B,2)");
    w.WriteText("-");
    w.WriteEquation(t.eccentricity);
    w.WriteText(F("=%.2f m \n", p.e));
    if (p.resultantOutsideBase) {
        w.WriteText("\t∵e≥B/2\n\t∴基底合力作用点位于基底以外，求不出基底压力，底板无法进行配筋计算！\n");
        return;
    }
    if (p.zeroStressZone) {
        w.WriteText("\t∵e>B/6\n");
        w.WriteText("\t∴基底地基土出现零应力区，最大应力值：WriteSubScript(σ,max)=");
        w.WriteEquation("EQ \\F(2,3)");
        w.WriteText("·");
        w.WriteEquation(t.zeroStress);
        w.WriteText(F("=%.2f kPa\n", p.sigmaMax));
    } else {
        w.WriteText("\t基底最大应力值：WriteSubScript(σ,max)=");
        w.WriteEquation(t.trapezoid);
        w.WriteText("(1+");
        w.WriteEquation("EQ \\F(6e,B)");
        w.WriteText(")=");
        w.WriteText(F("%.2f kPa\n", p.sigmaMax));
        w.WriteText("\t基底压力最小值：WriteSubScript(σ,min)=");
        w.WriteEquation(t.trapezoid);
        w.WriteText("(1-");
        w.WriteEquation("EQ \\F(6e,B)");
        w.WriteText(")=");
        w.WriteText(F("%.2f kPa\n", p.sigmaMin));
    }
    w.WriteText(t.pd);
    w.WriteText(F("%.2f kPa\n", p.pd));
    w.WriteText(t.pb);
    w.WriteText(F("%.2f kPa\n", p.pb));
}

}  // namespace

void WriteReinforcementResult(ReportWriter& w, const ReinforcementResult& r) {
    if (!r.loadsKnown) {
        w.WriteText(std::string(kNoBasePressureText));
        return;
    }
    if (!r.gradesKnown) {
        w.WriteText(std::string(kUnknownGradeText));
        return;
    }
    if (!r.designed) {
        w.WriteText(std::string(kNotDesignableText));
        return;
    }
    if (r.minimumRatio) {
        w.WriteText("\t抗弯拉筋构造配筋:  配筋率μ=");
        w.WriteText(F("%.2f ", r.ratio));
        w.WriteText("% < WriteSubScript(μ,min)=0.15%\n");
    }
    if (!r.crackLimitMet) {
        w.WriteText(std::string(kCrackLimitNotMetText));
        return;
    }
    w.WriteText("\t当钢筋配筋面积");
    w.WriteSubScript("A", "s");
    w.WriteText(F("=%.2f", r.area));
    w.WriteSupScript("mm", "2");
    w.WriteText("时，最大裂缝宽度\n\t\t\t");
    w.WriteText("WriteSubScript(ω,max)=");
    w.WriteText(F("%.2f mm", r.crackWidth));
    w.WriteText(F("<%.2f mm\n", r.crackLimit));
}

void WriteBaseSlabReport(ReportWriter& w, const BaseSlabResult& s) {
    w.WriteText("\n2）底板截面强度验算\n");
    w.WriteText(" 按承载能力极限状态下荷载效应的基本组合，永久荷载效应起控制作用\n");
    WriteCombination(w, s.design, kDesign);
    w.WriteText(" 按正常使用极限状态下荷载效应的标准组合\n");
    WriteCombination(w, s.standard, kStandard);
}

}  // namespace wall
