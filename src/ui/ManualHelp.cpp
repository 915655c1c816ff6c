// The manual's places come from the build (WALL_MANUAL_HTML, WALL_MANUAL_SOURCE).
#include "ui/ManualHelp.h"

#include <QFileInfo>
#include <QStringList>

namespace wallui {

std::vector<QString> DefaultManualFiles() {
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
                                  : QString::fromUtf8("找不到用户手册，它应在：\n%1\n"
                                                      "（HTML 版由构建生成，源文件为 docs/manual.md）")
                                        .arg(places.join("\n")));
}

}  // namespace wallui
