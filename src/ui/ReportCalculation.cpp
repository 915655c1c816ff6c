// "计算": validation, analysis, report and drawings of the case in the item's work folder.
#include "ui/ReportCalculation.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

#include "report/ReportConfig.h"
#include "report/assembly/CalcReport.h"

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
        wall::CaseAnalysis analysis;
        if (std::string refusal = wall::CalculateCase(r.wallCase, r.kernel, analysis); !refusal.empty()) {
            showMessage(r.dialog, FromStd(refusal));
            return false;
        }

        // "计算" has made the item work path the current directory; a directory removed meanwhile
        // gives an empty path, and writing then fails with a message naming it.
        std::error_code ec;
        std::filesystem::path here = std::filesystem::current_path(ec);
        wall::SketchRect rect{r.sketchRect.left(), r.sketchRect.top(), r.sketchRect.right() + 1,
                              r.sketchRect.bottom() + 1};
        wall::ReportSaveResult saved;
        std::vector<std::string> warnings;
        {
            InputBlock block(r.dialog);
            wall::CalcReport report(r.host,
                                    {r.wallCase, analysis, r.kernel, r.preview, r.report, rect, here});
            wall::ReportConfigResult config = wall::LoadReportConfig(wall::DefaultReportConfigPath());
            report.SetConfig(config.config);
            warnings = config.warnings;
            report.Generate();
            warnings.insert(warnings.end(), report.Warnings().begin(), report.Warnings().end());
            wall::ReportTarget target;
            target.folder = here;
            saved = report.Save(target);
        }
        if (!saved.ok) {
            showMessage(r.dialog, FromStd(saved.message));
            return false;
        }
        if (!warnings.empty()) {
            QString text;
            for (const std::string& w : warnings) text += FromStd(w) + "\n";
            showMessage(r.dialog, text.trimmed());
        }
        if (openDocument) openDocument(saved.path);
        return true;
    };
}

void OpenWithDesktop(const std::filesystem::path& document) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(FromStd(document.string())));
}

}  // namespace wallui
