// Replacing a file: through symbolic links, keeping mode and hard links, never leaving debris.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ScratchDir.h"
#include "fileio/AtomicFile.h"

namespace wall {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int Replace(const fs::path& p, const std::string& text) {
    return ReplaceFileAtomically(p, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

TEST(ReplaceFileAtomically, ThroughSymlinksToTheirTarget) {
    test::ScratchDir dir("atomic-links");
    fs::create_directories(dir / "real");
    std::ofstream(dir / "real/case") << "old";
    fs::create_symlink("real/case", dir / "relative");      // relative to the link's folder
    fs::create_symlink(dir / "relative", dir / "chained");  // a link to a link
    fs::create_symlink(dir / "real/new", dir / "dangling");
    for (const char* link : {"relative", "chained"}) {
        SCOPED_TRACE(link);
        ASSERT_EQ(Replace(dir / link, link), 0);
        EXPECT_TRUE(fs::is_symlink(dir / link));
        EXPECT_EQ(Read(dir / "real/case"), link);
    }
    ASSERT_EQ(Replace(dir / "dangling", "created"), 0);
    EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
    EXPECT_EQ(Read(dir / "real/new"), "created");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), fs::directory_iterator{}), 2);
}

TEST(ReplaceFileAtomically, KeepsModeAndHardLinks) {
    test::ScratchDir dir("atomic-mode");
    std::ofstream(dir / "private") << "old";
    ::chmod((dir / "private").c_str(), 0600);
    ASSERT_EQ(Replace(dir / "private", "new"), 0);
    struct stat st {};
    ASSERT_EQ(::stat((dir / "private").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    std::ofstream(dir / "a") << "old and longer";
    fs::create_hard_link(dir / "a", dir / "b");
    ASSERT_EQ(Replace(dir / "a", "new"), 0);
    EXPECT_EQ(Read(dir / "b"), "new");
    EXPECT_EQ(fs::hard_link_count(dir / "a"), 2u);
}

// A folder in the file's place cannot be replaced, not even by root.
TEST(ReplaceFileAtomically, FailureLeavesNoDebris) {
    test::ScratchDir dir("atomic-fail");
    fs::create_directories(dir / "case");
    std::ofstream(dir / "case/inside") << "kept";
    EXPECT_NE(Replace(dir / "case", "new"), 0);
    EXPECT_EQ(Read(dir / "case/inside"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1);
}

}  // namespace
}  // namespace wall
