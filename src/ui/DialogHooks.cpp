// The dialogs' default hooks: Qt's file dialog and message box, modal runs.
#include "ui/DialogHooks.h"

#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>

#include "case/CaseFile.h"
#include "ui/CaseFileDialog.h"
#include "ui/ManualHelp.h"
#include "ui/ReportCalculation.h"

namespace wallui {

QString ReportNotAvailableText() {
    return QString::fromUtf8("计算书的生成尚未提供，暂时不能计算。\n可先用“保存”保存本工况。");
}

DialogHooks DefaultDialogHooks() {
    DialogHooks hooks;
    hooks.chooseFile = RunCaseFileDialog;
    hooks.showMessage = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QString::fromUtf8(wall::kDialogTitle), text);
    };
    hooks.runModal = [](QDialog& dialog) { return dialog.exec(); };
    hooks.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    hooks.manualFiles = DefaultManualFiles();
    auto show = hooks.showMessage;
    hooks.calculate = ReportCalculation(
        hooks.showMessage,
        [show](const std::filesystem::path& report) {
            if (!OpenWithDesktop(report))
                show(nullptr, QString::fromUtf8("没有可以打开计算书的程序。计算书：\n%1")
                                  .arg(QString::fromStdString(report.string())));
        },
        ReportWrittenMessage(hooks.runModal, hooks.openUrl));
    return hooks;
}

}  // namespace wallui
