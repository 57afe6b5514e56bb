// Batch runs as a whole: bad requests, refused files and unusable
// templates are errors; one thread or two make the same files. (Every career
// of the sample data is played by the invariants sweep and written by the
// golden test.)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "batch/Batch.h"
#include "batch/FolderLock.h"
#include "support/Cli.h"
#include "text/Files.h"
#include "text/Text.h"

using namespace orrimar;

namespace {

// `count` characters of seed `seed` from the folder `data`, their pages in
// `out` (none when empty).
BatchOptions Batch(int count, uint64_t seed, const std::string& out = "",
                   const std::string& data = SampleDataDir()) {
    BatchOptions o;
    std::tie(o.Count, o.Seed, o.OutDir, o.WritePages, o.DataDir) =
        std::tuple(count, seed, out, !out.empty(), data);
    return o;
}

// A batch run as the terminal program runs it: its status, its log as the
// output, and the characters made into `made`.
CliRun Play(const BatchOptions& options, std::vector<BatchCharacter>* made = nullptr) {
    std::ostringstream log;
    const int status = RunBatch(options, log, made);
    return {status, log.str(), ""};
}

}  // namespace

// What was asked is what is drawn: a service or branch some races lack
// draws only races (and services) offering it, every character made, and a
// name several races hold draws among them. What none offers is refused
// with a message.
TEST(Sweep, WhatWasAskedIsDrawnOrRefusedWithAMessage) {
    BatchOptions options = Batch(8, 3);
    std::vector<BatchCharacter> made;
    options.Branch = "frontier garrison";  // two services of two races
    EXPECT_TRUE(Ran(Play(options, &made), 0));
    ASSERT_EQ(made.size(), 8u);
    for (const auto& c : made) EXPECT_EQ(c.Branch, "Frontier Garrison") << c.Service;
    options.Branch = "";
    options.Race = "aslan";
    ASSERT_TRUE(Ran(Play(options, &made), 0));
    std::set<std::string> races;
    for (const auto& c : made) races.insert(c.Race);
    EXPECT_EQ(races, (std::set<std::string>{"Aslan female", "Aslan male"}));

    for (const auto& [race, service, branch, message] : std::vector<std::array<std::string, 4>>{
             {"No such race", "", "", "no race matches \"No such race\""},
             {"Vargr", "Imperial Army", "", "no race matching \"Vargr\" offers a service matching"},
             {"", "No such service", "", "no race offers a service matching \"No such service\""},
             {"", "Navy", "Garrison",
              "offers a service matching \"Navy\" with a branch matching"}}) {
        std::tie(options.Race, options.Service, options.Branch) = std::tie(race, service, branch);
        EXPECT_TRUE(Ran(Play(options), 1, {message}));
    }
    TempDir empty;
    EXPECT_TRUE(Ran(Play(Batch(1, 0, "", empty.Path())), 1, {"no data folder"}));
    // Terms out of range are brought within what a record holds, and the
    // recipe records the terms played for.
    for (const auto& [asked, played] : {std::pair{0, "\"terms\":1,"}, {1000, "\"terms\":99,"}}) {
        std::ostringstream lines;
        BatchOptions terms = Batch(1, 5, "-");
        std::tie(terms.Format, terms.Terms) = std::tuple(BatchFormat::Jsonl, asked);
        std::ostringstream log;
        ASSERT_EQ(RunBatch(terms, log, nullptr, &lines), 0) << log.str();
        const std::string line = lines.str();
        EXPECT_NE(line.find(played, line.find("\"recipe\"")), std::string::npos) << line;
    }
}

// A search keeps the first characters meeting --where, each with its own
// seed (made again alone from it), gives up after --max-tries saying what
// it found, and a crew makes each service's share in turn.
TEST(Sweep, SearchesAndCrewsKeepTheirSeeds) {
    BatchOptions options = Batch(3, 11);
    std::tie(options.Jobs, options.Where) = std::tuple(2, "rank>=O2,age<=50");
    std::vector<BatchCharacter> found;
    ASSERT_TRUE(Ran(Play(options, &found), 0, {"3 characters generated of "}));
    ASSERT_EQ(found.size(), 3u);
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_TRUE(found[i].RankSort >= 102 && found[i].Age <= 50) << found[i].RankCode;
        EXPECT_TRUE(i == 0 || found[i].Seed > found[i - 1].Seed);
    }
    BatchOptions alone = options;
    alone.Where = "";
    alone.Count = 1;
    alone.Seed = found[2].Seed;
    std::vector<BatchCharacter> again;
    ASSERT_TRUE(Ran(Play(alone, &again), 0));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].Name + again[0].RankCode + again[0].Upp,
              found[2].Name + found[2].RankCode + found[2].Upp);

    options.Where = "STR>=99";
    options.MaxTries = 4;
    EXPECT_TRUE(
        Ran(Play(options, &found), 1,
            {"--where \"STR>=99\": 4 characters tried (--max-tries 4), 0 matched, 3 wanted."}));

    options.Where = "terms>=3";
    options.MaxTries = DefaultMaxTries;
    options.Crew = {{"Navy", 2}, {"Scout", 1}};
    ASSERT_TRUE(Ran(Play(options, &found), 0));
    ASSERT_EQ(found.size(), 3u);
    for (size_t i = 0; i < found.size(); ++i)
        EXPECT_TRUE(Says(found[i].Service, {i < 2 ? "Navy" : "Scout"}) && found[i].Terms >= 3);
}

