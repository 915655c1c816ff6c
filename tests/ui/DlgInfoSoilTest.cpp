// The slope page: segment arrows, cell edits with their derived columns, values as shown, surcharge
// number reading.
#include <QComboBox>
#include <QTest>
#include <cstring>

#include "UiTestSupport.h"
#include "ui/CaseGrid.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgWallCalc.h"
#include "ui/UpDownControl.h"

namespace uitest {
namespace {

using SoilPage = DialogTest;

void Click(wallui::CDlgInfoSoil* page, const char* arrow) {
    QTest::mouseClick(page->SegmentArrows()->findChild<QWidget*>(arrow), Qt::LeftButton);
}

QLineEdit* SoilField(wallui::CDlgWallCalc& d, int id) {
    return d.SoilPage()->findChild<QLineEdit*>(QString("edit%1").arg(id));
}

// The sign rule of the up-down control: the up arrow sends -1 and adds a segment up to 2, the down
// arrow sends +1 and removes one down to 1.
TEST(SegmentsAfterStep, FollowsTheArrowRule) {
    struct Row {
        int segments, delta, expected;
    };
    for (const Row& r : {Row{1, -1, 2}, Row{2, -1, 2}, Row{2, +1, 1}, Row{1, +1, 1}, Row{1, 0, 1}}) {
        SCOPED_TRACE(r.segments * 10 + r.delta);
        EXPECT_EQ(wallui::SegmentsAfterStep(r.segments, r.delta), r.expected);
    }
}

// "The up arrow at one segment adds row 2 (5.00, 1.00, 5.10, 11.31 after a fresh page); a second up
// arrow changes nothing; the down arrow at two segments removes row 2 but keeps its values for later."
TEST_F(SoilPage, ArrowsAddAndRemoveTheSecondSegment) {
    auto d = MakeDialog();
    wallui::CDlgInfoSoil* page = d->SoilPage();
    Click(page, "up");
    EXPECT_EQ(page->SlopeGrid()->rowCount(), 3);
    EXPECT_EQ(RowTexts(page->SlopeGrid(), 2),
              (std::vector<std::string>{"2", "5.00", "1.00", "5.10", "11.31"}));
    EXPECT_EQ(SoilField(*d, 10008)->text(), "2");
    EXPECT_EQ(d->Case().soil.m_nSlopeSegs, 2);
    EXPECT_EQ(d->Case().soil.m_nSlopeRows, 3);
    Click(page, "up");
    EXPECT_EQ(d->Case().soil.m_nSlopeSegs, 2);

    EditCell(page->SlopeGrid(), 2, 1, "7");
    Click(page, "down");
    EXPECT_EQ(page->SlopeGrid()->rowCount(), 2);
    EXPECT_EQ(SoilField(*d, 10008)->text(), "1");
    EXPECT_EQ(d->Case().soil.m_nSlopeSegs, 1);
    EXPECT_EQ(d->Case().soil.m_nSlopeRows, 2);
    Click(page, "down");
    EXPECT_EQ(d->Case().soil.m_nSlopeSegs, 1);
    Click(page, "up");
    // 7 by 1: length sqrt(50) = 7.07, angle atan(1/7) = 8.13 degrees.
    EXPECT_EQ(RowTexts(page->SlopeGrid(), 2),
              (std::vector<std::string>{"2", "7.00", "1.00", "7.07", "8.13"}));

    // The Up and Down keys in the count field step as the arrows do.
    QTest::keyClick(SoilField(*d, 10008), Qt::Key_Down);
    EXPECT_EQ(d->Case().soil.m_nSlopeSegs, 1);
    QTest::keyClick(SoilField(*d, 10008), Qt::Key_Up);
    EXPECT_EQ(d->Case().soil.m_nSlopeSegs, 2);
}

// Editing a length recomputes the segment's length and angle ("Typing 3 into the vertical length of
// segment 1 shows 5.00, 3.00, 5.83, 30.96": sqrt(25 + 9) = 5.831, atan(3/5) = 30.964 degrees).
TEST_F(SoilPage, CellEditRecomputesLengthAndAngle) {
    auto d = MakeDialog();
    wallui::CaseGrid* grid = d->SoilPage()->SlopeGrid();
    EditCell(grid, 1, 2, "3");
    EXPECT_EQ(RowTexts(grid, 1), (std::vector<std::string>{"1", "5.00", "3.00", "5.83", "30.96"}));
    const float* row = d->Case().soil.m_afSlope[0];
    EXPECT_FLOAT_EQ(row[1], 3);
    EXPECT_FLOAT_EQ(row[2], 5.83f);
    EXPECT_FLOAT_EQ(row[3], 30.96f);
    // Length and angle are locked; the headers are fixed.
    for (int c : {3, 4}) EXPECT_FALSE(grid->item(1, c)->flags() & Qt::ItemIsEditable);
    for (int c : {1, 2}) EXPECT_TRUE(grid->item(1, c)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(1, 0)->flags() & Qt::ItemIsEditable);
}

// "Typing 1.234 into a length shows 1.23; the table keeps 1.234, while the analyses read 1.23": the
// case holds 1.23 (and length 1.59, angle 39.02 from 1.234 by 1: sqrt(2.5228) = 1.5883,
// atan(1/1.234) = 39.020 degrees), the case file keeps the typed 1.234.
TEST_F(SoilPage, TypedValueKeptWhileTheCaseReadsItAsShown) {
    auto d = MakeDialog();
    wallui::CaseGrid* grid = d->SoilPage()->SlopeGrid();
    EditCell(grid, 1, 1, "1.234");
    EXPECT_EQ(RowTexts(grid, 1), (std::vector<std::string>{"1", "1.23", "1.00", "1.59", "39.02"}));
    EXPECT_FLOAT_EQ(d->Case().soil.m_afSlope[0][0], 1.23f);
    EXPECT_FLOAT_EQ(d->Case().soil.m_afSlope[0][2], 1.59f);
    EXPECT_FLOAT_EQ(d->Case().soil.m_afSlope[0][3], 39.02f);
    EXPECT_FLOAT_EQ(d->CaseForFile().soil.m_afSlope[0][0], 1.234f);

    wallui::CaseGrid* layer = d->SoilPage()->LayerGrid();
    EditCell(layer, 1, 2, "12.345");
    EXPECT_EQ(RowTexts(layer, 1), (std::vector<std::string>{"1", "17.00", "12.35", "30.00"}));
    EXPECT_FLOAT_EQ(d->Case().soil.m_afLayer[0][1], 12.35f);
    EXPECT_FLOAT_EQ(d->CaseForFile().soil.m_afLayer[0][1], 12.345f);
    EditCell(layer, 1, 3, "35");
    EXPECT_FLOAT_EQ(d->Case().soil.m_afLayer[0][2], 35);
}

// A horizontal length of 0 gives an angle of 90 degrees and no failure.
TEST_F(SoilPage, VerticalSegmentGivesNinetyDegrees) {
    auto d = MakeDialog();
    EditCell(d->SoilPage()->SlopeGrid(), 1, 1, "0");
    EXPECT_EQ(RowTexts(d->SoilPage()->SlopeGrid(), 1),
              (std::vector<std::string>{"1", "0.00", "1.00", "1.00", "90.00"}));
}

// Surcharge fields: a number (blanks around allowed) is taken; anything else, an empty field and a
// zero not written with the digit 0 keep the last number and mark the field, with no message box.
TEST_F(SoilPage, SurchargeFieldsTakeNumbersOnly) {
    struct Row {
        int id;
        float wall::CSoil::*member;
        const char* text;
        bool taken;
        float value;
    };
    const Row rows[] = {
        {1073, &wall::CSoil::m_fLoadOffset, "2.5", true, 2.5f},
        {1073, &wall::CSoil::m_fLoadOffset, " 3 ", true, 3},
        {1172, &wall::CSoil::m_fLoadPressure, "0", true, 0},
        {1074, &wall::CSoil::m_fLoadWidth, "abc", false, 4},
        {1074, &wall::CSoil::m_fLoadWidth, "", false, 4},
        {1074, &wall::CSoil::m_fLoadWidth, ".0", false, 4},
        // Typed key by key: "1e9" is taken on the way, "1e99" is beyond the float range and refused.
        {1074, &wall::CSoil::m_fLoadWidth, "1e99", false, 1e9f},
        // "3" is taken on the way, "3m" refused.
        {1074, &wall::CSoil::m_fLoadWidth, "3m", false, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        auto d = MakeDialog();
        d->show();
        TypeInto(SoilField(*d, r.id), r.text);
        EXPECT_FLOAT_EQ(d->Case().soil.*r.member, r.value);
        EXPECT_EQ(SoilField(*d, r.id)->property("fault").toBool(), !r.taken);
        EXPECT_TRUE(messages.empty());
    }
}

// Each field is read on its own: one holding no number does not stop the others.
TEST_F(SoilPage, FieldsAreReadOnTheirOwn) {
    auto d = MakeDialog();
    TypeInto(SoilField(*d, 1073), "x");
    TypeInto(SoilField(*d, 1074), "6");
    EXPECT_FLOAT_EQ(d->Case().soil.m_fLoadWidth, 6);
    TypeInto(SoilField(*d, 1073), "1");
    EXPECT_FLOAT_EQ(d->Case().soil.m_fLoadOffset, 1);
}

// The theory list: Coulomb is 0, Rankine 1.
TEST_F(SoilPage, TheoryChoiceChangesTheCase) {
    auto d = MakeDialog();
    auto* list = d->SoilPage()->findChild<QComboBox*>("list10012");
    EXPECT_EQ(list->itemText(0).toStdString(), "库伦土压力理论");
    EXPECT_EQ(list->itemText(1).toStdString(), "朗肯土压力理论");
    list->setCurrentIndex(0);
    EXPECT_EQ(d->Case().soil.m_nTheory, 0);
    list->setCurrentIndex(1);
    EXPECT_EQ(d->Case().soil.m_nTheory, 1);
}

// A case file whose slope rows disagree with its segment count cannot make the grid outgrow the table.
TEST_F(SoilPage, ShownSoilKeepsTheRowCountInvariant) {
    auto d = MakeDialog();
    wall::CSoil s = d->CaseForFile().soil;
    s.m_nSlopeSegs = 2;
    s.m_nSlopeRows = 1000;
    s.m_nSlopeCols = 99;
    d->SoilPage()->SetSoil(s);
    EXPECT_EQ(d->SoilPage()->SlopeGrid()->rowCount(), 3);
    EXPECT_EQ(d->SoilPage()->SlopeGrid()->columnCount(), 5);
}

}  // namespace
}  // namespace uitest
