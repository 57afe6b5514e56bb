// cards.htm of a batch folder: each character's stat block as a card.
#pragma once

#include <cstdint>
#include <string>

#include "batch/BatchOutput.h"
#include "text/Files.h"

namespace orrimar {

class CardsOutput : public BatchOutput {
  public:
    CardsOutput(const std::string& outDir, uint64_t seed);
    bool IsOpen() const { return cards_.IsOpen(); }

    std::string Of(const BatchCharacter& made, std::string& line) const override;
    void Add(const std::string& text) override;
    std::string Finish() override;

  private:
    std::string outDir_;
    uint64_t seed_;
    ScratchFile cards_;
    int carded_ = 0;
};

}  // namespace orrimar
