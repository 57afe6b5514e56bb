#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "career/Specials.h"
#include "career/Term.h"
#include "model/Skills.h"
#include "startup/Service.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

constexpr int Edu = 5, Int = 4, Soc = 6;

// A six-characteristic race with four-year terms and a bounty branch built
// here. The contracts sit at the index of their throw, as the hunt reads
// them: 2 allows capture or kill, 3 capture only, 4 kill only, 7 neither.
struct HuntBench {
    TestGame t;
    Game& g = t.g;
    CharacterRecord& c = t.g.Character;

    HuntBench() {
        g.Race.Name = "Tester";
        g.Race.Code = 1;
        g.Race.NumStats = 6;
        g.Race.StatName = {"", "STR", "DEX", "END", "INT", "EDU", "SOC"};
        g.Race.YearsPerTerm = 4;
        g.Race.BaseAge = 18;
        g.Race.AgeAt = 10000;
        for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
        auto& s = g.Service;
        s.Type = "IAPB";
        s.BranchName = "Freelance Bounty Hunter";
        const char* names[] = {"Wanted Killer", "Bail Jumper", "Dead Only",
                               "No Contract",   "Training",    "Hopeless"};
        for (int k = 0; k < 6; ++k) s.AssignByRoll[k + 2] = names[k];
        //                Name             Surv Deco Prom Skil Loca Capt Kill Empl
        s.Assignment[2] = {"Wanted Killer", 6, 8, 9, 6, 8, 10, 8, 12};
        s.Assignment[3] = {"Bail Jumper", 3, 99, 9, 7, 6, 6, 99, 14};
        s.Assignment[4] = {"Dead Only", 6, 8, 9, 6, 7, 99, 7, 12};
        s.Assignment[5] = {"No Contract", 2, 99, 11, 8, 99, 99, 99, 13};
        s.Assignment[6] = {"Training", 2, 99, 10, 5, 99, 99, 99, 14};
        s.Assignment[7] = {"Hopeless", 2, 99, 10, 5, 5, 99, 99, 14};
        c.CurTerm = 1;
        c.CurLine = 1;
        c.Options[OptKeepCascades] = OptOn;
    }

    // Two dice showing each total.
    void Throws(const std::vector<int>& totals) {
        for (int total : totals)
            t.dice.Push({std::min(6, total - 1), total - std::min(6, total - 1)});
    }
    // Only the hunt: no employment throw, no warrant question.
    void HuntOnly() { c.BranchOpen[10] = 1; }
    std::string Year(int line = 1) const { return c.TermLog[c.CurTerm].Lines[line]; }
    int Level(const std::string& name) const { return GetSkillLevel(g, name); }
    int Questions() const {
        return static_cast<int>(std::count_if(t.ui.shown.begin(), t.ui.shown.end(),
                                              [](const auto& s) { return s.Kind == "yesno"; }));
    }
    // Plays contract `roll` with these 2D6 totals and answers, checks every
    // one was used, and returns the year.
    std::string Play(int roll, const std::vector<int>& totals,
                     std::initializer_list<std::string> answers = {}) {
        Throws(totals);
        t.ui.Answer(answers);
        BountyHunt(g, roll);
        EXPECT_EQ(t.dice.Left(), 0u) << "throws left over";
        EXPECT_EQ(t.ui.AnswersLeft(), 0u) << "answers left over";
        return Year();
    }
};

}  // namespace

// Locate throw against Loca 6: +1 for Hunting above 2, +1 for Edu above 7.
// A lost quarry is neither captured nor killed: no further throw.
TEST(BountyHunting, LocateThrowAndItsModifiers) {
    struct Case {
        int hunting, edu, locate;
        bool located;
    };
    for (const Case& k :
         {Case{-1, 7, 5, false}, Case{-1, 7, 6, true}, Case{2, 7, 5, false}, Case{3, 7, 5, true},
          Case{-1, 8, 5, true}, Case{3, 8, 4, true}, Case{3, 8, 3, false}}) {
        SCOPED_TRACE("Hunting " + std::to_string(k.hunting) + " Edu " + std::to_string(k.edu) +
                     " throw " + std::to_string(k.locate));
        HuntBench b;
        b.HuntOnly();
        if (k.hunting >= 0) AddSkill(b.g, "Hunting-" + std::to_string(k.hunting));
        b.c.Stats[Edu] = static_cast<int16_t>(k.edu);
        if (k.located)
            EXPECT_EQ(b.Play(3, {k.locate, 12}), "Located Capture ");
        else
            EXPECT_EQ(b.Play(3, {k.locate}), "Lost ");
    }
}

