// Keyboard and wheel behaviour of the main dialog: Tab through the grids, the wheel over unfocused
// lists, the question before unsaved edits are dropped, Qt's own texts in Chinese, the first focus.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>
#include <functional>
#include <utility>
#include <vector>

#include "UiTestSupport.h"
#include "case/CaseDefaults.h"
#include "case/CaseFile.h"
#include "case/FieldTable.h"
#include "ui/CaseGrid.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgRebarParam.h"
#include "ui/DlgWallCalc.h"
#include "ui/QtTranslations.h"
#include "ui/WallTypePage.h"

namespace uitest {
namespace {

using S = wall::CSoil;
using DialogKeys = DialogTest;

QWidget* SoilField(wallui::CDlgWallCalc& d, const wall::CaseField& f) {
    return d.SoilPage()->findChild<QWidget*>(QString("edit%1").arg(f.control));
}

QLineEdit* FirstWallField(wallui::CDlgWallCalc& d) {
    wallui::WallTypePage* page = d.CurrentPage();
    return page->FieldEdit(page->Fields().front().member);
}

void Wheel(QWidget* w, int delta) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

// Tab walks the slope grid's editable cells in reading order, never a header cell, and after the last
// one goes on to the surcharge offset; Shift+Tab from the first leaves for the segment count, also
// while the cell is being edited.
TEST_F(DialogKeys, TabLeavesTheSlopeGridAfterItsEditableCells) {
    auto d = MakeDialog();
    d->show();
    d->Pages()->setCurrentWidget(d->SoilPage());
    wallui::CaseGrid* grid = d->SoilPage()->SlopeGrid();
    int editable = 0;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (grid->item(r, c)->flags() & Qt::ItemIsEditable) ++editable;
    ASSERT_GT(editable, 1);

    grid->setFocus();
    grid->setCurrentCell(1, 1);
    ASSERT_TRUE(grid->currentItem()->flags() & Qt::ItemIsEditable);
    for (int i = 1; i < editable; ++i) {
        QTest::keyClick(grid, Qt::Key_Tab);
        ASSERT_EQ(d->focusWidget(), grid) << i;
        EXPECT_TRUE(grid->currentItem()->flags() & Qt::ItemIsEditable) << i;
    }
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(d->focusWidget(), SoilField(*d, wall::FieldOf(&S::m_fLoadOffset)));

    grid->setFocus();
    grid->setCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(d->focusWidget(), SoilField(*d, wall::FieldOf(&S::m_nSlopeSegs)));

    // The same from the cell's editor.
    grid->setFocus();
    grid->setCurrentCell(1, 1);
    grid->editItem(grid->currentItem());
    QWidget* editor = d->focusWidget();
    ASSERT_NE(editor, grid);
    QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(d->focusWidget(), SoilField(*d, wall::FieldOf(&S::m_nSlopeSegs)));
}

// The wheel over an unfocused list changes nothing; once the list has the focus it does.
TEST_F(DialogKeys, WheelOverAnUnfocusedListChangesNothing) {
    auto d = MakeDialog();
    d->show();
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    const int type = d->Case().wallType;
    const int theory = d->Case().soil.m_nTheory;
    for (QComboBox* list : {d->TypeList(), d->SoilPage()->findChild<QComboBox*>()}) {
        ASSERT_NE(list, nullptr);
        ASSERT_FALSE(list->hasFocus());
        Wheel(list, -120);
        Wheel(list, 120);
        EXPECT_EQ(d->Case().wallType, type);
        EXPECT_EQ(d->Case().soil.m_nTheory, theory);
        EXPECT_FALSE(list->hasFocus());
    }
    d->TypeList()->setFocus();
    ASSERT_TRUE(d->TypeList()->hasFocus());
    Wheel(d->TypeList(), 120);
    EXPECT_NE(d->Case().wallType, type);

    // The grade lists of the reinforcement dialog alike.
    wallui::CDlgRebarParam rebar(wallui::RebarParams{}, [](QWidget*, const QString&) {});
    rebar.show();
    for (QComboBox* list : rebar.findChildren<QComboBox*>()) {
        const int index = list->currentIndex();
        Wheel(list, -120);
        EXPECT_EQ(list->currentIndex(), index);
    }
}

// Escape, "取消" and the close box ask before edits are dropped: 否 keeps the dialog and the edit,
// 是 ends it with 2. Without edits, or after "保存", Escape closes at once.
TEST_F(DialogKeys, CloseAsksBeforeDroppingEdits) {
    std::vector<QString> questions;
    QMessageBox::StandardButton answer = QMessageBox::No;
    modal = [&](QDialog& box) {
        auto* m = qobject_cast<QMessageBox*>(&box);
        EXPECT_NE(m, nullptr);
        if (!m) return box.result();
        questions.push_back(m->text());
        EXPECT_EQ(m->button(QMessageBox::Yes)->text().toStdString(), "是");
        EXPECT_EQ(m->button(QMessageBox::No)->text().toStdString(), "否");
        m->button(answer)->click();
        return m->result();
    };
    {
        auto d = MakeDialog();
        d->show();
        QTest::keyClick(d.get(), Qt::Key_Escape);
        EXPECT_EQ(d->result(), 2);
        EXPECT_TRUE(questions.empty());
    }
    auto d = MakeDialog();
    d->show();
    QLineEdit* field = FirstWallField(*d);
    TypeInto(field, "7.5");
    QTest::keyClick(d.get(), Qt::Key_Escape);
    d->close();
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[0].toStdString(), "放弃对本工况的修改？");
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->result(), 0);
    EXPECT_EQ(field->text().toStdString(), "7.5");

