// The preview follows the case: recomposed at every edit and painted into the sketch area.
#include <QImage>
#include <QTabWidget>
#include <algorithm>

#include "UiTestSupport.h"
#include "ui/CaseGrid.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgWallCalc.h"
#include "ui/SketchArea.h"

namespace uitest {
namespace {

using Preview = DialogTest;

// The texts of the preview (ASCII only: dimension values and batter labels).
std::vector<std::string> Texts(const wallui::CDlgWallCalc& d) {
    std::vector<std::string> texts;
    for (const auto& t : d.Preview().Texts()) texts.push_back(t->m_strText);
    return texts;
}

bool HasText(const wallui::CDlgWallCalc& d, const std::string& text) {
    std::vector<std::string> texts = Texts(d);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The overall height is dimensioned in millimetres with "%d": 8 m shows 8000 on a new counterfort
// case; typing 9.5 redraws it as 9500 at once; a cleared field leaves the sketch as it was.
TEST_F(Preview, FollowsTheTyping) {
    auto d = MakeDialog();
    ASSERT_FALSE(d->Preview().Lines().empty());
    EXPECT_TRUE(HasText(*d, "8000"));
    QLineEdit* height = d->Pages()->widget(0)->findChild<QLineEdit*>("edit1062");
    TypeInto(height, "9.5");
    EXPECT_TRUE(HasText(*d, "9500"));
    EXPECT_FALSE(HasText(*d, "8000"));
    TypeInto(height, "");
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 0);
    EXPECT_TRUE(HasText(*d, "9500"));
}

// A slope cell edit redraws the ground: the run of segment 1 is dimensioned as 5000, then 7000.
TEST_F(Preview, FollowsTheSlopeTable) {
    auto d = MakeDialog();
    EXPECT_TRUE(HasText(*d, "5000"));
    EditCell(d->SoilPage()->SlopeGrid(), 1, 1, "7");
    EXPECT_TRUE(HasText(*d, "7000"));
    // The surcharge label "q=" with "%0.1f" of the pressure and its unit.
    EXPECT_TRUE(HasText(*d, "q=10.0 kPa"));
}

// The sketch area shows the preview: on black, some pixels are lit.
TEST_F(Preview, SketchAreaPaintsTheCanvas) {
    auto d = MakeDialog();
    d->show();
    QImage image = d->Sketch()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) lit += image.pixelColor(x, y).lightness() > 60;
    EXPECT_GT(lit, 100);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
}

}  // namespace
}  // namespace uitest
