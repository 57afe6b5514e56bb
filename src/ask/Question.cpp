#include "ask/Question.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/Game.h"
#include "model/Throws.h"

namespace orrimar {

namespace {

constexpr std::string_view SelectForMe = "Select for me, please!";
// The button-choice window's buttons.
constexpr int Room = 19;

int CountChoices(std::string_view choices) {
    return static_cast<int>(std::count(choices.begin(), choices.end(), '/')) + 1;
}

// Choice k (1..) of the "/"-separated list.
std::string_view ChoiceAt(std::string_view choices, int k) {
    size_t start = 0;
    for (; k > 1; --k) start = choices.find('/', start) + 1;
    return choices.substr(start, choices.find('/', start) - start);
}

// How many buttons the window shows when the list holds `own` choices.
int Offered(const PickQuestion& q, int own) {
    return std::min(own + (q.Dice == PickDice::SelectForMe ? 1 : 0), Room);
}

Picked Offer(const PickQuestion& q, int own, int k) {
    if (k < 1) return {};
    if (k > own) return {k, SelectForMe};
    return {k, ChoiceAt(q.Choices, k)};
}

// A pick that names no choice, as the question's PickDice says.
Picked Settle(Game& g, const PickQuestion& q, Picked p) {
    int room = 0;
    if (q.Dice == PickDice::SelectForMe && (p.Index == 0 || p.Text == SelectForMe))
        room = Room - 1;
    else if (q.Dice == PickDice::WhenNone && (p.Index == 0 || p.Text.empty()))
        room = Room;
    if (room == 0) return p;
    ThrowFor(g, "a choice: ", q.Title);
    const int k = RollDice(g, 1, std::min(CountChoices(q.Choices), room));
    ExplainOutcome(g, ChoiceAt(q.Choices, k));
    return {k, ChoiceAt(q.Choices, k)};
}

}  // namespace

bool AnswersItself(const Game& g, AutoWhen when) {
    return when == AutoWhen::AutoGen && g.career.Character.Opt(OptAutoGen);
}

bool YesNoQuestion::Ask(Game& g) const {
    return g.ui.YesNo(std::string(Text).append(Subject), g.session.AppTitle, true, Icon);
}

bool YesNoQuestion::Auto(Game& g) const {
    if (AutoRule == Rule::Yes) return true;
    ThrowFor(g, "the answer: ", Text);
    const bool yes = RollDice(g, 1, 2) == 1;
    ExplainResult(g, yes, "yes", "no");
    return yes;
}

Picked PickQuestion::Ask(Game& g) const {
    const int own = CountChoices(Choices);
    const int n = Offered(*this, own);
    // The list is walked once: each button's text starts after the last.
    std::array<std::string_view, Room> texts{};
    for (size_t k = 0, start = 0; k < static_cast<size_t>(n); ++k) {
        if (static_cast<int>(k) >= own) {
            texts[k] = SelectForMe;
            continue;
        }
        const size_t end = std::min(Choices.find('/', start), Choices.size());
        texts[k] = Choices.substr(start, end - start);
        start = end + 1;
    }
    int k = g.ui.PickOne(PickChoices(texts.data(), static_cast<size_t>(n)),
                         std::string(Title).append(Subject));
    if (k < 0 || k > n) k = 0;
    return Settle(g, *this, Offer(*this, own, k));
}

Picked PickQuestion::Auto(Game& g) const {
    const int own = CountChoices(Choices);
    ThrowFor(g, "a choice: ", Title);
    const int k = RollDice(g, 1, Offered(*this, own));
    if (g.career.Explain)
        ExplainOutcome(g, k <= own ? std::string(ChoiceAt(Choices, k)) : "the dice choose");
    return Settle(g, *this, Offer(*this, own, k));
}

int SkillTableQuestion::Ask(Game& g) const {
    const int button = g.ui.ChooseSkillTable(g, Chooser);
    // Closing the chooser lets the dice choose, so the roll is not lost.
    if (button < 1 || button > 10 || !Chooser.Button[button].Visible) return Auto(g);
    return button;
}

int SkillTableQuestion::Auto(Game& g) const {
    ThrowFor(g, "which skill table");
    return RollDice(g, 1, Tables);
}

}  // namespace orrimar
