// The terminal face over the sample data, driven by scripted input.

#include <csignal>
#include <cstdio>
#include <regex>

#include <sys/wait.h>
#include <unistd.h>

#include "support/Cli.h"
#include "text/Files.h"

using namespace orrimar;

// The checker lists every problem with its file and line: warnings with
// their hints and a count (only --strict fails on them), errors in a broken
// folder, a service file missing and one that is no file, each said as such.
TEST(Cli, CheckerListsEveryProblemWithFileAndLine) {
    TempDir work, warned, broken, sample;
    CopySampleData(warned);
    const auto lines = *ReadLines(warned.Path() + "ARMY.SRV");
    const auto siege = std::find(lines.begin(), lines.end(), "Siege");
    ASSERT_NE(siege, lines.end());
    warned.Edit("ARMY.SRV", [](std::string& line) { line = line == "Siege" ? "Seige" : line; });
    const std::string at = "ARMY.SRV:" + std::to_string(siege - lines.begin() + 1) + ": warning: ";
    broken.Write("IMPERIAL.ERI", {"Humans", "Type=1", "[STATS]", "STR=2D", "bad line", "[FILES]",
                                  "GONE.SRV=Missing service", "BROKEN.SRV=Broken service"});
    broken.Write("BROKEN.SRV",
                 {"Broken", "[SKILL TABLES]", "T", "Max=1", "x", "[MUSTER]", "Mat=1"});
    broken.Write("cascade.dat", {"* END *"});
    CopySampleData(sample);
    std::filesystem::remove(sample.Path() + "NAVY.SRV");
    std::filesystem::remove(sample.Path() + "ARMY.SRV");
    std::filesystem::create_symlink("/dev/zero", sample.Path() + "ARMY.SRV");
    const auto check = [](const TempDir& data) { return "--check-data '" + data.Path() + "'"; };
    for (const auto& [args, status, said] :
         std::vector<std::tuple<std::string, int, std::vector<std::string>>>{
             {check(warned),
              0,
              {at + "throw 2 of branch \"ARMYINF\": \"Seige\"",
               "\n    hint: did you mean \"Siege\"?\n", ": 0 errors and "}},
             {"--strict " + check(warned), 1, {"(--strict: warnings fail)"}},
             {"--strict", 2, {}},
             {check(broken), 1, {"IMPERIAL.ERI:5:", "COYNS.DAT:0:", " errors and "}},
             {check(sample),
              1,
              {"NAVY.SRV:0: the service file is missing.",
               "ARMY.SRV:0: cannot read the service file: it is not a regular file"}}}) {
        EXPECT_TRUE(Ran(RunCli(args, work), status, said)) << args;
    }
}

// Interactive runs to their end. A first run without installed sample data
// asks for IMPERIAL.ERI in words that fit a terminal (what to type, not what
// to click); a race file that does not load, first in the list and so
// loaded at start-up, is named, not a crash.
TEST(Cli, InteractiveRunsEndAsTheirInputAsks) {
    TempDir broken, firstRun, secondRun;
    broken.Write("IMPERIAL.ERI", {"Humans", "Type=1", "[STATS]", "STR=2D"});
    broken.Write("BAD.ERI", {"Broken folk", "Type=2", "[STATS]", "nonsense here"});
    broken.Write("cascade.dat", {"GUN COMBAT/Rifle", "* END *"});
    broken.Write("COYNS.DAT", std::vector<std::string>(36, "COIN"));
    EXPECT_TRUE(Ran(RunCli("", firstRun, SampleDataDir() + "IMPERIAL.ERI\n14\n"), 0,
                    {"Type the path of the file", "Orrimar has been set to read data files from"},
                    {"DATA.ZIP", "click", "browse"}));
    EXPECT_TRUE(
        Ran(RunCli("--data '" + broken.Path() + "'", secondRun, "14\n"), 0, {"BAD.ERI:4:"}));
}

