#include "batch/RosterOutput.h"

#include <utility>

#include "batch/Roster.h"

namespace orrimar {

RosterOutput::RosterOutput(const std::string& outDir, uint64_t seed, std::string version,
                           std::string data)
    : outDir_(outDir),
      seed_(seed),
      version_(std::move(version)),
      data_(std::move(data)),
      rows_(outDir) {}

std::string RosterOutput::Of(const BatchCharacter& made, std::string&) const {
    return RosterRowAfterNumber(made, version_, data_);
}

void RosterOutput::Add(const std::string& text) {
    if (text.empty()) return;
    rows_.Write("<tr><td>");
    rows_.Write(std::to_string(++indexed_));
    rows_.Write(text);
}

std::string RosterOutput::Finish() {
    return WriteAssembled(outDir_ + "index.htm", RosterHead(indexed_, seed_), rows_, RosterTail());
}

}  // namespace orrimar
