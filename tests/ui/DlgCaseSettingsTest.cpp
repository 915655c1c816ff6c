// "地基与验算参数": a refused value names its field, keeps the dialog open and changes nothing; an
// empty fa is taken as not given.
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
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

}  // namespace
}  // namespace uitest
