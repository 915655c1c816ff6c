// Where a binary finds the program's parts: the tree it sits in, installed (<prefix>/bin,
// <prefix>/lib/wallcalc) or a build tree (build/bin, build/lib), and the folder of a plug-in's own
// code inside the program that loaded it.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "places/Places.h"

namespace hosttest {
namespace {

namespace fs = std::filesystem;

class Places : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("wallcalc-places-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        for (const char* f : {"usr/bin", "usr/lib/wallcalc", "build/bin", "build/lib"})
            fs::create_directories(dir_ / f);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(Places, TreeOfInstalledAndBuiltBinaries) {
    struct Row {
        const char* folder;
        const char* root;
        bool installed;
        const char* libraries;
        const char* docs;
    };
    const Row rows[] = {
        {"usr/bin", "usr", true, "usr/lib/wallcalc", "usr/share/doc/wallcalc"},
        {"usr/bin/", "usr", true, "usr/lib/wallcalc", "usr/share/doc/wallcalc"},
        {"usr/lib/wallcalc", "usr", true, "usr/lib/wallcalc", "usr/share/doc/wallcalc"},
        {"build/bin", "build", false, "build/lib", "build/docs"},
        {"build/lib", "build", false, "build/lib", "build/docs"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.folder);
        const wall::ProgramTree tree = wall::TreeOf(dir_ / r.folder);
        EXPECT_EQ(tree.root, dir_ / r.root);
        EXPECT_EQ(tree.installed, r.installed);
        EXPECT_EQ(tree.LibraryFolder(), dir_ / r.libraries);
        EXPECT_EQ(tree.DocFolder(), dir_ / r.docs);
    }
}

// Code of the program is placed by the program's file, a plug-in's by the plug-in's file.
TEST(PlacesOfCode, ProgramAndPlugIn) {
    EXPECT_EQ(wall::FolderOfCode(reinterpret_cast<const void*>(&wall::TreeOf)), wall::ProgramFolder());
    EXPECT_EQ(wall::ProgramFolder(), fs::canonical("/proc/self/exe").parent_path());

    // Kept mapped after dlclose: its globals stay roots for the leak checker, as in a host.
    void* plugin = dlopen(WALL_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    ASSERT_NE(plugin, nullptr) << dlerror();
    void* entry = dlsym(plugin, "EntryPoint");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(wall::FolderOfCode(entry), fs::canonical(WALL_PLUGIN_PATH).parent_path());
    dlclose(plugin);
}

}  // namespace
}  // namespace hosttest
