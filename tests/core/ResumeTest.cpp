#include <signal.h>
#include <sys/resource.h>

#include <nlohmann/json.hpp>

#include "output/BuiltInResume.h"
#include "output/Resume.h"
#include "output/ResumeText.h"
#include "output/SaveDialog.h"
#include "output/TemplateResume.h"
#include "output/TransferFile.h"
#include "session/WindowPlaces.h"
#include "support/TestGame.h"
#include "text/Files.h"
#include "text/Settings.h"
#include "text/Text.h"
#include "ui/Program.h"

using namespace orrimar;
namespace fs = std::filesystem;

namespace {

// A veteran of two terms, set by hand so every figure on the page is known.
struct Resume : ::testing::Test {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = g.career.Character;
    Resume() {
        std::tie(g.session.AppTitle, LoadedRules(g).Race.Name, LoadedRules(g).Race.NumStats,
                 LoadedRules(g).Race.YearsPerTerm, LoadedRules(g).Service.BranchName,
                 g.career.VilaniOffered, g.career.VilaniLevel) =
            std::tuple("Astrovane Characters v6.57", "Imperial", 6, 4, "Line Infantry", true, 2);
        LoadedRules(g).Race.StatName = {"", "Str", "Dex", "End", "Int", "Edu", "Soc"};
        std::tie(LoadedRules(g).Service.RankCode[2], LoadedRules(g).Service.RankName[2],
                 LoadedRules(g).Service.Purple) = std::tuple("O2", "Lieutenant", "Wound Badge");
        LoadedRules(g).Service.Medal = {"", "Star of Valour", "NONE", "Combat Ribbon"};
        c.Stats = {0, 7, 10, 14, 8, 12, 5};
        std::tie(c.HitPoints, c.Age, c.Rank, c.TechLevel, c.CurTerm, c.CurLine, c.Money,
                 c.Pension) = std::tuple(93, 26, 2, 12, 2, 2, 12500, 4000);
        const auto term = [this](size_t t, const char* title, std::vector<std::string> years) {
            c.TermLog[t].Title = title;
            for (size_t y = 0; y < years.size(); ++y) c.TermLog[t].SetLine(y, years[y]);
        };
        term(1, "Army Rifles", {"", "Enlisted. ", "Rifle-1 ", "Promoted. ", "Brawling "});
        term(2, "Line Infantry", {"", "Wounded. ", "Decorated. "});
        c.Skills = {SkillEntry{}, {"Rifle", 2}, {"Brawling", 1}, {"Admin", 2}, {"Leader", 0}};
        c.Medals = {1, 2, 1, 0};  // "NONE" and a count of 0 are not shown
        c.Benefits = {"", "Blade", "Wayfarers"};
        c.BenefitCount = {0, 1, 2};
        std::tie(c.Name, c.Homeworld) = std::tuple("Kira Dovan", "B564777-9");
        c.Options[OptAutoGen] = c.Options[OptCapSkills] = OptOn;
    }
};

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

// The built-in page with its CR LF line ends made "\n"; a bare LF or CR
// fails the test.
std::string BuiltInPage(Game& g, const std::string& date, const std::string& footer = "") {
    std::string page, text;
    AppendBuiltInResume(g, date, footer, page);
    for (size_t at = 0; at < page.size(); ++at) {
        const bool crlf = page.compare(at, 2, "\r\n") == 0;
        EXPECT_TRUE(crlf || (page[at] != '\r' && page[at] != '\n')) << "at " << at;
        text += crlf ? '\n' : page[at];
        at += crlf;
    }
    return text;
}

}  // namespace

TEST(ResumeText, SafeFileNameEdges) {
    EXPECT_EQ(SafeFileName("ab-1 2_c.d34efg"), "AB-12CD3");
    EXPECT_EQ(SafeFileName("  \xC9\xE8\xFC  "), "");
}

