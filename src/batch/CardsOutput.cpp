#include "batch/CardsOutput.h"

#include "batch/Cards.h"

namespace orrimar {

CardsOutput::CardsOutput(const std::string& outDir, uint64_t seed)
    : outDir_(outDir), seed_(seed), cards_(outDir) {}

std::string CardsOutput::Of(const BatchCharacter& made, std::string&) const {
    return CardHtml(made);
}

void CardsOutput::Add(const std::string& text) {
    if (text.empty()) return;
    cards_.Write(text);
    ++carded_;
}

std::string CardsOutput::Finish() {
    return WriteAssembled(outDir_ + "cards.htm", CardsHead(carded_, seed_), cards_, CardsTail());
}

}  // namespace orrimar
