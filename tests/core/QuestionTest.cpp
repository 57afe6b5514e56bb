// Questions with their automatic answers: asked through the Ui with
// automatic generation off, answered by the dice with it on, and the dice a
// pick or the table chooser falls back to when it names nothing.

#include "ask/Question.h"
#include "support/TestGame.h"

using namespace orrimar;

namespace {

struct QuestionGame : TestGame {
    void AutoGen(bool on) { g.career.Character.Options[OptAutoGen] = on ? OptOn : OptOff; }
    std::string Pick(const PickQuestion& q) {
        const Picked p = Answer(g, q);
        return std::to_string(p.Index) + ":" + std::string(p.Text);
    }
};

}  // namespace

TEST(Question, YesNoAsksOrAnswersByItsRule) {
    QuestionGame t;
    const YesNoQuestion always{.Text = "Take ", .Subject = "Pilot"};
    const YesNoQuestion coin{.Text = "Compete?", .AutoRule = YesNoQuestion::Rule::Coin};
    t.ui.Answer({"N", "Y"});
    EXPECT_FALSE(Answer(t.g, always));
    EXPECT_TRUE(Answer(t.g, coin));
    EXPECT_EQ(t.dice.Thrown(), 0);

    t.AutoGen(true);
    t.dice.Push({2, 1});
    EXPECT_TRUE(Answer(t.g, always));  // no throw
    EXPECT_FALSE(Answer(t.g, coin));
    EXPECT_TRUE(Answer(t.g, coin));
    EXPECT_EQ(t.dice.Left(), 0u);
    EXPECT_EQ(t.ui.shown.size(), 2u);
}

TEST(Question, PickAskedOrThrown) {
    QuestionGame t;
    const PickQuestion q{.Choices = "A/B/C", .Title = "Split ", .Subject = "X"};
    t.ui.Answer({"2", "0", "7"});
    EXPECT_EQ(t.Pick(q), "2:B");
    EXPECT_EQ(t.Pick(q), "0:");  // closed
    EXPECT_EQ(t.Pick(q), "0:");  // no such button
    EXPECT_EQ(t.dice.Thrown(), 0);

    t.AutoGen(true);
    t.dice.Push({3});
    EXPECT_EQ(t.Pick(q), "3:C");
    // The player's own choice is asked for whatever the option says.
    t.ui.Answer({"1"});
    EXPECT_EQ(t.Pick({.Choices = "A/B", .When = AutoWhen::Never}), "1:A");
    EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u);
}

// "Select for me, please!" is one choice more for the die; taken, or the
// window closed, a second die chooses among the others.
TEST(Question, SelectForMeAndClosedWindowsLeaveItToTheDice) {
    QuestionGame t;
    const PickQuestion forMe{.Choices = "A/B/C", .Dice = PickDice::SelectForMe};
    t.ui.Answer({"4", "0", "1"});
    t.dice.Push({2, 3});
    EXPECT_EQ(t.Pick(forMe), "2:B");
    EXPECT_EQ(t.ui.shown.back().Text, "A/B/C/Select for me, please!");
    EXPECT_EQ(t.Pick(forMe), "3:C");
    EXPECT_EQ(t.Pick(forMe), "1:A");
    t.AutoGen(true);
    t.dice.Push({4, 1, 2});  // the d4 takes "Select for me", then a d3
    EXPECT_EQ(t.Pick(forMe), "1:A");
    EXPECT_EQ(t.Pick(forMe), "2:B");

    // A blank choice is no choice either.
    const PickQuestion none{.Choices = "A//C", .Dice = PickDice::WhenNone};
    t.dice.Push({2, 3});
    EXPECT_EQ(t.Pick(none), "3:C");
    EXPECT_EQ(t.dice.Left(), 0u);
}

// The window has 19 buttons: the twentieth choice is neither offered nor
// thrown for, and "Select for me" drops off the end; the dice of a closed
// window choose among 18.
TEST(Question, NoMoreChoicesThanTheWindowHolds) {
    QuestionGame t;
    std::string twenty = "c1";
    for (int k = 2; k <= 20; ++k) twenty += "/c" + std::to_string(k);
    const PickQuestion q{.Choices = twenty, .Dice = PickDice::SelectForMe};
    t.ui.Answer({"0", "0"});
    t.dice.Push({18, 19});
    EXPECT_EQ(t.Pick(q), "18:c18");
    EXPECT_EQ(t.ui.shown.back().Text, twenty.substr(0, twenty.rfind('/')));
    EXPECT_THROW(t.Pick(q), std::logic_error);  // a d18
    t.AutoGen(true);
    t.dice.Push({19, 20});
    EXPECT_EQ(t.Pick(q), "19:c19");
    EXPECT_THROW(t.Pick(q), std::logic_error);  // a d19: face 20 cannot come up
}

TEST(Question, SkillTableChooserFallsBackToTheDice) {
    QuestionGame t;
    auto& chooser = t.g.windows.Form2;
    chooser.Button[1] = {"Personal", "S1", true};
    chooser.Button[2] = {"Service", "S2", true};
    const SkillTableQuestion q{.Chooser = chooser, .Tables = 2};
    t.ui.Answer({"2", "0", "3"});
    t.dice.Push({1, 2});
    EXPECT_EQ(Answer(t.g, q), 2);
    EXPECT_EQ(Answer(t.g, q), 1);  // closed
    EXPECT_EQ(Answer(t.g, q), 2);  // a button not shown
    t.AutoGen(true);
    t.dice.Push({2});
    EXPECT_EQ(Answer(t.g, q), 2);
    EXPECT_EQ(t.dice.Left() + t.ui.AnswersLeft(), 0u);
    EXPECT_EQ(t.ui.shown.size(), 3u);
}