// Capture throw against Capt 6: +1 for Persuasion above 2, +1 for Int
// above 7. A capture-only contract asks nothing.
TEST(BountyHunting, CaptureThrowAndItsModifiers) {
    struct Case {
        int persuasion, intel, capture;
        bool captured;
    };
    for (const Case& k :
         {Case{-1, 7, 5, false}, Case{-1, 7, 6, true}, Case{2, 7, 5, false}, Case{3, 7, 5, true},
          Case{-1, 8, 5, true}, Case{3, 8, 4, true}, Case{3, 8, 3, false}}) {
        SCOPED_TRACE("Persuasion " + std::to_string(k.persuasion) + " Int " +
                     std::to_string(k.intel) + " throw " + std::to_string(k.capture));
        HuntBench b;
        b.HuntOnly();
        if (k.persuasion >= 0) AddSkill(b.g, "Persuasion-" + std::to_string(k.persuasion));
        b.c.Stats[Int] = static_cast<int16_t>(k.intel);
        EXPECT_EQ(b.Play(3, {6, k.capture}),
                  k.captured ? "Located Capture " : "Located Failed to capture ");
        EXPECT_EQ(b.Questions(), 0);
    }
}

// With both targets defined the user chooses; "no" is a kill attempt,
// whose throw has no modifiers. Automatic generation throws 1D2 instead
// (1 keeps the capture) and asks nothing.
TEST(BountyHunting, CaptureOrKillChoice) {
    HuntBench capture;
    capture.HuntOnly();
    EXPECT_EQ(capture.Play(2, {8, 10}, {"Y"}), "Located Capture ");
    ASSERT_EQ(capture.Questions(), 1);
    EXPECT_EQ(capture.t.ui.shown.back().Text, "Attempt capture instead of kill?");

    HuntBench kill;
    kill.HuntOnly();
    EXPECT_EQ(kill.Play(2, {8, 8}, {"N"}), "Located Kill ");

    HuntBench missed;
    missed.HuntOnly();
    AddSkill(missed.g, "Persuasion-3");
    missed.c.Stats[Int] = 9;
    EXPECT_EQ(missed.Play(2, {8, 7}, {"N"}), "Located Failed to kill ");

    for (int face : {1, 2}) {
        HuntBench b;
        b.HuntOnly();
        b.c.Options[OptAutoGen] = OptOn;
        b.Throws({8});
        b.t.dice.Push(face);
        EXPECT_EQ(b.Play(2, {10}), face == 1 ? "Located Capture " : "Located Kill ");
        EXPECT_EQ(b.Questions(), 0);
    }
}

// One target left out: no question, and the attempt is the one the
// contract defines. With neither, the capture attempt cannot succeed.
TEST(BountyHunting, UndefinedTargets) {
    HuntBench deadOnly;
    deadOnly.HuntOnly();
    EXPECT_EQ(deadOnly.Play(4, {7, 7}), "Located Kill ");
    HuntBench hopeless;
    hopeless.HuntOnly();
    AddSkill(hopeless.g, "Persuasion-3");
    EXPECT_EQ(hopeless.Play(7, {5, 12}), "Located Failed to capture ");
    EXPECT_EQ(deadOnly.Questions() + hopeless.Questions(), 0);
}

// 2D6 + term against Empl, open only while neither the branch nor a
// warrant is held; a kill this year rules it out.
TEST(BountyHunting, EmploymentOffer) {
    HuntBench offered;
    EXPECT_EQ(offered.Play(2, {2, 11}), "Lost Employment Offer ");  // 11 + term 1 meets 12
    EXPECT_EQ(offered.c.BranchOpen[10], 1);
    EXPECT_EQ(offered.t.ui.messages, std::vector<std::string>{"May transfer to IAPB Employed"});

    HuntBench shortOf;
    EXPECT_EQ(shortOf.Play(2, {2, 10}), "Lost ");
    EXPECT_EQ(shortOf.c.BranchOpen[10], 0);
    EXPECT_TRUE(shortOf.t.ui.messages.empty());

    HuntBench killed;
    EXPECT_EQ(killed.Play(2, {8, 8, 12}, {"N"}), "Located Kill ");
    EXPECT_EQ(killed.c.BranchOpen[10], 0);

    HuntBench open;  // the locate throw only
    open.c.BranchOpen[10] = 1;
    EXPECT_EQ(open.Play(2, {2}), "Lost ");

    HuntBench warranted;
    warranted.c.Warranted = 1;
    warranted.c.CurTerm = 4;
    EXPECT_EQ(warranted.Play(2, {2}), "Lost ");
    EXPECT_EQ(warranted.Questions(), 0);
}

// No hunt in these years, but the offer and the application still come.
TEST(BountyHunting, TrainingAndNoContractStillAllowOfferAndApplication) {
    for (int roll : {5, 6}) {
        SCOPED_TRACE(roll);
        HuntBench b;
        b.c.CurTerm = 3;
        // 10 + term 3 meets No Contract's 13, not Training's 14.
        EXPECT_EQ(b.Play(roll, {10}, {"N"}), roll == 5 ? "Employment Offer " : "");
        EXPECT_EQ(b.Questions(), 1);
        EXPECT_EQ(b.t.ui.shown.back().Text, "Apply for IAPB Warrant?");
    }
}

