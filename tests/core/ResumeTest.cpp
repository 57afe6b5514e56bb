#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "model/Text.h"
#include "output/BuiltInResume.h"
#include "output/Naming.h"
#include "output/Resume.h"
#include "output/ResumeText.h"
#include "output/SaveDialog.h"
#include "output/TemplateResume.h"
#include "output/TransferFile.h"
#include "startup/DefaultTemplate.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvGuard {
  public:
    EnvGuard(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        had_ = std::getenv(name) != nullptr;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvGuard() {
        if (had_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

  private:
    std::string name_, old_;
    bool had_ = false;
};

// A veteran of two terms, set by hand so every figure on the page is known.
void SetUpVeteran(Game& g) {
    g.AppTitle = "Astrovane Characters v6.57";
    g.Race.Name = "Imperial";
    g.Race.Code = 1;
    g.Race.NumStats = 6;
    const char* names[] = {"", "Str", "Dex", "End", "Int", "Edu", "Soc"};
    for (int i = 1; i <= 6; ++i) g.Race.StatName[i] = names[i];
    g.Race.YearsPerTerm = 4;
    g.Service.Name = "Army";
    g.Service.BranchName = "Line Infantry";
    g.Service.RankCode[2] = "O2";
    g.Service.RankName[2] = "Lieutenant";
    g.Service.Purple = "Wound Badge";
    g.Service.Medal = {"", "Star of Valour", "NONE", "Combat Ribbon"};
    g.Form1.VilaniEnabled = true;
    g.Form1.VilaniLevel = 2;

    auto& c = g.Character;
    c.Name = "Kira Dovan";
    const int stats[] = {0, 7, 10, 14, 8, 12, 5};
    for (int i = 1; i <= 6; ++i) c.Stats[i] = static_cast<int16_t>(stats[i]);
    c.HitPoints = 93;
    c.Age = 26;
    c.Rank = 2;
    c.TechLevel = 12;
    c.CurTerm = 2;
    c.CurLine = 2;
    c.TermLog[1].Title = "Army Line Infantry";
    c.TermLog[1].Lines = {"", "Enlisted. ", "Rifle-1 ", "Promoted. ", "Brawling "};
    c.TermLog[2].Title = "Line Infantry";
    c.TermLog[2].Lines = {"", "Wounded. ", "Decorated. "};
    c.Skills[1] = {"Rifle", 2};
    c.Skills[2] = {"Brawling", 1};
    c.Skills[3] = {"Admin", 2};
    c.Skills[4] = {"Leader", 0};
    c.Money = 12500;
    c.Pension = 4000;
    c.Medals = {1, 2, 1, 0};
    c.Benefits[1] = "Blade";
    c.BenefitCount[1] = 1;
    c.Benefits[2] = "Travellers";
    c.BenefitCount[2] = 2;
    c.Homeworld = "B564777-9";
    c.Options[OptAutoGen] = OptOn;
    c.Options[OptCapSkills] = OptOn;
}

std::vector<std::string> PageLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::string line : Split(text, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

const std::vector<std::string> GoldenPage = {
    "<html>",
    "<head>",
    "<meta http-equiv=\"Content-Type\"",
    "content=\"text/html; charset=iso-8859-1\">",
    "<title>Astrovane Character Resume - Kira Dovan</title>",
    "</head>",
    "<body bgcolor=\"#808080\" text=\"#000000\">",
    "<h1><font color=\"#008000\">Astrovane Character Resume - Kira Dovan</font></h1>",
    "<h2><font color=\"#000000\"><em><u>Line Infantry</u></em></font></h2>",
    "<table border=\"1\" width=\"100%\" bordercolor=\"#FFFFFF\">",
    "<tr>",
    "<td align=\"center\"><strong>Str</strong></td>",
    "<td align=\"center\"><strong>Dex</strong></td>",
    "<td align=\"center\"><strong>End</strong></td>",
    "<td align=\"center\"><strong>Int</strong></td>",
    "<td align=\"center\"><strong>Edu</strong></td>",
    "<td align=\"center\"><strong>Soc</strong></td>",
    "</tr>",
    "    <tr>",
    "<td align=\"center\"><font color=\"#800000\"><strong>",
    " 7 </strong></font></td>",
    "<td align=\"center\"><font color=\"#800000\"><strong>",
    " 10 </strong></font></td>",
    "<td align=\"center\"><font color=\"#800000\"><strong>",
    " 14 </strong></font></td>",
    "<td align=\"center\"><font color=\"#800000\"><strong>",
    " 8 </strong></font></td>",
    "<td align=\"center\"><font color=\"#800000\"><strong>",
    " 12 </strong></font></td>",
    "<td align=\"center\"><font color=\"#800000\"><strong>",
    " 5 </strong></font></td>",
    "</tr>",
    "</table>",
    "<table border=\"1\" width=\"100%\">",
    "<tr>",
    "        <td>Hits</td>",
    "        <td>Terms</td>",
    "        <td>Age</td>",
    "        <td>TL</td>",
    "        <td>Pension</td>",
    "        <td>Rank</td>",
    "    </tr>",
    "    <tr>",
    "<td><font color=\"#800000\">",
    " 93 ",
    "</font></td>",
    "<td><font color=\"#800000\">",
    " 2 ",
    "</font></td>",
    "<td><font color=\"#800000\">",
    " 26 ",
    "</font></td>",
    "<td><font color=\"#800000\">",
    " 12 ",
    "</font></td>",
    "<td><font color=\"#800000\">",
    "Cr4,000",
    "</font></td>",
    "<td><font color=\"#800000\">",
    "Lieutenant (O2  )",
    "</font></td>",
    "</tr>",
    "</table>",
    "<table border=\"1\" width=\"100%\">",
    "    <tr>",
    "        <td>Skills</td>",
    "    </tr>",
    "    <tr>",
    "        <td><font color=\"#800000\">",
    "Rifle-2, Admin-2, Brawling-1, Leader-0",
    "</tr>",
    "</table>",
    "<table border=\"1\" width=\"100%\">",
    "<tr>",
    "<td>Bank balance</td>",
    "<td>Material Benefits and notes</td>",
    "</tr>",
    " <tr>",
    "<td><font color=\"#800000\">",
    "Cr12,500",
    "</font></td>",
    "<td><font color=\"#800000\">",
    "Blade-1, Travellers-2 Homeworld codes: B564777-920% Vilani blood Untrained (latent) PSI=5",
    "</font></td>",
    "</tr>",
    "</table>",
    "<table border=\"1\" width=\"100%\">",
    "<tr>",
    "<td>Medals/Bonuses</td>",
    "</tr>",
    "<tr>",
    "<td><font color=\"#800000\">",
    "Wound Badge x1 ",
    "Star of Valour x2 ",
    "</font></td>",
    "</table>",
    "<table border=\"1\" width=\"100%\">",
    "<tr>",
    "<td>History</td>",
    "</tr>",
    "<tr>",
    "<td><font color=\"#800000\">Term: 1 Army Line Infantry</td>",
    "</tr>",
    "<tr><td><font color=\"#800000\">",
    "1    Enlisted. <br>",
    "2    Rifle-1 <br>",
    "3    Promoted. <br>",
    "4    Brawling <br>",
    "</td></tr>",
    "<tr>",
    "<td><font color=\"#800000\">Term: 2 Line Infantry</td>",
    "</tr>",
    "<tr><td><font color=\"#800000\">",
    "1    Wounded. <br>",
    "2    Decorated. <br>",
    "</td></tr>",
    "</table>",
    "<h3>Generated on Tuesday, March 4, 2031 by Astrovane Characters v6.57 ",
    "</h3>",
    "<p>Switches:",
    "Automatic generation Cap skills at 6 </p>",
    "</body>",
    "</html>",
};

}  // namespace

TEST(BuiltInResume, PageMatchesTheGoldenCopy) {
    TestGame t;
    SetUpVeteran(t.g);
    t.dice.Push({3, 4});  // the latent psionic rating: 7 - 2 terms
    EXPECT_EQ(Joined(BuiltInResumeLines(t.g, "Tuesday, March 4, 2031")), Joined(GoldenPage));
    EXPECT_EQ(t.dice.Left(), 0u);
}

TEST(BuiltInResume, UnnamedFirstTermCharacterAndFooterMarks) {
    TestGame t;
    SetUpVeteran(t.g);
    auto& c = t.g.Character;
    c.Name.clear();
    c.PsiTrained = 1;  // no latent rating, so no dice
    c.CurTerm = 1;
    c.CurLine = 2;
    c.Money = 0;
    t.g.Form1.HandEntered = "E";
    const auto page = BuiltInResumeLines(t.g, "Monday, May 5, 2025", "Batch seed 42");
    const std::string text = Joined(page);
    EXPECT_NE(text.find("<title>Astrovane Character Resume</title>\n"), std::string::npos);
    EXPECT_NE(text.find(">Astrovane Character Resume</font></h1>"), std::string::npos);
    EXPECT_NE(text.find("\nCr0\n"), std::string::npos);
    // Only the current term, with its years up to the current one.
    EXPECT_NE(text.find("Term: 1 Army Line Infantry</td>\n</tr>\n<tr><td><font color=\"#800000\">\n"
                        "1    Enlisted. <br>\n2    Rifle-1 <br>\n</td></tr>\n</table>\n"),
              std::string::npos);
    EXPECT_EQ(text.find("Term: 2"), std::string::npos);
    EXPECT_NE(text.find("Homeworld codes: B564777-920% Vilani blood . \n"), std::string::npos);
    const std::vector<std::string> tail(page.end() - 8, page.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "<h3>Generated on Monday, May 5, 2025 by Astrovane Characters v6.57 ", ".",
                        "</h3>", "<p>Switches:", "Automatic generation Cap skills at 6 </p>",
                        "<p>Batch seed 42</p>", "</body>", "</html>"}));
}

