// The open and save file dialogs of case files.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>

#include "ui/DialogHooks.h"

class QFileDialog;
class QWidget;

namespace wallui {

// The patterns of one filter entry, "描述 (*.a *.b)" → {"*.a", "*.b"}, whatever characters they hold.
QStringList FilterPatterns(const QString& filter);

// Qt's own file dialog for a request. Qt takes a filter's patterns only when they are ASCII, so
// "(*.挡土墙计算)" would list no file; each entry's patterns go to the dialog's file model directly
// whenever it is chosen.
std::unique_ptr<QFileDialog> MakeCaseFileDialog(QWidget* parent, const FileDialogRequest& r);

// Runs that dialog: the chosen path and filter, or nothing when cancelled.
std::optional<FileChoice> RunCaseFileDialog(QWidget* parent, const FileDialogRequest& r);

}  // namespace wallui
