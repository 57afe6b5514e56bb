#include "model/Throws.h"

#include <algorithm>
#include <cctype>

namespace orrimar {

int ExplainedThrow::Total() const {
    long long total = Rolled;
    for (const auto& m : Modifiers) total += m.Value;
    return static_cast<int>(std::clamp<long long>(total, -1000000000, 1000000000));
}

std::string ThrowText(const ExplainedThrow& t) {
    std::string text = t.Purpose.empty() ? "A throw" : t.Purpose;
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    text += ": " + std::to_string(t.Count) + "D";
    if (t.Sides != 6) text += std::to_string(t.Sides);
    text += " = " + std::to_string(t.Rolled);
    for (const auto& m : t.Modifiers) {
        text += ", " + std::string(m.Value >= 0 ? "+" : "") + std::to_string(m.Value);
        if (!m.Reason.empty()) text += " (" + m.Reason + ")";
    }
    if (!t.Modifiers.empty()) text += ", total " + std::to_string(t.Total());
    if (t.Target != 0)
        text += " against " + std::to_string(t.Target) + (t.AtMost ? " or less" : "+");
    if (!t.Outcome.empty()) text += ": " + t.Outcome;
    return text;
}

void ThrowLog::Clear() {
    throws_.clear();
    open_ = false;
    careerEnd_ = static_cast<size_t>(-1);
    nextPurpose_.clear();
    nextTarget_ = 0;
    nextTerm_ = nextYear_ = -1;
}

void ThrowLog::Next(std::string purpose, int target) {
    nextPurpose_ = std::move(purpose);
    nextTarget_ = target;
}

void ThrowLog::NextAt(int term, int year) {
    nextTerm_ = term;
    nextYear_ = year;
}

void ThrowLog::Made(const Game& g, int count, int sides, int rolled) {
    Finish();
    ExplainedThrow& t = throws_.emplace_back();
    t.Term = nextTerm_ >= 0 ? nextTerm_ : g.career.Character.CurTerm;
    t.Year = nextYear_ >= 0 ? nextYear_ : g.career.Character.CurLine;
    t.Purpose = std::move(nextPurpose_);
    if (t.Purpose.empty() && Topic) t.Purpose = Topic;
    t.Target = nextTarget_;
    t.Count = count;
    t.Sides = sides;
    t.Rolled = rolled;
    nextPurpose_.clear();
    nextTarget_ = 0;
    nextTerm_ = nextYear_ = -1;
    open_ = true;
}

void ThrowLog::Modifier(int value, std::string_view reason) {
    if (ExplainedThrow* t = Open(); t && value != 0)
        t->Modifiers.push_back({value, std::string(reason)});
}

void ThrowLog::Target(int target, bool atMost) {
    if (ExplainedThrow* t = Open()) {
        t->Target = target;
        t->AtMost = atMost;
    }
}

void ThrowLog::Outcome(std::string_view outcome) {
    if (ExplainedThrow* t = Open()) t->Outcome = outcome;
}

void ThrowLog::Finish() {
    if (!open_) return;
    open_ = false;
    if (Done && !throws_.empty()) Done(throws_.back());
}

int ExplainedRoll(Game& g, int count, int sides) {
    // The throw made as RollDice makes it without a log; the log stays
    // attached, so a window showing it while the player is asked for a
    // total still has it.
    const int total = g.session.OwnDice && count > 0 && sides > 0
                          ? OwnThrow(g, count, sides)
                          : (g.session.ThrowPurpose.clear(), g.dice.Sum(count, sides));
    g.career.Explain->Made(g, count, sides, total);
    return total;
}

std::vector<std::string> YearExplained(const ThrowLog* log, int term, int year) {
    const std::string which = "term " + std::to_string(term) + ", year " + std::to_string(year);
    std::vector<std::string> lines{"Throws of " + which + ":"};
    if (log)
        for (const auto& t : log->Throws())
            if (t.Term == term && t.Year == year) lines.push_back("  " + ThrowText(t));
    if (lines.size() == 1) lines = {"No throws were made in " + which + "."};
    return lines;
}

std::vector<std::string> HistoryRowExplained(const Game& g, int row) {
    const auto& c = g.career.Character;
    const int years = std::min(g.rules.Race.YearsPerTerm, int{CharacterRecord::MaxYear});
    int at = 0;
    for (int term = 1; term <= c.CurTerm && row >= at; ++term) {
        if (row == at) {
            std::vector<std::string> lines;
            for (int year = 1; year <= CharacterRecord::MaxYear; ++year) {
                const auto some = YearExplained(g.career.Explain, term, year);
                if (some.size() > 1) lines.insert(lines.end(), some.begin(), some.end());
            }
            if (lines.empty())
                lines.push_back("No throws were made in term " + std::to_string(term) + ".");
            return lines;
        }
        const int shown = term < c.CurTerm ? years : c.CurLine;
        if (row <= at + shown) return YearExplained(g.career.Explain, term, row - at);
        at += shown + 1;
    }
    return LatestYearExplained(g.career.Explain);
}

std::vector<std::string> LatestYearExplained(const ThrowLog* log) {
    if (!log || log->Throws().empty()) return {"No throws were made yet."};
    const ExplainedThrow& last = log->Throws().back();
    return YearExplained(log, last.Term, last.Year);
}

}  // namespace orrimar