TEST_F(Resume, EachPlaceholderOnceFirstOccurrenceOnly) {
    std::tie(c.Money, c.Pension, c.CurTerm) = std::tuple(0, 1234567, 1);  // |HISTORY|: term 1
    c.Skills[5] = {"Gambling", 10};  // a text sort would put 10 below 2
    const std::pair<const char*, const char*> rows[] = {
        {"<h1>|NAME|</h1> |NAME|", "<h1>Kira Dovan</h1> |NAME|"},  // the first one only
        {"|STAT10| |STAT1|", " 7"},  // the closing bar is part of the placeholder
        {"|STATNAME3|=|STAT3|/|BONUS3| [|STATNAME7|][|STAT7|][|BONUS7|]", "End=14/2 [][][]"},
        {"|CAREER| |UPP| |HITS| |TERMS| |AGE| |TL|", "Line Infantry 7AE8C5 93 1 26 12"},
        {"[|RANKCODE|] |RANK| |MONEY| |PENSION|", "[O2  ] Lieutenant Cr Cr1,234,567"},
        {"|SKILLS| |MEDALS||SWITCHES|",
         "Gambling-10, Rifle-2, Admin-2, Brawling-1, Leader-0 Wound Badge x1 Star of Valour x2 "
         "Automatic generation Cap skills at 6 "},
        {"|HISTORY|",
         "<table border=\"1\" width=\"100%\">\r\n<tr><td>History</td></tr>"
         "<tr><td><font color=\"#800000\">Term: 1 Army Rifles</td></tr><tr><td><font "
         "color=\"#800000\">1    Enlisted. <br>2    Rifle-1 <br></td></tr></table>"}};
    for (const auto& [line, value] : rows) EXPECT_EQ(FillTemplateLine(g, line), value) << line;
    c.Name = "|CAREER|";  // a value is never searched again
    EXPECT_EQ(FillTemplateLine(g, "|NAME| |CAREER|"), "|CAREER| Line Infantry");
}

TEST_F(Resume, HostileTextsCannotScriptThePage) {
    std::tie(c.PsiTrained, c.Name, LoadedRules(g).Service.BranchName, c.Skills[5].Name) =
        std::tuple(1, "<script>alert('x')</script>", "Marines\"><script>", "<b>Gun</b>");
    c.TermLog[2].SetLine(1, "<img src=x onerror=alert(1)> ");
    const auto filled = FillTemplate(g, {"<title>|NAME|</title>", "|CAREER|", "|HISTORY|"});
    for (const std::string& page : {BuiltInPage(g, "today"), Joined(filled)}) {
        for (const char* bad : {"<script>", "<b>", "<img"}) EXPECT_FALSE(Contains(page, bad));
        EXPECT_TRUE(Contains(page, "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</title>") &&
                    Contains(page, "Marines&quot;&gt;&lt;script&gt;"));
    }
    EXPECT_TRUE(Contains(filled[2], "<table border=\"1\""));  // its own markup is kept
}

TEST_F(Resume, HasTheRecordIn126Lines) {
    std::tie(c.Notes, c.SocialClass, c.Clearance, c.Skills[1].Name, LoadedRules(g).Race.Code) =
        std::tuple("carried", "N", "3", "  Rifle ", 12);  // a Noble of race 12
    c.Warranted = c.BranchOpen[4] = 1;
    t.dice.Push({5, 5});
    const auto lines = TrgFileLines(g);
    ASSERT_EQ(lines.size(), 126u);
    EXPECT_EQ(Joined({lines.begin(), lines.begin() + 33}),
              "Kira Dovan\ncarried\nImperial\nLine Infantry\n 6 \n 7 \n 10 \n 14 \n 8 \n 12 \n 5 \n"
              " 0 \n 0 \n 0 \n 0 \n 93 \n 26 \nO2   Lieutenant\nN\n 0 \n 1 \n 0 \n 0 \n 0 \n3\n"
              " 12 \nB564777-9\n 2 \nRifle-2\nBrawling-1\nAdmin-2\nLeader-0\n-0\n");
    EXPECT_EQ(std::count(lines.begin() + 33, lines.begin() + 83, "-0"), 50);
    EXPECT_EQ(Joined({lines.begin() + 83, lines.end()}),
              " 0 \n 0 \n 0 \n 1 \n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n 12500 \n 4000 \n"
              " 1 \n\n 2 \nStar of Valour\n 1 \nNONE\n 0 \nCombat Ribbon\nBlade\nWayfarers\n"
              "\n\n\n\n\n\n\n\n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n-1 \n-1 \n 0 \n 0 \n"
              "Blade-1, Wayfarers-2 (Noble) Homeworld codes: B564777-920% Vilani blood "
              "Untrained (latent) PSI=8\n");
}

