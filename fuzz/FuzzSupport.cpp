#include "FuzzSupport.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "batch/Batch.h"
#include "career/Driver.h"
#include "model/Generate.h"
#include "names/Homeworld.h"
#include "names/Names.h"
#include "session/Main.h"

namespace orrimar::fuzz {

namespace fs = std::filesystem;

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.emplace_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::vector<InputFile> SplitFiles(std::string_view data) {
    std::vector<InputFile> files(1);
    size_t start = 0;
    while (start < data.size()) {
        size_t end = data.find('\n', start);
        end = end == std::string_view::npos ? data.size() : end + 1;
        const std::string_view line = data.substr(start, end - start);
        if (line.substr(0, FileMarker.size()) == FileMarker) {
            std::string name(line.substr(FileMarker.size()));
            while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
            files.push_back({name, ""});
        } else {
            files.back().Text += line;
        }
        start = end;
    }
    return files;
}

uint64_t Hash(std::string_view data) {
    uint64_t h = 14695981039346656037ull;
    for (const char c : data) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

namespace {
struct Scratch {
    std::string path;
    Scratch() {
        path =
            (fs::temp_directory_path() / ("orrimar-fuzz-" + std::to_string(::getpid()))).string() +
            "/";
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Scratch() {
        std::error_code ignore;
        fs::remove_all(path, ignore);
    }
};
}  // namespace

const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

void WriteText(const std::string& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::string SampleData() {
    return std::string(ORRIMAR_SOURCE_DIR) + "/data/";
}

AutoUi& SharedUi() {
    static AutoUi ui;
    return ui;
}

void Fail(const std::string& what) {
    throw CheckFailed(what);
}

namespace {
SeededDice& SharedDice() {
    static SeededDice dice(0);
    return dice;
}
}  // namespace

const Game& SampleGame() {
    static const Game* game = [] {
        auto* g = new Game(SharedUi(), SharedDice());
        SharedUi().game = g;
        SetAppTitle(g->session);
        g->session.DataLoc = SampleData();
        if (const std::string failed = LoadDataFolder(*g); !failed.empty())
            Fail("the sample data does not load: " + failed);
        return g;
    }();
    return *game;
}

void Begin(Game& g, uint64_t seed, int terms) {
    AutoUi& ui = SharedUi();
    ui.Messages.clear();
    ui.TargetTerms = terms;
    ui.game = &g;
    SharedDice().Reseed(seed);
    g.career.Character.Options[OptAutoGen] = OptOn;
}

bool PlayCareerOf(Game& g, uint64_t race, uint64_t service, uint64_t branch) {
    const auto pick = [](const ChoiceList& list, uint64_t n) {
        return static_cast<int>(n % list.Entries.size());
    };
    g.career.Character.BranchOpen = {};
    g.windows.TermWindow = TermWindowModel{};
    if (g.windows.RaceList.Entries.empty() || !SelectRace(g, pick(g.windows.RaceList, race)))
        return false;
    if (g.windows.ServiceList.Entries.empty() ||
        !SelectService(g, pick(g.windows.ServiceList, service)))
        return false;
    if (g.windows.BranchList.Entries.empty() ||
        !SelectBranch(g, pick(g.windows.BranchList, branch)))
        return false;
    Generate(g);
    g.career.StartCharacter = g.career.Character;
    if (PlayCareer(g) != CareerEnd::Finished) return false;
    g.career.Character.Homeworld = MakeHomeworld(g, 2);
    g.career.Character.Name = MakeName(g, PrepareNames(g.rules));
    if (const std::string problem = CheckWithinTables(g); !problem.empty())
        Fail("a finished career breaks its tables: " + problem);
    return true;
}

}  // namespace orrimar::fuzz
