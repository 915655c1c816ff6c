// The Qt painter back end of the drawing device: arc angles, lines, fills, inversion and characters.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "qtpaint/QtPainterDevice.h"
#include "ui/DialogUnits.h"

namespace {

using wall::DevicePoint;

// Arc angles on a 100 x 100 box centred at (50, 50), y down: (100, 50) lies at 0 degrees, (50, 0) at
// 90, (0, 50) at 180, (50, 100) at 270; the arc runs counter-clockwise as seen; equal radials give the
// whole ellipse. Qt takes sixteenths of a degree.
TEST(ArcAnglesOf, CounterClockwiseFromStartToEnd) {
    struct Row {
        DevicePoint start, end;
        int start16, span16;
    };
    const Row rows[] = {
        {{100, 50}, {50, 0}, 0, 90 * 16},        {{50, 0}, {100, 50}, 90 * 16, 270 * 16},
        {{0, 50}, {50, 100}, 180 * 16, 90 * 16}, {{100, 50}, {100, 50}, 0, 360 * 16},
        {{200, 50}, {50, -300}, 0, 90 * 16},  // points beyond the box give the same radials
    };
    for (const Row& r : rows) {
        wallui::ArcAngles a = wallui::ArcAnglesOf(0, 0, 100, 100, r.start, r.end);
        EXPECT_EQ(a.start16, r.start16);
        EXPECT_EQ(a.span16, r.span16);
    }
}

QImage White(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(QtPainterDevice, LinesFillsAndInversion) {
    QImage image = White(40, 40);
    {
        QPainter painter(&image);
        wallui::QtPainterDevice dev(painter, wallui::DialogFont());
        dev.FillRect(0, 0, 20, 40, {0, 0, 0});
        dev.SetPen({wall::kPenSolid, 1, {255, 0, 0}});
        dev.Line({25, 5}, {35, 5});
        dev.SetBrush({false, {0, 0, 255}});
        DevicePoint square[] = {{25, 20}, {35, 20}, {35, 30}, {25, 30}};
        dev.Polygon(square);
        // Inverting over the black half turns it white, over the white half black.
        DevicePoint band[] = {{10, 35}, {30, 35}, {30, 38}, {10, 38}};
        dev.InvertPolygon(band);
    }
    EXPECT_EQ(image.pixelColor(5, 10), QColor(0, 0, 0));  // filled, right and bottom edges excluded
    EXPECT_EQ(image.pixelColor(20, 10), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(30, 5), QColor(255, 0, 0));   // the line
    EXPECT_EQ(image.pixelColor(30, 25), QColor(0, 0, 255));  // the brush inside the polygon
    EXPECT_EQ(image.pixelColor(15, 36), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(25, 36), QColor(0, 0, 0));
}

// A character lands in its cell: below and to the right of the given corner, within the cell's
// width (twice the character width for a double-byte one) and height.
TEST(QtPainterDevice, CharacterStaysInItsCell) {
    QImage image = White(80, 60);
    {
        QPainter painter(&image);
        wallui::QtPainterDevice dev(painter, wallui::DialogFont());
        wall::Font font;
        font.height = 20;
        font.charWidth = 10;
        dev.SetFont(font);
        dev.SetTextColour({0, 0, 0});
        dev.Char({30, 20}, "墙", true);
    }
    int inked = 0, outside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() > 128) continue;
            const bool inCell = x >= 29 && x <= 51 && y >= 19 && y <= 41;
            (inCell ? inked : outside)++;
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(outside, 0);
}

}  // namespace
