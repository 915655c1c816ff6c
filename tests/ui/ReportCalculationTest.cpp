// "计算" with the real report calculation: report, drawings and copies in the item folder, or a
// refusal that leaves the dialog open.
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "UiTestSupport.h"
#include "ui/DlgWallCalc.h"
#include "ui/ReportCalculation.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;
using ReportFlow = DialogTest;

void Press(wallui::CDlgWallCalc& d, int id) {
    QTest::mouseClick(d.findChild<QPushButton*>(QString("button%1").arg(id)), Qt::LeftButton);
}

QLineEdit* Field(wallui::CDlgWallCalc& d, int id) {
    return d.Pages()->widget(0)->findChild<QLineEdit*>(QString("edit%1").arg(id));
}

TEST_F(ReportFlow, CalculateWritesReportDrawingsAndCopiesAndEndsWithOne) {
    std::vector<fs::path> opened;
    hooks.calculate = wallui::ReportCalculation([&](QWidget*, const QString& t) { messages.push_back(t); },
                                                [&](const fs::path& p) { opened.push_back(p); });
    auto d = MakeDialog();
    d->show();
    Press(*d, 1000);
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].toStdString());
    EXPECT_EQ(d->result(), 1);
    const fs::path item(host.item);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], item / "挡土墙计算1.docx");
    EXPECT_GT(fs::file_size(item / "挡土墙计算1.docx"), 2000u);
    // The default counterfort case is Rankine's: its loading sketch, then the case's sketch drawing.
    EXPECT_EQ(host.drawings, (std::vector<std::string>{"1、按朗肯土压力理论计算.kst", "挡土墙计算计算简图"}));
    EXPECT_TRUE(fs::exists(item / "1、按朗肯土压力理论计算.kst"));
    EXPECT_TRUE(fs::exists(item / "MovaTool.挡土墙计算"));
    EXPECT_TRUE(fs::exists(fs::path(host.work) / "MOVA/SYSTEM/MovaTool.挡土墙计算"));
    EXPECT_TRUE(d->isEnabled());
}

// With "pdf = yes" in report.conf the PDF is written beside the .docx and named with it.
TEST_F(ReportFlow, MessageNamesReportAndDrawingsAndOpensTheirFolder) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    fs::create_directories(fs::path(config.path().toStdString()) / "wallcalc");
    std::ofstream(fs::path(config.path().toStdString()) / "wallcalc" / "report.conf") << "pdf = yes\n";
    QString shown;
    std::vector<QUrl> urls;
    auto runModal = [&](QDialog& d) {
        auto& box = dynamic_cast<QMessageBox&>(d);
        shown = box.text();
        for (QAbstractButton* b : box.buttons())
            if (b->text() == QString::fromUtf8("打开文件夹")) b->click();
        return 0;
    };
    auto openUrl = [&](const QUrl& url) {
        urls.push_back(url);
        return true;
    };
    hooks.calculate = wallui::ReportCalculation([&](QWidget*, const QString& t) { messages.push_back(t); },
                                                {}, wallui::ReportWrittenMessage(runModal, openUrl));
    auto d = MakeDialog();
    d->show();
    Press(*d, 1000);
    const fs::path item(host.item);
    EXPECT_TRUE(shown.contains(QString::fromStdString((item / "挡土墙计算1.docx").string())))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromUtf8("\n1、按朗肯土压力理论计算.kst"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromUtf8("\n挡土墙计算计算简图"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromStdString((item / "挡土墙计算1.pdf").string())))
        << shown.toStdString();
    std::ifstream pdf(item / "挡土墙计算1.pdf", std::ios::binary);
    char magic[5] = {};
    pdf.read(magic, 5);
    EXPECT_EQ(std::string(magic, 5), "%PDF-");
    ASSERT_EQ(urls.size(), 1u);
    EXPECT_EQ(urls[0], QUrl::fromLocalFile(QString::fromStdString(item.string())));
    EXPECT_EQ(d->result(), 1);
    if (oldConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", oldConfig);
}

TEST_F(ReportFlow, RefusedCaseStaysOpenAndWritesNothing) {
    std::vector<fs::path> opened;
    hooks.calculate = wallui::ReportCalculation([&](QWidget*, const QString& t) { messages.push_back(t); },
                                                [&](const fs::path& p) { opened.push_back(p); });
    auto d = MakeDialog();
    d->show();
    TypeInto(Field(*d, 1062), "0");  // height 0
    Press(*d, 1000);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8("无法计算：")));
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(host.drawings.empty());
    EXPECT_FALSE(fs::exists(fs::path(host.item) / "挡土墙计算1.docx"));
    EXPECT_FALSE(fs::exists(fs::path(host.item) / "MovaTool.挡土墙计算"));
}

}  // namespace
}  // namespace uitest
