// Start-up: the settings file, the first-run flows, the default template
// and the orderly stops.

#include "session/DefaultTemplate.h"
#include "session/InstalledData.h"
#include "session/Main.h"
#include "support/TestGame.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"
#include "ui/Program.h"

using namespace orrimar;

namespace {

// A data folder with just enough for start-up to reach the driver.
void WriteMinimalData(const TempDir& dir) {
    dir.Write("IMPERIAL.ERI", {"Imperial test humans", "Type=1", "[STATS]", "STR=2D", "DEX=2D",
                               "END=2D", "Psionic=R", "[FILES]", "X.SRV=Service X",
                               "yearsperterm=4", "baseage=18", "ageat=34"});
    dir.Write("cascade.dat", {"GUN COMBAT/Rifle/Pistol", "* END *"});
    std::vector<std::string> coins(36, "COIN");
    dir.Write("COYNS.DAT", coins);
}

// A game whose data folder holds just enough for start-up.
struct StartGame : TestGame {
    TempDir data;
    StartGame() { WriteMinimalData(data); }
};

// XDG_DATA_HOME points into the test's own folder while it runs.
class DataHome {
  public:
    explicit DataHome(const std::string& path) {
        if (const char* old = std::getenv("XDG_DATA_HOME")) old_ = old;
        setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~DataHome() {
        if (old_)
            setenv("XDG_DATA_HOME", old_->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
    }

  private:
    std::optional<std::string> old_;
};

// Sample data as an installation holds it: files and a subfolder.
void WriteInstalledData(const TempDir& dir) {
    WriteMinimalData(dir);
    dir.Write("SCOP1.SCH", {"school"});
    dir.Write("templates/Sample.htm", {"<html>|NAME|</html>"});
}

// A first run where sample data is installed; the user's data folder is
// `copy`, below `home`.
struct InstalledGame : TestGame {
    TempDir installed, home;
    DataHome xdg{home.Path()};
    const std::string copy = home.Path() + "orrimar/data/";
    InstalledGame() {
        WriteInstalledData(installed);
        g.session.InstalledDataLoc = installed.Path();
    }
};

// Every file below `folder` (relative name) with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        files[std::filesystem::relative(entry.path(), folder).string()] = bytes.str();
    }
    return files;
}

// Runs Main until it reaches the main window, which ends the scripted run.
int RunMain(TestGame& t) {
    try {
        t.dice.SetFallback(true);
        Main(t.g);
    } catch (const ProgramExit& exit) {
        return exit.Code;
    }
    return -1;
}

}  // namespace

TEST(Settings, IniValueRules) {
    TestGame t;  // points WINDIR at its own folder, the settings folder
    const TempDir& dir = t.settings;
    dir.Write("a.ini", {"other=1", "DATALOC=/first/", "dataloc=/second/"});
    EXPECT_EQ(ReadIniValue(dir.Path() + "a.ini", "dataloc"),
              "/first/");  // upper-case key, first wins
    dir.Write("b.ini", {"dataloc /blank/"});
    EXPECT_EQ(ReadIniValue(dir.Path() + "b.ini", "dataloc"), "/blank/");  // separator untested
    EXPECT_EQ(ReadIniValue(dir.Path() + "missing.ini", "dataloc"), "");
    EXPECT_EQ(ReadIniValue(dir.Path() + "a.ini", "nokey"), "");
    EXPECT_EQ(WithTrailingSlash("/data/") + "|" + WithTrailingSlash("/data") + "|" +
                  WithTrailingSlash(""),
              "/data/|/data/|/");
    dir.Write("orrimar.ini", {"dataloc=/somewhere/"});
    EXPECT_EQ(ReadIniValue("Orrimar.ini", "dataloc"), "/somewhere/");  // any letter case
}

// A file typed relative to the folder Orrimar stands in is recorded as a
// whole path, so the settings hold from anywhere, and is found whatever the
// letter case typed; the folder itself may be given. A file that does not
// exist, or a folder without race files, is said at once and asked again.
TEST(Startup, FirstRunRecordsAWholePathAndAsksAgainForAMissingFile) {
    for (const std::string typed : {"imperial.eri", ".", "<whole folder>"}) {
        StartGame t;
        t.data.Write("notes/read.txt", {"no races here"});
        const auto before = std::filesystem::current_path();
        std::filesystem::current_path(t.data.Path());
        t.ui.Answer({"nothing.eri", "notes", typed == "<whole folder>" ? t.data.Path() : typed});
        const int status = RunMain(t);
        std::filesystem::current_path(before);
        EXPECT_EQ(status, 0) << typed;
        EXPECT_TRUE(t.ui.SawMessage("There is no file " + t.data.Path() + "nothing.eri."));
        EXPECT_TRUE(t.ui.SawMessage("The folder " + t.data.Path() + "notes holds no race files"));
        EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + t.data.Path() + "\r\n") << typed;
    }
}