TEST(BuiltInResume, LongDateOfTheFooter) {
    std::tm tm{};
    tm.tm_year = 125;
    tm.tm_mon = 4;
    tm.tm_mday = 5;
    tm.tm_wday = 1;
    EXPECT_EQ(LongDate(tm), "Monday, May 5, 2025");
}

TEST(ResumeText, SafeFileNameKeepsEightUsableCharacters) {
    EXPECT_EQ(SafeFileName("Jean-Luc Picard III"), "JEAN-LUC");
    EXPECT_EQ(SafeFileName("  \xC9\xE8\xFC  "), "");  // spaces and accented letters only
    EXPECT_EQ(SafeFileName("ab 12_cd.34efg"), "AB12CD34");
    EXPECT_EQ(SafeFileName("<script>"), "SCRIPT");
    EXPECT_EQ(SafeFileName(""), "");
}

TEST(ResumeText, EscapingCoversTheFiveMarkupCharacters) {
    EXPECT_EQ(HtmlEscape("<a href=\"x\">Tom & Jerry's</a>"),
              "&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry&#39;s&lt;/a&gt;");
    EXPECT_EQ(HtmlEscape("Plain \xE9t\xE9"), "Plain \xE9t\xE9");
}

TEST(ResumeText, SkillTextRunsFromTheHighestLevel) {
    TestGame t;
    auto& c = t.g.Character;
    c.Skills[1] = {"Pilot", 9};
    c.Skills[2] = {"Gambling", 10};
    c.Skills[3] = {"", 5};  // a free slot is no skill
    c.Skills[4] = {"admin", 1};
    c.Skills[5] = {"Blade", 1};
    c.Options[OptSortSkills] = OptOn;
    // A level of 10 ranks above 9 (a text sort would put it below); equal
    // levels run from the end of the alphabet, as the sorted list read backwards.
    EXPECT_EQ(SkillText(t.g), "Gambling-10, Pilot-9, Blade-1, admin-1");
    EXPECT_EQ(c.Options[OptSortSkills], OptOn);  // the user's switch is left alone
    c.Options[OptSortSkills] = OptOff;
    EXPECT_EQ(SkillText(t.g), "Gambling-10, Pilot-9, Blade-1, admin-1");
    EXPECT_EQ(c.Options[OptSortSkills], OptOff);
}

