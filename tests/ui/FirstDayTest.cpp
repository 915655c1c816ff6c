// What a new user meets on the first day: the case file filters, cases out of range, relations
// between fields, a small screen and the keyboard.
#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "UiTestSupport.h"
#include "case/CaseDefaults.h"
#include "case/CaseJson.h"
#include "ui/CaseFileDialog.h"
#include "ui/DlgWallCalc.h"
#include "ui/FieldCheck.h"
#include "ui/SketchArea.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;
using FirstDay = DialogTest;

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

QLineEdit* Field(wallui::CDlgWallCalc& d, int id) {
    return d.Pages()->widget(0)->findChild<QLineEdit*>(QString("edit%1").arg(id));
}

bool Red(QLineEdit* edit) {
    return !wallui::FieldCheck::Of(edit)->Fault().isEmpty();
}

// The names Qt's own file dialog lists in `dir` under each filter, read from its file model.
TEST_F(FirstDay, FileDialogsListTheCaseFilesUnderTheirFilters) {
    for (const char* name : {"a.挡土墙计算", "b.wall.json", "c.txt"}) std::ofstream(dir / name) << "x";
    const QString filters[] = {wallui::BinaryCaseFilter(), wallui::TextCaseFilter(),
                               QString::fromUtf8("所有文件 (*.*)")};
    const std::vector<QStringList> expected = {
        {"a.挡土墙计算"}, {"b.wall.json"}, {"a.挡土墙计算", "b.wall.json", "c.txt"}};
    for (wallui::FileDialogMode mode : {wallui::FileDialogMode::kOpen, wallui::FileDialogMode::kSave}) {
        wallui::FileDialogRequest r;
        r.mode = mode;
        r.filter = filters[0] + ";;" + filters[1] + ";;" + filters[2];
        r.selectedFilter = filters[0];
        r.initialName = Q(dir);
        auto dialog = wallui::MakeCaseFileDialog(nullptr, r);
        auto* model = dialog->findChild<QFileSystemModel*>("qt_filesystem_model");
        auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(model, nullptr);
        ASSERT_NE(combo, nullptr);
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(filters[i].toStdString());
            // As the user picks the entry from the list.
            combo->setCurrentIndex(i);
            emit combo->activated(i);
            emit combo->textActivated(filters[i]);
            const QModelIndex root = model->index(Q(dir));
            QStringList shown;
            ASSERT_TRUE(QTest::qWaitFor([&] {
                shown.clear();
                for (int row = 0; row < model->rowCount(root); ++row)
                    if (!model->isDir(model->index(row, 0, root)))
                        shown << model->index(row, 0, root).data().toString();
                shown.sort();
                return shown == expected[static_cast<std::size_t>(i)];
            })) << shown.join(",").toStdString();
        }
    }
}

// A case saved with a red field opens again, the field red; 保存 asks first and confirms.
TEST_F(FirstDay, OutOfRangeCaseIsSavedOnlyWhenMeantAndOpensRed) {
    std::vector<QString> questions;
    modal = Answer(QMessageBox::No, questions);
    auto d = MakeDialog();
    TypeInto(Field(*d, 1062), "-5");
    ASSERT_TRUE(Red(Field(*d, 1062)));
    fileAnswers.push_back(Q(dir / "bad.wall.json"));
    d->OnSave();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].endsWith(QString::fromUtf8("超出范围，仍要保存？")))
        << questions[0].toStdString();
    EXPECT_FALSE(fs::exists(dir / "bad.wall.json"));

    modal = Answer(QMessageBox::Yes, questions);
    fileAnswers.push_back(Q(dir / "bad.wall.json"));
    d->OnSave();
    ASSERT_TRUE(fs::exists(dir / "bad.wall.json"));
    EXPECT_TRUE(d->StatusLine()->text().startsWith(QString::fromUtf8("已保存")));

    auto e = MakeDialog();
    e->OpenCaseFile(Q(dir / "bad.wall.json"));
    EXPECT_TRUE(messages.empty()) << messages[0].toStdString();
    EXPECT_FLOAT_EQ(e->Case().wall.m_fHeight, -5);
    EXPECT_TRUE(Red(Field(*e, 1062)));
}

// H1 < H joins two fields: the one changed last turns red with the reason, the sketch keeps the last
// wall that could stand, and mending either field clears both.
TEST_F(FirstDay, RelationMarksTheFieldChangedLast) {
    auto d = MakeDialog();
    d->show();
    QLineEdit* H = Field(*d, 1062);
    QLineEdit* H1 = Field(*d, 1067);
    H1->setFocus();
    TypeInto(H1, "20");
    EXPECT_TRUE(Red(H1));
    EXPECT_FALSE(Red(H));
    EXPECT_FALSE(d->StatusLine()->text().isEmpty());
    H->setFocus();
    TypeInto(H, "30");
    EXPECT_FALSE(Red(H1) || Red(H));
    EXPECT_FLOAT_EQ(d->SketchCase().wall.m_fHeight, 30);
    TypeInto(H, "10");
    EXPECT_TRUE(Red(H));
    EXPECT_FALSE(Red(H1));
    EXPECT_FLOAT_EQ(d->SketchCase().wall.m_fHeight, 30);
    TypeInto(H, "21");
    EXPECT_FALSE(Red(H1) || Red(H));
    EXPECT_TRUE(d->StatusLine()->text().isEmpty());
}

// 1366×768 at 125 % leaves about 1093×560 for the window: it may be that small, the status line stays
// inside, and the left column scrolls to every control.
TEST_F(FirstDay, WindowFitsASmallScreen) {
    auto d = MakeDialog();
    EXPECT_LE(d->minimumSize().width(), 1093);
    EXPECT_LE(d->minimumSize().height(), 560);
    d->resize(1093, 560);
    d->show();
    QApplication::processEvents();
    const QRect status = d->StatusLine()->geometry();
    EXPECT_LE(status.bottom(), d->height());
    auto* column = d->findChild<QScrollArea*>("leftColumn");
    ASSERT_NE(column, nullptr);
    EXPECT_LE(column->geometry().bottom(), status.top());
    EXPECT_TRUE(column->verticalScrollBar()->isVisible());
    auto* calculate = d->findChild<QPushButton*>("button1000");
    EXPECT_FALSE(calculate->visibleRegion().isEmpty());
    EXPECT_GT(d->Sketch()->width(), 300);
}

// The keys of the actions, and the buttons' Alt letters.
TEST_F(FirstDay, KeysReachTheActions) {
    int calculated = 0;
    hooks.calculate = [&](const wallui::CalculationRequest&) {
        ++calculated;
        return false;
    };
    std::vector<QUrl> opened;
    hooks.openUrl = [&](const QUrl& u) {
        opened.push_back(u);
        return true;
    };
    auto d = MakeDialog();
    d->show();
    d->activateWindow();
    QApplication::processEvents();
    QWidget* focus = Field(*d, 1062);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(fileRequests.size(), 2u);
    EXPECT_EQ(fileRequests[0].mode, wallui::FileDialogMode::kSave);
    EXPECT_EQ(fileRequests[1].mode, wallui::FileDialogMode::kOpen);
    QTest::keyClick(focus, Qt::Key_F9);
    QTest::keyClick(focus, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(calculated, 2);
    EXPECT_EQ(d->findChild<QPushButton*>("button1000")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_C));
    QTest::keyClick(focus, Qt::Key_F1);
    EXPECT_EQ(opened.size() + messages.size(), 1u);
}

}  // namespace
}  // namespace uitest
