// A batch's stream: each character's JSON line or stat block, into a file
// (put in place when the batch is done) or standard output.
#pragma once

#include <atomic>
#include <iosfwd>
#include <string>

#include "batch/BatchOutput.h"

namespace orrimar {

class LineFile;
struct DataFingerprint;

class StreamOutput : public BatchOutput {
  public:
    // `file`: the file the stream is, when not standard output. `fileTable`:
    // the rule files the first JSON line lists for all of them.
    StreamOutput(std::ostream& stream, LineFile* file, const DataFingerprint* fileTable);

    std::string Of(const BatchCharacter& made, std::string& line) const override;
    void Add(const std::string& text) override;
    bool Refused() const override { return refused_; }
    // Whether everything added was written out.
    bool Flush();
    std::string Finish() override;

  private:
    std::ostream& stream_;
    LineFile* file_;
    const DataFingerprint* fileTable_;
    bool tabled_ = false;
    std::atomic<bool> refused_{false};
};

}  // namespace orrimar