// A save starts in the folder the last one went to (while it is there),
// under the file name this character was last saved with; another
// character is offered its own name. The window places stay.
TEST_F(Resume, SavesOfferTheLastFolderAndName) {
    TempDir out;
    ASSERT_EQ(WriteWindowPlace(SettingsFolder(), "Form3", {1, 2, 300, 200, false}), "");
    EXPECT_EQ(ResumeSaveRequest(g.career).InitialFolder, ResumeFolder());
    EXPECT_EQ(ResumeSaveRequest(g.career).FileName, "KIRADOVA.htm");
    t.ui.Answer(out.Path() + "sub/kira-final");
    ASSERT_TRUE(MakeFolder(out.Path() + "sub"));
    ASSERT_TRUE(AskResumePath(g));
    const FileDialogRequest json = ResumeSaveRequest(g.career, JsonDocument);
    EXPECT_EQ(json.InitialFolder + json.FileName, out.Path() + "sub/kira-final.json");
    c.Name = "Ann Vole";
    EXPECT_EQ(ResumeSaveRequest(g.career).FileName, "ANNVOLE.htm");
    fs::remove(out.Path() + "sub");
    EXPECT_EQ(ResumeSaveRequest(g.career).InitialFolder, ResumeFolder());
    EXPECT_TRUE(ReadWindowPlace(SettingsFolder(), "Form3"));
}

TEST_F(Resume, WrittenAndOpenedOrReportedKeepingTheOldPage) {
    TempDir out;
    t.dice.SetFallback(true);
    // "10 more", "Enter manually", an empty answer (back to the list), a typed name.
    t.ui.Answer({"11", "12", "", "12", "Ann Vole", out.Path() + "ann"});
    SaveHtmlResume(g);
    // "Leave blank" under _ZIP (the transfer file follows the page): the unnamed
    // character is proposed no file name, and a pattern typed as one is refused.
    // Then a cancelled dialog.
    t.ui.Answer({"13", out.Path() + "*.htm", out.Path() + "blank.htm", "13", "<cancel>"});
    setenv("_ZIP", "1", 1);
    SaveHtmlResume(g);
    SaveHtmlResume(g);
    unsetenv("_ZIP");
    EXPECT_TRUE(Contains(out.Read("ann.htm"), "<title>Astrovane Character Resume - Ann Vole<"));
    EXPECT_TRUE(Contains(out.Read("blank.htm"), "<title>Astrovane Character Resume</title>"));
    EXPECT_EQ(Split(out.Read("blank.trg"), '\n').size(), 127u);
    EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), {}), 3);  // no ANNVOLE.trg
    const auto proposed = std::find_if(t.ui.shown.rbegin(), t.ui.shown.rend(),
                                       [](const auto& shown) { return shown.Kind == "save"; });
    EXPECT_EQ(proposed->Text, "");
    EXPECT_TRUE(t.ui.SawMessage("\"*.htm\" is not a file name."));
    t.ui.messages.clear();

    // Past a file-size limit the save is reported and the old page stays.
    const std::string page = out.Path() + "ann.htm", oldText = out.Read("ann.htm");
    struct rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = {64, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &tight);
    t.ui.Answer({"13", page});
    SaveHtmlResume(g);
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(t.ui.messages.size() == 1 && t.ui.SawMessage(page));
    EXPECT_EQ(t.ui.pagesOpened, (std::vector<std::string>{page, out.Path() + "blank.htm"}));
    EXPECT_EQ(out.Read("ann.htm"), oldText);
}

// One finished character, one homeworld: the JSON file and the page saved
// after it agree. The name given at the first save is offered at the next,
// last so the other answers keep their numbers.
TEST_F(Resume, TheFinalMenusSavesShareOneHomeworldAndName) {
    TempDir out;
    t.dice.SetFallback(true);
    c.Name.clear();
    t.ui.Answer(
        {"6", "12", "Ann Vole", out.Path() + "ann.json", "1", "14", out.Path() + "ann.htm", "4"});
    EXPECT_EQ(FinalMenu(g), CareerEnd::Scrap);
    const auto saved = nlohmann::ordered_json::parse(out.Read("ann.json")).at("character");
    const std::string page = out.Read("ann.htm");
    EXPECT_TRUE(Contains(page, "Homeworld codes: " + saved.at("homeworld").get<std::string>()));
    EXPECT_TRUE(Contains(page, "Resume - Ann Vole<") && saved.at("name") == "Ann Vole");
    EXPECT_EQ(saved.at("benefits").dump(),
              R"([{"name":"Blade","count":1},{"name":"Wayfarers","count":2}])");
    const auto picks = std::count_if(t.ui.shown.begin(), t.ui.shown.end(), [](const auto& s) {
        return s.Kind == "pickone" && s.Text.ends_with("/Leave blank/Ann Vole (as before)");
    });
    EXPECT_EQ(picks, 1);
}
