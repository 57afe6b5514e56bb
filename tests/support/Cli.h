// The terminal program run from a test, in a folder of the test's own.
#pragma once

#include <string>

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

}  // namespace orrimar
