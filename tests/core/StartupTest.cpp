// Start-up: the settings file, the first-run flows, the default template
// and the orderly stops.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "model/Text.h"
#include "startup/DefaultTemplate.h"
#include "startup/Files.h"
#include "startup/Main.h"
#include "startup/Settings.h"
#include "support/TestGame.h"

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
    TempDir dir;
    dir.Write("a.ini", {"other=1", "DATALOC=/first/", "dataloc=/second/"});
    EXPECT_EQ(ReadIniValue(dir.Path() + "a.ini", "dataloc"),
              "/first/");  // upper-case key, first wins
    dir.Write("b.ini", {"dataloc /blank/"});
    EXPECT_EQ(ReadIniValue(dir.Path() + "b.ini", "dataloc"), "/blank/");  // separator untested
    EXPECT_EQ(ReadIniValue(dir.Path() + "missing.ini", "dataloc"), "");
    EXPECT_EQ(ReadIniValue(dir.Path() + "a.ini", "nokey"), "");
    EXPECT_EQ(AddBackslash("/data/"), "/data/");
    EXPECT_EQ(AddBackslash("/data"), "/data/");
    EXPECT_EQ(AddBackslash(""), "/");
}

TEST(Settings, SettingsFolderFollowsWindir) {
    TestGame t;  // points WINDIR at its own folder
    EXPECT_EQ(SettingsFolder(), t.settings.Path());
    t.settings.Write("orrimar.ini", {"dataloc=/somewhere/"});
    EXPECT_EQ(ReadIniValue("Orrimar.ini", "dataloc"), "/somewhere/");  // any letter case
}

TEST(Startup, FirstRunRecordsTheChosenFolder) {
    TestGame t;
    TempDir data;
    WriteMinimalData(data);
    t.ui.Answer(data.Path() + "IMPERIAL.ERI");
    EXPECT_EQ(RunMain(t), 0);
    EXPECT_TRUE(
        StartsWith(t.ui.messages.at(0), "Orrimar needs to know where its' data files are."));
    EXPECT_EQ(t.ui.messages.at(1), "Orrimar has been set to read data files from " + data.Path());
    EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + data.Path() + "\r\n");
    EXPECT_EQ(t.g.DataLoc, data.Path());
    EXPECT_EQ(t.g.RaceList.Entries.size(), 1u);
    EXPECT_EQ(t.g.Race.Name, "Imperial test humans");
    // The last thing shown is the main window.
    EXPECT_EQ(t.ui.shown.back().Kind, "mainwindow");
}

// A file typed relative to the folder Orrimar stands in is recorded as a
// whole path, so the settings hold from anywhere; a file that does not
// exist is said at once and asked for again.
TEST(Startup, FirstRunRecordsAWholePathAndAsksAgainForAMissingFile) {
    TestGame t;
    TempDir data;
    WriteMinimalData(data);
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(data.Path());
    t.ui.Answer({"nothing.eri", "IMPERIAL.ERI"});
    const int status = RunMain(t);
    std::filesystem::current_path(before);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(t.ui.SawMessage("There is no file " + data.Path() + "nothing.eri."));
    EXPECT_EQ(t.settings.Read("Orrimar.ini"), "dataloc=" + data.Path() + "\r\n");
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
    TestGame t;
    TempDir data;
    WriteMinimalData(data);
    t.settings.Write("Orrimar.ini", {"dataloc=" + data.Path().substr(0, data.Path().size() - 1)});
    EXPECT_EQ(RunMain(t), 0);
    EXPECT_EQ(t.g.DataLoc, data.Path());  // the separator is added
    for (const auto& s : t.ui.shown) EXPECT_NE(s.Kind, "open");
}

TEST(Startup, TestModeShowsProgressMessagesOnlyForTheExactWord) {
    for (const std::string line : {"TESTMODE", "testmode", "TESTMODE x"}) {
        TestGame t;
        TempDir data;
        WriteMinimalData(data);
        t.g.CommandLine = line;
        t.g.DataLocOverride = data.Path();
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
        TestGame t;
        TempDir data;
        WriteMinimalData(data);
        spoil(data);
        t.g.DataLocOverride = data.Path();
        EXPECT_EQ(RunMain(t), 1);
        EXPECT_TRUE(t.ui.SawMessage(file));
    }
}

TEST(DefaultTemplate, WrittenOnlyWhenMissing) {
    TempDir data;
    EXPECT_EQ(EnsureDefaultTemplate(data.Path()), "");
    const std::string written = data.Read("templates/Sample.htm");
    const auto lines = DefaultTemplateLines();
    ASSERT_EQ(lines.size(), 108u);
    EXPECT_EQ(written, JoinLinesCrLf(lines));
    EXPECT_EQ(lines[8], "<h1>Astrovane Resume - |NAME|</h1>");
    EXPECT_EQ(lines[10], "<table border=\"1\" width=\"100%\">");
    EXPECT_EQ(lines[12], "<td width=\"20%\">Name</td>");
    EXPECT_EQ(lines[13], "    <td width=\"20%\">Career</td>");
    EXPECT_EQ(lines.back(), "</html>");

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
