// Case file dialogs whose filters list files by patterns of any script.
#include "ui/CaseFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>

namespace wallui {

QStringList FilterPatterns(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(u'(');
    const qsizetype close = filter.lastIndexOf(u')');
    const QString patterns = open >= 0 && close > open ? filter.mid(open + 1, close - open - 1) : filter;
    return patterns.split(u' ', Qt::SkipEmptyParts);
}

std::unique_ptr<QFileDialog> MakeCaseFileDialog(QWidget* parent, const FileDialogRequest& r) {
    auto dialog = std::make_unique<QFileDialog>(parent, r.title);
    // A desktop's own dialog would parse the patterns as Qt does; this one's model takes them as given.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    const bool save = r.mode == FileDialogMode::kSave;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilters(r.filter.split(QStringLiteral(";;")));
    if (!r.initialName.isEmpty()) {
        const QFileInfo initial(r.initialName);
        if (initial.isDir()) {
            dialog->setDirectory(r.initialName);
        } else {
            dialog->setDirectory(initial.absolutePath());
            dialog->selectFile(initial.fileName());
        }
    }
    QFileDialog* d = dialog.get();
    auto apply = [d](const QString& filter) {
        if (auto* model = d->findChild<QFileSystemModel*>(QStringLiteral("qt_filesystem_model")))
            model->setNameFilters(FilterPatterns(filter));
    };
    // Qt has set its own reading of the entry by the time it says which was chosen.
    QObject::connect(d, &QFileDialog::filterSelected, d, apply);
    if (!r.selectedFilter.isEmpty()) d->selectNameFilter(r.selectedFilter);
    apply(d->selectedNameFilter());
    return dialog;
}

std::optional<FileChoice> RunCaseFileDialog(QWidget* parent, const FileDialogRequest& r) {
    std::unique_ptr<QFileDialog> dialog = MakeCaseFileDialog(parent, r);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
    return FileChoice{dialog->selectedFiles().front(), dialog->selectedNameFilter()};
}

}  // namespace wallui
