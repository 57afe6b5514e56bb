// Every throw the rules make, explained: what it is for, the dice, the
// modifiers with their reasons, the target and what came of it:
// "Survival: 2D = 7, +1 (END 9+), total 8 against 6+: survived".
// Kept only while a log is attached to the game (`Game::Explain`); without
// one the rules pay the test of a null pointer and build no text.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Game.h"

namespace orrimar {

struct ThrowModifier {
    int Value = 0;
    std::string Reason;
};

struct ExplainedThrow {
    int Term = 0, Year = 0;  // the year of the history it belongs to
    std::string Purpose;     // "survival"; empty when the rules named none
    int Count = 0, Sides = 6;
    int Rolled = 0;  // the dice's total, as thrown or given
    std::vector<ThrowModifier> Modifiers;
    int Target = 0;       // 0: none
    bool AtMost = false;  // the throw succeeds at the target or below
    std::string Outcome;
    int Total() const;
};

// "Survival: 2D = 7, +1 (END 9+), total 8 against 6+: survived".
std::string ThrowText(const ExplainedThrow& t);

// The throws of a career as they are made. Each throw stays open for what
// the rules say of it until the next throw starts or `Finish` is called;
// `Done` then hears of it (an explanation written as it happens).
class ThrowLog {
  public:
    std::function<void(const ExplainedThrow&)> Done;
    // What a throw is for when the rules named nothing (ExplainTopic).
    const char* Topic = nullptr;

    void Clear();
    // Throws made from now on are not part of the career (the final menu's):
    // shown, but not written with the character.
    void EndCareer() { careerEnd_ = throws_.size(); }
    size_t CareerThrows() const { return std::min(careerEnd_, throws_.size()); }
    const std::vector<ExplainedThrow>& Throws() const { return throws_; }

    // What ThrowFor said the next throw is for; the next throw's year,
    // when it belongs to another than the current one.
    void Next(std::string purpose, int target);
    void NextAt(int term, int year);
    void Made(const Game& g, int count, int sides, int rolled);
    void Modifier(int value, std::string_view reason);
    void Target(int target, bool atMost);
    void Outcome(std::string_view outcome);
    void Finish();

  private:
    ExplainedThrow* Open() { return open_ && !throws_.empty() ? &throws_.back() : nullptr; }
    std::vector<ExplainedThrow> throws_;
    bool open_ = false;
    size_t careerEnd_ = static_cast<size_t>(-1);
    std::string nextPurpose_;
    int nextTarget_ = 0;
    int nextTerm_ = -1, nextYear_ = -1;
};

// RollDice with a log attached: the throw made as without one, then kept.
int ExplainedRoll(Game& g, int count, int sides);

// What the rules say of the throw just made; nothing without a log. Call
// right after the throw, before any other.
inline void ExplainModifier(Game& g, int value, std::string_view reason) {
    if (g.career.Explain) g.career.Explain->Modifier(value, reason);
}
inline void ExplainTarget(Game& g, int target, bool atMost = false) {
    if (g.career.Explain) g.career.Explain->Target(target, atMost);
}
inline void ExplainOutcome(Game& g, std::string_view outcome) {
    if (g.career.Explain) g.career.Explain->Outcome(outcome);
}
// Both at once, the outcome chosen by `success`.
inline void ExplainResult(Game& g, bool success, std::string_view yes, std::string_view no) {
    if (g.career.Explain) g.career.Explain->Outcome(success ? yes : no);
}

// While it lives, a throw the rules name no purpose for is one of `topic`
// ("the homeworld").
class ExplainTopic {
  public:
    ExplainTopic(Game& g, const char* topic) : log_(g.career.Explain) {
        if (log_) log_->Topic = topic;
    }
    ~ExplainTopic() {
        if (log_) log_->Topic = nullptr;
    }
    ExplainTopic(const ExplainTopic&) = delete;
    ExplainTopic& operator=(const ExplainTopic&) = delete;

  private:
    ThrowLog* log_;
};

// The throws of `term` and `year` explained, as the term windows show
// them: a heading ("Term 1, year 2:"), then each throw's ThrowText
// indented; "No throws ..." when there are none.
std::vector<std::string> YearExplained(const ThrowLog* log, int term, int year);
// The throws of the year at `row` of the term window's history list (as
// BuildHistory lists it), or of every year of the term whose heading
// `row` is; those of the latest throw's year for any other row.
std::vector<std::string> HistoryRowExplained(const Game& g, int row);
// The same of the year of the latest throw: the year being played, or at
// the end of a term the one just finished.
std::vector<std::string> LatestYearExplained(const ThrowLog* log);

}  // namespace orrimar