TEST(ResumeText, CharacterNotes) {
    TestGame t;
    SetUpVeteran(t.g);
    auto& c = t.g.Character;
    t.g.Race.Code = 12;
    t.g.Form1.VilaniEnabled = false;
    c.SocialClass = "W";
    c.BenefitCount[1] = 0;  // no first benefit: the next still gets the separator
    t.dice.Push({1, 1, 6, 6});
    EXPECT_EQ(CharacterNotes(t.g),
              ", Travellers-2 (Well-Born) Homeworld codes: B564777-9 Untrained (latent) PSI=0");
    // A fresh throw every time the notes are built.
    EXPECT_EQ(CharacterNotes(t.g),
              ", Travellers-2 (Well-Born) Homeworld codes: B564777-9 Untrained (latent) PSI=10");
    c.PsiTrained = 1;
    t.g.Form1.HandEntered = "E";
    t.g.Form1.VilaniEnabled = true;
    t.g.Form1.VilaniLevel = 0;  // 'Normal Human' adds nothing
    EXPECT_EQ(CharacterNotes(t.g), ", Travellers-2 (Well-Born) Homeworld codes: B564777-9 . ");
    EXPECT_EQ(t.dice.Left(), 0u);
}

TEST(TemplateResume, EveryPlaceholderGetsItsValue) {
    TestGame t;
    SetUpVeteran(t.g);
    t.g.Character.Money = 0;
    t.g.Character.Pension = 1234567;
    auto fill = [&](const std::string& line) { return FillTemplateLine(t.g, line); };
    EXPECT_EQ(fill("<h1>|NAME|</h1>"), "<h1>Kira Dovan</h1>");
    EXPECT_EQ(fill("|CAREER|"), "Line Infantry");
    EXPECT_EQ(fill("|STATNAME3|=|STAT3|/|BONUS3|"), "End=14/2");
    EXPECT_EQ(fill("|STATNAME6|=|STAT6|/|BONUS6|"), "Soc=5/1");
    EXPECT_EQ(fill("[|STATNAME7|][|STAT7|][|BONUS7|][|STAT10|]"), "[][][][]");
    EXPECT_EQ(fill("|UPP|"), "7AE8C5");
    EXPECT_EQ(fill("|HITS| |TERMS| |AGE| |TL|"), "93 2 26 12");
    EXPECT_EQ(fill("[|RANKCODE|] |RANK|"), "[O2  ] Lieutenant");
    EXPECT_EQ(fill("|SKILLS|"), "Rifle-2, Admin-2, Brawling-1, Leader-0");
    EXPECT_EQ(fill("|MONEY| |PENSION|"), "Cr Cr1,234,567");
    EXPECT_EQ(fill("|MEDALS|"), "Wound Badge x1 Star of Valour x2 ");
    EXPECT_EQ(fill("|SWITCHES|"), "Automatic generation Cap skills at 6 ");
    EXPECT_EQ(fill("|HISTORY|"),
              "<table border=\"1\" width=\"100%\">\r\n<tr><td>History</td></tr>"
              "<tr><td><font color=\"#800000\">Term: 1 Army Line Infantry</td></tr>"
              "<tr><td><font color=\"#800000\">1    Enlisted. <br>2    Rifle-1 <br>"
              "3    Promoted. <br>4    Brawling <br></td></tr>"
              "<tr><td><font color=\"#800000\">Term: 2 Line Infantry</td></tr>"
              "<tr><td><font color=\"#800000\">1    Wounded. <br>2    Decorated. <br>"
              "</td></tr></table>");
    EXPECT_EQ(t.dice.Left(), 0u);  // no line so far held |NOTES|: no dice thrown
    t.dice.Push({2, 2});
    EXPECT_EQ(fill("Notes: |NOTES|"),
              "Notes: Blade-1, Travellers-2 Homeworld codes: B564777-920% Vilani blood "
              "Untrained (latent) PSI=2");
}

