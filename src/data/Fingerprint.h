// The data fingerprint: which rule files a character was made from.
#pragma once

#include <string>

#include "data/Recipe.h"

namespace orrimar {

// Whether a file of the data folder holds rules (races, services, schools,
// the cascade and coin tables), by its name in any case.
bool IsRuleFile(const std::string& name);

// SHA-256 over the folder's rule files, names sorted, each as its name, a
// zero byte, its length and its bytes; and each file's own (12 hex digits,
// enough to tell which file changed). A file
// that cannot be read counts as empty.
DataFingerprint FingerprintFolder(const std::string& folder);

// What the folder's rule files are as the file system tells it (names,
// sizes, times): while it stays the same, so does their fingerprint.
std::string RuleFilesStamp(const std::string& folder);

// SHA-256 of some bytes, in hex.
std::string Sha256Hex(const std::string& bytes);

// What differs between two fingerprints, one line per file ("IMPERIAL.ERI
// changed", "NEW.SRV added", "OLD.SRV removed"); empty when they match.
std::string FingerprintDifferences(const DataFingerprint& recorded, const DataFingerprint& now);

}  // namespace orrimar
