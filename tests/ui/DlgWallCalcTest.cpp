// The main dialog: a new case, type changes, typing into the pages, the theory controls, closing.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstring>

#include "UiTestSupport.h"
#include "case/CaseDefaults.h"
#include "ui/CaseGrid.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgWallCalc.h"
#include "ui/UpDownControl.h"
#include "ui/WallTypePage.h"

namespace uitest {
namespace {

using W = wall::CRetainingWall;

QLineEdit* Field(wallui::CDlgWallCalc& d, int id) {
    return d.Pages()->widget(0)->findChild<QLineEdit*>(QString("edit%1").arg(id));
}

QLineEdit* SoilField(wallui::CDlgWallCalc& d, int id) {
    return d.SoilPage()->findChild<QLineEdit*>(QString("edit%1").arg(id));
}

std::vector<std::string> FieldTexts(const wallui::WallTypePage& page) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < page.Fields().size(); ++i) texts.push_back(page.FieldText(i).toStdString());
    return texts;
}

using DialogFlow = DialogTest;

// A new dialog: "扶壁式挡土墙" in the list, the counterfort page and "坡体信息" with the defaults of the
// wall record table and of the slope page ("A new page shows one segment: 1, 5.00, 1.00, 5.10, 11.31").
TEST_F(DialogFlow, NewDialogShowsTheCounterfortCase) {
    auto d = MakeDialog();
    EXPECT_EQ(d->windowTitle().toStdString(), "挡土墙计算");
    EXPECT_EQ(d->TypeList()->currentText().toStdString(), "扶壁式挡土墙");
    ASSERT_EQ(d->TypeList()->count(), 5);
    const char* names[] = {"重力式挡土墙", "半重力式挡土墙", "衡重式挡土墙", "悬臂式挡土墙", "扶壁式挡土墙"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(d->TypeList()->itemText(i).toStdString(), names[i]);
    ASSERT_EQ(d->Pages()->count(), 2);
    EXPECT_EQ(d->Pages()->tabText(0).toStdString(), "扶壁式挡土墙");
    EXPECT_EQ(d->Pages()->tabText(1).toStdString(), "坡体信息");

    // Counterfort column of the default table: B 0.3, H 8, l 3, b 0.2, B1 1.5, H1 0.6, B2 2.7, H2 0.6,
    // RW 24, δ 10, μ 0.6, in page order.
    EXPECT_EQ(FieldTexts(*d->CurrentPage()), (std::vector<std::string>{"0.3", "8", "3", "0.2", "1.5", "0.6",
                                                                       "2.7", "0.6", "24", "10", "0.6"}));
    const wall::WallCase& c = d->Case();
    EXPECT_EQ(c.wallType, 4);
    EXPECT_FLOAT_EQ(c.wall.m_fTopWidth, 0.3f);
    EXPECT_FLOAT_EQ(c.wall.m_fHeight, 8);
    EXPECT_FLOAT_EQ(c.wall.m_fCfSpacing, 3);
    EXPECT_FLOAT_EQ(c.wall.m_fCfThickness, 0.2f);
    EXPECT_FLOAT_EQ(c.wall.m_fWallFriction, 10);
    EXPECT_EQ(c.wall.m_nRebarGrade, 1);
    EXPECT_EQ(c.wall.m_nConcreteGrade, 1);
    EXPECT_FLOAT_EQ(c.wall.m_fCrackLimit, 0.2f);

    wallui::CDlgInfoSoil* soil = d->SoilPage();
    EXPECT_EQ(
        RowTexts(soil->SlopeGrid(), 0),
        (std::vector<std::string>{"坡线序号", "水平长度(m)", "竖直长度(m)", "坡线长度(m)", "坡线仰角(度)"}));
    EXPECT_EQ(RowTexts(soil->SlopeGrid(), 1),
              (std::vector<std::string>{"1", "5.00", "1.00", "5.10", "11.31"}));
    EXPECT_EQ(soil->SlopeGrid()->rowCount(), 2);
    EXPECT_EQ(RowTexts(soil->LayerGrid(), 0),
              (std::vector<std::string>{"土层序号", "重度(kN/m3)", " 粘聚力 (kPa)", "内摩擦角(度)", "厚度(m)",
                                        "饱和重度(kN/m3)"}));
    EXPECT_EQ(RowTexts(soil->LayerGrid(), 1),
              (std::vector<std::string>{"1", "17.00", "0.00", "30.00", "0.00", "0.00"}));
    EXPECT_EQ(soil->LayerGrid()->rowCount(), 2);
    EXPECT_EQ(SoilField(*d, 1073)->text(), "0");
    EXPECT_EQ(SoilField(*d, 1172)->text(), "10");
    EXPECT_EQ(SoilField(*d, 1074)->text(), "4");
    EXPECT_EQ(SoilField(*d, 10008)->text(), "1");
    EXPECT_EQ(soil->findChild<QComboBox*>("list10012")->currentText().toStdString(), "朗肯土压力理论");
    EXPECT_EQ(c.soil.m_nTheory, 1);
    EXPECT_EQ(c.soil.m_nSlopeSegs, 1);
    EXPECT_EQ(c.soil.m_nSlopeRows, 2);
}

// Each page's fields and defaults, in page order (wall record table and page table; the semi-gravity
// page labels H2 "墙趾高度H2(m)", the shelf page edits the lower batter -0.25).
TEST_F(DialogFlow, EachTypeOpensWithItsDefaults) {
    struct Row {
        int type;
        std::vector<std::string> texts;
        bool rebarButton;
    };
    const Row rows[] = {
        {0,
         {"2", "10", "0.25", "0.25", "0.25", "0", "0", "0", "0", "24", "15", "0.6", "1000", "1000"},
         false},
        {1, {"0.7", "8", "0.25", "0.25", "2.5", "0.4", "0.6", "24", "15", "0.6", "1000", "1000"}, false},
        {2,
         {"0.8", "7", "0.05", "0.31", "0.1", "-0.25", "0.35", "0.7", "1.27", "3.18", "24", "15", "0.6",
          "1000", "1000"},
         false},
        {3, {"0.35", "7", "0", "1.5", "0.6", "2.7", "0.6", "24", "0", "0.45"}, true},
        {4, {"0.3", "8", "3", "0.2", "1.5", "0.6", "2.7", "0.6", "24", "10", "0.6"}, true},
    };
    auto d = MakeDialog();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        d->TypeList()->setCurrentIndex(r.type);
        ASSERT_EQ(d->Case().wallType, r.type);
        EXPECT_EQ(d->Pages()->tabText(0), d->TypeList()->itemText(r.type));
        EXPECT_EQ(FieldTexts(*d->CurrentPage()), r.texts);
        EXPECT_EQ(d->CurrentPage()->RebarButton() != nullptr, r.rebarButton);
        // The rebuilt record equals the type's default record, field by field.
        const W expected = wall::DefaultWall(r.type);
        EXPECT_EQ(std::memcmp(&d->Case().wall, &expected, sizeof(W)), 0);
    }
    d->TypeList()->setCurrentIndex(1);
    QLabel* h2 = nullptr;
    for (QLabel* l : d->CurrentPage()->findChildren<QLabel*>())
        if (l->buddy() && l->buddy()->objectName() == "edit1075") h2 = l;
    ASSERT_NE(h2, nullptr);
    EXPECT_EQ(h2->text().toStdString(), "墙趾高度H2(m)");
}