TEST(TemplateResume, OnlyTheFirstOccurrenceIsReplaced) {
    TestGame t;
    SetUpVeteran(t.g);
    EXPECT_EQ(FillTemplateLine(t.g, "|NAME| and |NAME|"), "Kira Dovan and |NAME|");
    t.g.Character.Stats[10] = 3;
    t.g.Race.NumStats = 10;
    t.g.Race.StatName[10] = "Luc";
    // The closing bar belongs to the placeholder: |STAT1| is not inside |STAT10|.
    EXPECT_EQ(FillTemplateLine(t.g, "|STAT10| |STAT1|"), "3 7");
    EXPECT_EQ(FillTemplateLine(t.g, "<p>No placeholder | here</p>"),
              "<p>No placeholder | here</p>");
    // A value is never searched again, so a name cannot pull in other values.
    t.g.Character.Name = "|CAREER|";
    EXPECT_EQ(FillTemplateLine(t.g, "|NAME| |CAREER|"), "|CAREER| Line Infantry");
}

TEST(TemplateResume, DefaultTemplateIsFilledCompletely) {
    TestGame t;
    SetUpVeteran(t.g);
    t.dice.Push({6, 6});
    const auto page = FillTemplate(t.g, DefaultTemplateLines(), "Seed 7");
    ASSERT_EQ(page.size(), DefaultTemplateLines().size() + 1);
    EXPECT_EQ(page[8], "<h1>Astrovane Resume - Kira Dovan</h1>");
    for (const auto& line : page) {
        for (const char* ph : {"|NAME|", "|STAT", "|BONUS", "|NOTES|", "|HISTORY|"})
            EXPECT_EQ(line.find(ph), std::string::npos) << line;
    }
    EXPECT_EQ(page[page.size() - 3], "<p>Seed 7</p>");
    EXPECT_EQ(page[page.size() - 2], "</body>");
    EXPECT_EQ(t.dice.Left(), 0u);  // |NOTES| occurs once
}