// From term 3 on: 2D6, +2 for Edu above 7, +1 for Soc above 7, at 11.
TEST(BountyHunting, WarrantApplication) {
    HuntBench second;
    second.c.CurTerm = 2;
    second.HuntOnly();
    second.Play(6, {});
    EXPECT_EQ(second.Questions(), 0);

    struct Case {
        int edu, soc, application;
        bool warranted;
    };
    for (const Case& k : {Case{7, 7, 10, false}, Case{7, 7, 11, true}, Case{8, 7, 9, true},
                          Case{7, 8, 9, false}, Case{8, 8, 8, true}, Case{8, 8, 7, false}}) {
        SCOPED_TRACE("Edu " + std::to_string(k.edu) + " Soc " + std::to_string(k.soc) + " throw " +
                     std::to_string(k.application));
        HuntBench b;
        b.c.CurTerm = 3;
        b.HuntOnly();
        b.c.Stats[Edu] = static_cast<int16_t>(k.edu);
        b.c.Stats[Soc] = static_cast<int16_t>(k.soc);
        b.t.dice.SetFallback(true);  // the training's throws
        b.Play(6, {k.application}, {"Y"});
        EXPECT_EQ(b.c.Warranted, k.warranted ? 1 : 0);
    }

    HuntBench declined;
    declined.c.CurTerm = 3;
    declined.HuntOnly();
    declined.Play(6, {}, {"N"});
    EXPECT_EQ(declined.c.Warranted, 0);

    HuntBench automatic;
    automatic.c.CurTerm = 3;
    automatic.HuntOnly();
    automatic.c.Options[OptAutoGen] = OptOn;
    automatic.Play(6, {2});
    EXPECT_EQ(automatic.Questions(), 0);
}

// The training year passes inside the bounty year; then the skills at 4
// and the grants, and no further offer or application.
TEST(BountyHunting, WarrantTrainingTakesAYear) {
    HuntBench b;
    b.c.CurTerm = 3;
    b.c.CurLine = 2;
    b.HuntOnly();
    b.Throws({11});
    for (int k = 0; k < 8; ++k) b.t.dice.Push(k % 2 == 0 ? 4 : 3);
    b.t.ui.Answer("Y");
    BountyHunt(b.g, 6);
    EXPECT_EQ(b.t.dice.Left(), 0u);
    EXPECT_EQ(b.c.CurLine, 3);
    EXPECT_EQ(b.c.Age, 2 * 4 + 18 + 3);
    EXPECT_EQ(b.Year(2), "");
    EXPECT_EQ(b.Year(3), "IAPB Warranted  ");
    EXPECT_NE(b.g.TermWindow.Log.find("IAPB Warrant training"), std::string::npos);
    for (const char* gained : {"Pilot", "Poisons\\Antidotes", "STUN WEAPONS", "Forgery"})
        EXPECT_EQ(b.Level(gained), 1) << gained;
    for (const char* missed : {"Legal", "INVESTIGATION", "Security"})
        EXPECT_EQ(b.Level(missed), -1) << missed;
    EXPECT_EQ(b.Level("GUN COMBAT"), 1);  // missed at 3, then granted
    EXPECT_EQ(b.Level("Hunting"), 1);
    EXPECT_EQ(b.c.Stats[Soc], 8);
    EXPECT_EQ(b.c.Warranted, 1);

    b.c.BranchOpen[10] = 0;
    b.Play(6, {});  // neither an employment throw nor the question
    EXPECT_EQ(b.Questions(), 1);
}

// A whole year with the sample file: no survival throw, the throw's own
// record for the later steps, and the offer opening "IAPB Employed".
TEST(BountyHunting, SampleDataYearOpensTheEmployedBranch) {
    TestGame t;
    t.LoadData(SampleDataDir());
    t.Pick("Imperial", "Bounty Hunter", "Freelance");
    auto& g = t.g;
    auto& c = g.Character;
    const auto listed = [&] {
        ListBranches(g);
        return std::any_of(g.BranchList.Entries.begin(), g.BranchList.Entries.end(),
                           [](const auto& e) { return e.Display == "IAPB Employed"; });
    };
    EXPECT_FALSE(listed());
    for (int i = 1; i <= 6; ++i) c.Stats[i] = 7;
    c.CurTerm = 1;
    c.CurLine = 1;
    ASSERT_EQ(g.Service.AssignByRoll[2], "Wanted Killer");
    t.ui.Answer("Y");
    // locate 9 (Loca 8), capture 10 (Capt 10), offer 11 + 1 (Empl 12),
    // decoration 2, promotion 2, skill 2
    t.dice.Push({4, 5, 5, 5, 5, 6, 1, 1, 1, 1, 1, 1});
    int roll = 2;
    ResolveAssignment(g, roll);
    EXPECT_EQ(t.dice.Left(), 0u);
    EXPECT_EQ(roll, 2);
    EXPECT_EQ(c.TermLog[1].Lines[1], "Wanted Killer Located Capture Employment Offer ");
    EXPECT_TRUE(listed());
}
