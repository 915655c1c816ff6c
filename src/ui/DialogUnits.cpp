// Font choice and dialog-unit conversion for the dialogs.
#include "ui/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace wallui {

QFont DialogFont() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"宋体", "SimSun", "NSimSun", "Noto Serif CJK SC", "Noto Sans CJK SC",
                                 "WenQuanYi Micro Hei", "AR PL UMing CN"}) {
            if (installed.contains(QString::fromUtf8(name), Qt::CaseInsensitive))
                return QString::fromUtf8(name);
        }
        return QString();
    }();
    QFont font;
    if (!family.isEmpty()) font.setFamily(family);
    font.setPointSize(9);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetricsF m(font);
    // The average width of the 52 Latin letters, as the templates' base unit is measured.
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = std::round(m.horizontalAdvance(letters) / 52.0) / 4.0;
    // The CJK fonts carry a tall line gap; the glyph height (ascent plus descent) keeps the
    // templates' proportions closer to the original font's.
    baseY_ = std::round(m.ascent() + m.descent()) / 8.0;
    if (baseX_ <= 0) baseX_ = 1.5;
    if (baseY_ <= 0) baseY_ = 1.5;
}

int DialogUnits::X(int units) const {
    return static_cast<int>(std::lround(units * baseX_));
}
int DialogUnits::Y(int units) const {
    return static_cast<int>(std::lround(units * baseY_));
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const {
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const {
    return QSize(X(width), Y(height));
}

}  // namespace wallui
