// The roster as CSV: index.csv beside a batch's pages, or the file --out
// names.
#pragma once

#include <string>

#include "batch/BatchOutput.h"
#include "batch/CsvTable.h"

namespace orrimar {

class CsvOutput : public BatchOutput {
  public:
    // `data`: the data folder's short fingerprint.
    CsvOutput(std::string path, std::string data);
    bool IsOpen() const { return table_.IsOpen(); }

    std::string Of(const BatchCharacter& made, std::string& line) const override;
    void Add(const std::string& text) override;
    std::string Finish() override;

  private:
    std::string path_, data_;
    CsvTable table_;
};

}  // namespace orrimar
