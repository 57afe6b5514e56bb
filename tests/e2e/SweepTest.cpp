// Batch runs as a whole: bad requests, refused files and unusable
// templates are errors; one thread or two make the same files. (Every career
// of the sample data is played by the invariants sweep and written by the
// golden test.)
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "batch/Batch.h"
#include "batch/FolderLock.h"
#include "model/Text.h"
#include "startup/Files.h"
#include "support/TestGame.h"

using namespace orrimar;

TEST(Sweep, BadRequestsAreRefusedWithAMessage) {
    BatchOptions options;
    options.DataDir = SampleDataDir();
    options.WritePages = false;
    for (const auto& [race, service, branch, message] : std::vector<std::array<std::string, 4>>{
             {"No such race", "", "", "no race matches \"No such race\""},
             {"Vargr", "Imperial Army", "", "no race matching \"Vargr\" offers a service matching"},
             {"", "No such service", "", "no race offers a service matching \"No such service\""},
             {"", "Navy", "Garrison",
              "offers a service matching \"Navy\" with a branch matching"}}) {
        std::ostringstream log;
        options.Race = race;
        options.Service = service;
        options.Branch = branch;
        EXPECT_EQ(RunBatch(options, log), 1) << race;
        EXPECT_NE(log.str().find(message), std::string::npos) << log.str();
    }
    options.Race = options.Service = options.Branch = "";
    std::ostringstream log;
    TempDir empty;
    options.DataDir = empty.Path();
    EXPECT_EQ(RunBatch(options, log), 1);
    EXPECT_NE(log.str().find("no data folder"), std::string::npos);
    // Terms out of range are brought within what a record holds, and the
    // recipe records the terms played for.
    options = BatchOptions{};
    options.DataDir = SampleDataDir();
    options.OutDir = "-";
    options.Format = BatchFormat::Jsonl;
    options.Seed = 5;
    for (const auto& [asked, played] : {std::pair{0, "\"terms\":1,"}, {1000, "\"terms\":99,"}}) {
        std::ostringstream lines;
        options.Terms = asked;
        ASSERT_EQ(RunBatch(options, log, nullptr, &lines), 0) << log.str();
        const std::string line = lines.str();
        EXPECT_NE(line.find(played, line.find("\"recipe\"")), std::string::npos) << line;
    }
}

// A search keeps the first characters meeting --where, each with its own
// seed (made again alone from it), gives up after --max-tries saying what
// it found, and a crew makes each service's share in turn.
TEST(Sweep, SearchesAndCrewsKeepTheirSeeds) {
    BatchOptions options;
    options.DataDir = SampleDataDir();
    options.WritePages = false;
    options.Seed = 11;
    options.Count = 3;
    options.Where = "rank>=O2,age<=50";
    options.Jobs = 2;
    std::ostringstream log;
    std::vector<BatchCharacter> found;
    ASSERT_EQ(RunBatch(options, log, &found), 0) << log.str();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_NE(log.str().find("3 characters generated of "), std::string::npos) << log.str();
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_GE(found[i].RankSort, 102) << found[i].RankCode;
        EXPECT_LE(found[i].Age, 50);
        if (i) {
            EXPECT_GT(found[i].Seed, found[i - 1].Seed);
        }
    }
    BatchOptions alone = options;
    alone.Where = "";
    alone.Count = 1;
    alone.Seed = found[2].Seed;
    std::vector<BatchCharacter> again;
    ASSERT_EQ(RunBatch(alone, log, &again), 0) << log.str();
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].Name + again[0].RankCode + again[0].Upp,
              found[2].Name + found[2].RankCode + found[2].Upp);

    options.Where = "STR>=99";
    options.MaxTries = 4;
    std::ostringstream hopeless;
    EXPECT_EQ(RunBatch(options, hopeless, &found), 1);
    EXPECT_NE(hopeless.str().find(
                  "--where \"STR>=99\": 4 characters tried (--max-tries 4), 0 matched, 3 wanted."),
              std::string::npos)
        << hopeless.str();

    options.Where = "terms>=3";
    options.MaxTries = DefaultMaxTries;
    options.Crew = {{"Navy", 2}, {"Scout", 1}};
    ASSERT_EQ(RunBatch(options, log, &found), 0) << log.str();
    ASSERT_EQ(found.size(), 3u);
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_NE(found[i].Service.find(i < 2 ? "Navy" : "Scout"), std::string::npos)
            << found[i].Service;
        EXPECT_GE(found[i].Terms, 3);
    }
}

