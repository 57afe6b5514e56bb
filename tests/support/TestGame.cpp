#include "support/TestGame.h"
#include "model/RaceChoice.h"
#include "model/ServiceChoice.h"

#include <sys/wait.h>

#include <cstdio>
#include <random>

#include "career/Cascades.h"
#include "data/Service.h"
#include "session/Main.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("orrimar-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, const std::vector<std::string>& lines) const {
    std::string path = Path() + name;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    for (const auto& line : lines) out << line << "\r\n";
    return path;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(Path() + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void TempDir::Edit(const std::string& name, const std::function<void(std::string&)>& edit) const {
    auto lines = ReadLines(Path() + name).value_or(std::vector<std::string>{});
    for (auto& line : lines) edit(line);
    Write(name, lines);
}

std::vector<std::string> TempDir::Names(const std::string& sub) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Path() + sub))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ShellRun RunShell(const std::string& command) {
    ShellRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string HeadlessChromium(const std::string& profile) {
    std::string path = RunShell("command -v chromium || command -v chromium-browser").out;
    path = path.substr(0, path.find('\n'));
    if (path.empty()) return "";
    return "timeout 120 '" + path +
           "' --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
           "--disable-background-networking --disable-component-update --disable-sync "
           "--user-data-dir='" +
           profile + "'";
}

std::string SampleDataDir() {
    return std::string(ORRIMAR_SOURCE_DIR) + "/data/";
}

void CopySampleData(const TempDir& dir) {
    for (const auto& entry : std::filesystem::directory_iterator(SampleDataDir()))
        if (entry.is_regular_file())
            std::filesystem::copy_file(entry.path(), dir.Path() + entry.path().filename().string());
}

std::vector<SampleCareer> SampleCareers() {
    std::vector<SampleCareer> careers;
    const std::string dir = SampleDataDir();
    for (const auto& race : ListFilesWithExtension(dir, ".ERI")) {
        std::vector<std::string> services;
        bool files = false;
        const auto raceLines = ReadLines(dir + race);
        for (const auto& line : raceLines ? *raceLines : std::vector<std::string>{}) {
            if (files) {
                const size_t eq = line.find('=');
                if (eq == std::string::npos) break;
                services.push_back(Trim(line.substr(0, eq)));
            } else if (line == "[FILES]") {
                files = true;
            }
        }
        for (const auto& service : services) {
            const auto lines = ReadLines(ResolveNoCase(dir, service));
            if (!lines) continue;
            for (const auto& branch : ReadBranchEntries(*lines))
                if (branch.TransferTag < 0) careers.push_back({race, service, branch.Key});
        }
    }
    return careers;
}

TestGame::TestGame() : g(ui, dice) {
    if (const char* old = std::getenv("WINDIR")) {
        hadWindir_ = true;
        oldWindir_ = old;
    }
    setenv("WINDIR", settings.Path().c_str(), 1);
    SetAppTitle(g.session);
    FillTables(LoadedRules(g));
}

TestGame::~TestGame() {
    if (hadWindir_)
        setenv("WINDIR", oldWindir_.c_str(), 1);
    else
        unsetenv("WINDIR");
}

void TestGame::LoadData(const std::string& folder) {
    g.session.DataLoc = folder;
    if (std::string e = LoadCascades(g); !e.empty()) throw std::runtime_error(e);
    if (std::string e = LoadCoyns(g); !e.empty()) throw std::runtime_error(e);
    dice.SetFallback(true);
    ListRaces(g);
    dice.SetFallback(false);
}

namespace {
int FindEntry(const ChoiceList& list, const std::string& part) {
    for (size_t i = 0; i < list.Entries.size(); ++i) {
        if (list.Entries[i].Display.find(part) != std::string::npos) return static_cast<int>(i);
    }
    throw std::runtime_error("no list entry containing " + part);
}
}  // namespace

void TestGame::Pick(const std::string& race, const std::string& service,
                    const std::string& branch) {
    dice.SetFallback(true);
    SelectRace(g, FindEntry(g.windows.RaceList, race));
    if (!service.empty()) SelectService(g, FindEntry(g.windows.ServiceList, service));
    if (!branch.empty()) SelectBranch(g, FindEntry(g.windows.BranchList, branch));
    dice.SetFallback(false);
}

}  // namespace orrimar
