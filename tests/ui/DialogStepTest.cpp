// The plug-in's dialog step: a modal run over the host's services that ends with 2 when cancelled.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "DialogStep.h"
#include "UiTestSupport.h"
#include "ui/DlgWallCalc.h"

namespace uitest {
namespace {

using DialogStep = DialogTest;

// The host's Qt application is used as it is; "取消" ends the run with 2 and registers nothing.
TEST_F(DialogStep, CancelledRunEndsWithTwo) {
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<wallui::CDlgWallCalc*>(w);
            if (!dialog || !dialog->isVisible()) continue;
            seen = dialog->isModal() && dialog->windowTitle().toStdString() == "挡土墙计算";
            dialog->findChild<QPushButton*>("button2")->click();
        }
    });
    poll.start(10);
    EXPECT_EQ(RunCalculationDialog(host), 2);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(host.drawings.empty());
}

}  // namespace
}  // namespace uitest
