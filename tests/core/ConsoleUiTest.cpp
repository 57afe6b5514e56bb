// The terminal's questions read from a stream: answers out of range are
// asked again, and the end of input names the waiting question; lists in
// columns, paging for a person only, the preview as text, exit asked first.

#include "batch/Batch.h"
#include "career/Driver.h"
#include "model/Display.h"
#include "output/BuiltInResume.h"
#include "output/Resume.h"
#include "support/TestGame.h"
#include "text/Files.h"
#include "text/Text.h"
#include "ui/Dialogs.h"
#include "ui/Program.h"
#include "ui/console/ConsoleOptions.h"
#include "ui/console/ConsoleUi.h"
#include "ui/console/TextLayout.h"

using namespace orrimar;

namespace {

// Whether `text` holds `part` (from `from` on), printing the text when not.
testing::AssertionResult Holds(const std::string& text, const std::string& part, size_t from = 0) {
    if (text.find(part, from) != std::string::npos) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "\"" << part << "\" in:\n" << text.substr(from);
}

// A terminal reading `input`.
struct Terminal {
    explicit Terminal(const std::string& input) : in(input) {}
    std::istringstream in;
    std::ostringstream out;
    ConsoleUi ui{in, out};
};

}  // namespace

TEST(ConsoleUi, PickListNumbersPastTheListAreAskedAgain) {
    TestGame t;
    // OK with nothing selected keeps the list open and says how to leave it.
    Terminal term("\n99999999999\n-1 2x\n2\n\n");
    auto& ui = term.ui;
    PickListModel list;
    PickListAdd(list, "Alpha", 1);
    PickListAdd(list, "Beta", 2);
    ui.PickList(t.g, list);
    EXPECT_EQ(PickListSelection(list).size(), 1u);
    EXPECT_EQ(PickListSelection(list).at(0).Text, "Beta");
    const std::string shown = term.out.str();
    size_t refusals = 0;
    for (size_t at = 0; (at = shown.find("Numbers run from 1 to 2.", at)) != std::string::npos;
         ++at)
        ++refusals;
    EXPECT_EQ(refusals, 2u) << shown;
    EXPECT_TRUE(Holds(shown, "No items selected\nType c to cancel and close the list."));
}

// The end of input names the question waiting, not only its window (the
// status it ends with, the terminal runs check).
TEST(ConsoleUi, TheEndOfInputNamesTheQuestion) {
    Terminal term("maybe\n");
    EXPECT_THROW(term.ui.YesNo("Change Service from Army", "Title", false, MsgIcon::Question),
                 ProgramExit);
    EXPECT_TRUE(Holds(term.out.str(), "(end of input at \"Change Service from Army\")"));
}

// An existing file is replaced only when the user says so, or for the
// whole run with --yes; a name without an extension gets the proposed one.
TEST(ConsoleUi, SavingOverAnExistingFileAsksFirst) {
    TempDir dir;
    dir.Write("HERO.htm", {"old"});
    FileDialogRequest request;
    request.InitialFolder = dir.Path();
    request.FileName = "HERO.htm";
    request.DefaultExtension = "htm";
    Terminal asked("\n2\n" + dir.Path() + "OTHER\n"), sure("\n");
    asked.ui.SetScreen(1000, 24, false);  // the question on one line, however long the folder
    EXPECT_EQ(asked.ui.SaveFileDialog(request), dir.Path() + "OTHER.htm");
    EXPECT_TRUE(Holds(asked.out.str(), "HERO.htm already exists. Do you want to replace it?"));
    sure.ui.AssumeYes(true);
    EXPECT_EQ(sure.ui.SaveFileDialog(request), dir.Path() + "HERO.htm");
    EXPECT_FALSE(Holds(sure.out.str(), "already exists"));
}

TEST(BatchPages, EveryCharacterHasAPageOfItsOwn) {
    EXPECT_NE(BatchPageName(10001, "Hugo Smith"), BatchPageName(1, "Hugo Smith"));
    EXPECT_EQ(BatchPageName(10001, ""), "10001-.htm");
}