    answer = QMessageBox::Yes;
    QTest::mouseClick(d->findChild<QPushButton*>("button2"), Qt::LeftButton);
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), 2);

    auto saved = MakeDialog();
    saved->show();
    TypeInto(FirstWallField(*saved), "7.5");
    fileAnswers.push_back(QString::fromStdString((dir / "a.wall.json").string()));
    saved->OnSave();
    QTest::keyClick(saved.get(), Qt::Key_Escape);
    EXPECT_EQ(questions.size(), 3u);
    EXPECT_EQ(saved->result(), 2);
}

// With Qt's translation installed its standard buttons read 确定 and 取消.
TEST_F(DialogKeys, QtStandardButtonsReadChinese) {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFile::exists(dir + "/qtbase_zh_CN.qm"))
        GTEST_SKIP() << "qtbase_zh_CN.qm is not installed (qt6-translations-l10n)";
    QCoreApplication& app = *QCoreApplication::instance();
    ASSERT_TRUE(wallui::InstallQtTranslations(app));
    ASSERT_TRUE(wallui::InstallQtTranslations(app));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK").toStdString(), "确定");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "取消");
    // The other tests keep Qt's own texts.
    qDeleteAll(app.findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "OK").toStdString(), "OK");
}

// The dialog opens in the first field of the wall page, however it was prepared before it is
// shown: as it comes, on another wall type, or with a case file of another type opened.
TEST_F(DialogKeys, OpensInTheFirstWallField) {
    const std::string gravityCase = (dir / "gravity.wall.json").string();
    {
        const wall::WallCase c = wall::DefaultCase(wall::kGravity);
        ASSERT_EQ(wall::WriteCaseFile(gravityCase, c).status, wall::CaseIoStatus::kOk);
    }
    const std::vector<std::pair<const char*, std::function<void(wallui::CDlgWallCalc&)>>> preparations = {
        {"as it comes", [](wallui::CDlgWallCalc&) {}},
        {"wall type chosen", [](wallui::CDlgWallCalc& d) { d.ChooseWallType(wall::kShelf); }},
        {"case opened",
         [&](wallui::CDlgWallCalc& d) { d.OpenCaseFile(QString::fromStdString(gravityCase)); }},
    };
    for (const auto& [name, prepare] : preparations) {
        auto d = MakeDialog();
        prepare(*d);
        d->show();
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d.get())) << name;
        EXPECT_EQ(QApplication::focusWidget(), FirstWallField(*d)) << name;
    }
}

}  // namespace
}  // namespace uitest
