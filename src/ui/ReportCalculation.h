// The calculation behind "计算": check the case, analyse it, write the report and its drawings.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

#include "calc/CaseResult.h"
#include "casereport/WriteCaseReport.h"
#include "ui/DialogHooks.h"

class QWidget;

namespace wallui {

// A calculation for DialogHooks::calculate. It refuses a case the calculation rejects (message,
// dialog stays open), otherwise writes the report into the current directory (the item's work
// path) with the loading sketch and the case's sketch drawing named after the dialog's title,
// hands the finished report to `openDocument`, then what was written to `reportWritten`, and
// returns true. Input to the dialog is disabled while the report is written.
std::function<bool(const CalculationRequest&)> ReportCalculation(
    std::function<void(QWidget*, const QString&)> showMessage,
    std::function<void(const std::filesystem::path&)> openDocument,
    std::function<void(QWidget*, const wall::CaseReportFiles&, const QString& verdict)> reportWritten = {});

// "全部验算满足。", or the titles of the checks that fail.
QString VerdictText(const wall::CaseResult& result);

// A message box with the checks' outcome, naming the report, its PDF and its drawings, run through
// `runModal`; its button "打开文件夹" hands the report's folder to `openUrl`, and says so with the
// path when nothing opens it.
std::function<void(QWidget*, const wall::CaseReportFiles&, const QString&)> ReportWrittenMessage(
    std::function<int(QDialog&)> runModal, std::function<bool(const QUrl&)> openUrl);

// Opens a document with the desktop's default application; false when none took it.
bool OpenWithDesktop(const std::filesystem::path& document);

}  // namespace wallui
