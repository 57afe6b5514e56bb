#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <tuple>

#include "model/Text.h"
#include "output/BuiltInResume.h"
#include "output/Resume.h"
#include "output/ResumeText.h"
#include "output/TemplateResume.h"
#include "output/TransferFile.h"
#include "support/TestGame.h"

using namespace orrimar;
namespace fs = std::filesystem;

namespace {

// A veteran of two terms, set by hand so every figure on the page is known.
void SetUpVeteran(Game& g) {
    g.AppTitle = "Astrovane Characters v6.57";
    g.Race.Name = "Imperial";
    g.Race.NumStats = 6;
    g.Race.StatName = {"", "Str", "Dex", "End", "Int", "Edu", "Soc"};
    g.Race.YearsPerTerm = 4;
    g.Service.BranchName = "Line Infantry";
    std::tie(g.Service.RankCode[2], g.Service.RankName[2], g.Service.Purple) =
        std::tuple("O2", "Lieutenant", "Wound Badge");
    g.Service.Medal = {"", "Star of Valour", "NONE", "Combat Ribbon"};
    std::tie(g.Form1.VilaniEnabled, g.Form1.VilaniLevel) = std::tuple(true, 2);
    auto& c = g.Character;
    c.Name = "Kira Dovan";
    c.Stats = {0, 7, 10, 14, 8, 12, 5};
    std::tie(c.HitPoints, c.Age, c.Rank, c.TechLevel, c.CurTerm, c.CurLine, c.Money, c.Pension) =
        std::tuple(93, 26, 2, 12, 2, 2, 12500, 4000);
    c.TermLog[1] = {"Army Rifles", {"", "Enlisted. ", "Rifle-1 ", "Promoted. ", "Brawling "}};
    c.TermLog[2] = {"Line Infantry", {"", "Wounded. ", "Decorated. "}};
    c.Skills = {SkillEntry{}, {"Rifle", 2}, {"Brawling", 1}, {"Admin", 2}, {"Leader", 0}};
    c.Medals = {1, 2, 1, 0};  // "NONE" and a count of 0 are not shown
    c.Benefits = {"", "Blade", "Travellers"};
    c.BenefitCount = {0, 1, 2};
    c.Homeworld = "B564777-9";
    c.Options[OptAutoGen] = c.Options[OptCapSkills] = OptOn;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

}  // namespace

TEST(BuiltInResume, GoldenPageKeyLinesInOrder) {
    TestGame t;
    SetUpVeteran(t.g);
    t.g.Form1.HandEntered = "E";
    t.dice.Push({3, 4});  // the latent psionic rating: 7 - 2 terms
    const auto page = BuiltInResumeLines(t.g, "Tuesday, March 4, 2031", "Batch seed 42");
    ASSERT_EQ(page.size(), 125u);
    const std::string text = Joined(page);
    EXPECT_TRUE(text.starts_with("<html>\n<head>\n") && text.ends_with("</body>\n</html>\n"));
    size_t at = 0;  // key stretches, in page order
    for (const char* key :
         {"<title>Astrovane Character Resume - Kira Dovan</title>\n</head>\n",
          "<h2><font color=\"#000000\"><em><u>Line Infantry</u></em></font></h2>\n",
          "<strong>Soc</strong></td>\n</tr>\n    <tr>\n<td align=\"center\"><font "
          "color=\"#800000\"><strong>\n 7 </strong></font></td>\n",
          "\n 93 \n", "\nCr4,000\n</font></td>\n<td><font color=\"#800000\">\nLieutenant (O2  )\n",
          "\nRifle-2, Admin-2, Brawling-1, Leader-0\n</tr>\n", "\nCr12,500\n</font></td>\n",
          "\nBlade-1, Travellers-2 Homeworld codes: B564777-920% Vilani blood Untrained (latent) "
          "PSI=5 . \n",
          "<td><font color=\"#800000\">\nWound Badge x1 \nStar of Valour x2 \n</font></td>\n",
          "Term: 1 Army Rifles</td>\n</tr>\n<tr><td><font color=\"#800000\">\n"
          "1    Enlisted. <br>\n2    Rifle-1 <br>\n3    Promoted. <br>\n4    Brawling <br>\n",
          "Term: 2 Line Infantry</td>\n</tr>\n<tr><td><font color=\"#800000\">\n"
          "1    Wounded. <br>\n2    Decorated. <br>\n</td></tr>\n</table>\n",
          "<h3>Generated on Tuesday, March 4, 2031 by Astrovane Characters v6.57 \n.\n</h3>\n"
          "<p>Switches:\nAutomatic generation Cap skills at 6 </p>\n<p>Batch seed 42</p>\n"}) {
        at = text.find(key, at);
        ASSERT_NE(at, std::string::npos) << "missing or out of order: " << key;
    }
}

TEST(ResumeText, SafeFileNameEdges) {
    const std::pair<const char*, const char*> rows[] = {{"Jean-Luc Picard III", "JEAN-LUC"},
                                                        {"  \xC9\xE8\xFC  ", ""},
                                                        {"ab 12_cd.34efg", "AB12CD34"}};
    for (const auto& [name, stem] : rows) EXPECT_EQ(SafeFileName(name), stem) << name;
}

TEST(TemplateResume, EachPlaceholderOnceFirstOccurrenceOnly) {
    TestGame t;
    SetUpVeteran(t.g);
    auto& c = t.g.Character;
    // Only the current term in the history, up to its current year; Well-Born for race 12.
    std::tie(c.Money, c.Pension, c.CurTerm, c.SocialClass) = std::tuple(0, 1234567, 1, "W");
    t.g.Race.Code = 12;
    c.Skills[5] = {"Gambling", 10};  // a text sort would put 10 below 2
    t.dice.Push({2, 3, 6, 6});       // only |NOTES| throws, afresh each time
    const std::pair<const char*, const char*> rows[] = {
        {"<h1>|NAME|</h1> |NAME|", "<h1>Kira Dovan</h1> |NAME|"},  // the first one only
        {"|STAT10| |STAT1|", " 7"},  // the closing bar is part of the placeholder
        {"|CAREER|", "Line Infantry"},
        {"|STATNAME3|=|STAT3|/|BONUS3|", "End=14/2"},
        {"[|STATNAME7|][|STAT7|][|BONUS7|][|STAT10|]", "[][][][]"},
        {"|UPP|", "7AE8C5"},
        {"|HITS| |TERMS| |AGE| |TL|", "93 1 26 12"},
        {"[|RANKCODE|] |RANK|", "[O2  ] Lieutenant"},
        {"|SKILLS|", "Gambling-10, Rifle-2, Admin-2, Brawling-1, Leader-0"},
        {"|MONEY| |PENSION|", "Cr Cr1,234,567"},
        {"|MEDALS|", "Wound Badge x1 Star of Valour x2 "},
        {"|SWITCHES|", "Automatic generation Cap skills at 6 "},
        {"|NOTES|",
         "Blade-1, Travellers-2 (Well-Born) Homeworld codes: B564777-920% Vilani blood "
         "Untrained (latent) PSI=4"},
        {"|HISTORY|",
         "<table border=\"1\" width=\"100%\">\r\n<tr><td>History</td></tr>"
         "<tr><td><font color=\"#800000\">Term: 1 Army Rifles</td></tr><tr><td><font "
         "color=\"#800000\">1    Enlisted. <br>2    Rifle-1 <br></td></tr></table>"}};
    for (const auto& [line, value] : rows) EXPECT_EQ(FillTemplateLine(t.g, line), value) << line;
    EXPECT_TRUE(FillTemplateLine(t.g, "|NOTES|").ends_with("PSI=11"));
    c.Name = "|CAREER|";  // a value is never searched again
    EXPECT_EQ(FillTemplateLine(t.g, "|NAME| |CAREER|"), "|CAREER| Line Infantry");
}

TEST(ResumeEscaping, HostileTextsCannotScriptThePage) {
    TestGame t;
    SetUpVeteran(t.g);
    t.g.Character.PsiTrained = 1;
    t.g.Character.Name = "<script>alert('x')</script>";
    t.g.Service.BranchName = "Marines\"><script>";
    t.g.Character.Skills[5] = {"<b>Gun</b>", 1};
    t.g.Character.TermLog[2].Lines[1] = "<img src=x onerror=alert(1)> ";
    const auto filled = FillTemplate(t.g, {"<title>|NAME|</title>", "|CAREER|", "|HISTORY|"});
    for (const std::string& page : {Joined(BuiltInResumeLines(t.g, "today")), Joined(filled)}) {
        for (const char* bad : {"<script>", "<b>", "<img"}) EXPECT_FALSE(Contains(page, bad));
        EXPECT_TRUE(Contains(page, "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</title>") &&
                    Contains(page, "Marines&quot;&gt;&lt;script&gt;"));
    }
    EXPECT_TRUE(Contains(filled[2], "<table border=\"1\""));  // its own markup is kept
}

TEST(TransferFile, HasTheRecordIn126Lines) {
    TestGame t;
    SetUpVeteran(t.g);
    auto& c = t.g.Character;
    std::tie(c.Notes, c.SocialClass, c.Clearance, c.Skills[1].Name) =
        std::tuple("carried", "N", "3", "  Rifle ");
    c.Warranted = c.BranchOpen[4] = 1;
    t.dice.Push({5, 5});
    const auto lines = TrgFileLines(t.g);
    ASSERT_EQ(lines.size(), 126u);
    EXPECT_EQ(Joined({lines.begin(), lines.begin() + 33}),
              "Kira Dovan\ncarried\nImperial\nLine Infantry\n 6 \n 7 \n 10 \n 14 \n 8 \n 12 \n 5 \n"
              " 0 \n 0 \n 0 \n 0 \n 93 \n 26 \nO2   Lieutenant\nN\n 0 \n 1 \n 0 \n 0 \n 0 \n3\n"
              " 12 \nB564777-9\n 2 \nRifle-2\nBrawling-1\nAdmin-2\nLeader-0\n-0\n");
    EXPECT_EQ(std::count(lines.begin() + 33, lines.begin() + 83, "-0"), 50);
    EXPECT_EQ(Joined({lines.begin() + 83, lines.end()}),
              " 0 \n 0 \n 0 \n 1 \n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n 12500 \n 4000 \n"
              " 1 \n\n 2 \nStar of Valour\n 1 \nNONE\n 0 \nCombat Ribbon\nBlade\nTravellers\n"
              "\n\n\n\n\n\n\n\n 0 \n 0 \n 0 \n 0 \n 0 \n 0 \n-1 \n-1 \n 0 \n 0 \n"
              "Blade-1, Travellers-2 Homeworld codes: B564777-920% Vilani blood Untrained "
              "(latent) PSI=8\n");
}

TEST(SaveResume, WrittenAndOpenedOrReportedKeepingTheOldPage) {
    TestGame t;
    TempDir out;
    SetUpVeteran(t.g);
    t.dice.SetFallback(true);
    // "10 more", "Enter manually", an empty answer (back to the list), a typed name.
    t.ui.Answer({"11", "12", "", "12", "Ann Vole", out.Path() + "ann"});
    SaveHtmlResume(t.g);
    // "Leave blank" under _ZIP (the transfer file follows the page), then a cancelled dialog.
    t.ui.Answer({"13", out.Path() + "blank.htm", "13", "<cancel>"});
    setenv("_ZIP", "1", 1);
    SaveHtmlResume(t.g);
    SaveHtmlResume(t.g);
    unsetenv("_ZIP");
    EXPECT_TRUE(Contains(out.Read("ann.htm"), "<title>Astrovane Character Resume - Ann Vole<"));
    EXPECT_TRUE(Contains(out.Read("blank.htm"), "<title>Astrovane Character Resume</title>"));
    EXPECT_EQ(Split(out.Read("blank.trg"), '\n').size(), 127u);
    EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), {}), 3);  // no ANNVOLE.trg

    // A read-only folder (not for the superuser), then a file-size limit: the old page stays.
    const std::string page = out.Path() + "ann.htm", oldText = out.Read("ann.htm");
    auto failedSave = [&] {
        t.ui.Answer({"13", page});
        SaveHtmlResume(t.g);
    };
    if (geteuid() != 0) {
        fs::permissions(out.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        failedSave();
        fs::permissions(out.Path(), fs::perms::owner_all);
    }
    struct rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = {64, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &tight);
    failedSave();
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(t.ui.messages.size(), geteuid() != 0 ? 2u : 1u);
    EXPECT_TRUE(Contains(t.ui.messages.back(), page));
    EXPECT_EQ(t.ui.pagesOpened, (std::vector<std::string>{page, out.Path() + "blank.htm"}));
    EXPECT_EQ(out.Read("ann.htm"), oldText);
}
