// Scratch folder, recording hooks and widget helpers of the dialog tests.
#include "UiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStackedWidget>
#include <QTest>
#include <cstdlib>

#include "ui/CaseGrid.h"
#include "ui/DlgWallCalc.h"

namespace uitest {

void DialogTest::SetUp() {
    previousDir_ = std::filesystem::current_path();
    std::string tmpl = (std::filesystem::temp_directory_path() / "ui_tests.XXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    dir = tmpl;
    std::filesystem::create_directories(dir / "work");
    std::filesystem::create_directories(dir / "item");
    std::filesystem::current_path(dir);
    host.work = (dir / "work").string() + "/";
    host.item = (dir / "item").string();
    // The dialog remembers recent files in the user's settings; a test keeps its own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((dir / "settings").string()));

    hooks.chooseFile = [this](QWidget*,
                              const wallui::FileDialogRequest& r) -> std::optional<wallui::FileChoice> {
        fileRequests.push_back(r);
        if (fileAnswers.empty()) return std::nullopt;
        const QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        if (answer.isNull()) return std::nullopt;
        return wallui::FileChoice{answer, fileFilter.isNull() ? r.selectedFilter : fileFilter};
    };
    hooks.showMessage = [this](QWidget*, const QString& text) { messages.push_back(text); };
    modal = [](QDialog& d) {
        d.reject();
        return d.result();
    };
    hooks.runModal = [this](QDialog& d) { return modal(d); };
}

void DialogTest::TearDown() {
    std::filesystem::current_path(previousDir_);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

std::unique_ptr<wallui::CDlgWallCalc> DialogTest::MakeDialog() {
    return std::make_unique<wallui::CDlgWallCalc>(host, hooks);
}

void TypeInto(QLineEdit* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

void EditCell(wallui::CaseGrid* grid, int row, int column, const QString& text) {
    ASSERT_NE(grid, nullptr);
    QTableWidgetItem* cell = grid->item(row, column);
    ASSERT_NE(cell, nullptr);
    // The view opens editors only while it is shown: show its window and bring its tab forward.
    if (!grid->window()->isVisible()) grid->window()->show();
    for (QWidget* w = grid; w; w = w->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget())) stack->setCurrentWidget(w);
    grid->setCurrentCell(row, column);
    grid->editItem(cell);
    // Closed editors linger until deferred deletion; the open one is the visible one.
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible()) editor = e;
    ASSERT_NE(editor, nullptr) << "no cell editor opened at " << row << "," << column;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits and closes the editor through a queued call.
    QApplication::processEvents();
}

std::vector<std::string> RowTexts(const wallui::CaseGrid* grid, int row) {
    std::vector<std::string> texts;
    for (int c = 0; c < grid->columnCount(); ++c) texts.push_back(grid->CellText(row, c).toStdString());
    return texts;
}

// Answers the question with one of its buttons and keeps its text.
std::function<int(QDialog&)> Answer(QMessageBox::StandardButton button, std::vector<QString>& questions) {
    return [button, &questions](QDialog& d) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        EXPECT_NE(box, nullptr);
        if (!box) return d.result();
        questions.push_back(box->text());
        EXPECT_EQ(box->button(QMessageBox::Yes)->text().toStdString(), "是");
        EXPECT_EQ(box->button(QMessageBox::No)->text().toStdString(), "否");
        box->button(button)->click();
        return d.result();
    };
}

}  // namespace uitest
