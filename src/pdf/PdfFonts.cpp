// Font families by the run's named font: sans faces (黑体 and its kin) to Noto Sans CJK, the rest
// to a Times-like serif with Noto Serif CJK behind it for the characters it lacks.
#include "pdf/PdfFonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace wall::pdf {
namespace {

bool IsSansFace(const std::string& face) {
    for (const char* s : {"黑", "Hei", "hei", "Sans", "sans", "Arial", "幼圆"})
        if (face.find(s) != std::string::npos) return true;
    return false;
}

}  // namespace

double PointSize(const CharFormat& format) {
    return std::isfinite(format.size) && format.size > 0 ? std::min<double>(format.size, 1638) : 10.5;
}

double SetSize(const CharFormat& format) {
    return PointSize(format) * (format.position == VerticalPosition::kBaseline ? 1 : kScriptScale);
}

QFont FontOf(const CharFormat& format) {
    const int pixels = std::max(1, static_cast<int>(std::lround(SetSize(format) * kUnitsPerPoint)));
    const bool sans = IsSansFace(format.font);
    // Building a font is dear next to looking one up, and a report has a handful.
    const int64_t key = (static_cast<int64_t>(pixels) << 4) | (format.bold ? 1 : 0) |
                        (format.italic ? 2 : 0) | (format.underline ? 4 : 0) | (sans ? 8 : 0);
    thread_local std::unordered_map<int64_t, QFont> fonts;
    if (auto it = fonts.find(key); it != fonts.end()) return it->second;
    QFont font;
    if (sans)
        font.setFamilies({"Liberation Sans", "Noto Sans CJK SC"});
    else
        font.setFamilies({"Liberation Serif", "Noto Serif CJK SC"});
    font.setPixelSize(pixels);
    font.setBold(format.bold);
    font.setItalic(format.italic);
    font.setUnderline(format.underline);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    fonts.emplace(key, font);
    return font;
}

double Advance(const QFont& font, const QString& text) {
    // Most pieces are single CJK characters that recur all through a report; measuring each anew
    // would shape it anew. The fonts come from FontOf's cache, so comparing them is cheap.
    thread_local std::vector<std::pair<QFont, QHash<QString, double>>> advances;
    auto fontIt =
        std::find_if(advances.begin(), advances.end(), [&](const auto& a) { return a.first == font; });
    if (fontIt == advances.end()) fontIt = advances.insert(advances.end(), {font, {}});
    QHash<QString, double>& widths = fontIt->second;
    if (auto it = widths.constFind(text); it != widths.constEnd()) return *it;
    const double w = QFontMetricsF(font).horizontalAdvance(text) / kUnitsPerPoint;
    widths.insert(text, w);
    return w;
}

QColor ColourOf(const CharFormat& format) {
    if (!format.color) return Qt::black;
    const uint32_t c = *format.color;
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

double BaselineShift(const CharFormat& format) {
    const double size = PointSize(format);
    if (format.position == VerticalPosition::kSuperscript) return 0.33 * size;
    if (format.position == VerticalPosition::kSubscript) return -0.14 * size;
    return 0;
}

QFont PictureFallbackFont() {
    // The text's own fonts: a picture then embeds no font of its own.
    QFont font;
    font.setFamilies({"Liberation Serif", "Noto Serif CJK SC"});
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace wall::pdf
