// The plug-in's dialog step: one modal run of the calculation dialog, with a Qt application made
// for it when the host has none.
#include "DialogStep.h"

#include <QApplication>
#include <clocale>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "ui/DisplayCheck.h"
#include "ui/DlgWallCalc.h"
#include "ui/QtTranslations.h"

int RunCalculationDialog(wall::HostServices& host) {
    // QApplication keeps references to argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "wallcalc-plugin";
    static char* argv[] = {name, nullptr};

    std::unique_ptr<QApplication> own;
    std::string hostLocale;
    if (QCoreApplication::instance() == nullptr) {
        // Qt would abort the host process when it cannot open a display.
        if (std::optional<std::string> reason = wallui::DisplayUnavailable()) {
            std::fprintf(stderr, "挡土墙计算: %s\n", reason->c_str());
            return 2;
        }
        if (const char* l = std::setlocale(LC_ALL, nullptr)) hostLocale = l;
        own = std::make_unique<QApplication>(argc, argv);
        // Qt takes the environment's locale; printf-style numbers must keep the decimal point.
        std::setlocale(LC_NUMERIC, "C");
        // Qt's own buttons read 确定 and 取消; a host's application keeps its own translations.
        wallui::InstallQtTranslations(*own);
    } else if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "挡土墙计算: 宿主的 Qt 应用程序不支持窗口部件，对话框不能显示。\n");
        return 2;
    }

    int result = 2;
    {
        wallui::CDlgWallCalc dialog(host);
        result = dialog.exec() == 1 ? 1 : 2;
    }
    if (own) {
        own.reset();
        if (!hostLocale.empty()) std::setlocale(LC_ALL, hostLocale.c_str());
    }
    return result;
}
