// What the dialogs ask of the outside world: file choice, messages, modal runs and the calculation.
#pragma once

#include <QRect>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <vector>

#include "case/WallCase.h"
#include "host/HostServices.h"

class QDialog;
class QWidget;

namespace wallui {

enum class FileDialogMode { kOpen, kSave };

// One request for the open or save file dialog.
struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::kOpen;
    QString title;
    QString filter;          // Qt filter list: "description (pattern);;description (pattern)"
    QString selectedFilter;  // the entry of the list shown first
    QString initialName;     // the name last chosen in this run of the dialog
};

// What the file dialog answers: the path and the filter it was chosen under.
struct FileChoice {
    QString path;
    QString filter;
};

// What the calculation gets: the case as last rebuilt, the host, the dialog and the sketch area.
struct CalculationRequest {
    const wall::WallCase& wallCase;
    wall::HostServices& host;
    QWidget* dialog;
    QRect sketchRect;  // client rectangle of the sketch area, pixels
};

// Each hook may be replaced, for instance by tests, so no modal window blocks.
struct DialogHooks {
    // Returns the chosen path and filter, or nothing when the user cancelled.
    std::function<std::optional<FileChoice>(QWidget* parent, const FileDialogRequest&)> chooseFile;
    // Shows a message and returns when the user has read it.
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    // Runs a dialog modally and returns its result code.
    std::function<int(QDialog& dialog)> runModal;
    // Writes the report of the case; true when it was produced and the dialog may close. While it
    // is empty the dialog says that the report is not available yet and stays open.
    std::function<bool(const CalculationRequest&)> calculate;
    // Opens a file or folder with the desktop's viewer; false when nothing took it.
    std::function<bool(const QUrl&)> openUrl;
    // Where "帮助" looks for the user manual, in order; the first file that exists is opened.
    std::vector<QString> manualFiles;
    // Whether "保存" and "计算" keep the host's fixed copies of the case (its work path's
    // MOVA/SYSTEM/MovaTool.挡土墙计算 and MovaTool.挡土墙计算 in the current folder), which the plug-in's
    // host reads back; the stand-alone program keeps none in the user's folders.
    bool fixedCopies = true;
};

// Qt's file dialog, a message box titled with the dialog title, QDialog::exec, the report
// calculation, which opens the finished report with the desktop's default application and says
// where it was written, QDesktopServices::openUrl, and the manual where DefaultManualFiles finds it.
DialogHooks DefaultDialogHooks();

// The message shown by "计算" while no calculation is given.
QString ReportNotAvailableText();

}  // namespace wallui
