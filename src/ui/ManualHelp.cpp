// The manual is looked for from the binary that holds the dialog (the program, or the plug-in in a
// host): an installed one reads the installed manual, one in the build tree the manual this build
// wrote (WALL_MANUAL_HTML), else its source (WALL_MANUAL_SOURCE).
#include "ui/ManualHelp.h"

#include <QFileInfo>
#include <QStringList>
#include <filesystem>

#include "places/Places.h"

namespace wallui {

std::vector<QString> DefaultManualFiles() {
    const wall::ProgramTree tree =
        wall::TreeOf(wall::FolderOfCode(reinterpret_cast<const void*>(&DefaultManualFiles)));
    if (tree.installed) {
        const std::filesystem::path docs = tree.DocFolder().lexically_normal();
        return {QString::fromStdString((docs / "manual.html").string()),
                QString::fromStdString((docs / "manual.md").string())};
    }
    return {QString::fromUtf8(WALL_MANUAL_HTML), QString::fromUtf8(WALL_MANUAL_SOURCE)};
}

void OpenManual(QWidget* parent, const DialogHooks& hooks) {
    for (const QString& file : hooks.manualFiles) {
        if (!QFileInfo(file).isFile()) continue;
        if (hooks.openUrl && hooks.openUrl(QUrl::fromLocalFile(file))) return;
        // The file is there but no viewer took it: at least the user learns where it is.
        hooks.showMessage(parent, QString::fromUtf8("无法打开用户手册，请用浏览器或文本编辑器打开：\n%1")
                                      .arg(QFileInfo(file).absoluteFilePath()));
        return;
    }
    QStringList places;
    for (const QString& file : hooks.manualFiles) places << file;
    hooks.showMessage(parent, places.isEmpty()
                                  ? QString::fromUtf8("找不到用户手册。")
                                  : QString::fromUtf8("找不到用户手册，它应在：\n%1").arg(places.join("\n")));
}

}  // namespace wallui
