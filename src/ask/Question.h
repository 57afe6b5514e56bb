// The questions that can answer themselves. Each kind knows how to ask the
// user (Ask) and how to answer without asking (Auto), throwing the same
// dice in the same order whichever way it goes; Answer() is the one place
// that chooses between them: with automatic generation on (the character's
// option) a question answers itself, else the user is asked.
//
// Below this place, and so not decided here:
// - "Roll my own dice" sits in RollDice, through which the automatic answers
//   and the dice a closed window leaves to chance are thrown: with it on,
//   the player's totals stand in for the program's throws.
// - A batch's answer policy (ui/AutoUi) is the face Ask reaches. A batch
//   turns automatic generation on, so AutoUi only meets the questions that
//   never answer themselves (AutoWhen::Never) and the Ui's other questions.
//
// The questions hold views of their texts, joined only when the user is
// asked: a batch answers thousands a second and builds none of them.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/Models.h"

namespace orrimar {

struct Game;

// When a question answers itself.
enum class AutoWhen : uint8_t {
    AutoGen,  // with automatic generation on
    Never,    // always asked: the player's own choice (names, courses, talents)
};

bool AnswersItself(const Game& g, AutoWhen when);

template <class Question>
auto Answer(Game& g, const Question& q) {
    return AnswersItself(g, q.When) ? q.Auto(g) : q.Ask(g);
}

// Yes or no, asked as Text followed by Subject.
struct YesNoQuestion {
    // The automatic answer.
    enum class Rule : uint8_t {
        Yes,   // yes, with no throw
        Coin,  // 1D2: 1 is yes
    };
    std::string_view Text{};
    std::string_view Subject{};
    MsgIcon Icon = MsgIcon::Question;
    Rule AutoRule = Rule::Yes;
    AutoWhen When = AutoWhen::AutoGen;

    bool Ask(Game& g) const;
    bool Auto(Game& g) const;
};

// What the dice do for a pick that names no choice.
enum class PickDice : uint8_t {
    Never,        // nothing: a closed window is the answer 0 and ""
    SelectForMe,  // "Select for me, please!" is offered last; it, or a closed
                  // window, lets the dice choose among the others (18 at most)
    WhenNone,     // a closed window or a blank choice lets the dice choose (19 at most)
};

// The choice a pick settled on: 1.. with its text (a view of the question's
// choices), or 0 and "" for none.
struct Picked {
    int Index = 0;
    std::string_view Text{};
};

// The button-choice window: one of the "/"-separated Choices (the window has
// room for 19; any more are not offered), titled Title followed by Subject.
// Answered by itself: a throw of one die over the choices offered.
struct PickQuestion {
    std::string_view Choices{};
    std::string_view Title{};
    std::string_view Subject{};
    PickDice Dice = PickDice::Never;
    AutoWhen When = AutoWhen::AutoGen;

    Picked Ask(Game& g) const;
    Picked Auto(Game& g) const;
};

// The skill-table chooser (Game::Form2) with `Tables` tables on its buttons.
// Answered by itself, or when the chooser is closed or answers a button not
// shown ("Select for me, please!"): a throw of one die over the tables.
struct SkillTableQuestion {
    SkillTableChooserModel& Chooser;
    int Tables = 0;
    AutoWhen When = AutoWhen::AutoGen;

    int Ask(Game& g) const;
    int Auto(Game& g) const;
};

}  // namespace orrimar
