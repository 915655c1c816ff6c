// The recent case files: five kept, most recent first, and offered by "打开" while they exist.
#include <QAction>
#include <QMenu>
#include <fstream>

#include "UiTestSupport.h"
#include "ui/DlgWallCalc.h"
#include "ui/RecentCases.h"

namespace uitest {
namespace {

using RecentCases = DialogTest;

QString At(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

TEST_F(RecentCases, KeepsFiveMostRecentFirst) {
    for (const char* name : {"a", "b", "c", "d", "e", "b", "f", "g"})
        wallui::RememberCaseFile(At(dir / name));
    EXPECT_EQ(wallui::RecentCaseFiles(),
              (QStringList{At(dir / "g"), At(dir / "f"), At(dir / "b"), At(dir / "e"), At(dir / "d")}));
    EXPECT_EQ(wallui::LastCaseFolder(), At(dir));
    // Only files still there are offered.
    std::ofstream(dir / "f") << "x";
    EXPECT_EQ(wallui::ExistingRecentCaseFiles(), QStringList{At(dir / "f")});
}

// A saved case heads "打开"'s menu, above "浏览…"; choosing it opens it.
TEST_F(RecentCases, SavedCaseIsOfferedByOpen) {
    auto d = MakeDialog();
    fileAnswers.push_back(At(dir / "a.wall.json"));
    d->OnSave();
    emit d->OpenMenu()->aboutToShow();
    const QList<QAction*> actions = d->OpenMenu()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->data().toString(), At(dir / "a.wall.json"));
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text().toStdString(), "浏览…");

    // Edits not saved are dropped only when the user agrees.
    d->ChooseWallType(wall::kGravity);
    std::vector<QString> questions;
    modal = Answer(QMessageBox::No, questions);
    actions[0]->trigger();
    EXPECT_EQ(d->Case().wallType, wall::kGravity);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].toStdString(), "放弃对本工况的修改？");
    modal = Answer(QMessageBox::Yes, questions);
    actions[0]->trigger();
    EXPECT_EQ(d->Case().wallType, wall::kCounterfort);
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace uitest
