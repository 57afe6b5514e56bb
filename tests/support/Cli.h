// The terminal program run from a test, in a folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestGame.h"

namespace orrimar {

struct CliRun {
    int status = -1;  // -1 when it did not exit
    std::string out, err;
    std::string Both() const { return out + err; }
};

// orrimar-cli with `args`, run in `work` (its settings there too), `input`
// on standard input (kept as input.txt), with the terminal's locale
// `locale` and `environment` (such as "COLUMNS=100") set.
CliRun RunCli(const std::string& args, const TempDir& work, const std::string& input = "",
              const std::string& locale = "C", const std::string& environment = "");

// Whether `text` holds every one of `parts` and none of `absent`; the text
// is shown when not.
testing::AssertionResult Says(const std::string& text, const std::vector<std::string>& parts,
                              const std::vector<std::string>& absent = {});
// Whether the run ended with `status` and, on standard output and error
// together, said every one of `parts` and none of `absent`.
testing::AssertionResult Ran(const CliRun& run, int status,
                             const std::vector<std::string>& parts = {},
                             const std::vector<std::string>& absent = {});

}  // namespace orrimar
