// Files the program writes: replaced whole or not at all, never through a
// link planted beside them, readable like any other file the user writes;
// files read only when regular and within their bound.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "model/OwnDice.h"
#include "output/Resume.h"
#include "session/WindowPlaces.h"
#include "support/TestGame.h"
#include "text/Files.h"

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

// Runs `write` in a child process whose files may not grow past 16 bytes,
// as on a full disk; whether it failed saying so.
bool FailsOnAFullDisk(FileWriter write, const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string problem = write(path, std::string(100000, 'x'));
        ::_exit(problem.find("writing failed") != std::string::npos &&
                        problem.find(path) != std::string::npos
                    ? 0
                    : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

// Both ways of writing a file: a new one made in place, an existing one
// (a link included) replaced through a temporary file.
TEST(WriteFileAtomic, ReplacesTheTargetNotWhatALinkPointsTo) {
    for (FileWriter write : {WriteFileAtomic, WriteNewFile}) {
        TempDir dir, elsewhere;
        const std::string target = dir.Path() + "page.htm";
        const std::string victim = elsewhere.Write("victim.txt", {"precious"});
        // Links under the names a predictable temporary file would take, and the
        // target itself a link: none of them is written through.
        for (const std::string& suffix : {std::string(".tmp"), ".tmp" + std::to_string(::getpid())})
            fs::create_symlink(victim, target + suffix);
        fs::create_symlink(victim, target);
        EXPECT_EQ(write(target, "new page"), "");
        EXPECT_EQ(elsewhere.Read("victim.txt"), "precious\r\n");
        EXPECT_FALSE(fs::is_symlink(target));
        EXPECT_EQ(dir.Read("page.htm"), "new page");

        // A new file, and the same file again.
        const std::string fresh = dir.Path() + "fresh.htm";
        EXPECT_EQ(write(fresh, "first"), "");
        EXPECT_EQ(write(fresh, "second"), "");
        EXPECT_EQ(dir.Read("fresh.htm"), "second");

        const mode_t mask = ::umask(0);
        ::umask(mask);
        for (const std::string& path : {target, fresh}) {
            struct stat info {};
            ASSERT_EQ(::stat(path.c_str(), &info), 0);
            EXPECT_EQ(info.st_mode & 0777, 0644 & ~mask) << path;
        }
    }
}

TEST(WriteFileAtomic, AFailedWriteKeepsTheOldFileAndLeavesNothing) {
    for (FileWriter write : {WriteFileAtomic, WriteNewFile}) {
        TempDir dir;
        dir.Write("page.htm", {"old page"});
        EXPECT_TRUE(FailsOnAFullDisk(write, dir.Path() + "page.htm"));
        EXPECT_EQ(dir.Read("page.htm"), "old page\r\n");
        EXPECT_TRUE(Leftovers(dir, "page.htm").empty());
        // A file that did not exist is not left half-written either.
        EXPECT_TRUE(FailsOnAFullDisk(write, dir.Path() + "new.htm"));
        EXPECT_TRUE(Leftovers(dir, "page.htm").empty());

        EXPECT_NE(write(dir.Path() + "no/such/folder/page.htm", "x"), "");
    }
}

// (A folder in another letter case, or none, the default template's test finds.)
TEST(Files, AFileOfTheFoldersNameIsNoFolder) {
    TempDir dir;
    dir.Write("file", {"x"});
    EXPECT_EQ(ResolveFolderNoCase(dir.Path(), "FILE"), dir.Path() + "FILE");  // not a folder
}

// What stands under a file's name but is no regular file, or holds more
// than the bound, is refused with the reason, never read without end or
// waited on; every reader goes through the same door.
TEST(Files, OnlyRegularFilesWithinTheirBoundAreRead) {
    TempDir dir;
    fs::create_directories(dir.Path() + "folder");
    fs::create_symlink("/dev/zero", dir.Path() + "zero");
    ASSERT_EQ(::mkfifo((dir.Path() + "pipe").c_str(), 0600), 0);
    dir.Write("big", {std::string(TextFileLimit, 'x')});  // over by its line end
    dir.Write("real", {"line"});
    fs::create_symlink(dir.Path() + "real", dir.Path() + "link");
    const std::string device = "it is not a regular file (a device, pipe or socket)";
    for (const auto& [name, why] : std::vector<std::pair<std::string, std::string>>{
             {"folder", "it is a folder, not a file"},
             {"zero", device},
             {"pipe", device},
             {"big", "it holds more than 1 MiB"},
             {"missing", "it does not exist"},
             // The system would read "real" itself.
             {std::string("real\0.txt", 9), "its name holds a NUL character"}}) {
        std::string said;
        EXPECT_FALSE(ReadLines(dir.Path() + name, &said)) << name;
        EXPECT_EQ(said, why) << name;
    }
    EXPECT_EQ(ReadLines(dir.Path() + "link").value_or(std::vector<std::string>{}),
              std::vector<std::string>{"line"});

    const std::string zero = dir.Path() + "zero";
    std::string problem;
    EXPECT_FALSE(ReadThrowList(zero, problem));
    EXPECT_EQ(problem, "Cannot read the dice list " + zero + ": " + device + ".");
    EXPECT_FALSE(ReadTemplate(dir.Path() + "pipe", problem));
    EXPECT_EQ(problem, "The template " + dir.Path() + "pipe cannot be read: " + device + ".");
    fs::create_symlink("/dev/zero", dir.Path() + WindowPlacesFileName);
    EXPECT_FALSE(ReadWindowPlace(dir.Path(), "Form1"));  // the usual places
}