// A race, service or branch asked for by name whose file the loader
// refuses is an error naming the file and line, not characters of another
// race; a template that is a folder or empty is refused before any page.
TEST(Sweep, RefusedFilesAndTemplatesAreErrorsNotSuccesses) {
    TempDir data, out;
    CopySampleData(data);
    auto zhodani = *ReadLines(data.Path() + "ZHODANI.ERI");
    for (auto& line : zhodani)
        if (StartsWith(line, "STR=")) line = "STR=two";
    data.Write("ZHODANI.ERI", zhodani);
    auto army = *ReadLines(data.Path() + "ARMY.SRV");
    for (auto& line : army)
        if (line == "Max=17") line = "Max=99";
    data.Write("ARMY.SRV", army);

    BatchOptions options;
    options.DataDir = data.Path();
    options.OutDir = out.Path();
    options.Count = 3;
    // A service file that never ends, or whose reader never comes, is not
    // read at all.
    std::filesystem::remove(data.Path() + "NAVY.SRV");
    std::filesystem::create_symlink("/dev/zero", data.Path() + "NAVY.SRV");
    std::filesystem::remove(data.Path() + "MARINE.SRV");
    ASSERT_EQ(::mkfifo((data.Path() + "MARINE.SRV").c_str(), 0600), 0);

    for (const auto& [race, service, said] : std::vector<std::array<std::string, 3>>{
             {"Zhodani", "", "ZHODANI.ERI:"},
             {"Imperial", "Imperial Army", "ARMY.SRV:"},
             {"Imperial", "Imperial Navy",
              "NAVY.SRV:0: cannot read the service file: it is not a "
              "regular file"},
             {"Imperial", "Imperial Marines", "MARINE.SRV:0: cannot read"}}) {
        std::ostringstream log;
        std::vector<BatchCharacter> made;
        options.Race = race;
        options.Service = service;
        EXPECT_EQ(RunBatch(options, log, &made), 1) << service;
        EXPECT_TRUE(made.empty()) << service;
        EXPECT_NE(log.str().find(said), std::string::npos) << log.str();
    }

    options.Race = options.Service = "";
    options.DataDir = SampleDataDir();
    TempDir templates;
    templates.Write("blank.htm", {"", "  "});
    templates.Write("program.htm", {"<html>",
                                    std::string("\x7f"
                                                "ELF\0\0",
                                                6),
                                    "</html>"});
    for (const std::string& path :
         {templates.Path(), templates.Path() + "blank.htm", templates.Path() + "program.htm"}) {
        std::ostringstream log;
        options.TemplatePath = path;
        EXPECT_EQ(RunBatch(options, log), 1) << path;
        EXPECT_NE(log.str().find("The template " + path), std::string::npos) << log.str();
    }
    EXPECT_TRUE(std::filesystem::is_empty(out.Path()));
}

// Characters that cannot be made leave no gap in the index: its rows
// number the characters made, in their order, and its head, like the log,
// counts them; nothing else is left in the folder. Two threads make the
// same files byte for byte, and the same log.
TEST(Sweep, TheIndexNumbersTheCharactersMadeInOrder) {
    // Races whose files the loader refuses: the characters drawn of them fail.
    TempDir data;
    CopySampleData(data);
    for (const char* file : {"ZHODANI.ERI", "VARGR.ERI", "ASLANF.ERI", "ASLANM.ERI", "DROYNE.ERI",
                             "IMPERIAL.ERI", "CHELITH.ERI"}) {
        auto lines = *ReadLines(data.Path() + file);
        for (auto& line : lines)
            if (StartsWith(line, "STR=")) line = "STR=two";
        data.Write(file, lines);
    }
    std::string files[2], logs[2];
    for (int jobs : {1, 2}) {
        TempDir out;
        BatchOptions options;
        options.Count = 16;
        options.Seed = 3;
        options.DataDir = data.Path();
        options.OutDir = out.Path();
        options.Jobs = jobs;
        std::ostringstream log;
        std::vector<BatchCharacter> made;
        EXPECT_EQ(RunBatch(options, log, &made), 1) << log.str();
        ASSERT_GT(made.size(), 1u);
        ASSERT_LT(made.size(), 16u);
        const std::string count = std::to_string(made.size());
        const std::string index = out.Read("index.htm");
        EXPECT_NE(index.find("<p>" + count + " characters, batch seed 3.</p>"), std::string::npos);
        size_t at = 0;
        for (size_t i = 0; i < made.size(); ++i) {
            at = index.find(
                "<tr><td>" + std::to_string(i + 1) + "</td><td><a href=\"" + made[i].File + "\">",
                at);
            ASSERT_NE(at, std::string::npos) << made[i].File << "\n" << index;
        }
        EXPECT_EQ(index.find("<tr><td>" + std::to_string(made.size() + 1) + "<"),
                  std::string::npos);
        EXPECT_NE(index.find("</tbody>\r\n</table>\r\n<script>"), std::string::npos);
        EXPECT_TRUE(index.ends_with("</script>\r\n</body>\r\n</html>\r\n"));
        EXPECT_EQ(out.Read("batch.log"), "Batch seed 3, " + count + " characters.\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path()), {}),
                  static_cast<long>(made.size()) + 4);
        // The CSV copy: a header, then the same characters under the same numbers.
        const std::string csv = out.Read("index.csv");
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), static_cast<long>(made.size()) + 1);
        for (size_t i = 0; i < made.size(); ++i)
            EXPECT_NE(csv.find("\r\n" + std::to_string(i + 1) + "," + made[i].Name + ","),
                      std::string::npos)
                << csv;
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(out.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        for (const auto& name : names) files[jobs - 1] += "==> " + name + "\n" + out.Read(name);
        logs[jobs - 1] = log.str();
    }
    EXPECT_TRUE(files[0] == files[1]);
    EXPECT_EQ(logs[0].substr(0, logs[0].find(" in ")), logs[1].substr(0, logs[1].find(" in ")));
}

