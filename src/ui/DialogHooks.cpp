// The dialogs' default hooks: Qt's file dialog and message box, modal runs.
#include "ui/DialogHooks.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "case/CaseFile.h"
#include "ui/ManualHelp.h"
#include "ui/ReportCalculation.h"

namespace wallui {

QString ReportNotAvailableText() {
    return QString::fromUtf8("计算书的生成尚未提供，暂时不能计算。\n可先用“保存”保存本工况。");
}

DialogHooks DefaultDialogHooks() {
    DialogHooks hooks;
    hooks.chooseFile = [](QWidget* parent, const FileDialogRequest& r) -> std::optional<FileChoice> {
        FileChoice choice{{}, r.selectedFilter};
        if (r.mode == FileDialogMode::kOpen)
            choice.path =
                QFileDialog::getOpenFileName(parent, r.title, r.initialName, r.filter, &choice.filter);
        else
            choice.path =
                QFileDialog::getSaveFileName(parent, r.title, r.initialName, r.filter, &choice.filter);
        if (choice.path.isEmpty()) return std::nullopt;
        return choice;
    };
    hooks.showMessage = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QString::fromUtf8(wall::kDialogTitle), text);
    };
    hooks.runModal = [](QDialog& dialog) { return dialog.exec(); };
    hooks.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    hooks.manualFiles = DefaultManualFiles();
    hooks.calculate = ReportCalculation(hooks.showMessage, OpenWithDesktop,
                                        ReportWrittenMessage(hooks.runModal, hooks.openUrl));
    return hooks;
}

}  // namespace wallui
