#include "batch/StreamOutput.h"

#include <ostream>
#include <utility>

#include "batch/LineFile.h"
#include "output/CharacterJson.h"

namespace orrimar {

StreamOutput::StreamOutput(std::ostream& stream, LineFile* file, const DataFingerprint* fileTable)
    : stream_(stream), file_(file), fileTable_(fileTable) {}

std::string StreamOutput::Of(const BatchCharacter&, std::string& line) const {
    return std::move(line);
}

void StreamOutput::Add(const std::string& text) {
    if (text.empty()) return;
    const bool first = fileTable_ && !tabled_;
    tabled_ = tabled_ || first;
    if (!(stream_ << (first ? WithFileTable(text, *fileTable_) : text))) refused_ = true;
}

bool StreamOutput::Flush() {
    return static_cast<bool>(stream_.flush());
}

std::string StreamOutput::Finish() {
    return file_ ? file_->Commit() : "";
}

}  // namespace orrimar