// On a full disk each page that cannot be written is named and removed,
// and the index lists none of them.
TEST(Sweep, PagesTheDiskRefusesAreNamedAndLeaveNothing) {
    TempDir out;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Files may not grow past 7,000 bytes: the index and log fit, no page does.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{7000, 7000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        BatchOptions options;
        options.Count = 3;
        options.DataDir = SampleDataDir();
        options.OutDir = out.Path();
        std::ostringstream log;
        const bool named = RunBatch(options, log) == 1 &&
                           log.str().find("character 3: Cannot write " + out.Path() + "0003-") !=
                               std::string::npos;
        ::_exit(named ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(out.Path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files,
              (std::vector<std::string>{"batch.log", "cards.htm", "index.csv", "index.htm"}));
    EXPECT_NE(out.Read("index.htm").find("<p>0 characters"), std::string::npos);
}

// What was asked is what is drawn: a service or branch some races lack
// draws only races (and services) offering it, every character made, and a
// name several races hold draws among them.
TEST(Sweep, OnlyRacesOfferingWhatWasAskedAreDrawn) {
    BatchOptions options;
    options.Count = 8;
    options.Seed = 3;
    options.DataDir = SampleDataDir();
    options.WritePages = false;
    std::ostringstream log;
    std::vector<BatchCharacter> made;
    options.Service = "Navy";
    EXPECT_EQ(RunBatch(options, log, &made), 0) << log.str();
    EXPECT_EQ(made.size(), 8u);
    options.Service = "";
    options.Branch = "frontier garrison";  // two services of two races
    EXPECT_EQ(RunBatch(options, log, &made), 0) << log.str();
    ASSERT_EQ(made.size(), 8u);
    for (const auto& c : made) EXPECT_EQ(c.Branch, "Frontier Garrison") << c.Service;
    options.Branch = "";
    options.Race = "aslan";
    ASSERT_EQ(RunBatch(options, log, &made), 0) << log.str();
    std::set<std::string> races;
    for (const auto& c : made) races.insert(c.Race);
    EXPECT_EQ(races, (std::set<std::string>{"Aslan female", "Aslan male"}));
}

// One batch a folder: a folder another running batch holds is refused
// naming it (a lock whose process is gone is taken over), and one holding
// a finished batch is refused unless asked to replace it, which removes
// that batch's files and nothing else.
TEST(Sweep, AFolderTakenOrHoldingABatchIsRefused) {
    TempDir out;
    BatchOptions options;
    options.Count = 2;
    options.DataDir = SampleDataDir();
    options.OutDir = out.Path();
    const std::string lock = out.Path() + BatchLockName;
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    for (const pid_t owner : {::getpid(), gone}) {
        std::ofstream(lock) << owner << "\n";
        std::ostringstream log;
        const bool alive = owner == ::getpid();
        EXPECT_EQ(RunBatch(options, log), alive ? 1 : 0) << log.str();
        EXPECT_EQ(log.str().find("being written by another batch (process " +
                                 std::to_string(owner) + ")") != std::string::npos,
                  alive)
            << log.str();
        EXPECT_EQ(std::filesystem::exists(lock), alive);
        std::filesystem::remove(lock);
    }
    // The batch of seed 0 is in the folder; one of seed 50 goes there.
    std::ofstream(out.Path() + "notes.txt") << "mine\n";
    std::vector<BatchCharacter> made;
    options.Seed = 50;
    std::ostringstream log;
    EXPECT_EQ(RunBatch(options, log, &made), 1);
    EXPECT_NE(log.str().find("already holds a batch"), std::string::npos) << log.str();
    options.ReplaceBatch = true;
    ASSERT_EQ(RunBatch(options, log, &made), 0) << log.str();
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(out.Path()))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{made[0].File, made[1].File, "batch.log", "cards.htm",
                                               "index.csv", "index.htm", "notes.txt"}));
    EXPECT_NE(out.Read("index.htm").find("batch seed 50"), std::string::npos);
}