// A race, service or branch asked for by name whose file the loader
// refuses is an error naming the file and line, not characters of another
// race; a template that is a folder or empty is refused before any page.
TEST(Sweep, RefusedFilesAndTemplatesAreErrorsNotSuccesses) {
    TempDir data, out;
    CopySampleData(data);
    data.Edit("ZHODANI.ERI",
              [](std::string& line) { line = StartsWith(line, "STR=") ? "STR=two" : line; });
    data.Edit("ARMY.SRV", [](std::string& line) { line = line == "Max=17" ? "Max=99" : line; });
    BatchOptions options = Batch(3, 0, out.Path(), data.Path());
    // A service file that never ends is not read at all.
    std::filesystem::remove(data.Path() + "NAVY.SRV");
    std::filesystem::create_symlink("/dev/zero", data.Path() + "NAVY.SRV");

    for (const auto& [race, service, said] : std::vector<std::array<std::string, 3>>{
             {"Zhodani", "", "ZHODANI.ERI:"},
             {"Imperial", "Imperial Army", "ARMY.SRV:"},
             {"Imperial", "Imperial Navy",
              "NAVY.SRV:0: cannot read the service file: it is not a regular file"}}) {
        std::vector<BatchCharacter> made;
        std::tie(options.Race, options.Service) = std::tie(race, service);
        EXPECT_TRUE(Ran(Play(options, &made), 1, {said}) && made.empty()) << service;
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
        options.TemplatePath = path;
        EXPECT_TRUE(Ran(Play(options), 1, {"The template " + path}));
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
        data.Edit(file,
                  [](std::string& line) { line = StartsWith(line, "STR=") ? "STR=two" : line; });
    }
    std::string files[2], logs[2];
    for (int jobs : {1, 2}) {
        TempDir out;
        BatchOptions options = Batch(16, 3, out.Path(), data.Path());
        options.Jobs = jobs;
        std::vector<BatchCharacter> made;
        const CliRun run = Play(options, &made);
        EXPECT_EQ(run.status, 1) << run.out;
        ASSERT_GT(made.size(), 1u);
        ASSERT_LT(made.size(), 16u);
        const std::string count = std::to_string(made.size());
        const std::string index = out.Read("index.htm");
        EXPECT_TRUE(Says(
            index,
            {"<p>" + count + " characters, batch seed 3.</p>", "</tbody>\r\n</table>\r\n<script>"},
            {"<tr><td>" + std::to_string(made.size() + 1) + "<"}));
        // The CSV copy: a header, then the same characters under the same numbers.
        const std::string csv = out.Read("index.csv");
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), static_cast<long>(made.size()) + 1);
        size_t at = 0;
        for (size_t i = 0; i < made.size(); ++i) {
            const std::string n = std::to_string(i + 1);
            at = index.find("<tr><td>" + n + "</td><td><a href=\"" + made[i].File + "\">", at);
            ASSERT_NE(at, std::string::npos) << made[i].File << "\n" << index;
            EXPECT_TRUE(Says(csv, {"\r\n" + n + "," + made[i].Name + ","}));
        }
        EXPECT_TRUE(index.ends_with("</script>\r\n</body>\r\n</html>\r\n"));
        EXPECT_EQ(out.Read("batch.log"), "Batch seed 3, " + count + " characters.\n");
        EXPECT_EQ(out.Names().size(), made.size() + 4);
        for (const auto& name : out.Names())
            files[jobs - 1] += "==> " + name + "\n" + out.Read(name);
        logs[jobs - 1] = run.out;
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
        const std::string named = "character 3: Cannot write " + out.Path() + "0003-";
        ::_exit(Ran(Play(Batch(3, 0, out.Path())), 1, {named}) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(out.Names(),
              (std::vector<std::string>{"batch.log", "cards.htm", "index.csv", "index.htm"}));
    EXPECT_NE(out.Read("index.htm").find("<p>0 characters"), std::string::npos);
}

// One batch a folder: a folder another running batch holds is refused
// naming it (a lock whose process is gone is taken over), and one holding
// a finished batch is refused unless asked to replace it, which removes
// that batch's files and nothing else.
TEST(Sweep, AFolderTakenOrHoldingABatchIsRefused) {
    TempDir out;
    BatchOptions options = Batch(2, 0, out.Path());
    const std::string lock = out.Path() + BatchLockName;
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    for (const pid_t owner : {::getpid(), gone}) {
        std::ofstream(lock) << owner << "\n";
        const bool alive = owner == ::getpid();
        const std::string taken =
            "being written by another batch (process " + std::to_string(owner) + ")";
        EXPECT_TRUE(alive ? Ran(Play(options), 1, {taken}) : Ran(Play(options), 0, {}, {taken}));
        EXPECT_EQ(std::filesystem::exists(lock), alive);
        std::filesystem::remove(lock);
    }
    // The batch of seed 0 is in the folder; one of seed 50 goes there.
    std::ofstream(out.Path() + "notes.txt") << "mine\n";
    std::vector<BatchCharacter> made;
    options.Seed = 50;
    EXPECT_TRUE(Ran(Play(options, &made), 1, {"already holds a batch"}));
    options.ReplaceBatch = true;
    ASSERT_TRUE(Ran(Play(options, &made), 0));
    EXPECT_EQ(out.Names(),
              (std::vector<std::string>{made[0].File, made[1].File, "batch.log", "cards.htm",
                                        "index.csv", "index.htm", "notes.txt"}));
    EXPECT_NE(out.Read("index.htm").find("batch seed 50"), std::string::npos);
}