namespace {

// The sample data's Imperial navy character, played by a terminal that
// reads `input` and is `columns` wide; nothing waits for a key.
struct TerminalGame {
    explicit TerminalGame(const std::string& input, int columns = 80)
        : in(input), ui(in, out), g(ui, dice) {
        t.LoadData(SampleDataDir());
        t.Pick("Imperial", "Imperial Navy", "Line Fleet");
        static_cast<GameState&>(g) = t.g;
        ui.SetScreen(columns, 24, false);
    }
    TestGame t;
    std::istringstream in;
    std::ostringstream out;
    ConsoleUi ui;
    SeededDice dice{4};
    Game g;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream read(text);
    for (std::string line; std::getline(read, line);) lines.push_back(line);
    return lines;
}

}  // namespace

// The fifth button of the final menu shows the page "Save as HTML" writes,
// as text within the terminal's width, without asking for a name or writing
// a file; the homeworld and the latent psionic rating on it stay for the
// save that follows. A recorded career's page carries its footer (seed,
// version, data) in the preview as in the file.
TEST(FinalMenu, PreviewShowsThePageAsSavedAndWritesNothing) {
    TerminalGame t("5\n4\n", 60);
    std::tie(t.g.career.Recipe.Made, t.g.career.Recipe.Seeded, t.g.career.Recipe.Seed) =
        std::tuple(CareerRecipe::Kind::Interactive, true, 4242);
    EXPECT_EQ(FinalMenu(t.g), CareerEnd::Scrap);
    EXPECT_TRUE(t.g.career.Character.Name.empty());
    const std::string shown = t.out.str(), open = "== Preview ==\n";
    const size_t start = shown.find(open);
    const size_t end = shown.find("(end of the preview; nothing was saved)");
    ASSERT_TRUE(start != std::string::npos && end != std::string::npos) << shown;
    const std::string page = shown.substr(start + open.size(), end - start - open.size());
    TempDir out;
    ASSERT_EQ(WriteResume(t.g, out.Path() + "page.htm", ResumeLayout::BuiltIn()), "");
    const std::string html = out.Read("page.htm");
    std::string saved;
    for (const auto& line : PageText(html, 60)) saved += line + "\n";
    EXPECT_EQ(page, saved);
    EXPECT_TRUE(Holds(html, t.g.career.Character.Homeworld));
    EXPECT_TRUE(Holds(page, "seed 4242, Orrimar "));
    for (const auto& line : Lines(page)) EXPECT_LE(line.size(), 60u) << line;
}

// Tags dropped, entities decoded, blanks collapsed; short tables in
// columns, a heading row over a value row as "heading: value", other
// tables a line per cell; broken markup is text, not a crash.
TEST(PageText, ReadsAPageAsABrowserWould) {
    const std::string page =
        "<html><head><title>Not shown</title></head><body bgcolor=\"#808080\">\r\n"
        "<h1><font color=\"#008000\">Resume - Jo &amp; Mo</font></h1>\r\n"
        "<table border=\"1\"><tr><td>Str</td><td>Dex</td></tr>\r\n"
        "<tr><td>7</td><td>12</td></tr></table>\r\n"
        "<table><tr><td>Skills</td><td>Notes</td></tr><tr><td>Pilot-2, Medic-1</td>"
        "<td>Homeworld &lt;A788&gt; caf&#233; &#x263A;, and notes running on and on past the end "
        "of a line</td></tr>"
        "</table>\r\n"
        "<table><tr><td>History</td></tr><tr><td>Term: 1</td></tr>"
        "<tr><td>1    Patrol<br>2 Training<br></td></tr></table>\r\n"
        "<!-- left out --><p>Switches:\r\n  none</p></body></html>";
    EXPECT_EQ(
        PageText(page, 80),
        (std::vector<std::string>{
            "Resume - Jo & Mo", "", "Str  Dex", "7    12", "", "Skills: Pilot-2, Medic-1",
            "Notes: Homeworld <A788> caf\xE9 ?, and notes running on and on past the end of a",
            "  line", "", "History", "Term: 1", "1 Patrol", "2 Training", "", "Switches: none"}));
    for (const auto& line : PageText(page, 12)) EXPECT_LE(line.size(), 12u) << line;
    for (const std::string broken : {"<", "<td", "</table>", "a < b & c; <table><td>x", "<!-- open",
                                     "&#99999999;", "<a href=\"x>y\">z"})
        EXPECT_NO_THROW(PageText(broken, 40)) << broken;
    EXPECT_EQ(PageText("a < b & c", 40), (std::vector<std::string>{"a < b & c"}));
}

