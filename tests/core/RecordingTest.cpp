// The player's own dice, the record a career keeps of its answers and
// settings, and the record's JSON form read back.

#include "batch/Batch.h"
#include "data/Fingerprint.h"
#include "model/Game.h"
#include "model/OwnDice.h"
#include "model/Recording.h"
#include "model/Throws.h"
#include "output/RecordJson.h"
#include "support/TestGame.h"

using namespace orrimar;

TEST(OwnDice, AWrongTotalIsAskedAgainAndNothingLetsTheProgramThrow) {
    TestGame t;
    t.g.session.OwnDice = true;
    t.ui.Answer({"13", "seven", "7", ""});
    t.dice.Push({3, 4});
    ThrowFor(t.g, "survival", {}, 6);
    EXPECT_EQ(RollDice(t.g, 2, 6), 7);
    ASSERT_EQ(t.ui.messages.size(), 2u);
    EXPECT_EQ(t.ui.shown.front().Text, "Roll 2D for survival, target 6+: ");
    EXPECT_EQ(t.dice.Thrown(), 0);
    // The purpose is for one throw only; an empty answer throws the dice.
    EXPECT_EQ(RollDice(t.g, 2, 6), 7);
    EXPECT_EQ(t.ui.shown.back().Text, "Roll 2D: ");
    EXPECT_EQ(t.dice.Thrown(), 2);
}

// The throws explained are the throws made: careers played from a list of
// totals repeat every total of it, in order, and need no other (a throw
// left unexplained would leave the list out of step). Race, service and
// branch are named: a batch draws them by its seed, not by the list.
TEST(OwnDice, TheExplanationRepeatsEveryListedTotalInOrder) {
    // Each throw's line, and the total after its dice ("1D = 4").
    const auto explained = [](const std::string& log, std::vector<int>* totals) {
        std::vector<std::string> found;
        std::istringstream lines(log);
        for (std::string line; std::getline(lines, line);) {
            const size_t at = line.find(" = ");
            if (line.rfind("character ", 0) != 0 || at == std::string::npos) continue;
            found.push_back(line);
            if (totals) totals->push_back(std::stoi(line.substr(at + 3)));
        }
        return found;
    };
    BatchOptions options;
    options.Count = 6;
    options.Seed = 11;
    options.Terms = 4;
    options.Race = "IMPERIAL.ERI";
    options.Service = "NAVY.SRV";
    options.Branch = "NAVYLINE";
    options.DataDir = SampleDataDir();
    options.WritePages = false;
    options.Explain = true;
    std::ostringstream seeded;
    ASSERT_EQ(RunBatch(options, seeded), 0) << seeded.str();
    std::vector<int> list;
    const std::vector<std::string> lines = explained(seeded.str(), &list);
    ASSERT_GT(list.size(), 300u);

    TempDir dir;
    std::vector<std::string> listed;
    for (int total : list) listed.push_back(std::to_string(total));
    dir.Write("throws.txt", listed);
    options.Seed = 99;  // the list decides, not the seed
    options.DiceList = dir.Path() + "throws.txt";
    std::ostringstream own;
    ASSERT_EQ(RunBatch(options, own), 0) << own.str();
    std::vector<int> given;
    EXPECT_EQ(explained(own.str(), &given), lines);
    EXPECT_EQ(given, list);
}

TEST(OwnDice, AListIsUsedInTurnThenAskedOrEnded) {
    TempDir dir;
    // A 0 is a throw to the reader (the roll says it is no total); "x" is not.
    dir.Write("throws.txt", std::vector<std::string>{"# table night", "7, 0, 3", "12 x"});
    std::string problem;
    EXPECT_FALSE(ReadThrowList(dir.Path() + "throws.txt", problem));
    EXPECT_NE(problem.find("throws.txt:3: \"x\""), std::string::npos) << problem;
    dir.Write("throws.txt", std::vector<std::string>{"7 3 # the rest asked", "13"});
    auto list = ReadThrowList(dir.Path() + "throws.txt", problem);
    ASSERT_TRUE(list);

    TestGame t;
    t.g.session.OwnDice = true;
    t.g.session.Throws = *list;
    t.g.career.Recording = true;
    t.ui.Answer({"5", "4"});
    EXPECT_EQ(RollDice(t.g, 2, 6), 7);
    EXPECT_EQ(RollDice(t.g, 1, 6), 3);
    // 13 is no total of 2D: said, then asked; then the list is used up.
    EXPECT_EQ(RollDice(t.g, 2, 6), 5);
    EXPECT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(RollDice(t.g, 1, 6), 4);
    // Listed totals are recorded (the wrong one too, which led to a
    // question); asked ones are recorded with the answers.
    EXPECT_EQ(t.g.career.Recipe.Throws, (std::vector<int>{7, 3, 13}));

    // A batch cannot ask: the end of the list, or a wrong total, stops it.
    t.g.session.Throws.AskWhenDone = false;
    EXPECT_THROW(RollDice(t.g, 1, 6), ThrowListEnded);
    t.g.session.Throws.Values = {9};
    t.g.session.Throws.Next = 0;
    EXPECT_THROW(RollDice(t.g, 1, 6), ThrowListEnded);
    EXPECT_EQ(t.dice.Thrown(), 0);
}

