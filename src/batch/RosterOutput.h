// index.htm of a batch folder: a row for each character made, numbered in
// their order.
#pragma once

#include <cstdint>
#include <string>

#include "batch/BatchOutput.h"
#include "text/Files.h"

namespace orrimar {

class RosterOutput : public BatchOutput {
  public:
    // `version` and `data` escaped already.
    RosterOutput(const std::string& outDir, uint64_t seed, std::string version, std::string data);
    bool IsOpen() const { return rows_.IsOpen(); }

    std::string Of(const BatchCharacter& made, std::string& line) const override;
    void Add(const std::string& text) override;
    std::string Finish() override;

  private:
    std::string outDir_;
    uint64_t seed_;
    std::string version_, data_;
    ScratchFile rows_;
    int indexed_ = 0;
};

}  // namespace orrimar
