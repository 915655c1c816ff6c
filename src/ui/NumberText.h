// Numbers as the dialogs show and read them.
#pragma once

#include <QString>
#include <optional>

namespace wallui {

// The message of a field that does not hold a number.
QString NotANumberText();

// A float in the shortest form with up to 6 significant digits ("%g": 10 -> "10", 0.2 -> "0.2").
QString ShortestFloat(float v);

// A value with two decimals, as the pages show the case ("%.2f").
QString TwoDecimalsText(double v);

// The text with the full-width digits, point and minus a Chinese input method types (０-９, ．, －)
// written as their ASCII forms; every dialog number reading goes through it.
QString AsciiDigits(const QString& text);

// A field's text read as a float: a finite number and nothing else, blanks around it allowed, a
// zero written with a leading digit 0. Nothing otherwise.
std::optional<float> FieldNumber(const QString& text);

// The number a text starts with; 0 when it starts with none.
double LeadingNumberOf(const QString& text);

}  // namespace wallui
