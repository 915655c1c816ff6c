// Replacing a file: through symbolic links, keeping mode and hard links, never leaving debris.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <latch>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

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

// A pipe, a character device (as root, a private one made with mknod) and a read-only file are left
// as they are, with a reason; nothing is left beside them.
TEST(ReplaceFileAtomically, RefusesNodesThatAreNoRegularFiles) {
    test::ScratchDir dir("atomic-nodes");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0644), 0);
    std::ofstream(dir / "readonly") << "kept";
    ::chmod((dir / "readonly").c_str(), 0444);
    struct Row {
        const char* name;
        int err;
    };
    std::vector<Row> rows = {{"fifo", kNotRegularFile}, {"readonly", EACCES}};
    if (::mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        rows.push_back({"null", kNotRegularFile});
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        struct stat before {};
        ASSERT_EQ(::lstat((dir / r.name).c_str(), &before), 0);
        EXPECT_EQ(Replace(dir / r.name, "new"), r.err);
        struct stat after {};
        ASSERT_EQ(::lstat((dir / r.name).c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_FALSE(FileErrorText(r.err).empty());
    }
    EXPECT_EQ(Read(dir / "readonly"), "kept");
    EXPECT_EQ(
        static_cast<std::size_t>(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{})),
        rows.size());
}

// Twenty writers of one file, plain and with a second hard link, over many rounds: the file always
// holds one writer's whole output, through both links.
TEST(ReplaceFileAtomically, ConcurrentWritersLeaveOneWholeOutput) {
    test::ScratchDir dir("atomic-race");
    for (bool linked : {false, true}) {
        std::ofstream(dir / "case") << "start";
        if (linked) fs::create_hard_link(dir / "case", dir / "link");
        for (int round = 0; round < 30; ++round) {
            std::vector<std::string> outputs;
            // Outputs of different lengths, written from one start: interleaved, they would leave a
            // text of neither.
            for (int w = 0; w < 20; ++w)
                outputs.push_back(std::string(20000 + 4001 * w, static_cast<char>('a' + w)));
            std::latch start(20);
            std::vector<std::thread> writers;
            for (const std::string& out : outputs)
                writers.emplace_back([&dir, &out, &start] {
                    start.arrive_and_wait();
                    EXPECT_EQ(Replace(dir / "case", out), 0);
                });
            for (std::thread& t : writers) t.join();
            const std::string now = Read(dir / "case");
            EXPECT_NE(std::find(outputs.begin(), outputs.end(), now), outputs.end())
                << linked << " " << round;
            if (linked) {
                EXPECT_EQ(Read(dir / "link"), now);
            }
        }
        fs::remove(dir / "link");
    }
}

}  // namespace
}  // namespace wall
