// Feedback while typing: fields that cannot stand turn red with their reason and leave the sketch
// alone; full-width digits read as numbers; nothing modal appears; the dialog grows its sketch.
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/CaseGrid.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgWallCalc.h"
#include "ui/NumberText.h"
#include "ui/SketchArea.h"
#include "ui/WallTypePage.h"

namespace uitest {
namespace {

using InputFeedback = DialogTest;
using W = wall::CRetainingWall;

QLineEdit* WallField(wallui::CDlgWallCalc& d, float W::*member) {
    return d.CurrentPage()->FieldEdit(member);
}

// A wall field that holds no number, or one out of its range, is red with the reason in its tooltip
// and the status line; the sketch keeps the last case that could stand until the field is right.
TEST_F(InputFeedback, WallFieldMarksWhatCannotStand) {
    struct Row {
        const char* text;
        const char* reason;
    };
    for (const Row& r :
         {Row{"abc", "墙体高度H(m) 不是一个数"}, Row{"-5", "墙体高度H(m) 应大于 0，当前为 -5"}}) {
        SCOPED_TRACE(r.text);
        auto d = MakeDialog();
        d->show();
        QLineEdit* height = WallField(*d, &W::m_fHeight);
        const float before = d->SketchCase().wall.m_fHeight;
        TypeInto(height, QString::fromUtf8(r.text));
        EXPECT_TRUE(height->property("fault").toBool());
        EXPECT_EQ(height->toolTip().toStdString(), r.reason);
        EXPECT_EQ(d->StatusLine()->text().toStdString(), r.reason);
        EXPECT_FLOAT_EQ(d->SketchCase().wall.m_fHeight, before);

        TypeInto(height, "9");
        EXPECT_FALSE(height->property("fault").toBool());
        EXPECT_TRUE(d->StatusLine()->text().isEmpty());
        EXPECT_FLOAT_EQ(d->SketchCase().wall.m_fHeight, 9);
        EXPECT_TRUE(messages.empty());
    }
}

// A table cell left holding no number keeps its value and says why in the status line.
TEST_F(InputFeedback, TableCellWithoutANumberKeepsItsValue) {
    auto d = MakeDialog();
    d->show();
    wallui::CaseGrid* slope = d->SoilPage()->SlopeGrid();
    wallui::CaseGrid* layer = d->SoilPage()->LayerGrid();
    EditCell(slope, 1, 1, "abc");
    EXPECT_EQ(slope->CellText(1, 1).toStdString(), "5.00");
    EXPECT_EQ(d->StatusLine()->text().toStdString(), "水平长度(m) 第 1 行：请键入一个数。");
    EditCell(layer, 1, 1, "");
    EXPECT_EQ(layer->CellText(1, 1).toStdString(), "17.00");
    EXPECT_FLOAT_EQ(d->Case().soil.m_afLayer[0][0], 17);
    EditCell(layer, 1, 1, "18");
    EXPECT_FLOAT_EQ(d->Case().soil.m_afLayer[0][0], 18);
    EXPECT_TRUE(messages.empty());
}

// What a Chinese input method types in full width reads as the number.
TEST_F(InputFeedback, FullWidthDigitsAreNumbers) {
    struct Row {
        const char* text;
        float value;
    };
    for (const Row& r : {Row{"１２．５", 12.5f}, Row{"－３", -3}, Row{" ０．２ ", 0.2f}}) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(wallui::FieldNumber(QString::fromUtf8(r.text)), r.value);
        EXPECT_FLOAT_EQ(static_cast<float>(wallui::LeadingNumberOf(QString::fromUtf8(r.text))), r.value);
    }
    auto d = MakeDialog();
    QLineEdit* height = WallField(*d, &W::m_fHeight);
    // As the input method commits it.
    height->setFocus();
    height->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("１２．５"));
    QApplication::sendEvent(height, &commit);
    ASSERT_EQ(height->text().toStdString(), "１２．５");
    EXPECT_FALSE(height->property("fault").toBool());
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 12.5f);
}

// Emptying a surcharge field asks for nothing while typing; leaving it empty puts "请键入一个数。"
// in the status line and its tooltip, still with no window over the dialog.
TEST_F(InputFeedback, LeavingAnEmptyFieldAsksForANumberInline) {
    auto d = MakeDialog();
    d->show();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    d->Pages()->setCurrentWidget(d->SoilPage());
    auto* offset = d->SoilPage()->findChild<QLineEdit*>("edit1073");
    auto* width = d->SoilPage()->findChild<QLineEdit*>("edit1074");
    TypeInto(offset, "");
    EXPECT_TRUE(offset->property("fault").toBool());
    EXPECT_EQ(d->StatusLine()->text().indexOf(wallui::NotANumberText()), -1);

    width->setFocus();
    ASSERT_TRUE(width->hasFocus());
    EXPECT_NE(d->StatusLine()->text().indexOf(wallui::NotANumberText()), -1);
    EXPECT_NE(offset->toolTip().indexOf(wallui::NotANumberText()), -1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(messages.empty());

    // "计算" refuses it by name and brings the focus back.
    d->OnCalculate();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].toStdString(), "面荷载距墙体右上方角点的水平距离(m)：请键入一个数。");
    EXPECT_TRUE(offset->hasFocus());
}

// The window grows the sketch area by what it gains; the pages keep their size.
TEST_F(InputFeedback, ResizingGrowsTheSketch) {
    auto d = MakeDialog();
    d->show();
    const QSize sketch = d->Sketch()->size();
    const QSize pages = d->Pages()->size();
    d->resize(d->width() + 200, d->height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(d->Sketch()->size(), sketch + QSize(200, 100));
    EXPECT_EQ(d->Pages()->size(), pages);
}

}  // namespace
}  // namespace uitest
