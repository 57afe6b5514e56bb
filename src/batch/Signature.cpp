#include "batch/Signature.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "batch/Batch.h"
#include "data/Fingerprint.h"

namespace orrimar {

std::string BehaviourSignature(const std::string& dataDir, std::string& problem) {
    BatchOptions options;
    options.Count = SignatureCount;
    options.Seed = SignatureSeed;
    options.DataDir = dataDir;
    options.Format = BatchFormat::Jsonl;
    options.OutDir = "-";
    std::ostringstream log, lines;
    if (RunBatch(options, log, nullptr, &lines) != 0) {
        problem = log.str();
        return "";
    }
    std::istringstream in(lines.str());
    std::string characters;
    for (std::string line; std::getline(in, line);)
        characters += nlohmann::ordered_json::parse(line).at("character").dump() + "\n";
    return Sha256Hex(characters).substr(0, 16);
}

}  // namespace orrimar
