// Wall-body section: weight and pressure above it, eccentricity, normal and shear stresses.
#include "casereport/SectionNarrative.h"

#include "casereport/Formula.h"
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
    // Where the section is and how wide: a half-height cut is at half the back's height, which an
    // inclined base makes more than half the wall's.
    w.WriteText(s.cut == SectionCut::kAtHalfHeight
                    ? F("\t取距离墙顶%.2f m处（墙背高度的一半）截面进行应力验算，", s.depth)
                    : F("\t取墙身断面形状突变处（距离墙顶%.2f m）截面进行应力验算，", s.depth));
    w.WriteText(F("截面宽度WriteSubScript(B,1)=%.2f m\n", s.B1));

    w.WriteText("\t（1）截面上部挡土墙自重计算\n");
    Line(w, l.weight, "%.2f kN/m", s.W1);
    Line(w, l.weightArm, "%.2f m", s.Zw1);

    w.WriteText("\t（2）截面上部主动土压力计算\n");
    Line(w, l.total, l.force, s.E);
    Line(w, l.x, l.force, s.Ex);
    Line(w, l.y, l.force, s.Ey);
    Line(w, l.xArm, "%.2f m", s.Zx);
    Line(w, l.yArm, "%.2f m", s.Zy);

    const Expr W1 = Q("WriteSubScript(W,1)", s.W1), Zw1 = Q("WriteSubScript(Z,1w)", s.Zw1);
    const Expr E1x = Q("WriteSubScript(E,1x)", s.Ex), E1y = Q("WriteSubScript(E,1y)", s.Ey);
    const Expr Z1x = Q("WriteSubScript(Z,1x)", s.Zx), Z1y = Q("WriteSubScript(Z,1y)", s.Zy);
    const Expr B1 = Q("WriteSubScript(B,1)", s.B1), e1 = Q("WriteSubScript(e,1)", s.e1);
    Expr N = W1 + E1y, M = W1 * Zw1 + E1y * Z1x - E1x * Z1y, H = E1x;
    if (s.Pw > 0) {
        // The water on the back above the section, in every sum.
        w.WriteText(F("\t截面上部墙背水压力：WriteSubScript(P,1wx)=%.2f kN/m，", s.Pw) +
                    F("WriteSubScript(P,1wy)=%.2f kN/m，", s.PwY) + F("WriteSubScript(X,1w)=%.2f m，", s.Xw) +
                    F("WriteSubScript(Y,1w)=%.2f m（截面不计缝中孔隙水压力）\n", s.Yw));
        const Expr Pwx = Q("WriteSubScript(P,1wx)", s.Pw), Pwy = Q("WriteSubScript(P,1wy)", s.PwY);
        N = N + Pwy;
        M = M + Pwy * Q("WriteSubScript(X,1w)", s.Xw) - Pwx * Q("WriteSubScript(Y,1w)", s.Yw);
        H = H + Pwx;
    }
    if (s.Fi > 0) {
        // The earthquake's inertia of the part above, at its centroid.
        w.WriteText(F("\t截面上部墙体的水平地震作用：WriteSubScript(F,1)=%.2f kN/m", s.Fi) +
                    F("，作用点距截面高度WriteSubScript(Z,1f)=%.2f m", s.Zfi) +
                    (s.psi > 1 ? F("（墙高超过12 m，沿墙高分布系数ψ=%.3f，JTG B02-2013 第7.2.3条）\n", s.psi)
                               : std::string("\n")));
        const Expr Fi = Q("WriteSubScript(F,1)", s.Fi);
        M = M - Fi * Q("WriteSubScript(Z,1f)", s.Zfi);
        H = H + Fi;
    }

    w.WriteText("\t（3）截面上的合力偏心距\n");
    WriteFormula(w, "WriteSubScript(e,1)", Fraction(B1, K("2")) - Fraction(M, N), F("%.2f", s.e1), " m\n");

    w.WriteText("\t（4）截面上的法向应力验算\n");
    const bool compression = StressPasses(s.sigmaMax, s.allowCompress);
    WriteFormula(w, "WriteSubScript(σ,max)", Fraction(N, B1) * Brackets(K("1") + Fraction(K("6") * e1, B1)),
                 "",
                 Compared(s.sigmaMax, s.allowCompress) + " kPa" +
                     (compression ? F("≤[σ]=%.2f kPa    满足要求！\n", s.allowCompress)
                                  : F("＞[σ]=%.2f kPa    不满足要求！\n", s.allowCompress)));
    WriteFormula(w, "WriteSubScript(σ,min)", Fraction(N, B1) * Brackets(K("1") - Fraction(K("6") * e1, B1)),
                 F("%.2f", s.sigmaMin), " kPa\n");
    // Masonry takes next to no tension: the reader must see it, the summary warns of it.
    if (s.sigmaMin < 0) w.WriteText("\t截面出现拉应力。\n");

    w.WriteText("\t（5）截面上的切向应力验算\n");
    const bool shear = StressPasses(s.tau1, s.allowShear);
    WriteFormula(w, "WriteSubScript(τ,1)", Fraction(H, B1), "",
                 Compared(s.tau1, s.allowShear) + " kPa" +
                     (shear ? F("≤[τ]=%.2f kPa    满足要求！", s.allowShear)
                            : F("＞[τ]=%.2f kPa    不满足要求！", s.allowShear)));
}