TEST(Recording, SettingsAndPickListAnswersRoundTrip) {
    TestGame t;
    t.g.career.Character.Options[OptAutoGen] = OptOn;
    t.g.career.Character.Options[RankCap] = 7;
    t.g.session.PrefSkill[3] = {"Pil\xF6t \"ace\"", 4};
    t.g.session.OwnDice = true;
    const std::string text = SettingsText(t.g);
    TestGame u;
    ASSERT_TRUE(ApplySettingsText(u.g, text));
    EXPECT_EQ(
        std::tie(u.g.career.Character.Options, u.g.session.PrefSkill[3].Name, u.g.session.OwnDice),
        std::make_tuple(t.g.career.Character.Options, "Pil\xF6t \"ace\"", true));
    EXPECT_FALSE(ApplySettingsText(u.g, "{\"options\": [1]}"));
    EXPECT_FALSE(ApplySettingsText(u.g, "not json"));

    PickListModel list;
    list.Items = {{"a", 1}, {"b", 2}, {"c", 3}};
    list.Selected = {true, false, true};
    list.Current = 2;
    PickListModel back;
    back.Items = list.Items;
    ASSERT_TRUE(ApplyPickListAnswer(back, PickListAnswer(list)));
    EXPECT_EQ(std::tie(back.Selected, back.Current), std::tie(list.Selected, list.Current));
    EXPECT_FALSE(ApplyPickListAnswer(back, "5|0"));  // no such row
}

TEST(RecordJson, TheRecordRoundTripsAndRefusesWhatItCannotHold) {
    CharacterRecord c;
    c.Name = "Zo\xEB <\"--\\>";
    // The rank and the term at the top of their ranges.
    std::tie(c.Stats[1], c.Rank, c.CurTerm, c.CurLine) =
        std::tuple(12, CharacterRecord::MaxRank, CharacterRecord::MaxTerm, 2);
    c.TermLog[2].Title = "Navy";
    c.TermLog[2].SetLine(3, "Wnd (head)");
    c.Skills[1] = {"Pilot", 2};
    std::tie(c.Benefits[2], c.BenefitCount[2]) = std::tuple("Low Passage", 1);
    c.Options[OptAutoGen] = OptOn;
    const auto j = nlohmann::ordered_json::parse(RecordToJson(c).dump());
    EXPECT_EQ(j.at("name").get<std::string>(), "Zo\xC3\xAB <\"--\\>");
    EXPECT_EQ(RecordFromJson(j), c);

    // A rank past the table, a history line past the term's, a characteristic missing.
    for (const auto& spoil : std::initializer_list<std::function<void(nlohmann::ordered_json&)>>{
             [](auto& d) { d["rank"] = 99; },
             [](auto& d) { d["termLog"][0]["lines"]["21"] = "past the table"; },
             [](auto& d) { d["stats"].erase(0); }}) {
        auto bad = j;
        spoil(bad);
        EXPECT_THROW(RecordFromJson(bad), nlohmann::ordered_json::exception) << bad.dump();
    }
}

TEST(Fingerprint, NamesEachRuleFileThatChanged) {
    TempDir dir;
    dir.Write("A.ERI", std::vector<std::string>{"a"});
    dir.Write("B.SRV", std::vector<std::string>{"b"});
    dir.Write("notes.txt", std::vector<std::string>{"not a rule file"});
    const DataFingerprint before = FingerprintFolder(dir.Path());
    dir.Write("notes.txt", std::vector<std::string>{"edited"});
    EXPECT_EQ(FingerprintFolder(dir.Path()).Hash, before.Hash);
    dir.Write("B.SRV", std::vector<std::string>{"b2"});
    dir.Write("C.SCH", std::vector<std::string>{"c"});
    std::filesystem::remove(dir.Path() + "A.ERI");
    EXPECT_EQ(FingerprintDifferences(before, FingerprintFolder(dir.Path())),
              "A.ERI removed\nB.SRV changed\nC.SCH added\n");
    EXPECT_EQ(FingerprintDifferences(before, before), "");
}
