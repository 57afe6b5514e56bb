#include "session/Main.h"

#include <cctype>
#include <filesystem>

#include "career/Cascades.h"
#include "model/Game.h"
#include "model/RaceChoice.h"
#include "session/DefaultTemplate.h"
#include "session/InstalledData.h"
#include "session/OptionSets.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"

namespace orrimar {

namespace {

void TestMessage(Game& g, const std::string& text) {
    if (g.session.TestMode == 1) g.ui.Message(text, g.session.AppTitle, MsgIcon::None);
}

[[noreturn]] void StopStartup(Game& g, const std::string& text) {
    g.ui.HideSplash();
    g.ui.Message(text, g.session.AppTitle, MsgIcon::Critical);
    throw ProgramExit{1};
}

// The data folder a path chosen at first run names: a folder holding race
// files, or the folder of a file found whatever the letter case typed
// ("imperial.eri" finds IMPERIAL.ERI); "" when it names neither.
std::string ChosenDataFolder(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        const std::string folder = WithTrailingSlash(path);
        return ListFilesWithExtension(folder, ".ERI").empty() ? "" : folder;
    }
    const auto found = FindFileNoCase(FolderOf(path), FileNameOf(path));
    if (!found || !std::filesystem::is_regular_file(*found, ec)) return "";
    return FolderOf(*found);
}

// Asks for IMPERIAL.ERI with the open-file dialog; returns its folder.
std::string ChooseDataFolder(Game& g) {
    g.ui.Message(
        "Orrimar needs to know where its data files are. Next, give the race file IMPERIAL.ERI "
        "in the folder that holds them (the data folder of Orrimar's sources, or wherever you "
        "unpacked your own). Orrimar will record that folder as your data file location.",
        g.session.AppTitle, MsgIcon::Information);
    FileDialogRequest request;
    request.InitialFolder = ".";
    request.FileName = "imperial.eri";
    request.DefaultExtension = "*.eri";
    request.FilterDescription = "Orrimar Race files";
    request.FilterPattern = "*.eri";
    while (true) {
        auto chosen = g.ui.OpenFileDialog(request);
        if (!chosen) {
            // Nothing is recorded from a cancelled dialog; the program ends.
            StopStartup(g, "No data folder was chosen, so Orrimar cannot start.");
        }
        // The folder is recorded whole, so it holds from whatever folder
        // Orrimar is started in next time.
        std::error_code ec;
        const std::filesystem::path file =
            std::filesystem::absolute(std::filesystem::path(*chosen), ec).lexically_normal();
        if (const std::string folder = ChosenDataFolder(file.string()); !ec && !folder.empty())
            return folder;
        const bool isFolder = std::filesystem::is_directory(file, ec);
        g.ui.Message((isFolder ? "The folder " + file.string() + " holds no race files (*.eri)"
                               : "There is no file " + file.string()) +
                         ". Please choose IMPERIAL.ERI.",
                     g.session.AppTitle, MsgIcon::Warning);
    }
}

// Finds the data folder on first use (a copy of the sample data installed
// with Orrimar, or a folder the user chooses) and records it in the
// settings file.
void FirstRun(Game& g, const std::string& iniPath) {
    g.session.DataLoc = OfferInstalledData(g);
    if (g.session.DataLoc.empty()) g.session.DataLoc = ChooseDataFolder(g);
    MakeFolder(FolderOf(iniPath));
    std::string failed = WriteFileAtomic(iniPath, "dataloc=" + g.session.DataLoc + CrLf);
    if (!failed.empty()) StopStartup(g, failed);
    g.ui.Message("Orrimar has been set to read data files from " + g.session.DataLoc,
                 g.session.AppTitle, MsgIcon::None);
}

void FindDataFolder(Game& g) {
    if (!g.session.DataLocOverride.empty()) {
        g.session.DataLoc = WithTrailingSlash(g.session.DataLocOverride);
        if (std::string problem = DataFolderProblem(g.session.DataLoc); !problem.empty()) {
            problem[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(problem[0])));
            StopStartup(g, problem + ".");
        }
        return;
    }
    const std::string folder = SettingsFolder();
    const std::string iniPath = ResolveNoCase(folder, IniFileName);
    bool firstRun = !FileExistsNoCase(folder, IniFileName);
    if (!firstRun) {
        const std::string recorded = ReadIniValue("orrimar.ini", "dataloc");
        g.session.DataLoc = WithTrailingSlash(recorded);
        // A recorded folder that cannot be used is said, then asked for again.
        if (std::string problem = recorded.empty() ? "" : DataFolderProblem(g.session.DataLoc);
            !problem.empty())
            g.ui.Message("The data folder recorded in " + iniPath + " is unusable: " + problem +
                             ". Please choose the data folder again.",
                         g.session.AppTitle, MsgIcon::Warning);
        firstRun = !FileExistsNoCase(g.session.DataLoc, "IMPERIAL.ERI");
    }
    if (firstRun) FirstRun(g, iniPath);