// Choosing another type starts the wall page afresh and keeps the slope page: soil, slope and
// surcharge do not depend on the wall.
TEST_F(DialogFlow, TypeChangeResetsTheWallPageAndKeepsTheSlopePage) {
    auto d = MakeDialog();
    TypeInto(Field(*d, 1062), "9.5");
    TypeInto(SoilField(*d, 1073), "2");
    QTest::mouseClick(d->SoilPage()->SegmentArrows()->findChild<QWidget*>("up"), Qt::LeftButton);
    EditCell(d->SoilPage()->LayerGrid(), 1, 3, "35");
    ASSERT_FLOAT_EQ(d->Case().wall.m_fHeight, 9.5f);
    ASSERT_FLOAT_EQ(d->Case().soil.m_fLoadOffset, 2);
    ASSERT_EQ(d->Case().soil.m_nSlopeSegs, 2);
    ASSERT_FLOAT_EQ(d->Case().soil.m_afLayer[0][2], 35);

    d->TypeList()->setCurrentIndex(0);
    EXPECT_EQ(d->Case().wallType, 0);
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 10);
    EXPECT_EQ(SoilField(*d, 1073)->text(), "2");
    EXPECT_EQ(d->Case().soil.m_nSlopeSegs, 2);
    EXPECT_EQ(d->SoilPage()->SlopeGrid()->rowCount(), 3);
    EXPECT_FLOAT_EQ(d->Case().soil.m_afLayer[0][2], 35);
    EXPECT_EQ(d->Case().soil.m_nTheory, 1);

    // Back to counterfort: its page is new again, the height typed before is gone.
    d->TypeList()->setCurrentIndex(4);
    EXPECT_EQ(Field(*d, 1062)->text(), "8");
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 8);
}