// Each mode says what is wrong with the folder it was given (the three
// share one check: each mode once, each fault once).
TEST(Cli, WrongDataFolderStopsWithAMessage) {
    TempDir work, empty;
    ASSERT_EQ(
        RunCli("--auto --format json --out made --data '" + SampleDataDir() + "'", work).status, 0);
    const std::string file = work.Path() + "input.txt";
    for (const auto& [args, said] : std::vector<std::pair<std::string, std::string>>{
             {"--data '" + empty.Path() + "'", "holds no IMPERIAL.ERI"},
             {"--auto --no-pages --data /nonexistent", "folder /nonexistent does not exist"},
             {"--regenerate made/0001-*.json --data '" + file + "'", file + " is not a folder"}})
        EXPECT_TRUE(Ran(RunCli(args, work), 1, {said}, {"give --data"}));
}

// The program's Latin-1 texts reach a UTF-8 terminal as UTF-8 and a C
// locale terminal as plain ASCII; data text that would steer the terminal
// (set its title, clear the screen) is shown, not obeyed, whatever the
// locale: a race name in the interactive lists, a skill the rules cannot
// find in a batch's messages. What is typed or given on the command line in
// UTF-8 is read back as Latin-1, and a letter Latin-1 lacks is refused with
// a word.
TEST(Cli, TextsMeetTheTerminalInItsOwnEncodingAndCannotSteerIt) {
    TempDir work, data;
    CopySampleData(data);
    bool first = true;
    data.Edit("IMPERIAL.ERI", [&](std::string& line) {
        if (std::exchange(first, false))
            line =
                "Imp\xE9rial\x1B]0;owned\x07 citizen\x9B"
                "2J";
    });
    // The army's skill tables name a cascade that is nowhere defined.
    data.Edit("ARMY.SRV", [](std::string& line) {
        if (line == "GUN COMBAT")
            line =
                "GUN\x1B]0;OWNED\x07"
                "COMBAT";
    });
    const std::string folder = "--data '" + data.Path() + "'";
    const std::string batch =
        folder + " --auto --count 5 --seed 1 --no-pages --race IMPERIAL.ERI --service army";
    for (const auto& [args, input, locale, shown] : std::vector<std::array<std::string, 4>>{
             {folder, "1\n10\n14\n", "C.UTF-8", "Imp\xC3\xA9rial^[]0;owned^G citizen^[[2J"},
             {folder, "1\n10\n14\n", "C", "Imperial^[]0;owned^G citizen^[[2J"},
             {batch, "", "C", "Cascade not found GUN^[]0;OWNED^GCOMBAT"}}) {
        const CliRun run = RunCli(args, work, input, locale);
        const std::string output = run.Both();
        EXPECT_TRUE(Ran(run, 0, {shown})) << locale;
        EXPECT_EQ(output.find_first_of("\x1B\x07\x9B"), std::string::npos) << locale << output;
        EXPECT_TRUE(locale != "C" ||
                    std::all_of(output.begin(), output.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            << output;
    }
    EXPECT_TRUE(Ran(RunCli(folder + " --auto --count 1 --no-pages --race 'Imp\xC3\xA9rial'", work,
                           "", "C.UTF-8"),
                    0));
    // "Type characteristics in", then a letter outside Latin-1 for the first.
    EXPECT_TRUE(Says(RunCli(folder, work, "5\n\xC5\x9C\n", "C.UTF-8").Both(),
                     {"These characters cannot be kept: \xC5\x9C"}));
}

// --version (-V) gives the program's version, as the JSON documents carry
// it, the window title's and the data format's; an option missing its
// value says what it misses and starts nothing; --help lists the exit
// statuses and every option in its synopsis; counts of one read right.
TEST(Cli, VersionHelpAndMissingValues) {
    TempDir work;
    const std::string one =
        RunCli("--auto --count 1 --seed 2 --format jsonl --out - --data '" + SampleDataDir() + "'",
               work)
            .Both();
    EXPECT_TRUE(Says(one, {"1 character generated, seed 2.\n"}));
    std::smatch version;
    ASSERT_TRUE(std::regex_search(
        one, version, std::regex("\"program\":\\{\"name\":\"Orrimar\",\"version\":\"([^\"]+)\"")))
        << one;
    for (const char* flag : {"--version", "-V"})
        EXPECT_EQ(RunCli(flag, work).Both(), "orrimar-cli " + version[1].str() +
                                                 " (Astrovane Characters v0.2)\ndata format 1\n");
    for (const auto& [args, message] : std::vector<std::pair<std::string, std::string>>{
             {"--data", "--data needs a folder"},
             {"--auto --no-pages --race ''", "--race needs a name"},
             {"--auto --no-pages COURTMARTIAL", "unknown argument COURTMARTIAL"},
             {"--data x --compare y", "--compare and --report go with --stats"},
             {"--auto --out - --format both",
              "standard output takes JSON Lines or stat blocks only: give --format jsonl or "
              "text, or --out DIR for pages"},
             {"--auto --format html", "--auto needs --out DIR (or --no-pages)"},
             {"--auto --no-pages --where 'Pilot>>2'",
              "--where \"Pilot>>2\": at character 7: only one comparison in a condition"},
             {"--auto --no-pages --crew Navy:2 --count 3",
              "--crew gives the services and their counts: leave out --count and --service"}}) {
        EXPECT_TRUE(
            Ran(RunCli(args, work, "14\n"), 2, {"orrimar-cli: " + message + "\n"}, {"Statistics"}));
    }
    const CliRun help = RunCli("--help", work);
    EXPECT_TRUE(Ran(help, 0,
                    {"Exit status: 0", "1 when the", "2 for a wrong command line",
                     "3 when the input ended", "-V, --version", "--strict"}));
    EXPECT_TRUE(Says(help.out.substr(0, help.out.find("\n\n")),
                     {"--jobs N", "--no-pages", "--template FILE", "--yes"}));
}

// Stat blocks: without --out a batch writes one per character to standard
// output (their text is pinned by the golden pages' sheets). "Print stat
// blocks" in the Show menu shows a batch folder's sheet (the terminal
// prints it as text), and says what any other folder lacks.
TEST(Cli, StatBlocksGoToStandardOutputOrPrintFromABatchFolder) {
    TempDir work;
    const std::string data = " --data '" + SampleDataDir() + "'";
    const CliRun run = RunCli("--auto --seed 5 --count 3" + data, work);
    EXPECT_TRUE(Ran(run, 0, {"3 characters generated, seed 5."}));
    const std::string blocks = run.Both();
    const std::regex block("\n  UPP ");
    EXPECT_EQ(std::distance(std::sregex_iterator(blocks.begin(), blocks.end(), block), {}), 3)
        << blocks;
    for (const char* folder : {"npcs", "old"})
        ASSERT_EQ(
            RunCli("--auto --count 2 --seed 5 --out " + std::string(folder) + data, work).status,
            0);
    std::filesystem::remove(work.Path() + "old/cards.htm");
    std::filesystem::create_directories(work.Path() + "odd/cards.htm");
    std::filesystem::create_directories(work.Path() + "empty");
    std::ofstream(work.Path() + "empty/cards.htm") << "<html>no cards</html>";
    const std::pair<std::string, std::string> cases[] = {
        {"npcs", "Seed 6\n(end of the preview; nothing was saved)"},
        {"old", "old holds a batch but no stat-block sheet (cards.htm;"},
        {"odd", "cannot read odd/cards.htm: it is a folder"},
        {"empty", "empty/cards.htm holds no stat block"},
        {".", ". holds no batch of characters"},
        {"missing", "missing is not a folder"},
    };
    std::string input;
    for (const auto& [folder, said] : cases) input += "10\n8\n" + folder + "\n";
    std::vector<std::string> said;
    for (const auto& [folder, text] : cases) said.push_back(text);
    EXPECT_TRUE(Ran(RunCli(data, work, input + "14\n", "C", "COLUMNS=200"), 0, said));
}

// The option sets (9) and Show (10) > Statistics (7) answer in the
// terminal: the sets offered, then 50 Vargr (14) army (2) careers without a
// report; then exit (14).
TEST(Cli, OptionSetsAndStatisticsAnswerInTheTerminal) {
    TempDir work;
    EXPECT_TRUE(Ran(
        RunCli("--data '" + SampleDataDir() + "'", work, "9\n0\n10\n7\n14\n2\n50\n0\n14\n"), 0,
        {"== Load option set ==\n 5 Create\n", "Statistics:", "== Vargr, Army: 50 careers =="}));
}

// What standard output refuses (a full disk) fails, whether a batch or
// the program as a whole wrote it (every other mode ends through the same
// check as --help), and a batch does not claim the characters it could not
// write.
TEST(Cli, WhatStandardOutputRefusesIsAnError) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    TempDir work;
    for (const std::string& args :
         {"--auto --count 20 --format jsonl --out - --data '" + SampleDataDir() + "'",
          std::string("--help")}) {
        const std::string command =
            "cd '" + work.Path() + "' && '" + ORRIMAR_CLI + "' " + args + " > /dev/full 2> err.txt";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << args;
        EXPECT_TRUE(Says(work.Read("err.txt"), {"orrimar-cli: cannot write"}, {"generated"}));
    }
}

// A batch stopped by SIGINT or SIGTERM finishes what it began: every file
// in its folder is whole and indexed, nothing temporary is left, and the
// status names the signal; a JSON Lines file stopped part way leaves the
// earlier one as it was.
TEST(Cli, AStoppedBatchLeavesOnlyWholeIndexedFiles) {
    namespace fs = std::filesystem;
    for (const auto& [format, signal] : {std::pair{"html", SIGINT}, std::pair{"jsonl", SIGTERM}}) {
        TempDir work;
        const bool lines = format == std::string("jsonl");
        const std::string out = work.Path() + (lines ? "all.jsonl" : "out");
        if (lines) std::ofstream(out) << "earlier\n";
        const std::string data = SampleDataDir(), err = work.Path() + "err.txt";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (!std::freopen(err.c_str(), "w", stderr)) ::_exit(126);
            ::execl(ORRIMAR_CLI, "orrimar-cli", "--auto", "--count", "100000", "--format", format,
                    "--out", out.c_str(), "--data", data.c_str(), nullptr);
            ::_exit(127);
        }
        // Once it writes: pages in the folder, or lines in a file beside.
        const auto writing = [&] {
            std::error_code ec;
            if (!lines)
                return fs::exists(out) && std::distance(fs::directory_iterator(out), {}) > 3;
            for (const auto& entry : fs::directory_iterator(work.Path()))
                if (entry.path().filename().string().starts_with("all.jsonl.") &&
                    fs::file_size(entry.path(), ec) > 0)
                    return true;
            return false;
        };
        for (int waited = 0; waited < 2000 && !writing(); ++waited) ::usleep(10000);
        ::kill(child, signal);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + signal) << status;
        EXPECT_TRUE(Says(work.Read("err.txt"),
                         {std::string("stopped by ") + (lines ? "SIGTERM" : "SIGINT")}));
        EXPECT_EQ(work.Names(), (std::vector<std::string>{lines ? "all.jsonl" : "err.txt",
                                                          lines ? "err.txt" : "out"}));
        if (lines) {
            EXPECT_EQ(work.Read("all.jsonl"), "earlier\n");
            continue;
        }
        const std::string index = work.Read("out/index.htm");
        int pages = 0;
        for (const std::string& name : work.Names("out")) {
            if (name.starts_with("index.") || name == "cards.htm" || name == "batch.log") continue;
            ++pages;
            EXPECT_TRUE(index.find("href=\"" + name + "\"") != std::string::npos) << name;
            EXPECT_TRUE(work.Read("out/" + name).ends_with("-->\r\n")) << name;
        }
        EXPECT_GT(pages, 2);
        EXPECT_TRUE(Says(index, {"<p>" + std::to_string(pages) + " characters"}));
    }
}
