// "优化尺寸": the sizes found go into the page only when the question is answered 是; a case that
// cannot be calculated or sized changes nothing.
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <cstring>

#include "UiTestSupport.h"
#include "calc/CalculateCase.h"
#include "calc/Verdict.h"
#include "case/FieldTable.h"
#include "sizing/SizeWall.h"
#include "ui/DlgWallCalc.h"
#include "ui/WallTypePage.h"

namespace uitest {
namespace {

using SizeFlow = DialogTest;

std::vector<QString> FieldTexts(const wallui::WallTypePage& page) {
    std::vector<QString> texts;
    for (std::size_t i = 0; i < page.Fields().size(); ++i) texts.push_back(page.FieldText(i));
    return texts;
}

QLineEdit* Field(wallui::CDlgWallCalc& d, int id) {
    return d.Pages()->widget(0)->findChild<QLineEdit*>(QString("edit%1").arg(id));
}

// 是 on every wall type's page: each varied width shows the value the question proposed, the other
// fields keep their text, and the case rebuilt from the page passes every check of "计算".
TEST_F(SizeFlow, YesPutsTheSizesIntoThePage) {
    auto d = MakeDialog();
    std::vector<QString> questions;
    modal = Answer(QMessageBox::Yes, questions);
    for (int type = 0; type < wall::kWallTypeCount; ++type) {
        SCOPED_TRACE(type);
        d->ChooseWallType(type);
        wallui::WallTypePage& page = *d->CurrentPage();
        ASSERT_NE(page.SizeButton(), nullptr);
        const std::vector<QString> before = FieldTexts(page);
        questions.clear();
        page.SizeButton()->click();
        ASSERT_TRUE(messages.empty()) << messages[0].toStdString();
        ASSERT_EQ(questions.size(), 1u);
        const QString& q = questions[0];
        EXPECT_TRUE(q.contains(QString::fromUtf8("截面面积："))) << q.toStdString();
        EXPECT_TRUE(q.contains(QString::fromUtf8("控制验算："))) << q.toStdString();
        EXPECT_TRUE(q.endsWith(QString::fromUtf8("是否采用这些尺寸？")));

        const std::vector<std::string_view> varied = wall::DefaultVariedFieldNames(type);
        const std::vector<QString> after = FieldTexts(page);
        for (std::size_t i = 0; i < after.size(); ++i) {
            const wall::CaseField& f = *page.Fields()[i].field;
            if (std::find(varied.begin(), varied.end(), f.name) == varied.end()) {
                EXPECT_EQ(after[i], before[i]) << f.name;
                continue;
            }
            // "墙趾宽度B1(m)：1.50 → 1.20"
            const QString line = QString::fromStdString(wall::FieldTitle(f, type)) + QString::fromUtf8("：") +
                                 QString::fromStdString(wall::FieldValueText(f, before[i].toDouble())) +
                                 QString::fromUtf8(" → ") + after[i];
            EXPECT_TRUE(q.contains(line)) << line.toStdString() << "\n" << q.toStdString();
            // A field with a constructive minimum: named with it, and never proposed below it.
            if (const wall::ConstructiveMinimum* m = wall::FindConstructiveMinimum(type, f.name)) {
                const QString least =
                    QString::fromStdString(wall::FieldTitle(f, type)) + QString::fromUtf8(" ≥ ") +
                    QString::fromStdString(wall::FieldValueText(f, m->value)) + QString::fromUtf8("（") +
                    QString::fromUtf8(m->basis.data(), m->basis.size());
                EXPECT_TRUE(q.contains(least)) << least.toStdString() << "\n" << q.toStdString();
                EXPECT_GE(after[i].toDouble(), m->value - 1e-9) << f.name;
            }
        }
        const wall::CaseResult r = wall::CalculateCase(d->Case());
        ASSERT_TRUE(r.Accepted()) << wall::RefusalText(r);
        for (const wall::CheckVerdict& v : wall::CaseChecks(r)) EXPECT_TRUE(v.pass) << v.title;
    }
}

// 否, a refused case and a case no width can make pass all leave the page and the case as they were;
// only 否 is asked at all.
TEST_F(SizeFlow, NothingChangesUnlessAnsweredYes) {
    struct Typed {
        int id;
        const char* text;
    };
    struct Row {
        int type;
        std::vector<Typed> typed;  // typed before sizing
        const char* message;       // how the message starts; none: the question is asked
    };
    const Row rows[] = {
        {4, {}, nullptr},
        {3, {{1062, "0"}}, "无法计算："},
        {3, {{1062, "abc"}}, "墙体高度H(m)：请键入一个数。"},
        // A level base with friction 0.05: no top width lets the wall stand against sliding.
        {0, {{1068, "0.05"}, {1070, "0"}}, "在默认范围内没有满足全部验算的尺寸。"},
    };
    auto d = MakeDialog();
    std::vector<QString> questions;
    modal = Answer(QMessageBox::No, questions);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.type);
        d->ChooseWallType(r.type);
        for (const Typed& t : r.typed) TypeInto(Field(*d, t.id), QString::fromUtf8(t.text));
        const std::vector<QString> before = FieldTexts(*d->CurrentPage());
        const wall::WallCase caseBefore = d->Case();
        messages.clear();
        questions.clear();
        d->CurrentPage()->SizeButton()->click();
        EXPECT_EQ(FieldTexts(*d->CurrentPage()), before);
        EXPECT_EQ(std::memcmp(&d->Case(), &caseBefore, sizeof caseBefore), 0);
        if (!r.message) {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(questions.size(), 1u);
            continue;
        }
        EXPECT_TRUE(questions.empty());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(r.message))) << messages[0].toStdString();
    }
    // The failing check is named.
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8("抗滑移稳定（Kh="))) << messages[0].toStdString();
}

}  // namespace
}  // namespace uitest
