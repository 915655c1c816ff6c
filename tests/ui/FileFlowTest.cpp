// "打开", "保存" and "计算": the file dialog request, the extension rule, the fixed copies, file
// errors, and how "计算" ends.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "UiTestSupport.h"
#include "case/CaseFile.h"
#include "ui/CaseGrid.h"
#include "ui/DlgCaseSettings.h"
#include "ui/DlgInfoSoil.h"
#include "ui/DlgWallCalc.h"
#include "ui/UpDownControl.h"
#include "ui/WallTypePage.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;
using FileFlow = DialogTest;

const char kExt[] = ".挡土墙计算";

QLineEdit* Field(wallui::CDlgWallCalc& d, int id) {
    return d.Pages()->widget(0)->findChild<QLineEdit*>(QString("edit%1").arg(id));
}

void Press(wallui::CDlgWallCalc& d, int id) {
    QTest::mouseClick(d.findChild<QAbstractButton*>(QString("button%1").arg(id)), Qt::LeftButton);
}

std::vector<uint8_t> Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

// "A saved default case (counterfort) is exactly 3336 bytes; bytes 0-3 are 0C DF 32 01, bytes 4-7 are
// 04 00 00 00"; a name without an extension gets "." and the dialog title; both fixed copies follow.
TEST_F(FileFlow, SaveWritesTheFileAndBothFixedCopies) {
    auto d = MakeDialog();
    fileAnswers.push_back(Q(dir / "case"));
    Press(*d, 1014);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].mode, wallui::FileDialogMode::kSave);
    EXPECT_EQ(fileRequests[0].title.toStdString(), "读取挡土墙计算数据");
    EXPECT_EQ(fileRequests[0].filter.toStdString(),
              "挡土墙计算数据文件 (*.挡土墙计算);;挡土墙工况文本 (*.wall.json);;所有文件 (*.*)");
    EXPECT_EQ(fileRequests[0].selectedFilter.toStdString(), "挡土墙计算数据文件 (*.挡土墙计算)");
    EXPECT_TRUE(fileRequests[0].initialName.isEmpty());
    EXPECT_TRUE(messages.empty());

    std::vector<uint8_t> bytes = Bytes(dir / (std::string("case") + kExt));
    ASSERT_EQ(bytes.size(), 3336u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<uint8_t>{0x0C, 0xDF, 0x32, 0x01, 0x04, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Bytes(dir / "work/MOVA/SYSTEM/MovaTool.挡土墙计算"), bytes);
    EXPECT_EQ(Bytes(dir / "MovaTool.挡土墙计算"), bytes);
    EXPECT_FALSE(fs::exists(dir / "case"));

    // The next file dialog offers the name chosen last; a name with an extension is used unchanged.
    fileAnswers.push_back(Q(dir / "other.dat"));
    Press(*d, 1014);
    EXPECT_EQ(fileRequests[1].initialName, Q(dir / "case"));
    EXPECT_EQ(Bytes(dir / "other.dat"), bytes);
    EXPECT_EQ(d->FileName(), Q(dir / "other.dat"));
}

