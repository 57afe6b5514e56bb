#include "batch/CsvOutput.h"

#include <utility>

#include "output/CharacterJson.h"
#include "text/Files.h"

namespace orrimar {

CsvOutput::CsvOutput(std::string path, std::string data)
    : path_(std::move(path)), data_(std::move(data)) {}

std::string CsvOutput::Of(const BatchCharacter& made, std::string&) const {
    return CsvRecord(made, ProgramVersionText(), data_);
}

void CsvOutput::Add(const std::string& text) {
    if (!text.empty()) table_.Add(text);
}

std::string CsvOutput::Finish() {
    AtomicFile file(path_);
    return table_.WriteTo([&](std::string_view text) { file.Write(text); })
               ? file.Commit()
               : "cannot read back the CSV's scratch file";
}

}  // namespace orrimar
