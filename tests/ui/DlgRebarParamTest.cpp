// The reinforcement parameter dialog: initial values, the two lists, the number and crack-limit
// checks, and what the page keeps.
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/DlgRebarParam.h"
#include "ui/DlgWallCalc.h"
#include "ui/WallTypePage.h"

namespace uitest {
namespace {

using RebarDialog = DialogTest;

QComboBox* List(QDialog& d, int id) {
    return d.findChild<QComboBox*>(QString("list%1").arg(id));
}
QLineEdit* Edit(QDialog& d, int id) {
    return d.findChild<QLineEdit*>(QString("edit%1").arg(id));
}
void Ok(QDialog& d) {
    QTest::mouseClick(d.findChild<QPushButton*>("button1"), Qt::LeftButton);
}

// "Opened from a new cantilever page the dialog shows C25, HRB335, 10, 20, 0.2; from a new counterfort
// page C20, HRB335, 10, 20, 0.2."
TEST_F(RebarDialog, ShowsThePageDefaults) {
    struct Row {
        int type;
        const char* concrete;
    };
    for (const Row& r : {Row{3, "C25"}, Row{4, "C20"}}) {
        SCOPED_TRACE(r.type);
        std::vector<std::string> seen;
        modal = [&](QDialog& d) {
            EXPECT_EQ(d.windowTitle().toStdString(), "配筋计算参数");
            seen = {List(d, 10019)->currentText().toStdString(), List(d, 10024)->currentText().toStdString(),
                    Edit(d, 10025)->text().toStdString(), Edit(d, 10026)->text().toStdString(),
                    Edit(d, 10027)->text().toStdString()};
            EXPECT_EQ(List(d, 10019)->count(), 14);
            EXPECT_EQ(List(d, 10024)->count(), 4);
            d.reject();
            return d.result();
        };
        auto dlg = MakeDialog();
        dlg->TypeList()->setCurrentIndex(r.type);
        dlg->CurrentPage()->RebarButton()->click();
        EXPECT_EQ(seen, (std::vector<std::string>{r.concrete, "HRB335", "10", "20", "0.2"}));
    }
}

// What "确定" and "取消" leave on the page and, after the repaint, in the case.
TEST_F(RebarDialog, ConfirmStoresTheChoiceCancelKeepsThePage) {
    struct Row {
        const char* name;
        int rebar, concrete;
        const char* diameter;
        const char* cover;
        const char* crack;
        bool confirm;
        int expectedRebar, expectedConcrete;
        float expectedCover, expectedCrack;
    };
    const Row rows[] = {
        // "Choosing HRB500 and C80 and confirming stores indices 3 and 13 on the page."
        {"HRB500 C80", 3, 13, "10", "20", "0.2", true, 3, 13, 20, 0.2f},
        // "followed by 确定 after choosing HRB400 stores reinforcement index 2"
        {"HRB400", 2, 2, "10", "20", "0.2", true, 2, 2, 20, 0.2f},
        {"cancel", 3, 13, "12", "30", "0.3", false, 1, 2, 20, 0.2f},
        {"numbers", 1, 2, " 16 ", "25", "0.15", true, 1, 2, 25, 0.15f},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        int result = -1;
        modal = [&](QDialog& d) {
            List(d, 10024)->setCurrentIndex(r.rebar);
            List(d, 10019)->setCurrentIndex(r.concrete);
            TypeInto(Edit(d, 10025), r.diameter);
            TypeInto(Edit(d, 10026), r.cover);
            TypeInto(Edit(d, 10027), r.crack);
            if (r.confirm)
                Ok(d);
            else
                QTest::mouseClick(d.findChild<QPushButton*>("button2"), Qt::LeftButton);
            result = d.result();
            return result;
        };
        auto dlg = MakeDialog();
        dlg->TypeList()->setCurrentIndex(3);
        dlg->CurrentPage()->RebarButton()->click();
        EXPECT_EQ(result, r.confirm ? 1 : 2);
        EXPECT_EQ(dlg->CurrentPage()->Rebar().rebarGrade, r.expectedRebar);
        EXPECT_EQ(dlg->CurrentPage()->Rebar().concreteGrade, r.expectedConcrete);
        EXPECT_EQ(dlg->Case().wall.m_nRebarGrade, r.expectedRebar);
        EXPECT_EQ(dlg->Case().wall.m_nConcreteGrade, r.expectedConcrete);
        EXPECT_FLOAT_EQ(dlg->Case().wall.m_fCover, r.expectedCover);
        EXPECT_FLOAT_EQ(dlg->Case().wall.m_fCrackLimit, r.expectedCrack);
        EXPECT_TRUE(messages.empty());
    }
}

// Refusals keep the dialog open with the focus on the field: a field that is not a number ("Clearing
// the cover field and pressing 确定 shows 请键入一个数。"), and a crack limit of zero or below.
TEST_F(RebarDialog, RefusalsKeepTheDialogOpen) {
    struct Row {
        int field;
        const char* text;
        const char* message;  // its beginning
        const char* repaired;
    };
    const Row rows[] = {
        {10026, "", "请键入一个数。", "25"},
        {10025, "abc", "请键入一个数。", "12"},
        {10027, ".0", "请键入一个数。", "0.2"},
        {10026, "20mm", "请键入一个数。", "25"},
        {10027, "0", "裂缝控制宽度必须大于零。", "0.2"},
        {10027, "-0.1", "裂缝控制宽度必须大于零。", "0.2"},
        // The ranges of the main pages' fields, marked red as there.
        {10025, "0", "裂缝计算钢筋等效直径(mm)", "12"},
        {10026, "-5", "混凝土保护层厚度(mm)", "25"},
        {10026, "1e30", "混凝土保护层厚度(mm)", "25"},
        {10027, "2", "裂缝控制宽度(mm)", "0.2"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        messages.clear();
        wallui::CDlgRebarParam d({1, 2, 10, 20, 0.2f}, hooks.showMessage);
        d.show();
        d.activateWindow();
        TypeInto(Edit(d, r.field), r.text);
        Ok(d);
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.result(), 0);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(r.message))) << messages[0].toStdString();
        EXPECT_EQ(d.focusWidget(), Edit(d, r.field));
        // Repaired, the same dialog is accepted.
        TypeInto(Edit(d, r.field), r.repaired);
        Ok(d);
        EXPECT_EQ(d.result(), 1);
    }
}

// Escape ends with 2 and leaves the caller's values.
TEST_F(RebarDialog, EscapeEndsWithTwo) {
    wallui::CDlgRebarParam d({1, 2, 10, 20, 0.2f}, hooks.showMessage);
    d.show();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_EQ(d.result(), 2);
}

}  // namespace
}  // namespace uitest
