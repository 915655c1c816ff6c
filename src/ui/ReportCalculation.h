// The calculation behind "计算": check the case, analyse it, write the report and its drawings.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "ui/DialogHooks.h"

class QWidget;

namespace wallui {

// A calculation for DialogHooks::calculate. It refuses a case the calculation rejects (message,
// dialog stays open), otherwise writes the report into the current directory (the item's work
// path) with the loading sketch and the case's sketch drawing named after the dialog's title,
// hands the finished report to `openDocument` and returns true. Input to the dialog is disabled
// while the report is written.
std::function<bool(const CalculationRequest&)> ReportCalculation(
    std::function<void(QWidget*, const QString&)> showMessage,
    std::function<void(const std::filesystem::path&)> openDocument);

// Opens a document with the desktop's default application.
void OpenWithDesktop(const std::filesystem::path& document);

}  // namespace wallui