// The inputs of "地基与验算参数…" travel with the case: a text file keeps them and opens with them, a
// binary file is written without them and says so, and "计算" sees them.
TEST_F(FileFlow, SettingsKeptByTheTextFile) {
    const wall::CaseSettings chosen{2.0f, 1.3f, 180.0f, 0.2f};
    modal = [](QDialog& s) {
        TypeInto(s.findChild<QLineEdit*>("editKq"), "2");
        TypeInto(s.findChild<QLineEdit*>("editFa"), "180");
        TypeInto(s.findChild<QLineEdit*>("editE0"), "0.2");
        QTest::mouseClick(s.findChild<QPushButton*>("button1"), Qt::LeftButton);
        return s.result();
    };
    auto d = MakeDialog();
    d->SoilPage()->SettingsButton()->click();
    ASSERT_EQ(d->Case().settings, chosen);

    // A name without an extension under the text filter.
    fileFilter = wallui::TextCaseFilter();
    fileAnswers.push_back(Q(dir / "case"));
    Press(*d, 1014);
    EXPECT_TRUE(messages.empty());
    wall::WallCase read;
    ASSERT_TRUE(wall::ReadCaseFile(dir / "case.wall.json", read).ok());
    EXPECT_EQ(read.settings, chosen);

    // The next save offers the text filter first; the binary one still saves, with the warning.
    fileFilter = wallui::BinaryCaseFilter();
    fileAnswers.push_back(Q(dir / "case"));
    Press(*d, 1014);
    EXPECT_EQ(fileRequests[1].selectedFilter, wallui::TextCaseFilter());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(
        messages[0].indexOf(QString::fromUtf8("二进制工况文件不能保存验算系数、地基参数、地下水和地震参数")),
        -1);
    EXPECT_EQ(fs::file_size(dir / (std::string("case") + kExt)), 3336u);
    EXPECT_EQ(d->Case().settings, chosen);

    wall::CaseSettings seen;
    hooks.calculate = [&](const wallui::CalculationRequest& r) {
        seen = r.wallCase.settings;
        return true;
    };
    auto e = MakeDialog();
    e->show();
    fileFilter = QString();
    fileAnswers.push_back(Q(dir / "case.wall.json"));
    Press(*e, 1006);
    EXPECT_EQ(fileRequests.back().filter.split(";;").mid(0, 2),
              (QStringList{wallui::BinaryCaseFilter(), wallui::TextCaseFilter()}));
    EXPECT_EQ(e->Case().settings, chosen);
    Press(*e, 1000);
    EXPECT_EQ(seen, chosen);
    EXPECT_EQ(messages.size(), 1u);
}

// "Cancelling the save dialog still rewrites both fixed copies."
TEST_F(FileFlow, CancelledSaveStillWritesTheFixedCopies) {
    auto d = MakeDialog();
    TypeInto(Field(*d, 1062), "6.5");
    Press(*d, 1014);
    wall::WallCase work, current;
    ASSERT_TRUE(wall::ReadCaseFile(dir / "work/MOVA/SYSTEM/MovaTool.挡土墙计算", work).ok());
    ASSERT_TRUE(wall::ReadCaseFile(dir / "MovaTool.挡土墙计算", current).ok());
    EXPECT_FLOAT_EQ(work.wall.m_fHeight, 6.5f);
    EXPECT_FLOAT_EQ(current.wall.m_fHeight, 6.5f);
    EXPECT_TRUE(d->FileName().isEmpty());
}

// "Saving a gravity case and opening it again gives the gravity page with every value as saved,
// rounded to two decimals in the display, and the slope page with the saved surcharge, segments,
// theory and tables"; a top width of 1.236 shows 1.24 and the rebuilt record holds 1.24.
TEST_F(FileFlow, GravityCaseRoundTrip) {
    auto d = MakeDialog();
    d->TypeList()->setCurrentIndex(0);
    TypeInto(Field(*d, 1064), "1.236");
    TypeInto(Field(*d, 1062), "7");
    wallui::CDlgInfoSoil* soil = d->SoilPage();
    TypeInto(soil->findChild<QLineEdit*>("edit1172"), "12.5");
    soil->findChild<QComboBox*>("list10012")->setCurrentIndex(0);
    QTest::mouseClick(soil->SegmentArrows()->findChild<QWidget*>("up"), Qt::LeftButton);
    EditCell(soil->SlopeGrid(), 2, 2, "-0.5");
    EditCell(soil->SlopeGrid(), 1, 1, "1.234");
    fileAnswers.push_back(Q(dir / "gravity"));
    Press(*d, 1014);

    auto e = MakeDialog();
    fileAnswers.push_back(Q(dir / "gravity"));
    Press(*e, 1006);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(e->TypeList()->currentIndex(), 0);
    EXPECT_EQ(e->Pages()->tabText(0).toStdString(), "重力式挡土墙");
    EXPECT_EQ(Field(*e, 1064)->text(), "1.24");
    EXPECT_EQ(Field(*e, 1062)->text(), "7.00");
    EXPECT_EQ(Field(*e, 1066)->text(), "24.00");
    EXPECT_FLOAT_EQ(e->Case().wall.m_fTopWidth, 1.24f);
    EXPECT_FLOAT_EQ(e->Case().wall.m_fHeight, 7);
    wallui::CDlgInfoSoil* soil2 = e->SoilPage();
    EXPECT_EQ(soil2->findChild<QLineEdit*>("edit1172")->text(), "12.5");
    EXPECT_EQ(soil2->findChild<QLineEdit*>("edit10008")->text(), "2");
    EXPECT_EQ(soil2->findChild<QComboBox*>("list10012")->currentIndex(), 0);
    EXPECT_EQ(e->Case().soil.m_nTheory, 0);
    EXPECT_EQ(e->Case().soil.m_nSlopeRows, 3);
    EXPECT_EQ(RowTexts(soil2->SlopeGrid(), 1),
              (std::vector<std::string>{"1", "1.23", "1.00", "1.59", "39.02"}));
    // 5 by -0.5: length sqrt(25.25) = 5.02, angle atan(-0.1) = -5.71 degrees.
    EXPECT_EQ(RowTexts(soil2->SlopeGrid(), 2),
              (std::vector<std::string>{"2", "5.00", "-0.50", "5.02", "-5.71"}));
    // The file kept the typed 1.234; the case reads it as shown.
    EXPECT_FLOAT_EQ(e->CaseForFile().soil.m_afSlope[0][0], 1.234f);
    EXPECT_FLOAT_EQ(e->Case().soil.m_afSlope[0][0], 1.23f);
}