// "0 shows the tables": the tables side by side as the width allows, with
// no runs of empty lines, though each table ends in several, and the
// buttons again under them. A table that opens and moves the others'
// numbers is said.
TEST(ConsoleUi, SkillTablesPrintWithoutRunsOfBlankLines) {
    TerminalGame t("0\n1\n2\n");
    auto& s = LoadedRules(t.g).Service;
    s.SkillTable.Edit(1) = {"Personal", {}, {}, 2, {"", "+1 Str", "Brawling"}};
    s.SkillTable.Edit(2) = {"Service", {}, {}, 2, {"", "Pilot", "Medic"}};
    t.g.windows.Form2.Button = {};
    t.g.windows.Form2.Button[1] = {"Personal Development", "S1", true};
    t.g.windows.Form2.Button[2] = {"Service Skills", "S2", true};
    EXPECT_EQ(t.ui.ChooseSkillTable(t.g, t.g.windows.Form2), 1);
    const std::string shown = t.out.str();
    const size_t start = shown.find("(0 shows the tables)\n> ");
    ASSERT_NE(start, std::string::npos) << shown;
    const std::string tables = shown.substr(start + 23, shown.find("\n== ", start) - start - 23);
    EXPECT_EQ(tables,
              "Personal Development   Service Skills\n"
              "  1 +1 Str               1 Pilot\n"
              "  2 Brawling             2 Medic\n");
    EXPECT_TRUE(Holds(shown, " 3 Select for me, please!", start));
    EXPECT_FALSE(Holds(shown, "have changed"));
    t.g.windows.Form2.Button[3] = t.g.windows.Form2.Button[2];
    t.g.windows.Form2.Button[2] = {"Advanced Education", "S3", true};
    const size_t before = t.out.str().size();
    EXPECT_EQ(t.ui.ChooseSkillTable(t.g, t.g.windows.Form2), 2);
    EXPECT_TRUE(Holds(t.out.str(),
                      "The tables have changed since the last roll: Service Skills is now 3.",
                      before));
    // Tables too wide to stand side by side come one under the other.
    EXPECT_EQ(
        SideBySide({{"Personal Development", "  1 +1 Str"}, {"Service Skills"}}, 30),
        (std::vector<std::string>{"Personal Development", "  1 +1 Str", "", "Service Skills"}));
}

// Long lists are set in columns to the terminal's width, numbers aligned,
// read down each column.
TEST(ConsoleUi, LongListsAreSetInColumns) {
    std::vector<std::string> choices;
    for (int k = 1; k <= 12; ++k) choices.push_back("Choice " + std::string(k % 3 + 1, 'x'));
    Terminal term("3\n");
    term.ui.SetScreen(80, 24, false);
    const std::vector<std::string_view> views(choices.begin(), choices.end());
    EXPECT_EQ(term.ui.PickOne(views, "Which?"), 3);
    EXPECT_TRUE(Holds(term.out.str(),
                      "  1 Choice xx      4 Choice xx      7 Choice xx     10 Choice xx\n"));
    EXPECT_EQ(InColumns({"a", "bb", "c"}, 80), (std::vector<std::string>{"a    bb   c"}));
    EXPECT_EQ(WrapLine("   one two three", 10, 5),
              (std::vector<std::string>{"   one two", "     three"}));
    EXPECT_EQ(WrapLine("abcdefghijkl", 5), (std::vector<std::string>{"abcde", "fghij", "kl"}));
}

// The history (h) waits after each screenful for a person at a terminal,
// and q there stops it; for a script it never waits.
TEST(ConsoleUi, HistoryIsPagedOnlyForAPerson) {
    for (const bool person : {true, false}) {
        TerminalGame t(person ? "h\nq\n1\n" : "h\n1\n");
        t.ui.SetScreen(80, 10, person);
        ClearTermWindow(t.g.windows);
        for (int k = 1; k <= 30; ++k)
            t.g.windows.TermWindow.History.push_back("Year " + std::to_string(k));
        t.g.windows.TermWindow.Button[1] = {"Carry on", true};
        EXPECT_EQ(t.ui.AskTerm(t.g), "1");
        const std::string shown = t.out.str();
        EXPECT_EQ(Contains(shown, "-- more"), person) << shown;
        EXPECT_EQ(Contains(shown, "Year 30"), !person) << shown;
        EXPECT_EQ(Contains(shown, "(22 more lines not shown)"), person) << shown;
        // The question comes again under the history.
        EXPECT_TRUE(Holds(shown, " 1 Carry on", shown.find("Year 8")));
    }
}

