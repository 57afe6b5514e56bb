#include "model/OwnDice.h"

#include <cctype>
#include <charconv>

#include "model/Game.h"
#include "model/Throws.h"
#include "text/Files.h"
#include "text/Text.h"

namespace orrimar {

namespace {

inline constexpr const char* OwnDiceTitle = "Roll my own dice";

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || at != end) return std::nullopt;
    return value;
}

std::string RangeText(int count, int sides) {
    return "from " + std::to_string(count) + " to " + std::to_string(count * sides);
}

}  // namespace

std::optional<ThrowList> ReadThrowList(const std::string& path, std::string& problem) {
    std::string why;
    const auto lines = ReadLines(path, &why, DiceListLimit);
    if (!lines) {
        problem = "Cannot read the dice list " + path + ": " + why + ".";
        return std::nullopt;
    }
    ThrowList list;
    list.Source = path;
    for (size_t k = 0; k < lines->size(); ++k) {
        std::string line = (*lines)[k].substr(0, (*lines)[k].find('#'));
        for (char& ch : line)
            if (ch == ',' || ch == ';' || ch == '\t') ch = ' ';
        size_t at = 0;
        while (at < line.size()) {
            const size_t start = line.find_first_not_of(' ', at);
            if (start == std::string::npos) break;
            const size_t stop = std::min(line.find(' ', start), line.size());
            const std::string word = line.substr(start, stop - start);
            const auto value = WholeNumber(word);
            if (!value || *value < 0) {
                // A word of any length is shown by its start, so one
                // mistaken megabyte does not flood the screen.
                constexpr size_t Shown = 20;
                problem =
                    path + ":" + std::to_string(k + 1) + ": \"" + word.substr(0, Shown) +
                    (word.size() > Shown ? "...\" (" + std::to_string(word.size()) + " characters)"
                                         : "\"") +
                    " is not a throw (a whole number).";
                return std::nullopt;
            }
            list.Values.push_back(*value);
            at = stop;
        }
    }
    return list;
}

void KeepThrowPurpose(Game& g, std::string_view purpose, std::string_view name, int target) {
    // Only a throw the player makes, or one explained, is told what it is for.
    if (g.career.Explain) [[unlikely]]
        g.career.Explain->Next(std::string(purpose) + std::string(name), target);
    if (!g.session.OwnDice) return;
    g.session.ThrowPurpose = purpose;
    g.session.ThrowPurpose += name;
    if (target > 0) g.session.ThrowPurpose += ", target " + std::to_string(target) + "+";
}

std::string ThrowQuestion(int count, int sides, const std::string& purpose) {
    std::string dice = std::to_string(count) + "D";
    if (sides != 6) dice += std::to_string(sides);
    return "Roll " + dice + (purpose.empty() ? "" : " for " + purpose) + ": ";
}

int OwnThrow(Game& g, int count, int sides) {
    const std::string purpose = std::move(g.session.ThrowPurpose);
    g.session.ThrowPurpose.clear();
    const std::string question = ThrowQuestion(count, sides, purpose);
    auto& list = g.session.Throws;
    if (list.Next < list.Values.size()) {
        const int total = list.Values[list.Next++];
        // Asked totals are kept with the answers; listed ones (even a wrong
        // one, which leads to a question) only here.
        if (g.career.Recording) g.career.Recipe.Throws.push_back(total);
        if (total >= count && total <= count * sides) return total;
        const std::string wrong = list.Source + ": throw " + std::to_string(list.Next) + " is " +
                                  std::to_string(total) + ", but \"" + question +
                                  "\" needs a total " + RangeText(count, sides) + ".";
        if (!list.AskWhenDone) throw ThrowListEnded{wrong};
        g.ui.Message(wrong, OwnDiceTitle, MsgIcon::Warning);
    } else if (!list.AskWhenDone) {
        throw ThrowListEnded{"The dice list " + list.Source + " ran out after " +
                             std::to_string(list.Values.size()) + " throws, at \"" + question +
                             "\"."};
    }
    while (true) {
        const std::string answer = Trim(g.ui.InputText(question, OwnDiceTitle, ""));
        // Nothing given: the program throws this one.
        if (answer.empty()) return g.dice.Sum(count, sides);
        const auto value = WholeNumber(answer);
        if (value && *value >= count && *value <= count * sides) return *value;
        g.ui.Message("Please give the total thrown, " + RangeText(count, sides) +
                         " (nothing lets the program throw).",
                     OwnDiceTitle, MsgIcon::Warning);
    }
}

}  // namespace orrimar