// "Cancelling the open dialog keeps the case but shows every wall value with two decimals."
TEST_F(FileFlow, CancelledOpenShowsTheCaseWithTwoDecimals) {
    std::vector<QString> questions;
    modal = Answer(QMessageBox::Yes, questions);
    auto d = MakeDialog();
    TypeInto(Field(*d, 1062), "8.456");
    Press(*d, 1006);
    EXPECT_EQ(fileRequests.at(0).mode, wallui::FileDialogMode::kOpen);
    EXPECT_EQ(fileRequests.at(0).title.toStdString(), "读取挡土墙计算数据");
    EXPECT_EQ(d->TypeList()->currentIndex(), 4);
    EXPECT_EQ(Field(*d, 1062)->text(), "8.46");
    EXPECT_EQ(Field(*d, 1064)->text(), "0.30");
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 8.46f);
    EXPECT_TRUE(messages.empty());
}

// "A wall type of 2 in the file hides the theory controls after opening."
TEST_F(FileFlow, OpeningAShelfCaseHidesTheTheory) {
    auto d = MakeDialog();
    d->TypeList()->setCurrentIndex(2);
    fileAnswers.push_back(Q(dir / "shelf.挡土墙计算"));
    Press(*d, 1014);
    auto e = MakeDialog();
    e->show();
    fileAnswers.push_back(Q(dir / "shelf.挡土墙计算"));
    Press(*e, 1006);
    EXPECT_EQ(e->Case().wallType, 2);
    EXPECT_EQ(Field(*e, 1078)->text(), "-0.25");
    EXPECT_TRUE(e->SoilPage()->findChild<QLabel*>("label10020")->isHidden());
    EXPECT_TRUE(e->SoilPage()->findChild<QComboBox*>("list10012")->isHidden());
}

// Files that cannot be used: a short file names itself in the message and changes nothing, not even
// the display; a file with another marker is refused the same way; a missing file is reported and
// the pages are refreshed from the unchanged case.
TEST_F(FileFlow, UnusableFilesChangeNothing) {
    {
        std::ofstream(dir / "short.挡土墙计算", std::ios::binary) << std::string(100, '\0');
        std::vector<uint8_t> wrong = wall::EncodeCase(wall::WallCase{});
        wrong[0] = 0;
        std::ofstream(dir / "marker.挡土墙计算", std::ios::binary)
            .write(reinterpret_cast<const char*>(wrong.data()), static_cast<std::streamsize>(wrong.size()));
    }
    std::vector<QString> questions;
    modal = Answer(QMessageBox::Yes, questions);
    auto d = MakeDialog();
    TypeInto(Field(*d, 1062), "9");
    fileAnswers.push_back(Q(dir / "short"));
    Press(*d, 1006);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].toStdString(),
              "试图越过其尾端对 " + (dir / "short.挡土墙计算").string() + " 进行读写。");
    EXPECT_EQ(Field(*d, 1062)->text(), "9");
    EXPECT_FLOAT_EQ(d->Case().wall.m_fHeight, 9);

    fileAnswers.push_back(Q(dir / "marker"));
    Press(*d, 1006);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].indexOf("20111116"), -1);
    EXPECT_EQ(d->Case().wallType, 4);
    EXPECT_EQ(Field(*d, 1062)->text(), "9");

    fileAnswers.push_back(Q(dir / "missing"));
    Press(*d, 1006);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[2].indexOf("missing.挡土墙计算"), -1);
    EXPECT_EQ(Field(*d, 1062)->text(), "9.00");
}

