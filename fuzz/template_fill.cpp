// A resume template filled from memory with one of a few finished sample
// characters.
#include <array>
#include <memory>

#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "output/TemplateResume.h"

namespace orrimar::fuzz {

namespace {
// Careers are played once per process; each input fills a copy of one.
const Game& Character(uint64_t which) {
    static const auto games = [] {
        std::array<std::unique_ptr<Game>, 4> played;
        uint64_t seed = 0;
        for (auto& game : played) {
            do {
                game = std::make_unique<Game>(SampleGame());
                Begin(*game, ++seed, 3);
            } while (!PlayCareerOf(*game, seed, seed * 7, seed * 13));
        }
        return played;
    }();
    return *games[which % games.size()];
}
}  // namespace

void TemplateFill(std::string_view data) {
    const uint64_t seed = Hash(data);
    Game g = Character(seed);
    Begin(g, seed);
    (void)FillTemplate(g, Lines(data), "Fuzzed template");
}

}  // namespace orrimar::fuzz
