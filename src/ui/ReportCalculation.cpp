// "计算": calculation, then the report and drawings of the case in the item's work folder.
#include "ui/ReportCalculation.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <QWidget>

#include "calc/CalculateCase.h"
#include "calc/Verdict.h"
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

QString VerdictText(const wall::CaseResult& result) {
    QStringList failed;
    for (const wall::CheckVerdict& v : wall::CaseChecks(result))
        if (!v.pass) failed << FromStd(v.title);
    if (failed.isEmpty()) return QString::fromUtf8("全部验算满足。");
    return QString::fromUtf8("不满足的验算：") + failed.join(QString::fromUtf8("、")) +
           QString::fromUtf8("。");
}

std::function<bool(const CalculationRequest&)> ReportCalculation(
    std::function<void(QWidget*, const QString&)> showMessage,
    std::function<void(const std::filesystem::path&)> openDocument,
    std::function<void(QWidget*, const wall::CaseReportFiles&, const QString&)> reportWritten) {
    return [showMessage, openDocument, reportWritten](const CalculationRequest& r) {
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
        // Whether or not a viewer opened it, the user learns where the report went and how the
        // checks came out.
        if (reportWritten) reportWritten(r.dialog, files, VerdictText(result));
        return true;
    };
}

namespace {

// The documents written, then the drawings: those in the report's folder by their names, any
// other by its full path.
QString ReportWrittenText(const wall::CaseReportFiles& files) {
    const std::filesystem::path folder = files.report.parent_path();
    QString text = QString::fromUtf8("计算书已保存：\n") + FromStd(files.report.string());
    if (!files.pdf.empty()) text += "\n" + FromStd(files.pdf.string());
    if (!files.drawings.empty()) {
        text += QString::fromUtf8("\n\n图形（%1）：").arg(FromStd(folder.string()));
        for (const std::filesystem::path& d : files.drawings)
            text += "\n" + FromStd((d.parent_path() == folder ? d.filename() : d).string());
    }
    return text;
}

}  // namespace

std::function<void(QWidget*, const wall::CaseReportFiles&, const QString&)> ReportWrittenMessage(
    std::function<int(QDialog&)> runModal, std::function<bool(const QUrl&)> openUrl) {
    return [runModal, openUrl](QWidget* parent, const wall::CaseReportFiles& files, const QString& verdict) {
        QMessageBox box(QMessageBox::Information, QString::fromUtf8(wall::kDialogTitle),
                        verdict + "\n\n" + ReportWrittenText(files), QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(QString::fromUtf8("确定"));
        QPushButton* folder = box.addButton(QString::fromUtf8("打开文件夹"), QMessageBox::ActionRole);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        // The paths can be copied from the message.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        runModal(box);
        if (box.clickedButton() == folder && openUrl) {
            std::error_code ec;
            const std::filesystem::path dir = std::filesystem::absolute(files.report, ec).parent_path();
            if (!openUrl(QUrl::fromLocalFile(FromStd(dir.string())))) {
                QMessageBox none(
                    QMessageBox::Information, QString::fromUtf8(wall::kDialogTitle),
                    QString::fromUtf8("没有可以打开文件夹的程序。文件夹：\n%1").arg(FromStd(dir.string())),
                    QMessageBox::Ok, parent);
                none.button(QMessageBox::Ok)->setText(QString::fromUtf8("确定"));
                none.setTextInteractionFlags(Qt::TextSelectableByMouse);
                runModal(none);
            }
        }
    };
}

bool OpenWithDesktop(const std::filesystem::path& document) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(FromStd(document.string())));
}

}  // namespace wallui