TEST(ResumeEscaping, HostileTextsCannotScriptThePage) {
    TestGame t;
    SetUpVeteran(t.g);
    t.g.Character.PsiTrained = 1;
    t.g.Character.Name = "<script>alert('x')</script>";
    t.g.Service.BranchName = "Marines\"><script>";
    t.g.Character.Skills[5] = {"<b>Gun</b>", 1};
    t.g.Character.TermLog[2].Lines[1] = "<img src=x onerror=alert(1)> ";
    const std::string page = Joined(BuiltInResumeLines(t.g, "today"));
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_NE(page.find("Resume - &lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</title>"),
              std::string::npos);
    EXPECT_NE(page.find("Marines&quot;&gt;&lt;script&gt;"), std::string::npos);

    const auto filled = FillTemplate(
        t.g, {"<title>|NAME|</title>", "<td>|CAREER|</td>", "|SKILLS|", "<td>|HISTORY|</td>"});
    const std::string text = Joined(filled);
    EXPECT_EQ(text.find("<script>"), std::string::npos);
    EXPECT_EQ(text.find("<img"), std::string::npos);
    EXPECT_EQ(filled[0], "<title>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</title>");
    EXPECT_NE(text.find("<td><table border=\"1\""), std::string::npos);  // own markup kept
}

