// Shared set-up of the dialog tests: a scratch folder, a recording host and hooks that never block.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "RecordingHost.h"
#include "ui/DialogHooks.h"

namespace wallui {
class CaseGrid;
class CDlgWallCalc;
}  // namespace wallui

namespace uitest {

// The host of a test: work paths inside the scratch folder, registered drawings recorded.
using RecordingHost = wall::test::RecordingHost;

// Every test runs in its own scratch folder, which is also the current directory.
class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A dialog over the recording host and hooks.
    std::unique_ptr<wallui::CDlgWallCalc> MakeDialog();

    std::filesystem::path dir;
    RecordingHost host;
    wallui::DialogHooks hooks;
    std::deque<QString> fileAnswers;  // answers of the file dialog in order; a null text cancels
    QString fileFilter;               // the filter they are chosen under; null: the one shown first
    std::vector<wallui::FileDialogRequest> fileRequests;
    std::vector<QString> messages;
    // Drives a modal dialog instead of the user; the default cancels it.
    std::function<int(QDialog&)> modal;

  private:
    std::filesystem::path previousDir_;
};

// Answers a 是/否 question with one of its buttons and keeps its text.
std::function<int(QDialog&)> Answer(QMessageBox::StandardButton button, std::vector<QString>& questions);

// Replaces the text of a field as a user does: select all, then type (or delete when empty).
void TypeInto(QLineEdit* edit, const QString& text);

// Edits a grid cell through its editor and commits with Enter.
void EditCell(wallui::CaseGrid* grid, int row, int column, const QString& text);

// The texts of one grid row.
std::vector<std::string> RowTexts(const wallui::CaseGrid* grid, int row);

}  // namespace uitest