    g.session.DataLoc = WithTrailingSlash(ReadIniValue("orrimar.ini", "dataloc"));
    if (!FileExistsNoCase(g.session.DataLoc, "IMPERIAL.ERI")) {
        g.ui.HideSplash();
        g.ui.Message(
            "Your INI file is pointing to the wrong place! Please update it and try running "
            "Orrimar again...",
            g.session.AppTitle, MsgIcon::None);
        g.ui.OpenInEditor(iniPath);
        throw ProgramExit{1};
    }
}

}  // namespace

std::string DataFolderProblem(const std::string& folder) {
    // A name cut at a NUL would stand for another folder; it is not shown,
    // since a terminal would not show it either.
    if (folder.find('\0') != std::string::npos) return "the folder's name holds a NUL character";
    // Without its trailing separator, so a file is seen as one.
    std::string bare = folder;
    while (bare.size() > 1 && bare.back() == PathSep) bare.pop_back();
    std::error_code ec;
    if (!std::filesystem::exists(bare, ec)) return "the folder " + bare + " does not exist";
    if (!std::filesystem::is_directory(bare, ec)) return bare + " is not a folder";
    if (!FileExistsNoCase(folder, "IMPERIAL.ERI"))
        return "the folder " + bare + " holds no IMPERIAL.ERI: it is not an Orrimar data folder";
    return "";
}

void SetAppTitle(SessionPart& session) {
    session.AppVersion =
        ORRIMAR_VERSION_MAJOR + ORRIMAR_VERSION_MINOR / 10.0 + ORRIMAR_VERSION_PATCH / 100.0;
    session.AppTitle = "Astrovane Characters v" + DecimalText(session.AppVersion);
}

void FillTables(RulesPart& rules) {
    const char* names[] = {"",          "Telepathy",     "Clairvoyance", "Telekinesis",
                           "Awareness", "Teleportation", "Special"};
    const int throws[] = {0, 5, 6, 6, 7, 9, 9};
    for (int i = 1; i <= 6; ++i) {
        rules.PsiTalent[i].Name = names[i];
        rules.PsiTalent[i].Throw = throws[i];
    }
    rules.ClearanceCode = {"O", "A", "B", "C", "D", "E"};
}

std::string EnsureDefaultTemplate(const std::string& dataLoc) {
    const std::string folder = ResolveFolderNoCase(dataLoc, "templates");
    if (FileExistsNoCase(folder, "Sample.htm")) return "";
    MakeFolder(folder);
    return WriteFileAtomic(WithTrailingSlash(folder) + "Sample.htm",
                           JoinLinesCrLf(DefaultTemplateLines()));
}

std::string LoadDataFolder(Game& g) {
    TestMessage(g, "Loading Cascades");
    if (std::string failed = LoadCascades(g); !failed.empty()) return failed;
    TestMessage(g, "lOADING RACES");
    ListRaces(g);
    if (g.windows.RaceList.Entries.empty())
        return "The data folder " + g.session.DataLoc + " holds no race files.";
    LoadOptionSetMenu(g);
    // After the DEFAULT set, so the cap is on whatever that set holds.
    g.career.Character.Options[OptCapSkills] = OptOn;
    FillTables(LoadedRules(g));
    TestMessage(g, "Loading Coyns");
    return LoadCoyns(g);
}

void StartUp(Game& g) {
    SetAppTitle(g.session);
    g.session.TestMode = g.session.CommandLine == "TESTMODE" ? 1 : 0;
    g.ui.ShowSplash(g);
    g.ui.Refresh(g);
    TestMessage(g, "Checking for INI");
    FindDataFolder(g);

    // A missing sample template is only a loss of convenience: say so, go on.
    if (std::string failed = EnsureDefaultTemplate(g.session.DataLoc); !failed.empty())
        g.ui.Message(failed, g.session.AppTitle, MsgIcon::Warning);

    if (std::string failed = LoadDataFolder(g); !failed.empty()) StopStartup(g, failed);
    g.ui.HideSplash();
    TestMessage(g, "Starting main process");
}

}  // namespace orrimar
