// Files the program writes: replaced whole or not at all, never through a
// link planted beside them, readable like any other file the user writes;
// folders found whatever their letter case.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "startup/Files.h"
#include "support/TestGame.h"

using namespace orrimar;
namespace fs = std::filesystem;

namespace {

// The names in `dir` other than `keep`: what a write left behind.
std::vector<std::string> Leftovers(const TempDir& dir, const std::string& keep) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        if (entry.path().filename() != keep) names.push_back(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(WriteFileAtomic, ReplacesTheTargetNotWhatALinkPointsTo) {
    TempDir dir, elsewhere;
    const std::string target = dir.Path() + "page.htm";
    const std::string victim = elsewhere.Write("victim.txt", {"precious"});
    // Links under the names a predictable temporary file would take, and the
    // target itself a link: none of them is written through.
    for (const std::string& suffix : {std::string(".tmp"), ".tmp" + std::to_string(::getpid())})
        fs::create_symlink(victim, target + suffix);
    fs::create_symlink(victim, target);
    EXPECT_EQ(WriteFileAtomic(target, "new page"), "");
    EXPECT_EQ(elsewhere.Read("victim.txt"), "precious\r\n");
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_EQ(dir.Read("page.htm"), "new page");

    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0644 & ~mask);
}

TEST(WriteFileAtomic, AFailedWriteKeepsTheOldFileAndLeavesNothing) {
    TempDir dir;
    dir.Write("page.htm", {"old page"});
    // A file-size limit makes the write fail part way, as a full disk does.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string problem =
            WriteFileAtomic(dir.Path() + "page.htm", std::string(100000, 'x'));
        ::_exit(problem.find("writing failed") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(dir.Read("page.htm"), "old page\r\n");
    EXPECT_TRUE(Leftovers(dir, "page.htm").empty());

    EXPECT_NE(WriteFileAtomic(dir.Path() + "no/such/folder/page.htm", "x"), "");
}

TEST(Files, FoldersAreFoundWhateverTheirCase) {
    TempDir dir;
    fs::create_directories(dir.Path() + "Templates");
    EXPECT_EQ(ResolveFolderNoCase(dir.Path(), "templates"), dir.Path() + "Templates");
    EXPECT_EQ(ResolveFolderNoCase(dir.Path(), "other"), dir.Path() + "other");
    dir.Write("file", {"x"});
    EXPECT_EQ(ResolveFolderNoCase(dir.Path(), "FILE"), dir.Path() + "FILE");  // not a folder
}
