// The calculation part of a cantilever or counterfort wall's report.
#include "casereport/CalcReport.h"
#include "casereport/LayerNarrative.h"
#include "casereport/NarrativeLines.h"
#include "casereport/PressureNarrative.h"
#include "casereport/RcNarrative.h"
#include "casereport/StabilityNarrative.h"

namespace wall {
namespace {

// The face a slab moment puts in tension (a positive heel moment the top face, a positive toe
// moment the bottom face) and the combination that governs it.
std::string TensionFace(float M, bool heel, int combination) {
    return Format("（%s，%s控制）", (M >= 0) == heel ? "板顶受拉" : "板底受拉",
                  kBasicCombinations[combination].name);
}

// How the slab roots' design moments were formed.
void FavourableRule(ReportWriter& w) {
    w.WriteText(
        "\t板根弯矩设计值：对该截面不利的荷载取分项系数，有利的永久荷载（含基底反力）取1."
        "0，有利的可变荷载不计"
        "（GB 55001-2021 第3.1.13条），取两种基本组合中的较大值。\n");
}

// A label in one writer call and its value in the next.
void LabelValue(ReportWriter& w, const char* label, const char* fmt, float v) {
    w.WriteText(label);
    w.WriteText(F(fmt, v));
}

}  // namespace

void CalcReport::WriteImaginaryBack(const ImaginaryBackResult& r) {
    SetAlignment(0);
    Heading(*this, "1、挡土墙自重计算");
    ResultLine(*this, "挡土墙总重：W=", "%.2f kN/m", r.W);
    ResultLine(*this, "相对于趾点力臂：WriteSubScript(Z,w)=", "%.2f m", r.Zw);
    WriteText(r.theory == kCoulomb ? "\t用墙踵下缘与立板上边缘连线作为假想墙背，按库伦理论计算：\n"
                                   : "\t用墙踵的竖直面作为假想墙背，按朗肯理论计算：\n");
    // The line feed of the stability computation.
    WriteText("\n");
    WriteLoadingSketch(&r.thrust.diagram);
    ResultLine(*this, "墙踵上的土重：WriteSubScript(W,1)=", "%.2f kN/m", r.W1);
    ResultLine(*this, "相对于趾点力臂：WriteSubScript(Z,w1)=", "%.2f m", r.Zw1);
    if (r.Wq > 0) {
        // The strip standing on the heel: a variable load of its own, apart from the soil.
        ResultLine(*this, "墙踵上的面荷载：WriteSubScript(W,q)=", "%.2f kN/m", r.Wq);
        ResultLine(*this, "相对于趾点力臂：WriteSubScript(Z,wq)=", "%.2f m", r.Zwq);
    }
    Heading(*this, "\n2、土压力计算");
    if (r.thrust.layerCount > 0)
        WriteLayeredDerivation(*this, r.thrust, m_in.wallCase, GroundOf(m_in.wallCase.soil), r.theory);
    else
        WriteThrustDerivation(*this, r.thrust, GroundOf(m_in.wallCase.soil), r.theory, "WriteSubScript(K,a)");
    if (r.soilThrustClipped) ClippedThrustLine(*this, r.soilThrustComputed);
    ResultLine(*this, "土压力总值：WriteSubScript(E,a)=", "%.2f kN/m", r.E);
    ResultLine(*this, "土压力x方向分量：WriteSubScript(E,x)=", "%.2f kN/m", r.Ex);
    ResultLine(*this, "土压力y方向分量：WriteSubScript(E,y)=", "%.2f kN/m", r.Ey);
    ResultLine(*this, "土压力x方向作用位置：WriteSubScript(Z,x)=", "%.2f m", r.Zx);
    ResultLine(*this, "土压力y方向作用位置：WriteSubScript(Z,y)=", "%.2f m", r.Zy);
    WriteWaterActions(*this, r.water);
}

void CalcReport::WriteCantileverAnalysis(const CantileverResult& r) {
    WriteImaginaryBack(r.back);
    WriteStabilityReport(*this, r.back.stability);
    Heading(*this, "6、墙身截面强度验算");
    WriteMaterials(*this, r.sections[0].result);

    Heading(*this, "\n1）立板截面强度验算");
    WriteText(
        "\t底截面弯矩设计值：采用承载能力极限状态下荷载效应的基本组合，永久荷载效应起控制作用，弯矩设计值\n");
    LabelValue(*this, "\t立板底截面弯矩设计值：M=", "%.2f kN·m/m ", r.M);
    WriteText(Format("（%s控制）\n", kBasicCombinations[r.stemCombination].name));
    LabelValue(*this, "\t立板底截面弯矩标准值：Mk=", "%.2f kN·m/m\n", r.Mk);
    if (r.back.loads.waterThrust > 0)
        WriteText(F("\t其中立板底截面以上的水压力WriteSubScript(P,ws)=%.2f kN/m", r.back.loads.waterThrust) +
                  F("，作用点高度WriteSubScript(z,w)=%.2f m，", r.back.loads.waterThrustArm) +
                  "按永久荷载计入弯矩和剪力（水位稳定，GB 50009-2012 第3.1.1条）\n");
    WriteReinforcementResult(*this, r.sections[0].result);
    WriteShearResult(*this, r.sections[0].shear);

    WriteBaseSlabReport(*this, r.slab);
    Heading(*this, " 配筋计算及裂缝验算");
    // Without base pressures there are no slab moments to print, only the reason.
    const bool known = r.slab.PressuresKnown();
    if (known) FavourableRule(*this);
    if (known) {
        LabelValue(*this, "\t墙趾板根部点的弯矩设计值：Mb=", "%.2f kN·m/m", r.slab.Mb);
        WriteText(TensionFace(r.slab.Mb, false, r.slab.toe.combination) + "\n");
        LabelValue(*this, "\t墙趾板根部点的弯矩标准值：Mbk=", "%.2f kN·m/m\n", r.slab.Mbk);
    }
    WriteReinforcementResult(*this, r.sections[1].result);
    WriteShearResult(*this, r.sections[1].shear);
    if (known) {
        LabelValue(*this, "\n\t墙踵板根部点的弯矩设计值：Md=", "%.2f kN·m/m", r.slab.Md);
        WriteText(TensionFace(r.slab.Md, true, r.slab.heel.combination) + "\n");
        LabelValue(*this, "\t墙踵板根部点的弯矩标准值：Mdk=", "%.2f kN·m/m\n", r.slab.Mdk);
    }
    WriteReinforcementResult(*this, r.sections[2].result);
    WriteShearResult(*this, r.sections[2].shear);
}

void CalcReport::WriteCounterfortAnalysis(const CounterfortResult& r) {
    WriteImaginaryBack(r.back);
    WriteStabilityReport(*this, r.back.stability);
    Heading(*this, "6、墙身截面强度验算");
    WriteMaterials(*this, r.sections[0].result);

    // Face panel, horizontal.
    Heading(*this, "\n1）墙面板截面强度验算");
    Heading(*this, " （1）墙面板的水平内力");
    LabelValue(*this, "\t替代土压力图形中，面板的法向土压应力值：WriteSubScript(σ,pj)=", "%.2f kPa\n",
               r.sigmaPj);
    if (r.waterMean > 0)
        WriteText(
            F("\t其中水压力：平均值%.2f kPa，", r.waterMean) +
            F("面板底端%.2f kPa，按永久荷载与土压力一并计入（GB 50009-2012 第3.1.1条）\n", r.waterFoot));
    LabelValue(*this, "\t扶壁之间的净距：L=", "%.2f m\n", r.L);
    LabelValue(*this, "\t扶壁两端的剪力：WriteSubScript(Q,端)=", "%.2f kN/m \n", r.panelQ);
    LabelValue(*this, "\t跨中弯矩设计值：WriteSubScript(M,中)=", "%.2f kN·m/m \n", r.panelMidM);
    LabelValue(*this, "\t跨中弯矩标准值：WriteSubScript(Mk,中)=", "%.2f kN·m/m \n", r.panelMidMk);
    WriteReinforcementResult(*this, r.sections[0].result);
    WriteShearResult(*this, r.sections[0].shear);
    LabelValue(*this, "\t两端负弯矩设计值：WriteSubScript(M,端)=", "%.2f kN·m/m \n", r.panelEndM);
    LabelValue(*this, "\t两端负弯矩标准值：WriteSubScript(Mk,端)=", "%.2f kN·m/m \n", r.panelEndMk);
    WriteReinforcementResult(*this, r.sections[1].result);
    WriteShearResult(*this, r.sections[1].shear);

    // Face panel, vertical.
    Heading(*this, " （2）墙面板的竖向内力");
    LabelValue(*this, "\t最大正弯矩设计值：WriteSubScript(M,正)=", "%.2f kN·m/m \n", r.panelPosM);
    LabelValue(*this, "\t最大正弯矩标准值：WriteSubScript(Mk,正)=", "%.2f kN·m/m \n", r.panelPosMk);
    WriteReinforcementResult(*this, r.sections[2].result);
    WriteShearResult(*this, r.sections[2].shear);
    LabelValue(*this, "\t墙面板底端最大负弯矩设计值：WriteSubScript(M,底)=", "%.2f kN·m/m \n", r.panelFootM);
    LabelValue(*this, "\t墙面板底端最大负弯矩标准值：WriteSubScript(Mk,底)=", "%.2f kN·m/m \n",
               r.panelFootMk);
    WriteReinforcementResult(*this, r.sections[3].result);
    WriteShearResult(*this, r.sections[3].shear);

    // Base slab, toe and heel.
    WriteBaseSlabReport(*this, r.slab);
    Heading(*this, " 配筋计算及裂缝验算");
    // Without base pressures there are no slab moments to print, only the reason.
    const bool known = r.slab.PressuresKnown();
    if (known) FavourableRule(*this);
    Heading(*this, " （1）墙趾板");
    if (known) {
        LabelValue(*this, "\t墙趾板根部点的弯矩设计值：Mb=", "%.2f kN·m/m", r.slab.Mb);
        WriteText(TensionFace(r.slab.Mb, false, r.slab.toe.combination) + "\n");
        LabelValue(*this, "\t墙趾板根部点的弯矩标准值：Mbk=", "%.2f kN·m/m\n", r.slab.Mbk);
    }
    WriteReinforcementResult(*this, r.sections[4].result);
    WriteShearResult(*this, r.sections[4].shear);
    Heading(*this, " （2）墙踵板");
    if (known) {
        LabelValue(*this, "\t墙踵板边缘的总竖向应力设计值：WriteSubScript(σ,w)=", "%.2f kPa\n", r.sigmaW);
        if (r.heelUplift > 0)
            WriteText(F("\t\t（已减去墙踵板下扬压力的最小值%.2f kPa，有利取1.0）\n", r.heelUplift));
        LabelValue(*this, "\t墙踵板边缘的总竖向应力标准值：WriteSubScript(σ,wk)=", "%.2f kPa\n", r.sigmaWk);
        LabelValue(*this, "\t墙踵板与扶壁衔接处的剪力：WriteSubScript(Q,端)=", "%.2f kN/m \n", r.heelQ);
        LabelValue(*this, "\t跨中弯矩设计值：WriteSubScript(M,中)=", "%.2f kN·m/m \n", r.heelMidM);
        LabelValue(*this, "\t跨中弯矩标准值：WriteSubScript(Mk,中)=", "%.2f kN·m/m \n", r.heelMidMk);
    }
    WriteReinforcementResult(*this, r.sections[5].result);
    WriteShearResult(*this, r.sections[5].shear);
    if (known) {
        LabelValue(*this, "\t两端负弯矩设计值：WriteSubScript(M,端)=", "%.2f kN·m/m \n", r.heelEndM);
        LabelValue(*this, "\t两端负弯矩标准值：WriteSubScript(Mk,端)=", "%.2f kN·m/m \n", r.heelEndMk);
    }
    WriteReinforcementResult(*this, r.sections[6].result);
    WriteShearResult(*this, r.sections[6].shear);

    // Counterforts as T-sections at a third, two thirds and the whole panel height.
    Heading(*this, "\n3）扶壁截面强度验算");
    for (int i = 0; i < 3; ++i) {
        const CounterfortSection& s = r.counterfort[i];
        LabelValue(*this, " 距离墙顶x=", "%.2f m处\n", s.x);
        LabelValue(*this, "\t截面宽度 B=", "%.2f m\n", s.width);
        LabelValue(*this, "\t截面高度 H=", "%.2f m\n", s.height);
        LabelValue(*this, "\t翼缘宽度 BT=", "%.2f m\n", s.flangeWidth);
        LabelValue(*this, "\t翼缘高度 HT=", "%.2f m\n", s.flangeThickness);
        LabelValue(*this, "\t截面剪力 Q=", "%.2f kN\n", s.Q);
        LabelValue(*this, "\t截面弯矩设计值 M=", "%.2f kN·m\n", s.M);
        LabelValue(*this, "\t截面弯矩标准值 Mk=", "%.2f kN·m\n", s.Mk);
        WriteReinforcementResult(*this, r.sections[7 + i].result);
        WriteShearResult(*this, r.sections[7 + i].shear);
    }
}

}  // namespace wall
