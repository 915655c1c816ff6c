// Building and writing the two forms of a printed formula.
#include "casereport/Formula.h"

#include "text/Format.h"
#include "text/Utf8Text.h"

namespace wall {
namespace {

// Inline markers of a fraction: start, between numerator and denominator, end.
constexpr char kOpen = '\x01', kBar = '\x02', kClose = '\x03';

}  // namespace

Expr Q(std::string_view symbol, float value, const char* format) {
    const std::string v = Format(format, static_cast<double>(value));
    return {std::string(symbol), value < 0 ? "(" + v + ")" : v};
}

std::string Symbol(std::string_view plain) {
    std::size_t i = 0;
    DecodeUtf8At(plain, i);
    if (i >= plain.size()) return std::string(plain);
    return "WriteSubScript(" + std::string(plain.substr(0, i)) + "," + std::string(plain.substr(i)) + ")";
}

Expr K(std::string_view text) {
    return {std::string(text), std::string(text)};
}

Expr N(float value, const char* format) {
    const std::string v = Format(format, static_cast<double>(value));
    return {v, v};
}

Expr operator+(const Expr& a, const Expr& b) {
    return {a.sym + "+" + b.sym, a.num + "+" + b.num};
}

Expr operator-(const Expr& a, const Expr& b) {
    return {a.sym + "-" + b.sym, a.num + "-" + b.num};
}

Expr operator*(const Expr& a, const Expr& b) {
    return {a.sym + b.sym, a.num + "×" + b.num};
}

Expr Brackets(const Expr& a) {
    return {"(" + a.sym + ")", "(" + a.num + ")"};
}

Expr Fraction(const Expr& numerator, const Expr& denominator) {
    auto f = [](const std::string& n, const std::string& d) { return kOpen + n + kBar + d + kClose; };
    return {f(numerator.sym, denominator.sym), f(numerator.num, denominator.num)};
}

void WriteSide(ReportWriter& w, std::string_view side) {
    while (!side.empty()) {
        const std::size_t open = side.find(kOpen);
        if (open != 0) {
            w.WriteText(side.substr(0, open));
            if (open == std::string_view::npos) return;
            side.remove_prefix(open);
        }
        const std::size_t bar = side.find(kBar), close = side.find(kClose);
        std::string code = "EQ \\F(";
        code.append(side.substr(1, bar - 1));
        code += ',';
        code.append(side.substr(bar + 1, close - bar - 1));
        code += ')';
        w.WriteEquation(code);
        side.remove_prefix(close + 1);
    }
}

void WriteBaseStresses(ReportWriter& w, const Expr& load, const Expr& e, float B, bool partial,
                       float sigmaMax, float sigmaMin, const BaseStressTexts& t) {
    if (partial) {
        w.WriteText(t.partial);
        w.KeepWithNext();
        w.WriteText("\n");
        const Expr halfB = {"B/2", Format("%.2f/2", static_cast<double>(B))};
        WriteFormula(w, "WriteSubScript(σ,max)", Fraction(K("2") * load, K("3") * Brackets(halfB - e)),
                     Format("%.2f", static_cast<double>(sigmaMax)), t.end);
        return;
    }
    const Expr width = Q("B", B), spread = Fraction(load, width), ratio = Fraction(K("6") * e, width);
    w.WriteText(t.trapezoid);
    w.KeepWithNext();
    w.WriteText("\n");
    WriteFormula(w, "WriteSubScript(σ,max)", spread * Brackets(K("1") + ratio),
                 Format("%.2f", static_cast<double>(sigmaMax)), t.end);
    w.WriteText(t.minimum);
    w.KeepWithNext();
    w.WriteText("\n");
    WriteFormula(w, "WriteSubScript(σ,min)", spread * Brackets(K("1") - ratio),
                 Format("%.2f", static_cast<double>(sigmaMin)), t.end);
}

void WriteFormula(ReportWriter& w, std::string_view lhs, const Expr& e, std::string_view result,
                  std::string_view tail) {
    w.WriteText("\t\t" + std::string(lhs) + "=");
    WriteSide(w, e.sym);
    w.KeepWithNext();
    w.WriteText("\n\t\t  =");
    WriteSide(w, e.num);
    w.WriteText("=" + std::string(result) + std::string(tail));
}

Expr Root(const Expr& a) {
    const Expr b = Brackets(a);
    return {"√" + b.sym, "√" + b.num};
}

Expr Squared(const Expr& a) {
    return {a.sym + "²", a.num + "²"};
}

}  // namespace wall