TEST(TransferFile, HasTheRecordIn126Lines) {
    TestGame t;
    SetUpVeteran(t.g);
    auto& c = t.g.Character;
    c.Notes = "carried";
    c.SocialClass = "N";
    c.Warranted = 1;
    c.Clearance = "3";
    c.BranchOpen[4] = 1;
    c.Skills[1].Name = "  Rifle ";
    t.dice.Push({5, 5});
    const auto lines = TrgFileLines(t.g);
    ASSERT_EQ(lines.size(), 126u);
    auto line = [&](int n) { return lines[static_cast<size_t>(n - 1)]; };
    EXPECT_EQ(line(1), "Kira Dovan");
    EXPECT_EQ(line(2), "carried");
    EXPECT_EQ(line(3), "Imperial");
    EXPECT_EQ(line(4), "Line Infantry");
    EXPECT_EQ(line(5), " 6 ");
    EXPECT_EQ(line(6), " 7 ");
    EXPECT_EQ(line(15), " 0 ");
    EXPECT_EQ(line(16), " 93 ");
    EXPECT_EQ(line(17), " 26 ");
    EXPECT_EQ(line(18), "O2   Lieutenant");
    EXPECT_EQ(line(19), "N");
    EXPECT_EQ(line(21), " 1 ");
    EXPECT_EQ(line(25), "3");
    EXPECT_EQ(line(26), " 12 ");
    EXPECT_EQ(line(27), "B564777-9");
    EXPECT_EQ(line(28), " 2 ");
    EXPECT_EQ(line(29), "Rifle-2");
    EXPECT_EQ(line(32), "Leader-0");
    EXPECT_EQ(line(83), "-0");
    EXPECT_EQ(line(87), " 1 ");
    EXPECT_EQ(line(96), " 12500 ");
    EXPECT_EQ(line(97), " 4000 ");
    const std::vector<std::string> medals(lines.begin() + 97, lines.begin() + 105);
    EXPECT_EQ(medals, (std::vector<std::string>{" 1 ", "", " 2 ", "Star of Valour", " 1 ", "NONE",
                                                " 0 ", "Combat Ribbon"}));
    EXPECT_EQ(line(106), "Blade");
    EXPECT_EQ(line(116), " 0 ");
    EXPECT_EQ(line(122), "-1 ");
    EXPECT_EQ(line(123), "-1 ");
    EXPECT_EQ(line(126),
              "Blade-1, Travellers-2 Homeworld codes: B564777-920% Vilani blood Untrained "
              "(latent) PSI=8");
}

TEST(TransferFile, WrittenBesideTheResumeOnlyUnderZip) {
    TestGame t;
    TempDir out;
    SetUpVeteran(t.g);
    t.g.Character.PsiTrained = 1;
    {
        EnvGuard zip("_ZIP", nullptr);
        EXPECT_EQ(WriteResume(t.g, out.Path() + "page.htm", ResumeLayout::BuiltIn()), "");
        EXPECT_FALSE(std::filesystem::exists(out.Path() + "KIRADOVA.trg"));
    }
    EnvGuard zip("_ZIP", "1");
    EXPECT_EQ(WriteResume(t.g, out.Path() + "page.htm", ResumeLayout::BuiltIn()), "");
    const std::string trg = out.Read("KIRADOVA.trg");
    EXPECT_EQ(PageLines(trg).size(), 126u);
    EXPECT_EQ(trg.substr(0, 12), "Kira Dovan\r\n");
    // Unnamed: the transfer file follows the resume's own name.
    t.g.Character.Name.clear();
    EXPECT_EQ(TrgFilePath(t.g, "/x/y/mine.htm"), "/x/y/mine.trg");
    EXPECT_EQ(WriteResume(t.g, out.Path() + "other.htm", ResumeLayout::BuiltIn()), "");
    EXPECT_TRUE(std::filesystem::exists(out.Path() + "other.trg"));
    EXPECT_EQ(out.Read("KIRADOVA.trg"), trg);  // the earlier character's file is untouched
}

