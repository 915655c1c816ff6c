// The case files last opened or saved and the folder of the last one, kept in the user's settings
// (QSettings "wallcalc"/"wallcalc") so that the next run of the dialog offers them under "打开".
#pragma once

#include <QString>
#include <QStringList>

namespace wallui {

// How many files are remembered.
constexpr int kRecentCasesKept = 5;

// The remembered files, most recent first, as absolute paths.
QStringList RecentCaseFiles();
// Those of them that still exist: what "打开" offers.
QStringList ExistingRecentCaseFiles();
// The folder of the file last opened or saved; empty when there was none.
QString LastCaseFolder();
// Puts `path` first (once), keeps at most kRecentCasesKept files and takes its folder as the last.
void RememberCaseFile(const QString& path);

}  // namespace wallui
