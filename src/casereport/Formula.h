// A formula as the report prints it: in symbols, then with the printed values put in, then the result.
#pragma once

#include <string>
#include <string_view>

#include "report/ReportWriter.h"

namespace wall {

// Both sides of an expression in report markup: `sym` in symbols ("WWriteSubScript(Z,w)"), `num` with
// the values as printed ("1236.80×3.67"). A fraction is held inline between markers and written as
// an equation field of its own; fractions do not nest.
struct Expr {
    std::string sym;
    std::string num;
};

// A quantity: its symbol and its value with two decimals (negative values in brackets on the value side).
Expr Q(std::string_view symbol, float value, const char* format = "%.2f");
// The markup of a plain symbol: its first character the letter, the rest its subscript ("Zw" is
// WriteSubScript(Z,w)); a single character stays as it is.
std::string Symbol(std::string_view plain);
// A number that reads the same on both sides ("2", "6").
Expr K(std::string_view text);
// A quantity printed only as its value on both sides (cos α0 as 0.9701).
Expr N(float value, const char* format);

Expr operator+(const Expr& a, const Expr& b);
Expr operator-(const Expr& a, const Expr& b);
// Symbols multiply by juxtaposition, values with "×".
Expr operator*(const Expr& a, const Expr& b);
Expr Brackets(const Expr& a);
// √(a) and a² on both sides.
Expr Root(const Expr& a);
Expr Squared(const Expr& a);
Expr Fraction(const Expr& numerator, const Expr& denominator);

// "\t\t<lhs>=<sym>" on one line and "\t\t  =<num>=<result><tail>" on the next, so a long formula
// breaks between its two forms and never inside a term. `tail` may end the paragraph.
// `result` is the printed result; empty when `tail` starts with it.
void WriteFormula(ReportWriter& w, std::string_view lhs, const Expr& e, std::string_view result,
                  std::string_view tail);

// The texts around a base's pressures, as each section words them.
struct BaseStressTexts {
    const char* partial;    // lines before σmax past the middle third
    const char* trapezoid;  // lines before σmax within it
    const char* minimum;    // the line before σmin
    const char* end;        // after each value
};

// σmax of a base under the normal force `load` (symbol and value) at eccentricity `e` on the width
// B: 2N/(3(B/2 − e)) when `partial` (past the middle third, σmin = 0 and not printed), else
// N/B(1 ± 6e/B) for σmax and σmin.
void WriteBaseStresses(ReportWriter& w, const Expr& load, const Expr& e, float B, bool partial,
                       float sigmaMax, float sigmaMin, const BaseStressTexts& t);

// Writes one side, fractions as equation fields.
void WriteSide(ReportWriter& w, std::string_view side);

}  // namespace wall