TEST(Naming, SuggestionsMoreTypedAndBlank) {
    TestGame t;
    t.dice.SetFallback(true);
    t.g.AppTitle = "Title";
    // "10 more", then "Enter manually" with an empty answer (back to the list),
    // then "Enter manually" with a name.
    t.ui.Answer({"11", "12", "", "12", "Zed Quill"});
    NameCharacter(t.g);
    EXPECT_EQ(t.g.Character.Name, "Zed Quill");
    int lists = 0;
    for (const auto& s : t.ui.shown) {
        if (s.Kind == "input") {
            EXPECT_EQ(s.Text, "Give character's name");
        }
        if (s.Kind != "pickone") continue;
        ++lists;
        EXPECT_EQ(s.Title, "Suggested names");
        const auto items = Split(s.Text, '/');
        ASSERT_EQ(items.size(), 13u);
        EXPECT_EQ(s.Text.substr(s.Text.size() - 34), "10 more/Enter manually/Leave blank");
    }
    EXPECT_EQ(lists, 3);

    t.ui.Answer({"13"});
    NameCharacter(t.g);
    EXPECT_EQ(t.g.Character.Name, "");

    t.ui.Answer({"3"});
    NameCharacter(t.g);
    EXPECT_EQ(t.g.Character.Name, Split(t.ui.shown.back().Text, '/')[2]);
    EXPECT_FALSE(t.g.Character.Name.empty());

    t.ui.Answer({"0"});  // the window closed
    NameCharacter(t.g);
    EXPECT_EQ(t.g.Character.Name, "");
}

TEST(SaveDialog, ProposesTheSafeNameInTheTransferFolder) {
    TestGame t;
    TempDir home;
    EnvGuard env("HOME", home.Path().c_str());
    t.g.Character.Name = "Jean-Luc Picard III";
    FileDialogRequest r = ResumeSaveRequest(t.g);
    EXPECT_EQ(r.FileName, "JEAN-LUC.htm");
    EXPECT_EQ(r.FilterDescription, "Web pages");
    EXPECT_EQ(r.FilterPattern, "*.htm");
    EXPECT_EQ(r.DefaultExtension, "htm");
    EXPECT_EQ(r.InitialFolder, home.Path());
    std::filesystem::create_directories(home.Path() + "transfer");
    EXPECT_EQ(ResumeSaveRequest(t.g).InitialFolder, home.Path() + "transfer/");
    t.g.Character.Name = "";
    EXPECT_EQ(ResumeSaveRequest(t.g).FileName, "*.htm");
    t.g.Character.Name = "\xC9\xE8";  // nothing usable in it
    EXPECT_EQ(ResumeSaveRequest(t.g).FileName, "*.htm");

    t.ui.Answer({home.Path() + "noext", "<cancel>"});
    EXPECT_EQ(AskResumePath(t.g), home.Path() + "noext.htm");
    EXPECT_FALSE(AskResumePath(t.g).has_value());
}

TEST(SaveResume, BuiltInWritesOpensAndLogs) {
    TestGame t;
    TempDir out;
    EnvGuard zip("_ZIP", nullptr);
    SetUpVeteran(t.g);
    t.g.Character.PsiTrained = 1;
    t.dice.SetFallback(true);
    t.ui.Answer({"12", "Ann Vole", out.Path() + "ann.htm"});
    SaveHtmlResume(t.g);
    EXPECT_EQ(t.g.Character.Name, "Ann Vole");
    const auto page = PageLines(out.Read("ann.htm"));
    ASSERT_GT(page.size(), 5u);
    EXPECT_EQ(page[4], "<title>Astrovane Character Resume - Ann Vole</title>");
    EXPECT_EQ(out.Read("ann.htm").substr(0, 8), "<html>\r\n");
    EXPECT_EQ(t.ui.pagesOpened, std::vector<std::string>{out.Path() + "ann.htm"});
    EXPECT_NE(t.g.TermWindow.Log.find("Character saved to HTM file"), std::string::npos);

    // Cancelling the save dialog writes nothing.
    t.ui.Answer({"13", "<cancel>"});
    SaveHtmlResume(t.g);
    EXPECT_EQ(t.ui.pagesOpened.size(), 1u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out.Path()), {}), 1);
}

