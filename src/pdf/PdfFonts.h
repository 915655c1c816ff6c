// The fonts of the PDF report: a Latin serif first and the Noto CJK fonts for the rest, as the
// report's Times New Roman and 宋体 are substituted on a Linux desktop.
#pragma once

#include <QColor>
#include <QFont>

#include "report/Document.h"

namespace wall::pdf {

// Layout and painting work in twentieths of a point (the word processors' own unit): fonts are
// sized in pixels of that unit and the PDF device runs at 1440 dots per inch. Finer units cost
// more than they gain: Qt's PDF device then handles far larger glyphs.
constexpr double kUnitsPerPoint = 20;
constexpr int kResolution = 1440;

// Scripts are set smaller and moved off the baseline, as a word processor sets them.
constexpr double kScriptScale = 0.65;

// A run's font size in points: its own when it is one a font can have, else 10.5.
double PointSize(const CharFormat& format);

// The size its glyphs are set in: scripts reduced.
double SetSize(const CharFormat& format);

// The font of a run's format, scripts already reduced.
QFont FontOf(const CharFormat& format);

// The width of a text in a font, points.
double Advance(const QFont& font, const QString& text);

// The text colour of a run's format (automatic is black).
QColor ColourOf(const CharFormat& format);

// How far a run's baseline is moved up (negative: down), in points.
double BaselineShift(const CharFormat& format);

// The font that draws the characters of a picture's face that is not installed.
QFont PictureFallbackFont();

}  // namespace wall::pdf