TEST(Startup, FirstRunInAFolderWithoutImperialEndsWithTheWrongPlaceMessage) {
    TestGame t;
    TempDir elsewhere;
    elsewhere.Write("OTHER.ERI", {"Other", "Type=2"});
    t.ui.Answer(elsewhere.Path() + "OTHER.ERI");
    EXPECT_EQ(RunMain(t), 1);
    EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + elsewhere.Path() + "\r\n");
    EXPECT_EQ(t.ui.messages.back(),
              "Your INI file is pointing to the wrong place! Please update it and try running "
              "Orrimar again...");
    ASSERT_EQ(t.ui.editorOpened.size(), 1u);
    EXPECT_EQ(FileNameOf(t.ui.editorOpened[0]), "Orrimar.ini");
}

TEST(Startup, CancelledFirstRunRecordsNothing) {
    TestGame t;
    t.ui.Answer("<cancel>");
    EXPECT_EQ(RunMain(t), 1);
    EXPECT_FALSE(FileExistsNoCase(t.settings.Path(), "Orrimar.ini"));
}

TEST(Startup, RecordedFolderIsUsedWithoutAsking) {
    StartGame t;
    t.settings.Write("Orrimar.ini",
                     {"dataloc=" + t.data.Path().substr(0, t.data.Path().size() - 1)});
    EXPECT_EQ(RunMain(t), 0);
    EXPECT_EQ(t.g.session.DataLoc, t.data.Path());  // the separator is added
    for (const auto& s : t.ui.shown) EXPECT_NE(s.Kind, "open");
}

// A recorded folder that cannot be used (its name holding a NUL, so the
// system would read another folder, or gone) is said and asked for again.
TEST(Startup, AnUnusableRecordedFolderIsSaidAndAskedForAgain) {
    for (const std::string& tail : {std::string("\0/elsewhere", 11), std::string("gone/")}) {
        StartGame t;
        t.settings.Write("Orrimar.ini", {"dataloc=" + t.data.Path() + tail});
        t.ui.Answer(t.data.Path() + "IMPERIAL.ERI");
        EXPECT_EQ(RunMain(t), 0) << tail;
        const std::string said = t.ui.messages.at(0);
        EXPECT_TRUE(StartsWith(said, "The data folder recorded in " + t.settings.Path())) << said;
        EXPECT_TRUE(Contains(said, tail[0] == '\0' ? "is unusable: the folder's name holds a NUL"
                                                   : "is unusable: the folder " + t.data.Path() +
                                                         "gone does not exist"))
            << said;
        EXPECT_TRUE(Contains(said, ". Please choose the data folder again.")) << said;
        EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + t.data.Path() + "\r\n");
    }
}

TEST(Startup, TestModeShowsProgressMessagesOnlyForTheExactWord) {
    for (const std::string line : {"TESTMODE", "testmode", "TESTMODE x"}) {
        StartGame t;
        t.g.session.SetCommandLine(line);
        t.g.session.DataLocOverride = t.data.Path();
        RunMain(t);
        EXPECT_EQ(t.ui.SawMessage("Checking for INI"), line == "TESTMODE") << line;
        EXPECT_EQ(t.ui.SawMessage("lOADING RACES"), line == "TESTMODE") << line;
    }
}

TEST(Startup, MissingCoinOrCascadeFileStopsNamingTheFile) {
    const std::vector<std::pair<std::string, std::function<void(const TempDir&)>>> breaks = {
        {"COYNS.DAT", [](const TempDir& d) { std::filesystem::remove(d.Path() + "COYNS.DAT"); }},
        {"COYNS.DAT",
         [](const TempDir& d) { d.Write("COYNS.DAT", std::vector<std::string>(35, "short")); }},
        {"cascade.dat",
         [](const TempDir& d) { std::filesystem::remove(d.Path() + "cascade.dat"); }},
    };
    for (const auto& [file, spoil] : breaks) {
        StartGame t;
        spoil(t.data);
        t.g.session.DataLocOverride = t.data.Path();
        EXPECT_EQ(RunMain(t), 1);
        EXPECT_TRUE(t.ui.SawMessage(file));
    }
}

TEST(DefaultTemplate, WrittenOnlyWhenMissing) {
    TempDir data;
    EXPECT_EQ(EnsureDefaultTemplate(data.Path()), "");
    const std::string written = data.Read("templates/Sample.htm");
    EXPECT_EQ(written, JoinLinesCrLf(DefaultTemplateLines()));

    // A user's own template is never replaced.
    data.Write("templates/Sample.htm", {"mine"});
    EXPECT_EQ(EnsureDefaultTemplate(data.Path()), "");
    EXPECT_EQ(data.Read("templates/Sample.htm"), "mine\r\n");

    // A folder named in another letter case is the templates folder.
    TempDir other;
    other.Write("Templates/SAMPLE.HTM", {"mine"});
    EXPECT_EQ(EnsureDefaultTemplate(other.Path()), "");
    EXPECT_FALSE(std::filesystem::exists(other.Path() + "templates"));
    EXPECT_EQ(other.Read("Templates/SAMPLE.HTM"), "mine\r\n");
}