TEST(SaveResume, TemplateChosenFilledAndOpened) {
    TestGame t;
    TempDir data;
    TempDir out;
    EnvGuard zip("_ZIP", nullptr);
    SetUpVeteran(t.g);
    t.g.Character.PsiTrained = 1;
    t.g.DataLoc = data.Path();
    t.dice.SetFallback(true);

    SaveTemplateResume(t.g);
    EXPECT_EQ(t.ui.messages, std::vector<std::string>{"You haven't any templates!"});

    data.Write("templates/b.htm", {"<p>|NAME| of |CAREER|</p>", "<p>no placeholders</p>"});
    data.Write("templates/A.HTM", {"other"});
    data.Write("templates/notes.txt", {"not a template"});
    t.ui.Answer({"<cancel>"});
    SaveTemplateResume(t.g);
    EXPECT_EQ(t.g.Slist1.Prompt, "Select output template");
    ASSERT_EQ(t.g.Slist1.Items.size(), 2u);
    EXPECT_TRUE(t.ui.pagesOpened.empty());

    t.ui.Answer({"2", "13", out.Path() + "t.htm"});
    SaveTemplateResume(t.g);
    EXPECT_EQ(out.Read("t.htm"), "<p> of Line Infantry</p>\r\n<p>no placeholders</p>\r\n");
    EXPECT_EQ(t.ui.pagesOpened, std::vector<std::string>{out.Path() + "t.htm"});
}

TEST(SaveResume, FailedWriteIsReportedAndKeepsTheOldPage) {
    TestGame t;
    TempDir out;
    EnvGuard zip("_ZIP", nullptr);
    SetUpVeteran(t.g);
    t.g.Character.PsiTrained = 1;
    t.dice.SetFallback(true);

    // A folder that cannot exist: the message names the path, nothing opens.
    out.Write("file", {"x"});
    const std::string bad = out.Path() + "file/page.htm";
    t.ui.Answer({"13", bad});
    SaveHtmlResume(t.g);
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_NE(t.ui.messages[0].find(bad), std::string::npos);
    EXPECT_TRUE(t.ui.pagesOpened.empty());
    EXPECT_EQ(t.g.TermWindow.Log.find("Character saved"), std::string::npos);

    // A write that fails part way (here: a file-size limit, which holds even
    // for the superuser) leaves the earlier page whole.
    out.Write("old.htm", {"earlier page"});
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tight);
    const std::string problem = WriteResume(t.g, out.Path() + "old.htm", ResumeLayout::BuiltIn());
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_NE(problem.find(out.Path() + "old.htm"), std::string::npos);
    EXPECT_EQ(out.Read("old.htm"), "earlier page\r\n");
}

TEST(SaveResume, ReadOnlyFolderKeepsTheOldPage) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    TestGame t;
    TempDir out;
    SetUpVeteran(t.g);
    t.g.Character.PsiTrained = 1;
    out.Write("old.htm", {"earlier page"});
    std::filesystem::permissions(
        out.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const std::string problem = WriteResume(t.g, out.Path() + "old.htm", ResumeLayout::BuiltIn());
    std::filesystem::permissions(out.Path(), std::filesystem::perms::owner_all);
    EXPECT_NE(problem.find(out.Path() + "old.htm"), std::string::npos);
    EXPECT_EQ(out.Read("old.htm"), "earlier page\r\n");
}
