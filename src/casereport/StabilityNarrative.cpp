// Overturning, sliding and base-pressure report lines.
#include "casereport/StabilityNarrative.h"

#include "casereport/NarrativeLines.h"

namespace wall {
void WriteStabilityReport(ReportWriter& w, const StabilityResult& s) {
    // Where a driving or resisting action is not positive there is no factor: a sentence says why.
    w.WriteText("3、抗倾覆稳定验算\n");
    if (s.noOverturningTendency) {
        w.WriteText(F("\t挡土墙的倾覆力矩为%.2f kN·m/m，不大于零，墙体无倾覆趋势，抗倾覆稳定验算满足！\n",
                      s.overturningMoment));
    } else if (!(s.resistingMoment > 0)) {
        w.WriteText(F("\t挡土墙的抗倾覆力矩为%.2f kN·m/m，不大于零，墙体在自重下即向墙趾倾覆，"
                      "抗倾覆稳定验算不满足！\n",
                      s.resistingMoment));
    } else {
        w.WriteText("\t挡土墙抗倾覆稳定安全系数：\n\t\tWriteSubScript(K,q)=");
        w.WriteEquation(
            "EQ "
            "\\F(WWriteSubScript(Z,w)+WriteSubScript(E,y)WriteSubScript(Z,x),WriteSubScript(E,x)WriteSubScript(Z,"
            "y))");
        w.WriteText(F("=%.2f ", s.Kq));
        w.WriteText(s.overturningOk ? "≥1.6   抗倾覆稳定验算满足！\n" : "＜1.6   抗倾覆稳定验算不满足！\n");
    }

    w.WriteText("\n4、抗滑移稳定验算\n");
    if (s.noSlidingTendency) {
        w.WriteText(F("\t沿基底的滑动力为%.2f kN/m，不大于零，墙体无滑移趋势，抗滑移稳定验算满足！\n",
                      s.slidingForce));
    } else if (!(s.resistingForce > 0)) {
        w.WriteText(F("\t基底的抗滑力为%.2f kN/m，不大于零，基底不能提供摩阻力，抗滑移稳定验算不满足！\n",
                      s.resistingForce));
    } else {
        w.WriteText("\t挡土墙抗滑移稳定安全系数：\n\t\tWriteSubScript(K,h)=");
        w.WriteEquation("EQ \\F((W+Ey)μ,Ex)");
        w.WriteText(F("=%.2f", s.Kh));
        w.WriteText(s.slidingOk ? "≥1.3   抗滑移稳定验算满足！\n" : "＜1.3   抗滑移稳定验算不满足！\n");
    }

    w.WriteText("\n5、地基验算\n");
    if (!(s.N > 0)) {
        // Without a compressive resultant there is no eccentricity to print.
        w.WriteText(F("\t基底法向合力N=%.2f kN/m，不大于零，墙体脱离地基，地基验算不满足！\n\n", s.N));
        return;
    }
    w.WriteText("\t基底合力的偏心距：\n\t\tWriteSubScript(e,0)=");
    w.WriteEquation("EQ \\F(B,2)");
    w.WriteText("-");
    w.WriteEquation(
        "EQ "
        "\\F(WWriteSubScript(Z,w)+WriteSubScript(E,y)WriteSubScript(Z,x)-WriteSubScript(E,x)WriteSubScript(Z,"
        "y),W+"
        "WriteSubScript(E,y))");
    w.WriteText(F("=%.2f m\n\n", s.e0));
    if (s.resultantOutsideBase) {
        w.WriteText(F("\t∵WriteSubScript(e,0)≥B/2=%.2f m\n", s.B / 2));
        w.WriteText("\t∴基底合力作用点位于基底以外，地基不能平衡墙体荷载，地基验算不满足！\n\n");
    } else if (s.partialContact) {
        w.WriteText("\t∵WriteSubScript(e,0)>B/6\n");
        w.WriteText("\t∴基底地基土出现零应力区，最大应力值：\n\t\tWriteSubScript(σ,max)=");
        w.WriteEquation("EQ \\F(2,3)");
        w.WriteText("·");
        w.WriteEquation("EQ \\F(W+WriteSubScript(E,y),B/2-WriteSubScript(e,0))");
        w.WriteText(F("=%.2f kPa\n\n", s.sigmaMax));
    } else {
        w.WriteText("\t∵WriteSubScript(e,0)<B/6\n");
        w.WriteText("\t∴基底地基土不出现零应力区，最大应力值：\n\t\tWriteSubScript(σ,max)=");
        w.WriteEquation("EQ \\F(W+Ey,B)");
        w.WriteText("(1+");
        w.WriteEquation("EQ \\F(6WriteSubScript(e,0),B)");
        w.WriteText(")=");
        w.WriteText(F("%.2f kPa\n\n", s.sigmaMax));
        w.WriteText("\t基底压力最小值：\n\t\tWriteSubScript(σ,min)=");
        w.WriteEquation("EQ \\F(W+Ey,B)");
        w.WriteText("(1-");
        w.WriteEquation("EQ \\F(6WriteSubScript(e,0),B)");
        w.WriteText(")=");
        w.WriteText(F("%.2f kPa\n\n", s.sigmaMin));
    }
}

}  // namespace wall