// An installation's sample data is copied to the user's data folder on Yes,
// subfolders included and writable, and that folder is recorded; the
// installed files stay as they were.
TEST(Startup, FirstRunCopiesTheInstalledSampleDataOnYes) {
    InstalledGame t;
    const std::string& copy = t.copy;
    std::filesystem::permissions(t.installed.Path() + "IMPERIAL.ERI",
                                 std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    const auto before = Snapshot(t.installed.Path());
    t.ui.Answer("Y");
    EXPECT_EQ(RunMain(t), 0);
    EXPECT_EQ(t.ui.shown.at(0).Text, "Use the sample data installed with Orrimar? A copy goes to " +
                                         copy + ", where you may edit it.");
    EXPECT_EQ(Snapshot(copy), before);
    EXPECT_EQ(Snapshot(t.installed.Path()), before);
    const auto perms = std::filesystem::status(copy + "IMPERIAL.ERI").permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
    EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + copy + "\r\n");
}

// A user's data folder that already holds data files is used as it is:
// nothing is copied over it or beside it.
TEST(Startup, FirstRunUsesTheUserDataFolderItFindsAsItIs) {
    InstalledGame t;
    const std::string& copy = t.copy;
    std::filesystem::create_directories(copy);
    for (const auto& file : {"cascade.dat", "COYNS.DAT"})
        std::filesystem::copy_file(t.installed.Path() + file, copy + file);
    std::string race = t.installed.Read("IMPERIAL.ERI");
    race.replace(0, race.find('\r'), "My own humans");
    std::ofstream(copy + "imperial.eri", std::ios::binary) << race;  // another letter case
    t.ui.Answer("Y");
    EXPECT_EQ(RunMain(t), 0);
    EXPECT_TRUE(StartsWith(t.ui.shown.at(0).Text, "Use the data files in " + copy + "?"));
    EXPECT_EQ(t.g.rules.Race.Name, "My own humans");
    EXPECT_FALSE(std::filesystem::exists(copy + "SCOP1.SCH"));
    EXPECT_FALSE(std::filesystem::exists(copy + "IMPERIAL.ERI"));
    EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + copy + "\r\n");
}

// No, or a copy that fails (a file stands where the folder would go, which
// stops even root), leads to the open-file dialog; a failure names the folder.
TEST(Startup, FirstRunAsksForTheFolderOnNoOrAFailedCopy) {
    for (const bool copyFails : {false, true}) {
        InstalledGame t;
        TempDir chosen;
        WriteMinimalData(chosen);
        if (copyFails) t.home.Write("orrimar", {"a file"});
        t.ui.Answer({copyFails ? "Y" : "N", chosen.Path() + "IMPERIAL.ERI"});
        EXPECT_EQ(RunMain(t), 0) << copyFails;
        EXPECT_EQ(t.ui.SawMessage("Orrimar could not copy the sample data to " + t.copy + " ("),
                  copyFails);
        EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + chosen.Path() + "\r\n");
        EXPECT_FALSE(std::filesystem::is_directory(t.home.Path() + "orrimar"));
    }
}

// A batch or regeneration that names no data folder takes the one recorded
// at first run, else the user's copy of the sample data, else the installed
// sample data, and says which; a recorded folder that is gone passes on.
TEST(Startup, ARunWithoutADataFolderFindsTheRecordedTheCopyOrTheInstalled) {
    InstalledGame t;
    const std::string &copy = t.copy, installed = t.installed.Path();
    TempDir recorded;
    WriteMinimalData(recorded);
    const auto found = [&] {
        const DefaultData d = FindDefaultData(installed);
        return d.Folder + " | " + d.Source;
    };
    EXPECT_EQ(FindDefaultData("").Folder, "");
    EXPECT_EQ(found(), installed + " | the sample data installed with Orrimar (read only)");
    ASSERT_EQ(CopyDataFolder(installed, copy), "");
    EXPECT_EQ(found(), copy + " | your copy of the sample data");
    t.settings.Write("Orrimar.ini", {"dataloc=" + recorded.Path()});
    EXPECT_EQ(found(), recorded.Path() + " | the data folder recorded at first run");
    t.settings.Write("Orrimar.ini", {"dataloc=" + t.home.Path() + "gone/"});
    EXPECT_EQ(found(), copy + " | your copy of the sample data");
}
