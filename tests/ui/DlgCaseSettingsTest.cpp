// "地基与验算参数": a refused value names its field, keeps the dialog open and changes nothing; an
// empty fa is taken as not given, an empty water level as no water there.
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "drawing/ColorTable.h"
#include "ui/DlgCaseSettings.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgWallCalc.h"

namespace uitest {
namespace {

using SettingsDialog = DialogTest;

QLineEdit* Edit(QDialog& d, const char* name) {
    return d.findChild<QLineEdit*>(name);
}
void Press(QDialog& d, const char* name) {
    QTest::mouseClick(d.findChild<QPushButton*>(name), Qt::LeftButton);
}

TEST_F(SettingsDialog, RefusedValueKeepsTheSettings) {
    struct Row {
        const char* field;
        const char* text;
        const char* message;
    };
    const Row rows[] = {
        {"editKq", "0.5", "抗倾覆稳定安全系数要求值 Kq 应不小于 1 且不大于 10，当前为 0.5"},
        {"editKh", "abc", "抗滑移稳定安全系数要求值 Kh：请键入一个数。"},
        {"editFa", "-10", "修正后的地基承载力特征值 fa(kPa) 应不小于 0 且不大于 100000，当前为 -10"},
        {"editE0", "0.6", "偏心距限值 e0/B 应大于 0 且不大于 0.5，当前为 0.6"},
        {"editWaterBehind", "-1", "墙后水位距墙顶深度(m) 应不小于 0 且不大于 1000，当前为 -1"},
        {"editWaterFront", "x", "墙前水位距墙底高度(m)：请键入一个数。"},
        {"editWaterWeight", "0", "水的重度 γw(kN/m3) 应大于 0 且不大于 100，当前为 0"},
        {"editWaterWeight", "", "水的重度 γw(kN/m3)：请键入一个数。"},
        {"editSeismicA", "0.5", "设计基本地震加速度 A/g 应不小于 0 且不大于 0.4，当前为 0.5"},
        {"editSeismicCz", "", "综合影响系数 Cz：请键入一个数。"},
    };
    auto d = MakeDialog();
    d->show();
    const wall::CaseSettings before = d->Case().settings;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.field);
        messages.clear();
        modal = [&](QDialog& s) {
            s.show();
            s.activateWindow();
            // A valid change in another field does not get through either.
            TypeInto(Edit(s, r.field == std::string("editKh") ? "editKq" : "editKh"), "1.5");
            TypeInto(Edit(s, r.field), r.text);
            Press(s, "button1");
            EXPECT_TRUE(s.isVisible());
            EXPECT_EQ(s.result(), 0);
            EXPECT_EQ(s.focusWidget(), Edit(s, r.field));
            Press(s, "button2");
            return s.result();
        };
        d->SoilPage()->SettingsButton()->click();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].toStdString(), r.message);
        EXPECT_EQ(d->Case().settings, before);
    }

    modal = [](QDialog& s) {
        EXPECT_EQ(Edit(s, "editFa")->text(), "");
        EXPECT_EQ(Edit(s, "editKq")->text(), "1.6");
        TypeInto(Edit(s, "editFa"), "250");
        Press(s, "button1");
        return s.result();
    };
    d->SoilPage()->SettingsButton()->click();
    EXPECT_FLOAT_EQ(d->Case().settings.fa, 250);
    modal = [](QDialog& s) {
        TypeInto(Edit(s, "editFa"), "");
        Press(s, "button1");
        return s.result();
    };
    d->SoilPage()->SettingsButton()->click();
    EXPECT_EQ(d->Case().settings, before);
}

// The water group: a level typed is set, an empty one clears it (0 is a level: the water at the top, or
// at the base in front), γw and the mode are taken as chosen.
TEST(SettingsDialogWater, FieldsSetAndClearTheWater) {
    struct Row {
        const char *behind, *front, *unitWeight;
        int mode;
        float waterBehind, waterFront, waterUnitWeight, waterCombined;
    };
    const Row rows[] = {
        {"3", "", "10", 0, 3, -1, 10, 0},
        {"", "0.5", "9.81", 1, -1, 0.5f, 9.81f, 1},
        {"0", "0", "10", 0, 0, 0, 10, 0},
        {" ", "", "10", 1, -1, -1, 10, 1},
    };
    wall::CaseSettings initial;
    initial.waterBehind = 2;
    initial.waterFront = 1;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.behind + std::string("/") + r.front);
        std::vector<QString> shown;
        wallui::CDlgCaseSettings s(initial, [&](QWidget*, const QString& m) { shown.push_back(m); });
        EXPECT_EQ(Edit(s, "editWaterBehind")->text(), "2");
        EXPECT_EQ(Edit(s, "editWaterFront")->text(), "1");
        EXPECT_EQ(Edit(s, "editWaterWeight")->text(), "10");
        EXPECT_EQ(s.findChild<QComboBox*>("listWaterMode")->currentText().toStdString(), "水土分算");
        TypeInto(Edit(s, "editWaterBehind"), r.behind);
        TypeInto(Edit(s, "editWaterFront"), r.front);
        TypeInto(Edit(s, "editWaterWeight"), r.unitWeight);
        s.findChild<QComboBox*>("listWaterMode")->setCurrentIndex(r.mode);
        s.accept();
        EXPECT_TRUE(shown.empty());
        EXPECT_EQ(s.result(), 1);
        wall::CaseSettings expected = initial;
        expected.waterBehind = r.waterBehind;
        expected.waterFront = r.waterFront;
        expected.waterUnitWeight = r.waterUnitWeight;
        expected.waterCombined = r.waterCombined;
        EXPECT_EQ(s.Values(), expected);
    }
    // Without water the levels open empty.
    wallui::CDlgCaseSettings dry(wall::CaseSettings{}, [](QWidget*, const QString&) {});
    EXPECT_EQ(Edit(dry, "editWaterBehind")->text(), "");
    EXPECT_EQ(Edit(dry, "editWaterFront")->text(), "");
}

// Water set in the dialog is drawn at once in the sketch.
TEST_F(SettingsDialog, SketchShowsTheWaterSet) {
    auto d = MakeDialog();
    const auto waterLines = [&] {
        int n = 0;
        for (const auto& line : d->Preview().Lines()) n += line->m_nColour == wall::kWaterColour;
        return n;
    };
    ASSERT_EQ(waterLines(), 0);
    modal = [](QDialog& s) {
        TypeInto(Edit(s, "editWaterBehind"), "3");
        Press(s, "button1");
        return s.result();
    };
    d->SoilPage()->SettingsButton()->click();
    ASSERT_FLOAT_EQ(d->Case().settings.waterBehind, 3);
    EXPECT_GT(waterLines(), 0);
}

}  // namespace
}  // namespace uitest
