#include "data/YearFacts.h"

#include <algorithm>

namespace orrimar {

// A word added to YearWord needs its text here, and a bit to be noted in.
static_assert(std::ranges::none_of(YearWordTexts, &std::string_view::empty));
static_assert(YearWordTexts.size() <= 16);

void YearFacts::Note(std::string_view line, size_t from) {
    constexpr size_t longest = std::ranges::max(YearWordTexts, {}, &std::string_view::size).size();
    for (size_t i = from >= longest ? from - longest + 1 : 0; i < line.size(); ++i) {
        for (size_t w = 0; w < YearWordTexts.size(); ++w) {
            const std::string_view word = YearWordTexts[w];
            if (word[0] == line[i] && i + word.size() > from && line.substr(i).starts_with(word))
                bits_ |= static_cast<uint16_t>(1u << w);
        }
    }
}

}  // namespace orrimar