// q asks before the character is lost; No (or an empty answer) goes back
// to the question, Yes ends the program. Once saved, nothing is lost, and
// the question says so.
TEST(ConsoleUi, ExitAsksFirst) {
    {
        TerminalGame saved("q\ny\n");
        saved.g.career.Saved = true;
        saved.g.windows.TermWindow.Button[1] = {"Save as HTML", true};
        EXPECT_THROW(saved.ui.AskTerm(saved.g), ProgramExit);
        EXPECT_TRUE(Holds(saved.out.str(), ExitSavedQuestion));
        EXPECT_FALSE(Holds(saved.out.str(), "lose"));
    }
    TerminalGame t("q\n\nq\ny\n");
    t.g.windows.TermWindow.Button[1] = {"Carry on", true};
    try {
        t.ui.AskTerm(t.g);
        FAIL() << "q and Yes did not end the program";
    } catch (const ProgramExit& exit) {
        EXPECT_EQ(exit.Code, 0);
    }
    const std::string shown = t.out.str();
    const size_t first = shown.find("Exit and lose this character?");
    ASSERT_NE(first, std::string::npos) << shown;
    EXPECT_TRUE(Holds(shown, "(empty answer: No)"));
    EXPECT_TRUE(Holds(shown, " 1 Carry on", first));
    EXPECT_TRUE(Holds(shown, "Exit and lose this character?", first + 1));
}

// A name chosen for a save that is then cancelled is in no file yet: the
// character no longer counts as saved. The name as before keeps it saved.
TEST(ConsoleUi, ANewNameIsUnsavedUntilWritten) {
    TerminalGame t("14\n.\n1\n.\n");
    std::tie(t.g.career.Character.Name, t.g.career.Saved) = std::tuple("Hero", true);
    SaveHtmlResume(t.g);
    EXPECT_TRUE(t.g.career.Saved);
    SaveHtmlResume(t.g);
    EXPECT_NE(t.g.career.Character.Name, "Hero");
    EXPECT_FALSE(t.g.career.Saved);
}

// Every message and question is wrapped at blanks to the terminal's width,
// words whole; lines that fit are left as they are.
TEST(ConsoleUi, EveryTextIsWrappedToTheWidth) {
    const std::string words =
        "Orrimar needs to know where its data files are; shall Orrimar proceed? ";
    for (const size_t width : {40u, 100u}) {
        TerminalGame t("1\n\nx\nd\n1\n", static_cast<int>(width));
        t.ui.Message(words + words, "Title", MsgIcon::Warning);
        t.ui.YesNo(words + words, "Title", true, MsgIcon::Question);
        t.ui.InputText(words + words, "Title", "default");
        ConsoleOptions(t.g, t.in, t.out, width);
        t.g.windows.TermWindow.Label[1] = words + words;
        t.g.windows.TermWindow.Button[1] = {words, true};
        t.ui.AskTerm(t.g);
        const std::string shown = t.out.str();
        for (const auto& line : Lines(shown)) EXPECT_LE(line.size(), width) << line;
        for (const char* cut : {"Orrima\n", "procee\n"}) EXPECT_FALSE(Holds(shown, cut));
    }
    EXPECT_EQ(WrappedText("  one two three\nfits\n\n", 10), "  one two\n  three\nfits\n\n");
    EXPECT_EQ(WrappedText("a  b", 10), "a  b");
}

// A pick list of one entry (the only template, say) opens with it chosen
// and offers neither All nor numbers to pick: an empty line takes it.
TEST(ConsoleUi, APickListOfOneIsChosenAndOffersNoAll) {
    Terminal term("\n");
    ScriptedDice dice;
    Game g(term.ui, dice);
    PickListAdd(g.windows.Slist1, "Sample.htm");
    ShowPickList(g);
    ASSERT_EQ(PickListSelection(g.windows.Slist1).size(), 1u);
    EXPECT_EQ(PickListOkCheck(g.windows.Slist1), "");
    EXPECT_FALSE(Holds(term.out.str(), "a = All"));
    EXPECT_TRUE(Holds(term.out.str(), "An empty line is OK and takes it"));
}