// A save into a folder that does not exist is reported, not passed over in silence; the fixed
// copies are still written.
TEST_F(FileFlow, FailedSaveIsReported) {
    auto d = MakeDialog();
    fileAnswers.push_back(Q(dir / "no/such/folder/case"));
    Press(*d, 1014);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].indexOf("case.挡土墙计算"), -1);
    EXPECT_TRUE(fs::exists(dir / "MovaTool.挡土墙计算"));
}

// "计算" without a report: the message says so and the dialog stays open; the current directory has
// become the item's work path; nothing is registered.
TEST_F(FileFlow, CalculateWithoutReportStaysOpen) {
    auto d = MakeDialog();
    d->show();
    Press(*d, 1000);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], wallui::ReportNotAvailableText());
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->result(), 0);
    EXPECT_EQ(fs::current_path(), fs::path(host.item));
    EXPECT_TRUE(host.drawings.empty());
    EXPECT_FALSE(fs::exists(dir / "item/MovaTool.挡土墙计算"));
}

// A calculation that reports success: it sees the case as rebuilt; then the fixed copies land in
// the item folder and the dialog ends with 1. The drawings are the calculation's own business.
TEST_F(FileFlow, CompletedCalculationEndsWithOne) {
    int calls = 0;
    float heightSeen = 0;
    hooks.calculate = [&](const wallui::CalculationRequest& r) {
        ++calls;
        heightSeen = r.wallCase.wall.m_fHeight;
        EXPECT_EQ(&r.host, &host);
        EXPECT_FALSE(r.sketchRect.isEmpty());
        return true;
    };
    auto d = MakeDialog();
    d->show();
    TypeInto(Field(*d, 1062), "7.5");
    Press(*d, 1000);
    EXPECT_EQ(calls, 1);
    EXPECT_FLOAT_EQ(heightSeen, 7.5f);
    EXPECT_EQ(d->result(), 1);
    EXPECT_FALSE(d->isVisible());
    EXPECT_TRUE(host.drawings.empty());
    wall::WallCase copy;
    ASSERT_TRUE(wall::ReadCaseFile(dir / "item/MovaTool.挡土墙计算", copy).ok());
    EXPECT_FLOAT_EQ(copy.wall.m_fHeight, 7.5f);
    EXPECT_TRUE(fs::exists(dir / "work/MOVA/SYSTEM/MovaTool.挡土墙计算"));
}

// A calculation that fails leaves the dialog open and writes nothing more.
TEST_F(FileFlow, FailedCalculationStaysOpen) {
    hooks.calculate = [](const wallui::CalculationRequest&) { return false; };
    auto d = MakeDialog();
    d->show();
    Press(*d, 1000);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(host.drawings.empty());
    EXPECT_FALSE(fs::exists(dir / "item/MovaTool.挡土墙计算"));
}

// An item work path that cannot be entered stops "计算" with a message before anything is written.
TEST_F(FileFlow, UnreachableItemPathStopsTheCalculation) {
    int calls = 0;
    hooks.calculate = [&](const wallui::CalculationRequest&) { return ++calls > 0; };
    host.item = (dir / "absent").string();
    auto d = MakeDialog();
    d->show();
    Press(*d, 1000);
    EXPECT_EQ(calls, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].indexOf("absent"), -1);
    EXPECT_TRUE(d->isVisible());
}

}  // namespace
}  // namespace uitest
