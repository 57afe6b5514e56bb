// What each fuzz target does with one input. The libFuzzer programs call
// these, and so does the core test that replays fuzz/regressions/, so a
// crash kept there is replayed by the same code under g++ as well.
#pragma once

#include <string_view>

namespace orrimar::fuzz {

void RaceFile(std::string_view data);        // race_file.cpp
void ServiceFile(std::string_view data);     // service_file.cpp
void Cascades(std::string_view data);        // cascades.cpp
void OptionSet(std::string_view data);       // option_set.cpp
void TemplateFill(std::string_view data);    // template_fill.cpp
void DataCheck(std::string_view data);       // data_check.cpp
void Batch(std::string_view data);           // batch.cpp
void DiceList(std::string_view data);        // dice_list.cpp
void Regenerate(std::string_view data);      // regenerate.cpp
void BatchAsks(std::string_view data);       // batch_asks.cpp
void StatBlockSheet(std::string_view data);  // stat_block_sheet.cpp
void CommandLine(std::string_view data);     // command_line.cpp

struct Target {
    const char* Name;  // the program is fuzz_<Name>, its regressions fuzz/regressions/<Name>/
    void (*Run)(std::string_view data);
};

inline constexpr Target Targets[] = {
    {"race_file", RaceFile},
    {"service_file", ServiceFile},
    {"cascades", Cascades},
    {"option_set", OptionSet},
    {"template_fill", TemplateFill},
    {"data_check", DataCheck},
    {"batch", Batch},
    {"dice_list", DiceList},
    {"regenerate", Regenerate},
    {"batch_asks", BatchAsks},
    {"stat_block_sheet", StatBlockSheet},
    {"command_line", CommandLine},
};

}  // namespace orrimar::fuzz
