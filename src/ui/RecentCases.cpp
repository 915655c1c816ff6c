// The recent case files in QSettings.
#include "ui/RecentCases.h"

#include <QFileInfo>
#include <QSettings>

namespace wallui {
namespace {

QSettings Settings() {
    return QSettings(QStringLiteral("wallcalc"), QStringLiteral("wallcalc"));
}

const QString kFilesKey = QStringLiteral("recent/files");
const QString kFolderKey = QStringLiteral("recent/folder");

}  // namespace

QStringList RecentCaseFiles() {
    return Settings().value(kFilesKey).toStringList();
}

QStringList ExistingRecentCaseFiles() {
    QStringList files = RecentCaseFiles();
    files.removeIf([](const QString& f) { return !QFileInfo::exists(f); });
    return files;
}

QString LastCaseFolder() {
    return Settings().value(kFolderKey).toString();
}

void RememberCaseFile(const QString& path) {
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    QStringList files = RecentCaseFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentCasesKept) files.removeLast();
    QSettings settings = Settings();
    settings.setValue(kFilesKey, files);
    settings.setValue(kFolderKey, info.absolutePath());
}

}  // namespace wallui