namespace {

// σt = 6M/h² of a plain cantilever against [τ]: below 0 its upper face is in tension. Masonry's
// flexural tension across the bed joints equals its shear strength (GB 50003-2011 Table 3.2.2).
void WriteBendingTension(ReportWriter& w, const Expr& moments, const Expr& depth, float sigmaT, float allow,
                         bool ok, const char* remedy) {
    WriteFormula(
        w, "WriteSubScript(σ,t)", Fraction(K("6") * Brackets(moments), Squared(depth)), "",
        Compared(sigmaT, sigmaT < 0 ? -allow : allow) +
            (sigmaT < 0 ? " kPa（上缘受拉），|WriteSubScript(σ,t)|" : " kPa") +
            (ok ? F("≤[τ]=%.2f kPa，满足！", allow) : F("＞[τ]=%.2f kPa，不满足！", allow) + remedy) +
            "（砌体沿通缝的弯曲抗拉强度与抗剪强度相同，GB 50003-2011 表3.2.2）\n");
}

}  // namespace

void WriteToeReport(ReportWriter& w, const ToeResult& t) {
    Heading(w, "\n\t（6）墙趾根部弯曲拉应力验算");
    w.WriteText(F("\t墙趾宽WriteSubScript(B,1)=%.2f m，", t.B1) +
                F("端部高WriteSubScript(H,1)=%.2f m，", t.H1) +
                F("根部高WriteSubScript(H,2)=%.2f m；", t.H2) +
                F("墙趾端部基底压力WriteSubScript(p,1)=%.2f kPa，", t.pEdge) +
                F("根部基底压力WriteSubScript(p,2)=%.2f kPa\n", t.pRoot));
    const Expr B1 = Q("WriteSubScript(B,1)", t.B1);
    Heading(w, "\t基底压力对墙趾根部的弯矩：");
    if (t.linear)
        WriteFormula(w, "WriteSubScript(M,p)",
                     Fraction(Squared(B1) * Brackets(K("2") * Q("WriteSubScript(p,1)", t.pEdge) +
                                                     Q("WriteSubScript(p,2)", t.pRoot)),
                              K("6")),
                     F("%.2f", t.Mp), " kN·m/m\n");
    else
        w.WriteText(
            F("\t\t基底受压长度止于墙趾范围内，按受压范围积分：WriteSubScript(M,p)=%.2f kN·m/m\n", t.Mp));
    Heading(w, "\t墙趾自重对根部的弯矩：");
    WriteFormula(
        w, "WriteSubScript(M,w)",
        Fraction(Q("γ", t.gamma) * Squared(B1) *
                     Brackets(K("2") * Q("WriteSubScript(H,1)", t.H1) + Q("WriteSubScript(H,2)", t.H2)),
                 K("6")),
        F("%.2f", t.Mw), " kN·m/m\n");
    Heading(w, "\t墙趾根部的弯曲拉应力：");
    WriteBendingTension(w, Q("WriteSubScript(M,p)", t.Mp) - Q("WriteSubScript(M,w)", t.Mw),
                        Q("WriteSubScript(H,2)", t.H2), t.sigmaT, t.allow, t.ok,
                        "应加高墙趾或按钢筋混凝土配筋。");
}

void WritePlatformReport(ReportWriter& w, const PlatformResult& p) {
    Heading(w, "\n\t（6）衡重台悬臂弯曲拉应力验算");
    w.WriteText(F("\t衡重台伸出下墙背墙脚的长度L=%.2f m，", p.L) +
                F("根部（下墙背墙脚处竖直截面）高WriteSubScript(h,2)=%.2f m；", p.h2) +
                F("台上填土的弯矩WriteSubScript(M,s)=%.2f kN·m/m，", p.Ms) +
                F("面荷载的弯矩WriteSubScript(M,q)=%.2f kN·m/m，", p.Mq) +
                F("自重的弯矩WriteSubScript(M,w)=%.2f kN·m/m\n", p.Mw));
    Heading(w, "\t衡重台根部的弯曲拉应力（上缘受拉）：");
    WriteBendingTension(
        w, Q("WriteSubScript(M,s)", p.Ms) + Q("WriteSubScript(M,q)", p.Mq) + Q("WriteSubScript(M,w)", p.Mw),
        Q("WriteSubScript(h,2)", p.h2), p.sigmaT, p.allow, p.ok, "应减小下墙背的仰斜或按钢筋混凝土配筋。");
}

}  // namespace wall
