// "计算": calculation, then the report and drawings of the case in the item's work folder.
#include "ui/ReportCalculation.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

#include "calc/CalculateCase.h"
#include "casereport/WriteCaseReport.h"
#include "pdf/PdfWriter.h"

namespace wallui {
namespace {

QString FromStd(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Keeps the dialog from taking input while the report is written, whatever way the writing ends.
class InputBlock {
  public:
    explicit InputBlock(QWidget* w) : m_widget(w) {
        if (m_widget) m_widget->setEnabled(false);
    }
    ~InputBlock() {
        if (m_widget) m_widget->setEnabled(true);
    }
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

  private:
    QWidget* m_widget;
};

}  // namespace

std::function<bool(const CalculationRequest&)> ReportCalculation(
    std::function<void(QWidget*, const QString&)> showMessage,
    std::function<void(const std::filesystem::path&)> openDocument) {
    return [showMessage, openDocument](const CalculationRequest& r) {
        wall::CaseResult result = wall::CalculateCase(r.wallCase);
        if (!result.Accepted()) {
            showMessage(r.dialog, FromStd(wall::RefusalText(result)));
            return false;
        }

        // "计算" has made the item work path the current directory; a directory removed meanwhile
        // gives an empty path, and writing then fails with a message naming it.
        std::error_code ec;
        wall::CaseReportJob job;
        job.folder = std::filesystem::current_path(ec);
        job.sketchTitle = r.dialog ? r.dialog->windowTitle().toStdString() : wall::kDialogTitle;
        job.rect = {r.sketchRect.left(), r.sketchRect.top(), r.sketchRect.right() + 1,
                    r.sketchRect.bottom() + 1};
        // report.conf's "pdf = yes" adds the PDF beside the .docx.
        wall::ReportConfigResult config = wall::LoadReportConfig(wall::DefaultReportConfigPath());
        job.config = config.config;
        job.pdf = config.config.pdf;
        job.pdfWriter = [](const wall::Document& doc, const std::string& title, const std::string& creator,
                           std::vector<uint8_t>& out, std::string* error) {
            return wall::pdf::WritePdf(doc, out, error, {title, creator});
        };
        wall::CaseReportFiles files;
        {
            InputBlock block(r.dialog);
            files = wall::WriteCaseReport(r.wallCase, result, r.host, job);
        }
        files.warnings.insert(files.warnings.begin(), config.warnings.begin(), config.warnings.end());
        if (!files.saved) {
            showMessage(r.dialog, FromStd(files.error));
            return false;
        }
        if (!files.warnings.empty()) {
            QString text;
            for (const std::string& w : files.warnings) text += FromStd(w) + "\n";
            showMessage(r.dialog, text.trimmed());
        }
        if (openDocument) openDocument(files.report);
        return true;
    };
}

void OpenWithDesktop(const std::filesystem::path& document) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(FromStd(document.string())));
}

}  // namespace wallui