// "土压力计算方法" and its list are hidden for the shelf wall only, and shown again afterwards.
TEST_F(DialogFlow, TheoryControlsHiddenForTheShelfWall) {
    auto d = MakeDialog();
    d->show();
    QLabel* label = d->SoilPage()->findChild<QLabel*>("label10020");
    QComboBox* list = d->SoilPage()->findChild<QComboBox*>("list10012");
    ASSERT_TRUE(label && list);
    EXPECT_EQ(label->text().toStdString(), "土压力计算方法");
    for (int type : {2, 0, 1, 2, 3, 4}) {
        SCOPED_TRACE(type);
        d->TypeList()->setCurrentIndex(type);
        EXPECT_EQ(label->isHidden(), type == 2);
        EXPECT_EQ(list->isHidden(), type == 2);
    }
}

// Typing into any field changes the case at once, character by character; a text that does not
// start with a number counts as 0 ("1.5 followed by a unit letter gives 1.5").
TEST_F(DialogFlow, TypingChangesTheCaseAtOnce) {
    struct Row {
        int type;
        int id;
        float W::*member;
        const char* text;
        float expected;
    };
    const Row rows[] = {
        {0, 1066, &W::m_fUnitWeight, "25", 25},
        {0, 1068, &W::m_fBaseFriction, "0.55", 0.55f},
        {0, 1070, &W::m_fBaseSlope, "0.2", 0.2f},
        {2, 1078, &W::m_fLowerBackSlope, "-0.3", -0.3f},
        {4, 1062, &W::m_fHeight, "", 0},
        {4, 1064, &W::m_fTopWidth, "1.5m", 1.5f},
        {4, 1065, &W::m_fCfSpacing, "abc", 0},
        {3, 1069, &W::m_fBackSlope, " 0.1", 0.1f},
        {1, 1075, &W::m_fHeelHeight, "1e-1", 0.1f},
        {2, 1076, &W::m_fHeelWidth, "-", 0},
    };
    auto d = MakeDialog();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.id);
        d->TypeList()->setCurrentIndex(r.type);
        TypeInto(Field(*d, r.id), r.text);
        EXPECT_FLOAT_EQ(d->Case().wall.*r.member, r.expected);
    }
    // Each keystroke is a rebuild: after "1" of "12" the height already reads 1.
    d->TypeList()->setCurrentIndex(4);
    QLineEdit* height = Field(*d, 1062);
    height->selectAll();
    QTest::keyClick(height, Qt::Key_1);
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 1);
    QTest::keyClick(height, Qt::Key_2);
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 12);
}

// "取消", Escape and the close box end with 2; Enter in a field does not end the dialog.
TEST_F(DialogFlow, CancelEndsWithTwo) {
    {
        auto d = MakeDialog();
        d->show();
        QTest::mouseClick(d->findChild<QPushButton*>("button2"), Qt::LeftButton);
        EXPECT_EQ(d->result(), 2);
        EXPECT_FALSE(d->isVisible());
    }
    {
        auto d = MakeDialog();
        d->show();
        QTest::keyClick(d.get(), Qt::Key_Escape);
        EXPECT_EQ(d->result(), 2);
    }
    {
        auto d = MakeDialog();
        d->show();
        d->close();
        EXPECT_EQ(d->result(), 2);
    }
    {
        auto d = MakeDialog();
        d->show();
        QTest::keyClick(Field(*d, 1062), Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->result(), 0);
    }
    EXPECT_TRUE(host.drawings.empty());
}

}  // namespace
}  // namespace uitest
