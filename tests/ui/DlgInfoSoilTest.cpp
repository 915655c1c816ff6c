// The slope page: segment arrows, cell edits with their derived columns, values as shown, surcharge
// number reading, the soil layers added and removed.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "text/Gbk.h"
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

bool HasText(const wallui::CDlgWallCalc& d, const std::string& text) {
    for (const auto& t : d.Preview().Texts())
        if (t->m_strText == wall::Utf8ToGbk(text)) return true;
    return false;
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
    EXPECT_EQ(RowTexts(layer, 1), (std::vector<std::string>{"1", "17.00", "12.35", "30.00", "0.00", "0.00"}));
    EXPECT_FLOAT_EQ(d->Case().soil.m_afLayer[0][1], 12.35f);
    EXPECT_FLOAT_EQ(d->CaseForFile().soil.m_afLayer[0][1], 12.345f);
    EditCell(layer, 1, 3, "35");
    EXPECT_FLOAT_EQ(d->Case().soil.m_afLayer[0][2], 35);
    // A thickness for the only layer opens a second one below, its copy reaching past the base, not
    // what the table's next row held before.
    EditCell(layer, 1, 4, "2.5");
    ASSERT_EQ(layer->rowCount(), 3);
    EXPECT_EQ(RowTexts(layer, 2), (std::vector<std::string>{"2", "17.00", "12.35", "35.00", "0.00", "0.00"}));
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

// A soil record with the layers given as rows of γ, c, φ, thickness, γsat.
wall::CSoil Layered(wall::CSoil s, std::initializer_list<std::array<float, 5>> layers) {
    int r = 0;
    for (const std::array<float, 5>& layer : layers) {
        std::copy(layer.begin(), layer.end(), s.m_afLayer[r]);
        ++r;
    }
    return s;
}

// The texts of one column of the layer grid, below the titles.
std::vector<std::string> ColumnTexts(const wallui::CaseGrid* grid, int column) {
    std::vector<std::string> texts;
    for (int r = 1; r < grid->rowCount(); ++r) texts.push_back(grid->CellText(r, column).toStdString());
    return texts;
}

// Three layers: 2 m and 3 m thick, the third reaching down past the base.
const std::initializer_list<std::array<float, 5>> kThree = {
    {18, 5, 25, 2, 20}, {19, 0, 30, 3, 21}, {20, 0, 32, 0, 0}};

// "增加土层" gives the last layer 1 m and copies it below with thickness 0; "删除土层" takes the selected
// layer (none selected: the last), the rows below moving up, the new last reaching down. The only
// layer and a thirteenth are refused with the reason in the status line, nothing changed.
TEST_F(SoilPage, AddAndRemoveLayers) {
    struct Row {
        const char* what;
        bool threeLayers;  // else the new page's single layer
        bool add;
        int selected;  // the grid row selected before removing; 0: none
        std::vector<std::string> thickness, gamma;
        const char* status;
    };
    const Row rows[] = {
        {"add to one", false, true, 0, {"1.00", "0.00"}, {"17.00", "17.00"}, ""},
        {"add to three",
         true,
         true,
         0,
         {"2.00", "3.00", "1.00", "0.00"},
         {"18.00", "19.00", "20.00", "20.00"},
         ""},
        {"remove the last", true, false, 0, {"2.00", "0.00"}, {"18.00", "19.00"}, ""},
        {"remove the middle", true, false, 2, {"2.00", "0.00"}, {"18.00", "20.00"}, ""},
        {"remove the top", true, false, 1, {"3.00", "0.00"}, {"19.00", "20.00"}, ""},
        {"remove the only", false, false, 0, {"0.00"}, {"17.00"}, "只有一层土，不能删除"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        auto d = MakeDialog();
        d->show();
        d->Pages()->setCurrentWidget(d->SoilPage());
        wallui::CDlgInfoSoil* page = d->SoilPage();
        if (r.threeLayers) page->SetSoil(Layered(page->Soil(), kThree));
        wallui::CaseGrid* grid = page->LayerGrid();
        if (r.selected > 0) grid->setCurrentCell(r.selected, 1);
        QTest::mouseClick(r.add ? page->AddLayerButton() : page->RemoveLayerButton(), Qt::LeftButton);

        ASSERT_EQ(grid->rowCount(), static_cast<int>(r.thickness.size()) + 1);
        EXPECT_EQ(ColumnTexts(grid, 4), r.thickness);
        EXPECT_EQ(ColumnTexts(grid, 1), r.gamma);
        EXPECT_EQ(ColumnTexts(grid, 0).back(), std::to_string(r.thickness.size()));
        EXPECT_EQ(d->StatusLine()->text().toStdString(), r.status);
        // The case the sketch and the analyses read has the same layers.
        const wall::CSoil c = d->Case().soil;
        ASSERT_EQ(wall::LayersInUse(c), static_cast<int>(r.thickness.size()));
        for (std::size_t i = 0; i < r.thickness.size(); ++i) {
            EXPECT_EQ(c.m_afLayer[i][wall::kLayerThickness], std::stof(r.thickness[i])) << i;
            EXPECT_EQ(c.m_afLayer[i][wall::kLayerUnitWeight], std::stof(r.gamma[i])) << i;
        }
        // The sketch names the layer below each boundary.
        for (std::size_t i = 2; i <= 4; ++i)
            EXPECT_EQ(HasText(*d, "第" + std::to_string(i) + "层"), i <= r.thickness.size()) << i;
    }
}

// A twelfth layer is the last "增加土层" makes: an analysis takes no more. The refusal stays in the
// status line until a layer is added or removed.
TEST_F(SoilPage, NoMoreLayersThanAnAnalysisTakes) {
    auto d = MakeDialog();
    wallui::CDlgInfoSoil* page = d->SoilPage();
    wall::CSoil s = page->Soil();
    for (int r = 0; r < 11; ++r) s.m_afLayer[r][wall::kLayerThickness] = 0.5f;
    s.m_afLayer[11][wall::kLayerThickness] = 0;
    page->SetSoil(s);
    ASSERT_EQ(page->LayerGrid()->rowCount(), 13);
    page->AddLayerButton()->click();
    EXPECT_EQ(page->LayerGrid()->rowCount(), 13);
    EXPECT_EQ(d->StatusLine()->text().toStdString(), "土层已有12层，计算最多取12层，不能再增加");
    EXPECT_EQ(std::memcmp(page->Soil().m_afLayer, s.m_afLayer, sizeof s.m_afLayer), 0);
    // Once a layer is removed the refusal no longer holds.
    page->RemoveLayerButton()->click();
    EXPECT_EQ(page->LayerGrid()->rowCount(), 12);
    EXPECT_EQ(d->StatusLine()->text().toStdString(), "");
}

// Three layers shown and read back: every cell of the layer table as it was, the stored column count
// untouched although the grid shows six columns.
TEST_F(SoilPage, ThreeLayersRoundTrip) {
    auto d = MakeDialog();
    wallui::CDlgInfoSoil* page = d->SoilPage();
    const wall::CSoil s = Layered(page->Soil(), kThree);
    ASSERT_EQ(s.m_nLayerCols, 4);
    page->SetSoil(s);
    EXPECT_EQ(page->LayerGrid()->rowCount(), 4);
    EXPECT_EQ(page->LayerGrid()->columnCount(), 6);
    EXPECT_EQ(RowTexts(page->LayerGrid(), 2),
              (std::vector<std::string>{"2", "19.00", "0.00", "30.00", "3.00", "21.00"}));
    const wall::CSoil back = wallui::RebuildSoil(*page);
    EXPECT_EQ(back.m_nLayerCols, 4);
    EXPECT_EQ(std::memcmp(back.m_afLayer, s.m_afLayer, sizeof s.m_afLayer), 0);

    // Every cell shown is read as shown, the lower layers' thickness and γsat too; the page keeps what
    // it was given.
    wall::CSoil typed = s;
    typed.m_afLayer[1][wall::kLayerThickness] = 3.004f;
    typed.m_afLayer[2][wall::kLayerSaturatedWeight] = 20.456f;
    page->SetSoil(typed);
    const wall::CSoil shown = wallui::RebuildSoil(*page);
    EXPECT_FLOAT_EQ(shown.m_afLayer[1][wall::kLayerThickness], 3);
    EXPECT_FLOAT_EQ(shown.m_afLayer[2][wall::kLayerSaturatedWeight], 20.46f);
    EXPECT_FLOAT_EQ(page->Soil().m_afLayer[2][wall::kLayerSaturatedWeight], 20.456f);
}

// More layers than the grid's height: the titles stay in view over the rows, a layer scrolled into
// view is not under them, and the columns fit inside the frame, each wide enough for a value.
TEST_F(SoilPage, ManyLayersScrollUnderTheTitles) {
    auto d = MakeDialog();
    d->show();
    d->Pages()->setCurrentWidget(d->SoilPage());
    wallui::CDlgInfoSoil* page = d->SoilPage();
    for (int i = 0; i < 7; ++i) page->AddLayerButton()->click();
    wallui::CaseGrid* grid = page->LayerGrid();
    ASSERT_EQ(grid->rowCount(), 9);
    QApplication::processEvents();
    ASSERT_TRUE(grid->verticalScrollBar()->isVisible());
    grid->setCurrentCell(8, 1);
    QApplication::processEvents();
    EXPECT_GT(grid->verticalScrollBar()->value(), 0);
    auto* titles = grid->findChild<QTableView*>("frozenRow");
    ASSERT_NE(titles, nullptr);
    EXPECT_TRUE(titles->isVisible());
    EXPECT_EQ(titles->rowAt(0), 0);
    EXPECT_EQ(titles->geometry().top(), grid->viewport()->geometry().top());
    EXPECT_GE(grid->rowViewportPosition(8), titles->height());
    EXPECT_LE(grid->rowViewportPosition(8) + grid->rowHeight(8), grid->viewport()->height());
    // Back to the first layer: it comes out from under the titles.
    grid->setCurrentCell(1, 1);
    EXPECT_EQ(grid->rowViewportPosition(1), titles->height());
    EXPECT_EQ(titles->rowAt(0), 0);

    int sum = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        sum += grid->columnWidth(c);
        EXPECT_GE(grid->columnWidth(c), grid->fontMetrics().horizontalAdvance("100.00")) << c;
    }
    EXPECT_LE(sum, grid->viewport()->width());
}

}  // namespace
}  // namespace uitest
