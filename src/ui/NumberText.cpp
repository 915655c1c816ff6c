// Formatting and reading of the dialogs' numbers.
#include "ui/NumberText.h"

#include <cmath>

#include "case/LeadingNumber.h"
#include "text/Format.h"

namespace wallui {

QString NotANumberText() {
    return QString::fromUtf8("请键入一个数。");
}

QString ShortestFloat(float v) {
    return QString::fromStdString(wall::Format("%g", static_cast<double>(v)));
}

QString TwoDecimalsText(double v) {
    return QString::fromStdString(wall::TwoDecimals(v));
}

QString AsciiDigits(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            c = QChar(u'0' + (u - u'０'));
        else if (u == u'．')
            c = QChar(u'.');
        else if (u == u'－')
            c = QChar(u'-');
    }
    return out;
}

std::optional<float> FieldNumber(const QString& text) {
    std::optional<double> v = wall::WholeNumber(AsciiDigits(text).toStdString());
    // A number beyond the float range would reach the design as infinity; it is refused like text.
    if (!v || !std::isfinite(static_cast<float>(*v))) return std::nullopt;
    return static_cast<float>(*v);
}

double LeadingNumberOf(const QString& text) {
    return wall::LeadingNumber(AsciiDigits(text).toStdString());
}

}  // namespace wallui
