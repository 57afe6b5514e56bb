// The behaviour signature: a digest of the characters a fixed batch makes,
// so a change that alters what the program makes shows in one line.
#pragma once

#include <string>

namespace orrimar {

// How many characters the signature's batch makes, and its seed.
inline constexpr int SignatureCount = 1000;
inline constexpr int SignatureSeed = 1;

// The first 16 hex digits of the SHA-256 over the character sections of
// the batch's JSON Lines (the program version and the page layout left
// out), or "" with `problem` set when the batch cannot run.
std::string BehaviourSignature(const std::string& dataDir, std::string& problem);

}  // namespace orrimar
