// "帮助": the manual the build wrote, else its source, else a message naming where it should be.
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <fstream>

#include "UiTestSupport.h"
#include "ui/DlgWallCalc.h"
#include "ui/ManualHelp.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;
using HelpButton = DialogTest;

QString Q(const fs::path& p) {
    return QString::fromStdString(p.string());
}

TEST_F(HelpButton, OpensTheHtmlThenTheSourceThenSaysWhereTheManualShouldBe) {
    std::vector<QUrl> opened;
    hooks.openUrl = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    const fs::path html = dir / "manual.html";
    const fs::path source = dir / "manual.md";
    std::ofstream(html) << "<html></html>";
    std::ofstream(source) << "# 手册";
    hooks.manualFiles = {Q(html), Q(source)};
    auto d = MakeDialog();
    QPushButton* help = d->findChild<QPushButton*>("button1007");
    ASSERT_NE(help, nullptr);

    d->show();
    QTest::mouseClick(help, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(Q(html)));
    EXPECT_TRUE(d->isVisible());

    fs::remove(html);
    QTest::mouseClick(help, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(Q(source)));
    EXPECT_TRUE(messages.empty());

    fs::remove(source);
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(opened.size(), 2u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(Q(html))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(Q(source))) << messages[0].toStdString();
}

TEST_F(HelpButton, ManualWithNoViewerIsNamed) {
    hooks.openUrl = [](const QUrl&) { return false; };
    const fs::path html = dir / "manual.html";
    std::ofstream(html) << "<html></html>";
    hooks.manualFiles = {Q(html)};
    auto d = MakeDialog();
    QTest::mouseClick(d->findChild<QPushButton*>("button1007"), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(Q(html))) << messages[0].toStdString();
}

// The build writes the manual where the dialog looks first, with every picture it shows beside it.
TEST(ManualFiles, BuiltHtmlHasItsPicturesBesideIt) {
    const std::vector<QString> files = wallui::DefaultManualFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_TRUE(files[0].endsWith("/docs/manual.html")) << files[0].toStdString();
    EXPECT_TRUE(QFileInfo(files[1]).isFile()) << files[1].toStdString();
    QFile html(files[0]);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly)) << files[0].toStdString();
    const QString text = QString::fromUtf8(html.readAll());
    int pictures = 0;
    const QRegularExpression image(R"re(<img[^>]* src="([^"]+)")re");
    for (auto it = image.globalMatch(text); it.hasNext(); ++pictures) {
        const QString src = it.next().captured(1);
        EXPECT_TRUE(QFileInfo(QFileInfo(files[0]).dir().filePath(src)).isFile()) << src.toStdString();
    }
    EXPECT_GE(pictures, 7);
}

}  // namespace
}  // namespace uitest
